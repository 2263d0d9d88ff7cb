#include "ui/timer_host_win32.h"

namespace sentrel {

TimerHost::TimerHost(Timer& model, const HostContext& context)
    : timer_(model),
      owner_(GetAncestor(context.parent, GA_ROOT)),
      id_(static_cast<UINT_PTR>(context.controlId)) {
    Mirror();
}

TimerHost::~TimerHost() {
    if (running_) {
        KillTimer(owner_, id_);
    }
}

// Setting the timer again restarts its count, so only a change of state or interval does it.
void TimerHost::Mirror() {
    const bool run = timer_.Enabled() && timer_.Interval() > 0;
    if (run && (!running_ || runningInterval_ != timer_.Interval())) {
        SetTimer(owner_, id_, static_cast<UINT>(timer_.Interval()), nullptr);
        running_ = true;
        runningInterval_ = timer_.Interval();
    } else if (!run && running_) {
        KillTimer(owner_, id_);
        running_ = false;
    }
}

void TimerHost::OnTimer() {
    timer_.RaiseTick();
}

}  // namespace sentrel

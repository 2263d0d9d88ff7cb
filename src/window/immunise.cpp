#include "window/immunise.h"

#include "shell/settings.h"
#include "window/wmain.h"
#include "worm/worm_mutex.h"

namespace sentrel {

namespace {

void Report(WMain& w, const std::string& text) {
    w.AddLogEntry(text);
    w.SetStatusText(text);
}

// Makes the hold as the check box asks; false, and said so, when it could not be taken.
bool ApplyHold(WMain& w) {
    if (w.services.wormMutex.Hold(w.chkImmunise.Value() == 1)) {
        return true;
    }
    Report(w,
           std::string("Immunising failed: the mutex ") + kWormMutexName + " could not be held.");
    return false;
}

}  // namespace

void LoadImmunise(WMain& w) {
    w.chkImmunise.SetValue(CheckBoxValueFromSetting(
        GetSetting(w.services.settings, w.services.environment, kKeyImmunise, "0")));
    ApplyHold(w);
}

void SwitchImmunise(WMain& w) {
    if (!ApplyHold(w)) {
        return;
    }
    if (w.chkImmunise.Value() == 1) {
        Report(w, std::string("Immunised: the mutex ") + kWormMutexName +
                      " is held, so a worm started now exits at once.");
    } else {
        Report(w, "No longer immunised.");
    }
}

}  // namespace sentrel

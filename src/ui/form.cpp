#include "ui/form.h"

namespace sentrel {

void Form::SetCaption(const std::string& caption) {
    if (caption_ != caption) {
        caption_ = caption;
        Changed();
    }
}

void Form::SetWindowState(WindowState state) {
    if (state_ == state) {
        return;
    }
    state_ = state;
    Changed();
    if (Resize) {
        Resize();
    }
}

void Form::WindowStateChangedByUser(WindowState state) {
    state_ = state;
    if (Resize) {
        Resize();
    }
}

void Form::Unload() {
    unloading_ = true;
    Changed();
}

void Form::SetTopmost(bool topmost) {
    topmost_ = topmost;
    Changed();
}

}  // namespace sentrel

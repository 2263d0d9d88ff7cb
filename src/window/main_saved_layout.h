#pragma once
// The saved layout of the main window's XP controls: their stored property values, read through
// each control's ReadProperties when the window is made.
#include <string>

#include "window/wmain.h"
#include "controls/control_events.h"

namespace sentrel {

// res/wmain.layout, as the build compiles it in.
extern const char* const kMainLayoutText;

// Reads every XP control of the window from the layout text, in the window's order. The window
// reads kMainLayoutText when it is made, before it loads (its text boxes raise Change only when
// the text differs from the one they hold).
void ApplyMainLayout(WMain& window, const std::string& layoutText);

// Writes every XP control of the window into a layout text, in the same order and format.
std::string SaveMainLayout(WMain& window);

// What the window tells an instance about itself.
AmbientProperties MainWindowAmbient(WMain& window, const Control& instance);

}  // namespace sentrel

#pragma once
// Saving the event log to a text file.
#include <string>

#include "ui/list_view.h"

namespace sentrel {

// One line per entry, first to last: the time, " - ", the event text, each line ending in CR LF.
std::string LogFileText(const ListView& log);

}  // namespace sentrel

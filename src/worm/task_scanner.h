#pragma once
// The background task scanner, its switch, and the shutdown abort.

namespace sentrel {

class WMain;

// One check of the running processes for the worm: the episode label and log lines, the status
// text on every tick of an episode, and once per run the scan and the warning box.
void TaskScannerTick(WMain& w);

// The Settings page's switch of the scanner, after its value has been stored.
void SwitchTaskScanner(WMain& w);

// Hands "shutdown /a" to the launcher; says so, and later whether it could not be started.
void PreventShutdown(WMain& w);

}  // namespace sentrel

#pragma once
// The operating-system services that the main window's handlers use, one interface per concern.
#include "base/app_environment.h"
#include "shell/settings_store.h"
#include "base/clock.h"
#include "shell/launcher.h"
#include "listener/probe_socket.h"
#include "log/text_file_writer.h"
#include "shell/shell_opener.h"
#include "shell/sound_player.h"
#include "shell/tray_icon.h"
#include "ui/dialogs.h"
#include "worm/worm_scan.h"

namespace sentrel {

struct Services {
    SettingsStore& settings;
    AppEnvironment& environment;
    Dialogs& dialogs;
    Clock& clock;
    Locale& locale;
    ProbeSocket& socket;
    Launcher& launcher;
    SoundPlayer& sound;
    ShellOpener& shell;
    TrayIcon& tray;
    ProcessTable& processes;
    FileSystem& files;
    Registry& registry;
    TextFileWriter& textFiles;
    SocketTable& sockets;
    WormMutex& wormMutex;
    SystemFacts& systemFacts;
    // The same six, as the worm's engines take them.
    WormServices worm{processes, files, registry, sockets, wormMutex, systemFacts};
};

}  // namespace sentrel

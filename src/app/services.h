#pragma once
// The operating-system services that the main window's handlers use, one interface per concern.
#include "app/app_environment.h"
#include "app/settings_store.h"
#include "base/clock.h"
#include "listener/launcher.h"
#include "listener/probe_socket.h"
#include "log/text_file_writer.h"
#include "shell/shell_opener.h"
#include "shell/sound_player.h"
#include "shell/tray_icon.h"
#include "ui/dialogs.h"
#include "worm/file_system.h"
#include "worm/process_table.h"
#include "worm/registry.h"
#include "worm/socket_table.h"
#include "worm/system_facts.h"
#include "worm/worm_mutex.h"

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
};

}  // namespace sentrel

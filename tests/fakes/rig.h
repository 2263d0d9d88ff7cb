#pragma once
// The main window on fakes: every service a fake that a test can script and read.
#include <initializer_list>
#include <memory>
#include <utility>

#include "shell/settings.h"
#include "window/wmain.h"
#include "fakes/fake_app.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_listener.h"
#include "fakes/fake_log.h"
#include "fakes/fake_shell.h"
#include "fakes/fake_worm.h"

namespace sentrel::test {

// The constructor and destructor are compiled once, in rig.cpp: a suite's files only call them.
struct Rig {
    Rig();
    ~Rig();
    Rig(const Rig&) = delete;
    Rig& operator=(const Rig&) = delete;

    FakeSettingsStore settings;
    FakeEnvironment environment;
    FakeDialogs dialogs;
    FakeClock clock;
    FakeLocale locale;
    FakeProbeSocket socket;
    FakeLauncher launcher;
    FakeSoundPlayer sound;
    FakeShellOpener shell;
    FakeTrayIcon tray;
    FakeProcessTable processes;
    FakeFileSystem files;
    FakeRegistry registry;
    FakeTextFileWriter textFiles;
    FakeSocketTable sockets;
    FakeWormMutex wormMutex;
    FakeSystemFacts systemFacts;
    Services services{settings, environment, dialogs, clock,     locale,     socket,
                      launcher, sound,       shell,   tray,      processes,  files,
                      registry, textFiles,   sockets, wormMutex, systemFacts};
    std::unique_ptr<WMain> window;

    WMain& w() { return *window; }
    // The settings stored for the test's executable name.
    std::map<std::string, std::string> Stored() const {
        return settings.SectionOf(environment.exeName);
    }
    void Store(const std::string& key, const std::string& value) {
        settings.values[{environment.exeName, "Settings", key}] = value;
    }
    // Starts the window with these settings stored and the once-only hint already seen.
    void Start(std::initializer_list<std::pair<std::string, std::string>> stored = {}) {
        Store("Startup Notice", "1");
        for (const auto& [key, value] : stored) {
            Store(key, value);
        }
        window->Form_Load();
    }
    // Texts of the log's event column, in order.
    Texts LogTexts() const {
        Texts out;
        for (std::size_t i = 0; i < window->lvwLog.Count(); ++i) {
            out.push_back(window->lvwLog.Item(i).subItems.at(0).text);
        }
        return out;
    }
    std::string Status() const { return window->stbStatus.Panel("_general").text; }
    std::string Counter() const { return window->stbStatus.Panel("_counter").text; }
};

// The window after start-up, with the once-only hint already seen.
struct StartedRig : Rig {
    StartedRig() { Start(); }
};

}  // namespace sentrel::test

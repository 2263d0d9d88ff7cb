// The composition root: the system's services, the main window model and its Win32 host.
#include <windows.h>

#include <commctrl.h>

#include <stdexcept>

#include "app/app_environment_win32.h"
#include "app/main_window_win32.h"
#include "app/settings_store_win32.h"
#include "app/wmain.h"
#include "ui/clock_win32.h"
#include "ui/dialogs_win32.h"
#include "ui/text_win32.h"

namespace sentrel {
namespace {

// ---- Placeholders until the listener, shell and worm services are connected here. ----------
class UnavailableProbeSocket : public ProbeSocket {
  public:
    void Close() override {}
    int LocalPort() const override { return port_; }
    void SetLocalPort(int port) override { port_ = port; }
    void Listen() override { throw std::runtime_error("the listener is not available"); }
    std::string RemoteHostIP() const override { return {}; }

  private:
    int port_ = 0;
};

class UnavailableLauncher : public Launcher {
  public:
    LaunchResult StartHidden(const std::string&) override {
        return {false, "starting programs is not available"};
    }
};

class SilentSoundPlayer : public SoundPlayer {
  public:
    void Play(const std::string&) override {}
};

class UnavailableShellOpener : public ShellOpener {
  public:
    bool Open(const ShellOpenRequest&) override { return false; }
};

class AbsentTrayIcon : public TrayIcon {
  public:
    bool Notify(TrayMessage, const TrayIconData&) override { return false; }
};

class EmptyProcessTable : public ProcessTable {
  public:
    std::vector<ProcessEntry> Snapshot() override { return {}; }
    bool Terminate(std::uint32_t, std::uint32_t) override { return false; }
};

class PlaceholderFileSystem : public FileSystem {
  public:
    std::string WindowsFolder() override { return "C:\\WINDOWS"; }
};

class UntouchedRegistry : public Registry {
  public:
    void DeleteMachineValue(const std::string&, const std::string&) override {}
};
// ---- End of placeholders. ------------------------------------------------------------------

void InitCommonControls() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);
}

int Run(HINSTANCE instance) {
    InitCommonControls();

    RegistrySettingsStore settings;
    Win32AppEnvironment environment;
    Win32Dialogs dialogs;
    SystemClock clock;
    UserLocale locale;
    UnavailableProbeSocket socket;
    UnavailableLauncher launcher;
    SilentSoundPlayer sound;
    UnavailableShellOpener shell;
    AbsentTrayIcon tray;
    EmptyProcessTable processes;
    PlaceholderFileSystem files;
    UntouchedRegistry registry;
    Services services{settings, environment, dialogs, clock,     locale, socket,  launcher,
                      sound,    shell,       tray,    processes, files,  registry};

    WMain main(services);
    MainWindow window(main, instance);
    dialogs.SetOwner(window.Handle());
    main.Form_Load();
    return RunMessageLoop(window.Handle());
}

}  // namespace
}  // namespace sentrel

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    try {
        return sentrel::Run(instance);
    } catch (const std::exception& e) {
        MessageBoxW(nullptr, sentrel::Utf8ToWide(e.what()).c_str(), L"Sentrel",
                    MB_OK | MB_ICONERROR);
        return 1;
    }
}

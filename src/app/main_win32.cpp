// The composition root: the system's services, the main window model and its Win32 host.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <stdexcept>

#include "base/app_environment_win32.h"
#include "app/unattended_mode_win32.h"
#include "window/main_window_win32.h"
#include "shell/settings_store_win32.h"
#include "window/wmain.h"
#include "base/clock_win32.h"
#include "base/handles_win32.h"
#include "base/system_folder_win32.h"
#include "base/text_win32.h"
#include "shell/launcher_win32.h"
#include "listener/probe_socket_win32.h"
#include "log/text_file_writer_win32.h"
#include "shell/shell_opener_win32.h"
#include "shell/sound_player_win32.h"
#include "shell/tray_icon_win32.h"
#include "ui/dialogs_win32.h"
#include "worm/file_system_win32.h"
#include "worm/process_table_win32.h"
#include "worm/registry_win32.h"
#include "worm/socket_table_win32.h"
#include "worm/system_facts_win32.h"
#include "worm/worm_mutex_win32.h"

namespace sentrel {
namespace {

void InitCommonControls() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);
}

// The shell's "open" needs a single-threaded apartment for every kind of file and address.
class ComApartment {
public:
    ComApartment()
        : initialised_(SUCCEEDED(
              CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComApartment() {
        if (initialised_) {
            CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised_;
};

int Run(HINSTANCE instance) {
    // Before anything loads a DLL on demand.
    RestrictDllSearchToSystemFolder();
    InitCommonControls();
    ComApartment com;

    RegistrySettingsStore settings;
    Win32AppEnvironment environment;
    Win32Dialogs dialogs;
    SystemClock clock;
    UserLocale locale;
    WinsockProbeSocket socket;
    HiddenLauncher launcher;
    WinmmSoundPlayer sound;
    ShellExecuteOpener shell;
    ShellTrayIcon tray;
    Win32ProcessTable processes;
    Win32FileSystem files;
    Win32Registry registry;
    Win32TextFileWriter textFiles;
    Win32SocketTable sockets;
    Win32WormMutex wormMutex;
    Win32SystemFacts systemFacts;
    Services services{settings, environment, dialogs, clock,     locale,     socket,
                      launcher, sound,       shell,   tray,      processes,  files,
                      registry, textFiles,   sockets, wormMutex, systemFacts};

    WMain main(services);
    MainWindow window(main, instance);
    dialogs.SetOwner(window.Handle());
    UniqueIcon trayPicture(static_cast<HICON>(
        LoadImageW(instance, L"SYSTRAY", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                   GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR)));
    tray.Attach(window.Handle(), trayPicture.Get());
    main.Form_Load();
    return RunMessageLoop(window.Handle());
}

}  // namespace
}  // namespace sentrel

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    try {
        if (const std::optional<int> exitCode = sentrel::RunFromCommandLine()) {
            return *exitCode;
        }
        return sentrel::Run(instance);
    } catch (const std::exception& e) {
        MessageBoxW(nullptr, sentrel::Utf8ToWide(e.what()).c_str(), L"Sentrel",
                    MB_OK | MB_ICONERROR);
        return 1;
    }
}

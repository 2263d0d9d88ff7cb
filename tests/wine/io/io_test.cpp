// The registry's settings, the saved files and the file dialog, on the real system.
#include <gtest/gtest.h>
#include <windows.h>

#include <dlgs.h>
#include <functional>
#include <sddl.h>

#include "shell/settings_store_win32.h"
#include "base/handles_win32.h"
#include "base/text_win32.h"
#include "log/text_file_writer_win32.h"
#include "ui/dialogs_win32.h"
#include "wine/support/message_pump.h"
#include "wine/support/temp_folder.h"
#include "wine/support/worker_thread.h"

namespace sentrel::test {
namespace {

void RemoveApplication(const std::string& application) {
    const std::wstring path = L"Software\\VB and VBA Program Settings\\" + Utf8ToWide(application);
    RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, path.c_str());
}

// Leaves a key readable only, as a policy may; it can still be deleted.
void DenyWriting(const std::wstring& path) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    HKEY key = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(
        L"D:P(A;;0x30019;;;WD)", SDDL_REVISION_1, &descriptor, nullptr));
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, WRITE_DAC, &key), ERROR_SUCCESS);
    EXPECT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor), ERROR_SUCCESS);
    RegCloseKey(key);
    LocalFree(descriptor);
}

// The refusal is the store's to report; what the window makes of it is checked on fakes.
TEST(RegistrySettings, ValuesRoundTripAndAKeyThatRefusesWritesStillReadsAndSaysSo) {
    const std::string application = "sentrel-test-" + std::to_string(GetCurrentProcessId());
    RegistrySettingsStore store;
    EXPECT_TRUE(store.Write(application, "Settings", "Play SFX", "0").stored);
    DenyWriting(RegistrySettingsStore::KeyPath(application, "Settings"));
    RegistrySettingsStore locked;
    EXPECT_EQ(locked.Read(application, "Settings", "Play SFX"), "0");
    EXPECT_EQ(locked.Read(application, "Settings", "Other"), std::nullopt);
    const SettingWriteResult refused = locked.Write(application, "Settings", "Play SFX", "1");
    EXPECT_FALSE(refused.stored || refused.errorDescription.empty());
    RemoveApplication(application);
    // Each section keeps its own values.
    EXPECT_TRUE(store.Write(application, "Settings", "Port", "4444").stored);
    EXPECT_TRUE(store.Write(application, "Window", "Port", "1").stored);
    RegistrySettingsStore other;
    EXPECT_EQ(other.Read(application, "Settings", "Port"), "4444");
    EXPECT_EQ(other.Read(application, "Window", "Port"), "1");
    RemoveApplication(application);
}

TEST(SaveLog, WritesTheAnsiCodePageAndReplacesAFileHeldOpenByAViewer) {
    TempFolder folder;
    Win32TextFileWriter writer;
    const std::string path = folder.File("log.txt");
    const std::string accented = "Scan caf\xC3\xA9";
    EXPECT_TRUE(writer.WriteWholeFile(path, accented).written);
    EXPECT_EQ(ReadBytes(path), Utf8ToAnsi(accented));
    EXPECT_TRUE(writer.FileExists(path) && !writer.FileExists(folder.File("")));

    // Held the way a viewer holds a file it shows: readers and writers welcome, no deleting.
    const UniqueHandle held(CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    EXPECT_TRUE(writer.WriteWholeFile(path, "Second save").written);
    EXPECT_TRUE(writer.AppendToFile(path, "\r\nmore").written);
    EXPECT_EQ(ReadBytes(path), "Second save\r\nmore");
    EXPECT_EQ(folder.Names(), std::vector<std::wstring>{L"log.txt"});
}

// Another copy of the program appending to the shared log for a moment is waited for.
TEST(SaveLog, AnAppendWaitsForAnotherWriterToLetGo) {
    TempFolder folder;
    const std::string path = folder.File("shared.log");
    UniqueHandle held(CreateFileW(Utf8ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    const WorkerThread letGo([&held] {
        Sleep(300);
        held.Reset();
    });
    EXPECT_TRUE(Win32TextFileWriter().AppendToFile(path, "line").written);
    EXPECT_EQ(ReadBytes(path), "line");
}

// Plays the user from a thread of its own: waits for the box with the title, then acts on it.
class ScriptedUser {
public:
    ScriptedUser(const wchar_t* title, std::function<void(HWND)> act,
                 const wchar_t* kind = L"#32770")
        : worker_([title, kind, act = std::move(act), owner = GetCurrentThreadId()] {
              HWND box = nullptr;
              if (PumpUntil([&] { return (box = FindWindowW(kind, title)) != nullptr; }, 20000)) {
                  act(box);
              } else {  // never seen: close what the test shows, so it fails instead of hanging
                  EnumThreadWindows(owner, &Cancel, 0);
              }
          }) {}

private:
    static BOOL CALLBACK Cancel(HWND window, LPARAM) {
        PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        return TRUE;
    }
    WorkerThread worker_;
};

void Press(HWND box, int id) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

struct ModalBoxes : ::testing::Test {
    UniqueWindow owner{CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                       nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)};
    Win32Dialogs dialogs;
    ModalBoxes() { dialogs.SetOwner(owner.Get()); }
};

TEST_F(ModalBoxes, TheSaveDialogGivesTheTypedPathAndKeepsTheCurrentFolder) {
    TempFolder folder;
    const std::string typed = folder.File("chosen.log");
    wchar_t before[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, before);
    FileDialogRequest request;
    request.title = "Enter filename for log..";
    std::string chosen;
    {
        ScriptedUser user(L"Enter filename for log..", [&typed](HWND box) {
            // The file name box is a combo box on newer systems and an edit box on older ones.
            for (int id : {cmb13, edt1}) {
                SetWindowTextW(GetDlgItem(box, id), Utf8ToWide(typed).c_str());
            }
            Press(box, IDOK);
        });
        chosen = dialogs.ShowFileDialog(request);
    }
    EXPECT_EQ(chosen, typed);
    wchar_t after[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, after);
    EXPECT_STREQ(after, before);
}

// The keys walk the menu as shown: past the separator, over the submenu, to the last item.
TEST_F(ModalBoxes, APopupMenuGivesTheNameOfTheItemChosenWithTheKeys) {
    const auto item = [](const char* name, const char* caption, std::vector<MenuItem> items = {}) {
        return MenuItem{name, caption, std::move(items), {}};
    };
    const MenuItem menu = item("mContext", "",
                               {item("a", "First"), item("-", "-"),
                                item("more", "More", {item("b", "Second")}), item("c", "Third")});
    std::string chosen;
    {
        ScriptedUser user(
            nullptr,
            [this](HWND) {
                for (WPARAM key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}) {
                    PostMessageW(owner.Get(), WM_KEYDOWN, key, 0);
                }
            },
            L"#32768");
        chosen = dialogs.PopupMenu(menu, Point{10, 10});
    }
    EXPECT_EQ(chosen, "c");
}

}  // namespace
}  // namespace sentrel::test

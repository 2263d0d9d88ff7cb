// The common file dialog, run modal and answered by a scripted user.
#include <gtest/gtest.h>
#include <windows.h>

#include <dlgs.h>

#include <functional>

#include "base/handles_win32.h"
#include "base/text_win32.h"
#include "ui/dialogs_win32.h"
#include "wine/support/message_pump.h"
#include "wine/support/temp_folder.h"
#include "wine/support/worker_thread.h"

namespace sentrel::test {
namespace {

// Plays the user from a thread of its own: waits for the box with the title, then acts on it.
class ScriptedUser {
public:
    ScriptedUser(const wchar_t* title, std::function<void(HWND)> act)
        : worker_([title, act = std::move(act), owner = GetCurrentThreadId()] {
              HWND box = nullptr;
              if (PumpUntil([&] { return (box = FindWindowW(L"#32770", title)) != nullptr; },
                            20000)) {
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
    request.save = true;
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

}  // namespace
}  // namespace sentrel::test

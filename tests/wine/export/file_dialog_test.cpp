#include <gtest/gtest.h>
#include <windows.h>

#include <dlgs.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>

#include "base/handles_win32.h"
#include "ui/file_dialog_win32.h"
#include "wine/export/temp_folder.h"
#include "wine/support/worker_thread.h"

namespace sentrel::test {
namespace {

FileDialogRequest SaveRequest() {
    FileDialogRequest request;
    request.save = true;
    request.title = "Enter filename for log..";
    request.initialName = "report";
    request.filter =
        "(*.*) All Files\xC2\xAC*.*\xC2\xAC"
        "Text\xC2\xAC*.txt";
    request.initialFolder = "C:\\logs";
    request.defaultExtension = "txt";
    return request;
}

TEST(FileDialogRecord, FilterFieldsAreSeparatedByNulsAndEndInTwoAndEachModeHasItsFlags) {
    FileDialogRequest request = SaveRequest();
    FileDialogRecord save(request, nullptr);
    const wchar_t expected[] = L"(*.*) All Files\0*.*\0Text\0*.txt\0";
    // The literal brings its own final NUL: the list ends in two.
    const std::wstring filter(save.Record().lpstrFilter, std::size(expected));
    EXPECT_EQ(filter, std::wstring(expected, std::size(expected)));
    EXPECT_EQ(save.Record().nFilterIndex, 1u);
    EXPECT_EQ(save.Record().Flags, 0x806u | OFN_NOCHANGEDIR);
    request.save = false;
    FileDialogRecord open(request, nullptr);
    EXPECT_EQ(open.Record().Flags, 0x1804u | OFN_NOCHANGEDIR);
}

TEST(FileDialogRecord, CarriesTheRequestWithBuffersFullOfNulsToTheirCapacity) {
    FileDialogRequest request = SaveRequest();
    request.title = "Journal \xC3\xA9t\xC3\xA9";
    FileDialogRecord dialog(request, reinterpret_cast<HWND>(0x1234));
    const OPENFILENAMEW& record = dialog.Record();
    const auto nul = [](wchar_t c) { return c == L'\0'; };
    EXPECT_EQ(record.lStructSize, sizeof(OPENFILENAMEW));
    EXPECT_EQ(record.hwndOwner, reinterpret_cast<HWND>(0x1234));
    ASSERT_EQ(record.nMaxFile, 250u);
    EXPECT_EQ(std::wstring(record.lpstrFile), L"report");
    EXPECT_TRUE(std::all_of(record.lpstrFile + 6, record.lpstrFile + 250, nul));
    ASSERT_EQ(record.nMaxFileTitle, 255u);
    EXPECT_TRUE(std::all_of(record.lpstrFileTitle, record.lpstrFileTitle + 255, nul));
    EXPECT_EQ(std::wstring(record.lpstrTitle), L"Journal \u00e9t\u00e9");
    EXPECT_EQ(std::wstring(record.lpstrInitialDir), L"C:\\logs");
    EXPECT_EQ(std::wstring(record.lpstrDefExt), L"txt");
}

TEST(FileDialogRecord, EmptyTextsLeaveTheChoiceToTheDialogAndATooLongNameIsCutWithItsNul) {
    FileDialogRecord empty(FileDialogRequest{}, nullptr);
    const OPENFILENAMEW& record = empty.Record();
    EXPECT_EQ(record.lpstrFilter, nullptr);
    EXPECT_EQ(record.lpstrTitle, nullptr);
    EXPECT_EQ(record.lpstrInitialDir, nullptr);
    EXPECT_EQ(record.lpstrDefExt, nullptr);
    EXPECT_EQ(record.lpstrFile[0], L'\0');

    FileDialogRequest request = SaveRequest();
    request.initialName = std::string(300, 'a');
    FileDialogRecord longName(request, nullptr);
    EXPECT_EQ(longName.ChosenPath(), std::string(249, 'a'));
    EXPECT_EQ(longName.Record().lpstrFile[249], L'\0');
}

// Plays the user: waits for the dialog with the given title, then acts on it.
class ScriptedUser {
public:
    ScriptedUser(std::wstring title, std::function<void(HWND)> act)
        : ownerThread_(GetCurrentThreadId()),
          worker_([this, title = std::move(title), act = std::move(act)] { Run(title, act); }) {}
    HWND DialogOwner() const { return owner_; }

private:
    void Run(const std::wstring& title, const std::function<void(HWND)>& act) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (std::chrono::steady_clock::now() < deadline) {
            if (HWND dialog = FindWindowW(L"#32770", title.c_str())) {
                owner_ = GetWindow(dialog, GW_OWNER);
                act(dialog);
                return;
            }
            Sleep(50);
        }
        // Never seen: close whatever the test thread shows, so the test fails instead of hanging.
        EnumThreadWindows(ownerThread_, &Cancel, 0);
    }

    static BOOL CALLBACK Cancel(HWND window, LPARAM) {
        PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        return TRUE;
    }

    DWORD ownerThread_;
    std::atomic<HWND> owner_{nullptr};
    WorkerThread worker_;
};

void Press(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

struct RunningDialog : ::testing::Test {
    UniqueWindow owner{CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                       nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)};
    FileDialogRequest request = [] {
        FileDialogRequest r;
        r.title = "Enter filename for log..";
        r.filter = "(*.*) All Files\xC2\xAC*.*";
        return r;
    }();
};

TEST_F(RunningDialog, CancelGivesAnEmptyPath) {
    std::string chosen = "unset";
    {
        ScriptedUser user(L"Enter filename for log..",
                          [](HWND dialog) { Press(dialog, IDCANCEL); });
        chosen = RunFileDialog(owner.Get(), request);
    }
    EXPECT_EQ(chosen, "");
}

TEST_F(RunningDialog, ATypedNameIsReturnedAsTheFullPathAndTheDialogIsOwnedAndKeepsTheFolder) {
    TempFolder folder;
    wchar_t currentBefore[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, currentBefore);
    const std::string typed = folder.File("chosen.log");
    std::string chosen;
    HWND dialogOwner = nullptr;
    {
        ScriptedUser user(L"Enter filename for log..", [&typed](HWND dialog) {
            // The file name box is a combo box on newer systems and an edit box on older ones.
            for (int id : {cmb13, edt1}) {
                if (HWND box = GetDlgItem(dialog, id)) {
                    SetWindowTextW(box, Utf8ToWide(typed).c_str());
                }
            }
            Press(dialog, IDOK);
        });
        chosen = RunFileDialog(owner.Get(), request);
        dialogOwner = user.DialogOwner();
    }
    EXPECT_EQ(chosen, typed);
    EXPECT_EQ(dialogOwner, owner.Get());
    EXPECT_TRUE(folder.Names().empty());
    wchar_t currentAfter[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, currentAfter);
    EXPECT_STREQ(currentAfter, currentBefore);
}

}  // namespace
}  // namespace sentrel::test

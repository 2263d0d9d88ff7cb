// The window at the display scalings users have. Wine takes the DPI from the prefix's LogPixels
// when a process starts, so each scaling runs the page check in a child process of this suite.
#include <gtest/gtest.h>

#include <cstdlib>

#include "base/handles_win32.h"
#include "live_window.h"
#include "ui/gdi_win32.h"

namespace sentrel::test {
namespace {

std::string Describe(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return WideToUtf8(name) + " \"" + TextOf(window) + "\"";
}

// Below `parent`, no visible window covers a visible sibling or reaches out of its parent.
void ExpectSiblingsApart(HWND parent, HWND allowedOverlap) {
    RECT area{};
    GetClientRect(parent, &area);
    MapWindowPoints(parent, HWND_DESKTOP, reinterpret_cast<POINT*>(&area), 2);
    std::vector<std::pair<HWND, RECT>> shown;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        if (IsWindowVisible(child) && GetWindowRect(child, &r)) {
            RECT both{};
            UnionRect(&both, &r, &area);
            EXPECT_TRUE(EqualRect(&both, &area)) << Describe(child) << " leaves its parent";
            for (const auto& [sibling, s] : shown) {
                EXPECT_TRUE(!IntersectRect(&both, &r, &s) || child == allowedOverlap ||
                            sibling == allowedOverlap)
                    << Describe(child) << " and " << Describe(sibling) << " overlap";
            }
            shown.emplace_back(child, r);
            ExpectSiblingsApart(child, nullptr);
        }
    }
}

int TextWidth(const std::string& text, const Font& font, int dpi) {
    UniqueGdiObject made = CreateFontAt(font, dpi);
    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    ScopedSelectObject select(dc.Get(), made.Get());
    const std::wstring wide = Utf8ToWide(text);
    SIZE size{};
    GetTextExtentPoint32W(dc.Get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return static_cast<int>(size.cx);
}

// A control sized to its caption ends where the caption does (or sooner, clipping it).
void ExpectEndsAtItsCaption(HWND window, int captionEnd, const std::string& name) {
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_LE(client.right, captionEnd + 1) << name;
}

// A click in the middle of the box's square goes to whichever window the system finds there.
void ClickTheSquare(HWND box) {
    RECT client{};
    GetClientRect(box, &client);
    POINT at{6, client.bottom / 2};
    ClientToScreen(box, &at);
    HWND hit = WindowFromPoint(at);
    ScreenToClient(hit, &at);
    SendMessageW(hit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageW(hit, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

TEST(DisplayScaling, ControlsKeepToTheirRectanglesAndClicksReachThem) {
    LiveWindow live;
    const int dpi = live.window->Dpi();
    if (const char* expected = std::getenv("SENTREL_EXPECTED_DPI")) {
        ASSERT_EQ(dpi, std::atoi(expected));
    }
    for (const HyperLink* link : {&live.w().lnkBlog, &live.w().lnkQel}) {
        ExpectEndsAtItsCaption(live.Of(*link),
                               MulDiv(HyperLink::kLabelLeftTwips, dpi, 1440) +
                                   TextWidth(link->LabelCaption(), link->LabelFont(), dpi),
                               link->Name());
    }
    std::vector<QelCheckBoxXP*> boxes;
    for (Control* control : live.w().Controls()) {
        if (auto* box = dynamic_cast<QelCheckBoxXP*>(control)) {
            ExpectEndsAtItsCaption(live.Of(*box),
                                   MulDiv(QelCheckBoxXP::kLabelLeft, dpi, 96) +
                                       TextWidth(box->Caption(), box->GetFont(), dpi),
                                   box->Name());
            boxes.push_back(box);
        }
    }
    for (int button = 1; button <= 4; ++button) {
        live.w().tbrMain_ButtonClick(button);
        Pump();
        SCOPED_TRACE(live.w().tbrMain.Button(button).tag + " at " + std::to_string(dpi) + " dpi");
        ExpectSiblingsApart(live.Main(), live.Of(live.w().tbrMain));
        for (QelCheckBoxXP* box : boxes) {
            if (IsWindowVisible(live.Of(*box))) {
                std::vector<int> expected;
                for (const QelCheckBoxXP* other : boxes) {
                    expected.push_back(other->Value() ^ (other == box ? 1 : 0));
                }
                ClickTheSquare(live.Of(*box));
                std::vector<int> values;
                for (const QelCheckBoxXP* other : boxes) {
                    values.push_back(other->Value());
                }
                EXPECT_EQ(values, expected) << box->Name();
            }
        }
    }
}

void SetLogPixels(DWORD dpi) {
    UniqueHkey key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, key.Put(), nullptr) == ERROR_SUCCESS) {
        RegSetValueExW(key.Get(), L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                       sizeof dpi);
    }
}

// Runs the check above in a child process of this suite; its output joins this one's.
DWORD RunAtDpi(DWORD dpi) {
    SetLogPixels(dpi);
    SetEnvironmentVariableW(L"SENTREL_EXPECTED_DPI", std::to_wstring(dpi).c_str());
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring commandLine =
        L"\"" + std::wstring(self) + L"\" --gtest_filter=DisplayScaling.ControlsKeep*";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    DWORD code = WAIT_TIMEOUT;
    if (CreateProcessW(self, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                       &startup, &process)) {
        UniqueHandle child(process.hProcess);
        UniqueHandle thread(process.hThread);
        if (WaitForSingleObject(child.Get(), 120000) == WAIT_OBJECT_0) {
            GetExitCodeProcess(child.Get(), &code);
        }
    } else {
        code = GetLastError();
    }
    SetEnvironmentVariableW(L"SENTREL_EXPECTED_DPI", nullptr);
    return code;
}

TEST(DisplayScaling, HoldsAtEveryCommonScaling) {
    for (DWORD dpi : {120, 144, 192}) {
        EXPECT_EQ(RunAtDpi(dpi), 0U) << dpi << " dpi";
    }
    SetLogPixels(96);  // the prefix's own scaling again, for the suites after this one
}

}  // namespace
}  // namespace sentrel::test

// The window at the display scalings users have. Wine takes the DPI from the prefix's LogPixels
// when a process starts, so each scaling runs the layout check in a child process of this suite.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "base/handles_win32.h"
#include "live_window.h"
#include "ui/gdi_win32.h"

namespace sentrel::test {
namespace {

constexpr const wchar_t* kExpectedDpi = L"SENTREL_EXPECTED_DPI";

std::string Describe(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return WideToUtf8(name) + " \"" + TextOf(window) + "\"";
}

std::vector<HWND> VisibleChildren(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child) != FALSE) {
            children.push_back(child);
        }
    }
    return children;
}

// Below `parent`, no visible window covers a visible sibling or reaches out of its parent.
void ExpectSiblingsApart(HWND parent, HWND allowedOverlap) {
    RECT area{};
    GetClientRect(parent, &area);
    MapWindowPoints(parent, HWND_DESKTOP, reinterpret_cast<POINT*>(&area), 2);
    const std::vector<HWND> children = VisibleChildren(parent);
    for (std::size_t i = 0; i < children.size(); ++i) {
        RECT a{};
        GetWindowRect(children[i], &a);
        RECT outside{};
        UnionRect(&outside, &a, &area);
        EXPECT_TRUE(EqualRect(&outside, &area)) << Describe(children[i]) << " leaves its parent";
        for (std::size_t j = i + 1; j < children.size(); ++j) {
            RECT b{};
            RECT both{};
            GetWindowRect(children[j], &b);
            if (children[i] != allowedOverlap && children[j] != allowedOverlap) {
                EXPECT_FALSE(IntersectRect(&both, &a, &b))
                    << Describe(children[i]) << " and " << Describe(children[j]) << " overlap";
            }
        }
        ExpectSiblingsApart(children[i], nullptr);
    }
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

std::vector<QelCheckBoxXP*> CheckBoxesOf(WMain& w, const Frame& page) {
    std::vector<QelCheckBoxXP*> boxes;
    for (Control* control : w.Controls()) {
        const Control* ancestor = control->Parent();
        while (ancestor != nullptr && ancestor != &page) {
            ancestor = ancestor->Parent();
        }
        if (auto* box = dynamic_cast<QelCheckBoxXP*>(control); box != nullptr && ancestor) {
            boxes.push_back(box);
        }
    }
    return boxes;
}

TEST(DisplayScaling, ControlsKeepToTheirRectanglesAndClicksReachThem) {
    LiveWindow live;
    if (const char* expected = std::getenv("SENTREL_EXPECTED_DPI")) {
        ASSERT_EQ(live.window->Dpi(), std::atoi(expected));
    }
    for (int button = 1; button <= 4; ++button) {
        live.w().tbrMain_ButtonClick(button);
        Pump();
        const Frame& page = live.w().fraContainer[live.w().fraContainer.FrontIndex()];
        SCOPED_TRACE(page.Tag() + " at " + std::to_string(live.window->Dpi()) + " dpi");
        ExpectSiblingsApart(live.Main(), live.Of(live.w().tbrMain));
        const int dpi = live.window->Dpi();
        for (const HyperLink* link : {&live.w().lnkBlog, &live.w().lnkQel}) {
            ExpectEndsAtItsCaption(live.Of(*link),
                                   MulDiv(HyperLink::kLabelLeftTwips, dpi, 1440) +
                                       TextWidth(link->LabelCaption(), link->LabelFont(), dpi),
                                   link->Name());
        }
        for (QelCheckBoxXP* box : CheckBoxesOf(live.w(), page)) {
            ExpectEndsAtItsCaption(live.Of(*box),
                                   MulDiv(QelCheckBoxXP::kLabelLeft, dpi, 96) +
                                       TextWidth(box->Caption(), box->GetFont(), dpi),
                                   box->Name());
            std::vector<int> expected;
            for (const QelCheckBoxXP* other : CheckBoxesOf(live.w(), page)) {
                expected.push_back(other->Value() ^ (other == box ? 1 : 0));
            }
            ClickTheSquare(live.Of(*box));
            std::vector<int> values;
            for (const QelCheckBoxXP* other : CheckBoxesOf(live.w(), page)) {
                values.push_back(other->Value());
            }
            EXPECT_EQ(values, expected) << box->Name();
        }
    }
}

// Sets the prefix's DPI for processes started from now on; the old value comes back at the end.
class ScopedLogPixels {
public:
    explicit ScopedLogPixels(DWORD dpi) {
        RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, key_.Put(), nullptr);
        DWORD size = sizeof old_;
        hadOld_ = RegQueryValueExW(key_.Get(), L"LogPixels", nullptr, nullptr,
                                   reinterpret_cast<BYTE*>(&old_), &size) == ERROR_SUCCESS;
        Set(dpi);
    }
    ~ScopedLogPixels() {
        if (hadOld_) {
            Set(old_);
        } else {
            RegDeleteValueW(key_.Get(), L"LogPixels");
        }
    }
    ScopedLogPixels(const ScopedLogPixels&) = delete;
    ScopedLogPixels& operator=(const ScopedLogPixels&) = delete;

private:
    void Set(DWORD dpi) {
        RegSetValueExW(key_.Get(), L"LogPixels", 0, REG_DWORD, reinterpret_cast<BYTE*>(&dpi),
                       sizeof dpi);
    }

    UniqueHkey key_;
    DWORD old_ = 0;
    bool hadOld_ = false;
};

// Runs the check above in a child process of this suite; its output joins this one's.
DWORD RunAtDpi(DWORD dpi) {
    ScopedLogPixels scaling(dpi);
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(self) +
                               L"\" --gtest_filter=DisplayScaling.ControlsKeepToTheirRectangles*";
    SetEnvironmentVariableW(kExpectedDpi, std::to_wstring(dpi).c_str());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(self, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &process);
    SetEnvironmentVariableW(kExpectedDpi, nullptr);
    if (!started) {
        return GetLastError();
    }
    UniqueHandle child(process.hProcess);
    UniqueHandle thread(process.hThread);
    DWORD code = WAIT_TIMEOUT;
    if (WaitForSingleObject(child.Get(), 120000) == WAIT_OBJECT_0) {
        GetExitCodeProcess(child.Get(), &code);
    }
    return code;
}

TEST(DisplayScaling, HoldsAtEveryCommonScaling) {
    for (DWORD dpi : {120, 144, 192}) {
        EXPECT_EQ(RunAtDpi(dpi), 0U) << dpi << " dpi";
    }
}

}  // namespace
}  // namespace sentrel::test

#pragma once
// Fakes for the controls: a cursor and window rectangle a test places, a hyperlink site that
// records what a click asked of it, and hosts that mirror what each change notice shows.
#include <cstdint>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "controls/hyper_link.h"
#include "controls/hyper_link_site.h"
#include "controls/pointer_source.h"
#include "controls/qel_check_box_xp.h"
#include "controls/qel_text_box_xp.h"
#include "controls/xpcmdbutton.h"
#include "fakes/fake_dialogs.h"
#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/status_bar.h"
#include "ui/toolbar.h"
#include "ui/widgets.h"

namespace sentrel::test {

class FakePointer : public PointerSource {
public:
    Point CursorPos() override { return cursor; }
    Rect WindowRect() override { return window; }

    // Puts the cursor at a point of the control's client area.
    void MoveTo(int x, int y) { cursor = {window.left + x, window.top + y}; }

    Rect window{100, 200, 164, 222};
    Point cursor{0, 0};
};

class FakeHyperLinkSite : public HyperLinkSite {
public:
    std::string AppPath() override { return appPath; }
    bool ParentHasMinimiseButton() override { return hasMinimiseButton; }
    void MinimiseParent() override { calls.push_back("minimise"); }
    void UnloadParent() override { calls.push_back("unload"); }
    void ShellExe(const std::string& file, const std::string& parameters, std::uintptr_t owner,
                  int showCommand, const std::string& directory) override {
        calls.push_back("open " + file);
        lastOpen = {parameters, owner, showCommand, directory};
    }

    std::string appPath = "C:\\Tools";
    bool hasMinimiseButton = true;
    std::vector<std::string> calls;
    // The last open's parameters, owner window, show command and folder.
    std::tuple<std::string, std::uintptr_t, int, std::string> lastOpen{"unset", 99, -1, "unset"};
};

// A button or a check box under a fake pointer, whose events are written into one journal.
template <class C>
struct Journaled {
    Journaled() {
        control.SetPointerSource(&pointer);
        control.Click = [this] { events.push_back("Click"); };
        control.MouseOut = [this] { events.push_back("MouseOut"); };
        control.KeyPress = [this](int& k) { events.push_back("KeyPress " + std::to_string(k)); };
        const auto mouse = [this](const std::string& what) {
            return [this, what](int& button, int&, float&, float&) {
                events.push_back(what + " " + std::to_string(button));
            };
        };
        control.MouseDown = mouse("MouseDown");
        control.MouseMove = mouse("MouseMove");
        control.MouseUp = mouse("MouseUp");
    }
    // The mouse moves to a point of the control's client area.
    void Move(int x, int y, int button = 0) {
        pointer.MoveTo(x, y);
        control.HandleMouseMove(button, 0, static_cast<float>(x), static_cast<float>(y));
    }

    C control{"ctlTest"};
    FakePointer pointer;
    Texts events;
};

// A file of the source tree, by its path from the top.
inline std::string SourceFile(const std::string& path) {
    std::ifstream file(std::string(SENTREL_SOURCE_DIR) + "/" + path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Everything a host shows of a control, on one line.
inline std::string Describe(const Control& c) {
    std::ostringstream o;
    const Bounds& b = c.GetBounds();
    o << c.Name() << " in " << (c.Parent() ? c.Parent()->Name() : "-") << " at " << b.left << ","
      << b.top << " " << b.width << "x" << b.height << (c.Visible() ? "" : " hidden")
      << (c.Enabled() ? "" : " disabled") << " z" << c.ZOrderRequests() << " tip '"
      << c.ToolTipText() << "'";
    const auto font = [&o](const Font& f) {
        o << " font " << f.name << " " << f.points << (f.bold ? " bold" : "")
          << (f.underline ? " underlined" : "");
    };
    if (const auto* l = dynamic_cast<const Label*>(&c)) {
        o << " '" << l->Caption() << "' colour " << l->ForeColor().value_or(-1) << " align "
          << static_cast<int>(l->GetAlignment());
        font(l->GetFont());
    } else if (const auto* f = dynamic_cast<const Frame*>(&c)) {
        o << " '" << f->Caption() << "' colour " << f->ForeColor().value_or(-1);
    } else if (const auto* i = dynamic_cast<const Image*>(&c)) {
        o << " picture " << i->Picture() << (i->HandCursor() ? " hand" : "");
    } else if (const auto* timer = dynamic_cast<const Timer*>(&c)) {
        o << " every " << timer->Interval();
    } else if (const auto* w = dynamic_cast<const Form*>(&c)) {
        o << " '" << w->Caption() << "' state " << static_cast<int>(w->GetWindowState())
          << (w->Topmost() ? " topmost" : "") << (w->Unloading() ? " unloading" : "");
    } else if (const auto* s = dynamic_cast<const StatusBar*>(&c)) {
        for (int p = 1; p <= s->PanelCount(); ++p) {
            o << " [" << s->Panel(p).key << " '" << s->Panel(p).text << "' '" << s->Panel(p).toolTip
              << "' " << s->Panel(p).widthTwips << "]";
        }
    } else if (const auto* t = dynamic_cast<const Toolbar*>(&c)) {
        for (int n = 1; n <= t->ButtonCount(); ++n) {
            const ToolbarButton& button = t->Button(n);
            o << " [" << button.caption << " " << button.tag << " '" << button.toolTip << "'"
              << (button.pressed ? " pressed]" : "]");
        }
    } else if (const auto* v = dynamic_cast<const ListView*>(&c)) {
        for (const ListColumn& column : v->Columns()) {
            o << " [" << column.header << " " << column.widthPixels << "]";
        }
    } else if (const auto* x = dynamic_cast<const xpcmdbutton*>(&c)) {
        o << " '" << x->Caption() << "' face " << x->Face() << " picture "
          << (x->PictureNormal() ? x->PictureNormal()->resource : "-");
        font(x->GetFont());
    } else if (const auto* k = dynamic_cast<const QelCheckBoxXP*>(&c)) {
        o << " '" << k->Caption() << "' value " << k->Value() << " picture " << k->Picture()
          << " colours " << k->BackColor() << "/" << k->CaptionColour();
        font(k->GetFont());
    } else if (const auto* e = dynamic_cast<const QelTextBoxXP*>(&c)) {
        const Bounds& inner = e->InnerBox();
        o << " '" << e->Text() << "' align " << static_cast<int>(e->GetAlignment()) << " colours "
          << e->InnerBackColor() << "/" << e->InnerForeColor() << "/" << e->OutlineColour()
          << " border " << e->BorderStyle() << "/" << e->BorderWidth() << " appearance "
          << e->Appearance() << " mode " << e->DrawMode() << (e->Locked() ? " locked" : "")
          << " max " << e->MaxLength() << " password '" << e->PasswordChar() << "' selection "
          << e->SelectionRevision() << " inner " << inner.left << "," << inner.top << " "
          << inner.width << "x" << inner.height;
        if (e->GetFont()) {
            font(*e->GetFont());
        }
    } else if (const auto* h = dynamic_cast<const HyperLink*>(&c)) {
        o << " '" << h->LabelCaption() << "' colour " << h->LabelColour();
        font(h->LabelFont());
    }
    return o.str();
}

// The hosts of a window's controls: each shows what its control's last change notice showed.
struct FakeHosts {
    explicit FakeHosts(const std::vector<Control*>& all) : controls(all) {
        for (Control* c : controls) {
            shown[c] = Describe(*c);
            c->SetObserver([this, c] { shown[c] = Describe(*c); });
        }
    }
    // The controls whose host shows something other than the control holds.
    Texts Stale() const {
        Texts out;
        for (const Control* c : controls) {
            if (shown.at(c) != Describe(*c)) {
                out.push_back(Describe(*c));
            }
        }
        return out;
    }
    std::vector<Control*> controls;
    std::map<const Control*, std::string> shown;
};

}  // namespace sentrel::test

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/qel_text_box_xp.h"

namespace sentrel::test {
namespace {

// A digits-only box whose events are written into one journal.
struct Box {
    QelTextBoxXP box{"txtSocketPort"};
    std::vector<std::string> events;

    Box() {
        box.SetInputType(1);
        box.InvalidKeyPressed = [this](long& type, int& key) {
            events.push_back("Invalid " + std::to_string(type) + " " + std::to_string(key));
        };
        box.KeyPress = [this](int& key) { events.push_back("KeyPress " + std::to_string(key)); };
        box.Change = [this] { events.push_back("Change " + box.Text()); };
    }
};

TEST(TextBoxKeys, DigitsOnlyRefusesOtherCharactersAndAHandlerCannotLetOneThrough) {
    Box b;
    for (int key : {int{'0'}, int{'9'}, 8}) {
        EXPECT_EQ(b.box.HandleKeyPress(key), key);
    }
    for (int key : {'/', ':'}) {
        EXPECT_EQ(b.box.HandleKeyPress(key), 0);
    }
    EXPECT_EQ(b.events,
              (std::vector<std::string>{"KeyPress 48", "KeyPress 57", "KeyPress 8", "Invalid 1 47",
                                        "KeyPress 0", "Invalid 1 58", "KeyPress 0"}));
    b.box.InvalidKeyPressed = [](long& type, int& key) { key = '7', type = 0; };
    EXPECT_EQ(b.box.HandleKeyPress('x'), 0);
    EXPECT_EQ(b.box.HandleKeyPress('y'), 'y');  // the handler switched the filter off
}

TEST(TextBoxKeys, NoDigitGoesBeforeAMinusSign) {
    Box b;
    b.box.SetText("\xc3\xa9-12");
    b.box.SetSelStart(1);
    EXPECT_EQ(b.box.HandleKeyPress('7'), 0);
    b.box.SetSelLength(1);
    EXPECT_EQ(b.box.HandleKeyPress('7'), '7');
}

TEST(TextBoxKeys, TheFocusMovesBeforeKeyPressForAcceptedAndRefusedKeys) {
    Box b;
    QelTextBoxXP next("txtNext");
    b.box.SetActivateCtrlOnReturnKey(&next);
    b.box.FocusControl = [&](Control& target) { b.events.push_back("Focus " + target.Name()); };
    b.box.HandleKeyPress('1');
    b.box.HandleKeyPress('z');
    EXPECT_EQ(b.events, (std::vector<std::string>{"Focus txtNext", "KeyPress 49", "Invalid 1 122",
                                                  "Focus txtNext", "KeyPress 0"}));
}

TEST(TextBoxText, ChangeIsRaisedOnlyForANewTextAndSelTextReplacesTheStoredSelection) {
    Box b;
    b.box.SetText("10000");
    b.box.SetText("10000");
    b.box.SetText(
        "a\xc3\xa9\xf0\x9f\x98\x80"
        "def");
    b.box.SetSelStart(1);
    b.box.SetSelLength(3);
    b.box.SetSelText("XY");
    EXPECT_EQ(b.box.Text(), "aXYdef");
    EXPECT_EQ(b.events, (std::vector<std::string>{"Change 10000",
                                                  "Change a\xc3\xa9\xf0\x9f\x98\x80"
                                                  "def",
                                                  "Change aXYdef"}));
}

TEST(TextBoxText, HighlightOnFocusSelectsTheWholeText) {
    Box b;
    b.box.SetText(
        "8\xc3\xa9"
        "80");
    b.box.SetSelStart(2);
    b.box.HandleGotFocus();
    EXPECT_EQ(b.box.SelStart(), 2);
    EXPECT_EQ(b.box.SelLength(), 0);
    b.box.SetHighlightOnFocus(true);
    b.box.HandleGotFocus();
    EXPECT_EQ(b.box.SelStart(), 0);
    EXPECT_EQ(b.box.SelLength(), 4);
}

TEST(TextBoxLayout, TheEditBoxKeepsItsMarginsAndASizeTooSmallKeepsThePreviousOne) {
    QelTextBoxXP box("txt");
    box.SetBounds({0, 0, 1605, 315});
    box.ApplyLayout();
    EXPECT_EQ(box.InnerBox(), (Bounds{75, 45, 1460, 195}));
    box.SetBounds({0, 0, 144, 120});
    box.ApplyLayout();
    EXPECT_EQ(box.InnerBox(), (Bounds{75, 45, 1460, 0}));
    box.SetBounds({0, 0, 145, 119});
    box.ApplyLayout();
    EXPECT_EQ(box.InnerBox(), (Bounds{75, 45, 0, 0}));
}

TEST(TextBoxProperties, ANewBoxHasTheThemesOutlineAndABorderWidthOfZeroReadsAsOne) {
    QelTextBoxXP box("txt");
    box.SetBorderColor(Rgb(1, 2, 3));
    box.SetBorderStyle(0);
    box.SetBackColor(Rgb(1, 2, 3));
    box.SetInputType(1);
    box.InitProperties({"txt", Font{}, {}});
    EXPECT_EQ(box.OutlineColour(), Rgb(127, 157, 185));
    EXPECT_EQ(box.BorderColor(), Rgb(127, 157, 185));
    EXPECT_EQ(box.BorderStyle(), 1);
    EXPECT_EQ(box.InnerBackColor(), Rgb(255, 255, 255));
    EXPECT_EQ(box.InputType(), 0);
    box.SetBorderWidth(0);
    EXPECT_EQ(box.BorderWidth(), 1);
}

// Keys match without regard to case; the colours are not read, and a loaded border colour is
// kept but not drawn until set.
TEST(TextBoxProperties, ALoadedBoxIsBlackOnWhiteWithTheThemesOutline) {
    PropertyBag bag;
    bag.Put("backcolor", "0x000000FF");
    bag.Put("FORECOLOR", "0x00FFFFFF");
    bag.Put("BorderColor", "0x000000FF");
    bag.Put("borderwidth", "0");
    QelTextBoxXP box("txt");
    box.ReadProperties(bag, {"txt", Font{}, {}});
    EXPECT_EQ(box.InnerBackColor(), Rgb(255, 255, 255));
    EXPECT_EQ(box.InnerForeColor(), Rgb(0, 0, 0));
    EXPECT_EQ(box.BorderColor(), Rgb(255, 0, 0));
    EXPECT_EQ(box.OutlineColour(), Rgb(127, 157, 185));
    EXPECT_EQ(box.BorderWidth(), 1);
}

}  // namespace
}  // namespace sentrel::test

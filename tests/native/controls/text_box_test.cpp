#include <gtest/gtest.h>

#include "fakes/fake_controls.h"

namespace sentrel::test {
namespace {

// A digits-only box whose events are written into one journal.
struct Box {
    QelTextBoxXP box{"txtSocketPort"};
    Texts events;

    Box() {
        box.SetInputType(1);
        box.InvalidKeyPressed = [this](long& type, int& key) {
            events.push_back("Invalid " + std::to_string(type) + " " + std::to_string(key));
        };
        box.KeyPress = [this](int& key) { events.push_back("KeyPress " + std::to_string(key)); };
        box.Change = [this] { events.push_back("Change " + box.Text()); };
        box.FocusControl = [this](Control& target) { events.push_back("Focus " + target.Name()); };
    }
};

TEST(TextBoxKeys, DigitsOnlyRefusesOtherCharactersAndAHandlerCannotLetOneThrough) {
    Box b;
    for (int key : {int{'0'}, int{'9'}, 8, int{'/'}, int{':'}, 3, 22, 2}) {
        b.box.HandleKeyPress(key);
    }
    EXPECT_EQ(b.events, (Texts{"KeyPress 48", "KeyPress 57", "KeyPress 8", "Invalid 1 47",
                               "KeyPress 0", "Invalid 1 58", "KeyPress 0", "KeyPress 3",
                               "KeyPress 22", "Invalid 1 2", "KeyPress 0"}));
    EXPECT_EQ(b.box.PastedText("-1 2a3\r\n"), "123");  // Ctrl+V keeps the box all digits
    b.box.InvalidKeyPressed = [](long& type, int& key) { key = '7', type = 0; };
    EXPECT_EQ(b.box.HandleKeyPress('x'), 0);
    EXPECT_EQ(b.box.HandleKeyPress('y'), 'y');  // the handler switched the filter off
}

TEST(TextBoxKeys, NoDigitGoesBeforeAMinusSignAndTheFocusMovesBeforeKeyPress) {
    Box b;
    QelTextBoxXP next("txtNext");
    b.box.SetText("\xc3\xa9-12");
    b.box.SetSelStart(1);
    b.box.SetActivateCtrlOnReturnKey(&next);
    b.events.clear();
    EXPECT_EQ(b.box.HandleKeyPress('7'), 0);
    b.box.SetSelLength(1);
    EXPECT_EQ(b.box.HandleKeyPress('7'), '7');
    EXPECT_EQ(b.events, (Texts{"Focus txtNext", "KeyPress 0", "Focus txtNext", "KeyPress 55"}));
}

TEST(TextBoxText, ChangeIsRaisedForANewTextAndSelectionsCountCharacters) {
    Box b;
    const std::string text = "a\xc3\xa9\xf0\x9f\x98\x80xyz";  // the smiley is two UTF-16 units
    b.box.SetText(text);
    b.box.SetText(text);
    b.box.SetSelStart(1);
    b.box.SetSelLength(3);
    b.box.SetSelText("XY");
    EXPECT_EQ(b.events, (Texts{"Change " + text, "Change aXYxyz"}));
    b.box.HandleGotFocus();
    EXPECT_EQ(b.box.SelStart(), 1);
    b.box.SetHighlightOnFocus(true);
    b.box.HandleGotFocus();
    EXPECT_EQ(std::pair(b.box.SelStart(), b.box.SelLength()), std::pair(0L, 6L));
}

// The colours are not read, and a loaded border colour is kept but not drawn until set.
TEST(TextBoxProperties, ALoadedBoxIsBlackOnWhiteWithTheThemesOutline) {
    PropertyBag bag;
    bag.Put("backcolor", "0x000000FF");
    bag.Put("FORECOLOR", "0x00FFFFFF");
    bag.Put("BorderColor", "0x000000FF");
    bag.Put("borderwidth", "0");
    QelTextBoxXP box("txt");
    box.ReadProperties(bag, {"txt", Font{}, {}});
    EXPECT_EQ(std::tuple(box.InnerBackColor(), box.InnerForeColor(), box.BorderColor(),
                         box.OutlineColour(), box.BorderWidth()),
              std::tuple(0xFFFFFFU, 0U, Rgb(255, 0, 0), kTextBoxBorderColour, 1));
}

}  // namespace
}  // namespace sentrel::test

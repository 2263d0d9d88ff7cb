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

TEST(TextBoxFilter, DigitsOnlyAcceptsADigitAndRefusesOtherCharacters) {
    Box b;
    EXPECT_EQ(b.box.HandleKeyPress('5'), '5');
    for (int key : {'a', '-', '.', ' '}) {
        EXPECT_EQ(b.box.HandleKeyPress(key), 0) << key;
    }
    EXPECT_EQ(b.box.HandleKeyPress(8), 8);  // backspace raises only KeyPress
    const std::vector<std::string> expected{
        "KeyPress 53",  "Invalid 1 97", "KeyPress 0",   "Invalid 1 45", "KeyPress 0",
        "Invalid 1 46", "KeyPress 0",   "Invalid 1 32", "KeyPress 0",   "KeyPress 8"};
    EXPECT_EQ(b.events, expected);
}

TEST(TextBoxFilter, AHandlerMayChangeTheInputTypeButCannotLetARefusedKeyThrough) {
    Box b;
    b.box.InvalidKeyPressed = [](long&, int& key) { key = '7'; };
    EXPECT_EQ(b.box.HandleKeyPress('x'), 0);
    b.box.InvalidKeyPressed = [](long& type, int&) { type = 0; };
    b.box.HandleKeyPress('x');
    EXPECT_EQ(b.box.InputType(), 0);
    EXPECT_EQ(b.box.HandleKeyPress('y'), 'y');
}

TEST(TextBoxFilter, NoDigitBeforeAMinusSign) {
    Box b;
    b.box.SetText("-12");
    b.events.clear();
    EXPECT_EQ(b.box.HandleKeyPress('7'), 0);
    EXPECT_EQ(b.events, (std::vector<std::string>{"KeyPress 0"}));
    b.box.SetSelStart(1);
    EXPECT_EQ(b.box.HandleKeyPress('7'), '7');
}

TEST(TextBoxFilter, InputType0PassesEveryKey) {
    QelTextBoxXP box("txt");
    for (int key : {int{'a'}, int{'-'}, int{'5'}, 8, 13, 255}) {
        EXPECT_EQ(box.HandleKeyPress(key), key);
    }
}

TEST(TextBoxFilter, TheFocusMovesBeforeKeyPressForAcceptedAndRefusedKeys) {
    Box b;
    QelTextBoxXP next("txtNext");
    b.box.SetActivateCtrlOnReturnKey(&next);
    b.box.FocusControl = [&](Control& target) { b.events.push_back("Focus " + target.Name()); };
    b.box.HandleKeyPress('1');
    b.box.HandleKeyPress('z');
    const std::vector<std::string> expected{"Focus txtNext", "KeyPress 49", "Invalid 1 122",
                                            "Focus txtNext", "KeyPress 0"};
    EXPECT_EQ(b.events, expected);
}

TEST(TextBoxFocus, HighlightSelectsTheWholeTextAndStoresItOtherwiseTheSelectionStays) {
    Box b;
    b.box.SetText("8080");
    b.box.SetSelStart(2);
    b.box.HandleGotFocus();
    EXPECT_EQ(b.box.SelStart(), 2);
    EXPECT_EQ(b.box.SelLength(), 0);
    b.box.SetHighlightOnFocus(true);
    const unsigned before = b.box.SelectionRevision();
    b.box.HandleGotFocus();
    EXPECT_EQ(b.box.SelStart(), 0);
    EXPECT_EQ(b.box.SelLength(), 4);
    EXPECT_GT(b.box.SelectionRevision(), before);
}

TEST(TextBoxText, SettingItRaisesChangeOnceAndSelTextReplacesTheStoredSelection) {
    Box b;
    b.box.SetText("10000");
    b.box.SetText("10000");
    EXPECT_EQ(b.events, (std::vector<std::string>{"Change 10000"}));
    b.box.SetText("abcdef");
    b.box.SetSelStart(1);
    b.box.SetSelLength(2);
    b.box.SetSelText("XY-");
    EXPECT_EQ(b.box.Text(), "aXY-def");
    EXPECT_EQ(b.box.SelText(), "XY-");
}

TEST(TextBoxLayout, A1605By315ControlHasAnInnerBox1460By195At75And45) {
    QelTextBoxXP box("txt");
    box.SetBounds({0, 0, 1605, 315});
    box.ApplyLayout();
    EXPECT_EQ(box.InnerBox(), (Bounds{75, 45, 1460, 195}));
    // A size smaller than the margins keeps the previous value.
    box.SetBounds({0, 0, 100, 400});
    box.ApplyLayout();
    EXPECT_EQ(box.InnerBox(), (Bounds{75, 45, 1460, 280}));
}

TEST(TextBoxBorder, WidthZeroReadsBackOne) {
    QelTextBoxXP box("txt");
    box.SetBorderWidth(0);
    EXPECT_EQ(box.BorderWidth(), 1);
    box.SetBorderWidth(3);
    EXPECT_EQ(box.BorderWidth(), 3);
    PropertyBag bag;
    bag.Put("borderwidth", "0");
    box.ReadProperties(bag, {"txt", Font{}, {}});
    EXPECT_EQ(box.BorderWidth(), 1);
}

TEST(TextBoxProperties, ANewBoxHasTheThemesOutline) {
    QelTextBoxXP box("txt");
    box.InitProperties({"txt", Font{}, {}});
    EXPECT_EQ(box.OutlineColour(), Rgb(127, 157, 185));
    EXPECT_EQ(box.BorderColor(), Rgb(127, 157, 185));
    EXPECT_EQ(box.InnerBackColor(), Rgb(255, 255, 255));
    EXPECT_EQ(box.BorderStyle(), 1);
    EXPECT_EQ(box.DrawMode(), 13);
    EXPECT_EQ(box.InputType(), 0);
    EXPECT_FALSE(box.GetFont().has_value());
}

TEST(TextBoxProperties, ReadingMatchesKeysWithoutCaseLoadsBlackOnWhiteAndKeepsTheBorderColor) {
    PropertyBag bag;
    bag.Put("backcolor", "0x000000FF");
    bag.Put("forecolor", "0x00FFFFFF");
    bag.Put("bordercolor", "0x000000FF");
    bag.Put("INPUTTYPE", "1");
    bag.Put("Alignment", "2");
    bag.Put("text", "10000");
    QelTextBoxXP box("txt");
    box.ReadProperties(bag, {"txt", Font{}, {}});
    EXPECT_EQ(box.BackColor(), Rgb(255, 255, 255));
    EXPECT_EQ(box.InnerBackColor(), Rgb(255, 255, 255));
    EXPECT_EQ(box.ForeColor(), Rgb(0, 0, 0));
    EXPECT_EQ(box.InputType(), 1);
    EXPECT_EQ(box.GetAlignment(), Alignment::Centre);
    EXPECT_EQ(box.Text(), "10000");
    // A loaded border colour is kept but not drawn until set.
    EXPECT_EQ(box.BorderColor(), Rgb(255, 0, 0));
    EXPECT_EQ(box.OutlineColour(), Rgb(127, 157, 185));
    box.SetBorderColor(Rgb(0, 255, 0));
    EXPECT_EQ(box.OutlineColour(), Rgb(0, 255, 0));
}

TEST(TextBoxProperties, WritesLowerCaseKeysInOrderWithTheirDefaults) {
    QelTextBoxXP box("txtSocketPort");
    const AmbientProperties ambient{"txtSocketPort", Font{}, {}};
    box.ReadProperties({}, ambient);
    box.SetAppearance(0);
    box.SetAlignment(Alignment::Centre);
    box.SetInputType(1);
    box.SetText("8080");
    PropertyBag bag;
    box.WriteProperties(bag, ambient);
    // ForeColor's written default is white, so the loaded black is always written.
    const std::vector<PropertyBag::Entry> expected{
        {"forecolor", "0x00000000"}, {"font", "Tahoma, 8.25"}, {"alignment", "2"},
        {"appearance", "0"},         {"inputtype", "1"},       {"text", "8080"}};
    EXPECT_EQ(bag.Entries(), expected);
}

TEST(TextBoxProperties, ActivateCtrlOnReturnKeyIsSavedByName) {
    QelTextBoxXP next("txtNext");
    AmbientProperties ambient{"txt", Font{}, [&](const std::string& name) -> Control* {
                                  return name == "txtNext" ? &next : nullptr;
                              }};
    PropertyBag bag;
    bag.Put("ActivateCtrlOnReturnKey", "txtNext");
    QelTextBoxXP box("txt");
    box.ReadProperties(bag, ambient);
    EXPECT_EQ(box.ActivateCtrlOnReturnKey(), &next);
    PropertyBag out;
    box.WriteProperties(out, ambient);
    EXPECT_EQ(out.Find("activatectrlonreturnkey"), "txtNext");
}

}  // namespace
}  // namespace sentrel::test

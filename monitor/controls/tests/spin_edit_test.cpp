#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "monitor/controls/tests/fakes/fake_controls.h"
#include "monitor/controls/vex_spin_edit.h"

namespace lw {
namespace {

class SpinEditTest : public ::testing::Test {
  protected:
    SpinEditTest() {
        edit.Bind(setting);
        edit.OnChange = NotifyEvent::Call(changed);
    }
    fakes::FakeEditWindow& Window() { return *system.edit; }

    fakes::FakeControlSystem system;
    Component dialog{nullptr};
    TVexSpinEdit& edit =
        Component::Create<TVexSpinEdit>(dialog, system, 0x99, ControlRect::Sized(10, 20, 80, 0));
    std::int32_t setting = -1;
    std::vector<std::string> changes;
    std::function<void(Component&)> changed = [this](Component&) {
        changes.push_back(edit.Text());
    };
};

TEST_F(SpinEditTest, ANewSpinEditShowsZeroWithItsButtonInsideItsRightEdge) {
    EXPECT_EQ(edit.Text(), "0");
    EXPECT_EQ(edit.Value(), 0);
    EXPECT_EQ(edit.Increment(), 1);
    EXPECT_TRUE(edit.EditorEnabled());
    EXPECT_TRUE(edit.AutoSelect());
    EXPECT_FALSE(edit.ReadOnly());
    // The height follows the font: 13 + 13 / 4 + 4 borders + 2.
    EXPECT_EQ(edit.Bounds(), ControlRect::Sized(10, 20, 80, 22));
    EXPECT_EQ(system.button->bounds, ControlRect::Sized(60, 0, 15, 17));
    EXPECT_EQ(Window().textRect, (ControlRect{0, 0, 76 - 15 - 2, 18 + 1}));
    EXPECT_EQ(edit.Button().FocusControl(), &edit);

    edit.SetCtl3D(false);
    EXPECT_EQ(system.button->bounds, ControlRect::Sized(65, 1, 15, 19));
}

TEST_F(SpinEditTest, TheHeightIsNeverBelowTheMinimumAndFollowsTheFont) {
    edit.SetBounds(ControlRect::Sized(10, 20, 100, 10));
    EXPECT_EQ(edit.Bounds(), ControlRect::Sized(10, 20, 100, 22));
    edit.SetBounds(ControlRect::Sized(10, 20, 100, 30));
    EXPECT_EQ(system.button->bounds, ControlRect::Sized(80, 0, 15, 25));

    Window().fontHeight = 24;
    edit.FontChanged();
    EXPECT_EQ(edit.Bounds().Height(), 24 + 4 + 4 + 2);
    edit.SetAutoSize(false);
    Window().fontHeight = 13;
    edit.FontChanged();
    EXPECT_EQ(edit.Bounds().Height(), 34);
}

TEST_F(SpinEditTest, RefusedCharactersBeepAndAnEmptyTextReadsAsTheMinimum) {
    edit.SetRange(5, 18);
    Window().Type("abc");
    EXPECT_EQ(system.beeps, 3);
    EXPECT_EQ(edit.Text(), "0");
    Window().Type("\b\r");
    EXPECT_EQ(system.beeps, 4);
    EXPECT_EQ(edit.Text(), "");
    EXPECT_EQ(edit.Value(), 5);
    EXPECT_EQ(setting, 5);
}

TEST_F(SpinEditTest, ATextThatIsNoNumberStoresTheMinimum) {
    edit.SetRange(3, 10000);
    edit.SetText("abc");
    EXPECT_EQ(setting, 3);
    EXPECT_EQ(changes, (std::vector<std::string>{"abc"}));
}

TEST_F(SpinEditTest, TypedValuesAreStoredAsTheyAreAndPulledIntoRangeWhenTheFocusLeaves) {
    edit.SetRange(0, 10000);
    Window().SetFocus();
    Window().Type("99999");
    EXPECT_EQ(edit.Text(), "99999");
    EXPECT_EQ(setting, 99999);
    Window().Leave();
    EXPECT_EQ(edit.Text(), "10000");
    EXPECT_EQ(setting, 10000);
    EXPECT_EQ(changes, (std::vector<std::string>{"9", "99", "999", "9999", "99999", "10000"}));

    changes.clear();
    Window().Leave();  // in range: the text is left alone
    EXPECT_TRUE(changes.empty());
}

TEST_F(SpinEditTest, TheButtonsAndArrowKeysStepWithinTheRange) {
    edit.SetRange(0, 18);
    edit.SetValue(17);
    EXPECT_FALSE(edit.KeyDown(ControlKey::Up));  // the edit does not see it
    EXPECT_EQ(edit.Value(), 18);
    edit.UpClick();
    EXPECT_EQ(edit.Text(), "18");
    edit.SetIncrement(5);
    edit.KeyDown(ControlKey::Down);
    EXPECT_EQ(edit.Value(), 13);
    EXPECT_TRUE(edit.KeyDown(ControlKey::Other));
    EXPECT_EQ(changes, (std::vector<std::string>{"17", "18", "13"}));

    edit.SetValue(13);  // the same text raises nothing
    EXPECT_EQ(changes.size(), 3u);
}

TEST_F(SpinEditTest, EqualEndsOfTheRangeLimitNothing) {
    edit.SetValue(99999);
    EXPECT_EQ(edit.Text(), "99999");
    edit.SetText(std::to_string(std::numeric_limits<std::int32_t>::max()));
    edit.UpClick();
    EXPECT_EQ(edit.Value(), std::numeric_limits<std::int32_t>::max());
    Window().SetFocus();
    Window().Type("-42");
    Window().Leave();
    EXPECT_EQ(edit.Text(), "-42");
}

TEST_F(SpinEditTest, NegativeRangesTakeALeadingMinus) {
    edit.SetRange(-1000, 1000);
    Window().SetFocus();
    Window().Type("-1500");
    EXPECT_EQ(setting, -1500);
    Window().Leave();
    EXPECT_EQ(setting, -1000);
    EXPECT_EQ(system.beeps, 0);
}

TEST_F(SpinEditTest, ReadOnlyAndEditorDisabledKeepTheTextFromTheKeyboard) {
    edit.SetReadOnly(true);
    EXPECT_TRUE(Window().readOnly);
    edit.UpClick();
    edit.DownClick();
    EXPECT_EQ(system.beeps, 2);
    EXPECT_EQ(edit.Text(), "0");
    EXPECT_FALSE(edit.CanCutOrPaste());

    edit.SetReadOnly(false);
    EXPECT_TRUE(edit.CanCutOrPaste());
    edit.SetEditorEnabled(false);
    EXPECT_FALSE(edit.CanCutOrPaste());
    Window().Type("7\b");
    EXPECT_EQ(system.beeps, 4);
    edit.UpClick();  // the buttons still work
    EXPECT_EQ(edit.Text(), "1");
}

TEST_F(SpinEditTest, KeyboardEntrySelectsTheTextAndAMousePressDoesNot) {
    Window().ClickIn();
    EXPECT_FALSE(Window().selectedAll);
    Window().Leave();
    Window().SetFocus();
    EXPECT_TRUE(Window().selectedAll);
    Window().Type("7");
    EXPECT_EQ(edit.Text(), "7");

    Window().Leave();
    edit.SetAutoSelect(false);
    Window().SetFocus();
    EXPECT_FALSE(Window().selectedAll);
}

TEST_F(SpinEditTest, DisablingTheEditDisablesItsButton) {
    edit.SetEnabled(false);
    EXPECT_FALSE(Window().enabled);
    EXPECT_FALSE(system.button->enabled);
    edit.SetMaxLength(5);
    EXPECT_EQ(Window().maxLength, 5);
}

}  // namespace
}  // namespace lw

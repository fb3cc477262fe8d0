#include <gtest/gtest.h>

#include <stdexcept>

#include "monitor/controls/spin_button.h"
#include "monitor/controls/tests/fakes/fake_controls.h"

namespace lw {
namespace {

// A stand-in for the control that takes the focus when a half is clicked.
class FocusControl : public FocusTarget {
  public:
    bool Focused() const override { return focused; }
    bool CanFocus() const override { return canFocus; }
    void SetFocus() override {
        focused = true;
        ++focusCalls;
    }
    bool focused = false;
    bool canFocus = true;
    int focusCalls = 0;
};

class SpinButtonTest : public ::testing::Test {
  protected:
    SpinButtonTest() {
        button.OnUpClick = NotifyEvent::Call(up);
        button.OnDownClick = NotifyEvent::Call(down);
    }
    fakes::FakeSpinButtonWindow& Window() { return *system.button; }
    fakes::FakeTimer& UpTimer() { return *Window().timers.at(TSpinButton::kUpTimerId); }

    fakes::FakeControlSystem system;
    Component owner{nullptr};
    TSpinButton& button = Component::Create<TSpinButton>(owner, system, 0x99);
    int ups = 0;
    int downs = 0;
    std::function<void(Component&)> up = [this](Component&) { ++ups; };
    std::function<void(Component&)> down = [this](Component&) { ++downs; };
};

TEST_F(SpinButtonTest, HoldingAHalfClicksAtOnceAfter400MsAndThenEvery100Ms) {
    button.MouseDown(5, 3);
    EXPECT_EQ(ups, 1);
    EXPECT_TRUE(button.UpButton().IsDown());
    EXPECT_TRUE(Window().captured);
    EXPECT_TRUE(UpTimer().running);
    EXPECT_EQ(UpTimer().interval, 400u);

    Window().Tick(TSpinButton::kUpTimerId);
    EXPECT_EQ(ups, 2);
    EXPECT_EQ(UpTimer().interval, 100u);
    Window().Tick(TSpinButton::kUpTimerId);
    Window().Tick(TSpinButton::kUpTimerId);
    EXPECT_EQ(ups, 4);

    button.MouseUp(5, 3);
    EXPECT_EQ(ups, 4);  // letting go adds nothing
    EXPECT_FALSE(UpTimer().running);
    EXPECT_FALSE(Window().captured);
    EXPECT_FALSE(button.UpButton().IsDown());
    UpTimer().onTick();  // a tick queued before the release
    EXPECT_FALSE(UpTimer().running);
    EXPECT_EQ(ups, 4);
    EXPECT_EQ(downs, 0);
}

TEST_F(SpinButtonTest, RepeatingPausesWhileThePointerIsOffTheHalfOrTheMouseIsLost) {
    button.MouseDown(5, 20);
    EXPECT_EQ(downs, 1);
    button.MouseMove(5, 40);
    EXPECT_FALSE(button.DownButton().IsDown());
    Window().Tick(TSpinButton::kDownTimerId);
    EXPECT_EQ(downs, 1);
    button.MouseMove(5, 20);
    Window().Tick(TSpinButton::kDownTimerId);
    EXPECT_EQ(downs, 2);

    Window().captured = false;  // taken by another window
    Window().Tick(TSpinButton::kDownTimerId);
    EXPECT_EQ(downs, 2);
    button.CaptureLost();
    EXPECT_FALSE(Window().timers.at(TSpinButton::kDownTimerId)->running);
    button.MouseUp(5, 20);
    EXPECT_EQ(downs, 2);
}

TEST_F(SpinButtonTest, AClickThatFailsStopsTheRepeatingAndReachesTheCaller) {
    auto failing = [](Component&) { throw std::runtime_error("Value out of range"); };
    button.OnUpClick = NotifyEvent::Call(failing);
    EXPECT_THROW(button.MouseDown(5, 3), std::runtime_error);
    EXPECT_FALSE(UpTimer().running);

    button.OnUpClick = NotifyEvent::Call(up);
    button.MouseUp(5, 3);
    button.MouseDown(5, 3);
    button.OnUpClick = NotifyEvent::Call(failing);
    EXPECT_THROW(Window().Tick(TSpinButton::kUpTimerId), std::runtime_error);
    EXPECT_FALSE(UpTimer().running);
}

TEST_F(SpinButtonTest, TheLowerHalfTakesTheSharedRowAndTheWidthIsAtLeast15) {
    EXPECT_EQ(button.Bounds(), ControlRect::Sized(0, 0, 20, 25));
    button.MouseDown(5, 11);
    button.MouseUp(5, 11);
    EXPECT_EQ(downs, 1);
    button.MouseDown(5, 10);
    button.MouseUp(5, 10);
    EXPECT_EQ(ups, 1);

    button.SetBounds(ControlRect::Sized(3, 4, 8, 16));
    EXPECT_EQ(Window().bounds, ControlRect::Sized(3, 4, 15, 16));
    EXPECT_EQ(button.DownButton().Bounds(), ControlRect::Sized(0, 7, 15, 9));
}

TEST_F(SpinButtonTest, AClickMovesTheFocusToTheFocusControlWhenItCanTakeIt) {
    button.MouseDown(5, 3);
    button.MouseUp(5, 3);
    EXPECT_TRUE(button.Focused());

    FocusControl edit;
    button.SetFocusControl(&edit);
    system.focus.owner = nullptr;
    button.MouseDown(5, 3);
    button.MouseUp(5, 3);
    EXPECT_TRUE(edit.focused);
    EXPECT_FALSE(button.Focused());
    button.MouseDown(5, 3);
    button.MouseUp(5, 3);
    EXPECT_EQ(edit.focusCalls, 1);

    edit.canFocus = false;
    button.MouseDown(5, 3);
    button.MouseUp(5, 3);
    EXPECT_TRUE(button.Focused());
    EXPECT_EQ(ups, 4);
}

TEST_F(SpinButtonTest, KeysClickTheFocusedHalfWhichShowsTheFocusRectangle) {
    button.SetFocus();
    EXPECT_EQ(button.FocusRect(button.UpButton()), (ControlRect{3, 3, 17, 9}));
    EXPECT_EQ(button.FocusRect(button.DownButton()), std::nullopt);

    EXPECT_TRUE(button.KeyDown(ControlKey::Space));
    EXPECT_EQ(ups, 1);
    EXPECT_TRUE(button.KeyDown(ControlKey::Down));
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(&button.FocusedButton(), &button.DownButton());
    EXPECT_TRUE(button.KeyDown(ControlKey::Space));
    EXPECT_EQ(downs, 2);
    EXPECT_FALSE(button.KeyDown(ControlKey::Other));
    EXPECT_EQ(button.FocusRect(button.UpButton()), std::nullopt);

    button.MouseDown(5, 20);  // pressed: the rectangle moves with the face
    EXPECT_EQ(button.FocusRect(button.DownButton()), (ControlRect{4, 15, 18, 23}));
    button.MouseUp(5, 20);
    system.focus.owner = nullptr;
    EXPECT_EQ(button.FocusRect(button.DownButton()), std::nullopt);
}

TEST_F(SpinButtonTest, TheHalvesShowTheArrowBitmapsUnlessGivenOthers) {
    const auto name = [](const TTimerSpeedButton& half) {
        return static_cast<const fakes::FakeGlyph&>(*half.Glyph()).name;
    };
    EXPECT_EQ(name(button.UpButton()), "VexSpinUp");
    EXPECT_EQ(name(button.DownButton()), "VexSpinDown");
    button.SetUpGlyph(std::make_shared<fakes::FakeGlyph>("plus"));
    EXPECT_EQ(name(button.UpButton()), "plus");
    button.SetUpGlyph(nullptr);
    EXPECT_EQ(name(button.UpButton()), "VexSpinUp");
}

TEST_F(SpinButtonTest, ADisabledButtonTakesNoPress) {
    button.SetEnabled(false);
    button.MouseDown(5, 3);
    EXPECT_EQ(ups, 0);
    EXPECT_FALSE(Window().captured);
}

}  // namespace
}  // namespace lw

#include "monitor/tray/tray_icon.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monitor/forms/errors.h"
#include "monitor/tray/tests/fakes/fake_tray_system.h"
#include "monitor/tray/tray_messages.h"

namespace lw {
namespace {

namespace msg = tray_messages;
using testing::FakeTrayWindows;

class TrayIconTest : public ::testing::Test {
  protected:
    TrayIconTest() {
        files["a.ico"] = 201;
        files["b.ico"] = 202;
        tray.SetIcon(Icon(std::make_shared<testing::FakeImage>(301)));
    }
    ~TrayIconTest() override { EXPECT_EQ(TPGTrayIcon95::DesktopLockCount(), 0); }

    // The shell reports the mouse message through the icon's window.
    void Mouse(unsigned mouseMessage) {
        rig.windows.Send(msg::kCallback, TPGTrayIcon95::kIconId, mouseMessage);
    }
    const NotifyIconRecord& LastRecord() const { return rig.shell.calls.back().record; }
    NotifyEvent Count(std::string name) {
        handlers_.push_back([this, name](Component& sender) {
            EXPECT_EQ(&sender, &tray);
            events.push_back(name);
        });
        return NotifyEvent::Call(handlers_.back());
    }

    testing::TrayRig rig;
    std::map<std::string, WindowHandle>& files = rig.icons.files;
    TPGTrayIcon95& tray = Component::Create<TPGTrayIcon95>(rig.main, rig.services);
    std::vector<std::string> events;
    std::deque<std::function<void(Component&)>> handlers_;
};

TEST_F(TrayIconTest, OnlyAFormMayOwnTheIcon) {
    Component notAForm(nullptr);
    try {
        Component::Create<TPGTrayIcon95>(notAForm, rig.services);
        FAIL() << "made without a form";
    } catch (const InvalidOperation& error) {
        EXPECT_STREQ(error.what(), "SystemTrays must be owned by a Form !");
    }
    EXPECT_TRUE(notAForm.Components().empty());
}

TEST_F(TrayIconTest, EachRequestCarriesTheWholeRecordAndActiveTwiceAddsOnce) {
    tray.SetHint("LineWink 2.2 - COM2");
    EXPECT_TRUE(rig.shell.calls.empty());
    tray.SetActive(true);
    tray.SetActive(true);
    ASSERT_EQ(rig.shell.calls.size(), 1u);
    EXPECT_EQ(rig.shell.calls[0].request, NotifyRequest::Add);
    const NotifyIconRecord& record = LastRecord();
    EXPECT_EQ(record.window, FakeTrayWindows::kMessageWindow);
    EXPECT_EQ(record.id, 42u);
    EXPECT_EQ(record.flags, 7u);
    EXPECT_EQ(record.callbackMessage, 1124u);
    EXPECT_EQ(record.icon, 301u);
    EXPECT_STREQ(record.tip, "LineWink 2.2 - COM2");

    tray.SetIcon(Icon(std::make_shared<testing::FakeImage>(302)));
    EXPECT_EQ(rig.shell.calls.back().request, NotifyRequest::Modify);
    EXPECT_EQ(LastRecord().icon, 302u);
    tray.SetActive(false);
    tray.SetActive(false);
    EXPECT_EQ(rig.shell.Count(NotifyRequest::Delete), 1);
}

TEST_F(TrayIconTest, TheTipIsTheHintCutTo63CharactersOrNothingWithoutShowHint) {
    tray.SetActive(true);
    const std::string hundred(100, 'h');
    tray.SetHint(hundred);
    EXPECT_EQ(tray.Tip(), hundred.substr(0, 63));
    EXPECT_EQ(std::string(LastRecord().tip), hundred.substr(0, 63));
    tray.SetShowHint(false);
    EXPECT_EQ(rig.shell.calls.back().request, NotifyRequest::Modify);
    EXPECT_STREQ(LastRecord().tip, "");
    tray.SetShowHint(true);
    const std::size_t before = rig.shell.calls.size();
    EXPECT_THROW(tray.SetHint(std::string(256, 'x')), RangeError);
    EXPECT_EQ(tray.Tip(), hundred.substr(0, 63));
    EXPECT_EQ(rig.shell.calls.size(), before);
    tray.SetHint(std::string(255, 'y'));
    EXPECT_EQ(tray.Tip(), std::string(63, 'y'));
}

TEST_F(TrayIconTest, WhileTheFormLoadsSettingsAreOnlyRecordedUntilItEnds) {
    rig.main.BeginLoading();
    tray.SetActive(true);
    tray.SetState(TPGTrayIconState::tsDisabled);
    tray.SetHint("loading");
    EXPECT_TRUE(rig.shell.calls.empty());
    rig.main.EndLoading();
    ASSERT_EQ(rig.shell.calls.size(), 1u);
    EXPECT_EQ(rig.shell.calls[0].request, NotifyRequest::Add);
    EXPECT_STREQ(LastRecord().tip, "loading");
}

TEST_F(TrayIconTest, StateChangesAskFirstAndMayBeTurnedBack) {
    tray.SetDisabledIcon(Icon(std::make_shared<testing::FakeImage>(401)));
    tray.SetActive(true);
    std::vector<TPGTrayIconState> asked;
    TPGTrayIconState answer = TPGTrayIconState::tsDisabled;
    auto changing = [&](Component&, TPGTrayIconState& next) {
        asked.push_back(next);
        next = answer;
    };
    tray.OnStateChanging = TPGTrayIconStateChangingEvent::Call(changing);
    tray.SetState(TPGTrayIconState::tsEnabled);
    EXPECT_TRUE(asked.empty());

    tray.SetState(TPGTrayIconState::tsDisabled);
    EXPECT_EQ(tray.State(), TPGTrayIconState::tsDisabled);
    EXPECT_EQ(LastRecord().icon, 401u);

    answer = TPGTrayIconState::tsDisabled;  // the handler turns the change back
    const std::size_t before = rig.shell.calls.size();
    tray.SetState(TPGTrayIconState::tsEnabled);
    EXPECT_EQ(tray.State(), TPGTrayIconState::tsDisabled);
    EXPECT_EQ(rig.shell.calls.size(), before);
    EXPECT_EQ(asked.size(), 2u);
}

TEST_F(TrayIconTest, SettingTheStateInsideTheQuestionFailsAndLeavesTheState) {
    tray.SetActive(true);
    auto meddling = [&](Component&, TPGTrayIconState&) {
        tray.SetState(TPGTrayIconState::tsAnimated);
    };
    tray.OnStateChanging = TPGTrayIconStateChangingEvent::Call(meddling);
    try {
        tray.SetState(TPGTrayIconState::tsDisabled);
        FAIL() << "no error";
    } catch (const InvalidOperation& error) {
        EXPECT_STREQ(error.what(),
                     "You cannot modify the state property in the OnStateChanging event !!!");
    }
    EXPECT_EQ(tray.State(), TPGTrayIconState::tsEnabled);
    tray.OnStateChanging = {};
    tray.SetState(TPGTrayIconState::tsDisabled);  // the guard is down again
    EXPECT_EQ(tray.State(), TPGTrayIconState::tsDisabled);
}

TEST_F(TrayIconTest, TheAnimationStepsThroughItsFramesAndSkipsMissingFiles) {
    tray.Animation().SetIcons({"a.ico", "missing.ico", "b.ico"});
    tray.Animation().SetInterval(300);  // a whole number of 150 ms base ticks
    tray.OnAnimation = Count("animation");
    tray.SetActive(true);
    tray.SetState(TPGTrayIconState::tsAnimated);
    EXPECT_EQ(LastRecord().icon, 201u);
    std::vector<WindowHandle> shown;
    for (int i = 0; i < 3; ++i) {
        rig.windows.Advance(300);
        shown.push_back(LastRecord().icon);
    }
    // The missing frame keeps the image before it.
    EXPECT_EQ(shown, (std::vector<WindowHandle>{201, 202, 201}));
    EXPECT_EQ(events.size(), 4u);
    tray.SetState(TPGTrayIconState::tsEnabled);
    const std::size_t before = events.size();
    rig.windows.Advance(1000);
    EXPECT_EQ(events.size(), before);
    EXPECT_EQ(LastRecord().icon, 301u);
}

TEST_F(TrayIconTest, ResourceFramesAreAskedForInCapitals) {
    tray.Animation().SetOptions(TPGTrayIconAnimationOptions::aoIconsInExe);
    tray.Animation().SetIcons({"modem1", "Modem2_nc"});
    tray.SetActive(true);
    tray.SetState(TPGTrayIconState::tsAnimated);
    rig.windows.Advance(1050);  // the first base tick past the default 1000 ms
    // The state change shows the first frame, and so does the start of the animation.
    EXPECT_EQ(rig.icons.resourcesAsked,
              (std::vector<std::string>{"MODEM1", "MODEM1", "MODEM2_NC"}));
}

TEST_F(TrayIconTest, AnimationIntervalsOutsideTheRangeFailWhenTheAnimationStarts) {
    tray.SetActive(true);
    for (int interval : {54, 100001}) {
        tray.Animation().SetInterval(interval);
        EXPECT_EQ(tray.Animation().Interval(), interval);
        EXPECT_THROW(tray.SetState(TPGTrayIconState::tsAnimated), RangeError) << interval;
        tray.SetState(TPGTrayIconState::tsEnabled);
    }
    tray.Animation().SetInterval(55);
    tray.SetState(TPGTrayIconState::tsAnimated);
    EXPECT_EQ(rig.windows.interval, 55u);
}

TEST_F(TrayIconTest, APressBecomesAClickAfter400MsAndADoubleClickOnlyADoubleClick) {
    tray.OnClick = Count("click");
    tray.OnDblClick = Count("double");
    Mouse(msg::kLeftButtonDown);
    Mouse(msg::kLeftButtonUp);
    rig.windows.Advance(449);
    EXPECT_TRUE(events.empty());
    rig.windows.Advance(1);
    EXPECT_EQ(events, (std::vector<std::string>{"click"}));

    events.clear();
    Mouse(msg::kLeftButtonDown);
    Mouse(msg::kLeftButtonUp);
    rig.windows.Advance(100);
    Mouse(msg::kLeftButtonDoubleClick);
    Mouse(msg::kLeftButtonUp);
    rig.windows.Advance(1000);
    EXPECT_EQ(events, (std::vector<std::string>{"double"}));
    EXPECT_EQ(rig.windows.interval, 0u);
}

TEST_F(TrayIconTest, WithoutADoubleClickHandlerAPressPostsTheClick) {
    tray.OnClick = Count("click");
    Mouse(msg::kMiddleButtonDown);
    EXPECT_TRUE(events.empty());
    ASSERT_EQ(rig.windows.posted.size(), 1u);
    EXPECT_EQ(rig.windows.posted[0].message, 1125u);
    rig.windows.DeliverPosted();
    EXPECT_EQ(events, (std::vector<std::string>{"click"}));
}

TEST_F(TrayIconTest, ASecondDeferredCallReplacesTheFirstAndErrorsGoNoFurther) {
    std::vector<std::intptr_t> ran;
    auto record = [&](std::intptr_t argument) { ran.push_back(argument); };
    auto failing = [&](std::intptr_t) -> void { throw std::runtime_error("lost"); };
    tray.PostDeferredCall(DeferredProcedure::Call(record), 1);
    tray.PostDeferredCall(DeferredProcedure::Call(record), 2);
    rig.windows.DeliverPosted();
    EXPECT_EQ(ran, (std::vector<std::intptr_t>{2}));
    tray.PostDeferredCall(DeferredProcedure::Call(failing), 3);
    EXPECT_NO_THROW(rig.windows.DeliverPosted());
    rig.windows.Send(msg::kDeferredCall);  // the slot is empty
    EXPECT_EQ(ran.size(), 1u);
}

TEST_F(TrayIconTest, TheCursorEntersOnItsFirstMoveAndLeavesWhenItIsThreePixelsAway) {
    std::vector<std::string> moves;
    auto recorder = [&](const char* name) {
        return [&moves, name](Component&, ShiftState shift, int x, int y) {
            moves.push_back(std::string(name) + " " + std::to_string(x) + "," + std::to_string(y) +
                            (shift.Has(ShiftKey::Ctrl) ? " ctrl" : ""));
        };
    };
    auto enter = recorder("enter");
    auto move = recorder("move");
    auto exit = recorder("exit");
    tray.OnMouseEnter = TrayMouseEvent::Call(enter);
    tray.OnMouseMove = TrayMouseEvent::Call(move);
    tray.OnMouseExit = TrayMouseEvent::Call(exit);
    rig.pointer.shift = ShiftKey::Ctrl;
    Mouse(msg::kMouseMove);
    rig.pointer.position.x += 1;
    Mouse(msg::kMouseMove);
    rig.pointer.shift = {};
    rig.pointer.position.y += 2;
    rig.windows.Advance(140);
    EXPECT_EQ(moves, (std::vector<std::string>{"enter 500,700 ctrl", "move 501,700 ctrl"}));
    rig.pointer.position.x += 3;
    rig.windows.Advance(70);
    EXPECT_EQ(moves.back(), "exit 501,700");
    EXPECT_EQ(rig.windows.interval, 0u);
}

TEST_F(TrayIconTest, OnlyAMoveHandlerHearsEveryMove) {
    int moved = 0;
    auto move = [&](Component&, ShiftState, int, int) { ++moved; };
    tray.OnMouseMove = TrayMouseEvent::Call(move);
    Mouse(msg::kMouseMove);
    Mouse(msg::kMouseMove);
    EXPECT_EQ(moved, 2);
    EXPECT_EQ(rig.windows.interval, 0u);
}

TEST_F(TrayIconTest, ARightPressShowsThePopupMenuWithAutoPopupAndIsAPressWithout) {
    PopupMenu& menu = Component::Create<PopupMenu>(rig.main, rig.forms.app);
    tray.SetPopupMenu(&menu);
    tray.OnClick = Count("click");
    tray.SetAutoPopup(true);
    rig.desktop.exists = true;
    rig.forms.appWindow.visible = false;  // hidden in the tray
    Mouse(msg::kMouseMove);               // the menu opens where the cursor was last seen
    rig.forms.log.clear();
    Mouse(msg::kRightButtonDown);
    EXPECT_EQ(rig.forms.log, (testing::CallLog{"app: foreground", "menu at 500,700",
                                               "app: post 1024", "desktop: foreground"}));
    rig.windows.DeliverPosted();
    EXPECT_TRUE(events.empty());

    rig.main.Show();  // a hidden application window with a form shown keeps the foreground
    rig.forms.log.clear();
    Mouse(msg::kRightButtonDown);
    EXPECT_EQ(rig.forms.log.back(), "app: post 1024");

    tray.SetAutoPopup(false);
    Mouse(msg::kRightButtonDown);
    rig.windows.DeliverPosted();
    EXPECT_EQ(events, (std::vector<std::string>{"click"}));
    delete &menu;
    EXPECT_EQ(tray.PopupMenu(), nullptr);
}

TEST_F(TrayIconTest, TheShutdownQueryIsAllowedAndTheShutdownRemovesTheIcon) {
    tray.SetActive(true);
    EXPECT_EQ(rig.windows.Send(msg::kQueryEndSession), 1);
    rig.windows.Send(msg::kEndSession, 0);
    EXPECT_TRUE(tray.Active());
    rig.windows.Send(msg::kEndSession, 1);
    EXPECT_FALSE(tray.Active());
    EXPECT_EQ(rig.shell.Count(NotifyRequest::Delete), 1);
    EXPECT_EQ(rig.windows.Send(0x000F), 0);
}

TEST_F(TrayIconTest, FreeingTheIconRemovesItAndGivesUpTheApplicationsHandlers) {
    tray.SetActive(true);
    EXPECT_TRUE(rig.forms.app.OnMinimize);
    delete &tray;
    EXPECT_EQ(rig.shell.calls.back().request, NotifyRequest::Delete);
    EXPECT_FALSE(rig.forms.app.OnMinimize);
    EXPECT_FALSE(rig.forms.app.OnRestore);
    EXPECT_EQ(rig.windows.interval, 0u);
}

}  // namespace
}  // namespace lw

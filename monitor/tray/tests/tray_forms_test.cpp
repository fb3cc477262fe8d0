// Hiding the program into the tray and showing it and its forms again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monitor/forms/errors.h"
#include "monitor/tray/notify_on_form_close.h"
#include "monitor/tray/tests/fakes/fake_tray_system.h"
#include "monitor/tray/tray_icon.h"

namespace lw {
namespace {

using testing::CallLog;
using testing::FakeForm;

class TrayFormsTest : public ::testing::Test {
  protected:
    TrayFormsTest() {
        rig.main.Show();
        tray.SetOptions({});  // as the monitor stores it
        tray.SetActive(true);
    }
    ~TrayFormsTest() override { EXPECT_EQ(TPGTrayIcon95::DesktopLockCount(), 0); }

    // Runs what the icon posted to its window and what the forms posted to the loop.
    void Pump() {
        rig.windows.DeliverPosted();
        rig.forms.Pump();
    }
    void HideIntoTheTray() {
        tray.HideApp();
        Pump();
        log.clear();
    }
    // Keeps a handler's lambda alive for the test.
    template <typename Event, typename Lambda>
    Event Keep(Lambda lambda) {
        auto kept = std::make_shared<Lambda>(std::move(lambda));
        kept_.push_back(kept);
        return Event::Call(*kept);
    }
    NotifyEvent Note(std::string text) {
        notes_.push_back([this, text](Component&) { log.push_back(text); });
        return NotifyEvent::Call(notes_.back());
    }

    testing::TrayRig rig;
    CallLog& log = rig.forms.log;
    testing::FakeWindow& appWindow = rig.forms.appWindow;
    FakeForm dialog{rig.forms.app, "dialog", 11, log};
    TPGTrayIcon95& tray = Component::Create<TPGTrayIcon95>(rig.main, rig.services);
    std::deque<std::function<void(Component&)>> notes_;
    std::vector<std::shared_ptr<void>> kept_;
};

TEST_F(TrayFormsTest, HideAppMinimisesIntoTheTrayFromTheMessageLoop) {
    tray.OnAppMinimize = Note("OnAppMinimize");
    rig.main.window.topmost = true;
    log.clear();
    tray.HideApp();
    EXPECT_TRUE(log.empty());
    Pump();
    EXPECT_EQ(log, (CallLog{"desktop: lock", "app: owner 99", "main: not topmost", "app: activate",
                            "desktop: animation off", "app: minimize", "main: hide",
                            "desktop: animation on", "OnAppMinimize", "app: hide", "main: hide",
                            "desktop: unlock", "desktop: lock", "app: owner 99", "app: hide",
                            "app: owner 0", "desktop: unlock"}));
    EXPECT_FALSE(appWindow.visible);
    EXPECT_TRUE(appWindow.minimized);
    EXPECT_EQ(appWindow.owner, 0u);
    EXPECT_FALSE(rig.main.window.visible);
    EXPECT_TRUE(rig.main.Visible());
}

TEST_F(TrayFormsTest, ShowAppBringsTheProgramBack) {
    rig.desktop.animation = false;
    HideIntoTheTray();
    tray.ShowApp();
    Pump();
    EXPECT_EQ(log, (CallLog{"desktop: lock", "app: owner 99", "app: foreground", "app: restore",
                            "main: show no activate", "app: show normal", "app: owner 0",
                            "desktop: unlock"}));
    EXPECT_TRUE(appWindow.visible);
    EXPECT_FALSE(appWindow.minimized);
    EXPECT_TRUE(rig.main.window.visible);
}

TEST_F(TrayFormsTest, ClosingFormsOnHideAppHidesThemLastFirstAndShowAppReopensTheMain) {
    tray.SetOptions(
        {TPGTrayIconOption::toCloseFormsOnHideApp, TPGTrayIconOption::toHideTaskBarIconOnShowApp});
    dialog.Show();
    dialog.OnClose =
        Keep<CloseEvent>([this](Component&, CloseAction&) { log.push_back("dialog closes"); });
    log.clear();
    tray.HideApp();  // at once
    EXPECT_FALSE(dialog.Visible());
    EXPECT_FALSE(rig.main.Visible());
    EXPECT_EQ(log.front(), "desktop: lock");
    EXPECT_LT(std::find(log.begin(), log.end(), "dialog closes"),
              std::find(log.begin(), log.end(), "main: hide"));
    EXPECT_EQ(appWindow.owner, 99u);
    EXPECT_FALSE(appWindow.visible);

    tray.ShowApp();
    Pump();
    EXPECT_TRUE(rig.main.Visible());
    EXPECT_TRUE(rig.main.window.visible);
    EXPECT_FALSE(appWindow.visible);  // the main form shows without the button
    EXPECT_EQ(appWindow.owner, 0u);
    EXPECT_NE(rig.main.FindComponent<TPGNotifyOnFormClose>(), nullptr);
}

TEST_F(TrayFormsTest, TheApplicationsMinimiseGoesToTheTrayOnlyWithMinimizeToTray) {
    tray.OnAppMinimize = Note("OnAppMinimize");
    tray.OnAppRestore = Note("OnAppRestore");
    rig.forms.app.Minimize();
    EXPECT_EQ(log.back(), "OnAppMinimize");
    EXPECT_TRUE(rig.windows.posted.empty());
    rig.forms.app.Restore();
    EXPECT_EQ(log.back(), "OnAppRestore");
    EXPECT_EQ(rig.windows.posted.size(), 1u);  // ShowApp, because the icon is active
    Pump();

    tray.SetOptions({TPGTrayIconOption::toMinimizeToTray});
    rig.forms.app.Minimize();
    Pump();
    EXPECT_FALSE(appWindow.visible);
    EXPECT_FALSE(rig.main.window.visible);
}

TEST_F(TrayFormsTest, AModalFormOfAHiddenProgramReturnsItsResult) {
    HideIntoTheTray();
    dialog.OnShow = Note("dialog's own OnShow");
    const NotifyEvent own = dialog.OnShow;
    rig.forms.system.Post([this] {
        EXPECT_EQ(TPGTrayIcon95::DesktopLockCount(), 0);
        EXPECT_TRUE(dialog.window.visible);
        dialog.SetModalResult(ModalResult::Ok);
    });
    EXPECT_EQ(tray.ShowModalForm(&dialog), ModalResult::Ok);
    EXPECT_EQ(dialog.OnShow, own);
    EXPECT_EQ(std::count(log.begin(), log.end(), "dialog's own OnShow"), 1);
    EXPECT_NE(dialog.FindComponent<TPGNotifyOnFormClose>(), nullptr);
    log.clear();
    Pump();  // the button goes again and the form comes to the front
    EXPECT_EQ(log, (CallLog{"desktop: lock", "app: owner 99", "app: hide", "app: owner 0",
                            "desktop: unlock", "dialog: foreground"}));
}

TEST_F(TrayFormsTest, ClosingAFormOfAHiddenProgramKeepsItHidden) {
    HideIntoTheTray();
    dialog.OnClose = Keep<CloseEvent>(
        [this](Component&, CloseAction&) { log.push_back("dialog's own OnClose"); });
    tray.ShowForm(&dialog);
    tray.ShowForm(&rig.main);  // shown already: only raised
    Pump();
    EXPECT_EQ(dialog.Components().size(), 1u);
    log.clear();
    dialog.Close();
    EXPECT_EQ(log, (CallLog{"desktop: lock", "app: owner 99", "app: hide", "desktop: unlock",
                            "dialog's own OnClose", "dialog: hide"}));
    EXPECT_EQ(rig.windows.posted.size(), 1u);
}

TEST_F(TrayFormsTest, ShowingAndHidingNoFormAndShowingFromAShowHandlerFail) {
    try {
        tray.ShowForm(nullptr);
        FAIL();
    } catch (const InvalidOperation& error) {
        EXPECT_STREQ(error.what(), "You cant show a \"nil\" form !");
    }
    EXPECT_THROW(tray.ShowModalForm(nullptr), InvalidOperation);
    try {
        tray.HideForm(nullptr);
        FAIL();
    } catch (const InvalidOperation& error) {
        EXPECT_STREQ(error.what(), "You cant hide a \"nil\" form !");
    }

    FakeForm about(rig.forms.app, "about", 12, log);
    std::string nested;
    dialog.OnShow = Keep<NotifyEvent>([&](Component&) {
        try {
            tray.ShowForm(&about);
        } catch (const InvalidOperation& error) {
            nested = error.what();
        }
    });
    rig.main.Hide();
    tray.ShowForm(&dialog);
    EXPECT_EQ(nested, "You cant call ShowForm or ShowModalForm in the OnShow event of a form !");
    EXPECT_TRUE(dialog.Visible());
    EXPECT_FALSE(about.Visible());
}

TEST_F(TrayFormsTest, AFailingShowHandlerStillGivesBackTheLockAndTheHandler) {
    dialog.OnShow =
        Keep<NotifyEvent>([](Component&) -> void { throw std::runtime_error("Cannot open file"); });
    const NotifyEvent own = dialog.OnShow;
    EXPECT_THROW(tray.ShowModalForm(&dialog), std::runtime_error);
    EXPECT_EQ(TPGTrayIcon95::DesktopLockCount(), 0);
    EXPECT_EQ(dialog.OnShow, own);
    EXPECT_FALSE(dialog.Visible());
}

TEST_F(TrayFormsTest, HideFormHidesTheMainFormAndClosesOthers) {
    dialog.Show();
    int closed = 0;
    dialog.OnClose = Keep<CloseEvent>([&](Component&, CloseAction&) { ++closed; });
    tray.HideForm(&dialog);
    EXPECT_EQ(closed, 1);
    EXPECT_TRUE(rig.windows.posted.empty());  // the program is shown
    tray.HideForm(&rig.main);
    EXPECT_FALSE(rig.main.Visible());
    EXPECT_FALSE(rig.forms.app.Terminated());
    EXPECT_EQ(rig.windows.posted.size(), 1u);
}

TEST_F(TrayFormsTest, ASecondIconFindsTheHiddenOwnerAndTakesTheButtonAway) {
    HideIntoTheTray();
    tray.ShowApp();
    Pump();
    log.clear();
    FakeForm other(rig.forms.app, "other", 13, log);
    Component::Create<TPGTrayIcon95>(other, rig.services);
    EXPECT_EQ(log, (CallLog{"app: hide", "app: owner 0"}));
}

TEST_F(TrayFormsTest, TheCloseHookForgetsAnIconThatIsGone) {
    HideIntoTheTray();
    tray.ShowForm(&dialog);
    Pump();
    delete &tray;
    log.clear();
    dialog.Close();
    EXPECT_EQ(log, (CallLog{"dialog: hide"}));
}

}  // namespace
}  // namespace lw

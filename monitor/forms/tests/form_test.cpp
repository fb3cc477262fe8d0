#include "monitor/forms/form.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "monitor/forms/errors.h"
#include "monitor/forms/popup_menu.h"
#include "monitor/forms/tests/fakes/fake_windows.h"

namespace lw {
namespace {

using testing::CallLog;
using testing::FakeForm;

class FormTest : public ::testing::Test {
  protected:
    testing::FakeDesktop desktop;
    Application& app = desktop.app;
    CallLog& log = desktop.log;
    FakeForm main{app, "main", 10, log};
    FakeForm dialog{app, "dialog", 11, log};
};

TEST_F(FormTest, FormsKeepTheirOrderAndTheFirstIsTheMainForm) {
    auto about = std::make_unique<FakeForm>(app, "about", 12, log);
    EXPECT_EQ(app.Forms(), (std::vector<Form*>{&main, &dialog, about.get()}));
    EXPECT_EQ(app.MainForm(), &main);
    EXPECT_TRUE(main.IsMainForm());
    EXPECT_FALSE(dialog.IsMainForm());
    about.reset();
    EXPECT_EQ(app.Forms(), (std::vector<Form*>{&main, &dialog}));
}

TEST_F(FormTest, ShowingAndHidingRaiseTheirEventsOncePerChange) {
    std::vector<std::string> events;
    auto shown = [&](Component&) {
        events.push_back("show, visible " + std::to_string(dialog.window.visible));
    };
    auto hidden = [&](Component&) { events.push_back("hide"); };
    dialog.OnShow = NotifyEvent::Call(shown);
    dialog.OnHide = NotifyEvent::Call(hidden);
    dialog.Show();
    dialog.Show();
    EXPECT_TRUE(dialog.Visible());
    dialog.Hide();
    dialog.Hide();
    EXPECT_FALSE(dialog.window.visible);
    // OnShow runs before the window appears.
    EXPECT_EQ(events, (std::vector<std::string>{"show, visible 0", "hide"}));
    EXPECT_EQ(
        log, (CallLog{"dialog: show", "dialog: foreground", "dialog: foreground", "dialog: hide"}));
}

TEST_F(FormTest, ClosingAsksFirstHidesAFormAndEndsTheProgramWithTheMainForm) {
    bool allow = false;
    std::vector<std::string> events;
    auto query = [&](Component&, bool& canClose) { canClose = allow; };
    auto closing = [&](Component& sender, CloseAction& action) {
        events.push_back(&sender == &main ? "main" : "dialog");
        EXPECT_EQ(action, CloseAction::Hide);
    };
    dialog.OnCloseQuery = CloseQueryEvent::Call(query);
    dialog.OnClose = CloseEvent::Call(closing);
    main.OnClose = CloseEvent::Call(closing);
    dialog.Show();
    dialog.CloseRequested();
    EXPECT_TRUE(dialog.Visible());
    allow = true;
    dialog.Close();
    EXPECT_FALSE(dialog.Visible());

    auto keepOpen = [&](Component&, CloseAction& action) { action = CloseAction::None; };
    main.Show();
    main.OnClose = CloseEvent::Call(keepOpen);
    main.Close();
    desktop.Pump();
    EXPECT_FALSE(app.Terminated());
    main.OnClose = CloseEvent::Call(closing);
    main.Close();
    EXPECT_TRUE(main.Visible());
    app.Run();
    EXPECT_TRUE(app.Terminated());
    EXPECT_EQ(events, (std::vector<std::string>{"dialog", "main"}));
}

TEST_F(FormTest, AModalShowingReturnsTheResultThatEndedIt) {
    main.Show();
    desktop.system.Post([&] {
        EXPECT_TRUE(dialog.Modal());
        EXPECT_TRUE(dialog.window.visible);
        EXPECT_FALSE(main.window.enabled);
        EXPECT_FALSE(desktop.appWindow.enabled);
        EXPECT_TRUE(dialog.window.enabled);
    });
    desktop.system.Post([&] { dialog.SetModalResult(ModalResult::Ok); });
    EXPECT_EQ(dialog.ShowModal(), ModalResult::Ok);
    EXPECT_FALSE(dialog.Modal());
    EXPECT_FALSE(dialog.Visible());
    EXPECT_TRUE(main.window.enabled);
    EXPECT_TRUE(desktop.appWindow.enabled);
    EXPECT_FALSE(desktop.system.Pending());
}

TEST_F(FormTest, ClosingAModalFormCancelsItUnlessItRefusesToClose) {
    int asked = 0;
    auto query = [&](Component&, bool& canClose) { canClose = ++asked > 1; };
    int closed = 0;
    auto closing = [&](Component&, CloseAction&) { ++closed; };
    dialog.OnCloseQuery = CloseQueryEvent::Call(query);
    dialog.OnClose = CloseEvent::Call(closing);
    desktop.system.Post([&] { dialog.CloseRequested(); });
    desktop.system.Post([&] {
        EXPECT_TRUE(dialog.Visible());
        dialog.Close();
    });
    EXPECT_EQ(dialog.ShowModal(), ModalResult::Cancel);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(closed, 1);
}

TEST_F(FormTest, AModalShowingCleansUpWhenItFailsAndRefusesShownForms) {
    main.Show();
    main.window.enabled = false;  // disabled before: stays so
    desktop.system.Post([] { throw std::runtime_error("boom"); });
    EXPECT_THROW(dialog.ShowModal(), std::runtime_error);
    EXPECT_FALSE(dialog.Modal());
    EXPECT_FALSE(dialog.Visible());
    EXPECT_TRUE(desktop.appWindow.enabled);
    EXPECT_FALSE(main.window.enabled);
    EXPECT_THROW(main.ShowModal(), InvalidOperation);
}

TEST_F(FormTest, TheQuitMessageEndsAModalShowingAsCancelled) {
    desktop.system.Post([&] { app.Terminate(); });
    EXPECT_EQ(dialog.ShowModal(), ModalResult::Cancel);
    EXPECT_TRUE(app.Terminated());
    // Once the program has ended, a modal showing does not wait for messages at all.
    EXPECT_EQ(dialog.ShowModal(), ModalResult::Cancel);
}

TEST_F(FormTest, AResultSetAsTheFormIsShownEndsTheShowingAtOnce) {
    auto decided = [&](Component&) { dialog.SetModalResult(ModalResult::Yes); };
    dialog.OnShow = NotifyEvent::Call(decided);
    EXPECT_EQ(dialog.ShowModal(), ModalResult::Yes);
}

TEST_F(FormTest, TheApplicationMinimisesWithItsFormsAndComesBackWithThem) {
    int minimized = 0;
    int restored = 0;
    auto onMinimize = [&](Component& sender) {
        EXPECT_EQ(&sender, &app);
        ++minimized;
    };
    auto onRestore = [&](Component&) { ++restored; };
    app.OnMinimize = NotifyEvent::Call(onMinimize);
    app.OnRestore = NotifyEvent::Call(onRestore);
    main.Show();
    main.window.topmost = true;
    EXPECT_FALSE(dialog.MinimizeRequested());
    EXPECT_TRUE(main.MinimizeRequested());
    app.Minimize();
    EXPECT_EQ(minimized, 1);
    EXPECT_TRUE(desktop.appWindow.minimized);
    EXPECT_FALSE(main.window.visible);
    EXPECT_FALSE(main.window.topmost);
    EXPECT_FALSE(dialog.window.visible);
    EXPECT_TRUE(main.Visible());

    app.Restore();
    app.Restore();
    EXPECT_EQ(restored, 1);
    EXPECT_FALSE(desktop.appWindow.minimized);
    EXPECT_TRUE(main.window.visible);
    EXPECT_TRUE(main.window.topmost);
    EXPECT_FALSE(dialog.window.visible);  // it was not shown before
}

TEST_F(FormTest, AChosenMenuItemIsClickedFromTheMessageLoopAfterTheMenuCloses) {
    PopupMenu& menu = Component::Create<PopupMenu>(main, app);
    PopupMenu& other = Component::Create<PopupMenu>(main, app);
    std::vector<std::string> events;
    auto popping = [&](Component&) {
        events.push_back("popup");
        menu.Items()[2]->Enabled = false;
    };
    auto clicked = [&](Component& sender) {
        events.push_back("click " + static_cast<MenuItem&>(sender).Caption);
    };
    menu.OnPopup = NotifyEvent::Call(popping);
    menu.Add("&Setup", NotifyEvent::Call(clicked)).Default = true;
    menu.Add("-");
    menu.Add("&Reset", NotifyEvent::Call(clicked));
    MenuItem& elsewhere = other.Add("&Setup", NotifyEvent::Call(clicked));
    EXPECT_NE(elsewhere.Command(), menu.Items()[0]->Command());

    desktop.ChooseFromMenu("&Setup");
    menu.Popup(30, 40);
    EXPECT_EQ(events, (std::vector<std::string>{"popup"}));
    desktop.Pump();
    EXPECT_EQ(events, (std::vector<std::string>{"popup", "click &Setup"}));
    EXPECT_EQ(desktop.system.shownMenus, (std::vector<const PopupMenu*>{&menu}));

    desktop.ChooseFromMenu("&Reset");
    menu.Popup(30, 40);
    desktop.Pump();
    EXPECT_EQ(events.size(), 3u);  // disabled by OnPopup: not clicked

    const unsigned gone = elsewhere.Command();
    delete &other;
    EXPECT_FALSE(app.MenuCommand(gone));
}

TEST_F(FormTest, UncaughtErrorsGoToTheHandlerOrTheErrorBox) {
    app.SetTitle("LineWink");
    EXPECT_EQ(desktop.appWindow.text, "LineWink");
    app.HandleException(std::runtime_error("Cannot open file"));
    EXPECT_EQ(desktop.system.errors, (std::vector<std::string>{"LineWink: Cannot open file"}));
    std::string seen;
    auto handler = [&](const std::exception& e) { seen = e.what(); };
    app.OnException = Handler<const std::exception&>::Call(handler);
    app.HandleException(InvalidOperation("nope"));
    EXPECT_EQ(seen, "nope");
    EXPECT_EQ(desktop.system.errors.size(), 1u);
}

}  // namespace
}  // namespace lw

#include "installer/script/host/user_dialogs.h"

#include "installer/script/host/tests/fakes/fake_host_windows.h"
#include "installer/script/host/tests/interpreter_rig.h"

namespace aw::testing {
namespace {

class UserDialogsTest : public InterpreterTest {
  protected:
    UserDialog& AddDialog(const std::string& name, std::int32_t billboard = 0) {
        auto& dialog = script.UserDialogs.Dialogs.AddNew();
        dialog.Name = name;
        dialog.Caption = name + " of $i";
        dialog.Values[5] = billboard;
        return dialog;
    }
    DialogControl& AddControl(UserDialog& dialog, DialogControlKind kind) {
        auto& control = dialog.Controls.AddNew();
        control.Values[0] = static_cast<std::int32_t>(kind);
        return control;
    }

    FakeHostWindows windows;
    UserDialogs dialogs{script, environment, services, windows};
    std::int32_t result = 0;
};

TEST_F(UserDialogsTest, DialogsAreFoundByNameWhateverTheCase) {
    AddDialog("Options").Values[0] = 11;
    AddDialog("OPTIONS").Values[0] = 22;
    SetText("i", "C:\\APP");
    ASSERT_TRUE(dialogs.ShowUserDialog("options", result));
    ASSERT_TRUE(dialogs.ShowUserDialog("OPTIONS", result));
    ASSERT_EQ(windows.Dialogs.size(), 2u);
    EXPECT_EQ(windows.Dialogs[1].Values[0], 11);
    EXPECT_EQ(windows.Dialogs[1].Caption, "Options of C:\\APP");
    EXPECT_TRUE(windows.Dialogs[1].Controls.empty());
    EXPECT_EQ(result, 5);

    EXPECT_FALSE(dialogs.ShowUserDialog("Other", result));
    EXPECT_EQ(services.Errors, std::vector<std::string>{"User dialog Other not found"});
}

TEST_F(UserDialogsTest, ControlsAreBoundToTheVariablesAndSubstituted) {
    auto& dialog = AddDialog("Paths");
    AddControl(dialog, DialogControlKind::Text).Texts = {"ignored", "Into $i", "ignored"};
    AddControl(dialog, DialogControlKind::TextBox).Texts[1] = "path";
    AddControl(dialog, DialogControlKind::List).Texts = {"", "minspace", "One\r\n$i"};
    AddControl(dialog, DialogControlKind::FileBox).Texts[0] = "$i\\README.TXT";
    SetText("i", "C:\\APP");
    ASSERT_TRUE(dialogs.ShowUserDialog("Paths", result));
    const auto& controls = windows.Dialogs.at(0).Controls;
    EXPECT_EQ(controls[0].MainText, "Into C:\\APP");
    EXPECT_EQ(controls[1].TextBinding, environment.TextVariableNamed("path"));
    EXPECT_EQ(controls[2].IntegerBinding, Integer("minspace"));
    EXPECT_EQ(controls[2].Label, "One\r\nC:\\APP");
    EXPECT_EQ(controls[3].FilePath, "C:\\APP\\README.TXT");
}

TEST_F(UserDialogsTest, AnUnresolvedControlGivesMinusOneWithoutShowing) {
    AddControl(AddDialog("Broken"), DialogControlKind::TextBox).Texts[1] = "nosuch";
    ShowUserDialog event;
    event.ResultVariable = "exitcode1";
    event.DialogName = "broken";
    EventExecutor withDialogs(services, environment,
                              EventSupport{dialogs, support, support, support});
    ASSERT_TRUE(withDialogs.Execute(event, status));
    EXPECT_EQ(*Integer("exitcode1"), -1);
    EXPECT_TRUE(windows.Dialogs.empty());
    EXPECT_EQ(services.Errors, std::vector<std::string>{"Error evaluting user dialog Broken"});
}

TEST_F(UserDialogsTest, MoreThanThirtyControlsAreACheckFailure) {
    auto& dialog = AddDialog("Crowded");
    for (int n = 0; n < 31; ++n) {
        AddControl(dialog, DialogControlKind::Picture);
    }
    ASSERT_TRUE(dialogs.ShowUserDialog("Crowded", result));
    EXPECT_EQ(windows.Dialogs.at(0).Controls.size(), kMaxDialogControls);
    EXPECT_EQ(services.Checks, std::vector<std::string>{"AWTEST"});
}

TEST_F(UserDialogsTest, UnattendedDialogsTakeTheirFirstClosingButton) {
    auto& dialog = AddDialog("Ask");
    AddControl(dialog, DialogControlKind::ClosingButton).Values[5] = 4;
    AddControl(dialog, DialogControlKind::ClosingButton).Values[5] = 3;
    services.Silent = true;
    ASSERT_TRUE(dialogs.ShowUserDialog("Ask", result));
    EXPECT_EQ(result, 4);
    EXPECT_TRUE(windows.Dialogs.empty());
}

TEST_F(UserDialogsTest, BillboardsCountOnlyMarkedDialogs) {
    AddDialog("A", 1);
    AddDialog("B");
    AddDialog("C", 1);
    AddDialog("D");
    AddDialog("E", 1);
    EXPECT_EQ(dialogs.BillboardCount(), 3);
    dialogs.ShowBillboard(1);
    dialogs.ShowBillboard(3);
    EXPECT_EQ(windows.Calls, std::vector<std::string>{"ShowBillboard C of "});
    EXPECT_TRUE(dialogs.BillboardShown());
    dialogs.HideBillboard();
    EXPECT_FALSE(dialogs.BillboardShown());
}

}  // namespace
}  // namespace aw::testing

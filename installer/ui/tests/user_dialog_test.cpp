#include "installer/ui/user_dialog.h"

#include <gtest/gtest.h>

namespace aw {
namespace {

TEST(UserDialog, AnEmptyCaptionChoosesTheFrameWithoutTitle) {
    DialogDescription dialog;
    EXPECT_STREQ(UserDialogTemplate(dialog), "DLGUSRDLGNOTITLE");
    dialog.Caption = "Options";
    EXPECT_STREQ(UserDialogTemplate(dialog), "DLGUSRDLG");
}

TEST(UserDialog, CellsAreTheTemplatesClientInTwoHundredthsAndHundredths) {
    const DialogCells cells({300, 163});
    EXPECT_EQ(cells.X(200), 300);
    EXPECT_EQ(cells.X(33), 49);
    EXPECT_EQ(cells.Y(100), 163);
    EXPECT_EQ(cells.Y(50), 81);
    DialogControlDescription control;
    control.Values = {10, 20, 100, 12, 2, 0};
    EXPECT_EQ(ControlPlace(control, cells), (PixelRect{15, 32, 150, 19}));
}

TEST(UserDialog, TheCentreIsInThousandthsOfTheOwnersClient) {
    DialogDescription dialog;
    dialog.Values = {500, 500, 120, 80, 7};
    EXPECT_EQ(DialogCentre(dialog, {1280, 1024}), (PixelPoint{640, 512}));
    dialog.Values[0] = 250;
    EXPECT_EQ(DialogCentre(dialog, {1280, 1024}), (PixelPoint{320, 512}));
}

TEST(UserDialog, ListItemsAreTheLabelsLines) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(LabelLines("one\r\ntwo\r\nthree"), (Lines{"one", "two", "three"}));
    EXPECT_EQ(LabelLines("a\nb\rc\r\n"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(LabelLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(LabelLines("\n"), (Lines{""}));
    EXPECT_EQ(LabelLines(""), Lines{});
}

TEST(UserDialog, OnlyEvenClosingValuesWriteBack) {
    EXPECT_TRUE(WritesBack(2));
    EXPECT_TRUE(WritesBack(0));
    EXPECT_TRUE(WritesBack(-4));
    EXPECT_FALSE(WritesBack(3));
    EXPECT_FALSE(WritesBack(-1));
}

TEST(UserDialog, ATextBoxGivesItsVariableAtMost254Characters) {
    EXPECT_EQ(TextBoxValue(std::string(300, 'x')).size(), 254u);
    EXPECT_EQ(TextBoxValue("short"), "short");
    TextVariable variable("answer");
    EXPECT_TRUE(variable.Assign(TextBoxValue(std::string(300, 'x'))));
}

}  // namespace
}  // namespace aw

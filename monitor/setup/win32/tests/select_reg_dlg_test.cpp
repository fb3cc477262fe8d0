// The registry-entry dialog on real windows, offered by the check of the statistics name.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monitor/forms/win32/tests/application_test.h"
#include "monitor/setup/discovery.h"
#include "monitor/setup/machine_lists.h"
#include "monitor/setup/win32/registry.h"
#include "monitor/setup/win32/select_reg_dlg.h"
#include "monitor/setup/win32/tests/registry_keys.h"

namespace lw {
namespace {

// Counts the offers and passes them on to the real dialog.
class CountedOffers : public RegistryEntryDialog {
  public:
    explicit CountedOffers(RegistryEntryDialog& dialog) : dialog_(dialog) {}
    void Offer() override {
        ++offers;
        dialog_.Offer();
    }
    int offers = 0;

  private:
    RegistryEntryDialog& dialog_;
};

class SelectRegDlgTest : public testing::ApplicationTest {
  protected:
    void SetUp() override {
        dialog.OnChosen = Handler<const std::string&>::Call(chosen);
        testing::RemoveRegistryKeys(HKEY_DYN_DATA, {kStatisticsKey});
        testing::SetRegistryString(HKEY_DYN_DATA, kStatisticsKey, "Dial-Up Adapter", "");
        testing::SetRegistryString(HKEY_DYN_DATA, kStatisticsKey, "Dial-Up Adapter #2", "");
    }
    void TearDown() override {
        testing::RemoveRegistryKeys(HKEY_DYN_DATA, {kStatisticsKey});
        EXPECT_TRUE(errors.empty()) << errors.front();
    }
    // The window's own text and that of its child of class `className`.
    static std::string TextOf(HWND window) {
        char text[256] = {};
        GetWindowTextA(window, text, sizeof text);
        return text;
    }
    std::vector<std::string> ListItems() const {
        std::vector<std::string> items;
        const auto count = SendMessageA(dialog.List(), LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            char text[256] = {};
            SendMessageA(dialog.List(), LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            items.push_back(text);
        }
        return items;
    }
    // Posts a left click on list item `index` and then a click on the button `id`, for the
    // modal loop to run.
    void PostClicks(int index, int id) {
        const auto height = static_cast<int>(SendMessageA(dialog.List(), LB_GETITEMHEIGHT, 0, 0));
        const LPARAM where = MAKELPARAM(5, height * index + height / 2);
        PostMessageA(dialog.List(), WM_LBUTTONDOWN, MK_LBUTTON, where);
        PostMessageA(dialog.List(), WM_LBUTTONUP, 0, where);
        PostMessageA(GetDlgItem(dialog.Handle(), id), BM_CLICK, 0, 0);
    }

    std::vector<std::string> picks;
    std::function<void(const std::string&)> chosen = [this](const std::string& name) {
        picks.push_back(name);
    };
    MonitorSettings settings;
    Win32Registry registry;
    TSelectRegDlg dialog{app, registry, settings};
};

TEST_F(SelectRegDlgTest, ItExplainsItselfAndListsTheStatisticsNames) {
    EXPECT_EQ(TextOf(dialog.Handle()), "Select Registry Entry");
    const LONG_PTR style = GetWindowLongPtrA(dialog.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    const HWND label = FindWindowExA(dialog.Handle(), nullptr, "Static", nullptr);
    EXPECT_EQ(TextOf(label),
              "There were problems with the identifying the correct Registry Key. Please select "
              "a key or press Cancel.");
    EXPECT_TRUE(GetWindowLongPtrA(label, GWL_STYLE) & SS_CENTER);
    EXPECT_EQ(GetWindow(dialog.Handle(), GW_CHILD), dialog.List());  // the label lies beneath

    PostMessageA(GetDlgItem(dialog.Handle(), IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(dialog.ShowModal(), ModalResult::Ok);
    std::vector<std::string> items = ListItems();
    std::sort(items.begin(), items.end());
    EXPECT_EQ(items, (std::vector<std::string>{"Dial-Up Adapter", "Dial-Up Adapter #2"}));

    // Each showing lists the key as it stands then.
    testing::RemoveRegistryKeys(HKEY_DYN_DATA, {kStatisticsKey});
    PostMessageA(GetDlgItem(dialog.Handle(), IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_EQ(dialog.ShowModal(), ModalResult::Cancel);
    EXPECT_TRUE(ListItems().empty());
    EXPECT_TRUE(picks.empty());
}

TEST_F(SelectRegDlgTest, UseRegistryOffersTheDialogOnlyForANameTheKeyLacks) {
    CountedOffers offers(dialog);
    settings.DUNRegistryName = "Dial-Up Adapter #2";
    CheckStatisticsName(registry, settings, offers);
    EXPECT_EQ(offers.offers, 0);

    settings.DUNRegistryName = "Dial-Up Adapter #3";
    PostClicks(0, IDCANCEL);
    CheckStatisticsName(registry, settings, offers);
    EXPECT_EQ(offers.offers, 1);
    EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
    // The pick was stored at once; Cancel does not take it back.
    EXPECT_EQ(picks.size(), 1u);
    EXPECT_NE(settings.DUNRegistryName, "Dial-Up Adapter #3");
    EXPECT_EQ(settings.DUNRegistryName, picks.front());
    EXPECT_EQ(IsStatisticsName(registry, settings.DUNRegistryName), true);

    settings.DUNRegistryName = "";
    PostClicks(1, IDOK);
    CheckStatisticsName(registry, settings, offers);
    EXPECT_EQ(offers.offers, 2);
    EXPECT_EQ(picks.size(), 2u);
    EXPECT_NE(picks[1], picks[0]);
}

}  // namespace
}  // namespace lw

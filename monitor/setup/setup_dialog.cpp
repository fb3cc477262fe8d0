#include "monitor/setup/setup_dialog.h"

#include <algorithm>

#include "monitor/setup/setup_layout.h"

namespace lw {
namespace {

constexpr unsigned kIntroHelpContext = 2;
constexpr unsigned kIndexHelpContext = 1;
constexpr const char* kProgramFilter = "Executables (*.exe)|*.exe|All files (*.*)|*.*";

// Clears a flag when the scope ends, also when an error ends it early.
class Reset {
  public:
    explicit Reset(bool& flag) : flag_(flag) {}
    ~Reset() { flag_ = false; }
    Reset(const Reset&) = delete;
    Reset& operator=(const Reset&) = delete;

  private:
    bool& flag_;
};

}  // namespace

TSetupDlg::TSetupDlg(Form& form, DialogWindows& windows, WindowHandle parent,
                     const SetupServices& services)
    : Component(nullptr),
      form_(form),
      services_(services),
      settings_(services.settings),
      connection_(services.connection),
      host_(services.host),
      logs_(services.settings, services.system, services.boxes),
      build_(*this, windows, parent) {
    Setup = &build_.Pages("Setup", layout::kPages);
    Setup->OnChange = NotifyEvent::Of<&TSetupDlg::SetupChange>(*this);
    BuildStartupPage();
    BuildWindowPage();
    BuildDetectionPage();
    BuildLayoutPage();
    BuildDisplayPage();
    BuildSoundsPage();
    BuildInactivityPage();
    BuildLoggingsPage();
    BuildTitlebarPage();
    BuildConnectTimeResetPage();
    BuildDisconnectPage();
    BuildMiscPage();
    Setup->ArrangePages();
    Setup->SetActivePageIndex(0);
    BuildButtonRow();
    form_.OnShow = NotifyEvent::Of<&TSetupDlg::FormShow>(*this);
}

// The controls' windows go before the form's window does.
TSetupDlg::~TSetupDlg() {
    form_.OnShow = {};
    DestroyComponents();
}

TTabSheet& TSetupDlg::AddPage(const std::string& name, const std::string& caption,
                              unsigned helpContext, const std::string& hint) {
    TTabSheet& page = Setup->AddPage(build_.Windows(), name, caption);
    TButton& help = build_.On(page).Button("", "Settings", layout::kHelpButton, ControlKind::Button,
                                           ControlLook::WithHint(hint));
    help.OnClick = NotifyEvent::Of<&TSetupDlg::HelpClick>(*this);
    pageHelpButtons_.push_back(&help);
    helpButtons_.emplace_back(&help, helpContext);
    return page;
}

void TSetupDlg::BuildButtonRow() {
    using layout::ButtonRowPlace;
    Ok = &build_.Button("Ok", "&OK", ButtonRowPlace(0), ControlKind::DefaultButton);
    BitBtn2 = &build_.Button("BitBtn2", "&Intro", ButtonRowPlace(1));
    BitBtn3 = &build_.Button("BitBtn3", "I&ndex", ButtonRowPlace(2));
    Cancel = &build_.Button("Cancel", "Cancel", ButtonRowPlace(3), ControlKind::CancelButton);
    Ok->OnClick = NotifyEvent::Of<&TSetupDlg::OkClick>(*this);
    Cancel->OnClick = NotifyEvent::Of<&TSetupDlg::CancelClick>(*this);
    for (const auto& [button, context] :
         {std::pair{BitBtn2, kIntroHelpContext}, std::pair{BitBtn3, kIndexHelpContext}}) {
        button->OnClick = NotifyEvent::Of<&TSetupDlg::HelpClick>(*this);
        helpButtons_.emplace_back(button, context);
    }
}

void TSetupDlg::BindFlag(TCheckBox& box, std::int32_t& setting) {
    flags_.emplace_back(&box, &setting);
    box.OnClick = NotifyEvent::Of<&TSetupDlg::FlagClick>(*this);
}

void TSetupDlg::BindText(TEdit& edit, std::string& setting) {
    texts_.emplace_back(&edit, &setting);
    edit.OnChange = NotifyEvent::Of<&TSetupDlg::TextChange>(*this);
}

void TSetupDlg::FlagClick(Component& sender) {
    for (const auto& [box, setting] : flags_) {
        if (box == &sender) {
            *setting = box->Checked() ? 1 : 0;
        }
    }
}

void TSetupDlg::TextChange(Component& sender) {
    for (const auto& [edit, setting] : texts_) {
        if (edit == &sender) {
            *setting = edit->Text();
        }
    }
}

void TSetupDlg::FormShow(Component&) {
    ChangeForm();
}

void TSetupDlg::SetupChange(Component&) {
    ChangeForm();
}

void TSetupDlg::OkClick(Component&) {
    form_.SetModalResult(ModalResult::Ok);
}

void TSetupDlg::CancelClick(Component&) {
    form_.SetModalResult(ModalResult::Cancel);
}

void TSetupDlg::HelpClick(Component& sender) {
    for (const auto& [button, context] : helpButtons_) {
        if (button == &sender) {
            host_.ShowHelpContext(context);
        }
    }
}

// A refresh asked for while one runs (a tick's, from inside a box the refresh raised) runs
// once more when that one ends. A registry value that another program wrote in a form of its
// own ends the refresh where it was met; the dialog still opens, or stays open, with the rest.
void TSetupDlg::ChangeForm() {
    if (refreshing_) {
        refreshPending_ = true;
        return;
    }
    refreshing_ = true;
    Reset done(refreshing_);
    try {
        RefreshAll();
    } catch (const RegistryError& error) {
        services_.boxes.Show(error.what(), MessageIcon::Error, MessageButtons::Ok);
    }
}

void TSetupDlg::RefreshAll() {
    do {
        refreshPending_ = false;
        RefreshStartupAndExit();
        RefreshDialUpEntries();
        RefreshWindow();
        RefreshPorts();
        RefreshLights();
        RefreshDeviceDescriptions();
        RefreshDetection();
        RefreshModemIcon();
        RefreshLayoutAndSounds();
        RefreshInactivity();
        RefreshTitlebar();
        RefreshDisplay();
        RefreshLoggings();
        RefreshConnectTimeReset();
        RefreshAutoDisconnect();
        RefreshMisc();
        RefreshModemLogs();
    } while (refreshPending_);
}

void TSetupDlg::Refresh() {
    if (IsOpen()) {
        ChangeForm();
    }
}

void TSetupDlg::ShowConnectTime(const std::string& text) {
    LabelConnectTime->SetCaption(text);
}

void TSetupDlg::ClearScheduledDisconnect() {
    CBAutoDisconnectActive->SetChecked(false);
}

void TSetupDlg::ShowSessionTraffic(std::int32_t transmitted, std::int32_t received) {
    LabelTD->SetCaption("Transmitted bytes: " + std::to_string(transmitted));
    LabelRD->SetCaption("   Received bytes: " + std::to_string(received));
}

void TSetupDlg::ClearSessionTraffic() {
    LabelTD->SetCaption("");
    LabelRD->SetCaption("");
}

// The panel's look changed: its bitmaps and text are made anew at the next drawing, which
// also redraws the title-bar display.
void TSetupDlg::PanelChanged() {
    connection_.PanelDirty = true;
    host_.RequestRedraw();
}

void TSetupDlg::FontChanged() {
    connection_.PanelDirty = true;
    host_.MakeGdiFonts();
}

void TSetupDlg::ColourButton(Colour& colour, TColourSwatch& swatch) {
    if (const std::optional<Colour> chosen = services_.dialogs.ChooseColour(colour)) {
        colour = *chosen;
    }
    connection_.PanelDirty = true;
    connection_.TitleDirty = true;
    swatch.Show(colour);
}

// Apply shows the dialog's font at once; Cancel goes back to the font from before the dialog,
// past any Apply.
void TSetupDlg::FontButton(FontSpec& font) {
    const FontSpec before = font;
    const auto apply = [this, &font](const FontSpec& shown) {
        font = shown;
        FontChanged();
    };
    font = services_.dialogs.PickFont(font, apply).value_or(before);
    FontChanged();
}

std::optional<std::string> TSetupDlg::PickProgram(const std::string& current) {
    return services_.dialogs.OpenFile(kProgramFilter, current);
}

std::string TSetupDlg::ShortProgramPath() const {
    const std::string program = services_.system.ProgramPath();
    return services_.system.ShortPath(program).value_or(program);
}

}  // namespace lw

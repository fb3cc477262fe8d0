// The pages of the panel's and the title-bar display's look: "Layout && Colors", "Display" and
// "Titlebar Display".
#include "monitor/setup/setup_dialog.h"
#include "monitor/setup/setup_values.h"

namespace lw {
namespace {

constexpr Colour kNavy = 0x800000;

ControlRect Box(int left, int top, int width) {
    return ControlRect::Sized(left, top, width, 17);
}

ControlRect ButtonAt(int left, int top, int width = 90) {
    return ControlRect::Sized(left, top, width, 23);
}

ControlRect SwatchAt(int left, int top) {
    return ControlRect::Sized(left, top, 36, 23);
}

}  // namespace

void TSetupDlg::BuildLayoutPage() {
    LayoutTabSheet = &AddPage("LayoutTabSheet", "Layout && Colors", 8);
    const ControlBuilder page = build_.On(*LayoutTabSheet);

    LayoutGroup = &page.RadioGroup(
        "LayoutGroup", "Display Layout", ControlRect::Sized(8, 6, 170, 124),
        {"Large Square", "Large Horizontal", "Small Horizontal", "Modem", "Courier"});
    LampLook = &page.RadioGroup("LampLook", "Lamp Look", ControlRect::Sized(190, 6, 130, 84),
                                {"Diamond", "Round", "Square"});

    page.Group("", "Display Colors", ControlRect::Sized(8, 138, 312, 84));
    const ControlBuilder colours = page.Within(8, 138);
    LampOn = &colours.Button("LampOn", "Lamp On", ButtonAt(10, 20));
    PaintBoxLampOn = &colours.Swatch("PaintBoxLampOn", SwatchAt(104, 20));
    LampOff = &colours.Button("LampOff", "Lamp Off", ButtonAt(10, 50));
    PaintBoxLampoff = &colours.Swatch("PaintBoxLampoff", SwatchAt(104, 50));
    Text = &colours.Button("Text", "Text", ButtonAt(160, 20));
    PaintBoxText = &colours.Swatch("PaintBoxText", SwatchAt(254, 20));
    Background = &colours.Button("Background", "Background", ButtonAt(160, 50));
    PaintBoxBackground = &colours.Swatch("PaintBoxBackground", SwatchAt(254, 50));

    LayoutGroup->OnClick = NotifyEvent::Of<&TSetupDlg::LayoutGroupClick>(*this);
    LampLook->OnClick = NotifyEvent::Of<&TSetupDlg::LampLookClick>(*this);
    LampOn->OnClick = NotifyEvent::Of<&TSetupDlg::LampOnClick>(*this);
    LampOff->OnClick = NotifyEvent::Of<&TSetupDlg::LampOffClick>(*this);
    Text->OnClick = NotifyEvent::Of<&TSetupDlg::TextClick>(*this);
    Background->OnClick = NotifyEvent::Of<&TSetupDlg::BackgroundClick>(*this);
}

void TSetupDlg::BuildDisplayPage() {
    TabSheetShow = &AddPage("TabSheetShow", "Display", 11);
    const ControlBuilder page = build_.On(*TabSheetShow);

    page.Group("", "In LineWink's Display", ControlRect::Sized(8, 6, 444, 220));
    const ControlBuilder display = page.Within(8, 6);
    CBCommStatusDisplay =
        &display.CheckBox("CBCommStatusDisplay", "Show Comm Status/Connect Data", Box(10, 22, 280));
    BitBtn17 = &display.Button("BitBtn17", "Font", ButtonAt(340, 19));
    CBTDRDDisplay = &display.CheckBox("CBTDRDDisplay", "Show TD && RD data", Box(10, 46, 280));
    display.Text("TD/RD Speed Update [s]", 28, 72);
    SetDRDRate =
        &display.SpinEdit(ControlRect::Sized(170, 68, 60, 21), 0, 10000, settings_.RDTDSpeedUpdate);
    RadioGroupInDisplay = &display.RadioGroup(
        "RadioGroupInDisplay", "Show Connect Time", ControlRect::Sized(10, 104, 260, 92),
        {"Show Session Connect Time", "Show Total Connect Time", "No Time"});

    CBCommStatusDisplay->OnClick = NotifyEvent::Of<&TSetupDlg::CBCommStatusDisplayClick>(*this);
    BitBtn17->OnClick = NotifyEvent::Of<&TSetupDlg::BitBtn17Click>(*this);
    CBTDRDDisplay->OnClick = NotifyEvent::Of<&TSetupDlg::CBTDRDDisplayClick>(*this);
    RadioGroupInDisplay->OnClick = NotifyEvent::Of<&TSetupDlg::RadioGroupInDisplayClick>(*this);
}

void TSetupDlg::BuildTitlebarPage() {
    TitlebarSheet = &AddPage("TitlebarSheet", "Titlebar Display", 19);
    const ControlBuilder page = build_.On(*TitlebarSheet);

    page.Label("", "Show bitmap && Time logging in Active Window's title:",
               ControlRect::Sized(8, 6, 444, 16), ControlLook::Bold(kNavy));
    StatusGroup = &page.RadioGroup("StatusGroup", "Status", ControlRect::Sized(8, 28, 110, 84),
                                   {"On", "Auto Sense", "Off"});
    TitleLayoutGroup =
        &page.RadioGroup("TitleLayoutGroup", "Layout", ControlRect::Sized(126, 28, 130, 104),
                         {"Small Horizontal", "Modem", "Courier", "Simplified"});
    LampLookGroup = &page.RadioGroup("LampLookGroup", "LampLook",
                                     ControlRect::Sized(264, 28, 188, 44), {"Flat", "Round"}, 2);
    RadioGroupInTitle = &page.RadioGroup("RadioGroupInTitle", "Show Connect Time",
                                         ControlRect::Sized(264, 78, 188, 84),
                                         {"Session Connect Time", "Total Connect Time", "No Time"});
    page.Text("Offset from Right:", 8, 146);
    SEEditOffsetR =
        &page.SpinEdit(ControlRect::Sized(112, 142, 64, 21), -1000, 1000, settings_.TitleBarOffset);
    page.Text("Offset from Top:", 8, 172);
    SEEditOffsetT = &page.SpinEdit(ControlRect::Sized(112, 168, 64, 21), -1000, 1000,
                                   settings_.TitleBarOffsetT);
    FontTitlebar = &page.Button("FontTitlebar", "Font Style", ButtonAt(8, 204));
    BitBtnFontColor = &page.Button("BitBtnFontColor", "Font Color", ButtonAt(106, 204));
    PaintBoxTitlebarFont = &page.Swatch("PaintBoxTitlebarFont", SwatchAt(200, 204));
    BitBtnTitlebarbackground =
        &page.Button("BitBtnTitlebarbackground", "Background", ButtonAt(250, 204));
    PaintBoxTitlebarBG = &page.Swatch("PaintBoxTitlebarBG", SwatchAt(344, 204));
    BitBtnResetFont = &page.Button("BitBtnResetFont", "Reset Font", ButtonAt(8, 234));

    StatusGroup->OnClick = NotifyEvent::Of<&TSetupDlg::StatusGroupClick>(*this);
    TitleLayoutGroup->OnClick = NotifyEvent::Of<&TSetupDlg::TitleLayoutGroupClick>(*this);
    LampLookGroup->OnClick = NotifyEvent::Of<&TSetupDlg::LampLookGroupClick>(*this);
    RadioGroupInTitle->OnClick = NotifyEvent::Of<&TSetupDlg::RadioGroupInTitleClick>(*this);
    FontTitlebar->OnClick = NotifyEvent::Of<&TSetupDlg::FontTitlebarClick>(*this);
    BitBtnFontColor->OnClick = NotifyEvent::Of<&TSetupDlg::BitBtnFontColorClick>(*this);
    BitBtnTitlebarbackground->OnClick =
        NotifyEvent::Of<&TSetupDlg::BitBtnTitlebarbackgroundClick>(*this);
    BitBtnResetFont->OnClick = NotifyEvent::Of<&TSetupDlg::BitBtnResetFontClick>(*this);
}

// Another layout while minimised stays minimised, and its width is worked out anew; the
// border is taken away first so that the new one shows.
void TSetupDlg::LayoutGroupClick(Component&) {
    const LayoutChoice choice = ChooseLayout(settings_.NewOrientation, LayoutGroup->ItemIndex());
    settings_.NewOrientation = choice.orientation;
    if (choice.resetWidth) {
        settings_.WindowSizeX = 0;
    }
    host_.SetBorder(BorderForLayout(settings_.NewOrientation));
    PanelChanged();
}

void TSetupDlg::LampLookClick(Component&) {
    settings_.LampLook = LampLook->ItemIndex();
    connection_.PanelDirty = true;
}

void TSetupDlg::LampOnClick(Component&) {
    ColourButton(settings_.LightColorOn, *PaintBoxLampOn);
}

void TSetupDlg::LampOffClick(Component&) {
    ColourButton(settings_.LightColorOff, *PaintBoxLampoff);
}

void TSetupDlg::TextClick(Component&) {
    ColourButton(settings_.TextColor, *PaintBoxText);
}

void TSetupDlg::BackgroundClick(Component&) {
    ColourButton(settings_.BackgroundColor, *PaintBoxBackground);
}

void TSetupDlg::CBCommStatusDisplayClick(Component&) {
    settings_.StatusInDisplay = CBCommStatusDisplay->Checked() ? 1 : 0;
    PanelChanged();
}

void TSetupDlg::BitBtn17Click(Component&) {
    FontButton(settings_.PanelFont);
}

void TSetupDlg::CBTDRDDisplayClick(Component&) {
    settings_.SPYSpeedInDisplay = CBTDRDDisplay->Checked() ? 1 : 0;
    PanelChanged();
}

void TSetupDlg::RadioGroupInDisplayClick(Component&) {
    const ConnectTimeFlags flags = ConnectTimeOfItem(RadioGroupInDisplay->ItemIndex());
    settings_.DisplayConnectTime = flags.session;
    settings_.DisplayTotalConnectTimeInDisplay = flags.total;
    PanelChanged();
}

void TSetupDlg::StatusGroupClick(Component&) {
    settings_.Title = OneTwoZeroValue(StatusGroup->ItemIndex());
}

void TSetupDlg::TitleLayoutGroupClick(Component&) {
    settings_.OrientationTitle = TitleLayoutGroup->ItemIndex() + kFirstTitleLayout;
    connection_.TitleDirty = true;
}

void TSetupDlg::LampLookGroupClick(Component&) {
    settings_.LampLookTitle = LampLookGroup->ItemIndex();
    connection_.TitleDirty = true;
}

void TSetupDlg::RadioGroupInTitleClick(Component&) {
    const ConnectTimeFlags flags = ConnectTimeOfItem(RadioGroupInTitle->ItemIndex());
    settings_.DisplayConnectTimeInTitlebar = flags.session;
    settings_.DisplayTotalConnectTimeInTitlebar = flags.total;
}

void TSetupDlg::FontTitlebarClick(Component&) {
    FontButton(settings_.TitleBarFont);
}

void TSetupDlg::BitBtnFontColorClick(Component&) {
    if (const std::optional<Colour> chosen =
            services_.dialogs.ChooseColour(settings_.TitleBarFont.colour)) {
        settings_.TitleBarFont.colour = *chosen;
    }
    FontChanged();
    PaintBoxTitlebarFont->Show(settings_.TitleBarFont.colour);
}

void TSetupDlg::BitBtnTitlebarbackgroundClick(Component&) {
    if (const std::optional<Colour> chosen =
            services_.dialogs.ChooseColour(settings_.FontTitlebarBackgroundColor)) {
        settings_.FontTitlebarBackgroundColor = *chosen;
    }
    connection_.PanelDirty = true;
    PaintBoxTitlebarBG->Show(settings_.FontTitlebarBackgroundColor);
}

void TSetupDlg::BitBtnResetFontClick(Component&) {
    host_.UseCaptionFont();
    PaintBoxTitlebarFont->Show(settings_.TitleBarFont.colour);
    PaintBoxTitlebarBG->Show(settings_.FontTitlebarBackgroundColor);
}

}  // namespace lw

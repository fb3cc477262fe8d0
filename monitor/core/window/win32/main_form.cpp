#include "monitor/core/window/win32/main_form.h"

#include <windowsx.h>

#include "monitor/core/settings/win32/private_profile.h"
#include "monitor/core/window/command_line.h"
#include "monitor/core/window/main_commands.h"

namespace lw {
namespace {

// A small captioned panel; the drawing sizes it at its first painting.
FormFrame MainFrame() {
    return {.caption = "LineWink",
            .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
            .width = 100,
            .height = 10};
}

bool LeftButtonDown() {
    return (GetKeyState(VK_LBUTTON) & 0x8000) != 0 || (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0;
}

}  // namespace

MainForm::MainForm(Win32Application& application, const MainFormOptions& options)
    : Win32Form(application, MainFrame()),
      frame_(Handle()),
      windowBoxes_(Handle()),
      sampler_(
          {driverDevice_, chip_, lights_, launcher_, dialer_, statistics_, commPorts_, clock_}),
      system_(options.arguments, options.showCommand),
      driver_(driverDevice_),
      settingsFile_(options.settingsFile),
      main_(*this, {*this, system_, driver_, modem_,
                    [this] { return std::make_unique<PrivateProfile>(settingsFile_); }, appearance_,
                    clock_, windowBoxes_, sounds_, sampler_, logs_, dates_, dialogLink_,
                    ProgramLogFileNames()}),
      modem_(main_.Boxes()),
      about_(application),
      selectReg_(application, setupSystem_.Keys(), main_.Settings()),
      discovery_({main_.Settings(), main_.Sampling(), main_.Connection(),
                  main_.CaptionDuringSetup(), static_cast<PortSwitchWindow&>(*this), system_,
                  [this] { return std::make_unique<PrivateProfile>(settingsFile_); }, appearance_,
                  clock_, ParseCommandLine(options.arguments).autoCheck},
                 setupSystem_.Keys(), selectReg_),
      setup_(application,
             SetupServices{main_.Settings(), main_.Sampling(), main_.Connection(),
                           static_cast<SetupHost&>(*this), setupBoxes_, driver_, modem_,
                           setupSystem_, setupDialogs_, discovery_, sounds_, clock_, dates_}),
      splash_(application) {
    setupBoxes_.SetOwner(setup_.Handle());
    setupDialogs_.SetOwner(setup_.Handle());
    dialogLink_.Attach(setup_.Dialog());
    selectReg_.OnChosen = Handler<const std::string&>::Of<&MainForm::RegistryEntryChosen>(*this);
    // The icon joins the notification area when the start-up says so, not before: an icon
    // without a picture would stand there until the first drawing.
    BeginLoading();
    tray_ = &Component::Create<TPGTrayIcon95>(*this, trayServices_.Services());
    tray_->SetAutoPopup(true);
    tray_->SetOptions({});
    tray_->SetPopupMenu(&main_.Menu());
    tray_->OnDblClick = NotifyEvent::Of<&MainForm::TrayDoubleClick>(*this);
    EndLoading();
}

// The tray icon and the menu refer to what this form holds: they go first.
MainForm::~MainForm() {
    KillTimer(Handle(), kTickTimer);
    DestroyComponents();
}

bool MainForm::Create() {
    return main_.Create();
}

void MainForm::TrayDoubleClick(Component&) {
    main_.OnTrayDoubleClick();
}

bool MainForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_PAINT:
            if (!drawing_) {
                return false;
            }
            drawing_->Paint();
            return true;
        case WM_ERASEBKGND:
            result = 1;
            return drawing_ && drawing_->EraseBackground(reinterpret_cast<HDC>(wParam));
        case WM_SIZE:
            if (drawing_ && wParam != SIZE_MINIMIZED) {
                drawing_->OnResize();
            }
            return false;
        case WM_TIMER:
            if (wParam != kTickTimer) {
                return false;
            }
            main_.OnTimer();
            return true;
        case WM_SYSCOMMAND:
            return main_.OnSystemCommand(static_cast<unsigned>(wParam));
        case WM_NCHITTEST:
            return HitTest(lParam, result);
        case WM_WININICHANGE:
            result = DefWindowProcA(Handle(), message, wParam, lParam);
            main_.OnSystemSettingsChanged();
            return true;
        case WM_COPYDATA: {
            // Any program can send one: a record that is not there is refused.
            const auto* record = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            if (record != nullptr) {
                sampler_.OnLightsHandOver(main_.Sampling(), main_.Settings(), record->dwData,
                                          CopyDataText(*record));
            }
            result = record != nullptr;
            return true;
        }
        case WM_CHAR:
            main_.OnKey(static_cast<char>(wParam));
            return true;
        case WM_CONTEXTMENU:
            return ShowMenu(lParam);
        case WM_QUERYENDSESSION:
            result = main_.Closing() != ClosingState::Running || main_.CanClose();
            return true;
        case WM_ENDSESSION:
            if (wParam) {
                main_.Shutdown();
            }
            return true;
        default:
            return false;
    }
}

// While the left button is down the whole panel is a caption, so that it can be dragged
// anywhere.
bool MainForm::HitTest(LPARAM lParam, LRESULT& result) {
    result = DefWindowProcA(Handle(), WM_NCHITTEST, 0, lParam);
    if (result == HTCLIENT && LeftButtonDown()) {
        result = HTCAPTION;
    }
    return true;
}

// The panel's menu opens on the panel (from the keyboard, at the cursor); the caption keeps
// its system menu.
bool MainForm::ShowMenu(LPARAM lParam) {
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (lParam == -1) {
        GetCursorPos(&at);
    } else if (DefWindowProcA(Handle(), WM_NCHITTEST, 0, lParam) != HTCLIENT) {
        return false;
    }
    main_.Menu().Popup(at.x, at.y);
    return true;
}

void MainForm::LoadTrayIcons() {
    trayIcon_.emplace(*tray_);
}

void MainForm::CreateDrawingContext() {
    drawing_ = std::make_unique<PanelDrawing>(
        Handle(), DrawingRecords{main_.Settings(), main_.Sampling(), main_.Connection()},
        static_cast<PanelHost&>(*this), sampler_, clock_);
    drawing_->SetTrayIcon(&*trayIcon_);
}

void MainForm::MakeGdiFonts() {
    if (drawing_) {
        drawing_->MakeGdiFonts();
    }
}

void MainForm::UseCaptionFont() {
    if (drawing_) {
        drawing_->UseCaptionFont();
    }
}

void MainForm::ReleaseDrawing() {
    drawing_.reset();
}

void MainForm::SetBounds(int left, int top, int width, int height) {
    SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Without WS_BORDER the caption goes (the dialog frame stays). The panel is sized again only
// once the drawing knows its height; before its first drawing it sizes itself.
void MainForm::ApplyTitleBar(bool hidden) {
    const LONG_PTR current = GetWindowLongPtrA(Handle(), GWL_STYLE);
    SetWindowLongPtrA(Handle(), GWL_STYLE,
                      hidden ? current & ~LONG_PTR{WS_BORDER} : current | WS_BORDER);
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!drawing_ || drawing_->PanelHeight() <= 0) {
        return;
    }
    if (hidden) {
        drawing_->SetPanelHeight(drawing_->PanelHeight() - GetSystemMetrics(SM_CYSIZE) - 1);
    }
    const int width = main_.Settings().WindowSizeX;
    if (width > 0 && drawing_->PanelHeight() > 0) {
        SetWindowPos(Handle(), nullptr, 0, 0, width, drawing_->PanelHeight(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

WindowPlace MainForm::Place() const {
    RECT bounds{};
    GetWindowRect(Handle(), &bounds);
    return {bounds.left, bounds.top};
}

// Shown as the application stands: a window shown while the application is minimised goes
// with it, and comes back when it is restored.
void MainForm::PlaceNotTopmost() {
    SetVisible(true);
    SetWindowPos(Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    if (IsIconic(Win32App().Handle())) {
        App().WindowMinimized();
    }
}

void MainForm::SetTopmost(bool topmost) {
    const UINT keep = SWP_NOMOVE | SWP_NOSIZE;
    SetWindowPos(Handle(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 topmost ? keep : keep | SWP_NOACTIVATE);
}

void MainForm::InvalidatePanel() {
    InvalidateRect(Handle(), nullptr, FALSE);
}

void MainForm::DrawPanelNow() {
    if (drawing_) {
        drawing_->DrawNow();
    }
}

void MainForm::RemoveTitleBarDisplay() {
    if (drawing_) {
        drawing_->RemoveTitleBarDisplay();
    }
}

void MainForm::ClearForegroundTitleBar() {
    HWND owner = GetForegroundWindow();
    for (HWND parent = owner; parent != nullptr; parent = GetParent(parent)) {
        owner = parent;
    }
    if (owner != nullptr) {
        PostMessageA(owner, WM_NCACTIVATE, 1, 0);
    }
}

void MainForm::AddSystemMenuEntries() {
    const HMENU menu = GetSystemMenu(Handle(), FALSE);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, kSetupSystemCommand, "&Setup...");
    AppendMenuA(menu, MF_STRING, kAboutSystemCommand, "&About...");
    AppendMenuA(menu, MF_STRING, kHelpSystemCommand, "&HELP");
}

void MainForm::SetUpdateNowEntry(bool shown) {
    const HMENU menu = GetSystemMenu(Handle(), FALSE);
    DeleteMenu(menu, kUpdateNowCommand, MF_BYCOMMAND);
    if (shown) {
        AppendMenuA(menu, MF_STRING, kUpdateNowCommand, "Update Lamps &Now!");
    }
}

void MainForm::SetTimerInterval(unsigned milliseconds) {
    KillTimer(Handle(), kTickTimer);
    if (milliseconds > 0) {
        SetTimer(Handle(), kTickTimer, milliseconds, nullptr);
    }
}

void MainForm::ShowSplash() {
    splash_.Present();
}

void MainForm::ShowAboutBox() {
    about_.ShowModal();
}

bool MainForm::SetupDialogVisible() const {
    return setup_.Visible();
}

ModalResult MainForm::ShowSetupDialog() {
    return tray_->ShowModalForm(&setup_);
}

void MainForm::UpdateTrayIcon() {
    if (drawing_) {
        drawing_->UpdateTrayIcon();
    }
}

void MainForm::RequestRedraw() {
    main_.Connection().NeedRedraw = true;
    InvalidatePanel();
}

void MainForm::ShowHelpContext(unsigned context) {
    ShowHelp(main_.HelpFile(), context);
}

// The panel's height stays as the drawing last made it; the application comes back from the
// taskbar or the tray.
void MainForm::ShowNormalAt(int left, int top, int width) {
    if (IsIconic(Win32App().Handle())) {
        App().Restore();
    }
    RECT bounds;
    GetWindowRect(Handle(), &bounds);
    const int height = drawing_ && drawing_->PanelHeight() > 0 ? drawing_->PanelHeight()
                                                               : bounds.bottom - bounds.top;
    SetVisible(true);
    SetWindowPos(Handle(), nullptr, left, top, width > 0 ? width : bounds.right - bounds.left,
                 height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void MainForm::ShowSessionTraffic(std::int32_t transmitted, std::int32_t received) {
    setup_.Dialog().ShowSessionTraffic(transmitted, received);
}

void MainForm::ClearSessionTraffic() {
    setup_.Dialog().ClearSessionTraffic();
}

// A statistics name picked in the registry-entry dialog shows in the settings dialog at once.
void MainForm::RegistryEntryChosen(const std::string& name) {
    setup_.Dialog().ComboBDeviceDesc->SetText(name);
}

void MainForm::SetupDialogRelay::ShowConnectTime(const std::string& text) {
    if (dialog_ != nullptr) {
        dialog_->ShowConnectTime(text);
    }
}

void MainForm::SetupDialogRelay::ClearScheduledDisconnect() {
    if (dialog_ != nullptr) {
        dialog_->ClearScheduledDisconnect();
    }
}

void MainForm::SetupDialogRelay::Refresh() {
    if (dialog_ != nullptr) {
        dialog_->Refresh();
    }
}

void MainForm::SetTrayIconActive(bool active) {
    tray_->SetActive(active);
}

void MainForm::TrayShowApp() {
    tray_->ShowApp();
}

void MainForm::TrayHideApp() {
    tray_->HideApp();
}

void MainForm::ShowHelp(const std::string& file, unsigned context) {
    WinHelpA(Handle(), file.c_str(), HELP_CONTEXT, context);
}

void MainForm::CloseHelp(const std::string& file) {
    WinHelpA(Handle(), file.c_str(), HELP_QUIT, 0);
}

bool MainForm::Minimized() const {
    return IsIconic(Win32App().Handle()) || !IsWindowVisible(Handle());
}

void MainForm::MinimizeApplication() {
    App().Minimize();
}

void MainForm::RestoreFromTray() {
    main_.OnTrayDoubleClick();
}

void MainForm::HideTaskbarWindow() {
    App().Window().Show(ShowCommand::Hide);
}

}  // namespace lw

#include "installer/ui/win32/install_screen.h"

#include "installer/ui/colour_field.h"
#include "installer/ui/screen_geometry.h"
#include "installer/ui/title_text.h"
#include "installer/ui/win32/gdi_handles.h"

namespace aw {
namespace {

constexpr char kClassName[] = "wndclassawbk";

const ScreenRect& ButtonRecord(const ScreenLayout& layout, std::size_t i) {
    const ScreenRect* records[] = {&layout.ExitButton, &layout.HelpButton, &layout.MinimiseButton};
    return *records[i];
}

const PictureButtonKind& ButtonKind(std::size_t i) {
    static const PictureButtonKind* const kinds[] = {&kExitButton, &kHelpButton, &kMinimiseButton};
    return *kinds[i];
}

bool RegisterScreenClass(WNDPROC proc) {
    static const bool registered = [proc] {
        WNDCLASSA screen = {};
        // The field depends on the whole client area: any new size repaints all of it.
        screen.style = CS_HREDRAW | CS_VREDRAW;
        screen.lpfnWndProc = proc;
        screen.hInstance = GetModuleHandleA(nullptr);
        screen.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        screen.lpszClassName = kClassName;
        return RegisterClassA(&screen) != 0;
    }();
    return registered;
}

// A title's font at its height and style, narrowed when the text is wider than its box.
GdiObject<HFONT> TitleFontIn(HDC dc, const TitleText& title, PixelSize client) {
    const TitleFont font = TitleFontFor(title, client);
    auto make = [&](int width) {
        return GdiObject<HFONT>(
            CreateFontA(font.Height, width, 0, 0, font.Bold ? FW_BOLD : FW_NORMAL, font.Italic,
                        FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                        DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, font.Face.c_str()));
    };
    GdiObject<HFONT> natural = make(0);
    if (!natural) {
        return natural;
    }
    Selection selected(dc, natural.Get());
    TEXTMETRICA metrics;
    SIZE extent;
    if (!GetTextMetricsA(dc, &metrics) ||
        !GetTextExtentPoint32A(dc, title.Text.c_str(), static_cast<int>(title.Text.size()),
                               &extent)) {
        return {};
    }
    const int width = FittedCharacterWidth(metrics.tmAveCharWidth, extent.cx,
                                           FromThousandths(title.Place.Width, client.Width));
    return width == 0 ? std::move(natural) : make(width);
}

}  // namespace

InstallScreen::InstallScreen(const ScreenLayout& layout, ScreenInterface& controller)
    : layout_(layout), controller_(controller) {}

InstallScreen::~InstallScreen() {
    Destroy();
}

bool InstallScreen::Create(const std::string& productName) {
    if (window_ != nullptr || !RegisterScreenClass(Proc)) {
        return false;
    }
    LoadPictures();
    DWORD style = static_cast<DWORD>(layout_.WindowStyle) & ~WS_VISIBLE;
    PixelSize pictureWindow;
    if (layout_.SizeMode == 2) {
        if (!background_.Loaded()) {
            return false;
        }
        RECT frame{0, 0, background_.Size().Width, background_.Size().Height};
        AdjustWindowRectEx(&frame, style, FALSE, 0);
        pictureWindow = {frame.right - frame.left, frame.bottom - frame.top};
    }
    const PixelSize screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const ScreenWindowPlace place = PlaceScreenWindow(layout_, screen, pictureWindow);
    if (place.Maximised) {
        style |= WS_MAXIMIZE;
    }
    CreateWindowExA(0, kClassName, productName.c_str(), style, place.Rect.Left, place.Rect.Top,
                    place.Rect.Width, place.Rect.Height, nullptr, nullptr,
                    GetModuleHandleA(nullptr), this);
    if (window_ == nullptr) {
        return false;
    }
    ShowWindow(window_, place.Maximised ? SW_SHOWMAXIMIZED : SW_SHOW);
    UpdateWindow(window_);
    return true;
}

bool InstallScreen::Realise() {
    if (window_ == nullptr) {
        return false;
    }
    const HINSTANCE resources = controller_.ResourceInstance();
    const PixelSize client = ClientSize();
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const ScreenRect& record = ButtonRecord(layout_, i);
        if (record.Visible == 0 || buttons_[i]) {
            continue;
        }
        buttons_[i] = std::make_unique<PictureButtonWindow>(
            window_, resources, ButtonKind(i),
            PictureButtonPlace(RectFromThousandths(record, client)));
        if (!buttons_[i]->Created()) {
            return false;
        }
    }
    if (layout_.Gauge.Visible != 0 && !gauge_) {
        gauge_ = std::make_unique<ActivityGaugeWindow>(
            window_, resources, PointFromThousandths(layout_.Gauge.X, layout_.Gauge.Y, client));
        if (!gauge_->Created()) {
            return false;
        }
    }
    return true;
}

void InstallScreen::GaugePulse() {
    if (gauge_) {
        gauge_->Pulse();
    }
}

void InstallScreen::Destroy() {
    gauge_.reset();
    for (auto& button : buttons_) {
        button.reset();
    }
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

LRESULT CALLBACK InstallScreen::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<InstallScreen*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<InstallScreen*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        return self->controller_.ScreenMessage(window, message, wParam, lParam);
    }
    return self->OnMessage(message, wParam, lParam);
}

LRESULT InstallScreen::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_MOVE:
        case WM_SIZE:
            PlaceButtons();
            return 0;
        case WM_QUERYNEWPALETTE:
            return 0;
        case WM_PALETTECHANGED:
            if (reinterpret_cast<HWND>(wParam) != window_) {
                InvalidateRect(window_, nullptr, FALSE);
            }
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) >= kExitCommand && LOWORD(wParam) <= kMinimiseCommand) {
                OnButtonCommand(LOWORD(wParam), reinterpret_cast<HWND>(lParam));
                return 0;
            }
            break;
        default:
            break;
    }
    return controller_.ScreenMessage(window_, message, wParam, lParam);
}

void InstallScreen::OnButtonCommand(int command, HWND focus) {
    switch (command) {
        case kExitCommand:
            controller_.ExitCommand(focus);
            break;
        case kHelpCommand:
            controller_.HelpCommand(focus);
            break;
        default:
            controller_.MinimiseCommand();
            break;
    }
}

void InstallScreen::LoadPictures() {
    if (layout_.BackgroundMode != 0 || layout_.SizeMode == 2) {
        background_.Load(controller_.BackgroundPictureFile());
    }
    if (layout_.Bitmap.Place.Visible != 0) {
        bitmap_.Load(controller_.BitmapPictureFile());
    }
    if (layout_.Metafile.Place.Visible != 0) {
        metafile_.Load(controller_.MetafilePictureFile());
    }
}

PixelSize InstallScreen::ClientSize() const {
    RECT client;
    GetClientRect(window_, &client);
    return {client.right, client.bottom};
}

void InstallScreen::PlaceButtons() {
    const PixelSize client = ClientSize();
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i]) {
            buttons_[i]->Place(
                PictureButtonPlace(RectFromThousandths(ButtonRecord(layout_, i), client)));
        }
    }
}

void InstallScreen::Paint() {
    PaintSession paint(window_);
    const PixelSize client = ClientSize();
    PaintBackground(paint.Dc(), paint.Area(), client);
    PaintPictures(paint.Dc(), client);
    PaintTitles(paint.Dc(), client);
}

void InstallScreen::PaintBackground(HDC dc, const RECT& area, PixelSize client) {
    // Without its picture the screen shows its colour field rather than what lay beneath.
    if (layout_.BackgroundMode == 1 && background_.Loaded()) {
        background_.DrawTiled(dc, area);
        return;
    }
    if (layout_.BackgroundMode == 2 && background_.Loaded()) {
        background_.DrawStretched(dc, {0, 0, client.Width, client.Height});
        return;
    }
    const CornerColours corners = {static_cast<Colour>(layout_.CornerColours[0]),
                                   static_cast<Colour>(layout_.CornerColours[1]),
                                   static_cast<Colour>(layout_.CornerColours[2]),
                                   static_cast<Colour>(layout_.CornerColours[3])};
    const PixelRect paintArea{area.left, area.top, area.right - area.left, area.bottom - area.top};
    for (const ColourFill& fill : ColourFieldFills(corners, client, paintArea)) {
        const RECT cell{fill.Rect.Left, fill.Rect.Top, fill.Rect.Left + fill.Rect.Width,
                        fill.Rect.Top + fill.Rect.Height};
        FillSolid(dc, cell, fill.Fill);
    }
}

void InstallScreen::PaintPictures(HDC dc, PixelSize client) {
    if (layout_.Bitmap.Place.Visible != 0 && bitmap_.Loaded()) {
        const PixelRect place = RectFromThousandths(layout_.Bitmap.Place, client);
        if (layout_.Bitmap.DrawMode == 1) {
            bitmap_.DrawStretched(dc, place);
        } else {
            bitmap_.DrawCentred(dc, {place.Left, place.Top});
        }
    }
    if (layout_.Metafile.Place.Visible != 0 && metafile_.Loaded()) {
        metafile_.Play(dc, RectFromThousandths(layout_.Metafile.Place, client));
    }
}

void InstallScreen::PaintTitles(HDC dc, PixelSize client) {
    const int shadow = ShadowDistance(GetDeviceCaps(dc, LOGPIXELSY));
    SetBkMode(dc, TRANSPARENT);
    for (const auto& title : layout_.Titles.Texts) {
        if (title->Place.Visible == 0) {
            continue;
        }
        const GdiObject<HFONT> font = TitleFontIn(dc, *title, client);
        if (!font) {
            return;
        }
        Selection selected(dc, font.Get());
        for (const TextCopy& copy : TitleCopies(*title, client, shadow)) {
            SetTextColor(dc, copy.Ink);
            TextOutA(dc, copy.At.X, copy.At.Y, title->Text.c_str(),
                     static_cast<int>(title->Text.size()));
        }
    }
}

}  // namespace aw

#include "monitor/setup/win32/common_dialogs.h"

#include <commdlg.h>
#include <dlgs.h>

#include <cstdlib>
#include <cstring>

#include "monitor/forms/win32/application_window.h"

namespace lw {
namespace {

const char kApplyProperty[] = "LwFontApply";

int PixelsPerInch() {
    const HDC screen = GetDC(nullptr);
    const int pixels = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// "Sound files|*.wav|All files (*.*)|*.*" as the dialog takes it: NUL-separated pairs ending
// in two NULs.
std::string FilterList(const std::string& filter) {
    std::string list = filter;
    for (char& c : list) {
        if (c == '|') {
            c = '\0';
        }
    }
    list.append(2, '\0');
    return list;
}

struct FontApply {
    const std::function<void(const FontSpec&)>* apply;
};

// The colour the font dialog shows in its colour list.
COLORREF ShownColour(HWND dialog, COLORREF fallback) {
    const HWND colours = GetDlgItem(dialog, cmb4);
    const LRESULT index = SendMessageA(colours, CB_GETCURSEL, 0, 0);
    if (colours == nullptr || index == CB_ERR) {
        return fallback;
    }
    return static_cast<COLORREF>(SendMessageA(colours, CB_GETITEMDATA, index, 0));
}

// Apply hands the font shown to the caller; the dialog stays open.
UINT_PTR CALLBACK FontHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* choose = reinterpret_cast<const CHOOSEFONTA*>(lParam);
        SetPropA(dialog, kApplyProperty, reinterpret_cast<HANDLE>(choose->lCustData));
        return TRUE;
    }
    if (message == WM_DESTROY) {
        RemovePropA(dialog, kApplyProperty);
        return FALSE;
    }
    if (message != WM_COMMAND || LOWORD(wParam) != psh3) {
        return FALSE;
    }
    const auto* context = static_cast<const FontApply*>(GetPropA(dialog, kApplyProperty));
    if (context == nullptr) {
        return FALSE;
    }
    LOGFONTA shape = {};
    SendMessageA(dialog, WM_CHOOSEFONT_GETLOGFONT, 0, reinterpret_cast<LPARAM>(&shape));
    FontSpec shown = FontOf(shape);
    shown.colour = ShownColour(dialog, 0);
    try {
        (*context->apply)(shown);
    } catch (const std::exception& error) {
        Win32Application::ReportError(error);
    }
    return TRUE;
}

}  // namespace

LOGFONTA LogFontOf(const FontSpec& font) {
    LOGFONTA shape = {};
    shape.lfHeight = font.size > 0 ? -MulDiv(font.size, PixelsPerInch(), 72) : font.size;
    shape.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    shape.lfItalic = font.italic;
    shape.lfUnderline = font.underline;
    shape.lfStrikeOut = font.strikeOut;
    shape.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(shape.lfFaceName, font.face.c_str(), LF_FACESIZE);
    return shape;
}

FontSpec FontOf(const LOGFONTA& shape) {
    FontSpec font;
    font.face = shape.lfFaceName;
    font.size = shape.lfHeight < 0 ? MulDiv(-shape.lfHeight, 72, PixelsPerInch()) : shape.lfHeight;
    font.bold = shape.lfWeight >= FW_BOLD;
    font.italic = shape.lfItalic != 0;
    font.underline = shape.lfUnderline != 0;
    font.strikeOut = shape.lfStrikeOut != 0;
    return font;
}

// The dialog starts from `fileName`: in its folder, with its name, or with its pattern as the
// files shown.
std::optional<std::string> Win32CommonDialogs::OpenFile(const std::string& filter,
                                                        const std::string& fileName) {
    const std::string filters = FilterList(filter);
    char file[MAX_PATH] = {};
    lstrcpynA(file, fileName.c_str(), MAX_PATH);
    OPENFILENAMEA open = {};
    open.lStructSize = sizeof open;
    open.hwndOwner = owner_;
    open.lpstrFilter = filters.c_str();
    open.nFilterIndex = 1;
    open.lpstrFile = file;
    open.nMaxFile = MAX_PATH;
    open.Flags =
        OFN_EXPLORER | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameA(&open)) {
        return std::nullopt;
    }
    return std::string(file);
}

std::optional<Colour> Win32CommonDialogs::ChooseColour(Colour colour) {
    CHOOSECOLORA choose = {};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = owner_;
    choose.rgbResult = colour;
    choose.lpCustColors = customColours_;
    choose.Flags = CC_RGBINIT;
    if (!ChooseColorA(&choose)) {
        return std::nullopt;
    }
    return choose.rgbResult;
}

std::optional<FontSpec> Win32CommonDialogs::PickFont(
    const FontSpec& font, const std::function<void(const FontSpec&)>& apply) {
    LOGFONTA shape = LogFontOf(font);
    FontApply context{&apply};
    CHOOSEFONTA choose = {};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = owner_;
    choose.lpLogFont = &shape;
    choose.Flags = CF_SCREENFONTS | CF_ANSIONLY | CF_FORCEFONTEXIST | CF_INITTOLOGFONTSTRUCT |
                   CF_EFFECTS | CF_APPLY | CF_ENABLEHOOK;
    choose.rgbColors = font.colour;
    choose.lCustData = reinterpret_cast<LPARAM>(&context);
    choose.lpfnHook = FontHook;
    if (!ChooseFontA(&choose)) {
        return std::nullopt;
    }
    FontSpec chosen = FontOf(shape);
    if (choose.iPointSize > 0) {
        chosen.size = choose.iPointSize / 10;
    }
    chosen.colour = choose.rgbColors;
    return chosen;
}

}  // namespace lw

#include "monitor/setup/win32/setup_controls.h"

#include <commctrl.h>

#include <stdexcept>

#include "monitor/controls/win32/control_system.h"
#include "monitor/forms/win32/application_window.h"

namespace lw {
namespace {

const char kPageClass[] = "LwSetupPage";
const char kSwatchClass[] = "LwSetupSwatch";
// Room below a drop-down list's edit for its list.
constexpr int kDropDownList = 160;

HWND AsHwnd(WindowHandle handle) {
    return reinterpret_cast<HWND>(handle);
}

void RegisterClassOnce(const char* name, WNDPROC procedure, HBRUSH background) {
    WNDCLASSA existing = {};
    if (GetClassInfoA(GetModuleHandleA(nullptr), name, &existing)) {
        return;
    }
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    if (RegisterClassA(&windowClass) == 0) {
        throw std::runtime_error(std::string("Couldn't register window class: ") + name);
    }
}

void ReportError(const std::exception& error) {
    Win32Application::ReportError(error);
}

// A page: hands its controls' notifications on and gives them the dialog's font.
LRESULT CALLBACK PageProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* router = reinterpret_cast<ControlRouter*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    try {
        LRESULT result = 0;
        if (router != nullptr && router->Route(message, wParam, lParam, result)) {
            return result;
        }
    } catch (const std::exception& error) {
        ReportError(error);
        return 0;
    }
    if (message == WM_GETFONT) {
        return reinterpret_cast<LRESULT>(Win32DialogWindows::DialogFont());
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class PushButton : public Win32Control {
  public:
    using Win32Control::Win32Control;
    void Command(WORD code) override {
        if (code == BN_CLICKED) {
            Events().Clicked();
        }
    }
};

// Check boxes and radio buttons that do not tick themselves: the control decides.
class CheckButton : public PushButton {
  public:
    using PushButton::PushButton;
    bool Checked() const override { return SendMessageA(Hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void SetChecked(bool checked) override {
        SendMessageA(Hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
};

class StaticControl : public Win32Control {
  public:
    using Win32Control::Win32Control;
};

class EditControl : public Win32Control {
  public:
    using Win32Control::Win32Control;
    void Command(WORD code) override {
        if (code == EN_CHANGE && !Quiet()) {
            Events().TextEdited();
        }
    }
};

// An editable drop-down list. A pick from the list is the text's change, with the item's
// text already in place.
class DropDownControl : public Win32Control {
  public:
    using Win32Control::Win32Control;
    void SetItems(const std::vector<std::string>& items) override {
        QuietScope quiet(*this);
        const std::string text = Text();
        SendMessageA(Hwnd(), CB_RESETCONTENT, 0, 0);
        for (const std::string& item : items) {
            SendMessageA(Hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        }
        SetWindowTextA(Hwnd(), text.c_str());
    }
    void Command(WORD code) override {
        if (Quiet()) {
            return;
        }
        if (code == CBN_EDITCHANGE) {
            Events().TextEdited();
        } else if (code == CBN_SELCHANGE) {
            const LRESULT index = SendMessageA(Hwnd(), CB_GETCURSEL, 0, 0);
            if (index == CB_ERR) {
                return;
            }
            std::string item(SendMessageA(Hwnd(), CB_GETLBTEXTLEN, index, 0), '\0');
            SendMessageA(Hwnd(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(item.data()));
            Win32Control::SetText(item.c_str());
            Events().TextEdited();
        }
    }
};

class PickerControl : public Win32Control {
  public:
    using Win32Control::Win32Control;
    DayCount Value() const override {
        SYSTEMTIME time = {};
        SendMessageA(Hwnd(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
        return EncodeDateTime({time.wYear, time.wMonth, time.wDay},
                              {time.wHour, time.wMinute, time.wSecond, time.wMilliseconds});
    }
    void SetValue(DayCount value) override {
        const CalendarDate date = DecodeDate(value);
        const TimeOfDay clock = DecodeTime(value);
        SYSTEMTIME time = {};
        time.wYear = static_cast<WORD>(date.year);
        time.wMonth = static_cast<WORD>(date.month);
        time.wDay = static_cast<WORD>(date.day);
        time.wHour = static_cast<WORD>(clock.hour);
        time.wMinute = static_cast<WORD>(clock.minute);
        time.wSecond = static_cast<WORD>(clock.second);
        QuietScope quiet(*this);
        SendMessageA(Hwnd(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
    }
    void Notify(const NMHDR& header) override {
        if (header.code == DTN_DATETIMECHANGE && !Quiet()) {
            Events().ValuePicked();
        }
    }
};

// A one-pixel black frame around a field of the colour.
class SwatchControl : public Win32Control {
  public:
    SwatchControl(ControlRouter& router, HWND window, ControlEvents& events)
        : Win32Control(router, window, events, {}) {
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~SwatchControl() override { SetWindowLongPtrA(Hwnd(), GWLP_USERDATA, 0); }
    void SetColour(Colour colour) override { colour_ = colour; }

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        const auto* swatch =
            reinterpret_cast<const SwatchControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (message != WM_PAINT || swatch == nullptr) {
            return DefWindowProcA(window, message, wParam, lParam);
        }
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        RECT inside;
        GetClientRect(window, &inside);
        FrameRect(dc, &inside, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&inside, -1, -1);
        const HBRUSH fill = CreateSolidBrush(swatch->colour_);
        FillRect(dc, &inside, fill);
        DeleteObject(fill);
        EndPaint(window, &paint);
        return 0;
    }

  private:
    Colour colour_ = 0;
};

class TabsControl : public Win32Control {
  public:
    using Win32Control::Win32Control;
    void AddTab(const std::string& caption) override {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        std::string text = caption;
        item.pszText = text.data();
        const LRESULT count = SendMessageA(Hwnd(), TCM_GETITEMCOUNT, 0, 0);
        SendMessageA(Hwnd(), TCM_INSERTITEMA, count, reinterpret_cast<LPARAM>(&item));
    }
    void SelectTab(int index) override { SendMessageA(Hwnd(), TCM_SETCURSEL, index, 0); }
    ControlRect PageBounds() const override {
        RECT area;
        GetClientRect(Hwnd(), &area);
        SendMessageA(Hwnd(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
        return {area.left, area.top, area.right, area.bottom};
    }
    void Notify(const NMHDR& header) override {
        if (header.code == static_cast<UINT>(TCN_SELCHANGE)) {
            Events().TabChosen(static_cast<int>(SendMessageA(Hwnd(), TCM_GETCURSEL, 0, 0)));
        }
    }
};

struct WindowRecipe {
    const char* className;
    DWORD style;
    DWORD exStyle;
    int extraHeight;
};

WindowRecipe RecipeFor(const ControlSpec& spec) {
    constexpr DWORD kTab = WS_TABSTOP;
    switch (spec.kind) {
        case ControlKind::Button:
        case ControlKind::CancelButton:
            return {"BUTTON", BS_PUSHBUTTON | kTab, 0, 0};
        case ControlKind::DefaultButton:
            return {"BUTTON", BS_DEFPUSHBUTTON | kTab, 0, 0};
        case ControlKind::CheckBox:
            return {"BUTTON", BS_CHECKBOX | kTab, 0, 0};
        case ControlKind::RadioButton:
            return {"BUTTON", BS_RADIOBUTTON, 0, 0};
        case ControlKind::GroupBox:
            return {"BUTTON", BS_GROUPBOX, WS_EX_TRANSPARENT, 0};
        case ControlKind::Label:
            // Texts set later are data, shown as they stand.
            return {"STATIC",
                    static_cast<DWORD>((spec.look.centred ? SS_CENTER : SS_LEFT) |
                                       (spec.caption.empty() ? SS_NOPREFIX : 0)),
                    0, 0};
        case ControlKind::Edit:
            return {"EDIT", ES_AUTOHSCROLL | kTab, WS_EX_CLIENTEDGE, 0};
        case ControlKind::DropDown:
            return {"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | kTab, 0,
                    kDropDownList};
        case ControlKind::DatePicker:
            return {DATETIMEPICK_CLASSA, DTS_SHORTDATEFORMAT | kTab, 0, 0};
        case ControlKind::TimePicker:
            return {DATETIMEPICK_CLASSA, DTS_TIMEFORMAT | kTab, 0, 0};
        case ControlKind::Swatch:
            return {kSwatchClass, 0, 0, 0};
        case ControlKind::Tabs:
            return {WC_TABCONTROLA, TCS_MULTILINE | WS_CLIPCHILDREN | kTab, WS_EX_CONTROLPARENT, 0};
        case ControlKind::Page:
            return {kPageClass, WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, 0};
    }
    return {"STATIC", 0, 0, 0};
}

int ControlId(ControlKind kind, int& next) {
    if (kind == ControlKind::DefaultButton) {
        return IDOK;
    }
    if (kind == ControlKind::CancelButton) {
        return IDCANCEL;
    }
    return next++;
}

}  // namespace

bool ControlRouter::Route(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    Win32Control* control = nullptr;
    switch (message) {
        case WM_COMMAND:
            control = Find(reinterpret_cast<HWND>(lParam));
            if (control != nullptr) {
                control->Command(HIWORD(wParam));
            }
            break;
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            control = Find(header.hwndFrom);
            if (control != nullptr) {
                control->Notify(header);
            }
            break;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            control = Find(reinterpret_cast<HWND>(lParam));
            if (control != nullptr) {
                const HBRUSH brush = control->Colours(reinterpret_cast<HDC>(wParam));
                if (brush == nullptr) {
                    return false;
                }
                result = reinterpret_cast<LRESULT>(brush);
            }
            break;
        default:
            return false;
    }
    return control != nullptr;
}

Win32Control* ControlRouter::Find(HWND window) const {
    const auto found = controls_.find(window);
    return found == controls_.end() ? nullptr : found->second;
}

Win32Control::Win32Control(ControlRouter& router, HWND window, ControlEvents& events,
                           const ControlLook& look)
    : router_(router),
      window_(window),
      events_(events),
      textColour_(look.textColour),
      coloured_(look.coloured) {
    HFONT font = Win32DialogWindows::DialogFont();
    if (look.bold || look.fontHeight > 0) {
        LOGFONTA shape = {};
        GetObjectA(font, sizeof shape, &shape);
        if (look.bold) {
            shape.lfWeight = FW_BOLD;
        }
        if (look.fontHeight > 0) {
            shape.lfHeight = -look.fontHeight;
            shape.lfWidth = 0;
        }
        font_ = CreateFontIndirectA(&shape);
        font = font_;
    }
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    router_.Add(window_, *this);
}

Win32Control::~Win32Control() {
    router_.Remove(window_);
    DestroyWindow(window_);
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
}

std::string Win32Control::Text() const {
    std::string text(GetWindowTextLengthA(window_) + 1, '\0');
    text.resize(GetWindowTextA(window_, text.data(), static_cast<int>(text.size())));
    return text;
}

void Win32Control::SetText(const std::string& text) {
    QuietScope quiet(*this);
    SetWindowTextA(window_, text.c_str());
}

bool Win32Control::Visible() const {
    return (GetWindowLongPtrA(window_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32Control::SetVisible(bool visible) {
    ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
}

void Win32Control::SetBounds(const ControlRect& bounds) {
    MoveWindow(window_, bounds.left, bounds.top, bounds.Width(), bounds.Height(), TRUE);
}

HBRUSH Win32Control::Colours(HDC dc) const {
    if (!coloured_) {
        return nullptr;
    }
    SetTextColor(dc, textColour_);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

Win32DialogWindows::Win32DialogWindows() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_DATE_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    RegisterClassOnce(kPageClass, PageProcedure, GetSysColorBrush(COLOR_BTNFACE));
    RegisterClassOnce(kSwatchClass, SwatchControl::Procedure, nullptr);
}

Win32DialogWindows::~Win32DialogWindows() {
    if (tooltip_ != nullptr) {
        DestroyWindow(tooltip_);
    }
}

HFONT Win32DialogWindows::DialogFont() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

std::unique_ptr<ControlWindow> Win32DialogWindows::Create(const ControlSpec& spec,
                                                          WindowHandle parent,
                                                          ControlEvents& events) {
    std::unique_ptr<Win32Control> control = Make(spec, AsHwnd(parent), events);
    if (!spec.look.hint.empty()) {
        AddHint(AsHwnd(parent), control->Hwnd(), spec.look.hint);
    }
    return control;
}

std::unique_ptr<Win32Control> Win32DialogWindows::Make(const ControlSpec& spec, HWND parent,
                                                       ControlEvents& events) {
    const WindowRecipe recipe = RecipeFor(spec);
    DWORD style = WS_CHILD | WS_VISIBLE | recipe.style;
    // Each radio group is a group of the dialog's keys, entered at its first item.
    if (spec.kind == ControlKind::RadioButton && lastKind_ != ControlKind::RadioButton) {
        style |= WS_GROUP | WS_TABSTOP;
    } else if (spec.kind != ControlKind::RadioButton) {
        style |= WS_GROUP;
    }
    lastKind_ = spec.kind;
    const HWND window = CreateWindowExA(
        recipe.exStyle, recipe.className, spec.caption.c_str(), style, spec.bounds.left,
        spec.bounds.top, spec.bounds.Width(), spec.bounds.Height() + recipe.extraHeight, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(spec.kind, nextId_))),
        GetModuleHandleA(nullptr), spec.kind == ControlKind::Page ? &router_ : nullptr);
    if (window == nullptr) {
        throw std::runtime_error("Couldn't create the control \"" + spec.caption + "\"");
    }
    switch (spec.kind) {
        case ControlKind::Button:
        case ControlKind::DefaultButton:
        case ControlKind::CancelButton:
            return std::make_unique<PushButton>(router_, window, events, spec.look);
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            return std::make_unique<CheckButton>(router_, window, events, spec.look);
        case ControlKind::Edit:
            return std::make_unique<EditControl>(router_, window, events, spec.look);
        case ControlKind::DropDown:
            return std::make_unique<DropDownControl>(router_, window, events, spec.look);
        case ControlKind::DatePicker:
        case ControlKind::TimePicker:
            return std::make_unique<PickerControl>(router_, window, events, spec.look);
        case ControlKind::Swatch:
            return std::make_unique<SwatchControl>(router_, window, events);
        case ControlKind::Tabs:
            return std::make_unique<TabsControl>(router_, window, events, spec.look);
        case ControlKind::GroupBox:
        case ControlKind::Label:
        case ControlKind::Page:
            break;
    }
    return std::make_unique<StaticControl>(router_, window, events, spec.look);
}

TVexSpinEdit& Win32DialogWindows::CreateSpinEdit(Component& owner, WindowHandle parent,
                                                 const ControlRect& bounds) {
    lastKind_ = ControlKind::Edit;
    return MakeSpinEdit(owner, AsHwnd(parent), bounds);
}

// The hint shows when the mouse rests on the control; the tool tip window is the dialog's.
void Win32DialogWindows::AddHint(HWND parent, HWND control, const std::string& hint) {
    if (tooltip_ == nullptr) {
        tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, GetAncestor(parent, GA_ROOT),
                                   nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    std::string text = hint;
    TOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = parent;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text.data();
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace lw

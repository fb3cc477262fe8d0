// The real message boxes, driven from a thread timer inside their own message loop the way a
// user's keys and clicks would reach them.
#include "monitor/core/boxes/win32/message_box.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace lw {
namespace {

struct Button {
    HWND window;
    std::string text;
    RECT bounds;  // in the box's client coordinates
};

struct SeenBox {
    HWND window = nullptr;
    std::string text;
    std::vector<Button> buttons;  // the visible ones, left to right
    HICON icon = nullptr;         // the visible icon, if any
};

BOOL CALLBACK CollectChild(HWND child, LPARAM seenAddress) {
    auto& seen = *reinterpret_cast<SeenBox*>(seenAddress);
    if (!IsWindowVisible(child)) {
        return TRUE;
    }
    char className[32] = {};
    char text[256] = {};
    GetClassNameA(child, className, sizeof className);
    GetWindowTextA(child, text, sizeof text);
    if (lstrcmpiA(className, "Button") == 0) {
        RECT bounds;
        GetWindowRect(child, &bounds);
        MapWindowPoints(nullptr, seen.window, reinterpret_cast<POINT*>(&bounds), 2);
        seen.buttons.push_back({child, text, bounds});
    } else if (lstrcmpiA(className, "Static") == 0) {
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            seen.icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
        } else if (text[0] != '\0') {
            seen.text = text;
        }
    }
    return TRUE;
}

BOOL CALLBACK FindBox(HWND window, LPARAM found) {
    char className[16] = {};
    char title[16] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    if (std::string(className) == "#32770" && std::string(title) == kMessageBoxTitle &&
        IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

SeenBox LookAt(HWND box) {
    SeenBox seen;
    seen.window = box;
    EnumChildWindows(box, CollectChild, reinterpret_cast<LPARAM>(&seen));
    std::sort(seen.buttons.begin(), seen.buttons.end(),
              [](const Button& a, const Button& b) { return a.bounds.left < b.bounds.left; });
    return seen;
}

// What the user does once the box is on screen: looks at it and posts keys or clicks.
using Driver = std::function<void(const SeenBox&)>;
Driver g_driver;
bool g_driven = false;

void CALLBACK DriveBox(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    if (box == nullptr || g_driven) {
        return;
    }
    g_driven = true;
    g_driver(LookAt(box));
}

MessageAnswer ShowDriven(MessageIcon icon, MessageButtons buttons, Driver driver) {
    g_driver = std::move(driver);
    g_driven = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, DriveBox);
    const MessageAnswer answer = Win32MessageBoxes(nullptr).Show("Go on?", icon, buttons);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(g_driven);
    return answer;
}

void Click(const Button& button) {
    PostMessageA(button.window, BM_CLICK, 0, 0);
}

void PressKey(const SeenBox& box, UINT key, char typed) {
    HWND focus = GetFocus() != nullptr ? GetFocus() : box.window;
    PostMessageA(focus, WM_KEYDOWN, key, 1);
    if (typed != 0) {
        PostMessageA(focus, WM_CHAR, static_cast<unsigned char>(typed), 1);
    }
    PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
}

struct ButtonCase {
    MessageButtons buttons;
    std::vector<std::string> shown;
    std::vector<MessageAnswer> answers;  // clicking each shown button in turn
};

TEST(MessageBoxes, EachButtonSetShowsItsButtonsAndAnswersWithTheOneClicked) {
    const std::vector<ButtonCase> cases = {
        {MessageButtons::Ok, {"OK"}, {MessageAnswer::Ok}},
        {MessageButtons::OkCancel, {"OK", "Cancel"}, {MessageAnswer::Ok, MessageAnswer::Cancel}},
        {MessageButtons::YesNo, {"&Yes", "&No"}, {MessageAnswer::Yes, MessageAnswer::No}},
        {MessageButtons::YesNoCancel,
         {"&Yes", "&No", "Cancel"},
         {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel}},
        {MessageButtons::AbortRetry,
         {"&Abort", "&Retry"},
         {MessageAnswer::Abort, MessageAnswer::Retry}},
    };
    for (const ButtonCase& each : cases) {
        for (std::size_t clicked = 0; clicked < each.shown.size(); ++clicked) {
            SCOPED_TRACE(each.shown[clicked]);
            std::vector<std::string> shown;
            std::string text;
            const MessageAnswer answer =
                ShowDriven(MessageIcon::Warning, each.buttons, [&](const SeenBox& box) {
                    text = box.text;
                    for (const Button& button : box.buttons) {
                        shown.push_back(button.text);
                    }
                    if (clicked < box.buttons.size()) {
                        Click(box.buttons[clicked]);
                    }
                });
            EXPECT_EQ(text, "Go on?");
            EXPECT_EQ(shown, each.shown);
            EXPECT_EQ(answer, each.answers[clicked]);
        }
    }
}

TEST(MessageBoxes, IconsAreTheSystemOnesOrNone) {
    const struct {
        MessageIcon icon;
        LPCSTR systemIcon;
    } cases[] = {
        {MessageIcon::None, nullptr},
        {MessageIcon::Information, IDI_ASTERISK},
        {MessageIcon::Warning, IDI_EXCLAMATION},
        {MessageIcon::Error, IDI_HAND},
    };
    for (const auto& each : cases) {
        HICON shown = nullptr;
        ShowDriven(each.icon, MessageButtons::Ok, [&](const SeenBox& box) {
            shown = box.icon;
            Click(box.buttons.front());
        });
        const HICON expected = each.systemIcon ? LoadIconA(nullptr, each.systemIcon) : nullptr;
        EXPECT_EQ(shown, expected) << static_cast<int>(each.icon);
    }
}

TEST(MessageBoxes, AbortAndRetrySitSideBySideInTheMiddle) {
    SeenBox seen;
    RECT client = {};
    ShowDriven(MessageIcon::Warning, MessageButtons::AbortRetry, [&](const SeenBox& box) {
        seen = box;
        GetClientRect(box.window, &client);
        Click(box.buttons.front());
    });
    ASSERT_EQ(seen.buttons.size(), 2u);
    const RECT abort = seen.buttons[0].bounds;
    const RECT retry = seen.buttons[1].bounds;
    EXPECT_EQ(abort.top, retry.top);
    EXPECT_LT(abort.right, retry.left);
    const int leftMargin = abort.left;
    const int rightMargin = client.right - retry.right;
    EXPECT_LE(std::abs(leftMargin - rightMargin), 1) << leftMargin << " " << rightMargin;
}

// The hidden Ignore button cannot be reached by its key either.
TEST(MessageBoxes, TheIgnoreKeyDoesNothing) {
    const MessageAnswer retried =
        ShowDriven(MessageIcon::Warning, MessageButtons::AbortRetry, [](const SeenBox& box) {
            PressKey(box, 'I', 'i');
            Click(box.buttons.back());
        });
    EXPECT_EQ(retried, MessageAnswer::Retry);
}

// Esc cancels a box with Cancel; one without Cancel either ignores it (Windows) or is ended by
// it (Wine), and then answers the choice that changes nothing, never a button it lacks.
TEST(MessageBoxes, EscAnswersCancelOrTheHarmlessChoice) {
    const struct {
        MessageButtons buttons;
        MessageAnswer escaped;
    } cases[] = {
        {MessageButtons::OkCancel, MessageAnswer::Cancel},
        {MessageButtons::YesNoCancel, MessageAnswer::Cancel},
        {MessageButtons::YesNo, MessageAnswer::No},
        {MessageButtons::AbortRetry, MessageAnswer::Abort},
    };
    for (const auto& each : cases) {
        const MessageAnswer answer =
            ShowDriven(MessageIcon::None, each.buttons, [&](const SeenBox& box) {
                PressKey(box, VK_ESCAPE, 0);
                // Where Esc is ignored, the user then picks the harmless button.
                Click(each.buttons == MessageButtons::AbortRetry ? box.buttons.front()
                                                                 : box.buttons.back());
            });
        EXPECT_EQ(answer, each.escaped) << static_cast<int>(each.buttons);
    }
}

}  // namespace
}  // namespace lw

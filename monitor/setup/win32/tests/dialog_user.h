// A user at the keyboard and mouse while a modal dialog or box of this thread is open: steps
// run one per tick of a thread timer, inside whatever modal loop is running, and reach the
// windows as the user's clicks and keys would.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "monitor/setup/controls/dialog_controls.h"

namespace lw::testing {

// The first shown dialog of this thread with this title.
inline HWND FindThreadDialog(const char* title) {
    struct Search {
        const char* title;
        HWND found = nullptr;
    } search{title};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM address) -> BOOL {
            auto& wanted = *reinterpret_cast<Search*>(address);
            char className[16] = {};
            char caption[64] = {};
            GetClassNameA(window, className, sizeof className);
            GetWindowTextA(window, caption, sizeof caption);
            if (std::string(className) == "#32770" && std::string(caption) == wanted.title &&
                IsWindowVisible(window)) {
                wanted.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A step that returns false is tried again at the next tick; one that never succeeds ends
// the steps, cancels an open box of the program, and is reported in `failures`.
class DialogUser {
  public:
    using Step = std::function<bool()>;
    // How often the user acts, and how many ticks one waits for what should come: ten
    // seconds, for a machine under load.
    static constexpr UINT kStepMs = 40;
    static constexpr int kPatience = 250;

    DialogUser() {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, kStepMs, Tick);
    }
    ~DialogUser() {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    DialogUser(const DialogUser&) = delete;
    DialogUser& operator=(const DialogUser&) = delete;

    void Then(Step step) { steps_.push_back(std::move(step)); }
    // Clicks are posted, so that a box they raise does not hold up the next step.
    void Click(HWND control) {
        Then([control] { return PostMessageA(control, BM_CLICK, 0, 0) != FALSE; });
    }
    void ChoosePage(const TPageControl& pages, int index) {
        Then([&pages, index] {
            const HWND tabs = reinterpret_cast<HWND>(pages.Handle());
            RECT tab;
            SendMessageA(tabs, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&tab));
            const LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
            PostMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
            PostMessageA(tabs, WM_LBUTTONUP, 0, at);
            return true;
        });
    }
    void Type(HWND edit, const std::string& keys) {
        Then([edit, keys] {
            SetFocus(edit);
            for (char key : keys) {
                PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(key), 0);
            }
            return true;
        });
    }
    // Waits for a box of the program and presses `button`, noting its text.
    void Answer(int button) {
        Then([this, button] {
            const HWND box = FindThreadDialog("LineWink");
            if (box == nullptr) {
                return false;
            }
            char text[512] = {};
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
            boxes.push_back(text);
            PostMessageA(box, WM_COMMAND, button, 0);
            return true;
        });
    }
    // Waits for the dialog titled `title`, then runs `act` on it.
    void With(const char* title, std::function<void(HWND)> act) {
        Then([title, act] {
            const HWND dialog = FindThreadDialog(title);
            if (dialog == nullptr) {
                return false;
            }
            act(dialog);
            return true;
        });
    }
    void Check(std::function<void()> look) {
        Then([look] {
            look();
            return true;
        });
    }

    std::vector<std::string> boxes;
    std::vector<std::string> failures;

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (current_ != nullptr && !current_->busy_) {
            current_->busy_ = true;
            current_->Next();
            current_->busy_ = false;
        }
    }
    void Next() {
        if (steps_.empty()) {
            return;
        }
        if (steps_.front()()) {
            steps_.pop_front();
            waited_ = 0;
        } else if (++waited_ > kPatience) {
            failures.push_back("step " + std::to_string(steps_.size()) + " from the end waited");
            steps_.clear();
            if (const HWND box = FindThreadDialog("LineWink")) {
                PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
            }
        }
    }

    static inline DialogUser* current_ = nullptr;
    std::deque<Step> steps_;
    UINT_PTR timer_ = 0;
    int waited_ = 0;
    bool busy_ = false;
};

}  // namespace lw::testing

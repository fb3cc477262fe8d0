#include "installer/controller/run/win32/tests/box_answerer.h"

#include <array>

#include "installer/languages/resource_numbers.h"

namespace aw::test {

namespace {

// The system's message box shows its text in a static control of this number.
constexpr int kMessageBoxText = 0xFFFF;

std::string WindowText(HWND window) {
    std::array<char, 2048> text{};
    GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

std::string ClassOf(HWND window) {
    std::array<char, 64> name{};
    GetClassNameA(window, name.data(), static_cast<int>(name.size()));
    return name.data();
}

SeenBox Describe(HWND box) {
    SeenBox seen{WindowText(box), {}, {}};
    for (int id : {kMessageBoxText, AW_ID_MESSAGE_TEXT}) {
        if (HWND text = GetDlgItem(box, id)) {
            seen.Text = WindowText(text);
        }
    }
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == "Button" && IsWindowVisible(child)) {
            seen.Buttons.push_back(WindowText(child));
        }
    }
    return seen;
}

}  // namespace

BoxAnswerer::BoxAnswerer(std::deque<int> answers, bool anyProgram)
    : thread_(anyProgram ? 0 : GetCurrentThreadId()),
      answers_(std::move(answers)),
      watcher_([this] { Watch(); }) {}

BoxAnswerer::~BoxAnswerer() {
    stop_ = true;
    watcher_.join();
}

std::vector<SeenBox> BoxAnswerer::Seen() {
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
}

std::vector<std::string> BoxAnswerer::Texts() {
    std::vector<std::string> texts;
    for (const SeenBox& box : Seen()) {
        texts.push_back(box.Text);
    }
    return texts;
}

HWND BoxAnswerer::FindBox() {
    struct Search {
        HWND Found;
    } search{nullptr};
    EnumThreadWindows(
        thread_,
        [](HWND window, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lParam);
            if (ClassOf(window) == "#32770" && IsWindowVisible(window) && IsWindowEnabled(window)) {
                s->Found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

void BoxAnswerer::Watch() {
    while (!stop_) {
        HWND box = FindBox();
        if (box == nullptr) {
            Sleep(20);
            continue;
        }
        // Let the dialog finish setting itself up before it is read; one that went meanwhile
        // was a passing window, not a question.
        Sleep(100);
        const SeenBox seen = Describe(box);
        if (!IsWindow(box) || !IsWindowVisible(box) || seen.Buttons.empty()) {
            continue;
        }
        int answer = IDCANCEL;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            seen_.push_back(seen);
            if (!answers_.empty()) {
                answer = answers_.front();
                answers_.pop_front();
            }
        }
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
        for (int i = 0; i < 500 && IsWindow(box) && IsWindowVisible(box); ++i) {
            Sleep(20);
        }
    }
}

}  // namespace aw::test

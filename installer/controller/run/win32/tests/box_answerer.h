// Answers the boxes and dialogs that the test's own thread shows, as a person would: from
// another thread it finds each one, notes its caption, text and buttons, and presses the
// button the test named for it.
#pragma once

#include <windows.h>

#include <atomic>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace aw::test {

struct SeenBox {
    std::string Caption;
    std::string Text;
    std::vector<std::string> Buttons;
};

class BoxAnswerer {
  public:
    // `answers`: the control identifiers of the buttons to press, one per box, in order. Only
    // the boxes of the calling thread, or with `anyProgram` those of every program.
    explicit BoxAnswerer(std::deque<int> answers = {}, bool anyProgram = false);
    ~BoxAnswerer();
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    std::vector<SeenBox> Seen();
    std::vector<std::string> Texts();

  private:
    void Watch();
    HWND FindBox();

    DWORD thread_;
    std::mutex mutex_;
    std::deque<int> answers_;
    std::vector<SeenBox> seen_;
    std::atomic<bool> stop_{false};
    std::thread watcher_;
};

}  // namespace aw::test

// The tray icon's animation: a list of icons shown in turn while the icon is animated.
#pragma once

#include <string>
#include <vector>

#include "monitor/forms/component.h"
#include "monitor/forms/icon.h"

namespace lw {

class TPGTrayIcon95;
class TPGTimerItem;
class TPGTimerManager;

// Where the animation's icons come from: icon resources of the program, or icon files.
enum class TPGTrayIconAnimationOptions { aoIconsInExe, aoIconsAreFiles };

class TPGTrayIconAnimation {
  public:
    static constexpr int kDefaultInterval = 1000;

    TPGTrayIconAnimation(TPGTrayIcon95& owner, TPGTimerManager& timers);
    TPGTrayIconAnimation(const TPGTrayIconAnimation&) = delete;
    TPGTrayIconAnimation& operator=(const TPGTrayIconAnimation&) = delete;

    // Milliseconds between frames; checked (55 to 100000) when the animation starts. A new
    // value restarts a running animation.
    int Interval() const { return interval_; }
    void SetInterval(int interval);
    // Icon file names, or resource names with aoIconsInExe. Assigning them to a running
    // animation goes back to the first frame.
    const std::vector<std::string>& Icons() const { return icons_; }
    void SetIcons(std::vector<std::string> icons);
    TPGTrayIconAnimationOptions Options() const { return options_; }
    void SetOptions(TPGTrayIconAnimationOptions options) { options_ = options; }

    int FrameIndex() const { return frameIndex_; }

    // Shows the first frame and, while the icon is animated, runs the timer.
    void Start();
    // Raises OnAnimation, shows the current frame and moves to the next one, round.
    void Step();
    void Stop();
    // Puts frame `index` into `image`; nothing past the last one, and the image stays as it
    // was when the frame's file cannot be opened.
    void LoadFrame(int index, Icon& image) const;

  private:
    void TimerStep(Component& sender);
    bool Running() const;

    TPGTrayIcon95& owner_;
    TPGTimerItem& timerItem_;
    int frameIndex_ = 0;
    int interval_ = kDefaultInterval;
    std::vector<std::string> icons_;
    TPGTrayIconAnimationOptions options_ = TPGTrayIconAnimationOptions::aoIconsAreFiles;
};

}  // namespace lw

#include "monitor/tray/tray_animation.h"

#include <algorithm>
#include <cctype>

#include "monitor/tray/timer_manager.h"
#include "monitor/tray/tray_icon.h"

namespace lw {
namespace {

std::string UpperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

}  // namespace

TPGTrayIconAnimation::TPGTrayIconAnimation(TPGTrayIcon95& owner, TPGTimerManager& timers)
    : owner_(owner),
      timerItem_(timers.AddItem(false, kDefaultInterval,
                                NotifyEvent::Of<&TPGTrayIconAnimation::TimerStep>(*this))) {}

bool TPGTrayIconAnimation::Running() const {
    return owner_.Active() && owner_.State() == TPGTrayIconState::tsAnimated;
}

void TPGTrayIconAnimation::SetInterval(int interval) {
    if (interval == interval_) {
        return;
    }
    interval_ = interval;
    if (Running()) {
        Start();
    }
}

void TPGTrayIconAnimation::SetIcons(std::vector<std::string> icons) {
    icons_ = std::move(icons);
    if (Running()) {
        frameIndex_ = 0;
    }
}

void TPGTrayIconAnimation::Start() {
    timerItem_.SetEnabled(false);
    frameIndex_ = 0;
    Step();
    if (owner_.State() == TPGTrayIconState::tsAnimated) {
        timerItem_.SetInterval(interval_);
        timerItem_.SetEnabled(true);
    }
}

void TPGTrayIconAnimation::Step() {
    try {
        owner_.OnAnimation(owner_);
        owner_.UpdateIcon();
    } catch (const IconFileError&) {
    }
    const int last = static_cast<int>(icons_.size()) - 1;
    frameIndex_ = frameIndex_ >= last ? 0 : frameIndex_ + 1;
}

void TPGTrayIconAnimation::Stop() {
    timerItem_.SetEnabled(false);
}

void TPGTrayIconAnimation::TimerStep(Component&) {
    Step();
}

void TPGTrayIconAnimation::LoadFrame(int index, Icon& image) const {
    if (index < 0 || index >= static_cast<int>(icons_.size())) {
        return;
    }
    const std::string& name = icons_[static_cast<std::size_t>(index)];
    if (options_ == TPGTrayIconAnimationOptions::aoIconsInExe) {
        image.SetImage(owner_.Services().icons.FromResource(UpperCase(name)));
        return;
    }
    try {
        image.SetImage(owner_.Services().icons.FromFile(name));
    } catch (const IconFileError&) {
    }
}

}  // namespace lw

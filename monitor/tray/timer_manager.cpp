#include "monitor/tray/timer_manager.h"

#include <algorithm>
#include <string>

#include "monitor/forms/errors.h"

namespace lw {
namespace {

// The system timer never runs slower than this.
constexpr int kBaseInterval = 150;

void CheckInterval(int interval) {
    if (interval < kMinTimerInterval || interval > kMaxTimerInterval) {
        throw RangeError("Timer interval out of range (55 to 100000 ms): " +
                         std::to_string(interval));
    }
}

}  // namespace

TPGTimerItem::TPGTimerItem(Component* owner, int interval, NotifyEvent callback)
    : Component(owner),
      manager_(dynamic_cast<TPGTimerManager&>(*owner)),
      interval_(interval),
      callback_(callback) {
    CheckInterval(interval);
}

void TPGTimerItem::SetEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    manager_.Recalculate();
}

void TPGTimerItem::SetInterval(int interval) {
    CheckInterval(interval);
    if (interval == interval_) {
        return;
    }
    interval_ = interval;
    if (enabled_) {
        manager_.Recalculate();
    }
}

TPGTimerManager::TPGTimerManager(Component* owner, const TickSource& ticks, TrayWindows& windows)
    : Component(owner),
      ticks_(ticks),
      timer_(windows.CreateTimer(Handler<>::Of<&TPGTimerManager::SystemTick>(*this))) {}

TPGTimerManager::~TPGTimerManager() {
    timer_->Stop();
    DestroyComponents();
}

void TPGTimerManager::SetEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    if (enabled) {
        Recalculate();
    } else {
        timer_->Stop();
    }
}

TPGTimerItem& TPGTimerManager::AddItem(bool enabled, int interval, NotifyEvent callback) {
    TPGTimerItem& item = Component::Create<TPGTimerItem>(*this, interval, callback);
    items_.push_back(&item);
    item.SetEnabled(enabled);
    return item;
}

void TPGTimerManager::Recalculate() {
    if (!enabled_) {
        return;
    }
    timer_->Stop();
    int shortest = kBaseInterval;
    bool any = false;
    const std::uint32_t now = ticks_.TickCount();
    for (TPGTimerItem* item : items_) {
        if (item->enabled_) {
            shortest = std::min(shortest, item->interval_);
            item->lastFired_ = now;
            any = true;
        }
    }
    if (any) {
        timer_->Start(static_cast<unsigned>(shortest));
    }
}

// Elapsed times are taken modulo 2^32, so items keep firing across the wrap of the tick count.
void TPGTimerManager::SystemTick() {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        TPGTimerItem* item = items_[i];
        if (!item->enabled_ || !item->callback_) {
            continue;
        }
        const std::uint32_t elapsed = ticks_.TickCount() - item->lastFired_;
        if (elapsed < static_cast<std::uint32_t>(item->interval_)) {
            continue;
        }
        item->callback_(*item);
        if (i < items_.size() && items_[i] == item) {
            item->lastFired_ = ticks_.TickCount();
        }
    }
}

void TPGTimerManager::Notification(Component& component, Operation operation) {
    Component::Notification(component, operation);
    if (operation == Operation::Remove) {
        items_.erase(std::remove(items_.begin(), items_.end(), &component), items_.end());
    }
}

}  // namespace lw

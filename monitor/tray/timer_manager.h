// Many logical timers on one system timer.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "monitor/forms/component.h"
#include "monitor/tray/tray_system.h"

namespace lw {

class TPGTimerManager;

// Intervals a timer item accepts, in milliseconds.
inline constexpr int kMinTimerInterval = 55;
inline constexpr int kMaxTimerInterval = 100000;

class TPGTimerItem : public Component {
  public:
    // Made by TPGTimerManager::AddItem, owned by the manager.
    TPGTimerItem(Component* owner, int interval, NotifyEvent callback);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    int Interval() const { return interval_; }
    // Throws RangeError outside 55 to 100000.
    void SetInterval(int interval);

  private:
    friend class TPGTimerManager;
    TPGTimerManager& manager_;
    int interval_;
    bool enabled_ = false;
    NotifyEvent callback_;
    std::uint32_t lastFired_ = 0;  // tick count
};

class TPGTimerManager : public Component {
  public:
    TPGTimerManager(Component* owner, const TickSource& ticks, TrayWindows& windows);
    ~TPGTimerManager() override;

    bool Enabled() const { return enabled_; }
    // Switching on recalculates; switching off stops the system timer.
    void SetEnabled(bool enabled);
    // A new item at the end of the list; throws RangeError for a bad interval.
    TPGTimerItem& AddItem(bool enabled, int interval, NotifyEvent callback);

    // Stops the system timer and runs it again at the smallest interval of the enabled items
    // (150 ms at most), restarting the phase of every enabled item.
    void Recalculate();

  protected:
    void Notification(Component& component, Operation operation) override;

  private:
    void SystemTick();

    const TickSource& ticks_;
    bool enabled_ = false;
    std::vector<TPGTimerItem*> items_;
    std::unique_ptr<SystemTimer> timer_;
};

}  // namespace lw

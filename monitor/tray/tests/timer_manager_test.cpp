#include "monitor/tray/timer_manager.h"

#include <gtest/gtest.h>

#include <vector>

#include "monitor/forms/errors.h"
#include "monitor/tray/tests/fakes/fake_tray_system.h"

namespace lw {
namespace {

class TimerManagerTest : public ::testing::Test {
  protected:
    TimerManagerTest() { manager.SetEnabled(true); }
    // Milliseconds since the start of the test at each firing of `item`.
    NotifyEvent Recorder(std::vector<std::uint32_t>& firings) {
        records_.push_back([this, &firings](Component&) { firings.push_back(ticks.now - start); });
        return NotifyEvent::Call(records_.back());
    }

    testing::FakeTicks ticks;
    testing::FakeTrayWindows windows{ticks};
    const std::uint32_t start = ticks.now;
    std::deque<std::function<void(Component&)>> records_;
    Component owner{nullptr};
    TPGTimerManager& manager = Component::Create<TPGTimerManager>(owner, ticks, windows);
};

TEST_F(TimerManagerTest, AnItemFiresAtTheFirstBaseTickAtOrAfterItsInterval) {
    std::vector<std::uint32_t> clicks;
    manager.AddItem(true, 400, Recorder(clicks));
    EXPECT_EQ(windows.interval, 150u);
    windows.Advance(1000);
    EXPECT_EQ(clicks, (std::vector<std::uint32_t>{450, 900}));
}

TEST_F(TimerManagerTest, TheShortestIntervalDrivesTheSystemTimerAndRecalculationRestartsPhases) {
    std::vector<std::uint32_t> slow;
    std::vector<std::uint32_t> fast;
    manager.AddItem(true, 400, Recorder(slow));
    TPGTimerItem& quick = manager.AddItem(false, 70, Recorder(fast));
    windows.Advance(300);
    quick.SetEnabled(true);  // at 300: both phases start again
    EXPECT_EQ(windows.interval, 70u);
    windows.Advance(500);
    EXPECT_EQ(slow, (std::vector<std::uint32_t>{300 + 420}));
    EXPECT_EQ(fast.front(), 370u);
    quick.SetEnabled(false);
    EXPECT_EQ(windows.interval, 150u);
    manager.SetEnabled(false);
    EXPECT_EQ(windows.interval, 0u);
    quick.SetEnabled(true);  // nothing happens while the manager is off
    EXPECT_EQ(windows.interval, 0u);
}

TEST_F(TimerManagerTest, ItemsKeepFiringAcrossTheWrapOfTheTickCount) {
    ticks.now = 0xFFFFFF00u;
    std::vector<std::uint32_t> firings;
    manager.AddItem(true, 200, [&] {
        records_.push_back([&](Component&) { firings.push_back(ticks.now); });
        return NotifyEvent::Call(records_.back());
    }());
    windows.Advance(1000);
    EXPECT_EQ(firings.size(), 3u);  // at 300, 600 and 900 ms, all past the wrap at 256 ms
}

TEST_F(TimerManagerTest, IntervalsOutsideTheRangeAreRefused) {
    EXPECT_THROW(manager.AddItem(false, 54, {}), RangeError);
    TPGTimerItem& item = manager.AddItem(false, 55, {});
    EXPECT_THROW(item.SetInterval(100001), RangeError);
    item.SetInterval(100000);
    EXPECT_EQ(item.Interval(), 100000);
}

}  // namespace
}  // namespace lw

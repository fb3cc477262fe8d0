// The connection record: session and total times, log states, alert guards, throughput
// window and the redraw flags read by the drawing code.
#pragma once

#include <cstdint>
#include <string>

#include "monitor/core/time/day_count.h"

namespace lw {

struct ConnectionState {
    DayCount SessionStart = 0;  // set to Now at start-up
    DayCount LastActivity = 0;  // 0 = none (carrier down)
    std::uint8_t PrevCD = 0;
    std::uint8_t PrevRI = 0;
    int RingCount = 0;  // rising RI edges of the current call plus one; 0 = no call
    DayCount LastRingTime = 0;
    int DcdLogState = 0;  // 0 idle, 1 connected but not yet logged, 2 "Connected" part written
    bool AutoExitPending = false;
    DayCount DisconnectTime = 0;
    bool DisconnectPromptOpen = false;
    bool WarnPromptOpen = false;
    bool TimedDisconnectDone = false;
    bool ScheduledDisconnectArmed = false;
    DayCount ScheduledDisconnectAt = 0;
    bool BusyOnTop = false;
    DayCount BusyStamp = 0;
    bool RestoreRequest = false;
    std::int64_t RxWindowCount = 0;
    std::int64_t TxWindowCount = 0;
    std::int64_t RxWindowShown = 0;
    std::int64_t TxWindowShown = 0;
    std::uint32_t WindowTick = 0;
    std::int32_t SessionReceived = 0;
    std::int32_t SessionTransmitted = 0;
    bool NeedRedraw = true;
    bool PanelDirty = true;
    bool TitleDirty = true;
    bool FirstDrawPending = true;  // the panel has not been drawn since start-up
    DayCount LastShownSecond = 0;
    DayCount DialogShownSecond = 0;
    std::string DialogShownText;  // the dialog's connect-time label as last set, while it is open
    std::string PortStatus;       // the port status text of the last tick, while it is displayed
};

}  // namespace lw

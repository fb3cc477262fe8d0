// The result codes of a run, written to "r" in "awmain.ini" for the program that started the
// engine, and the completion statuses the script's completion events set.
#pragma once

#include <cstdint>

namespace aw {

namespace result {
inline constexpr std::int32_t kInstalled = 0;
inline constexpr std::int32_t kFailed = 1;
inline constexpr std::int32_t kRestartWindows = 2;
inline constexpr std::int32_t kRestartMachine = 4;
inline constexpr std::int32_t kRolledBack = 6;
}  // namespace result

// The status of a completion event's kind (0 automatic, 1..4); `restartNeeded` tells whether a
// file waits for the restart or "system.ini" was changed. Unknown kinds fail.
std::int32_t CompletionStatusOfKind(std::int32_t kind, bool restartNeeded);

// The run's status once the script ended: a file replaced at the next restart turns a success
// without restart into a Windows restart, even when the user chose to stay.
std::int32_t StatusAfterScript(std::int32_t scriptStatus, bool fileReplacedAtRestart);

// The result for "r": a failed run is rolled back when its finish could prepare that.
std::int32_t ResultAfterFinish(std::int32_t status, bool finished);

}  // namespace aw

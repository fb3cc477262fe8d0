#include "installer/controller/run/result_codes.h"

namespace aw {

std::int32_t CompletionStatusOfKind(std::int32_t kind, bool restartNeeded) {
    switch (kind) {
        case 0:
            return restartNeeded ? result::kRestartWindows : result::kInstalled;
        case 1:
            return result::kInstalled;
        case 2:
            return result::kRestartWindows;
        case 3:
            return result::kRestartMachine;
        default:
            return result::kFailed;
    }
}

std::int32_t StatusAfterScript(std::int32_t scriptStatus, bool fileReplacedAtRestart) {
    // A machine restart restarts Windows too, so it stays what it is.
    if (scriptStatus == result::kInstalled && fileReplacedAtRestart) {
        return result::kRestartWindows;
    }
    return scriptStatus;
}

std::int32_t ResultAfterFinish(std::int32_t status, bool finished) {
    if (status != result::kFailed) {
        return status;
    }
    return finished ? result::kRolledBack : result::kFailed;
}

}  // namespace aw

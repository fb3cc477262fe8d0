// Walks the script's event list: each event is checked against its component and its condition,
// then executed or handed to the custom handler.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "installer/script/host/custom_handler.h"

namespace aw {

class ControllerServices;
class EventExecutor;
class ScriptEnvironment;
struct InstallScript;

inline constexpr char kUninterpretableEventMessage[] = "An uninterpretible event is being skipped";

class ScriptInterpreter {
  public:
    ScriptInterpreter(InstallScript& script, const std::vector<bool>& selection,
                      ControllerServices& services, ScriptEnvironment& environment,
                      EventExecutor& executor, CustomHandler& custom);

    // Runs every event in order; the status of the step that stopped, else the completion
    // status. A user who asked to leave meanwhile stops the run before the next event, as an
    // abort.
    std::int32_t Run(const std::function<bool()>& exitRequested = {});

    // One event; `status` is what a stop leaves.
    StepOutcome Step(std::size_t position, std::int32_t& status);

  private:
    bool Selected(std::size_t position);
    StepOutcome Dispatch(Event& event, std::size_t position, std::int32_t& status);

    InstallScript& script_;
    const std::vector<bool>& selection_;
    ControllerServices& services_;
    ScriptEnvironment& environment_;
    EventExecutor& executor_;
    CustomHandler& custom_;
};

}  // namespace aw

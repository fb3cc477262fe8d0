#include "installer/script/host/script_interpreter.h"

#include "installer/controller/run/controller_services.h"
#include "installer/script/host/event_executor.h"
#include "installer/script/model/install_script.h"
#include "installer/script/variables/script_environment.h"

namespace aw {
namespace {

constexpr std::int32_t kInstallFilesCode = 3;

}  // namespace

ScriptInterpreter::ScriptInterpreter(InstallScript& script, const std::vector<bool>& selection,
                                     ControllerServices& services, ScriptEnvironment& environment,
                                     EventExecutor& executor, CustomHandler& custom)
    : script_(script),
      selection_(selection),
      services_(services),
      environment_(environment),
      executor_(executor),
      custom_(custom) {}

std::int32_t ScriptInterpreter::Run(const std::function<bool()>& exitRequested) {
    for (std::size_t position = 0; position < script_.Events.Size(); ++position) {
        if (exitRequested && exitRequested()) {
            return 1;
        }
        std::int32_t status = 1;
        if (Step(position, status) == StepOutcome::Stop) {
            return status;
        }
    }
    return services_.CompletionStatus();
}

StepOutcome ScriptInterpreter::Step(std::size_t position, std::int32_t& status) {
    status = 1;
    Event& event = *script_.Events.At(static_cast<std::int32_t>(position));
    services_.SetUndoClass(event.UndoClass);
    // Before the condition, so that a deselected event's condition is never evaluated.
    if (event.ComponentBound != 0 && !Selected(position)) {
        return StepOutcome::Continue;
    }
    std::int32_t condition = 0;
    if (!environment_.Evaluate(event.Condition, condition)) {
        return StepOutcome::Stop;
    }
    if (condition == 0) {
        // The gauge's total counted these files; it must still reach its end.
        if (event.TypeCode() == kInstallFilesCode) {
            services_.AdvanceProgress(event.SizeKiB(services_));
        }
        return StepOutcome::Continue;
    }
    return Dispatch(event, position, status);
}

bool ScriptInterpreter::Selected(std::size_t position) {
    if (position >= selection_.size()) {
        services_.CheckFailed("AWTEST", __LINE__);
        return false;
    }
    return selection_[position];
}

StepOutcome ScriptInterpreter::Dispatch(Event& event, std::size_t position, std::int32_t& status) {
    const BuildStyle* style = script_.Build.Current();
    if (style == nullptr) {
        services_.CheckFailed("AWTEST", __LINE__);
    }
    if (style == nullptr || style->CustomHandler == 0) {
        if (!event.Interpretable()) {
            services_.ReportError(kUninterpretableEventMessage);
            return StepOutcome::Continue;
        }
    } else if (event.Custom()) {
        return custom_.HandleCustom(event, static_cast<std::int32_t>(position), status);
    } else if (!event.Interpretable()) {
        services_.CheckFailed("AWTEST", __LINE__);
        return StepOutcome::Continue;
    }
    return executor_.Execute(event, status) ? StepOutcome::Continue : StepOutcome::Stop;
}

}  // namespace aw

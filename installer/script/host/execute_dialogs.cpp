// The events that ask the user or tell the user something.
#include <array>

#include "installer/controller/run/controller_services.h"
#include "installer/script/host/event_executor.h"

namespace aw {

bool EventExecutor::Run(AskUserInfo& event) {
    std::array<TextVariable*, AskUserInfo::VariableCount> variables{};
    for (std::size_t n = 0; n < variables.size(); ++n) {
        if (!fields_.OptionalText(event.Variables[n], variables[n])) {
            return false;
        }
    }
    UserInfoRequest request;
    request.Options[0] = event.FirstOption;
    request.Options[1] = event.SecondOption;
    for (std::size_t n = 0; n < variables.size(); ++n) {
        request.Wanted[n] = variables[n] != nullptr;
        if (variables[n] != nullptr) {
            request.Values[n] = variables[n]->Text();
        }
    }
    if (!services_.AskUserInfo(request)) {
        return false;
    }
    for (std::size_t n = 0; n < variables.size(); ++n) {
        if (!fields_.Store(variables[n], request.Values[n])) {
            return false;
        }
    }
    return true;
}

bool EventExecutor::Run(ShowMessage& event) {
    MessageRequest request;
    request.Style = event.Style;
    return fields_.Expand(event.Text, 512, request.Text) && services_.ShowMessage(request);
}

bool EventExecutor::Run(PromptText& event) {
    TextVariable* answer = nullptr;
    if (!fields_.Text(event.Variable, answer)) {
        return false;
    }
    PromptRequest request;
    request.Ints[0] = event.First;
    request.Ints[1] = event.Second;
    request.Ints[2] = event.Third;
    request.Ints[3] = event.Fourth;
    if (!fields_.Expand(event.InitialText, 256, request.Initial) ||
        !fields_.Expand(event.Prompt, 1024, request.Prompt) ||
        !fields_.Expand(event.Caption, 128, request.Caption)) {
        return false;
    }
    if (event.Second == 1 && event.Fourth != 0 &&
        !fields_.Evaluate(event.LengthExpression, request.MaxLength)) {
        return false;
    }
    if (!services_.PromptText(request)) {
        return false;
    }
    return fields_.Store(answer, request.Answer.substr(0, TextVariable::kMaxLength));
}

bool EventExecutor::Run(AskYesNo& event) {
    std::int32_t* answer = nullptr;
    MessageRequest request;
    request.Style = event.Style;
    if (!fields_.Integer(event.Variable, answer) ||
        !fields_.Expand(event.Question, 1024, request.Text) ||
        !services_.AskThreeButtons(request)) {
        return false;
    }
    *answer = request.Answer;
    return true;
}

bool EventExecutor::Run(ShowUserDialog& event) {
    std::int32_t* result = nullptr;
    std::string name;
    if (!fields_.OptionalInteger(event.ResultVariable, result) ||
        !fields_.Expand(event.DialogName, 80, name)) {
        return false;
    }
    std::int32_t value = 0;
    if (!support_.Dialogs.ShowUserDialog(name, value)) {
        return false;
    }
    EventFields::Store(result, value);
    return true;
}

bool EventExecutor::Run(SetCompletion& event, std::int32_t& status) {
    CompletionRequest request;
    request.Kind = event.Kind;
    request.EndNow = event.EndNow;
    request.ShowDialog = event.ShowDialog;
    if (services_.SetCompletion(request) == CompletionAnswer::Stop) {
        status = request.Status;
        return false;
    }
    return true;
}

}  // namespace aw

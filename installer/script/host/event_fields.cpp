#include "installer/script/host/event_fields.h"

#include <vector>

namespace aw {

bool EventFields::Expand(std::string_view text, std::size_t size, std::string& result) {
    std::vector<char> buffer(size);
    if (!environment_.Expand(text, buffer)) {
        return false;
    }
    result = buffer.data();
    return true;
}

bool EventFields::Integer(std::string_view name, std::int32_t*& variable) {
    variable = environment_.IntegerVariable(name);
    return variable != nullptr;
}

bool EventFields::Text(std::string_view name, TextVariable*& variable) {
    variable = environment_.TextVariableNamed(name);
    return variable != nullptr;
}

bool EventFields::OptionalInteger(std::string_view name, std::int32_t*& variable) {
    variable = nullptr;
    return name.empty() || Integer(name, variable);
}

bool EventFields::OptionalText(std::string_view name, TextVariable*& variable) {
    variable = nullptr;
    return name.empty() || Text(name, variable);
}

bool EventFields::Store(TextVariable* variable, std::string_view text) {
    return variable == nullptr || environment_.StoreText(*variable, text);
}

}  // namespace aw

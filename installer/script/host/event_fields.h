// How events read their fields: texts expanded into buffers of a given size, expressions
// evaluated and variables looked up. Every failure but a look-up has shown its message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "installer/script/variables/script_environment.h"

namespace aw {

class EventFields {
  public:
    explicit EventFields(ScriptEnvironment& environment) : environment_(environment) {}

    // The substituted text, which must fit a buffer of `size` bytes with its terminator.
    bool Expand(std::string_view text, std::size_t size, std::string& result);
    bool Evaluate(std::string_view expression, std::int32_t& value) {
        return environment_.Evaluate(expression, value);
    }

    // The variable's storage; an unknown name fails without a message of its own.
    bool Integer(std::string_view name, std::int32_t*& variable);
    bool Text(std::string_view name, TextVariable*& variable);
    // The same, where an empty name means that the result is not wanted (none).
    bool OptionalInteger(std::string_view name, std::int32_t*& variable);
    bool OptionalText(std::string_view name, TextVariable*& variable);

    // Stores into a wanted variable; nothing for none.
    bool Store(TextVariable* variable, std::string_view text);
    static void Store(std::int32_t* variable, std::int32_t value) {
        if (variable != nullptr) {
            *variable = value;
        }
    }

    void ReportError(const char* format, std::string_view argument) {
        environment_.ReportError(format, argument);
    }

  private:
    ScriptEnvironment& environment_;
};

}  // namespace aw

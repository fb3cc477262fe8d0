// The script's variables. Their set is fixed: a script cannot declare new ones.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "installer/script/variables/text_variable.h"

namespace aw {

class VariableTable {
  public:
    VariableTable();
    VariableTable(const VariableTable&) = delete;
    VariableTable& operator=(const VariableTable&) = delete;

    // The storage of the integer variable, or none when the name is unknown. Names are
    // compared exactly; text names are unknown here.
    std::int32_t* Integer(std::string_view name);
    const std::int32_t* Integer(std::string_view name) const;

    // The text variable, or none when the name is unknown. The read-only source directory
    // "s" is not among them: nothing may store into it.
    TextVariable* Text(std::string_view name);
    const TextVariable* Text(std::string_view name) const;

  private:
    struct IntegerVariable {
        std::string_view name;
        std::int32_t value;
    };

    std::array<IntegerVariable, 3> integers_;
    std::array<TextVariable, 4> texts_;
};

}  // namespace aw

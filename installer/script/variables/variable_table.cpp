#include "installer/script/variables/variable_table.h"

namespace aw {

VariableTable::VariableTable()
    : integers_{{{"minspace", 0}, {"exitcode1", 0}, {"exitcode2", 0}}},
      texts_{TextVariable("w"), TextVariable("y"), TextVariable("i"), TextVariable("path")} {}

std::int32_t* VariableTable::Integer(std::string_view name) {
    for (IntegerVariable& variable : integers_) {
        if (variable.name == name) {
            return &variable.value;
        }
    }
    return nullptr;
}

const std::int32_t* VariableTable::Integer(std::string_view name) const {
    return const_cast<VariableTable*>(this)->Integer(name);
}

TextVariable* VariableTable::Text(std::string_view name) {
    for (TextVariable& variable : texts_) {
        if (variable.Name() == name) {
            return &variable;
        }
    }
    return nullptr;
}

const TextVariable* VariableTable::Text(std::string_view name) const {
    return const_cast<VariableTable*>(this)->Text(name);
}

}  // namespace aw

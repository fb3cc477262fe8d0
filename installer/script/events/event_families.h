// The layouts that many event classes share: no fields, one variable name, or a variable name and
// a value. Each class keeps its own name and type code; only the table is shared.
#pragma once

#include <cstdint>
#include <string>

#include "installer/script/model/event.h"

namespace aw {

template <std::int32_t Code>
class CodedEvent : public Event {
  public:
    static constexpr std::int32_t Type = Code;
    std::int32_t TypeCode() const override { return Code; }
};

// An event with no fields of its own.
template <std::int32_t Code>
class PlainEvent : public CodedEvent<Code> {
  public:
    void ClassFields(FieldVisitor& v) override { (void)v; }
};

// One text: the variable that receives the result.
template <std::int32_t Code>
class OneVariableEvent : public CodedEvent<Code> {
  public:
    void ClassFields(FieldVisitor& v) override { v.Text("variable", Variable); }
    const std::string& VariableName() const { return Variable; }
    std::string Variable = "x";
};

// A variable name and a value or expression.
template <std::int32_t Code>
class TwoTextEvent : public CodedEvent<Code> {
  public:
    void ClassFields(FieldVisitor& v) override {
        v.Text("variable", Variable);
        v.Text("value", Value);
    }
    const std::string& VariableName() const { return Variable; }
    const std::string& ValueText() const { return Value; }
    std::string Variable = "x";
    std::string Value = "0";
};

}  // namespace aw

// The events that the builder's own handler runs; the interpreter only stops at them.
#pragma once

#include <cstdint>
#include <string>

#include "installer/script/events/event_families.h"

namespace aw {

class CustomNote : public CodedEvent<0> {
  public:
    bool Custom() const override { return true; }
    void ClassFields(FieldVisitor& v) override {
        v.Int("option", Option);
        v.Text("text", Text);
    }
    std::int32_t Option = 1;
    std::string Text;
};

class CustomHook : public CodedEvent<9> {
  public:
    bool Custom() const override { return true; }
    bool Interpretable() const override { return false; }
    void ClassFields(FieldVisitor& v) override { v.Text("text", Text); }
    std::string Text;
};

class CustomValue : public CodedEvent<10> {
  public:
    bool Custom() const override { return true; }
    void ClassFields(FieldVisitor& v) override {
        v.Text("text", Text);
        v.Int("first", First);
        v.Int("second", Second);
        v.Int("third", Third);
    }
    std::string Text;
    std::int32_t First = 0;
    std::int32_t Second = 0;
    std::int32_t Third = 0;
};

}  // namespace aw

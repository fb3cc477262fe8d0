// The events that open the installer's modeless windows; each has a plain closing partner.
#pragma once

#include <cstdint>
#include <string>

#include "installer/script/events/event_families.h"

namespace aw {

class BeginProgress : public CodedEvent<33> {
  public:
    void ClassFields(FieldVisitor& v) override {
        v.Int("first", First);
        v.Int("second", Second);
        v.Long("value", Value);
    }
    std::int32_t First = 0;
    std::int32_t Second = 0;
    std::int32_t Value = 0;
};

// The file holds the second text before the first.
class ShowMessageWindow : public CodedEvent<49> {
  public:
    void ClassFields(FieldVisitor& v) override {
        v.Int("first", First);
        v.Int("second", Second);
        v.Long("value", Value);
        v.Text("secondText", SecondText);
        v.Text("firstText", FirstText);
    }
    std::int32_t First = 0;
    std::int32_t Second = 0;
    std::int32_t Value = 0;
    std::string FirstText;
    std::string SecondText;
};

}  // namespace aw

// The events that create and remove Program Manager groups and items.
#pragma once

#include <cstdint>
#include <string>

#include "installer/script/events/event_families.h"

namespace aw {

class CreateItem : public CodedEvent<4> {
  public:
    void ClassFields(FieldVisitor& v) override {
        v.Int("first", First);
        v.Int("second", Second);
        v.Text("group", Group);
        v.Text("item", Item);
        v.Text("commandLine", CommandLine);
        v.Text("iconFile", IconFile);
        v.Text("workingDirectory", WorkingDirectory);
    }
    std::int32_t First = 0;
    std::int32_t Second = 0;
    std::string Group;
    std::string Item;
    std::string CommandLine;
    std::string IconFile;
    std::string WorkingDirectory;
};

class DeleteItem : public CodedEvent<45> {
  public:
    void ClassFields(FieldVisitor& v) override {
        v.Text("group", Group);
        v.Text("item", Item);
    }
    std::string Group;
    std::string Item;
};

class DeleteGroup : public CodedEvent<53> {
  public:
    void ClassFields(FieldVisitor& v) override { v.Text("group", Group); }
    std::string Group;
};

}  // namespace aw

// Two small event classes and a factory for them, standing in for the real catalogue.
#pragma once

#include <memory>
#include <string>

#include "installer/script/model/build_set.h"
#include "installer/script/model/event.h"

namespace aw::testing {

struct FakeMessageEvent : Event {
    static constexpr std::int32_t kCode = 11;
    std::int32_t Style = 0;
    std::string Message;
    std::int32_t TypeCode() const override { return kCode; }
    void ClassFields(FieldVisitor& v) override {
        v.Int("style", Style);
        v.Text("message", Message);
    }
};

struct FakeFilesEvent : Event {
    static constexpr std::int32_t kCode = 3;
    std::int32_t Mode = 0;
    InstallFileList Files;
    std::int32_t TypeCode() const override { return kCode; }
    void ClassFields(FieldVisitor& v) override {
        v.Int("mode", Mode);
        v.Record("files", Files);
    }
};

class FakeEventFactory : public EventFactory {
  public:
    std::unique_ptr<Event> Create(std::int32_t typeCode) const override {
        switch (typeCode) {
            case FakeMessageEvent::kCode:
                return std::make_unique<FakeMessageEvent>();
            case FakeFilesEvent::kCode:
                return std::make_unique<FakeFilesEvent>();
            default:
                return nullptr;
        }
    }
};

}  // namespace aw::testing

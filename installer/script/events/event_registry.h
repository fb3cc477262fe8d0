// The event classes a load knows, by type code; the event list is read through it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "installer/script/model/event.h"

namespace aw {

class ErrorReport;

class EventRegistry : public EventFactory {
  public:
    static constexpr std::size_t MaxClasses = 100;
    using Maker = std::function<std::unique_ptr<Event>()>;

    explicit EventRegistry(ErrorReport& report) : report_(report) {}

    // Enters one class under its name. A type code or a name entered twice, or a full registry,
    // is an internal check failure: the first entry stays and false is returned.
    bool Register(std::int32_t typeCode, const std::string& name, Maker maker);
    std::size_t Count() const { return count_; }

    std::unique_ptr<Event> Create(std::int32_t typeCode) const override;
    // The class name for dumps; none for an unknown code.
    const char* NameOf(std::int32_t typeCode) const;
    // The type code of a class name, or -1.
    std::int32_t CodeOf(const std::string& name) const;

  private:
    struct Entry {
        std::int32_t TypeCode = 0;
        std::string Name;
        Maker Make;
    };
    const Entry* Find(std::int32_t typeCode) const;

    ErrorReport& report_;
    std::array<Entry, MaxClasses> entries_{};
    std::size_t count_ = 0;
};

}  // namespace aw

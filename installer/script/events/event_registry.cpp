#include "installer/script/events/event_registry.h"

#include <utility>

#include "installer/script/model/error_report.h"

namespace aw {

bool EventRegistry::Register(std::int32_t typeCode, const std::string& name, Maker maker) {
    if (Find(typeCode) != nullptr || name.empty() || CodeOf(name) != -1 || count_ == MaxClasses ||
        !maker) {
        report_.CheckFailed("EVENT", __LINE__);
        return false;
    }
    entries_[count_++] = Entry{typeCode, name, std::move(maker)};
    return true;
}

const char* EventRegistry::NameOf(std::int32_t typeCode) const {
    const Entry* entry = Find(typeCode);
    return entry != nullptr ? entry->Name.c_str() : nullptr;
}

std::int32_t EventRegistry::CodeOf(const std::string& name) const {
    for (std::size_t i = 0; i < count_; ++i) {
        if (name == entries_[i].Name) {
            return entries_[i].TypeCode;
        }
    }
    return -1;
}

std::unique_ptr<Event> EventRegistry::Create(std::int32_t typeCode) const {
    const Entry* entry = Find(typeCode);
    return entry != nullptr ? entry->Make() : nullptr;
}

const EventRegistry::Entry* EventRegistry::Find(std::int32_t typeCode) const {
    for (std::size_t i = 0; i < count_; ++i) {
        if (entries_[i].TypeCode == typeCode) {
            return &entries_[i];
        }
    }
    return nullptr;
}

}  // namespace aw

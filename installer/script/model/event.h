// The abstract event of a script's event list and the factory that makes events by type code.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "installer/script/model/record_fields.h"

namespace aw {

class ErrorReport;

// One step of the installation. A class states its type code and its own fields; the fields that
// every event shares come first in the file and are handled here.
class Event {
  public:
    virtual ~Event() = default;

    virtual std::int32_t TypeCode() const = 0;
    // The class's own fields in file order, after the common ones.
    virtual void ClassFields(FieldVisitor& v) = 0;
    // Size in KiB for the progress gauge, and the space the event needs on disk.
    virtual std::uint32_t SizeKiB(ErrorReport& report) const;
    virtual std::uint32_t RequiredSize(ErrorReport& report) const;
    virtual bool Interpretable() const { return true; }
    virtual bool Custom() const { return false; }

    // The common fields, then ClassFields.
    void Fields(FieldVisitor& v);

    // 0 undone, 1 optional, 2 never undone: stamped on every log record the event causes.
    std::int32_t UndoClass = 0;
    // When not 0 the event runs only while one of its components is selected.
    std::int32_t ComponentBound = 0;
    std::string Condition = "1";
    std::string Note;
};

// Knows every event class; the event list is read through it.
class EventFactory {
  public:
    virtual ~EventFactory() = default;
    // None when no class has this type code.
    virtual std::unique_ptr<Event> Create(std::int32_t typeCode) const = 0;
};

}  // namespace aw

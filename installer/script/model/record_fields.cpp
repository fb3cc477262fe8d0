#include "installer/script/model/record_fields.h"

#include "installer/script/model/event.h"

namespace aw {

void FieldVisitor::Int(const char* name, std::int32_t& value, std::int32_t min, std::int32_t max) {
    Int(name, value);
    if (pass_ == FieldPass::Read && !failed_ && (value < min || value > max)) {
        Fail();
    }
}

void FieldVisitor::DateTime(const char* name, SystemTime& time) {
    if (failed_) {
        return;
    }
    std::int32_t parts[6] = {time.wYear, time.wMonth,  time.wDay,
                             time.wHour, time.wMinute, time.wSecond};
    static const char* const kNames[6] = {"year", "month", "day", "hour", "minute", "second"};
    BeginRecord(name);
    for (int i = 0; i < 6; ++i) {
        Int(kNames[i], parts[i]);
    }
    EndRecord();
    if (pass_ == FieldPass::Read && !failed_) {
        time = SystemTime{};
        time.wYear = static_cast<std::uint16_t>(parts[0]);
        time.wMonth = static_cast<std::uint16_t>(parts[1]);
        time.wDay = static_cast<std::uint16_t>(parts[2]);
        time.wHour = static_cast<std::uint16_t>(parts[3]);
        time.wMinute = static_cast<std::uint16_t>(parts[4]);
        time.wSecond = static_cast<std::uint16_t>(parts[5]);
    }
}

std::unique_ptr<Event> FieldVisitor::NewEvent(std::int32_t typeCode) {
    (void)typeCode;
    return nullptr;
}

void FieldVisitor::Events(const char* name, RecordList<Event>& list) {
    std::int32_t count = static_cast<std::int32_t>(list.Size());
    // A type code, the undo class, the bound flag and two empty texts at the least.
    if (!BeginCountedList(name, count, false, 8)) {
        return;
    }
    if (pass_ == FieldPass::Read) {
        list.Clear();
        for (std::int32_t i = 0; i < count && !failed_; ++i) {
            BeginRecord("event");
            std::int32_t typeCode = 0;
            Int("typeCode", typeCode);
            if (failed_) {
                break;
            }
            std::unique_ptr<Event> event = NewEvent(typeCode);
            if (!event) {
                UnknownEvent(typeCode);
                Fail();
                break;
            }
            list.Add(std::move(event)).Fields(*this);
            EndRecord();
        }
    } else {
        for (auto& event : list) {
            std::int32_t typeCode = event->TypeCode();
            BeginRecord("event");
            Int("typeCode", typeCode);
            event->Fields(*this);
            EndRecord();
        }
    }
    EndList();
}

bool FieldVisitor::BeginCountedList(const char* name, std::int32_t& count, bool intCount,
                                    std::size_t minimumBytes) {
    if (failed_) {
        return false;
    }
    BeginList(name);
    if (intCount) {
        Int("count", count);
    } else {
        Long("count", count);
    }
    if (!failed_ && !CountFits(count, minimumBytes)) {
        Fail();
    }
    if (failed_) {
        EndList();
        return false;
    }
    return true;
}

}  // namespace aw

#include "installer/script/model/record_fields.h"

#include <array>

#include "installer/script/model/event.h"

namespace aw {

void FieldVisitor::Int(const char* name, std::int32_t& value, std::int32_t min, std::int32_t max) {
    Int(name, value);
    if (pass_ == FieldPass::Read && !failed_ && (value < min || value > max)) {
        Fail();
    }
}

void FieldVisitor::FixedText(const char* name, aw::FixedText& text) {
    std::array<char, kFixedTextSize> buffer{};
    text.Value().copy(buffer.data(), buffer.size() - 1);
    CharText(name, buffer.data(), buffer.size());
    if (pass_ == FieldPass::Read && !failed_) {
        text.Assign(buffer.data());
    }
}

// A 16-bit file holds the word as it is (FF FF is 65535); a 32-bit file's int keeps its low 16
// bits, as the system's time record would.
void FieldVisitor::DatePart(const char* name, std::uint16_t& part) {
    std::int32_t value = part;
    Int(name, value);
    if (pass_ == FieldPass::Read && !failed_) {
        part = static_cast<std::uint16_t>(value);
    }
}

void FieldVisitor::DateTime(const char* name, SystemTime& time) {
    if (failed_) {
        return;
    }
    if (pass_ == FieldPass::Read) {
        time = SystemTime{};
    }
    BeginRecord(name);
    DatePart("year", time.wYear);
    DatePart("month", time.wMonth);
    DatePart("day", time.wDay);
    DatePart("hour", time.wHour);
    DatePart("minute", time.wMinute);
    DatePart("second", time.wSecond);
    EndRecord();
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

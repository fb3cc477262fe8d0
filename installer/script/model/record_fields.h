// The field tables of the install script's persistent records, and the visitor that walks them.
//
// Nothing in a script file names a field: the order and the kinds are the format. So each record
// class states its persistent fields exactly once, in file order, and every pass over a script
// (reading, writing, resolving references, dumping) is a FieldVisitor walking that one table:
//
//     struct DirectoryPair {
//         std::string Source;
//         std::string Target;
//         void Fields(FieldVisitor& v) {
//             v.Text("source", Source);
//             v.Text("target", Target);
//         }
//     };
//
// - Kinds: Int and Uint (2 or 4 bytes by the file's width), Long (always 4), Text, FixedText,
//   CharText, DateTime, Record, List, Reference, ReferenceList (a list of references), IndexArray.
// - A field that exists only in some versions tests v.Version().
// - A value with an allowed range uses Int(name, value, min, max): reading fails outside it.
// - An event class derives from Event (event.h), gives its type code and overrides ClassFields
//   with the same calls; the common event fields come first by themselves. Its install-file lists
//   are InstallFileList records, whose references point into v.Script()'s distribution files.
// - Names are for dumps and messages only; the file never holds them.
//
// Reading stops at the first failure: once Failed() is set every further call does nothing, so a
// field table needs no error handling of its own. Elements are created only by the Read pass.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "installer/script/model/script_types.h"

namespace aw {

class Event;
struct InstallScript;

enum class FieldPass { Read, Write, Resolve, Inspect };

class FieldVisitor {
  public:
    FieldVisitor(InstallScript& script, FieldPass pass) : script_(script), pass_(pass) {}
    virtual ~FieldVisitor() = default;
    FieldVisitor(const FieldVisitor&) = delete;
    FieldVisitor& operator=(const FieldVisitor&) = delete;

    FieldPass Pass() const { return pass_; }
    // The script whose lists references point into.
    InstallScript& Script() { return script_; }
    // The file version (300, 301 or 302) that decides which fields exist.
    std::int32_t Version() const { return version_; }
    void SetVersion(std::int32_t version) { version_ = version; }
    bool Failed() const { return failed_; }

    // The kinds that visitors encode; everything else is built from them below.
    virtual void Int(const char* name, std::int32_t& value) = 0;
    virtual void Uint(const char* name, std::uint32_t& value) = 0;
    virtual void Long(const char* name, std::int32_t& value) = 0;
    virtual void Text(const char* name, std::string& value) = 0;
    // A terminated text in `buffer` of `size` bytes (at most size - 1 characters).
    virtual void CharText(const char* name, char* buffer, std::size_t size) = 0;
    // Structure marks for visitors that print; readers and writers ignore them.
    virtual void BeginRecord(const char* name) { (void)name; }
    virtual void EndRecord() {}
    virtual void BeginList(const char* name) { (void)name; }
    virtual void EndList() {}
    // One part of a date-time: an int in the file, a 16-bit word in the system's time record,
    // which is all that a part keeps in either width. Visited as an Int unless overridden.
    virtual void DatePart(const char* name, std::uint16_t& part);

    // Reading fails when the value lies outside min..max.
    void Int(const char* name, std::int32_t& value, std::int32_t min, std::int32_t max);
    // Visited as a terminated buffer of 260 bytes, which exists only for the visit.
    void FixedText(const char* name, aw::FixedText& text);
    template <std::size_t N>
    void CharText(const char* name, char (&buffer)[N]) {
        CharText(name, buffer, N);
    }
    // Six ints: year, month, day, hour, minute, second.
    void DateTime(const char* name, SystemTime& time);

    template <class R>
    void Record(const char* name, R& record) {
        if (failed_) {
            return;
        }
        BeginRecord(name);
        record.Fields(*this);
        EndRecord();
    }

    // A long count, then the elements, each by its own table.
    template <class R>
    void List(const char* name, RecordList<R>& list) {
        std::int32_t count = static_cast<std::int32_t>(list.Size());
        if (!BeginCountedList(name, count, false)) {
            return;
        }
        if (pass_ == FieldPass::Read) {
            list.Clear();
            for (std::int32_t i = 0; i < count && !failed_; ++i) {
                Record("element", list.AddNew());
            }
        } else {
            for (auto& element : list) {
                Record("element", *element);
            }
        }
        EndList();
    }

    // A long count, then an int type code and the event's fields for each element.
    void Events(const char* name, RecordList<Event>& list);

    // One long: a position in `target`.
    template <class T>
    void Reference(const char* name, aw::Reference<T>& reference, const RecordList<T>& target) {
        Long(name, reference.Position);
        if (pass_ == FieldPass::Resolve) {
            reference.Target = target.At(reference.Position);
        }
    }

    // A long count, then one long per reference.
    template <class T>
    void ReferenceList(const char* name, std::vector<aw::Reference<T>>& references,
                       const RecordList<T>& target) {
        References(name, references, target, false);
    }

    // An int count, then one long per reference.
    template <class T>
    void IndexArray(const char* name, std::vector<aw::Reference<T>>& references,
                    const RecordList<T>& target) {
        References(name, references, target, true);
    }

  protected:
    void Fail() { failed_ = true; }
    // Whether `count` elements can follow, each taking at least `minimumBytes`; a reader
    // refuses a count that the rest of the file cannot hold.
    virtual bool CountFits(std::int32_t count, std::size_t minimumBytes) {
        (void)minimumBytes;
        return count >= 0;
    }
    // Makes the event for a type code when reading; none when no class has that code.
    virtual std::unique_ptr<Event> NewEvent(std::int32_t typeCode);
    // Reading met a type code that no event class has.
    virtual void UnknownEvent(std::int32_t typeCode) { (void)typeCode; }

  private:
    bool BeginCountedList(const char* name, std::int32_t& count, bool intCount,
                          std::size_t minimumBytes = 1);

    template <class T>
    void References(const char* name, std::vector<aw::Reference<T>>& references,
                    const RecordList<T>& target, bool intCount) {
        std::int32_t count = static_cast<std::int32_t>(references.size());
        if (!BeginCountedList(name, count, intCount, 4)) {
            return;
        }
        if (pass_ == FieldPass::Read) {
            references.assign(static_cast<std::size_t>(count), {});
        }
        for (auto& reference : references) {
            Reference("reference", reference, target);
        }
        EndList();
    }

    InstallScript& script_;
    FieldPass pass_;
    std::int32_t version_ = 302;
    bool failed_ = false;
};

}  // namespace aw

// The field tables of the operation log's header and records, and the visitor that walks them.
//
// As in the install script, nothing in the log names a field: each record states its fields once,
// in file order, and every pass over a log (writing, reading, dumping) is a LogFieldVisitor
// walking that one table:
//
//     struct FileMoved {
//         std::string From;
//         std::string To;
//         void Fields(LogFieldVisitor& v) {
//             v.Text("from", From);
//             v.Text("to", To);
//         }
//     };
//
// The kinds are the script's, with the log's own rules: ints and longs are both 4 bytes (the log
// has no width tag), texts carry their length as the script's do, a fixed text holds at most 259
// characters, and a raw block is bytes as they are, its size fixed or given by the number just
// before it. Names are for dumps only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "installer/oplog/program_item.h"
#include "installer/oplog/registry_key.h"

namespace aw {

// The longest fixed or char text of the log: a path of 259 characters.
inline constexpr std::size_t kLogFixedTextLength = 259;

class LogFieldVisitor {
  public:
    virtual ~LogFieldVisitor() = default;

    // A 4-byte number; Int and Long differ only in what the tables say.
    virtual void Number(const char* name, std::int32_t& value) = 0;
    virtual void Text(const char* name, std::string& value) = 0;
    // A text of at most kLogFixedTextLength characters.
    virtual void FixedText(const char* name, std::string& value) = 0;
    // A raw block of `size` bytes.
    virtual void Bytes(const char* name, std::uint8_t* data, std::size_t size) = 0;
    // A 4-byte length, then a raw block of that many bytes. Visitors that fill the block, as
    // readers do, take it whole; the others see the length as a number and the block as bytes.
    virtual void Block(const char* lengthName, const char* dataName,
                       std::vector<std::uint8_t>& data) {
        std::int32_t length = static_cast<std::int32_t>(data.size());
        Number(lengthName, length);
        Bytes(dataName, data.data(), data.size());
    }
    // Structure marks for visitors that print; readers and writers ignore them.
    virtual void BeginRecord(const char* name) { (void)name; }
    virtual void EndRecord() {}

    // A registry key's fields; visitors that print may show it whole instead.
    virtual void Key(const char* name, RegistryKey& key) { Record(name, key); }
    // A Program Manager item record as its raw block; visitors that print may show its parts.
    virtual void Item(const char* name, ProgramItemBytes& item) {
        Bytes(name, item.data(), item.size());
    }

    void Int(const char* name, std::int32_t& value) { Number(name, value); }
    void Long(const char* name, std::int32_t& value) { Number(name, value); }

    template <class R>
    void Record(const char* name, R& record) {
        BeginRecord(name);
        record.Fields(*this);
        EndRecord();
    }
};

}  // namespace aw

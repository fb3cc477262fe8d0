// The in-memory install script: the root record and the small records it holds.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "installer/script/model/build_set.h"
#include "installer/script/model/components.h"
#include "installer/script/model/event.h"
#include "installer/script/model/record_fields.h"
#include "installer/script/model/screen_layout.h"
#include "installer/script/model/script_types.h"

namespace aw {

// Five longs; the first counts the script's changes.
struct RevisionStamp {
    std::array<std::int32_t, 5> Values{};
    std::int32_t& ChangeCounter() { return Values[0]; }
    void Fields(FieldVisitor& v);
    bool operator==(const RevisionStamp&) const = default;
};

struct ScriptInfo {
    std::int32_t First = 0;
    std::int32_t ShellClose = 0;
    std::int32_t Controls3D = 0;
    // Both go into the operation log's header.
    std::int32_t LogValues[2] = {0, 0};
    std::string ProductName;
    void Fields(FieldVisitor& v);
};

struct AdditionalFile {
    FixedText First{};
    FixedText Second{};
    std::int32_t Value = 0;
    void Fields(FieldVisitor& v);
};

struct AdditionalFiles {
    InstallFileList Files;
    RecordList<AdditionalFile> Entries;
    void Fields(FieldVisitor& v);
};

struct ScriptDescription {
    std::array<std::string, 8> Texts;
    SystemTime Stamp;
    void Fields(FieldVisitor& v);
};

struct LanguageSet {
    std::int32_t First = 0;
    // 20 flags in version 302 files, 11 before.
    std::vector<std::int32_t> Flags;
    void Fields(FieldVisitor& v);
};

struct SetupOptions {
    std::uint32_t First = 0;
    std::int32_t Second = 0;
    std::int32_t Third = 0;
    FixedText Directory{};
    std::string Text;
    void Fields(FieldVisitor& v);
};

struct ProgressInfo {
    // Goes into the operation log's header with the constant 100.
    std::int32_t LogValue = 0;
    std::int32_t Unused = 0;
    void Fields(FieldVisitor& v);
};

struct InstallScript {
    // Kept out of the root's fields: the width tag and version precede them in the file.
    std::int32_t Version = 302;
    std::int32_t ChangeMark = 0;
    RevisionStamp Revision;
    // The stamp as it was in the file, before an upgrade marked it.
    RevisionStamp LoadedRevision;
    ScriptInfo Info;
    BuildSet Build;
    RecordList<Event> Events;
    AdditionalFiles Additional;
    RecordList<Component> Components;
    UserDialogList UserDialogs;
    ScriptDescription Description;
    LanguageSet Languages;
    FixedText FirstDirectory{};
    FixedText SecondDirectory{};
    ScreenLayout Screen;
    SetupOptions Options;
    ProgressInfo Progress;
    bool Loaded = false;

    // The root's fields for the visitor's version.
    void Fields(FieldVisitor& v);
};

}  // namespace aw

// The reader behind ReadSource (source_plan.h), one method per part of the source. Every
// method stops at the first problem, which names the source's JSON path.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

#include "tools/scriptsource/file_groups.h"
#include "tools/scriptsource/script_templates.h"
#include "tools/scriptsource/source_plan.h"

namespace aw {

class SourceReader {
  public:
    using Json = nlohmann::ordered_json;

    SourceReader(const SourceContext& context, const ScriptTemplates& templates, SourcePlan& plan)
        : context_(context), templates_(templates), plan_(plan) {}

    // The whole source; the problem, or empty.
    std::string Read(const Json& source);

  private:
    struct Group {
        std::vector<std::int32_t> Positions;
        bool Compressed = true;
        bool Auxiliary = false;
    };

    bool Fail(const std::string& path, const std::string& problem);
    bool CheckKeys(const Json& object, const std::string& path,
                   std::initializer_list<const char*> keys);
    bool Object(const Json& value, const std::string& path);
    bool Array(const Json& value, const std::string& path);
    bool String(const Json& object, const char* key, const std::string& path, std::string& out);
    bool Integer(const Json& object, const char* key, const std::string& path, std::int64_t min,
                 std::int64_t max, std::int64_t& out);
    bool Flag(const Json& object, const char* key, const std::string& path, bool& out);
    bool Size(const Json& object, const char* key, const std::string& path, std::uint64_t& out);
    // Puts `source`'s keys over `target`'s: each must be one of target's, of the same JSON
    // kind; objects are overlaid key by key.
    bool Overlay(Json& target, const Json& source, const std::string& path);
    bool FileReferences(const Json& value, const std::string& path, Json& list,
                        std::vector<const Group*>* referenced = nullptr);

    // source_reader.cpp
    bool Header(const Json& source);
    bool Product(const Json& source);
    bool Packaging(const Json& source);
    bool Files(const Json& source);
    bool FileGroup(const Json& group, const std::string& path);
    void AuxiliaryFirst();
    bool Patterns(const Json& group, const std::string& path, std::vector<std::string>& patterns);
    bool FindGroupFiles(const std::string& folder, const std::vector<std::string>& patterns,
                        const std::string& path, std::vector<FoundFile>& found);
    bool Languages(const Json& source);
    bool Screen(const Json& source);
    bool FitVersion();

    // source_events.cpp
    bool Dialogs(const Json& source);
    bool Dialog(const Json& dialog, const std::string& path, Json& out);
    bool Control(const Json& control, const std::string& path, Json& out);
    static std::array<const char*, 3> ControlTexts(std::size_t kind);
    bool ControlText(Json value, std::size_t kind, std::size_t slot, const std::string& path,
                     Json& out);
    bool Events(const Json& source);
    bool CustomEventsHandled(const Json& events);
    bool Event(const Json& event, const std::string& path, Json& out);
    bool EventFileLists(const Json& event, const std::string& path, const std::string& className,
                        Json& out);
    bool CheckEventValues(const Json& event, const std::string& path);
    bool CheckText(const std::string& className, const std::string& field, const std::string& text,
                   const std::string& path);
    bool Components(const Json& source);
    bool Component(const Json& component, const std::string& path, Json& out);

    const SourceContext& context_;
    const ScriptTemplates& templates_;
    SourcePlan& plan_;
    Json& script() { return plan_.Script; }
    std::map<std::string, Group> groups_;
    std::map<std::string, std::int32_t> eventIds_;
    std::map<std::string, std::int32_t> componentNames_;
    std::set<std::string> dialogNames_;
    std::set<std::int32_t> explicitlyBound_;
    bool compressedByDefault_ = true;
    std::string error_;
};

// The JSON paths of a record's member and of a list's element, as messages name them.
std::string SourceMember(const std::string& path, const std::string& key);
std::string SourceElement(const std::string& path, std::size_t index);

// Upper case of the ASCII letters: dialog names compare as the installer compares them.
std::string UpperAscii(std::string text);

}  // namespace aw

// What a new script holds before an author changes anything, in the canonical JSON form: the
// whole document, and one new element of each kind that a source adds (an event of every
// class, a component, a user dialog and its control, a title text).
#pragma once

#include <map>
#include <nlohmann/json.hpp>
#include <string>

namespace aw {

class EventRegistry;

struct ScriptTemplates {
    // A 32-bit version 302 script with no events, components, dialogs or title texts.
    nlohmann::ordered_json Script;
    // By class name: "class", "typeCode", the common fields and the class's fields.
    std::map<std::string, nlohmann::ordered_json> Events;
    nlohmann::ordered_json Component;
    nlohmann::ordered_json Dialog;
    nlohmann::ordered_json Control;
    nlohmann::ordered_json Title;
};

// Dumps default-made records through the same field tables that read and write scripts, so
// the defaults cannot drift from the model's.
ScriptTemplates MakeScriptTemplates(const EventRegistry& registry);

}  // namespace aw

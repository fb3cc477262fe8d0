// The source's dialogs, events and components.
#include <array>

#include "tools/scriptsource/event_rules.h"
#include "tools/scriptsource/source_reader.h"
#include "tools/scriptsource/text_checks.h"

namespace aw {

namespace {

using Json = nlohmann::ordered_json;

// The kinds of dialog control, by the installer's numbers.
constexpr std::array<const char*, 7> kControlKinds = {"text",         "picture", "textBox", "list",
                                                      "engineButton", "button",  "fileBox"};

// The dialog's stored ints: centre, size, reported value, billboard flag.
constexpr std::array<const char*, 6> kDialogValues = {"centreX", "centreY",       "width",
                                                      "height",  "reportedValue", "billboard"};
constexpr std::array<std::int64_t, 6> kDialogDefaults = {500, 500, 200, 100, 0, 0};

// A control's stored ints after its kind: place, size, closing value, read-only flag.
constexpr std::array<const char*, 6> kControlValues = {"x",      "y",     "width",
                                                       "height", "value", "readOnly"};

}  // namespace

bool SourceReader::Dialogs(const Json& source) {
    const auto found = source.find("dialogs");
    if (found == source.end()) {
        return true;
    }
    if (!Array(*found, "dialogs")) {
        return false;
    }
    Json& dialogs = script()["UDLIST"]["dialogs"];
    for (std::size_t i = 0; i < found->size(); ++i) {
        Json dialog = templates_.Dialog;
        if (!Dialog((*found)[i], SourceElement("dialogs", i), dialog)) {
            return false;
        }
        dialogs.push_back(std::move(dialog));
    }
    return true;
}

bool SourceReader::Dialog(const Json& dialog, const std::string& path, Json& out) {
    std::string name;
    std::string caption;
    if (!CheckKeys(dialog, path,
                   {"name", "caption", "centreX", "centreY", "width", "height", "reportedValue",
                    "billboard", "controls"}) ||
        !String(dialog, "name", path, name) || !String(dialog, "caption", path, caption) ||
        !CheckText("", "caption", caption, SourceMember(path, "caption"))) {
        return false;
    }
    if (name.empty()) {
        return Fail(SourceMember(path, "name"), "a dialog needs a name, by which events show it");
    }
    if (!dialogNames_.insert(UpperAscii(name)).second) {
        return Fail(SourceMember(path, "name"),
                    "another dialog has the name \"" + name + "\" (names ignore case)");
    }
    out["name"] = name;
    out["caption"] = caption;
    for (std::size_t i = 0; i < kDialogValues.size(); ++i) {
        std::int64_t value = kDialogDefaults[i];
        if (!Integer(dialog, kDialogValues[i], path, INT16_MIN, INT16_MAX, value)) {
            return false;
        }
        out["value"][i] = value;
    }
    const Json controls = dialog.value("controls", Json::array());
    if (!Array(controls, SourceMember(path, "controls"))) {
        return false;
    }
    if (controls.size() > 30) {
        return Fail(SourceMember(path, "controls"), "a dialog holds at most 30 controls");
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        Json control = templates_.Control;
        if (!Control(controls[i], SourceElement(SourceMember(path, "controls"), i), control)) {
            return false;
        }
        out["controls"].push_back(std::move(control));
    }
    return true;
}

bool SourceReader::Control(const Json& control, const std::string& path, Json& out) {
    std::string kindName;
    if (!Object(control, path) || !String(control, "kind", path, kindName)) {
        return false;
    }
    std::size_t kind = 0;
    while (kind < kControlKinds.size() && kindName != kControlKinds[kind]) {
        ++kind;
    }
    if (kind == kControlKinds.size()) {
        return Fail(SourceMember(path, "kind"),
                    "expected one of text, picture, textBox, list, engineButton, button, fileBox");
    }
    const std::array<const char*, 3> texts = ControlTexts(kind);
    for (const auto& [key, value] : control.items()) {
        bool known = key == "kind" || key == "picture";
        for (const char* name : kControlValues) {
            known = known || key == name;
        }
        for (const char* name : texts) {
            known = known || (name != nullptr && key == name);
        }
        if (!known) {
            return Fail(SourceMember(path, key), "unknown key for a " + kindName + " control");
        }
    }
    out["value"][0] = kind;
    for (std::size_t i = 0; i < kControlValues.size(); ++i) {
        std::int64_t value = 0;
        if (!Integer(control, kControlValues[i], path, INT16_MIN, INT16_MAX, value)) {
            return false;
        }
        out["value"][i + 1] = value;
    }
    if (const auto picture = control.find("picture"); picture != control.end()) {
        if (!Overlay(out["picture"], *picture, SourceMember(path, "picture"))) {
            return false;
        }
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i] != nullptr && control.contains(texts[i]) &&
            !ControlText(control[texts[i]], kind, i, SourceMember(path, texts[i]),
                         out["text"][i])) {
            return false;
        }
    }
    return true;
}

// Which of the three texts each kind uses, and the key that gives it in a source.
std::array<const char*, 3> SourceReader::ControlTexts(std::size_t kind) {
    std::array<const char*, 3> texts{};
    if (kind == 0 || kind == 5) {
        texts[1] = "text";
    } else if (kind == 2 || kind == 3) {
        texts[1] = "variable";
        texts[2] = kind == 3 ? "items" : nullptr;
    } else if (kind == 6) {
        texts[0] = "file";
    }
    return texts;
}

// The second text of an edit or a list names its variable; every other text is substituted.
bool SourceReader::ControlText(Json value, std::size_t kind, std::size_t slot,
                               const std::string& path, Json& out) {
    // A list's items may be given one by one.
    if (value.is_array() && slot == 2) {
        std::string lines;
        for (std::size_t item = 0; item < value.size(); ++item) {
            if (!value[item].is_string()) {
                return Fail(SourceElement(path, item), "expected a string");
            }
            lines += (item == 0 ? "" : "\r\n") + value[item].get<std::string>();
        }
        value = lines;
    }
    if (!value.is_string()) {
        return Fail(path, "expected a string");
    }
    const std::string text = value.get<std::string>();
    const std::string problem =
        slot != 1 || kind == 0 || kind == 5
            ? SubstitutionProblem(text)
            : VariableProblem(text, kind == 3 ? VariableKind::Integer : VariableKind::Text, false);
    if (!problem.empty()) {
        return Fail(path, problem);
    }
    out = text;
    return true;
}

bool SourceReader::Events(const Json& source) {
    const auto found = source.find("events");
    if (found == source.end()) {
        return true;
    }
    if (!Array(*found, "events")) {
        return false;
    }
    // Ids first: components may name any event.
    for (std::size_t i = 0; i < found->size(); ++i) {
        const Json& event = (*found)[i];
        if (!Object(event, SourceElement("events", i))) {
            return false;
        }
        std::string id;
        if (!String(event, "id", SourceElement("events", i), id)) {
            return false;
        }
        if (!id.empty() && !eventIds_.emplace(id, static_cast<std::int32_t>(i)).second) {
            return Fail(SourceElement("events", i) + ".id",
                        "another event has the id \"" + id + "\"");
        }
    }
    if (!CustomEventsHandled(*found)) {
        return false;
    }
    Json& events = script()["EVENT"];
    for (std::size_t i = 0; i < found->size(); ++i) {
        Json event;
        if (!Event((*found)[i], SourceElement("events", i), event)) {
            return false;
        }
        if ((*found)[i].contains("componentBound")) {
            explicitlyBound_.insert(static_cast<std::int32_t>(i));
        }
        events.push_back(std::move(event));
    }
    return true;
}

// Without the custom handler, the run stops at these custom events with status 1.
bool SourceReader::CustomEventsHandled(const Json& events) {
    for (std::size_t i = 0; i < events.size() && !plan_.CustomHandler; ++i) {
        const Json name = events[i].value("event", Json());
        if (name == "CustomNote" || name == "CustomStep" || name == "CustomValue") {
            return Fail(SourceMember(SourceElement("events", i), "event"),
                        "a custom event stops the run unless the source sets \"customHandler\": "
                        "true");
        }
    }
    return true;
}

bool SourceReader::Event(const Json& event, const std::string& path, Json& out) {
    std::string className;
    if (!String(event, "event", path, className)) {
        return false;
    }
    const auto made = templates_.Events.find(className);
    if (made == templates_.Events.end()) {
        return Fail(SourceMember(path, "event"),
                    className.empty() ? "every event names its class, such as \"SetText\""
                                      : "unknown event class \"" + className + "\"");
    }
    out = made->second;
    Json fields = event;
    fields.erase("event");
    fields.erase("id");
    if (fields.contains("class") || fields.contains("typeCode")) {
        return Fail(SourceMember(path, fields.contains("class") ? "class" : "typeCode"),
                    "unknown field: the class is named by \"event\"");
    }
    return EventFileLists(fields, path, className, out) && CheckEventValues(out, path);
}

// The lists of files are given by group ids; the rest overlays the class's defaults.
bool SourceReader::EventFileLists(const Json& event, const std::string& path,
                                  const std::string& className, Json& out) {
    Json fields = event;
    for (const char* key : {"files", "secondFiles", "auxiliaryFiles"}) {
        const auto list = fields.find(key);
        if (list == fields.end() || !out.contains(key)) {
            continue;
        }
        std::vector<const Group*> groups;
        if (!FileReferences(*list, SourceMember(path, key), out[key], &groups)) {
            return false;
        }
        std::set<bool> compression;
        for (const Group* group : groups) {
            compression.insert(group->Compressed);
            // The uninstaller's companions are copied from beside the installer.
            if (className == "InstallUninstaller" && !group->Auxiliary) {
                return Fail(SourceMember(path, key), "names a group whose files are not auxiliary");
            }
        }
        // A list of files installs them by their own names unless the author says otherwise.
        if (className == "InstallFiles" && std::string(key) == "files") {
            if (compression.size() > 1) {
                return Fail(SourceMember(path, key),
                            "mixes compressed and stored files: give each kind its own event");
            }
            const std::int32_t sourceKind = compression.contains(false) ? 1 : 0;
            if (event.contains("sourceKind") && event["sourceKind"] != sourceKind) {
                return Fail(
                    SourceMember(path, "sourceKind"),
                    std::string("the files are ") +
                        (sourceKind == 0 ? "compressed: it must be 0" : "stored: it must be 1"));
            }
            out["sourceKind"] = sourceKind;
            if (!event.contains("wildcardSpec")) {
                out["wildcardSpec"] = "+*.*";
            }
        }
        fields.erase(key);
    }
    return Overlay(out, fields, path);
}

bool SourceReader::CheckEventValues(const Json& event, const std::string& path) {
    const std::string className = event["class"].get<std::string>();
    for (const auto& [field, value] : event.items()) {
        const std::string place = SourceMember(path, field);
        IntRange range;
        if (value.is_number_integer() && IntRangeOf(className, field, range) &&
            (value.get<std::int64_t>() < range.Min || value.get<std::int64_t>() > range.Max)) {
            return Fail(place, value.dump() + " is out of range (" + std::to_string(range.Min) +
                                   " to " + std::to_string(range.Max) + ")");
        }
        if (value.is_string() && field != "class" &&
            !CheckText(className, field, value.get<std::string>(), place)) {
            return false;
        }
        for (std::size_t i = 0; value.is_array() && i < value.size(); ++i) {
            if (value[i].is_string() && !CheckText(className, field, value[i].get<std::string>(),
                                                   SourceElement(place, i))) {
                return false;
            }
        }
    }
    // A number-typed registry value is an expression.
    if (className == "WriteRegistry" && event["valueType"] == 2) {
        const std::string problem = ExpressionProblem(event["value"].get<std::string>());
        if (!problem.empty()) {
            return Fail(SourceMember(path, "value"), problem);
        }
    }
    if (className == "InstallUninstaller") {
        const std::size_t wanted = event["backDirectoryFile"] == "" ? 1 : 2;
        if (event["auxiliaryFiles"]["IFLIST"].size() < wanted) {
            return Fail(SourceMember(path, "auxiliaryFiles"),
                        wanted == 1 ? "names no file for the Windows directory (movexe.exe)"
                                    : "names no second file, which backDirectoryFile asks for");
        }
    }
    if (className == "ShowUserDialog") {
        const std::string name = event["dialogName"].get<std::string>();
        if (name.find('$') == std::string::npos && !dialogNames_.contains(UpperAscii(name))) {
            return Fail(SourceMember(path, "dialogName"), "no dialog is named \"" + name + "\"");
        }
    }
    return true;
}

bool SourceReader::CheckText(const std::string& className, const std::string& field,
                             const std::string& text, const std::string& path) {
    const TextRule rule = TextRuleOf(className, field);
    std::string problem;
    switch (rule.Role) {
        case TextRole::Substituted:
            problem = SubstitutionProblem(text);
            break;
        case TextRole::Expression:
            problem = text.empty() && rule.EmptyAllowed ? "" : ExpressionProblem(text);
            break;
        case TextRole::IntegerVariable:
            problem = VariableProblem(text, VariableKind::Integer, rule.EmptyAllowed);
            break;
        case TextRole::TextVariable:
            problem = VariableProblem(text, VariableKind::Text, rule.EmptyAllowed);
            break;
        case TextRole::Plain:
            break;
    }
    return problem.empty() || Fail(path, problem);
}

bool SourceReader::Components(const Json& source) {
    const auto found = source.find("components");
    if (found == source.end()) {
        return true;
    }
    if (!Array(*found, "components")) {
        return false;
    }
    // Names first: a group may name a component that comes after it.
    for (std::size_t i = 0; i < found->size(); ++i) {
        const std::string path = SourceElement("components", i);
        std::string name;
        if (!Object((*found)[i], path) || !String((*found)[i], "name", path, name)) {
            return false;
        }
        if (name.empty() || !componentNames_.emplace(name, static_cast<std::int32_t>(i)).second) {
            return Fail(SourceMember(path, "name"),
                        name.empty() ? "a component needs a name"
                                     : "another component has the name \"" + name + "\"");
        }
    }
    Json& components = script()["CMLIST"];
    for (std::size_t i = 0; i < found->size(); ++i) {
        Json component = templates_.Component;
        component["firstValue"] = "1";
        component["secondValue"] = "0";
        if (!Component((*found)[i], SourceElement("components", i), component)) {
            return false;
        }
        components.push_back(std::move(component));
    }
    return true;
}

bool SourceReader::Component(const Json& component, const std::string& path, Json& out) {
    const bool leaf = component.contains("events");
    if (leaf == component.contains("children")) {
        return Fail(path,
                    "a component has either \"events\" (what it installs) or "
                    "\"children\" (the components it groups)");
    }
    out["leaf"] = leaf ? 1 : 0;
    const char* key = leaf ? "events" : "children";
    const auto& names = leaf ? eventIds_ : componentNames_;
    const Json& list = component[key];
    if (!Array(list, SourceMember(path, key))) {
        return false;
    }
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::string place = SourceElement(SourceMember(path, key), i);
        const auto target =
            list[i].is_string() ? names.find(list[i].get<std::string>()) : names.end();
        if (target == names.end()) {
            return Fail(place, list[i].dump() + (leaf ? " is the id of no event"
                                                      : " is the name of no component"));
        }
        out[key].push_back(target->second);
        // What a component installs runs only while it is chosen.
        if (leaf && !explicitlyBound_.contains(target->second)) {
            script()["EVENT"][static_cast<std::size_t>(target->second)]["componentBound"] = 1;
        }
    }
    Json rest = component;
    rest.erase(key);
    if (rest.contains("leaf")) {
        return Fail(SourceMember(path, "leaf"), "unknown key: \"events\" or \"children\" says it");
    }
    if (!Overlay(out, rest, path)) {
        return false;
    }
    for (const char* text : {"name", "description"}) {
        if (!CheckText("", text, out[text].get<std::string>(), SourceMember(path, text))) {
            return false;
        }
    }
    for (const char* value : {"firstValue", "secondValue"}) {
        const std::string problem = ExpressionProblem(out[value].get<std::string>());
        if (!problem.empty()) {
            return Fail(SourceMember(path, value), problem);
        }
    }
    return true;
}

}  // namespace aw

#include "tools/scriptsource/script_templates.h"

#include "installer/script/events/event_registry.h"
#include "installer/script/model/install_script.h"
#include "tools/scriptdump/script_json.h"

namespace aw {

namespace {

constexpr std::int32_t kLastTypeCode = 53;

}  // namespace

ScriptTemplates MakeScriptTemplates(const EventRegistry& registry) {
    ScriptTemplates templates;
    InstallScript empty;
    templates.Script = DumpScript(empty, registry, false, 302);

    InstallScript sample;
    for (std::int32_t code = 0; code <= kLastTypeCode; ++code) {
        if (auto event = registry.Create(code)) {
            sample.Events.Add(std::move(event));
        }
    }
    sample.Components.AddNew();
    sample.UserDialogs.Dialogs.AddNew().Controls.AddNew();
    sample.Screen.Titles.Texts.AddNew();
    const nlohmann::ordered_json dump = DumpScript(sample, registry, false, 302);
    for (const auto& event : dump["EVENT"]) {
        templates.Events[event["class"].get<std::string>()] = event;
    }
    templates.Component = dump["CMLIST"][0];
    templates.Dialog = dump["UDLIST"]["dialogs"][0];
    templates.Control = templates.Dialog["controls"][0];
    templates.Dialog["controls"] = nlohmann::ordered_json::array();
    templates.Title = dump["ScreenLayout"]["titles"]["texts"][0];
    return templates;
}

}  // namespace aw

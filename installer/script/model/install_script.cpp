#include "installer/script/model/install_script.h"

namespace aw {

void RevisionStamp::Fields(FieldVisitor& v) {
    for (auto& value : Values) {
        v.Long("value", value);
    }
}

void ScriptInfo::Fields(FieldVisitor& v) {
    v.Int("first", First);
    v.Int("shellClose", ShellClose);
    v.Int("controls3D", Controls3D);
    v.Long("logValue1", LogValues[0]);
    v.Long("logValue2", LogValues[1]);
    v.Text("productName", ProductName);
}

void AdditionalFile::Fields(FieldVisitor& v) {
    v.FixedText("first", First);
    v.FixedText("second", Second);
    v.Int("value", Value);
}

void AdditionalFiles::Fields(FieldVisitor& v) {
    v.Record("files", Files);
    v.List("entries", Entries);
}

void ScriptDescription::Fields(FieldVisitor& v) {
    for (auto& text : Texts) {
        v.Text("text", text);
    }
    v.DateTime("stamp", Stamp);
}

void LanguageSet::Fields(FieldVisitor& v) {
    v.Int("first", First);
    const std::size_t count = v.Version() >= 302 ? 20 : 11;
    if (v.Pass() == FieldPass::Read) {
        Flags.assign(count, 0);
    }
    // A model with fewer flags than the version has is written with the rest 0.
    for (std::size_t i = 0; i < count; ++i) {
        std::int32_t flag = i < Flags.size() ? Flags[i] : 0;
        v.Int("flag", flag);
        if (i < Flags.size()) {
            Flags[i] = flag;
        }
    }
}

void SetupOptions::Fields(FieldVisitor& v) {
    v.Uint("first", First);
    v.Int("second", Second);
    v.Int("third", Third);
    v.FixedText("directory", Directory);
    v.Text("text", Text);
}

void ProgressInfo::Fields(FieldVisitor& v) {
    v.Int("logValue", LogValue);
    v.Long("unused", Unused);
}

void InstallScript::Fields(FieldVisitor& v) {
    v.Int("changeMark", ChangeMark);
    v.Record("RevisionStamp", Revision);
    v.Record("ScriptInfo", Info);
    v.Record("BuildSet", Build);
    v.Events("EVENT", Events);
    v.Record("AFLIST", Additional);
    if (v.Version() >= 301) {
        v.List("CMLIST", Components);
        v.Record("UDLIST", UserDialogs);
    }
    v.Record("ScriptDescription", Description);
    v.Record("LanguageSet", Languages);
    v.FixedText("firstDirectory", FirstDirectory);
    v.FixedText("secondDirectory", SecondDirectory);
    v.Record("ScreenLayout", Screen);
    v.Record("SetupOptions", Options);
    v.Record("ProgressInfo", Progress);
}

}  // namespace aw

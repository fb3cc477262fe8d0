// The events that read or change the system through the controller: INI entries, registry
// values, programs, drives and file searches.
#pragma once

#include <cstdint>
#include <string>

#include "installer/script/events/event_families.h"

namespace aw {

class WriteIni : public CodedEvent<5> {
  public:
    void ClassFields(FieldVisitor& v) override {
        v.Int("mode", Mode);
        v.Text("file", File);
        v.Text("section", Section);
        v.Text("entry", Entry);
        v.Text("value", Value);
    }
    std::int32_t Mode = 0;
    std::string File = "$i\\myapp.ini";
    std::string Section = "section";
    std::string Entry = "entry";
    std::string Value = "value";
};

class WriteRegistry : public CodedEvent<6> {
  public:
    void ClassFields(FieldVisitor& v) override {
        v.Int("root", Root);
        v.Int("valueType", ValueType);
        v.Text("key", Key);
        v.Text("valueName", ValueName);
        v.Text("value", Value);
    }
    std::int32_t Root = 0;
    std::int32_t ValueType = 0;
    std::string Key = "Arkwell\\shell\\open\\command";
    std::string ValueName = "field";
    std::string Value = "value";
};

class RunProgram : public CodedEvent<7> {
  public:
    void ClassFields(FieldVisitor& v) override {
        v.Int("kind", Kind);
        v.Int("windowState", WindowState);
        v.Int("throughShell", ThroughShell);
        v.Text("windowClass", WindowClass);
        v.Text("windowTitle", WindowTitle);
        v.Text("commandLine", CommandLine);
        v.Text("workingDirectory", WorkingDirectory);
        v.Text("exitCodeVariable", ExitCodeVariable);
    }
    std::int32_t Kind = 0;
    // 0 normal, 1 minimised, 2 maximised.
    std::int32_t WindowState = 0;
    std::int32_t ThroughShell = 0;
    std::string WindowClass;
    std::string WindowTitle;
    std::string CommandLine;
    std::string WorkingDirectory;
    std::string ExitCodeVariable;
};

class SetCompletion : public CodedEvent<8> {
  public:
    void ClassFields(FieldVisitor& v) override {
        v.Int("kind", Kind);
        v.Int("endNow", EndNow);
        v.Int("showDialog", ShowDialog);
    }
    std::int32_t Kind = 0;
    std::int32_t EndNow = 0;
    std::int32_t ShowDialog = 0;
};

// Both names may be empty: the drive is still looked for.
class FindCdRom : public CodedEvent<17> {
  public:
    void ClassFields(FieldVisitor& v) override {
        v.Text("foundVariable", FoundVariable);
        v.Text("rootVariable", RootVariable);
    }
    std::string FoundVariable = "CDExists";
    std::string RootVariable = "CDRoot";
};

class CompareTexts : public CodedEvent<21> {
  public:
    void ClassFields(FieldVisitor& v) override {
        v.Int("caseSensitive", CaseSensitive);
        v.Text("first", First);
        v.Text("second", Second);
        v.Text("variable", Variable);
    }
    std::int32_t CaseSensitive = 1;
    std::string First;
    std::string Second;
    std::string Variable = "x";
};

class SearchFile : public CodedEvent<22> {
  public:
    void ClassFields(FieldVisitor& v) override {
        v.Int("windowKind", WindowKind);
        v.Int("where", Where);
        v.Int("cdRomDrives", CdRomDrives);
        v.Int("fixedDrives", FixedDrives);
        v.Int("networkDrives", NetworkDrives);
        v.Int("recurse", Recurse);
        v.Text("foundVariable", FoundVariable);
        v.Text("pathVariable", PathVariable);
        v.Text("directory", Directory);
        v.Text("pattern", Pattern);
    }
    std::int32_t WindowKind = 2;
    std::int32_t Where = 0;
    std::int32_t CdRomDrives = 0;
    std::int32_t FixedDrives = 1;
    std::int32_t NetworkDrives = 0;
    std::int32_t Recurse = 1;
    std::string FoundVariable = "found";
    std::string PathVariable = "path";
    std::string Directory = "c:";
    std::string Pattern = "*.*";
};

class ReadIni : public CodedEvent<23> {
  public:
    void ClassFields(FieldVisitor& v) override {
        v.Text("directory", Directory);
        v.Text("file", File);
        v.Text("section", Section);
        v.Text("entry", Entry);
        v.Text("foundVariable", FoundVariable);
        v.Text("valueVariable", ValueVariable);
    }
    std::string Directory = "$i";
    std::string File = "file.ini";
    std::string Section = "section";
    std::string Entry = "entry";
    std::string FoundVariable = "exist";
    std::string ValueVariable = "value";
};

class ReadRegistry : public CodedEvent<24> {
  public:
    void ClassFields(FieldVisitor& v) override {
        v.Int("root", Root);
        v.Text("key", Key);
        v.Text("valueName", ValueName);
        v.Text("foundVariable", FoundVariable);
        v.Text("valueVariable", ValueVariable);
    }
    std::int32_t Root = 0;
    std::string Key = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
    std::string ValueName = "field";
    std::string FoundVariable = "keyExist";
    std::string ValueVariable = "value";
};

}  // namespace aw

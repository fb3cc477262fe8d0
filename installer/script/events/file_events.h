// The events that install, move and remove files and directories.
#pragma once

#include <cstdint>
#include <string>

#include "installer/script/events/event_families.h"
#include "installer/script/model/build_set.h"

namespace aw {

// Copies one file, or every file of its install-file list, through the file installation.
class InstallFiles : public CodedEvent<3> {
  public:
    static constexpr std::int32_t SingleFile = 2;

    void ClassFields(FieldVisitor& v) override;
    std::uint32_t SizeKiB(ErrorReport& report) const override;
    std::uint32_t RequiredSize(ErrorReport& report) const override { return SizeKiB(report); }

    std::int32_t TimeStampPolicy = 0;
    // SingleFile, or any other value for the files of the list.
    std::int32_t Mode = 0;
    // 0: the distribution holds the files compressed.
    std::int32_t SourceKind = 0;
    std::int32_t Criterion = 0;
    std::int32_t InUsePolicy = 0;
    std::int32_t Comparison = 0;
    std::int32_t DestinationKind = 0;
    std::int32_t Shared = 0;
    std::int32_t Font = 0;
    std::int32_t OleServer = 0;
    std::int32_t Hidden = 0;
    std::int32_t System = 0;
    std::int32_t ReadOnly = 0;
    InstallFileList Files;
    // Kept for the file installation as it stands in the file.
    InstallFileList SecondFiles;
    std::string WildcardSpec;
    std::string ProgressText;
    std::string SourceDirectory;
    std::string DestinationDirectory;
    std::string SourceName;
    std::string DestinationName;

  private:
    std::uint32_t FileBytes(const DistributionFile& file, ErrorReport& report) const;
};

class SplitPath : public CodedEvent<27> {
  public:
    void ClassFields(FieldVisitor& v) override {
        v.Text("path", Path);
        v.Text("directoryVariable", DirectoryVariable);
        v.Text("fileVariable", FileVariable);
    }
    std::string Path = "c:\\filename";
    std::string DirectoryVariable = "dpart";
    std::string FileVariable = "fpart";
};

// Copies the installer into the back directory as the product's uninstaller.
class InstallUninstaller : public CodedEvent<41> {
  public:
    void ClassFields(FieldVisitor& v) override {
        v.Record("auxiliaryFiles", AuxiliaryFiles);
        v.Text("backDirectory", BackDirectory);
        v.Text("shortcutName", ShortcutName);
        v.Text("shortcutGroup", ShortcutGroup);
        v.Text("appendLog", AppendLog);
        v.FixedText("backDirectoryFile", BackDirectoryFile);
        v.Int("showBanner", ShowBanner);
    }
    // The first file goes to the Windows directory; the second, used only when
    // BackDirectoryFile is set, to the back directory.
    InstallFileList AuxiliaryFiles;
    std::string BackDirectory;
    std::string ShortcutName;
    std::string ShortcutGroup;
    std::string AppendLog = "0";
    FixedText BackDirectoryFile{};
    std::int32_t ShowBanner = 0;
};

class RenameFile : public CodedEvent<42> {
  public:
    void ClassFields(FieldVisitor& v) override {
        v.Text("from", From);
        v.Text("to", To);
    }
    std::string From;
    std::string To;
};

// One path and nothing else.
template <std::int32_t Code>
class PathEvent : public CodedEvent<Code> {
  public:
    void ClassFields(FieldVisitor& v) override { v.Text("path", Path); }
    std::string Path;
};

class DeletePath : public PathEvent<43> {};
class BackupFile : public PathEvent<44> {};
class MakeDir : public PathEvent<47> {};

}  // namespace aw

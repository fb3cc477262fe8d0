// What the Installer asks of its controller, as the uninstaller answers: no media to read from,
// no progress window (window messages still run during long removals), and the language
// library's texts for the Installer's own messages.
#pragma once

#include "installer/controller/copy_host.h"
#include "installer/controller/installer.h"
#include "installer/controller/win32/pending_messages.h"
#include "installer/controller/win32/win32_decompression_library.h"
#include "installer/controller/win32/win32_file_system.h"
#include "installer/controller/win32/win32_system_services.h"
#include "installer/controller/win32/win32_version_library.h"
#include "installer/languages/win32/language_library.h"
#include "installer/oplog/win32/win32_undo_user.h"

namespace aw {

class NoMedia : public DistributionMedia {
  public:
    bool VolumeStorage() override { return false; }
    std::string StartFile() override { return {}; }
    std::string SourceDirectory() override { return {}; }
    bool PromptForDisk(std::int32_t, bool) override { return false; }
};

class UndoProgress : public ProgressDisplay {
  public:
    bool ProgressWindowShown() override { return false; }
    void ShowProgressLines(const std::string&, const std::string&, const std::string&) override {}
    void GaugeStart(std::uint32_t) override {}
    bool GaugeStep(std::uint32_t) override { return true; }
    void GaugeEnd() override {}
    void GaugeUndo() override {}
    void ProcessMessages() override { RunPendingMessages(); }
};

class UndoQuestions : public UserQuestions {
  public:
    explicit UndoQuestions(LibraryTexts& texts) : texts_(texts) {}
    std::string Text(std::uint32_t number) override { return LibraryText(texts_.Library, number); }
    bool AskRetry(const std::string&) override { return false; }
    OverwriteChoice AskOverwrite(const std::string&, const std::string&) override {
        return OverwriteChoice::Keep;
    }

  private:
    LibraryTexts& texts_;
};

// The silent Installer that undoes records, with everything it needs from the system.
struct UndoInstaller {
    UndoInstaller(ErrorReport& report, LibraryTexts& texts)
        : questions(texts),
          installer({report, files, versions, decompression, media, progress, questions,
                     system.Services()}) {
        installer.SetSilent(true);
    }

    Win32FileSystem files;
    Win32VersionLibrary versions;
    Win32DecompressionLibrary decompression;
    NoMedia media;
    UndoProgress progress;
    UndoQuestions questions;
    Win32SystemServices system;
    Installer installer;
};

}  // namespace aw

// Undoes an installation of a package of files through the uninstaller's real pass: the
// Installer with its Win32 file system and registry, the archived log read back, every record
// undone newest first. Prints the time it took.
//
//     uninstall_files_bench record <installed files> <back directory>
//         writes the back directory's logs as an installation of those files would have left
//         them: "awlog3.000" empty, "awlog3.001" with each directory and file created (not timed)
//     uninstall_files_bench undo <back directory> [paced]
//         undoes "awlog3.001" as the unattended uninstaller does, or, with "paced", at the log's
//         pace as a person watches it; prints the time, the records and the pacing's floor
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "benchmarks/directory_walk.h"
#include "installer/oplog/log_encoding.h"
#include "installer/oplog/operation_log.h"
#include "installer/oplog/uninstall/uninstall_controller.h"
#include "installer/oplog/uninstall/uninstall_paths.h"
#include "installer/oplog/win32/log_files.h"
#include "installer/oplog/win32/undo_installer_parts.h"
#include "installer/oplog/win32/win32_uninstall_system.h"

namespace aw {
namespace {

// Records every directory before what it holds, as the copy creates them.
void RecordTree(const std::string& directory, LogSink& log) {
    log.DirectoryCreated(directory);
    WalkTree(directory, [&](const std::string& path, bool folder) {
        if (folder) {
            log.DirectoryCreated(path);
        } else {
            log.FileCreated(path);
        }
    });
}

class StderrReport : public ErrorReport {
  public:
    void ReportError(const std::string& message) override {
        std::fprintf(stderr, "%s\n", message.c_str());
    }
    void CheckFailed(const char* unit, int line) override {
        std::fprintf(stderr, "check failed at line %d in %s\n", line, unit);
    }
};

class NoDialogs : public UninstallView, public UndoObserver {
  public:
    bool LoadLanguage(const std::string&) override { return true; }
    void FreeLanguage() override {}
    DialogEnd RunDialog(std::int32_t, UninstallController&) override { return DialogEnd::Done; }
    bool WantsConfirmation() override { return false; }
    bool CanClose() override { return true; }
    void Begin() override {}
    void End() override {}
    void BeforeRecord(std::size_t) override {}
    void AfterRecord(std::size_t) override {}
};

// The program in the back directory, as far as the controller asks.
class BackDirectorySystem : public Win32UninstallSystem {
  public:
    explicit BackDirectorySystem(std::string back) : back_(std::move(back)) {}
    std::string ProgramPath() override { return back_ + "\\awmain.exe"; }

  private:
    std::string back_;
};

int Record(const std::string& installed, const std::string& back) {
    CreateDirectoryA(back.c_str(), nullptr);
    Win32LogFiles files;
    std::unique_ptr<OutputFile> empty = files.Create(ArchivedLogPath(back, 0));
    LogHeader header{0, 3, 0, 0, kUndoPacing, "Bench"};
    std::vector<std::uint8_t> head = EncodeHeader(header);
    if (!empty || !empty->Write(AsChars(head)) || !empty->Close()) {
        std::fprintf(stderr, "cannot write the logs in %s\n", back.c_str());
        return 1;
    }
    StderrReport report;
    LibraryTexts texts;
    Win32FileSystem fileSystem;
    Win32VersionLibrary versions;
    Win32DecompressionLibrary decompression;
    NoMedia media;
    UndoProgress progress;
    UndoQuestions questions(texts);
    Win32SystemServices system;
    Installer installer({report, fileSystem, versions, decompression, media, progress, questions,
                         system.Services()});
    OperationLog log(files, installer);
    if (!log.Open(ArchivedLogPath(back, 1), header)) {
        std::fprintf(stderr, "cannot write the logs in %s\n", back.c_str());
        return 1;
    }
    RecordTree(installed, log);
    return 0;
}

int Undo(const std::string& back, bool paced) {
    StderrReport report;
    LibraryTexts texts;
    UndoInstaller undo(report, texts);
    Installer& installer = undo.installer;
    Win32LogFiles logFiles;
    BackDirectorySystem uninstallSystem(back);
    NoDialogs dialogs;
    UnattendedUndoUser user(texts);
    Win32PassClock clock;
    UninstallController controller(
        {installer, logFiles, uninstallSystem, dialogs, user, clock, report}, !paced);
    const auto start = std::chrono::steady_clock::now();
    if (!controller.Initialise()) {
        return 1;
    }
    controller.StartCommand(dialogs);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const std::size_t records = controller.Records().size();
    const std::size_t left = controller.RecordsLeft();
    std::printf("%s: %zu records undone in %.3f s (%zu left)", paced ? "paced" : "unattended",
                records - left, seconds, left);
    if (paced) {
        const double floor = records * kUndoPacing / 1000.0;
        std::printf(", floor %.3f s, %.2f ms per record above it", floor,
                    (seconds - floor) * 1000.0 / static_cast<double>(records));
    }
    std::printf("\n");
    return left == 0 ? 0 : 1;
}

}  // namespace
}  // namespace aw

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "record" && argc == 4) {
        return aw::Record(argv[2], argv[3]);
    }
    if (command == "undo" && (argc == 3 || argc == 4)) {
        return aw::Undo(argv[2], argc == 4 && std::string(argv[3]) == "paced");
    }
    std::fprintf(stderr,
                 "usage: uninstall_files_bench record <installed files> <back directory>\n"
                 "       uninstall_files_bench undo <back directory> [paced]\n");
    return command == "--help" ? 0 : 2;
}

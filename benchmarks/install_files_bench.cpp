// Installs a package of compressed distribution files through the installer's real copy
// pipeline: the Installer with its Win32 file system, version library and "lzpunz2.dll", one
// file request per file, progress steps that let window messages run, every change reported to
// a log. Prints the time it took.
//
//     install_files_bench pack <expanded files> <media>
//         packs every file below the first directory onto the media with the packer (one disk,
//         compressed, own names) and lists them in "files.lst" there (not timed)
//     install_files_bench install <media> <destination>
//         installs the listed files below the destination and prints the time
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "benchmarks/directory_walk.h"
#include "installer/controller/install_paths.h"
#include "installer/controller/installer.h"
#include "installer/controller/win32/pending_messages.h"
#include "installer/controller/win32/win32_decompression_library.h"
#include "installer/controller/win32/win32_file_system.h"
#include "installer/controller/win32/win32_system_services.h"
#include "installer/controller/win32/win32_version_library.h"
#include "installer/oplog/record_sink.h"
#include "installer/script/model/error_report.h"
#include "tools/distpack/packer.h"

namespace aw {
namespace {

constexpr char kList[] = "files.lst";

// Packs the files with the packer, all on one disk under their own names, and lists where each
// went together with the path below the destination it is installed to.
int Pack(const std::string& from, const std::string& media) {
    std::vector<std::string> names;
    WalkTree(from, [&](const std::string& path, bool folder) {
        if (!folder) {
            names.push_back(path.substr(from.size() + 1));
        }
    });
    std::vector<PackInput> inputs;
    for (const std::string& name : names) {
        inputs.push_back({JoinPath(from, name), "", true, false});
    }
    const PackResult packed = PackMedia(inputs, MediaOptions{}, media);
    if (!packed.Error.empty()) {
        std::fprintf(stderr, "%s\n", packed.Error.c_str());
        return 1;
    }
    std::ofstream list(JoinPath(media, kList));
    for (std::size_t i = 0; i < names.size(); ++i) {
        const PackedFile& file = packed.Files[i];
        list << names[i] << '|' << file.Name << '|' << file.Size << '|' << file.StoredSize << '\n';
    }
    std::printf("packed %zu files\n", packed.Files.size());
    return 0;
}

// The controller's side, as the install run has it: one source directory, a progress window
// whose steps let window messages run (paced), nobody to ask.
class BenchHost : public DistributionMedia,
                  public ProgressDisplay,
                  public UserQuestions,
                  public ErrorReport {
  public:
    explicit BenchHost(std::string media) : media_(std::move(media)) {}
    bool VolumeStorage() override { return false; }
    std::string StartFile() override { return JoinPath(media_, "setup.exe"); }
    std::string SourceDirectory() override { return media_; }
    bool PromptForDisk(std::int32_t, bool) override { return false; }

    bool ProgressWindowShown() override { return true; }
    void ShowProgressLines(const std::string&, const std::string&, const std::string&) override {
        pacer_.Turn();
    }
    void GaugeStart(std::uint32_t) override {}
    bool GaugeStep(std::uint32_t units) override {
        done_ += units;
        pacer_.Turn();
        return true;
    }
    void GaugeEnd() override {}
    void GaugeUndo() override {}
    void ProcessMessages() override { pacer_.Turn(); }

    std::string Text(std::uint32_t number) override { return "text " + std::to_string(number); }
    bool AskRetry(const std::string&) override { return false; }
    OverwriteChoice AskOverwrite(const std::string&, const std::string&) override {
        return OverwriteChoice::Cancel;
    }

    void ReportError(const std::string& message) override {
        std::fprintf(stderr, "%s\n", message.c_str());
    }
    void CheckFailed(const char* unit, int line) override {
        std::fprintf(stderr, "Check failed at line %d in file %s\n", line, unit);
    }

  private:
    std::string media_;
    std::uint64_t done_ = 0;
    MessagePacer pacer_;
};

int Install(const std::string& media, const std::string& destination) {
    std::vector<DistributionEntry> entries;
    std::ifstream list(JoinPath(media, kList));
    std::string line;
    std::vector<std::string> targets;
    while (std::getline(list, line)) {
        std::istringstream fields(line);
        DistributionEntry entry;
        std::string target;
        std::string size;
        std::string stored;
        std::getline(fields, target, '|');
        std::getline(fields, entry.Name, '|');
        std::getline(fields, size, '|');
        std::getline(fields, stored, '|');
        entry.Compressed = 1;
        entry.Size = static_cast<std::uint32_t>(std::stoul(size));
        entry.StoredSize = static_cast<std::uint32_t>(std::stoul(stored));
        entry.Stamp = {1999, 12, 5, 31, 12, 0, 0, 0};
        entries.push_back(entry);
        targets.push_back(target);
    }

    BenchHost host(media);
    Win32FileSystem files;
    Win32VersionLibrary versions;
    Win32DecompressionLibrary decompression;
    Win32SystemServices system;
    Installer installer{
        {host, files, versions, decompression, host, host, host, system.Services()}};
    MemoryLog log;
    installer.AttachLog(log);
    // The install run keeps the library loaded for the whole run.
    const HMODULE library = LoadLibraryA(kDecompressionLibrary);

    const auto start = std::chrono::steady_clock::now();
    std::uint64_t bytes = 0;
    std::size_t installed = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const DistributionEntry& entry = entries[i];
        FileRequest request;
        request.Entry = &entry;
        request.DestinationPath = JoinPath(destination, targets[i]);
        request.ProgressText = entry.Name;
        installer.InstallFile(request);
        if (request.State == FileState::Installed) {
            ++installed;
            bytes += entry.Size;
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    FreeLibrary(library);
    std::printf("installed %zu of %zu files, %.1f MB, %zu log records, in %.3f s (%.1f MB/s)\n",
                installed, entries.size(), bytes / 1e6, log.Records.size(), seconds,
                bytes / 1e6 / seconds);
    return installed == entries.size() ? 0 : 1;
}

}  // namespace
}  // namespace aw

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (argc == 4 && mode == "pack") {
        return aw::Pack(argv[2], argv[3]);
    }
    if (argc == 4 && mode == "install") {
        return aw::Install(argv[2], argv[3]);
    }
    std::fprintf(stderr,
                 "usage: install_files_bench pack <files> <media> | install <media> <to>\n");
    return 2;
}

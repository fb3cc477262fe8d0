#include "installer/controller/run/log_archive.h"

#include <cstdio>

#include "installer/controller/install_paths.h"
#include "installer/controller/installer.h"
#include "installer/oplog/log_loading.h"

namespace aw {

namespace {

bool Exists(FileSystem& files, const std::string& path) {
    return files.Attributes(path).has_value();
}

}  // namespace

std::string ArchiveName(const std::string& backDirectory, int number) {
    char name[16];
    std::snprintf(name, sizeof name, "awlog3.%03d", number);
    return JoinPath(backDirectory, name);
}

std::optional<std::string> FirstFreeArchive(FileSystem& files, const std::string& backDirectory) {
    for (int number = 0; number < kArchiveNumbers; ++number) {
        std::string name = ArchiveName(backDirectory, number);
        if (!Exists(files, name)) {
            return name;
        }
    }
    return std::nullopt;
}

std::optional<std::string> HighestArchive(FileSystem& files, const std::string& backDirectory) {
    for (int number = kArchiveNumbers - 1; number >= 0; --number) {
        std::string name = ArchiveName(backDirectory, number);
        if (Exists(files, name)) {
            return name;
        }
    }
    return std::nullopt;
}

bool ArchiveLog(Installer& installer, LogFiles& logFiles, const std::string& log,
                const std::string& backDirectory, bool append) {
    if (!LogHasRecords(logFiles, log)) {
        return false;
    }
    FileSystem& files = installer.Services().files;
    if (append) {
        if (const std::optional<std::string> highest = HighestArchive(files, backDirectory)) {
            return AppendLogRecords(logFiles, log, *highest);
        }
    }
    const std::optional<std::string> target = FirstFreeArchive(files, backDirectory);
    return target && installer.CopyPlainFile(log, *target);
}

bool WriteRollbackHandOver(FileSystem& files, ShortPaths& paths, const std::string& backDirectory) {
    const std::string handOver = JoinPath(files.WindowsDirectory(), "movexe.ini");
    const std::string engine = paths.ShortForm(JoinPath(backDirectory, "awmain.exe"));
    return files.WriteProfileEntry(handOver, "x", "f", engine) &&
           files.WriteProfileEntry(handOver, "x", "t", "") &&
           files.WriteProfileEntry(handOver, "x", "x", "1");
}

}  // namespace aw

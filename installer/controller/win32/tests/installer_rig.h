// An Installer on the real system for the Wine tests of its system changes: Win32 files,
// registry, INI files, shell, fonts and servers, with the controller's side answered by fakes
// and every change recorded in memory. A test may put its own shell in place of the real one.
#pragma once

#include "installer/controller/installer.h"
#include "installer/controller/tests/fakes/controller_fakes.h"
#include "installer/controller/win32/win32_decompression_library.h"
#include "installer/controller/win32/win32_file_system.h"
#include "installer/controller/win32/win32_system_services.h"
#include "installer/controller/win32/win32_version_library.h"
#include "installer/oplog/record_sink.h"
#include "installer/script/model/tests/fakes/fake_report.h"

namespace aw::testing {

struct Win32InstallerRig {
    explicit Win32InstallerRig(ShellFactory* shells = nullptr)
        : services{system.Services().registry,
                   system.Services().iniFiles,
                   shells != nullptr ? *shells : system.Services().shells,
                   system.Services().shortPaths,
                   system.Services().fonts,
                   system.Services().servers,
                   system.Services().os},
          installer{
              {report, files, versions, decompression, media, progress, questions, services}} {
        installer.AttachLog(log);
    }

    FakeReport report;
    Win32FileSystem files;
    Win32VersionLibrary versions;
    Win32DecompressionLibrary decompression;
    FakeMedia media;
    FakeProgress progress;
    FakeQuestions questions;
    Win32SystemServices system;
    SystemServices services;
    Installer installer;
    MemoryLog log;
};

}  // namespace aw::testing

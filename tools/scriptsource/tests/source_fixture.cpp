#include "tools/scriptsource/tests/source_fixture.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>

#include "installer/script/events/event_classes.h"
#include "tools/common/file_bytes.h"
#include "tools/scriptsource/distribution_build.h"

namespace aw::testing {

namespace fs = std::filesystem;

SourceTest::SourceTest() {
    RegisterEventClasses(registry);
}

void SourceTest::SetUp() {
    ScratchDirectoryTest::SetUp();
    // File stamps are recorded in local time.
    setenv("TZ", "UTC", 1);
    tzset();
    programs = directory / "programs";
    output = directory / "out";
    fs::create_directories(programs);
    for (const char* name : {"awmain.exe", "lzpunz2.dll", "awenu.dll", "aweng.dll", "awdeu.dll",
                             "awfra.dll", "setup.exe", "LineWink.exe", "movexe.exe"}) {
        Program(name, 1000);
    }
}

void SourceTest::Program(const std::string& name, std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>(name[i % name.size()] + i * 7);
    }
    WriteFileBytes(programs / name, bytes);
    using namespace std::chrono;
    const sys_seconds stamp = sys_days{year{2024} / 3 / 1} + hours{9} + minutes{30};
    fs::last_write_time(programs / name, file_clock::from_sys(stamp));
}

std::string SourceTest::Build(const std::string& source) {
    std::ofstream(directory / "src.json") << source;
    return BuildFile(directory / "src.json");
}

std::string SourceTest::BuildFile(const fs::path& source) {
    std::ostringstream progress;
    return BuildDistribution({source, output, programs, {}}, registry, progress);
}

std::vector<std::uint8_t> SourceTest::Output(const std::string& path) const {
    return ReadFileBytes(output / path).value_or(std::vector<std::uint8_t>());
}

std::set<std::string> SourceTest::OutputFiles() const {
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(output)) {
        if (entry.is_regular_file()) {
            files.insert(entry.path().lexically_relative(output).generic_string());
        }
    }
    return files;
}

bool SourceTest::NothingWritten() const {
    return !fs::exists(output) && !fs::exists(output.string() + ".partial");
}

}  // namespace aw::testing

#include "tools/distpack/distpack_command.h"

#include <charconv>
#include <optional>
#include <ostream>

#include "installer/script/events/event_classes.h"
#include "installer/script/events/event_registry.h"
#include "installer/script/model/script_loader.h"
#include "tools/common/file_bytes.h"
#include "tools/common/stream_report.h"
#include "tools/distpack/build_style.h"
#include "tools/distpack/packer.h"
#include "tools/scriptbuild/script_writer.h"

namespace aw {

namespace {

constexpr const char* kUsage =
    "usage: distpack [options] <output directory> [file options] <file>...\n"
    "options:\n"
    "  --folders               put each disk in its own folder disk001, disk002, ...\n"
    "  --volumes <start file>  store the files inside volumes named after the start file:\n"
    "                          setup.exe on the first disk, setup.001, setup.002, ... after it\n"
    "  --launcher <file>       begin the first volume with this program\n"
    "  --disk-size <bytes>     capacity of a disk (K and M suffixes; default: no limit)\n"
    "  --cluster-size <bytes>  allocation unit of the disks (default 512)\n"
    "  --reserve <bytes>       space kept free on the first disk (default 0)\n"
    "  --script <in> <out>     add the files and a build style for them to install script\n"
    "                          <in>, written to <out>\n"
    "file options, for the files after them:\n"
    "  --compressed | --stored (default --compressed)\n"
    "  --aux | --no-aux        auxiliary files are copied beside the installer before its run\n"
    "  --name <name>           the next file's name on the media (default: its own)\n";

struct Command {
    MediaOptions Media;
    std::filesystem::path Root;
    std::filesystem::path Launcher;
    std::vector<PackInput> Files;
    std::string ScriptIn;
    std::string ScriptOut;
};

std::optional<std::uint64_t> ParseSize(const std::string& text) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || rest == text.data()) {
        return std::nullopt;
    }
    const std::string suffix(rest, end);
    const std::uint64_t unit = suffix.empty()                   ? 1
                               : suffix == "K" || suffix == "k" ? 1024
                               : suffix == "M" || suffix == "m" ? 1024 * 1024
                                                                : 0;
    if (unit == 0 || value > UINT64_MAX / unit) {
        return std::nullopt;
    }
    return value * unit;
}

// Reads the arguments in order: options, the output directory, file options and files.
class Parser {
  public:
    explicit Parser(const std::vector<std::string>& args) : args_(args) {}

    // The command, or none with the reason in Problem().
    std::optional<Command> Run();
    const std::string& Problem() const { return problem_; }

  private:
    bool Fail(const std::string& problem) {
        problem_ = problem;
        return false;
    }
    // The next argument, taken as a value of `option`; none when there is none.
    const std::string* Value(const std::string& option);
    bool Size(const std::string& option, std::uint64_t& into);
    bool Option(const std::string& option);
    bool Check();

    const std::vector<std::string>& args_;
    std::size_t at_ = 0;
    std::string problem_;
    Command command_;
    PackInput next_;
    bool named_ = false;
};

const std::string* Parser::Value(const std::string& option) {
    if (at_ + 1 >= args_.size()) {
        Fail(option + " needs a value");
        return nullptr;
    }
    return &args_[++at_];
}

bool Parser::Size(const std::string& option, std::uint64_t& into) {
    const std::string* text = Value(option);
    if (!text) {
        return false;
    }
    const std::optional<std::uint64_t> size = ParseSize(*text);
    into = size.value_or(0);
    return size || Fail(option + ": not a size: " + *text);
}

bool Parser::Option(const std::string& option) {
    MediaOptions& media = command_.Media;
    const std::string* text = nullptr;
    if (option == "--folders") {
        media.DiskFolders = true;
    } else if (option == "--volumes" || option == "--launcher" || option == "--name") {
        if (!(text = Value(option))) {
            return false;
        }
        if (option == "--volumes") {
            media.StartFile = *text;
        } else if (option == "--launcher") {
            command_.Launcher = *text;
        } else {
            next_.Name = *text;
            named_ = true;
        }
    } else if (option == "--disk-size") {
        return Size(option, media.DiskSize);
    } else if (option == "--cluster-size") {
        return Size(option, media.ClusterSize);
    } else if (option == "--reserve") {
        return Size(option, media.Reserve);
    } else if (option == "--script") {
        if (!(text = Value(option)) || !Value(option)) {
            return false;
        }
        command_.ScriptIn = *text;
        command_.ScriptOut = args_[at_];
    } else if (option == "--compressed" || option == "--stored") {
        next_.Compressed = option == "--compressed";
    } else if (option == "--aux" || option == "--no-aux") {
        next_.Auxiliary = option == "--aux";
    } else {
        return Fail("unknown option " + option);
    }
    return true;
}

bool Parser::Check() {
    if (command_.Files.empty()) {
        return Fail("no files to pack");
    }
    if (named_) {
        return Fail("--name with no file after it");
    }
    if (command_.Media.ClusterSize == 0) {
        return Fail("--cluster-size must not be 0");
    }
    if (!command_.Launcher.empty() && command_.Media.StartFile.empty()) {
        return Fail("--launcher needs --volumes");
    }
    return true;
}

std::optional<Command> Parser::Run() {
    bool rootGiven = false;
    for (at_ = 0; at_ < args_.size(); ++at_) {
        const std::string& arg = args_[at_];
        if (arg.starts_with("--")) {
            if (!Option(arg)) {
                return std::nullopt;
            }
        } else if (!rootGiven) {
            command_.Root = arg;
            rootGiven = true;
        } else {
            next_.Source = arg;
            command_.Files.push_back(next_);
            next_.Name.clear();
            named_ = false;
        }
    }
    if (!Check()) {
        return std::nullopt;
    }
    return command_;
}

// Rewrites the script in its own width and version with the packed files added.
bool AddToScript(const Command& command, const PackResult& packed, std::ostream& err) {
    StreamReport report(err);
    EventRegistry registry(report);
    const std::optional<std::vector<std::uint8_t>> bytes = ReadFileBytes(command.ScriptIn);
    InstallScript script;
    if (!RegisterEventClasses(registry) || !bytes ||
        ReadScript(*bytes, script, registry) != ScriptReadResult::Loaded) {
        err << "Unable to load " << command.ScriptIn << '\n';
        return false;
    }
    // The loader marks older versions as upgraded; the file keeps what it was.
    const bool shortInts = (*bytes)[0] == 0x10;
    const std::int32_t version =
        shortInts ? static_cast<std::int16_t>((*bytes)[1] | (*bytes)[2] << 8)
                  : static_cast<std::int32_t>((*bytes)[1] | (*bytes)[2] << 8 | (*bytes)[3] << 16 |
                                              static_cast<std::uint32_t>((*bytes)[4]) << 24);
    script.Revision = script.LoadedRevision;
    AddBuildStyle(script, packed, !command.Media.StartFile.empty(), "distpack");
    const auto written = WriteScript(script, shortInts, version);
    if (!written || !WriteFileBytes(command.ScriptOut, *written)) {
        err << "Unable to write " << command.ScriptOut << '\n';
        return false;
    }
    return true;
}

}  // namespace

int RunDistPack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Parser parser(args);
    const std::optional<Command> command = parser.Run();
    if (!command) {
        err << parser.Problem() << '\n' << kUsage;
        return 1;
    }
    const PackResult packed =
        PackMedia(command->Files, command->Media, command->Root, command->Launcher);
    if (!packed.Error.empty()) {
        err << packed.Error << '\n';
        return 1;
    }
    if (!command->ScriptIn.empty() && !AddToScript(*command, packed, err)) {
        return 1;
    }
    std::uint64_t size = 0;
    std::uint64_t stored = 0;
    for (const PackedFile& file : packed.Files) {
        size += file.Size;
        stored += file.StoredSize;
    }
    out << packed.Files.size() << " files, " << size << " bytes stored in " << stored << " on "
        << packed.Disks << (packed.Disks == 1 ? " disk" : " disks") << '\n';
    return 0;
}

}  // namespace aw

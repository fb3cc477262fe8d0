#include "tools/distpack/packer.h"

#include <chrono>
#include <ctime>
#include <fstream>
#include <optional>
#include <system_error>

#include "installer/controller/copy/media_names.h"
#include "installer/lzpunz2/compressed_format.h"
#include "installer/lzpunz2/compressor.h"
#include "tools/common/file_bytes.h"
#include "tools/distpack/media_name_check.h"

namespace aw {

namespace {

constexpr std::size_t kReadBlock = 64 * 1024;

SystemTime LocalTime(std::filesystem::file_time_type when) {
    const auto system = std::chrono::file_clock::to_sys(when);
    const std::time_t seconds = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(system));
    // The packer runs on one thread; localtime's shared result is read at once.
    const std::tm* local = std::localtime(&seconds);
    SystemTime stamp;
    if (local != nullptr) {
        stamp.wYear = static_cast<std::uint16_t>(local->tm_year + 1900);
        stamp.wMonth = static_cast<std::uint16_t>(local->tm_mon + 1);
        stamp.wDay = static_cast<std::uint16_t>(local->tm_mday);
        stamp.wHour = static_cast<std::uint16_t>(local->tm_hour);
        stamp.wMinute = static_cast<std::uint16_t>(local->tm_min);
        stamp.wSecond = static_cast<std::uint16_t>(local->tm_sec);
    }
    return stamp;
}

// The file as it will be packed, or the reason it cannot be.
std::string Prepare(const PackInput& input, PackedFile& file) {
    file.Source = input.Source.string();
    file.Name = input.Name.empty() ? input.Source.filename().string() : input.Name;
    file.Compressed = input.Compressed;
    file.Auxiliary = input.Auxiliary;
    std::error_code error;
    const auto status = std::filesystem::status(input.Source, error);
    if (!std::filesystem::exists(status)) {
        return "no such file";
    }
    if (!std::filesystem::is_regular_file(status)) {
        return "not a file";
    }
    const std::uintmax_t size = std::filesystem::file_size(input.Source, error);
    if (error) {
        return "its size cannot be read";
    }
    if (size > lzpunz::kMaxExpandedSize) {
        return "larger than 2147483647 bytes, the most an install script can describe";
    }
    file.Size = static_cast<std::uint32_t>(size);
    file.Stamp = LocalTime(std::filesystem::last_write_time(input.Source, error));
    std::string problem = MediaNameProblem(file.Name);
    if (problem.empty() && file.Compressed &&
        CompressedFileName(file.Name).size() > kMaxMediaName) {
        problem =
            "its compressed name, " + CompressedFileName(file.Name) + ", is over 259 characters";
    }
    return problem;
}

// Copies or compresses the source into the writer; the problem, or empty.
std::string Transfer(const PackedFile& file, MediaWriter& writer) {
    std::ifstream in(file.Source, std::ios::binary);
    if (!in) {
        return "cannot be read";
    }
    std::vector<std::uint8_t> block(kReadBlock);
    std::optional<lzpunz::Compressor> compressor;
    if (file.Compressed) {
        compressor.emplace(writer);
    }
    std::uint64_t total = 0;
    while (in) {
        in.read(reinterpret_cast<char*>(block.data()), static_cast<std::streamsize>(block.size()));
        const std::span<const std::uint8_t> got(block.data(),
                                                static_cast<std::size_t>(in.gcount()));
        total += got.size();
        const bool stored = compressor ? compressor->Write(got) : writer.Put(got);
        if (!stored) {
            return "cannot be packed";
        }
    }
    if (in.bad()) {
        return "cannot be read";
    }
    if (total != file.Size) {
        return "changed while it was packed";
    }
    return compressor && !compressor->Finish() ? "cannot be packed" : "";
}

// Writes one file; false with `error` naming the file when it could not be.
bool Pack(PackedFile& file, MediaWriter& writer, std::string& error) {
    const auto fail = [&](const std::string& problem) {
        error = writer.Error().empty() ? file.Source + ": " + problem : writer.Error();
        return false;
    };
    const std::string name = file.Compressed ? CompressedFileName(file.Name) : file.Name;
    Placement placement;
    if (!writer.BeginFile(name, file.Source)) {
        return fail("");
    }
    if (std::string problem = Transfer(file, writer); !problem.empty()) {
        return fail(problem);
    }
    if (!writer.EndFile(placement)) {
        return fail("");
    }
    if (placement.StoredSize > lzpunz::kMaxExpandedSize) {
        return fail(
            "stored in more than 2147483647 bytes, the most an install script can describe");
    }
    file.FirstDisk = placement.FirstDisk;
    file.Pieces = placement.Pieces;
    file.Offset = placement.Offset;
    file.StoredSize = static_cast<std::uint32_t>(placement.StoredSize);
    return true;
}

}  // namespace

PackResult PackMedia(const std::vector<PackInput>& inputs, const MediaOptions& options,
                     const std::filesystem::path& root, const std::filesystem::path& launcher) {
    PackResult result;
    result.Files.resize(inputs.size());
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        if (std::string problem = Prepare(inputs[i], result.Files[i]); !problem.empty()) {
            result.Error = result.Files[i].Source + ": " + problem;
            return result;
        }
    }
    if (!options.StartFile.empty()) {
        if (std::string problem = MediaNameProblem(options.StartFile); !problem.empty()) {
            result.Error = options.StartFile + ": " + problem;
            return result;
        }
    }
    std::vector<std::uint8_t> launcherBytes;
    if (!launcher.empty()) {
        std::optional<std::vector<std::uint8_t>> bytes = ReadFileBytes(launcher);
        if (!bytes) {
            result.Error =
                launcher.string() +
                (std::filesystem::exists(launcher) ? ": cannot be read" : ": no such file");
            return result;
        }
        launcherBytes = std::move(*bytes);
    }

    MediaWriter writer(root, options);
    bool packed = writer.Start(launcherBytes, launcher.string());
    for (std::size_t i = 0; packed && i < result.Files.size(); ++i) {
        packed = Pack(result.Files[i], writer, result.Error);
    }
    const bool finished = writer.Finish();
    if (result.Error.empty() && (!packed || !finished)) {
        result.Error = writer.Error();
    }
    result.Disks = writer.DiskCount();
    return result;
}

}  // namespace aw

// What file installation asks of the install controller: the distribution media and the disk
// prompt, the progress window and gauge, and the questions put to the user. The controller
// implements them; tests answer them.
#pragma once

#include <cstdint>
#include <string>

namespace aw {

class DistributionMedia {
  public:
    virtual ~DistributionMedia() = default;
    // The files lie inside volumes named after the start file.
    virtual bool VolumeStorage() = 0;
    // The full path of the file the installation was started from.
    virtual std::string StartFile() = 0;
    // Where the files of the current disk are found now, without a trailing backslash.
    virtual std::string SourceDirectory() = 0;
    // Makes the files of `disk` (from 0) reachable, asking the user when that takes a disk
    // change; `forced` asks even for the current disk. False when the user refused, or when
    // nothing could change (a forced prompt that cannot reach anything new must fail, or the
    // caller asks forever).
    virtual bool PromptForDisk(std::int32_t disk, bool forced) = 0;
};

class ProgressDisplay {
  public:
    virtual ~ProgressDisplay() = default;
    virtual bool ProgressWindowShown() = 0;
    virtual void ShowProgressLines(const std::string& first, const std::string& second,
                                   const std::string& third) = 0;
    // The gauge, in KiB: a file of `units` starts, advances, ends, or is taken back.
    virtual void GaugeStart(std::uint32_t units) = 0;
    // False when the user asked to stop.
    virtual bool GaugeStep(std::uint32_t units) = 0;
    virtual void GaugeEnd() = 0;
    virtual void GaugeUndo() = 0;
    // Lets pending window messages run.
    virtual void ProcessMessages() = 0;
};

enum class OverwriteChoice { Install, Keep, Cancel };

class UserQuestions {
  public:
    virtual ~UserQuestions() = default;
    // The language library's text of that number.
    virtual std::string Text(std::uint32_t number) = 0;
    // A message with Retry and Cancel; true for Retry.
    virtual bool AskRetry(const std::string& message) = 0;
    // The overwrite dialog "DLGAOW", showing the file on the machine and the one to install.
    virtual OverwriteChoice AskOverwrite(const std::string& existingFile,
                                         const std::string& newFile) = 0;
};

// Numbers of the language library's texts that file installation shows.
namespace text {
inline constexpr std::uint32_t kExpanding = 0x2E;
inline constexpr std::uint32_t kCopying = 0x2F;
inline constexpr std::uint32_t kFrom = 0x30;
inline constexpr std::uint32_t kTo = 0x31;
inline constexpr std::uint32_t kNoSpace = 0x5B;
inline constexpr std::uint32_t kNoDirectory = 0x7F;
inline constexpr std::uint32_t kInUse = 0x83;
inline constexpr std::uint32_t kInUseClose = 0x84;
inline constexpr std::uint32_t kInUseAtRestart = 0x85;
inline constexpr std::uint32_t kInUseSkip = 0x86;
inline constexpr std::uint32_t kCopyFailed = 0x87;
}  // namespace text

// `text` with `value` in place of its first conversion (%s, %d, %u, %lu and the like) and "%%"
// read as "%"; any further conversion is left out. Texts come from outside, so they are never
// used as printf formats.
std::string InsertIntoText(const std::string& text, const std::string& value);

}  // namespace aw

// The seven replacement criteria: what decides whether the new file replaces the one on the
// machine. Each answers kNewFileWins, kFilesEqual, kOldFileWins or kNoComparison.
//
//     0 always                  the new file wins
//     1 destination exists      the new file wins when there is an old one
//     2 destination missing     the new file wins when there is none
//     3 file version            version resources of the two files
//     4 version in awver.ini    the version the directory's "awver.ini" holds for the file
//     5 time stamp              the job's time stamp against the old file's last write
//     6 size                    the new size against the old file's size
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "installer/controller/copy/copy_job.h"

namespace aw {

inline constexpr std::int32_t kCriterionCount = 7;
inline constexpr std::int32_t kVersionCriterion = 3;
inline constexpr std::int32_t kAwverCriterion = 4;

// What the criteria know of the new file besides the job: its size in bytes, and where its
// version resource is read when it is not extracted to a temporary file first.
struct NewFileFacts {
    std::uint32_t Size = 0;
    std::string Path;
};

// `criterion` 0..6 and the request's `comparison` 0..5; both checked by the caller.
std::unique_ptr<CopyCriterion> MakeCriterion(std::int32_t criterion, std::int32_t comparison,
                                             const NewFileFacts& newFile);

// "awver.ini" in the directory of `destination`.
std::string AwverFile(const std::string& destination);
inline constexpr const char kAwverSection[] = "iniversion";

}  // namespace aw

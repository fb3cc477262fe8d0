// The small rules of the copy: how a criterion's verdict and the request's comparison decide,
// how temporary files are named, how "awver.ini" versions and time stamps compare, how much
// space a drive has left.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "installer/controller/file_request.h"
#include "installer/controller/file_system.h"
#include "installer/script/model/script_types.h"

namespace aw {

// What a criterion answers about the new file against the one on the machine.
inline constexpr int kOldFileWins = -1;
inline constexpr int kFilesEqual = 0;
inline constexpr int kNewFileWins = 1;
inline constexpr int kNoComparison = 2;

// The request's comparisons, 0..5: write when new > old, new >= old, new = old, new != old,
// new < old, new <= old.
inline constexpr std::int32_t kComparisonCount = 6;

enum class Verdict { Write, Skip, Incomparable };

// Whether the file is written, for a criterion's `result` and the request's `comparison`
// (0..5). The result becomes a pair (new, old): -1 is (1, 2), 0 is (1, 1), 1 is (2, 1); any
// other result cannot be compared.
Verdict Judge(int result, std::int32_t comparison);

// 1, 0 or -1 as `a` is greater than, equal to or less than `b`.
template <class T>
int CompareValues(const T& a, const T& b) {
    return a > b ? 1 : (a < b ? -1 : 0);
}

// Year, month, day, hour, minute, second, millisecond; the day of the week plays no part.
int CompareTimes(const SystemTime& a, const SystemTime& b);

// "%d.%d.%d.%d" of the four 16-bit parts, as "awver.ini" holds it.
std::string VersionText(const ProductVersion& version);

// A version read from "awver.ini" against the product's: 1 when the installed one is older (or
// does not hold four numbers), 0 when equal, -1 when newer.
int CompareInstalledVersion(const std::string& installed, const ProductVersion& product);

// The name of temporary file `number` (0 to 999999): "tmp000.000", "tmp000.001", ...
inline constexpr std::uint32_t kTemporaryNames = 1000000;
std::string TemporaryFileName(std::uint32_t number);

// Free space in units of 10 KiB: (sectors per cluster x bytes per sector) / 128 x free clusters
// / 80, in that order with whole numbers. Counted in 64 bits, so that a large drive does not
// wrap around to a small figure.
std::uint64_t FreeUnits(const DiskFigures& figures);

// The attributes an installed file gets: read-only if asked, else system, else hidden, else
// none; only one of the three.
std::uint32_t WantedAttributes(bool hidden, bool system, bool readOnly);

}  // namespace aw

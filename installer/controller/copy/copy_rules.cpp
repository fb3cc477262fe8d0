#include "installer/controller/copy/copy_rules.h"

#include <array>
#include <cstdio>

namespace aw {

namespace {

// The pair of a criterion's result, or none.
struct Ranks {
    int New;
    int Old;
};

std::optional<Ranks> RanksOf(int result) {
    switch (result) {
        case kOldFileWins:
            return Ranks{1, 2};
        case kFilesEqual:
            return Ranks{1, 1};
        case kNewFileWins:
            return Ranks{2, 1};
        default:
            return std::nullopt;
    }
}

bool Holds(std::int32_t comparison, const Ranks& r) {
    switch (comparison) {
        case 0:
            return r.New > r.Old;
        case 1:
            return r.New >= r.Old;
        case 2:
            return r.New == r.Old;
        case 3:
            return r.New != r.Old;
        case 4:
            return r.New < r.Old;
        default:
            return r.New <= r.Old;
    }
}

}  // namespace

Verdict Judge(int result, std::int32_t comparison) {
    const std::optional<Ranks> ranks = RanksOf(result);
    if (!ranks) {
        return Verdict::Incomparable;
    }
    return Holds(comparison, *ranks) ? Verdict::Write : Verdict::Skip;
}

int CompareTimes(const SystemTime& a, const SystemTime& b) {
    const std::array<std::uint16_t, 7> left{a.wYear,   a.wMonth,  a.wDay,         a.wHour,
                                            a.wMinute, a.wSecond, a.wMilliseconds};
    const std::array<std::uint16_t, 7> right{b.wYear,   b.wMonth,  b.wDay,         b.wHour,
                                             b.wMinute, b.wSecond, b.wMilliseconds};
    return CompareValues(left, right);
}

std::string VersionText(const ProductVersion& version) {
    char text[48];
    std::snprintf(text, sizeof text, "%d.%d.%d.%d", static_cast<int>(version.High >> 16),
                  static_cast<int>(version.High & 0xFFFF), static_cast<int>(version.Low >> 16),
                  static_cast<int>(version.Low & 0xFFFF));
    return text;
}

int CompareInstalledVersion(const std::string& installed, const ProductVersion& product) {
    int parts[4] = {};
    if (std::sscanf(installed.c_str(), "%d.%d.%d.%d", &parts[0], &parts[1], &parts[2], &parts[3]) <
        4) {
        return kNewFileWins;
    }
    const auto pair = [](int first, int second) {
        return (static_cast<std::uint32_t>(first) << 16) + static_cast<std::uint32_t>(second);
    };
    const std::array<std::uint32_t, 2> old{pair(parts[0], parts[1]), pair(parts[2], parts[3])};
    const std::array<std::uint32_t, 2> now{product.High, product.Low};
    return CompareValues(now, old);
}

std::string TemporaryFileName(std::uint32_t number) {
    char name[32];
    std::snprintf(name, sizeof name, "%s%03u.%03u", "tmp", number / 1000, number % 1000);
    return name;
}

std::uint64_t FreeUnits(const DiskFigures& figures) {
    const std::uint64_t cluster =
        std::uint64_t{figures.SectorsPerCluster} * figures.BytesPerSector / 128;
    return cluster * figures.FreeClusters / 80;
}

std::uint32_t WantedAttributes(bool hidden, bool system, bool readOnly) {
    if (readOnly) {
        return kReadOnly;
    }
    if (system) {
        return kSystem;
    }
    return hidden ? kHidden : 0;
}

}  // namespace aw

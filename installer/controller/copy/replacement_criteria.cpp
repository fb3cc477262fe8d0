#include "installer/controller/copy/replacement_criteria.h"

#include <array>
#include <optional>

#include "installer/controller/copy/copy_rules.h"
#include "installer/controller/install_paths.h"
#include "installer/controller/installer.h"

namespace aw {

namespace {

// The criteria that look at the file on the machine.
class DestinationCriterion : public CopyCriterion {
  public:
    using CopyCriterion::CopyCriterion;

  protected:
    const InstallerServices& Services() const { return Job().Owner().Services(); }
    const std::string& Destination() const { return Job().DestinationPath; }
    bool DestinationExists() const {
        return Services().files.Attributes(Destination()).has_value();
    }
};

class Always : public CopyCriterion {
  public:
    using CopyCriterion::CopyCriterion;
    int Compare() override { return kNewFileWins; }
};

class IfDestinationExists : public DestinationCriterion {
  public:
    using DestinationCriterion::DestinationCriterion;
    int Compare() override { return DestinationExists() ? kNewFileWins : kOldFileWins; }
};

class IfDestinationMissing : public DestinationCriterion {
  public:
    using DestinationCriterion::DestinationCriterion;
    int Compare() override { return DestinationExists() ? kOldFileWins : kNewFileWins; }
};

class ByFileVersion : public DestinationCriterion {
  public:
    ByFileVersion(std::int32_t comparison, std::string newFile)
        : DestinationCriterion(comparison), newFile_(std::move(newFile)) {}

    int Compare() override {
        if (!DestinationExists()) {
            return kNewFileWins;
        }
        const std::string& newFile = Job().ForceTemporary ? Job().TemporaryPath : newFile_;
        VersionLibrary& versions = Services().versions;
        const std::optional<FileVersionInfo> next = versions.Version(newFile);
        const std::optional<FileVersionInfo> old = versions.Version(Destination());
        if (!next || !old) {
            return next ? kNewFileWins : (old ? kOldFileWins : kFilesEqual);
        }
        if (next->Language == old->Language && next->CodePage == old->CodePage &&
            next->FileType == old->FileType && next->FileSubtype == old->FileSubtype) {
            return CompareValues(std::array{next->VersionHigh, next->VersionLow},
                                 std::array{old->VersionHigh, old->VersionLow});
        }
        switch (Services().questions.AskOverwrite(Destination(), newFile)) {
            case OverwriteChoice::Install:
                return kNewFileWins;
            case OverwriteChoice::Keep:
                return kOldFileWins;
            case OverwriteChoice::Cancel:
                break;
        }
        return kNoComparison;
    }

  private:
    std::string newFile_;
};

class ByAwverVersion : public DestinationCriterion {
  public:
    using DestinationCriterion::DestinationCriterion;
    int Compare() override {
        const std::string installed = Services().files.ReadProfileEntry(
            AwverFile(Destination()), kAwverSection, Destination(), "0.0.0.0");
        return CompareInstalledVersion(installed, Job().Owner().GetProductVersion());
    }
};

class ByTimeStamp : public DestinationCriterion {
  public:
    using DestinationCriterion::DestinationCriterion;
    int Compare() override {
        if (!DestinationExists()) {
            return kNewFileWins;
        }
        const std::optional<SystemTime> old = Services().files.LastWriteTime(Destination());
        return old ? CompareTimes(Job().TimeStamp, *old) : kNoComparison;
    }
};

class BySize : public DestinationCriterion {
  public:
    BySize(std::int32_t comparison, std::uint32_t newSize)
        : DestinationCriterion(comparison), newSize_(newSize) {}
    int Compare() override {
        if (!DestinationExists()) {
            return kNewFileWins;
        }
        const std::optional<std::uint32_t> old = Services().files.FileSize(Destination());
        return old ? CompareValues(newSize_, *old) : kNoComparison;
    }

  private:
    std::uint32_t newSize_;
};

}  // namespace

std::unique_ptr<CopyCriterion> MakeCriterion(std::int32_t criterion, std::int32_t comparison,
                                             const NewFileFacts& newFile) {
    switch (criterion) {
        case 1:
            return std::make_unique<IfDestinationExists>(comparison);
        case 2:
            return std::make_unique<IfDestinationMissing>(comparison);
        case kVersionCriterion:
            return std::make_unique<ByFileVersion>(comparison, newFile.Path);
        case kAwverCriterion:
            return std::make_unique<ByAwverVersion>(comparison);
        case 5:
            return std::make_unique<ByTimeStamp>(comparison);
        case 6:
            return std::make_unique<BySize>(comparison, newFile.Size);
        default:
            return std::make_unique<Always>(comparison);
    }
}

std::string AwverFile(const std::string& destination) {
    return JoinPath(DirectoryPart(destination), "awver.ini");
}

}  // namespace aw

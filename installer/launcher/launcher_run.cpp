#include "installer/launcher/launcher_run.h"

#include "installer/launcher/awmain_ini.h"

namespace aw {

namespace {

// The longest path the installer takes.
constexpr std::size_t kMaxPath = 259;
// The exit code of an installer that reported its own failure to start its run.
constexpr std::uint32_t kInstallerRefused = 1;

class Launcher {
  public:
    Launcher(LauncherSystem& system, const LauncherArguments& arguments)
        : system_(system), arguments_(arguments) {}

    int Run() {
        const std::string own = system_.OwnPath();
        if (own.size() > kMaxPath) {
            return Fail("Setup cannot run from " + own + ": the path is longer than " +
                        std::to_string(kMaxPath) + " characters.");
        }
        const std::string folder = own.substr(0, own.find_last_of('\\'));
        const std::optional<std::vector<FolderFile>> listed = system_.ListFolder(folder);
        if (!listed) {
            return Fail("Unable to read the folder " + folder + ".");
        }
        const MediumFiles medium = ChooseMediumFiles(*listed);
        if (!medium.Problem.empty()) {
            return Fail(medium.Problem);
        }
        const std::optional<std::string> work = system_.MakeWorkingDirectory();
        if (!work) {
            return Fail(
                "Unable to make a working folder in the temporary folder: it may be missing or "
                "read-only.");
        }
        const int result = RunIn(*work, folder, own, medium);
        system_.RemoveTree(*work);
        if (NeedsRestart(result) && !arguments_.Unattended && system_.AskRestart(result)) {
            system_.Restart();
        }
        return result;
    }

  private:
    int RunIn(const std::string& work, const std::string& folder, const std::string& own,
              const MediumFiles& medium) {
        for (const FolderFile& file : medium.Files) {
            if (!system_.CopyFileTo(folder + "\\" + file.Name, work + "\\" + file.Name)) {
                return Fail("Unable to copy " + file.Name + " to the temporary folder " + work +
                            ": it may be full or read-only.");
            }
        }
        const std::string iniPath = work + "\\awmain.ini";
        const AwmainIni ini{own, arguments_.ArgumentLine, SizeFigure(medium.Files),
                            arguments_.Unattended};
        if (!system_.WriteNewFile(iniPath, AwmainIniText(ini))) {
            return Fail("Unable to write " + iniPath + ": the temporary folder may be full.");
        }
        return RunInstaller(work + "\\awmain.exe", iniPath);
    }

    int RunInstaller(const std::string& program, const std::string& iniPath) {
        const std::optional<std::uint32_t> exitCode = system_.RunAndWait(program);
        if (!exitCode) {
            return Fail("Unable to start " + program + ".");
        }
        const std::optional<std::string> text = system_.ReadText(iniPath);
        const std::optional<int> result = text ? ReadResult(*text) : std::nullopt;
        if (result && IsKnownResult(*result)) {
            return *result;
        }
        // An installer that could not begin its run has said why; anything else ended it.
        if (!result && *exitCode == kInstallerRefused) {
            return 1;
        }
        return Fail("The installation ended without a known result (exit code " +
                    std::to_string(*exitCode) + ").");
    }

    int Fail(const std::string& message) {
        system_.Report(message);
        return 1;
    }

    LauncherSystem& system_;
    const LauncherArguments& arguments_;
};

}  // namespace

int RunLauncher(LauncherSystem& system, const LauncherArguments& arguments) {
    return Launcher(system, arguments).Run();
}

}  // namespace aw

#include "installer/movexe/movexe_run.h"

#include <functional>

#include "installer/movexe/movexe_handover.h"

namespace aw {

namespace {

constexpr std::uint32_t kPollMilliseconds = 100;

class Runner {
  public:
    Runner(MovexeSystem& system, const MovexeOptions& options)
        : system_(system), options_(options), start_(system.Ticks()) {}

    int Run() {
        const std::optional<std::string> text = system_.ReadHandoverText();
        if (!text) {
            return Fail("movexe.ini is missing from the Windows directory: nothing to do");
        }
        system_.DeleteHandover();
        const HandoverRead read = ReadHandover(*text);
        if (!read.Value) {
            return Fail(read.Problem);
        }
        return Act(*read.Value);
    }

  private:
    int Act(const Handover& handover) {
        const std::string& file = handover.File;
        const FileStep free = Retry(
            [&] { return system_.StarterEnded() ? system_.CheckFree(file) : FileStep::InUse; });
        if (free != FileStep::Done) {
            return free == FileStep::InUse ? GiveUp(file) : Fail("Unable to open " + file);
        }
        if (!handover.TargetDirectory.empty()) {
            const std::string to = handover.FinalPath();
            if (Retry([&] { return system_.Move(file, to); }) != FileStep::Done) {
                return Fail("Unable to move " + file + " to " + handover.TargetDirectory);
            }
        } else if (handover.RemovesFile()) {
            if (Retry([&] { return system_.Remove(file); }) != FileStep::Done) {
                return Fail("Unable to remove " + file);
            }
        }
        if (handover.StartAfterwards && !system_.Start(handover.FinalPath(), options_.Unattended)) {
            return Fail("Unable to start " + handover.FinalPath());
        }
        return 0;
    }

    // Tries `step` until it is no longer InUse or the wait has run out.
    FileStep Retry(const std::function<FileStep()>& step) {
        for (;;) {
            const FileStep result = step();
            if (result != FileStep::InUse ||
                system_.Ticks() - start_ >= options_.WaitMilliseconds) {
                return result;
            }
            system_.Pause(kPollMilliseconds);
        }
    }

    int GiveUp(const std::string& file) {
        return Fail("The program that started movexe has not ended, or " + file +
                    " is still in use, after " + std::to_string(options_.WaitMilliseconds / 1000) +
                    " seconds. The file was left where it is.");
    }

    int Fail(const std::string& message) {
        system_.Report(message);
        return 1;
    }

    MovexeSystem& system_;
    const MovexeOptions& options_;
    const std::uint32_t start_;
};

}  // namespace

int RunMovexe(MovexeSystem& system, const MovexeOptions& options) {
    return Runner(system, options).Run();
}

}  // namespace aw

// The stand-in modem: a Linux program behind two pseudo-terminals that a Wine prefix sees as
// COM ports through links in its dosdevices folder. The data line behaves like a modem (see
// modem_behaviour.h); the control line takes one command per line and answers one line, so
// that a test can switch the modem's behaviour and see what it received.
//
//   lw-modem-stand-in --data-link PATH --control-link PATH --pid-file PATH [--idle-exit S]
//
// It ends on SIGTERM or SIGINT, or by itself after S seconds (default 900) without any
// traffic, so that an interrupted test run cannot leave it behind for long.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "tools/modem_stand_in/modem_behaviour.h"

namespace {

using Clock = std::chrono::steady_clock;
using lw::modem::ModemBehaviour;
using lw::modem::Request;

volatile sig_atomic_t g_stop = 0;

void OnSignal(int) {
    g_stop = 1;
}

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "lw-modem-stand-in: %s: %s\n", what.c_str(), std::strerror(errno));
    std::exit(1);
}

// One pseudo-terminal: we keep both ends, so that the line stays up while the Windows side
// has it closed, and link the terminal's name where the prefix looks for the port.
struct Line {
    int master = -1;
    int terminal = -1;
    std::string terminalName;
    std::string link;

    void Create(const std::string& linkPath) {
        master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
            Fail("cannot create a pseudo-terminal");
        }
        terminalName = ptsname(master);
        terminal = open(terminalName.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (terminal < 0) {
            Fail("cannot open " + terminalName);
        }
        termios raw{};
        tcgetattr(terminal, &raw);
        cfmakeraw(&raw);
        tcsetattr(terminal, TCSANOW, &raw);
        link = linkPath;
        const std::string temporary = link + ".new";
        unlink(temporary.c_str());
        if (symlink(terminalName.c_str(), temporary.c_str()) != 0 ||
            rename(temporary.c_str(), link.c_str()) != 0) {
            Fail("cannot link " + link);
        }
    }

    // Only our own link is removed: a later run may have replaced it.
    void Unlink() const {
        char target[256] = {};
        if (readlink(link.c_str(), target, sizeof target - 1) > 0 && terminalName == target) {
            unlink(link.c_str());
        }
    }

    // New opens of the terminal fail while it is locked; open ones go on working.
    void Lock(bool locked) const {
        int flag = locked ? 1 : 0;
        ioctl(master, TIOCSPTLCK, &flag);
    }

    // Drops whatever either side has not read yet.
    void Flush() const {
        tcflush(terminal, TCIOFLUSH);
        char discard[256];
        while (read(master, discard, sizeof discard) > 0) {
        }
    }

    std::string ReadAvailable() const {
        std::string bytes;
        char buffer[256];
        ssize_t count;
        while ((count = read(master, buffer, sizeof buffer)) > 0) {
            bytes.append(buffer, static_cast<std::size_t>(count));
        }
        return bytes;
    }

    void Write(std::string_view bytes) const {
        while (!bytes.empty()) {
            const ssize_t count = write(master, bytes.data(), bytes.size());
            if (count < 0) {
                if (errno != EAGAIN) {
                    return;
                }
                pollfd writable{master, POLLOUT, 0};
                poll(&writable, 1, 100);
                continue;
            }
            bytes.remove_prefix(static_cast<std::size_t>(count));
        }
    }
};

struct Scheduled {
    Clock::time_point due;
    std::string bytes;
};

struct Options {
    std::string dataLink;
    std::string controlLink;
    std::string pidFile;
    int idleExitSeconds = 900;
};

constexpr const char* kUsage =
    "usage: lw-modem-stand-in --data-link PATH --control-link PATH --pid-file PATH "
    "[--idle-exit SECONDS]\n";

Options ParseOptions(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--help") {
        std::fputs(kUsage, stdout);
        std::exit(0);
    }
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        if (name == "--data-link") {
            options.dataLink = argv[i + 1];
        } else if (name == "--control-link") {
            options.controlLink = argv[i + 1];
        } else if (name == "--pid-file") {
            options.pidFile = argv[i + 1];
        } else if (name == "--idle-exit") {
            options.idleExitSeconds = std::atoi(argv[i + 1]);
        }
    }
    if (options.dataLink.empty() || options.controlLink.empty() || options.pidFile.empty()) {
        std::fputs(kUsage, stderr);
        std::exit(2);
    }
    return options;
}

class StandIn {
  public:
    explicit StandIn(const Options& options) : options_(options) {
        data_.Create(options.dataLink);
        control_.Create(options.controlLink);
    }

    void Run() {
        auto lastTraffic = Clock::now();
        const auto idleLimit = std::chrono::seconds(options_.idleExitSeconds);
        while (!g_stop && Clock::now() - lastTraffic < idleLimit) {
            pollfd lines[2] = {{data_.master, POLLIN, 0}, {control_.master, POLLIN, 0}};
            if (poll(lines, 2, NextTimeoutMs()) > 0) {
                lastTraffic = Clock::now();
            }
            if (lines[0].revents & POLLIN) {
                Schedule(behaviour_.OnData(data_.ReadAvailable()));
            }
            if (lines[1].revents & POLLIN) {
                HandleControl(control_.ReadAvailable());
            }
            SendDue();
        }
    }

    ~StandIn() {
        data_.Lock(false);
        data_.Unlink();
        control_.Unlink();
    }

  private:
    int NextTimeoutMs() const {
        if (pending_.empty()) {
            return 1000;
        }
        const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(
            pending_.front().due - Clock::now());
        return wait.count() < 0 ? 0 : static_cast<int>(wait.count()) + 1;
    }

    void Schedule(const std::vector<lw::modem::Output>& outputs) {
        auto due = pending_.empty() ? Clock::now() : pending_.back().due;
        for (const auto& output : outputs) {
            due = std::max(due, Clock::now()) + std::chrono::milliseconds(output.delayMs);
            pending_.push_back({due, output.bytes});
        }
    }

    void SendDue() {
        std::string bytes;
        while (!pending_.empty() && pending_.front().due <= Clock::now()) {
            bytes += pending_.front().bytes;
            pending_.pop_front();
        }
        data_.Write(bytes);
    }

    void HandleControl(const std::string& bytes) {
        for (const char byte : bytes) {
            if (byte != '\n' && byte != '\r') {
                controlLine_ += byte;
                continue;
            }
            if (controlLine_.empty()) {
                continue;
            }
            const auto reply = behaviour_.OnControl(controlLine_);
            controlLine_.clear();
            if (reply.request == Request::Flush) {
                pending_.clear();
                data_.Flush();
            } else if (reply.request != Request::None) {
                data_.Lock(reply.request == Request::Hold);
            }
            control_.Write(reply.text + "\n");
        }
    }

    Options options_;
    Line data_;
    Line control_;
    ModemBehaviour behaviour_;
    std::string controlLine_;
    std::deque<Scheduled> pending_;
};

}  // namespace

int main(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    signal(SIGHUP, SIG_IGN);
    {
        StandIn standIn(options);
        if (FILE* pid = std::fopen(options.pidFile.c_str(), "w")) {
            std::fprintf(pid, "%d\n", static_cast<int>(getpid()));
            std::fclose(pid);
        }
        std::printf("data %s, control %s\n", options.dataLink.c_str(), options.controlLink.c_str());
        std::fflush(stdout);
        standIn.Run();
    }
    unlink(options.pidFile.c_str());
    return 0;
}

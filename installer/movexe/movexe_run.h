// What movexe does with a hand-over: it waits, for a bounded time, until the engine that
// started it has ended and let go of the file; then moves or removes the file and starts it when
// asked. A hand-over is used once: movexe.ini is deleted as soon as it has been read.
//
// Two things together say that the engine has ended. Its process is gone (the starter): only
// that covers the start in place that an aborted installation asks for, whose file is not the
// engine's own. And the file can be opened for writing with no one sharing it: a program's image
// stays mapped, and so refuses writers, until the program has ended; a rename alone is no such
// test, since the system lets a running program's file be renamed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace aw {

enum class FileStep { Done, InUse, Failed };

class MovexeSystem {
  public:
    virtual ~MovexeSystem() = default;

    // The text of movexe.ini in the Windows directory; none when it cannot be read.
    virtual std::optional<std::string> ReadHandoverText() = 0;
    virtual void DeleteHandover() = 0;

    // Milliseconds from any fixed point; wraps.
    virtual std::uint32_t Ticks() = 0;
    virtual void Pause(std::uint32_t milliseconds) = 0;
    // True once the process that started movexe has ended, or when it cannot be told apart.
    virtual bool StarterEnded() = 0;
    // Done when the file could be opened for writing, unshared, and was closed again.
    virtual FileStep CheckFree(const std::string& path) = 0;
    // Moves the file to `to`, replacing what is there.
    virtual FileStep Move(const std::string& from, const std::string& to) = 0;
    virtual FileStep Remove(const std::string& path) = 0;
    // Starts the program from its own directory and does not wait for it; `unattended` passes
    // it "/S".
    virtual bool Start(const std::string& path, bool unattended) = 0;

    // Tells the person (or, unattended, standard error) why movexe failed.
    virtual void Report(const std::string& message) = 0;
};

struct MovexeOptions {
    bool Unattended = false;
    std::uint32_t WaitMilliseconds = 60000;
};

// 0 when everything asked was done; 1 otherwise, after reporting why.
int RunMovexe(MovexeSystem& system, const MovexeOptions& options);

}  // namespace aw

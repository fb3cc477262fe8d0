// Sets a flag for the time of a scope and puts back what it was. Modal boxes keep the message
// loop running, so the tick comes back while one is open: such a flag keeps it from starting
// the same thing again.
#pragma once

namespace lw {

class ScopedFlag {
  public:
    explicit ScopedFlag(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
    ~ScopedFlag() { flag_ = saved_; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

  private:
    bool& flag_;
    bool saved_;
};

}  // namespace lw

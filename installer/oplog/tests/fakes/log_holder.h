// Stands in for the Installer that a log attaches itself to: remembers the attached sink.
#pragma once

#include "installer/oplog/log_sink.h"

namespace aw::testing {

class FakeLogHolder : public LogHolder {
  public:
    LogSink& AttachLog(LogSink& sink) override {
        LogSink& previous = *attached;
        attached = &sink;
        return previous;
    }
    void DetachLog() override { attached = &discarding; }

    DiscardingSink discarding;
    LogSink* attached = &discarding;
};

}  // namespace aw::testing

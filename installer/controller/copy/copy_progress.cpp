#include "installer/controller/copy/copy_progress.h"

#include "installer/controller/installer.h"

namespace aw {

bool GaugeProgress::Step(std::uint32_t kib) {
    return Job().Owner().Services().progress.GaugeStep(kib);
}

void GaugeProgress::Start(std::uint32_t kib) {
    Job().Owner().Services().progress.GaugeStart(kib);
}

void GaugeProgress::End() {
    Job().Owner().Services().progress.GaugeEnd();
}

void GaugeProgress::Undo() {
    Job().Owner().Services().progress.GaugeUndo();
}

bool MessagePumpProgress::Step(std::uint32_t) {
    Job().Owner().Services().progress.ProcessMessages();
    return true;
}

}  // namespace aw

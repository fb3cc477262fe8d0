#include "installer/script/model/event.h"

namespace aw {

std::uint32_t Event::SizeKiB(ErrorReport& report) const {
    (void)report;
    return 0;
}

std::uint32_t Event::RequiredSize(ErrorReport& report) const {
    (void)report;
    return 0;
}

void Event::Fields(FieldVisitor& v) {
    v.Int("UndoClass", UndoClass, 0, 2);
    v.Int("componentBound", ComponentBound);
    v.Text("condition", Condition);
    v.Text("note", Note);
    ClassFields(v);
}

}  // namespace aw

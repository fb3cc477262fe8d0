#include "installer/script/events/event_classes.h"

#include <memory>

#include "installer/script/events/event_registry.h"
#include "installer/script/events/family_events.h"

namespace aw {
namespace {

template <class Class>
bool RegisterClass(EventRegistry& registry, const char* name) {
    return registry.Register(Class::Type, name, [] { return std::make_unique<Class>(); });
}

// The class's own name is the name a dump shows.
#define AW_REGISTER(Class) RegisterClass<Class>(registry, #Class)

}  // namespace

bool RegisterEventClasses(EventRegistry& registry) {
    return AW_REGISTER(CustomStep) && AW_REGISTER(GetWindowsDir) && AW_REGISTER(GetSystemDir) &&
           AW_REGISTER(GetOwnDir) && AW_REGISTER(GetRequiredSpace) && AW_REGISTER(SetText) &&
           AW_REGISTER(SetInteger) && AW_REGISTER(IntegerToText) && AW_REGISTER(TextToInteger) &&
           AW_REGISTER(GetWindowsVersion) && AW_REGISTER(GetProcessor) && AW_REGISTER(QueryOne) &&
           AW_REGISTER(QueryTwo) && AW_REGISTER(EndProgress) && AW_REGISTER(ShowBanner1) &&
           AW_REGISTER(HideBanner1) && AW_REGISTER(ShowBanner2) && AW_REGISTER(HideBanner2) &&
           AW_REGISTER(ShowBanner3) && AW_REGISTER(HideBanner3) && AW_REGISTER(GetLanguage) &&
           AW_REGISTER(HideMessageWindow) && AW_REGISTER(GetArgCount) && AW_REGISTER(GetArg);
}

}  // namespace aw

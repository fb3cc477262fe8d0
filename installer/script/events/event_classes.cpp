#include "installer/script/events/event_classes.h"

#include <memory>

#include "installer/script/events/event_registry.h"
#include "installer/script/events/family_events.h"

namespace aw {
namespace {

template <class... Classes>
bool RegisterAll(EventRegistry& registry) {
    return (registry.Register(Classes::Type, [] { return std::make_unique<Classes>(); }) && ...);
}

}  // namespace

bool RegisterEventClasses(EventRegistry& registry) {
    return RegisterAll<CustomStep, GetWindowsDir, GetSystemDir, GetOwnDir, GetRequiredSpace,
                       SetText, SetInteger, IntegerToText, TextToInteger, GetWindowsVersion,
                       GetProcessor, QueryOne, QueryTwo, EndProgress, ShowBanner1, HideBanner1,
                       ShowBanner2, HideBanner2, ShowBanner3, HideBanner3, GetLanguage,
                       HideMessageWindow, GetArgCount, GetArg>(registry);
}

}  // namespace aw

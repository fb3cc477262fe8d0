// Enters the event classes into a registry.
#pragma once

namespace aw {

class EventRegistry;

// Enters every event class; false when the registry refused one.
bool RegisterEventClasses(EventRegistry& registry);

}  // namespace aw

// Enters the event classes into a registry.
#pragma once

namespace aw {

class EventRegistry;

// Enters every class built so far; false when the registry refused one.
bool RegisterEventClasses(EventRegistry& registry);

}  // namespace aw

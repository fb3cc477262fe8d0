// What the interpreter does with the events that the builder's own handler runs, when the build
// style hands them over.
#pragma once

#include <cstdint>

namespace aw {

class Event;

enum class StepOutcome { Continue, Stop };

class CustomHandler {
  public:
    virtual ~CustomHandler() = default;
    // `position` counts the events of the list from 0. A handler that stops may set `status`,
    // which is 1 when it does not.
    virtual StepOutcome HandleCustom(Event& event, std::int32_t position, std::int32_t& status) = 0;
};

}  // namespace aw

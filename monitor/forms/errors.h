// Errors raised by the forms and components for programming mistakes and bad values.
#pragma once

#include <stdexcept>

namespace lw {

// An operation that is not allowed in the object's present state.
class InvalidOperation : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

// A value outside the range a property accepts.
class RangeError : public std::out_of_range {
  public:
    using std::out_of_range::out_of_range;
};

}  // namespace lw

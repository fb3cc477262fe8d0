// What the dial-up stand-in program and the tests that drive it agree on.
#pragma once

#include <windows.h>

namespace lw::testing {

inline constexpr const char* kStandInTitle = "LwDialerStandIn";
inline constexpr UINT kAddTraffic = WM_APP + 1;
inline constexpr UINT kDrop = WM_APP + 2;

}  // namespace lw::testing

// A script that fills every record and list, for round trips and truncation tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "installer/script/model/install_script.h"

namespace aw::testing {

InstallScript SampleScript();

// One of the file's int widths and versions.
struct Format {
    bool shortInts;
    std::int32_t version;
};

// Both widths with each of the three versions, for parameterised round trips.
inline auto EveryFormat() {
    return ::testing::Values(Format{true, 300}, Format{true, 301}, Format{true, 302},
                             Format{false, 300}, Format{false, 301}, Format{false, 302});
}

inline std::string FormatName(const ::testing::TestParamInfo<Format>& info) {
    return std::string(info.param.shortInts ? "Short" : "Wide") +
           std::to_string(info.param.version);
}

}  // namespace aw::testing

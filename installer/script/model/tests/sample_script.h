// A script that fills every record and list, for round trips and truncation tests.
#pragma once

#include "installer/script/model/install_script.h"

namespace aw::testing {

InstallScript SampleScript();

}  // namespace aw::testing

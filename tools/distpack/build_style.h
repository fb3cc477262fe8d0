// The packed files in an install script: the entries that the installer's disk map is built
// from.
#pragma once

#include <string>

#include "installer/script/model/install_script.h"
#include "tools/distpack/packer.h"

namespace aw {

// Appends a distribution-file entry for each packed file (so that references to the entries
// already there stay as they are) and a build style named `name` that lists them where the
// packer put them, and makes that style the current one. `volumes` says that the files lie in
// volumes.
void AddBuildStyle(InstallScript& script, const PackResult& packed, bool volumes,
                   const std::string& name);

}  // namespace aw

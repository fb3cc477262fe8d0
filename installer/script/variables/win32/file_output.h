// Output files through the Win32 file functions.
#pragma once

#include <memory>
#include <string>

#include "installer/script/variables/output_file.h"

namespace aw {

class Win32OutputFiles : public OutputFiles {
  public:
    std::unique_ptr<OutputFile> Create(const std::string& path) override;
};

}  // namespace aw

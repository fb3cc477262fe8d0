// Output files through the Win32 file functions.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "installer/script/variables/output_file.h"

namespace aw {

class Win32OutputFiles : public OutputFiles {
  public:
    std::unique_ptr<OutputFile> Create(const std::string& path) override;
};

// An output file on a handle opened by the caller (with its own sharing or disposition); the
// file closes the handle.
std::unique_ptr<OutputFile> OutputFileOnHandle(HANDLE handle);

}  // namespace aw

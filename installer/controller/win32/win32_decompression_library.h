// "lzpunz2.dll", loaded by name; each entry point is looked up on every call.
#pragma once

#include "installer/controller/decompression_library.h"

namespace aw {

inline constexpr char kDecompressionLibrary[] = "lzpunz2.dll";

class Win32DecompressionLibrary : public DecompressionLibrary {
  public:
    std::unique_ptr<LoadedDecompressor> Load() override;
};

}  // namespace aw

// The engine's view of "lzpunz2.dll": loaded by name, each entry point looked up on every call.
#pragma once

#include <memory>

#include "installer/lzpunz2/lzpunz2.h"

namespace aw {

// The library while it is loaded; freed when this ends. A missing entry point answers -1.
class LoadedDecompressor {
  public:
    virtual ~LoadedDecompressor() = default;
    virtual int Open(LzpUnzInput input, int mode) = 0;
    virtual int Read(void* buffer, int count) = 0;
    virtual int Close() = 0;
};

class DecompressionLibrary {
  public:
    virtual ~DecompressionLibrary() = default;
    // None when the library cannot be loaded.
    virtual std::unique_ptr<LoadedDecompressor> Load() = 0;
};

}  // namespace aw

#include "installer/controller/win32/win32_decompression_library.h"

#include <windows.h>

namespace aw {

namespace {

class LoadedLibrary : public LoadedDecompressor {
  public:
    explicit LoadedLibrary(HMODULE module) : module_(module) {}
    ~LoadedLibrary() override { FreeLibrary(module_); }
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    int Open(LzpUnzInput input, int mode) override {
        const auto open = Entry<LzpUnzOpenFunction>("LzpUnzOpen");
        return open != nullptr ? open(input, mode) : -1;
    }
    int Read(void* buffer, int count) override {
        const auto read = Entry<LzpUnzReadFunction>("LzpUnzRead");
        return read != nullptr ? read(buffer, count) : -1;
    }
    int Close() override {
        const auto close = Entry<LzpUnzCloseFunction>("LzpUnzClose");
        return close != nullptr ? close() : -1;
    }

  private:
    template <class Function>
    Function Entry(const char* name) const {
        return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }

    HMODULE module_;
};

}  // namespace

std::unique_ptr<LoadedDecompressor> Win32DecompressionLibrary::Load() {
    const HMODULE module = LoadLibraryA(kDecompressionLibrary);
    if (module == nullptr) {
        return nullptr;
    }
    return std::make_unique<LoadedLibrary>(module);
}

}  // namespace aw

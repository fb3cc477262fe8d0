// As the installer calls it: the library loaded once by name, each entry point looked up on
// every call.
#include <windows.h>

#include "benchmarks/lzpunz_entry.h"

namespace bench {

namespace {

HMODULE Library() {
    static const HMODULE library = LoadLibraryA("lzpunz2.dll");
    return library;
}

template <typename Function>
Function Entry(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(Library(), name)));
}

}  // namespace

const char* EntryDescription() {
    return Library() ? "lzpunz2.dll, each entry point looked up on every call" : "";
}

int EntryOpen(LzpUnzInput input, int mode) {
    return Entry<LzpUnzOpenFunction>("LzpUnzOpen")(input, mode);
}

int EntryRead(void* buffer, int count) {
    return Entry<LzpUnzReadFunction>("LzpUnzRead")(buffer, count);
}

int EntryClose() {
    return Entry<LzpUnzCloseFunction>("LzpUnzClose")();
}

}  // namespace bench

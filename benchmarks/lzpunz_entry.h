// The decompression library's entry points as the expansion benchmark reaches them: directly
// on the host, through the built "lzpunz2.dll" on Windows.
#pragma once

#include "installer/lzpunz2/lzpunz2.h"

namespace bench {

// How the entry points are reached, for the printout; empty when they cannot be.
const char* EntryDescription();
int EntryOpen(LzpUnzInput input, int mode);
int EntryRead(void* buffer, int count);
int EntryClose();

}  // namespace bench

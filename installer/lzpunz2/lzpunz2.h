// The entry points of "lzpunz2.dll", the installer's decompression library, as its callers see
// them. The installer loads the library by name and looks each entry point up on every call, so
// these are the types to cast GetProcAddress results to.
//
//     LzpUnzOpen(input, 2)      starts expanding the compressed file that `input` delivers;
//                               0 on success, -1 otherwise
//     LzpUnzRead(buffer, count) puts up to `count` expanded bytes into `buffer`: the number
//                               put there, 0 once the whole file was delivered and checked,
//                               -1 on damaged or short input
//     LzpUnzClose()             ends the expansion; 0 on success, -1 when none was open
//
// `input` takes no argument and returns the next byte of the compressed file (0..255), or -1
// after its last byte; it is never called again once it has returned -1. There is one expansion
// per process at a time. On 32-bit x86 all four use the stdcall convention.
#pragma once

#if defined(_WIN32) && !defined(_WIN64)
#define LZPUNZ_CALL __stdcall
#else
#define LZPUNZ_CALL
#endif

extern "C" {
typedef int(LZPUNZ_CALL* LzpUnzInput)(void);
typedef int(LZPUNZ_CALL* LzpUnzOpenFunction)(LzpUnzInput input, int mode);
typedef int(LZPUNZ_CALL* LzpUnzReadFunction)(void* buffer, int count);
typedef int(LZPUNZ_CALL* LzpUnzCloseFunction)(void);
}

// The only mode there is: expand from the input callback into the caller's buffers.
constexpr int kLzpUnzExpandMode = 2;

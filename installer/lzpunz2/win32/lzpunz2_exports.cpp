// The entry points of "lzpunz2.dll". The callback carries no context, so the library holds the
// one expansion of the process.
#include "installer/lzpunz2/lzpunz2.h"
#include "installer/lzpunz2/unz_session.h"

namespace {

lzpunz::UnzSession session;

}  // namespace

extern "C" {

__declspec(dllexport) int LZPUNZ_CALL LzpUnzOpen(LzpUnzInput input, int mode) {
    return session.Open(input, mode);
}

__declspec(dllexport) int LZPUNZ_CALL LzpUnzRead(void* buffer, int count) {
    return session.Read(buffer, count);
}

__declspec(dllexport) int LZPUNZ_CALL LzpUnzClose() {
    return session.Close();
}
}

#include "benchmarks/lzpunz_entry.h"
#include "installer/lzpunz2/unz_session.h"

namespace bench {

namespace {

lzpunz::UnzSession session;

}  // namespace

const char* EntryDescription() {
    return "the library's code, linked in";
}
int EntryOpen(LzpUnzInput input, int mode) {
    return session.Open(input, mode);
}
int EntryRead(void* buffer, int count) {
    return session.Read(buffer, count);
}
int EntryClose() {
    return session.Close();
}

}  // namespace bench

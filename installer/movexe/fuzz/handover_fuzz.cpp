// Reads any bytes as movexe.ini and as the awmain.ini that the launcher reads the result from:
// a hand-over that is taken names a full path and a clear start flag, and its final place keeps
// the file's name.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "installer/launcher/awmain_ini.h"
#include "installer/movexe/movexe_handover.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const aw::HandoverRead read = aw::ReadHandover(text);
    if (read.Value.has_value() != read.Problem.empty()) {
        std::abort();
    }
    if (read.Value) {
        const std::string& file = read.Value->File;
        const std::string name = file.substr(file.find_last_of("\\/") + 1);
        const std::string final = read.Value->FinalPath();
        if (!aw::IsFullPath(file) || name.empty() ||
            final.compare(final.size() - name.size(), name.size(), name) != 0) {
            std::abort();
        }
    }
    (void)aw::ReadResult(text);
    return 0;
}

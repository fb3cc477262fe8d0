// Reads any bytes as an INI file, edits it, and checks that the lines it did not touch come back
// as they were.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "installer/controller/ini/ini_document.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    aw::IniDocument document(text);
    if (document.Text() != text) {
        std::abort();
    }
    const std::string section = size > 0 ? std::string(1, static_cast<char>(data[0])) : "s";
    document.InsertEntry(section, "device", "x", size % 3);
    document.SetEntry(section, "device", 1, "y");
    document.DeleteEntry(section, "device", 0);
    document.AddSection("new");
    const std::size_t before = document.Occurrences("new", "k");
    document.InsertEntry("new", "k", "v", 0);
    const aw::IniDocument reread(document.Text());
    if (reread.Occurrences("new", "k") != before + 1 || reread.Text() != document.Text()) {
        std::abort();
    }
    document.DeleteSection(section);
    (void)document.Text();
    return 0;
}

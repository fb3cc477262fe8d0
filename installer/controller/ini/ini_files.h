// What the INI engine needs from the file system: whole-file reads, the creation of a complete
// new file, and the delete and rename that put it in the old one's place.
#pragma once

#include <string>

namespace aw {

struct IniFileRead {
    // False when the file does not exist; then Readable is true and Text empty.
    bool Exists = false;
    // False when the file exists but could not be read whole.
    bool Readable = true;
    std::string Text;
};

class IniFiles {
  public:
    virtual ~IniFiles() = default;

    virtual IniFileRead Read(const std::string& path) = 0;
    // True when anything (file or directory) has that name.
    virtual bool Exists(const std::string& path) = 0;
    // Creates the file only when nothing has its name yet, writes all of `text` and closes it;
    // false when any of that failed.
    virtual bool WriteNew(const std::string& path, const std::string& text) = 0;
    virtual bool Delete(const std::string& path) = 0;
    virtual bool Rename(const std::string& from, const std::string& to) = 0;
    // Where an INI file named without a directory lives, as for the profile functions.
    virtual std::string WindowsDirectory() = 0;
};

}  // namespace aw

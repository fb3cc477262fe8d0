// Files held in memory, by full path, in a program directory of the test's choosing.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "installer/script/model/script_files.h"

namespace aw::testing {

class FakeFiles : public ScriptFiles {
  public:
    std::string OwnDirectory() override { return Directory; }
    bool FileExists(const std::string& path) override { return Files.count(path) > 0; }
    bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) override {
        auto found = Files.find(path);
        if (found == Files.end() || Unreadable) {
            return false;
        }
        bytes = found->second;
        return true;
    }

    std::string Directory = "C:\\SETUP";
    std::map<std::string, std::vector<std::uint8_t>> Files;
    bool Unreadable = false;
};

}  // namespace aw::testing

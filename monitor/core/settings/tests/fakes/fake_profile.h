// An in-memory settings file that records what was read and written.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "monitor/core/settings/profile_file.h"

namespace lw::testing {

class FakeProfile : public ProfileFile {
  public:
    using Entry = std::pair<std::string, std::string>;  // section and key

    std::string FileName() const override { return "LINEWINK.INI"; }

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& fallback) override {
        reads.emplace_back(section, key);
        const auto found = values.find({section, key});
        return found == values.end() ? fallback : found->second;
    }

    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override {
        if (refuseWrites) {
            return false;
        }
        writes.emplace_back(section, key);
        values[{section, key}] = value;
        return true;
    }

    void Set(const std::string& section, const std::string& key, const std::string& value) {
        values[{section, key}] = value;
    }

    std::string Get(const std::string& section, const std::string& key) const {
        const auto found = values.find({section, key});
        return found == values.end() ? "<missing>" : found->second;
    }

    std::map<Entry, std::string> values;
    std::vector<Entry> reads;
    std::vector<Entry> writes;
    bool refuseWrites = false;
};

}  // namespace lw::testing

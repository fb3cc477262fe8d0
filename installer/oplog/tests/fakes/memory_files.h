// Log files kept in memory, with every write's size noted and failures on demand.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "installer/oplog/log_files.h"

namespace aw::testing {

class MemoryFiles : public LogFiles {
  public:
    using Bytes = std::vector<std::uint8_t>;

    std::map<std::string, Bytes> Files;
    // The size of every write, in order.
    std::vector<std::size_t> Writes;
    bool FailCreate = false;
    // Writes after this many succeed no more.
    std::size_t WritesThatSucceed = static_cast<std::size_t>(-1);

    std::unique_ptr<OutputFile> Create(const std::string& path) override {
        if (FailCreate) {
            return nullptr;
        }
        Files[path].clear();
        return std::make_unique<Output>(*this, path);
    }

    std::unique_ptr<OutputFile> OpenForAppend(const std::string& path) override {
        if (!Files.contains(path)) {
            return nullptr;
        }
        return std::make_unique<Output>(*this, path);
    }

    bool ReadWholeFile(const std::string& path, Bytes& bytes) override {
        const auto file = Files.find(path);
        if (file == Files.end()) {
            return false;
        }
        bytes = file->second;
        return true;
    }

  private:
    class Output : public OutputFile {
      public:
        Output(MemoryFiles& files, std::string path) : files_(files), path_(std::move(path)) {}
        bool Write(std::string_view bytes) override {
            files_.Writes.push_back(bytes.size());
            if (files_.Writes.size() > files_.WritesThatSucceed) {
                return false;
            }
            Bytes& file = files_.Files[path_];
            file.insert(file.end(), bytes.begin(), bytes.end());
            return true;
        }
        bool Close() override { return true; }

      private:
        MemoryFiles& files_;
        std::string path_;
    };
};

}  // namespace aw::testing

// Log files kept in memory, with every write's size noted and failures on demand.
#pragma once

#include <map>
#include <memory>
#include <set>
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
    // Writes after this many succeed no more; the writes of these numbers (from 1) fail alone. A
    // failing write leaves the first half of its bytes, as a disk that fills up does.
    std::size_t WritesThatSucceed = static_cast<std::size_t>(-1);
    std::set<std::size_t> FailingWrites;

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

    bool CutBack(const std::string& path, std::size_t size) override {
        const auto file = Files.find(path);
        if (file == Files.end() || file->second.size() < size) {
            return false;
        }
        file->second.resize(size);
        return true;
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
            const bool fails = files_.Writes.size() > files_.WritesThatSucceed ||
                               files_.FailingWrites.contains(files_.Writes.size());
            if (fails) {
                bytes = bytes.substr(0, bytes.size() / 2);
            }
            Bytes& file = files_.Files[path_];
            file.insert(file.end(), bytes.begin(), bytes.end());
            return !fails;
        }
        bool Close() override { return true; }

      private:
        MemoryFiles& files_;
        std::string path_;
    };
};

}  // namespace aw::testing

// A file system in memory for the copy's rules: files and directories under paths compared
// without regard to case, files that are "in use" (neither deleted nor replaced), and the
// system's answers that tests want to change.
#pragma once

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "installer/controller/file_system.h"
#include "installer/controller/install_paths.h"

namespace aw::testing {

class MemoryFileSystem : public FileSystem {
  public:
    struct Node {
        std::string Path;
        bool Directory = false;
        std::vector<std::uint8_t> Bytes;
        std::uint32_t Attributes = 0x20;
        SystemTime Time;
    };

    MemoryFileSystem() {
        AddDirectory("C:");
        AddDirectory("C:\\WINDOWS");
        AddDirectory("C:\\WINDOWS\\SYSTEM");
    }

    // --- set-up and inspection
    void AddDirectory(const std::string& path) {
        Node& node = nodes_[Key(path)];
        node.Path = path;
        node.Directory = true;
        node.Attributes = kDirectory;
    }
    void AddFile(const std::string& path, std::vector<std::uint8_t> bytes, SystemTime time = {}) {
        Node& node = nodes_[Key(path)];
        node = Node{path, false, std::move(bytes), 0x20, time};
    }
    void AddFile(const std::string& path, const std::string& text) {
        AddFile(path, std::vector<std::uint8_t>(text.begin(), text.end()));
    }
    bool Has(const std::string& path) const { return nodes_.count(Key(path)) != 0; }
    // Every file and directory, by lower-case path.
    const std::map<std::string, Node>& Nodes() const { return nodes_; }
    Node& At(const std::string& path) { return nodes_.at(Key(path)); }
    std::string Text(const std::string& path) {
        const std::vector<std::uint8_t>& bytes = At(path).Bytes;
        return std::string(bytes.begin(), bytes.end());
    }
    // Files in use can be neither deleted nor moved over nor opened for writing.
    std::set<std::string> InUse;
    bool IsInUse(const std::string& path) const { return InUse.count(Key(path)) != 0; }
    void Lock(const std::string& path) { InUse.insert(Key(path)); }

    bool AcceptsRestartMoves = true;
    std::vector<std::pair<std::string, std::string>> RestartMoves;
    std::optional<DiskFigures> Figures;
    std::map<std::string, std::string> Profile;  // "file|section|key" -> value
    bool RefusesProfileWrites = false;
    std::string Current = "C:\\";
    // Every read is cut to this many bytes (0: no limit); counts the reads asked.
    std::uint32_t ReadLimit = 0;
    std::vector<std::uint32_t> ReadSizes;

    // --- FileSystem
    std::optional<std::uint32_t> Attributes(const std::string& path) override {
        const auto found = nodes_.find(Key(path));
        if (found == nodes_.end()) {
            return std::nullopt;
        }
        return found->second.Attributes;
    }
    bool SetAttributes(const std::string& path, std::uint32_t attributes) override {
        const auto found = nodes_.find(Key(path));
        if (found == nodes_.end()) {
            return false;
        }
        found->second.Attributes = found->second.Directory
                                       ? (attributes | kDirectory)
                                       : (attributes == 0 ? kNormal : attributes);
        return true;
    }
    std::optional<std::uint32_t> FileSize(const std::string& path) override {
        const auto found = nodes_.find(Key(path));
        if (found == nodes_.end() || found->second.Directory) {
            return std::nullopt;
        }
        return static_cast<std::uint32_t>(found->second.Bytes.size());
    }
    std::optional<SystemTime> LastWriteTime(const std::string& path) override {
        const auto found = nodes_.find(Key(path));
        if (found == nodes_.end()) {
            return std::nullopt;
        }
        return found->second.Time;
    }
    std::unique_ptr<OpenFile> OpenForReading(const std::string& path) override {
        const auto found = nodes_.find(Key(path));
        if (found == nodes_.end() || found->second.Directory) {
            return nullptr;
        }
        return std::make_unique<MemoryFile>(*this, found->second);
    }
    std::unique_ptr<OpenFile> Create(const std::string& path) override {
        if (!ParentExists(path) || IsInUse(path) ||
            (Has(path) && (At(path).Directory || (At(path).Attributes & kReadOnly) != 0))) {
            return nullptr;
        }
        AddFile(path, std::vector<std::uint8_t>{});
        return std::make_unique<MemoryFile>(*this, At(path));
    }
    std::unique_ptr<OpenFile> CreateNew(const std::string& path) override {
        return Has(path) ? nullptr : MemoryFileSystem::Create(path);
    }
    std::unique_ptr<OpenFile> OpenForWriting(const std::string& path) override {
        if (!Has(path) || IsInUse(path) || At(path).Directory) {
            return nullptr;
        }
        return std::make_unique<MemoryFile>(*this, At(path));
    }
    bool RemoveFile(const std::string& path) override {
        if (!Has(path) || IsInUse(path) || At(path).Directory ||
            (At(path).Attributes & kReadOnly) != 0) {
            return false;
        }
        nodes_.erase(Key(path));
        return true;
    }
    bool MoveFileTo(const std::string& from, const std::string& to) override {
        if (!Has(from) || Has(to) || IsInUse(from) || !ParentExists(to)) {
            return false;
        }
        Node node = At(from);
        node.Path = to;
        nodes_.erase(Key(from));
        nodes_[Key(to)] = node;
        return true;
    }
    bool CopyFileTo(const std::string& from, const std::string& to) override {
        if (!Has(from) || IsInUse(to) || !ParentExists(to)) {
            return false;
        }
        Node node = At(from);
        node.Path = to;
        nodes_[Key(to)] = node;
        return true;
    }
    bool MoveAtRestart(const std::string& from, const std::string& to) override {
        if (AcceptsRestartMoves) {
            RestartMoves.emplace_back(from, to);
        }
        return AcceptsRestartMoves;
    }
    bool MakeDirectory(const std::string& path) override {
        if (Has(path) || !ParentExists(path)) {
            return false;
        }
        AddDirectory(path);
        return true;
    }
    bool RemoveEmptyDirectory(const std::string& path) override {
        if (!Has(path) || !At(path).Directory) {
            return false;
        }
        for (const auto& [key, node] : nodes_) {
            if (key.size() > Key(path).size() && key.rfind(Key(path) + "\\", 0) == 0) {
                return false;
            }
        }
        nodes_.erase(Key(path));
        return true;
    }
    bool ListDirectory(const std::string& path, std::vector<DirectoryEntry>& entries) override {
        if (!Has(path) || !At(path).Directory) {
            return false;
        }
        for (const auto& [key, node] : nodes_) {
            if (Key(DirectoryPart(node.Path)) == Key(path)) {
                entries.push_back({FileNamePart(node.Path), node.Directory});
            }
        }
        return true;
    }
    std::string CurrentDirectory() override { return Current; }
    bool ChangeDirectory(const std::string& path) override {
        Current = path;
        return true;
    }
    std::optional<DiskFigures> FreeSpace(const std::string&) override { return Figures; }
    std::string WindowsDirectory() override { return "C:\\WINDOWS"; }
    std::string SystemDirectory() override { return "C:\\WINDOWS\\SYSTEM"; }
    std::string ReadProfileEntry(const std::string& file, const std::string& section,
                                 const std::string& key, const std::string& fallback) override {
        const auto found = Profile.find(Key(file) + "|" + section + "|" + key);
        return found == Profile.end() ? fallback : found->second;
    }
    bool WriteProfileEntry(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& value) override {
        if (RefusesProfileWrites) {
            return false;
        }
        Profile[Key(file) + "|" + section + "|" + key] = value;
        return true;
    }

    static std::string Key(std::string path) {
        if (path.size() > 1 && path.back() == '\\') {
            path.pop_back();
        }
        std::transform(path.begin(), path.end(), path.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return path;
    }

  private:
    class MemoryFile : public OpenFile {
      public:
        MemoryFile(MemoryFileSystem& owner, Node& node) : owner_(owner), node_(node) {}
        std::int32_t Read(void* buffer, std::uint32_t count) override {
            owner_.ReadSizes.push_back(count);
            if (owner_.ReadLimit != 0) {
                count = std::min(count, owner_.ReadLimit);
            }
            const std::size_t left = node_.Bytes.size() - std::min(position_, node_.Bytes.size());
            const std::size_t take = std::min<std::size_t>(left, count);
            std::memcpy(buffer, node_.Bytes.data() + position_, take);
            position_ += take;
            return static_cast<std::int32_t>(take);
        }
        bool Write(const void* buffer, std::uint32_t count) override {
            const auto* bytes = static_cast<const std::uint8_t*>(buffer);
            if (node_.Bytes.size() < position_ + count) {
                node_.Bytes.resize(position_ + count);
            }
            std::memcpy(node_.Bytes.data() + position_, bytes, count);
            position_ += count;
            return true;
        }
        bool Seek(std::uint32_t offset) override {
            position_ = offset;
            return true;
        }
        std::optional<std::uint32_t> Size() override {
            return static_cast<std::uint32_t>(node_.Bytes.size());
        }
        bool SetEnd() override {
            node_.Bytes.resize(std::min(position_, node_.Bytes.size()));
            return true;
        }
        bool SetTimeStamp(const SystemTime& time) override {
            node_.Time = time;
            return true;
        }
        bool Close() override { return true; }

      private:
        MemoryFileSystem& owner_;
        Node& node_;
        std::size_t position_ = 0;
    };

    bool ParentExists(const std::string& path) const {
        const std::string parent = DirectoryPart(path);
        return parent.empty() || (Has(parent) && nodes_.at(Key(parent)).Directory);
    }

    std::map<std::string, Node> nodes_;
};

}  // namespace aw::testing

// Everything the Installer's file installation talks to, in memory, with the answers tests
// choose: the file system, version resources, the real expander standing in for
// "lzpunz2.dll", SharedDLLs values, the media with its disk prompt, the progress window and
// gauge, and the user's answers.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "installer/controller/installer.h"
#include "installer/controller/tests/fakes/memory_file_system.h"
#include "installer/lzpunz2/unz_session.h"
#include "installer/oplog/record_sink.h"
#include "installer/script/model/tests/fakes/fake_report.h"

namespace aw::testing {

class FakeVersions : public VersionLibrary {
  public:
    std::map<std::string, FileVersionInfo> Versions;  // by lower-case path
    std::optional<FileVersionInfo> Version(const std::string& path) override {
        const auto found = Versions.find(MemoryFileSystem::Key(path));
        if (found == Versions.end()) {
            return std::nullopt;
        }
        return found->second;
    }
    bool InUse(const std::string& path) override { return files->IsInUse(path); }
    MemoryFileSystem* files = nullptr;
};

// The library's own expander, loaded and freed as the DLL would be.
class NativeDecompression : public DecompressionLibrary {
  public:
    bool Missing = false;
    int Loads = 0;
    std::unique_ptr<LoadedDecompressor> Load() override {
        if (Missing) {
            return nullptr;
        }
        ++Loads;
        return std::make_unique<Loaded>();
    }

  private:
    class Loaded : public LoadedDecompressor {
      public:
        int Open(LzpUnzInput input, int mode) override { return Session().Open(input, mode); }
        int Read(void* buffer, int count) override { return Session().Read(buffer, count); }
        int Close() override { return Session().Close(); }

      private:
        static lzpunz::UnzSession& Session() {
            static lzpunz::UnzSession session;
            return session;
        }
    };
};

class MemoryRegistry : public SharedCountValues {
  public:
    std::map<std::string, RegistryData> Values;  // "key|name"
    std::optional<RegistryData> Read(const std::string& key, const std::string& name) override {
        const auto found = Values.find(key + "|" + name);
        if (found == Values.end()) {
            return std::nullopt;
        }
        return found->second;
    }
    bool Write(const std::string& key, const std::string& name, const RegistryData& data) override {
        Values[key + "|" + name] = data;
        return true;
    }
    bool Delete(const std::string& key, const std::string& name) override {
        return Values.erase(key + "|" + name) != 0;
    }
};

class FakeMedia : public DistributionMedia {
  public:
    bool Volumes = false;
    std::string Start = "D:\\SETUP.EXE";
    std::string Directory = "D:";
    // Disk prompts asked, with the forced flag; each answer is taken from Answers (true when
    // empty), and an answered prompt switches to "<Root>\disk%03d" when Root is set.
    std::vector<std::pair<std::int32_t, bool>> Prompts;
    std::deque<bool> Answers;
    std::string Root;
    MemoryFileSystem* files = nullptr;
    // Runs when a prompt is answered yes, as a user inserting a disk.
    std::function<void(std::int32_t)> OnInsert;

    bool VolumeStorage() override { return Volumes; }
    std::string StartFile() override { return Start; }
    std::string SourceDirectory() override { return Directory; }
    bool PromptForDisk(std::int32_t disk, bool forced) override {
        Prompts.emplace_back(disk, forced);
        bool answer = true;
        if (!Answers.empty()) {
            answer = Answers.front();
            Answers.pop_front();
        }
        if (answer) {
            if (OnInsert) {
                OnInsert(disk);
            }
            if (!Root.empty()) {
                char name[16];
                std::snprintf(name, sizeof name, "disk%03d", static_cast<int>(disk + 1));
                Directory = Root + "\\" + name;
            }
        }
        return answer;
    }
};

class FakeProgress : public ProgressDisplay {
  public:
    bool WindowShown = true;
    std::vector<std::string> Lines;
    std::vector<std::string> Gauge;
    int Messages = 0;
    // GaugeStep answers false from this many steps on (none when negative).
    int StopAfterSteps = -1;

    bool ProgressWindowShown() override { return WindowShown; }
    void ShowProgressLines(const std::string& first, const std::string& second,
                           const std::string& third) override {
        Lines = {first, second, third};
    }
    void GaugeStart(std::uint32_t units) override {
        Gauge.push_back("start " + std::to_string(units));
    }
    bool GaugeStep(std::uint32_t units) override {
        Gauge.push_back("step " + std::to_string(units));
        return StopAfterSteps < 0 || --StopAfterSteps > 0;
    }
    void GaugeEnd() override { Gauge.push_back("end"); }
    void GaugeUndo() override { Gauge.push_back("undo"); }
    void ProcessMessages() override { ++Messages; }
};

class FakeQuestions : public UserQuestions {
  public:
    std::vector<std::string> Asked;
    std::deque<bool> RetryAnswers;  // false (Cancel) when empty
    std::vector<std::pair<std::string, std::string>> OverwriteAsked;
    OverwriteChoice OverwriteAnswer = OverwriteChoice::Keep;
    // Runs when a retry question is shown, as the user doing something before answering.
    std::function<void()> OnAsk;

    std::string Text(std::uint32_t number) override {
        char text[32];
        std::snprintf(text, sizeof text, "<%02X %%s>", number);
        return text;
    }
    bool AskRetry(const std::string& message) override {
        Asked.push_back(message);
        if (OnAsk) {
            OnAsk();
        }
        if (RetryAnswers.empty()) {
            return false;
        }
        const bool answer = RetryAnswers.front();
        RetryAnswers.pop_front();
        return answer;
    }
    OverwriteChoice AskOverwrite(const std::string& existing, const std::string& next) override {
        OverwriteAsked.emplace_back(existing, next);
        return OverwriteAnswer;
    }
};

// An Installer over all of these, with a memory log attached.
struct CopyWorld {
    CopyWorld() {
        versions.files = &files;
        media.files = &files;
        installer.AttachLog(log);
    }

    FakeReport report;
    MemoryFileSystem files;
    FakeVersions versions;
    NativeDecompression decompression;
    MemoryRegistry registry;
    FakeMedia media;
    FakeProgress progress;
    FakeQuestions questions;
    Installer installer{
        {report, files, versions, decompression, registry, media, progress, questions}};
    MemoryLog log;
};

}  // namespace aw::testing

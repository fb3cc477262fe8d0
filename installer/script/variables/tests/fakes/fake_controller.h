// The controller's side of the variables: recorded messages, fixed directories and files
// kept in memory.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "installer/script/model/error_report.h"
#include "installer/script/variables/output_file.h"
#include "installer/script/variables/script_environment.h"

namespace aw::testing {

class FakeErrorReport : public ErrorReport {
  public:
    void ReportError(const std::string& message) override { messages.push_back(message); }
    void CheckFailed(const char* unit, int line) override {
        checks.push_back(std::string(unit) + ":" + std::to_string(line));
    }

    std::vector<std::string> messages;
    std::vector<std::string> checks;
};

class FakeDirectories : public ControllerDirectories {
  public:
    std::string SourceDirectory() override {
        ++sourceQueries;
        return source;
    }
    std::string OwnDirectory() override { return own; }

    std::string source = "D:\\DISK1";
    std::string own = "C:\\WINDOWS\\TEMP\\AW";
    int sourceQueries = 0;
};

class FakeOutputFiles : public OutputFiles {
  public:
    class File : public OutputFile {
      public:
        File(FakeOutputFiles& owner, std::string path) : owner_(owner), path_(std::move(path)) {}
        bool Write(std::string_view bytes) override {
            if (owner_.writesBeforeFailure == 0) {
                return false;
            }
            --owner_.writesBeforeFailure;
            owner_.contents[path_].append(bytes);
            return true;
        }
        bool Close() override {
            ++owner_.closes;
            return !owner_.failClose;
        }

      private:
        FakeOutputFiles& owner_;
        std::string path_;
    };

    std::unique_ptr<OutputFile> Create(const std::string& path) override {
        if (refuseOpen) {
            return nullptr;
        }
        contents[path].clear();
        return std::make_unique<File>(*this, path);
    }

    std::map<std::string, std::string> contents;
    bool refuseOpen = false;
    int writesBeforeFailure = -1;  // negative: never fails
    bool failClose = false;
    int closes = 0;
};

}  // namespace aw::testing

// The controller's side of the variables: recorded messages, fixed directories and files
// kept in memory.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "installer/script/variables/error_report.h"
#include "installer/script/variables/output_file.h"
#include "installer/script/variables/script_environment.h"

namespace aw::testing {

class FakeErrorReport : public ErrorReport {
  public:
    void ReportError(const char* format, const std::string& argument) override {
        std::string text = format;
        const std::size_t at = text.find("%s");
        if (at != std::string::npos) {
            text.replace(at, 2, argument);
        }
        messages.push_back(text);
    }

    std::vector<std::string> messages;
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

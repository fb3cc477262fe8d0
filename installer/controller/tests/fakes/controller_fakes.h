// The install controller's side of file installation, answered by tests: the media with its disk
// prompt, the progress window and gauge, and the user's answers.
#pragma once

#include <cstdio>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "installer/controller/copy/media_names.h"
#include "installer/controller/copy_host.h"

namespace aw::testing {

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
                Directory = Root + "\\" + DiskFolderName(disk);
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

}  // namespace aw::testing

// A script with one build style, run against recorded services.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "installer/script/host/event_executor.h"
#include "installer/script/host/script_interpreter.h"
#include "installer/script/host/service_directories.h"
#include "installer/script/host/tests/fakes/fake_services.h"
#include "installer/script/model/install_script.h"
#include "installer/script/variables/tests/fakes/fake_controller.h"

namespace aw::testing {

inline DistributionFile NamedFile(const std::string& name) {
    DistributionFile file;
    file.FileName = name;
    return file;
}

class FakeCustomHandler : public CustomHandler {
  public:
    std::vector<std::int32_t> Positions;
    StepOutcome Answer = StepOutcome::Continue;
    StepOutcome HandleCustom(Event& event, std::int32_t position, std::int32_t& status) override {
        (void)event;
        Positions.push_back(position);
        status = 7;
        return Answer;
    }
};

class InterpreterTest : public ::testing::Test {
  protected:
    InterpreterTest() {
        script.Build.Styles.AddNew();
        script.Build.CurrentStyle = 0;
    }

    template <class Kind>
    Kind& Add(const std::string& condition = "1") {
        auto event = std::make_unique<Kind>();
        event->Condition = condition;
        selection.push_back(true);
        return static_cast<Kind&>(script.Events.Add(std::move(event)));
    }

    // Executes one event on its own; the status it left in `status`.
    bool Execute(Event& event) { return executor.Execute(event, status); }

    std::int32_t* Integer(const char* name) { return environment.IntegerVariable(name); }
    std::string Text(const char* name) {
        return std::string(environment.TextVariableNamed(name)->Text());
    }
    void SetText(const char* name, const std::string& value) {
        environment.TextVariableNamed(name)->Assign(value);
    }

    FakeServices services;
    FakeSupport support;
    ServiceDirectories directories{services};
    FakeOutputFiles files;
    ScriptEnvironment environment{services, directories, files};
    InstallScript script;
    std::vector<bool> selection;
    EventExecutor executor{services, environment, support.Support()};
    FakeCustomHandler custom;
    ScriptInterpreter interpreter{script, selection, services, environment, executor, custom};
    std::int32_t status = 0;
};

}  // namespace aw::testing

#include "installer/script/host/component_selection.h"

#include "installer/script/host/tests/fakes/fake_host_windows.h"
#include "installer/script/host/tests/interpreter_rig.h"

namespace aw::testing {
namespace {

class ComponentSelectionTest : public InterpreterTest {
  protected:
    // Component-bound events 0 to 3.
    ComponentSelectionTest() {
        for (int n = 0; n < 4; ++n) {
            Add<MakeDir>().ComponentBound = 1;
        }
    }
    Component& AddLeaf(const std::string& name, std::vector<std::int32_t> events) {
        auto& component = script.Components.AddNew();
        component.Leaf = 1;
        component.Name = name;
        component.FirstValue = "1";
        component.SecondValue = "0";
        for (auto event : events) {
            component.Events.push_back({event, script.Events.At(event)});
        }
        return component;
    }
    Component& AddGroup(const std::string& name, std::vector<std::int32_t> children) {
        auto& component = script.Components.AddNew();
        component.Name = name;
        component.FirstValue = "0";
        component.SecondValue = "0";
        for (auto child : children) {
            component.Children.push_back({child, nullptr});
        }
        return component;
    }
    // Checks exactly the leaves with these names.
    void Check(std::vector<std::string> names) {
        windows.Choose = [names](const std::vector<ComponentItem*>& topLevel) {
            std::function<void(ComponentItem*)> walk = [&](ComponentItem* item) {
                item->Checked =
                    std::find(names.begin(), names.end(), item->View.Name) != names.end();
                for (auto* child : item->Children) {
                    walk(child);
                }
            };
            for (auto* item : topLevel) {
                walk(item);
            }
        };
    }

    FakeHostWindows windows;
    FakeHostMachine machine;
    ComponentSelection selectionRun{script, environment, services, windows, machine, selection};
};

TEST_F(ComponentSelectionTest, GroupsAreBuiltAfterTheirChildren) {
    AddGroup("Everything", {2, 1});
    AddLeaf("Program", {0});
    AddGroup("Extras", {3});
    AddLeaf("Help", {1});
    std::vector<std::string> shown;
    windows.Choose = [&](const std::vector<ComponentItem*>& topLevel) {
        ASSERT_EQ(topLevel.size(), 1u);
        for (auto* child : topLevel[0]->Children) {
            shown.push_back(child->View.Name);
        }
        shown.push_back(topLevel[0]->Children[0]->Children.at(0)->View.Name);
    };
    EXPECT_EQ(selectionRun.Run(), StepOutcome::Continue);
    EXPECT_EQ(shown, (std::vector<std::string>{"Extras", "Program", "Help"}));
}

TEST_F(ComponentSelectionTest, CheckedLeavesSelectTheirEventsAndNothingElse) {
    AddLeaf("Program", {0, 1});
    AddLeaf("Help", {1, 2});
    Add<MakeDir>();  // not component-bound: keeps its flag
    Check({"Program"});
    EXPECT_EQ(selectionRun.Run(), StepOutcome::Continue);
    EXPECT_EQ(selection, (std::vector<bool>{true, true, false, false, true}));
}

TEST_F(ComponentSelectionTest, CancelAsksWhetherToAbort) {
    AddLeaf("Program", {0});
    windows.SelectionAnswers = {false, false};
    services.AbortReply = false;
    EXPECT_EQ(selectionRun.Run(), StepOutcome::Continue);
    EXPECT_EQ(windows.FreeSpaceShown.size(), 3u);
    EXPECT_EQ(services.AbortAnswers, 2);

    windows.SelectionAnswers = {false};
    services.AbortReply = true;
    selection.assign(4, true);
    Check({});
    EXPECT_EQ(selectionRun.Run(), StepOutcome::Stop);
    EXPECT_EQ(selection, std::vector<bool>(4, true));
}

TEST_F(ComponentSelectionTest, AFailingNameStopsTheSelection) {
    AddLeaf("$nosuch", {0});
    EXPECT_EQ(selectionRun.Run(), StepOutcome::Stop);
    EXPECT_TRUE(windows.FreeSpaceShown.empty());
    EXPECT_EQ(services.Errors.size(), 1u);
}

TEST_F(ComponentSelectionTest, TheFreeSpacePanelListsDrivesThatTakeFiles) {
    machine.Media = {{'A', MediumKind::Diskette},
                     {'C', MediumKind::Fixed},
                     {'D', MediumKind::CdRom},
                     {'E', MediumKind::Remote},
                     {'F', MediumKind::LargeRemovable}};
    machine.Free = {{'C', 52432}, {'E', 3}, {'F', 0}};
    EXPECT_EQ(FreeSpacePanel(machine),
              "c:   512Mb +   32Kb\r\ne:     0Mb +   30Kb\r\nf:     0Mb +    0Kb");
}

}  // namespace
}  // namespace aw::testing

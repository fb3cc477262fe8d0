// The user's choice of components: the tree of groups and leaves shown with check boxes, and
// the events' selection flags set from the leaves that are checked.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "installer/script/host/custom_handler.h"
#include "installer/script/model/install_script.h"

namespace aw {

class ControllerServices;
class HostMachine;
class HostWindows;
class ScriptEnvironment;

// A component with its texts substituted and its values evaluated.
struct ComponentView {
    bool Leaf = false;
    std::int32_t First = 0;
    std::int32_t Third = 0;
    std::int32_t FirstValue = 0;
    std::int32_t SecondValue = 0;
    std::string Name;
    std::string Description;
    // Positions of the leaf's events, or of the group's children.
    std::vector<std::int32_t> Events;
    std::vector<std::int32_t> Children;
};

// False when a text or expression fails (its message has been shown).
bool BuildComponentView(const Component& component, ScriptEnvironment& environment,
                        ComponentView& view);

// One line of the selection dialog's tree. A leaf starts checked when its first int is not 0;
// its first value is its size in KiB.
struct ComponentItem {
    ComponentView View;
    bool Checked = false;
    std::vector<ComponentItem*> Children;
};

// The drives C: to Z: that can take files, one line each: "c:   512Mb +   40Kb".
std::string FreeSpacePanel(HostMachine& machine);

class ComponentSelection {
  public:
    ComponentSelection(const InstallScript& script, ScriptEnvironment& environment,
                       ControllerServices& services, HostWindows& windows, HostMachine& machine,
                       std::vector<bool>& selection);

    // Shows the tree until the user confirms, or cancels and then agrees to abort (Stop).
    StepOutcome Run();

  private:
    bool BuildItems();
    std::vector<ComponentItem*> TopLevel() const;
    bool Choose(const std::vector<ComponentItem*>& topLevel);
    void SetFlags();

    const InstallScript& script_;
    ScriptEnvironment& environment_;
    ControllerServices& services_;
    HostWindows& windows_;
    HostMachine& machine_;
    std::vector<bool>& selection_;
    std::vector<std::unique_ptr<ComponentItem>> items_;
};

}  // namespace aw

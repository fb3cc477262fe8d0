#include "installer/script/host/component_selection.h"

#include <cstdio>

#include "installer/controller/run/controller_services.h"
#include "installer/script/host/event_fields.h"
#include "installer/script/host/host_windows.h"

namespace aw {
namespace {

template <class T>
std::vector<std::int32_t> Positions(const std::vector<Reference<T>>& references) {
    std::vector<std::int32_t> positions;
    for (const auto& reference : references) {
        positions.push_back(reference.Position);
    }
    return positions;
}

}  // namespace

bool BuildComponentView(const Component& component, ScriptEnvironment& environment,
                        ComponentView& view) {
    EventFields fields(environment);
    view.Leaf = component.Leaf != 0;
    view.First = component.First;
    view.Third = component.Third;
    if (!fields.Expand(component.Name, 80, view.Name) ||
        !fields.Expand(component.Description, 256, view.Description) ||
        !fields.Evaluate(component.FirstValue, view.FirstValue) ||
        !fields.Evaluate(component.SecondValue, view.SecondValue)) {
        return false;
    }
    view.Events = view.Leaf ? Positions(component.Events) : std::vector<std::int32_t>{};
    view.Children = view.Leaf ? std::vector<std::int32_t>{} : Positions(component.Children);
    return true;
}

std::string FreeSpacePanel(HostMachine& machine) {
    std::string panel;
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        const auto medium = machine.MediumOf(letter);
        if (!medium || (*medium != MediumKind::Fixed && *medium != MediumKind::LargeRemovable &&
                        *medium != MediumKind::Remote)) {
            continue;
        }
        const std::uint64_t kib = std::uint64_t{machine.FreeUnits(letter).value_or(0)} * 10;
        char line[64];
        std::snprintf(line, sizeof line, "%c: %5uMb + %4uKb", letter - 'A' + 'a',
                      static_cast<unsigned>(kib / 1024), static_cast<unsigned>(kib % 1024));
        if (!panel.empty()) {
            panel += "\r\n";
        }
        panel += line;
    }
    return panel;
}

ComponentSelection::ComponentSelection(const InstallScript& script, ScriptEnvironment& environment,
                                       ControllerServices& services, HostWindows& windows,
                                       HostMachine& machine, std::vector<bool>& selection)
    : script_(script),
      environment_(environment),
      services_(services),
      windows_(windows),
      machine_(machine),
      selection_(selection) {}

StepOutcome ComponentSelection::Run() {
    if (script_.Components.Empty()) {
        return StepOutcome::Continue;
    }
    if (!BuildItems() || !Choose(TopLevel())) {
        return StepOutcome::Stop;
    }
    SetFlags();
    return StepOutcome::Continue;
}

// Leaves first; a group once every child of it is built, so that it can hold them. A pass
// that builds nothing more means a group that contains itself: that tree cannot be shown.
bool ComponentSelection::BuildItems() {
    const std::size_t count = script_.Components.Size();
    items_.clear();
    items_.resize(count);
    std::size_t built = 0;
    while (built < count) {
        const std::size_t before = built;
        for (std::size_t n = 0; n < count; ++n) {
            if (items_[n] != nullptr) {
                continue;
            }
            auto item = std::make_unique<ComponentItem>();
            if (!BuildComponentView(*script_.Components.At(static_cast<std::int32_t>(n)),
                                    environment_, item->View)) {
                return false;
            }
            bool ready = true;
            for (const std::int32_t child : item->View.Children) {
                if (child < 0 || static_cast<std::size_t>(child) >= count) {
                    services_.CheckFailed("AWTEST", __LINE__);
                    return false;
                }
                ready = ready && items_[static_cast<std::size_t>(child)] != nullptr;
            }
            if (!ready) {
                continue;
            }
            for (const std::int32_t child : item->View.Children) {
                item->Children.push_back(items_[static_cast<std::size_t>(child)].get());
            }
            item->Checked = item->View.Leaf && item->View.First != 0;
            items_[n] = std::move(item);
            ++built;
        }
        if (built == before) {
            services_.CheckFailed("AWTEST", __LINE__);
            return false;
        }
    }
    return true;
}

std::vector<ComponentItem*> ComponentSelection::TopLevel() const {
    std::vector<bool> isChild(items_.size(), false);
    for (const auto& item : items_) {
        for (const std::int32_t child : item->View.Children) {
            isChild[static_cast<std::size_t>(child)] = true;
        }
    }
    std::vector<ComponentItem*> topLevel;
    for (std::size_t n = 0; n < items_.size(); ++n) {
        if (!isChild[n]) {
            topLevel.push_back(items_[n].get());
        }
    }
    return topLevel;
}

// Cancel asks whether to abort; "no" shows the same tree again.
bool ComponentSelection::Choose(const std::vector<ComponentItem*>& topLevel) {
    if (services_.Unattended()) {
        return true;
    }
    const std::string freeSpace = FreeSpacePanel(machine_);
    while (!windows_.RunComponentSelection(topLevel, freeSpace)) {
        if (services_.AbortQuery()) {
            return false;
        }
    }
    return true;
}

// Clearing comes first, so an event that a checked leaf owns runs whatever other leaves own it.
void ComponentSelection::SetFlags() {
    std::int32_t position = 0;
    for (const auto& event : script_.Events) {
        if (event->ComponentBound != 0 && static_cast<std::size_t>(position) < selection_.size()) {
            selection_[static_cast<std::size_t>(position)] = false;
        }
        ++position;
    }
    for (const auto& item : items_) {
        if (!item->View.Leaf || !item->Checked) {
            continue;
        }
        for (const std::int32_t event : item->View.Events) {
            if (event < 0 || static_cast<std::size_t>(event) >= selection_.size()) {
                services_.CheckFailed("SAINT", __LINE__);
                continue;
            }
            selection_[static_cast<std::size_t>(event)] = true;
        }
    }
}

}  // namespace aw

// Components and user dialogs: the parts of a script that exist from version 301 on.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "installer/script/model/build_set.h"
#include "installer/script/model/record_fields.h"
#include "installer/script/model/screen_layout.h"

namespace aw {

class Event;

// A leaf owns events; a group owns child components.
struct Component {
    std::int32_t First = 0;
    std::int32_t Leaf = 0;
    std::int32_t Third = 0;
    std::string Name;
    std::string Description;
    std::string FirstValue;
    std::string SecondValue;
    std::vector<Reference<Event>> Events;
    std::vector<Reference<Component>> Children;
    void Fields(FieldVisitor& v);
};

struct DialogControl {
    // [0] is the control kind; the others are copied as they are.
    std::array<std::int32_t, 7> Values{};
    PictureSource Picture;
    std::array<std::string, 3> Texts;
    void Fields(FieldVisitor& v);
};

struct UserDialog {
    // [5] not 0 marks a billboard.
    std::array<std::int32_t, 6> Values{};
    RecordList<DialogControl> Controls;
    std::string Name;
    std::string Caption;
    void Fields(FieldVisitor& v);
};

struct UserDialogList {
    // Present in version 302 files only.
    InstallFileList Files;
    RecordList<UserDialog> Dialogs;
    void Fields(FieldVisitor& v);
};

}  // namespace aw

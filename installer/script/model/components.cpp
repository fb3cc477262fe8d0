#include "installer/script/model/components.h"

#include "installer/script/model/install_script.h"

namespace aw {

void Component::Fields(FieldVisitor& v) {
    v.Int("first", First);
    v.Int("leaf", Leaf);
    v.Int("third", Third);
    v.Text("name", Name);
    v.Text("description", Description);
    v.Text("firstValue", FirstValue);
    v.Text("secondValue", SecondValue);
    v.IndexArray("events", Events, v.Script().Events);
    v.IndexArray("children", Children, v.Script().Components);
}

void DialogControl::Fields(FieldVisitor& v) {
    for (auto& value : Values) {
        v.Int("value", value);
    }
    v.Record("picture", Picture);
    for (auto& text : Texts) {
        v.Text("text", text);
    }
}

void UserDialog::Fields(FieldVisitor& v) {
    for (auto& value : Values) {
        v.Int("value", value);
    }
    v.List("controls", Controls);
    v.Text("name", Name);
    v.Text("caption", Caption);
}

void UserDialogList::Fields(FieldVisitor& v) {
    if (v.Version() >= 302) {
        v.Record("files", Files);
    }
    v.List("dialogs", Dialogs);
}

}  // namespace aw

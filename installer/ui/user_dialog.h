// A script's own dialog, prepared for showing: its description and the rules by which the
// dialog window places its controls, fills them and writes them back.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "installer/script/model/screen_layout.h"
#include "installer/script/variables/text_variable.h"
#include "installer/ui/screen_geometry.h"

namespace aw {

enum class DialogControlKind : std::int32_t {
    Text = 0,
    Picture = 1,
    TextBox = 2,
    List = 3,
    EngineDialogButton = 4,
    ClosingButton = 5,
    FileBox = 6,
};

struct DialogControlDescription {
    std::int32_t Kind = 0;
    // x, y, width and height in dialog cells; the value a closing button returns; not 0
    // makes a file box read-only.
    std::array<std::int32_t, 6> Values{};
    PictureSource Picture;
    // The variables' own storage, or none.
    std::int32_t* IntegerBinding = nullptr;
    TextVariable* TextBinding = nullptr;
    std::string MainText;
    std::string Label;
    std::string FilePath;

    DialogControlKind KindOf() const { return static_cast<DialogControlKind>(Kind); }
    std::int32_t ClosingValue() const { return Values[4]; }
    bool ReadOnly() const { return Values[5] != 0; }
};

inline constexpr std::size_t kMaxDialogControls = 30;

struct DialogDescription {
    // The centre (thousandths of the owner's client area), the client width and height in
    // dialog cells, and the value the dialog reports when asked.
    std::array<std::int32_t, 5> Values{};
    std::string Caption;
    // At most kMaxDialogControls; any beyond are not shown.
    std::vector<DialogControlDescription> Controls;

    std::int32_t ReportedValue() const { return Values[4]; }
};

// The command that asks a dialog for its reported value.
inline constexpr int kReportValueCommand = 1234;
// Control i is the child window 100 + i.
inline constexpr int kFirstDialogControlId = 100;
// What a file box shows of its file, and what a text box gives its variable.
inline constexpr std::size_t kMaxFileBoxText = 32000;
inline constexpr std::size_t kMaxTextBoxText = 254;

// The template's name: a dialog without a caption has no title bar.
const char* UserDialogTemplate(const DialogDescription& dialog);

// The unit of the dialog cells: the template's client area is 200 cells across and 100
// down.
class DialogCells {
  public:
    explicit DialogCells(PixelSize templateClient) : client_(templateClient) {}
    int X(int cells) const;
    int Y(int cells) const;
    PixelSize Size(int width, int height) const { return {X(width), Y(height)}; }

  private:
    PixelSize client_;
};

PixelRect ControlPlace(const DialogControlDescription& control, const DialogCells& cells);

// The dialog's centre in the owner's client area.
PixelPoint DialogCentre(const DialogDescription& dialog, PixelSize ownerClient);

// The items of a list: the label's lines, cut at CR LF, LF or CR. A line end at the very
// end starts no further item.
std::vector<std::string> LabelLines(std::string_view label);

// Only a closing button with an even value writes the controls back.
bool WritesBack(std::int32_t closingValue);

// What a text box gives its variable: its first 254 characters.
std::string TextBoxValue(std::string_view text);

}  // namespace aw

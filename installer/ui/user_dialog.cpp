#include "installer/ui/user_dialog.h"

#include <cstdint>

namespace aw {

const char* UserDialogTemplate(const DialogDescription& dialog) {
    return dialog.Caption.empty() ? "DLGUSRDLGNOTITLE" : "DLGUSRDLG";
}

int DialogCells::X(int cells) const {
    return static_cast<int>(static_cast<std::int64_t>(cells) * client_.Width / 200);
}

int DialogCells::Y(int cells) const {
    return static_cast<int>(static_cast<std::int64_t>(cells) * client_.Height / 100);
}

PixelRect ControlPlace(const DialogControlDescription& control, const DialogCells& cells) {
    const auto& v = control.Values;
    return {cells.X(v[0]), cells.Y(v[1]), cells.X(v[2]), cells.Y(v[3])};
}

PixelPoint DialogCentre(const DialogDescription& dialog, PixelSize ownerClient) {
    return PointFromThousandths(dialog.Values[0], dialog.Values[1], ownerClient);
}

std::vector<std::string> LabelLines(std::string_view label) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < label.size()) {
        const std::size_t end = label.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(label.substr(start));
            break;
        }
        lines.emplace_back(label.substr(start, end - start));
        start = end + (label.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

bool WritesBack(std::int32_t closingValue) {
    return closingValue % 2 == 0;
}

std::string TextBoxValue(std::string_view text) {
    return std::string(text.substr(0, kMaxTextBoxText));
}

}  // namespace aw

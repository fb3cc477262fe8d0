#include "installer/ui/title_text.h"

#include <algorithm>
#include <cstdint>

namespace aw {

TitleFont TitleFontFor(const TitleText& title, PixelSize client) {
    return {FromThousandths(title.Place.Height, client.Height), title.FontFlag1 != 0,
            title.FontFlag2 != 0, title.FontName};
}

int ShadowDistance(int pixelsPerInch) {
    return std::max(2, pixelsPerInch / 24);
}

std::vector<TextCopy> TitleCopies(const TitleText& title, PixelSize client, int shadowDistance) {
    const PixelPoint at = PointFromThousandths(title.Place.X, title.Place.Y, client);
    std::vector<TextCopy> copies;
    if (title.ShadowMode == 1) {
        const int offset = shadowDistance / 2;
        copies.push_back({{at.X + offset, at.Y + offset}, 0xFFFFFF});
    } else if (title.ShadowMode == 2) {
        copies.push_back({{at.X + shadowDistance, at.Y + shadowDistance}, 0x000000});
    }
    copies.push_back({at, static_cast<Colour>(title.Colour) & 0xFFFFFF});
    return copies;
}

int FittedCharacterWidth(int averageWidth, int textWidth, int boxWidth) {
    if (textWidth <= boxWidth || textWidth <= 0 || boxWidth <= 0) {
        return 0;
    }
    return std::max(
        1, static_cast<int>(static_cast<std::int64_t>(averageWidth) * boxWidth / textWidth));
}

}  // namespace aw

#include "installer/ui/screen_geometry.h"

#include <algorithm>
#include <cstdint>

namespace aw {

int FromThousandths(int value, int extent) {
    return static_cast<int>(static_cast<std::int64_t>(value) * extent / 1000);
}

PixelPoint PointFromThousandths(int x, int y, PixelSize client) {
    return {FromThousandths(x, client.Width), FromThousandths(y, client.Height)};
}

PixelRect RectFromThousandths(const ScreenRect& place, PixelSize client) {
    return {FromThousandths(place.X, client.Width), FromThousandths(place.Y, client.Height),
            FromThousandths(place.Width, client.Width),
            FromThousandths(place.Height, client.Height)};
}

ScreenWindowPlace PlaceScreenWindow(const ScreenLayout& layout, PixelSize screen,
                                    PixelSize pictureWindow) {
    PixelSize size = screen;
    switch (layout.SizeMode) {
        case 1:
            return {{0, 0, screen.Width, screen.Height}, true};
        case 2:
            size = pictureWindow;
            break;
        case 3:
            size = {FromThousandths(layout.Width, screen.Width),
                    FromThousandths(layout.Height, screen.Height)};
            break;
        default:
            break;
    }
    size.Width = std::min(size.Width, screen.Width);
    size.Height = std::min(size.Height, screen.Height);
    return {{(screen.Width - size.Width) / 2, (screen.Height - size.Height) / 2, size.Width,
             size.Height},
            false};
}

PixelRect PictureButtonPlace(const PixelRect& box) {
    const int width = std::min(box.Width, kPictureButtonSize.Width);
    const int height = std::min(box.Height, kPictureButtonSize.Height);
    return {box.Left + (box.Width - width) / 2, box.Top + (box.Height - height) / 2, width, height};
}

PixelRect CentredOn(PixelPoint centre, PixelSize size) {
    return {centre.X - size.Width / 2, centre.Y - size.Height / 2, size.Width, size.Height};
}

}  // namespace aw

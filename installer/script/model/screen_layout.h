// The install screen behind all dialogs: sizes, colours, pictures, title texts and buttons.
#pragma once

#include <cstdint>
#include <string>

#include "installer/script/model/build_set.h"
#include "installer/script/model/record_fields.h"
#include "installer/script/model/script_types.h"

namespace aw {

// A picture file: a kind and the file's name.
struct PictureSource {
    std::int32_t Kind = 0;
    FixedText File{};
    void Fields(FieldVisitor& v);
};

// Position and size in thousandths of the screen's client area, and whether it is shown.
struct ScreenRect {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t Visible = 0;
    void Fields(FieldVisitor& v);
};

struct TitleText {
    ScreenRect Place{30, 30, 758, 140, 1};
    // 0 none, 1 light, 2 dark.
    std::int32_t ShadowMode = 2;
    std::int32_t FontFlag1 = 1;
    std::int32_t FontFlag2 = 1;
    std::string Text = "Arkwell Installer";
    std::string FontName = "Arial";
    std::int32_t Colour = 0x00FF00;
    void Fields(FieldVisitor& v);
};

struct TitleTextList {
    RecordList<TitleText> Texts;
    void Fields(FieldVisitor& v);
};

struct BitmapPicture {
    ScreenRect Place;
    // 0 centred on the point, 1 stretched into the rectangle.
    std::int32_t DrawMode = 0;
    std::int32_t Extra1 = 0;
    std::int32_t Extra2 = 0;
    std::int32_t Extra3 = 0;
    PictureSource Source;
    void Fields(FieldVisitor& v);
};

struct MetafilePicture {
    ScreenRect Place{450, 450, 100, 100, 0};
    FixedText File{};
    void Fields(FieldVisitor& v);
};

struct ActivityGauge {
    std::int32_t X = 100;
    std::int32_t Y = 750;
    std::int32_t Visible = 1;
    void Fields(FieldVisitor& v);
};

struct ScreenLayout {
    // 0 whole screen, 1 maximised, 2 picture size, 3 Width and Height.
    std::int32_t SizeMode = 0;
    std::int32_t Width = 800;
    std::int32_t Height = 800;
    // 0 colour field, 1 picture tiled, 2 picture stretched.
    std::int32_t BackgroundMode = 0;
    std::int32_t WindowStyle = static_cast<std::int32_t>(0x80000000u);
    TitleTextList Titles;
    InstallFileList Files;
    std::int32_t CornerColours[4] = {0xA00000, 0x200000, 0x200000, 0x200000};
    BitmapPicture Bitmap;
    MetafilePicture Metafile;
    ActivityGauge Gauge;
    ScreenRect ExitButton{900, 920, 90, 65, 1};
    ScreenRect HelpButton{900, 840, 90, 65, 1};
    ScreenRect MinimiseButton{900, 760, 90, 65, 1};
    PictureSource BitmapSource;
    void Fields(FieldVisitor& v);
};

}  // namespace aw

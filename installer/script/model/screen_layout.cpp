#include "installer/script/model/screen_layout.h"

#include <limits>

namespace aw {

void PictureSource::Fields(FieldVisitor& v) {
    v.Int("kind", Kind);
    v.FixedText("file", File);
}

void ScreenRect::Fields(FieldVisitor& v) {
    v.Int("x", X);
    v.Int("y", Y);
    v.Int("width", Width);
    v.Int("height", Height);
    v.Int("visible", Visible);
}

void TitleText::Fields(FieldVisitor& v) {
    Place.Fields(v);
    v.Int("shadowMode", ShadowMode);
    v.Int("fontFlag1", FontFlag1);
    v.Int("fontFlag2", FontFlag2);
    v.Text("text", Text);
    v.Text("fontName", FontName);
    v.Long("colour", Colour);
}

void TitleTextList::Fields(FieldVisitor& v) {
    v.List("texts", Texts);
}

void BitmapPicture::Fields(FieldVisitor& v) {
    Place.Fields(v);
    v.Int("drawMode", DrawMode);
    v.Int("extra1", Extra1);
    v.Int("extra2", Extra2);
    v.Int("extra3", Extra3);
    v.Record("source", Source);
}

void MetafilePicture::Fields(FieldVisitor& v) {
    Place.Fields(v);
    v.FixedText("file", File);
}

void ActivityGauge::Fields(FieldVisitor& v) {
    v.Int("x", X);
    v.Int("y", Y);
    v.Int("visible", Visible);
}

void ScreenLayout::Fields(FieldVisitor& v) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    v.Int("sizeMode", SizeMode, 0, 3);
    v.Int("width", Width, 0, kMax);
    v.Int("height", Height, 0, kMax);
    v.Int("backgroundMode", BackgroundMode, 0, 2);
    v.Long("windowStyle", WindowStyle);
    v.Record("titles", Titles);
    v.Record("files", Files);
    v.Long("topLeftColour", CornerColours[0]);
    v.Long("topRightColour", CornerColours[1]);
    v.Long("bottomLeftColour", CornerColours[2]);
    v.Long("bottomRightColour", CornerColours[3]);
    v.Record("bitmap", Bitmap);
    v.Record("metafile", Metafile);
    v.Record("gauge", Gauge);
    v.Record("exitButton", ExitButton);
    v.Record("helpButton", HelpButton);
    v.Record("minimiseButton", MinimiseButton);
    v.Record("bitmapSource", BitmapSource);
}

}  // namespace aw

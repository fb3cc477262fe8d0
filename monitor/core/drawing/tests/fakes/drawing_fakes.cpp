#include "monitor/core/drawing/tests/fakes/drawing_fakes.h"

namespace lw::testing {

FakeResources::FakeResources() {
    sizes = {{"SQUARE", {100, 70}},      {"HORIZ", {183, 40}},   {"HORIZ_SMALL", {100, 25}},
             {"HORIZ_MODEM", {123, 25}}, {"COURIER", {172, 25}}, {"TITLE2", {94, 18}},
             {"TITLE12", {138, 18}},     {"TITLE22", {189, 18}}, {"TITLE_SMALL", {33, 18}}};
    for (const char* look : {"D", "R", "SQ"}) {
        for (const char* state : {"LIGHTON_", "LIGHTOFF_"}) {
            sizes[std::string(state) + "LARGE_" + look] = {20, 20};
            sizes[std::string(state) + look] = {11, 12};
        }
        for (const char* state : {"LIGHTON_", "LIGHTOFF_", "NOLIGHT_"}) {
            const bool square = std::string(look) == "SQ";
            sizes[std::string(state) + "Modem_" + look] = {square ? 10 : 12, square ? 11 : 12};
        }
    }
    for (const char* state : {"LIGHTON_", "LIGHTOFF_", "NOLIGHT_"}) {
        sizes[std::string(state) + "Title_F"] = {12, 7};
        sizes[std::string(state) + "Title_R"] = {11, 7};
    }
}

std::unique_ptr<Picture> FakeResources::LoadPicture(const std::string& name,
                                                    const Recolouring& recolouring) {
    const auto known = sizes.find(name);
    if (known == sizes.end()) {
        return nullptr;
    }
    loads.push_back(name);
    recolourings.push_back(recolouring);
    return std::make_unique<FakePicture>(name, known->second.first, known->second.second);
}

void FakeResources::DrawPicture(const Picture& source, Picture& target, int x, int y, int width,
                                int height) {
    static_cast<FakePicture&>(target).drawnOnto.push_back(
        {static_cast<const FakePicture&>(source).name, x, y, width, height});
}

std::unique_ptr<DrawingFont> FakeResources::MakeFont(const FontRequest& request) {
    fonts.push_back(request);
    return std::make_unique<FakeFont>(request);
}

SystemMetrics Win98Metrics() {
    SystemMetrics m;
    m.cxMin = 112;
    m.cxSize = 18;
    m.cySize = 18;
    m.cyCaption = 19;
    m.cxDlgFrame = m.cyDlgFrame = 3;
    m.cxFrame = m.cyFrame = 4;
    m.cxBorder = m.cyBorder = 1;
    return m;
}

}  // namespace lw::testing

#include "monitor/core/settings/system_appearance.h"

namespace lw {

void UseCaptionFont(MonitorSettings& settings, const SystemAppearance& system) {
    settings.TitleBarFont = system.CaptionFont();
    settings.TitleBarFont.colour = system.CaptionTextColour();
    settings.FontTitlebarBackgroundColor = system.ActiveCaptionColour();
}

}  // namespace lw

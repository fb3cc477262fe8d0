// The events that open and close the controller's modeless windows.
#include "installer/controller/run/controller_services.h"
#include "installer/script/host/event_executor.h"

namespace aw {

bool EventExecutor::Run(BeginProgress& event) {
    return services_.BeginProgress(event.First, event.Second, event.Value);
}

bool EventExecutor::Run(ShowMessageWindow& event) {
    MessageWindowRequest request;
    request.First = event.First;
    request.Second = event.Second;
    request.Long = event.Value;
    if (!fields_.Expand(event.FirstText, 256, request.Title) ||
        !fields_.Expand(event.SecondText, 512, request.Text)) {
        return false;
    }
    services_.ShowMessageWindow(request);
    return true;
}

bool EventExecutor::ExecuteWindow(std::int32_t typeCode) {
    switch (typeCode) {
        case EndProgress::Type:
            services_.EndProgress();
            break;
        case ShowBanner1::Type:
            services_.ShowBanner(BannerKind::First);
            break;
        case HideBanner1::Type:
            services_.HideBanner(BannerKind::First);
            break;
        case ShowBanner2::Type:
            services_.ShowBanner(BannerKind::Second);
            break;
        case HideBanner2::Type:
            services_.HideBanner(BannerKind::Second);
            break;
        case ShowBanner3::Type:
            services_.ShowBanner(BannerKind::Third);
            break;
        case HideBanner3::Type:
            services_.HideBanner(BannerKind::Third);
            break;
        default:
            services_.HideMessageWindow();
            break;
    }
    return true;
}

}  // namespace aw

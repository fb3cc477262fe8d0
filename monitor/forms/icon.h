// Icons: images held by the window system, shared between the icons that show them.
#pragma once

#include <memory>

#include "monitor/forms/handler.h"
#include "monitor/forms/system_window.h"

namespace lw {

// One image of the window system; freed when the last icon showing it lets go.
class IconImage {
  public:
    virtual ~IconImage() = default;
    virtual WindowHandle Handle() const = 0;
};

class Icon {
  public:
    Icon() = default;
    explicit Icon(std::shared_ptr<const IconImage> image) : image_(std::move(image)) {}
    // An icon is a place that shows an image; Assign shares another icon's image.
    Icon(const Icon&) = delete;
    Icon& operator=(const Icon&) = delete;

    void Assign(const Icon& source) { SetImage(source.image_); }
    void SetImage(std::shared_ptr<const IconImage> image) {
        image_ = std::move(image);
        OnChange(*this);
    }
    void Clear() { SetImage(nullptr); }

    bool Empty() const { return image_ == nullptr; }
    // 0 when empty.
    WindowHandle Handle() const { return image_ != nullptr ? image_->Handle() : 0; }
    const std::shared_ptr<const IconImage>& Image() const { return image_; }

    // Raised on every assignment, even of the same image.
    Handler<Icon&> OnChange;

  private:
    std::shared_ptr<const IconImage> image_;
};

}  // namespace lw

#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace gui::internal {
struct ImplAccess;
}  // namespace gui::internal

namespace gui {

// An image from the application's resources.
class Picture {
  public:
    ~Picture();
    // The picture stored under `fileName` among the application's resources, or null when there is none.
    static std::shared_ptr<Picture> FromResource(std::string_view fileName);

    std::int64_t Width() const;
    std::int64_t Height() const;

    // What the runtime holds behind the class; its definition and `impl()` are for gui/ alone.
    struct Impl;

  private:
    friend struct internal::ImplAccess;
    Impl& impl() const { return *impl_; }

  private:
    explicit Picture(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace gui

#pragma once

// Only for gui/: what a public class of the runtime holds behind its pointer. Code above gui/ never sees it.

namespace gui::internal {

struct ImplAccess {
    template <class T>
    static auto& Of(const T& object) {
        return object.impl();
    }
};

template <class T>
auto& ImplOf(const T& object) {
    return ImplAccess::Of(object);
}

}  // namespace gui::internal

#pragma once

namespace gui {

enum class MouseCursor { StandardPointer, HandOpen, FingerPointer };

namespace System::Cursors {
inline constexpr MouseCursor StandardPointer = MouseCursor::StandardPointer;
inline constexpr MouseCursor HandOpen = MouseCursor::HandOpen;
inline constexpr MouseCursor FingerPointer = MouseCursor::FingerPointer;
}  // namespace System::Cursors

}  // namespace gui

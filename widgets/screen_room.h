// The room a top-level window has on its screen, for windows whose design may be larger.
#pragma once

#include <QSize>

class QWidget;

namespace numo {

// The available area of `window`'s screen (without panels and docks) less the window's frame.
// The frame counts once the window system has framed the window (a window learns of that as a
// move); before, the whole available area is given. Unbounded when there is no screen.
[[nodiscard]] QSize RoomOnScreen(const QWidget &window);

} // namespace numo

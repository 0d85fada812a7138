#include "widgets/screen_room.h"

#include <QScreen>
#include <QWidget>

namespace numo {

QSize RoomOnScreen(const QWidget &window)
{
    const QScreen *screen = window.screen();
    if (!screen)
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    const QSize frame = window.frameGeometry().size() - window.size();
    return screen->availableGeometry().size() - frame;
}

} // namespace numo

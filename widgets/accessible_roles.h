// What a screen reader is told beyond Qt's defaults: a top-level window of the program is a
// window (Qt makes any QWidget subclass a client area), and a menu entry with a What's This text
// has it as its description (Qt's menu entries carry a name and a shortcut only).
#pragma once

class QWidget;

namespace numo {

// Call in the window's constructor, before anything asks for its accessible interface.
void ExposeAsWindow(QWidget *window);

} // namespace numo

// Single-key mode: with "Single Key" selected in List2 every key typed into the text line
// starts a fresh conversion of that one character.
#include "mainwindow/form1.h"

#include <QListWidget>
#include <QPlainTextEdit>

namespace numo {

void Form1::Text5_KeyPress(std::int16_t &keyAscii)
{
    if (selectedText(List2) != kSingleKey)
        return;
    // The fields are emptied before the character is entered, so the text line ends up
    // holding that character alone; keyAscii passes unchanged.
    convert(cascade::ClearForSingleKey);
    static_cast<void>(keyAscii);
}

void Form1::Text5_KeyUp(int /* keyCode */, Qt::KeyboardModifiers /* shift */)
{
    if (selectedText(List2) != kSingleKey)
        return;
    ConvertTextLine(Text5);
}

} // namespace numo

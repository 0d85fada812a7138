// "Copy as" in the context menu of a number field or the text line: the bytes the field
// describes, or those its selection touches, put on the clipboard in one of the byte formats.
// Nothing here changes a field, a caption or a file; only the clipboard, on the user's choice.
// After it, "Inspect bytes" asks for the byte inspector (Ctrl+I, which the window handles).
#pragma once

#include "conversion/notation.h"

#include <QObject>
#include <QString>

#include <functional>
#include <string>
#include <string_view>

class QMenu;
class QPoint;

namespace numo {

class FieldBox;

class CopyAsMenu : public QObject
{
    Q_OBJECT

public:
    // Takes over the box's context menu: the standard entries, the "Copy as" submenu, then
    // "Inspect bytes".
    // `text` gives the field's text as the window holds it.
    CopyAsMenu(FieldBox *box, Notation notation, std::function<const std::u16string &()> text);

signals:
    // A format went to the clipboard: its text and the entry's name.
    void copied(const QString &text, const QString &format);
    void inspectRequested();

private:
    void showMenu(const QPoint &position);
    // The submenu for the box as it is now; its entries are disabled when the box holds no byte.
    void addSubmenu(QMenu &menu);

    FieldBox *box;
    Notation notation;
    std::function<const std::u16string &()> fieldText;
};

} // namespace numo

#include "widgets/line_box.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include <memory>

namespace numo {

LineBox::LineBox(QWidget *parent) : QLineEdit(parent) { }

void LineBox::setFieldText(const QString &text)
{
    shortened = text.size() > kShownLimit;
    whole = shortened ? text : QString();
    setReadOnly(shortened);
    setText(shortened ? text.left(kShownLimit) + u'\u2026' : text);
}

void LineBox::copyWhole() const
{
    // The selection in the shown start; one that reaches the ellipsis runs to the end.
    if (!hasSelectedText())
        return;
    const qsizetype start = selectionStart();
    const qsizetype end = start + selectedText().size();
    QApplication::clipboard()->setText(
        end > kShownLimit ? whole.mid(start) : whole.mid(start, end - start));
}

void LineBox::keyPressEvent(QKeyEvent *event)
{
    if (shortened && event->matches(QKeySequence::Copy)) {
        copyWhole();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void LineBox::contextMenuEvent(QContextMenuEvent *event)
{
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    if (shortened) {
        const QString copyKey = QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText);
        for (QAction *action : menu->actions()) {
            if (action->text().endsWith(u'\t' + copyKey)) {
                disconnect(action, &QAction::triggered, nullptr, nullptr);
                connect(action, &QAction::triggered, this, &LineBox::copyWhole);
            }
        }
    }
    menu->exec(event->globalPos());
}

} // namespace numo

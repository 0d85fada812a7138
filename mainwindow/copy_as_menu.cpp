#include "mainwindow/copy_as_menu.h"

#include "conversion/byte_formats.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>

#include <memory>

namespace numo {

namespace {

    // The box's text as the field holds it (line breaks as CR LF), with the selection's ends
    // moved from document positions to positions in that text.
    struct FieldSelection
    {
        std::u16string text;
        TextSpan selection;
    };

    FieldSelection ReadSelection(const QPlainTextEdit &box)
    {
        const QString raw = box.document()->toRawText();
        const QTextCursor cursor = box.textCursor();
        const auto start = static_cast<qsizetype>(cursor.selectionStart());
        const auto end = static_cast<qsizetype>(cursor.selectionEnd());
        FieldSelection out;
        out.text.reserve(static_cast<std::size_t>(raw.size()));
        for (qsizetype i = 0; i <= raw.size(); ++i) {
            if (i == start)
                out.selection.begin = out.text.size();
            if (i == end)
                out.selection.end = out.text.size();
            if (i == raw.size())
                break;
            const QChar ch = raw.at(i);
            if (ch == QChar::ParagraphSeparator || ch == QChar::LineSeparator)
                out.text += u"\r\n";
            else
                out.text += ch.unicode();
        }
        return out;
    }

    // An example of each format, for its tool tip.
    QString Example(ByteFormat format)
    {
        static constexpr std::uint8_t kExample[] = {140, 0, 255, 255};
        return QObject::tr("140 0 255 255 become %1")
            .arg(QString::fromStdString(FormatBytes(format, kExample)));
    }

} // namespace

CopyAsMenu::CopyAsMenu(QPlainTextEdit *textBox, Reader fieldReader)
    : QObject(textBox), box(textBox), reader(fieldReader)
{
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(box, &QWidget::customContextMenuRequested, this, &CopyAsMenu::showMenu);
    box->installEventFilter(this);
}

bool CopyAsMenu::eventFilter(QObject *watched, QEvent *event)
{
    // Shift+F10 opens the menu at the caret, as the Menu key does.
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
            showMenu(box->cursorRect().center());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void CopyAsMenu::addSubmenu(QMenu &menu)
{
    const FieldSelection field = ReadSelection(*box);
    const ByteStructure structure = reader.structure(field.text);
    const std::vector<std::uint8_t> all = reader.bytes(field.text);
    const auto bytes = std::make_shared<const std::vector<std::uint8_t>>(
        BytesTouched(structure.bytes, all, field.selection));

    menu.addSeparator();
    QMenu *sub = menu.addMenu(tr("Copy &as"));
    sub->menuAction()->setObjectName(QStringLiteral("CopyAs"));
    sub->setAccessibleName(tr("Copy as"));
    sub->setToolTipsVisible(true);
    const bool selection = field.selection.begin < field.selection.end;
    sub->menuAction()->setToolTip(selection ? tr("Copy the bytes the selection touches")
                                            : tr("Copy every byte of the field"));
    for (const ByteFormat format : kByteFormats) {
        const QString name = QString::fromLatin1(ByteFormatName(format));
        QAction *entry = sub->addAction(name);
        entry->setToolTip(Example(format));
        entry->setEnabled(!bytes->empty());
        connect(entry, &QAction::triggered, this, [this, format, name, bytes] {
            const QString text = QString::fromStdString(FormatBytes(format, *bytes));
            QApplication::clipboard()->setText(text);
            emit copied(text, name);
        });
    }
}

void CopyAsMenu::showMenu(const QPoint &position)
{
    QMenu *menu = box->createStandardContextMenu(position);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    addSubmenu(*menu);
    menu->popup(box->viewport()->mapToGlobal(position));
}

} // namespace numo

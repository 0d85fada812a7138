#include "mainwindow/copy_as_menu.h"

#include "conversion/byte_formats.h"
#include "widgets/field_box.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>

#include <memory>

namespace numo {

namespace {

    // An example of each format, for its tool tip.
    QString Example(ByteFormat format)
    {
        static constexpr std::uint8_t kExample[] = {140, 0, 255, 255};
        return QObject::tr("140 0 255 255 become %1")
            .arg(QString::fromStdString(FormatBytes(format, kExample)));
    }

} // namespace

CopyAsMenu::CopyAsMenu(
    FieldBox *textBox, Notation fieldNotation, std::function<const std::u16string &()> text)
    : QObject(textBox), box(textBox), notation(fieldNotation), fieldText(std::move(text))
{
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(box, &QWidget::customContextMenuRequested, this, &CopyAsMenu::showMenu);
}

void CopyAsMenu::addSubmenu(QMenu &menu)
{
    const std::u16string &text = fieldText();
    const QTextCursor cursor = box->textCursor();
    const TextSpan selection{
        box->toField(cursor.selectionStart()), box->toField(cursor.selectionEnd())};
    ByteStructure where;
    const std::vector<std::uint8_t> all = ReadBytes(notation, text, &where);
    const auto bytes = std::make_shared<const std::vector<std::uint8_t>>(
        BytesTouched(where.bytes, all, selection));

    menu.addSeparator();
    QMenu *sub = menu.addMenu(tr("Copy &as"));
    sub->menuAction()->setObjectName(QStringLiteral("CopyAs"));
    sub->setAccessibleName(tr("Copy as"));
    sub->setToolTipsVisible(true);
    sub->menuAction()->setToolTip(selection.begin < selection.end
            ? tr("Copy the bytes the selection touches")
            : tr("Copy every byte of the field"));
    for (const ByteFormat format : kByteFormats) {
        const QString name = QString::fromLatin1(ByteFormatName(format));
        QAction *entry = sub->addAction(name);
        entry->setToolTip(Example(format));
        entry->setWhatsThis(entry->toolTip()); // a screen reader's description of the entry
        entry->setEnabled(!bytes->empty());
        connect(entry, &QAction::triggered, this, [this, format, name, bytes] {
            const QString copy = QString::fromStdString(FormatBytes(format, *bytes));
            QApplication::clipboard()->setText(copy);
            emit copied(copy, name);
        });
    }
}

void CopyAsMenu::showMenu(const QPoint &position)
{
    QMenu *menu = box->createStandardContextMenu(position);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    addSubmenu(*menu);
    QAction *inspect = menu->addAction(tr("&Inspect bytes"), this, &CopyAsMenu::inspectRequested);
    inspect->setObjectName(QStringLiteral("InspectBytes"));
    inspect->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I)); // shown only: the window handles it
    menu->popup(box->viewport()->mapToGlobal(position));
}

} // namespace numo

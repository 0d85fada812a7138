#include "mainwindow/byte_inspector.h"

#include "conversion/byte_formats.h"
#include "conversion/byte_readings.h"
#include "widgets/field_box.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <map>
#include <span>

namespace numo {

namespace {

    QString NameOf(Notation notation)
    {
        switch (notation) {
        case Notation::DottedDecimal:
            return ByteInspector::tr("Dotted decimal field");
        case Notation::Hexadecimal:
            return ByteInspector::tr("Hexadecimal field");
        case Notation::Binary:
            return ByteInspector::tr("Binary field");
        case Notation::TextLine:
            break;
        }
        return ByteInspector::tr("Text line");
    }

    // The byte under a caret at `at`: the one whose characters hold it, else the one it follows
    // directly (as the work display links it), else the next one; `spans.size()` past the last.
    std::size_t CaretByte(std::span<const TextSpan> spans, std::size_t at)
    {
        auto span = std::partition_point(
            spans.begin(), spans.end(), [at](const TextSpan &s) { return s.end <= at; });
        if ((span == spans.end() || span->begin > at) && span != spans.begin()
            && (span - 1)->end == at)
            --span;
        return static_cast<std::size_t>(span - spans.begin());
    }

    // Control characters shown as their symbols (U+2400 to U+2421), so a cell never holds a
    // line break or an invisible character.
    QString Visible(const std::string &utf8)
    {
        QString text = QString::fromStdString(utf8);
        for (QChar &ch : text) {
            if (ch.unicode() < 0x20)
                ch = QChar(0x2400 + ch.unicode());
            else if (ch.unicode() == 0x7F)
                ch = QChar(0x2421);
        }
        return text;
    }

} // namespace

ByteInspector::ByteInspector(
    QWidget &window, const std::array<Entry, 4> &followedEntries, TextSource textSource)
    : QWidget(&window, Qt::Tool), entries(followedEntries), source(std::move(textSource)),
      line(new QLabel(this)), table(new QTableWidget(kByteReadingCount, 2, this))
{
    setObjectName(QStringLiteral("ByteInspector"));
    setWindowTitle(tr("Numo byte inspector"));
    setAttribute(Qt::WA_DeleteOnClose);
    line->setObjectName(QStringLiteral("InspectedBytes"));
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    table->setObjectName(QStringLiteral("Readings"));
    table->setAccessibleName(tr("Readings of the bytes"));
    table->setHorizontalHeaderLabels({tr("Big-endian (network order)"), tr("Little-endian")});
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // One line a row: the rows' height is set once rather than measured at every update.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().lineSpacing() + 6);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false); // Tab leaves the table, as in any dialog
    table->setWordWrap(false);
    for (int row = 0; row < table->rowCount(); ++row) {
        table->setVerticalHeaderItem(row, new QTableWidgetItem);
        for (int column = 0; column < 2; ++column) {
            auto *cell = new QTableWidgetItem;
            cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            table->setItem(row, column, cell);
        }
    }
    table->setCurrentCell(0, 0);
    table->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(line);
    layout->addWidget(table);
    resize(560, 400);

    for (const QKeySequence &key :
        {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);
    // F1 (Help) and Ctrl+Q (quit) are the main window's own shortcuts, which reach its tool
    // windows too; a second pair here would make each key ambiguous.
    // The signals may come from inside a document's edit: they only ask for an update.
    for (const Entry &entry : entries) {
        connect(entry.box, &QPlainTextEdit::cursorPositionChanged, this, &ByteInspector::schedule);
        connect(entry.box, &QPlainTextEdit::selectionChanged, this, &ByteInspector::schedule);
    }
    connect(qApp, &QApplication::focusChanged, this, &ByteInspector::schedule);
    schedule();
}

ByteInspector::~ByteInspector()
{
    // The table gives up the focus while QWidget's destructor runs, after this one: nothing may
    // call back into this class by then.
    disconnect(qApp, nullptr, this, nullptr);
    for (const Entry &entry : entries)
        disconnect(entry.box, nullptr, this, nullptr);
}

void ByteInspector::fieldsChanged()
{
    schedule();
}

void ByteInspector::schedule()
{
    later.request(*this);
}

bool ByteInspector::event(QEvent *event)
{
    if (!PostedUpdate::Is(*event))
        return QWidget::event(event);
    refresh(); // the window's read of its edits in there asks for no second update
    later.done();
    return true;
}

bool ByteInspector::eventFilter(QObject *watched, QEvent *event)
{
    // An item view copies no more than its current cell by itself.
    if (watched == table && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        copyCells();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ByteInspector::refresh()
{
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].box->window()->focusWidget() == entries[i].box)
            followed = i;
    const Entry &entry = entries[followed];
    Reading &reading = readings[followed];
    const Text text = source(entry.field);
    if (reading.revision != text.revision) {
        reading.revision = text.revision;
        reading.where = {};
        reading.bytes = ReadBytes(entry.notation, text.text, &reading.where);
    }
    showBytes(entry, reading);
}

void ByteInspector::showBytes(const Entry &entry, const Reading &reading)
{
    const QTextCursor cursor = entry.box->textCursor();
    const TextSpan selection{
        entry.box->toField(cursor.selectionStart()), entry.box->toField(cursor.selectionEnd())};
    const std::size_t count = reading.bytes.size();
    const bool selected = selection.begin < selection.end;
    ByteRange range = selected ? TouchedRange(reading.where.bytes, count, selection)
                               : ByteRange{CaretByte(reading.where.bytes, selection.begin), count};
    range.end = std::min(range.end, range.begin + kMaxInspectedBytes);
    const auto bytes = std::span(reading.bytes).subspan(range.begin, range.end - range.begin);

    const QString name = NameOf(entry.notation);
    QString says;
    if (count == 0)
        says = tr("%1: no bytes").arg(name);
    else if (bytes.empty())
        says = (selected ? tr("%1: the selection touches none of its %2 bytes")
                         : tr("%1: no byte from the caret on, of %2"))
                   .arg(name)
                   .arg(count);
    else if (bytes.size() == 1)
        says = tr("%1, byte %2 of %3").arg(name).arg(range.begin + 1).arg(count);
    else
        says =
            tr("%1, bytes %2 to %3 of %4").arg(name).arg(range.begin + 1).arg(range.end).arg(count);
    line->setText(says);
    table->setAccessibleDescription(says);

    const std::vector<ByteReading> rows = ReadingsOf(bytes);
    for (int row = 0; row < table->rowCount(); ++row) {
        const ByteReading &shown = rows[static_cast<std::size_t>(row)];
        table->verticalHeaderItem(row)->setText(QString::fromLatin1(shown.label));
        table->item(row, 0)->setText(Visible(shown.bigEndian));
        table->item(row, 1)->setText(shown.littleEndian ? Visible(*shown.littleEndian) : QString());
        const int span = shown.littleEndian ? 1 : 2;
        if (table->columnSpan(row, 0) != span)
            table->setSpan(row, 0, 1, span);
    }
}

void ByteInspector::copyCells()
{
    // The selected cells in reading order: a tab between the cells of a row, a line break
    // between rows; the cell hidden under a row's span is left out.
    std::map<std::pair<int, int>, QString> cells;
    for (const QTableWidgetItem *cell : table->selectedItems())
        if (cell->column() == 0 || table->columnSpan(cell->row(), 0) == 1)
            cells[{cell->row(), cell->column()}] = cell->text();
    if (cells.empty() && table->currentItem())
        cells[{table->currentRow(), 0}] = table->currentItem()->text();
    if (cells.empty())
        return;
    QString copy;
    for (auto cell = cells.begin(); cell != cells.end(); ++cell) {
        if (cell != cells.begin())
            copy += std::prev(cell)->first.first == cell->first.first ? u'\t' : u'\n';
        copy += cell->second;
    }
    QApplication::clipboard()->setText(copy);
}

} // namespace numo

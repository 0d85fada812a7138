#include "widgets/field_box.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

namespace numo {

namespace {

    // Set on a block that continues the block before it: the break between them is a cut.
    constexpr int kContinues = QTextFormat::UserProperty + 1;

    // The characters setPlainText takes as a line break; a CR LF pair is one break.
    bool IsBreak(char16_t ch)
    {
        return ch == u'\n' || ch == u'\r' || ch == 0x2029 || ch == 0xFDD0 || ch == 0xFDD1;
    }

    bool IsSeparator(char16_t ch)
    {
        return ch == u' ' || ch == u'-' || ch == u':' || ch == u'.' || ch == u',';
    }

    // Where to cut a run [from, to) that is longer than the limit: after a separator near the
    // limit where there is one, so that a cut falls between bytes; never inside a surrogate pair.
    std::size_t CutAt(const std::u16string &text, std::size_t from)
    {
        const std::size_t limit = from + static_cast<std::size_t>(FieldBox::kBlockLimit);
        for (std::size_t at = limit; at > limit - 64; --at)
            if (IsSeparator(text[at - 1]))
                return at;
        return QChar::isLowSurrogate(text[limit]) ? limit - 1 : limit;
    }

    QStringView Slice(const std::u16string &text, std::size_t from, std::size_t to)
    {
        return QStringView(text.data() + from, static_cast<qsizetype>(to - from));
    }

    QTextBlockFormat CutFormat(bool continues)
    {
        QTextBlockFormat format;
        if (continues)
            format.setProperty(kContinues, true);
        return format;
    }

} // namespace

FieldBox::FieldBox(QWidget *parent) : QPlainTextEdit(parent)
{
    // The room under the last whole line shows the text's background, not the window's.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void FieldBox::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    showWholeLines();
}

void FieldBox::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        showWholeLines();
}

void FieldBox::showWholeLines()
{
    const int margin = qRound(document()->documentMargin());
    const int room = contentsRect().height();
    const int line = fontMetrics().lineSpacing();
    if (line <= 0 || room <= 2 * margin)
        return;
    const int lines = std::max(1, (room - 2 * margin) / line);
    // The viewport ends where the last whole line does; nothing of the next one shows.
    setViewportMargins(0, 0, 0, std::max(0, room - (margin + lines * line)));
}

std::u16string FieldBox::fieldText() const
{
    return readDocument();
}

void FieldBox::readIfEdited() const
{
    if (readRevision != document()->revision())
        readDocument();
}

FieldBox::Blocks FieldBox::IntoBlocks(const std::u16string &text)
{
    Blocks out;
    out.shown.reserve(static_cast<qsizetype>(text.size() + text.size() / kBlockLimit + 1));
    int block = 0;
    for (std::size_t i = 0, n = text.size();;) {
        std::size_t end = i;
        while (end < n && !IsBreak(text[end]))
            ++end;
        if (end - i > static_cast<std::size_t>(kBlockLimit))
            out.cuts.push_back({block + 1, block});
        while (end - i > static_cast<std::size_t>(kBlockLimit)) {
            const std::size_t at = CutAt(text, i);
            out.shown += Slice(text, i, at);
            out.shown += u'\n';
            out.cuts.back().last = ++block;
            out.syncs.push_back({static_cast<int>(out.shown.size()), at});
            i = at;
        }
        out.shown += Slice(text, i, end);
        if (end == n)
            break;
        out.shown += u'\n';
        ++block;
        if (text[end] == u'\r' && end + 1 < n && text[end + 1] == u'\n') {
            out.syncs.push_back({static_cast<int>(out.shown.size()), end + 2}); // one break
            i = end + 2;
        } else {
            i = end + 1;
        }
    }
    out.blocks = block + 1;
    return out;
}

void FieldBox::markBlocks(int first, int last, bool continues)
{
    // One selection from the first block to the last: the cursor lays out those two blocks
    // only, whatever lies between them.
    QTextCursor cursor(document());
    cursor.setPosition(document()->findBlockByNumber(first).position());
    cursor.setPosition(document()->findBlockByNumber(last).position(), QTextCursor::KeepAnchor);
    cursor.setBlockFormat(CutFormat(continues));
}

void FieldBox::setFieldText(const std::u16string &fieldText)
{
    Blocks blocks = IntoBlocks(fieldText);
    setPlainText(blocks.shown);
    if (!blocks.cuts.empty()) {
        // Marking the cuts is no edit of the user's: no signal, no undo step.
        const QSignalBlocker quiet(document());
        document()->setUndoRedoEnabled(false);
        for (const Cuts &run : blocks.cuts)
            markBlocks(run.first, run.last, true);
        document()->setUndoRedoEnabled(true);
    }
    length = fieldText.size();
    syncs = std::move(blocks.syncs);
    readRevision = document()->revision();
}

bool FieldBox::cutBefore(const QTextBlock &block) const
{
    return block.isValid() && block.blockFormat().boolProperty(kContinues);
}

std::u16string FieldBox::readDocument() const
{
    std::u16string text;
    text.reserve(static_cast<std::size_t>(document()->characterCount()));
    syncs.assign(1, Sync{0, 0});
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block != document()->begin()) {
            if (!cutBefore(block))
                text += u"\r\n";
            syncs.push_back({block.position(), text.size()});
        }
        const QString line = block.text();
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (line.at(i) == QChar::LineSeparator) { // Shift+Enter: a break inside the block
                text += u"\r\n";
                syncs.push_back({block.position() + static_cast<int>(i) + 1, text.size()});
            } else {
                text += line.at(i).unicode();
            }
        }
    }
    length = text.size();
    readRevision = document()->revision();
    return text;
}

std::size_t FieldBox::toField(int position) const
{
    readIfEdited();
    const auto after = std::upper_bound(syncs.begin(), syncs.end(), position,
        [](int at, const Sync &sync) { return at < sync.document; });
    const Sync &sync = *(after - 1);
    return std::min(length, sync.field + static_cast<std::size_t>(position - sync.document));
}

int FieldBox::toDocument(std::size_t position) const
{
    readIfEdited();
    const auto after = std::upper_bound(syncs.begin(), syncs.end(), position,
        [](std::size_t at, const Sync &sync) { return at < sync.field; });
    const Sync &sync = *(after - 1);
    return std::min(
        document()->characterCount() - 1, sync.document + static_cast<int>(position - sync.field));
}

void FieldBox::keyPressEvent(QKeyEvent *event)
{
    QTextCursor cursor = textCursor();
    const QTextBlock block = cursor.block();
    const bool plain = (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == 0;
    const bool atCutStart = cursor.atBlockStart() && cutBefore(block);
    const bool atCutEnd = cursor.atBlockEnd() && cutBefore(block.next());
    const auto move =
        event->modifiers() & Qt::ShiftModifier ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && !(event->modifiers() & Qt::ShiftModifier)) {
        // A line break of the user's: the new block never continues the one before.
        cursor.insertBlock(CutFormat(false));
        setTextCursor(cursor);
        ensureCursorVisible();
        return;
    }
    if (plain && !cursor.hasSelection()
        && ((event->key() == Qt::Key_Backspace && atCutStart)
            || (event->key() == Qt::Key_Delete && atCutEnd))) {
        // The character on the other side of the cut, not the cut.
        cursor.movePosition(event->key() == Qt::Key_Backspace ? QTextCursor::PreviousCharacter
                                                              : QTextCursor::NextCharacter);
        event->key() == Qt::Key_Backspace ? cursor.deletePreviousChar() : cursor.deleteChar();
        setTextCursor(cursor);
        return;
    }
    if (plain
        && ((event->key() == Qt::Key_Left && atCutStart)
            || (event->key() == Qt::Key_Right && atCutEnd))) {
        // The cut is no place of its own: step over it and one character on.
        const auto step = event->key() == Qt::Key_Left ? QTextCursor::PreviousCharacter
                                                       : QTextCursor::NextCharacter;
        cursor.movePosition(step, move, 2);
        setTextCursor(cursor);
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

QMimeData *FieldBox::createMimeDataFromSelection() const
{
    // The selection's plain text as a plain text box gives it (breaks as LF, no-break spaces as
    // blanks), without the cuts.
    const QTextCursor cursor = textCursor();
    const int from = cursor.selectionStart();
    const int to = cursor.selectionEnd();
    QString copied;
    copied.reserve(to - from);
    for (QTextBlock block = document()->findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        if (block.position() > from && !cutBefore(block))
            copied += u'\n';
        const int begin = std::max(from - block.position(), 0);
        const int end = std::min(to - block.position(), block.length() - 1);
        copied += block.text().mid(begin, std::max(end - begin, 0));
    }
    for (QChar &ch : copied) {
        if (ch == QChar::LineSeparator || ch == QChar::ParagraphSeparator || ch.unicode() == 0xFDD0
            || ch.unicode() == 0xFDD1)
            ch = u'\n';
        else if (ch == QChar::Nbsp)
            ch = u' ';
    }
    auto *selected = new QMimeData;
    selected->setText(copied);
    return selected;
}

void FieldBox::insertFromMimeData(const QMimeData *source)
{
    if (!source->hasText() || isReadOnly())
        return;
    // Line breaks as a plain paste reads them, and cuts in every run longer than the limit; the
    // new blocks take their marks in runs, so nothing but the ends is laid out here.
    const Blocks blocks = IntoBlocks(source->text().toStdU16String());
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    const int first = cursor.blockNumber();
    cursor.insertText(blocks.shown);
    if (blocks.blocks > 1) {
        markBlocks(first + 1, first + blocks.blocks - 1, false);
        for (const Cuts &run : blocks.cuts)
            markBlocks(first + run.first, first + run.last, true);
    }
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

} // namespace numo

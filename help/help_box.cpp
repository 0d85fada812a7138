#include "help/help_box.h"

#include <QMimeData>
#include <QTextBlock>
#include <QTextDocumentFragment>

#include <algorithm>

namespace numo {

namespace {

    // The user state of a block that continues the line of the block before it.
    constexpr int kContinues = 1;

    bool IsLineBreak(char16_t ch)
    {
        return ch == u'\r' || ch == u'\n';
    }

} // namespace

HelpBox::HelpBox(QWidget *parent) : QPlainTextEdit(parent) { }

void HelpBox::setHelpText(std::u16string_view text)
{
    // A cut after the last blank of the block's second half, or else at the limit.
    cuts.clear();
    std::vector<int> continuing; // document positions of the blocks the cuts start
    std::size_t blockStart = 0;
    std::size_t afterBlank = 0;
    std::size_t pairs = 0; // CR LF pairs so far, each one character in the document
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i];
        if (IsLineBreak(ch)) {
            pairs += ch == u'\n' && i > 0 && text[i - 1] == u'\r';
            blockStart = i + 1;
            continue;
        }
        if (i - blockStart == kBlockLimit) {
            blockStart = afterBlank > blockStart + kBlockLimit / 2 ? afterBlank : i;
            cuts.push_back(blockStart);
            continuing.push_back(static_cast<int>(blockStart - pairs + cuts.size()));
        }
        if (ch == u' ')
            afterBlank = i + 1;
    }

    QString document;
    document.reserve(static_cast<qsizetype>(text.size() + cuts.size()));
    std::size_t copied = 0;
    for (const std::size_t cut : cuts) {
        document.append(QStringView(text.substr(copied, cut - copied)));
        document.append(QChar::ParagraphSeparator);
        copied = cut;
    }
    document.append(QStringView(text.substr(copied)));
    setPlainText(document);
    for (const int position : continuing)
        this->document()->findBlock(position).setUserState(kContinues);
}

std::size_t HelpBox::cutsUpTo(std::size_t position) const
{
    return static_cast<std::size_t>(
        std::upper_bound(cuts.begin(), cuts.end(), position) - cuts.begin());
}

QMimeData *HelpBox::createMimeDataFromSelection() const
{
    const QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    std::vector<int> separators; // of the cuts inside the selection, from its start
    for (QTextBlock block = document()->findBlock(start).next();
         block.isValid() && block.position() <= end; block = block.next()) {
        if (block.userState() == kContinues)
            separators.push_back(block.position() - 1 - start);
    }
    if (separators.empty())
        return QPlainTextEdit::createMimeDataFromSelection();

    QTextDocument copy;
    QTextCursor editor(&copy);
    editor.insertFragment(cursor.selection());
    for (auto separator = separators.rbegin(); separator != separators.rend(); ++separator) {
        editor.setPosition(*separator);
        editor.deleteChar();
    }
    auto *mime = new QMimeData;
    mime->setText(copy.toPlainText());
    mime->setHtml(copy.toHtml());
    return mime;
}

} // namespace numo

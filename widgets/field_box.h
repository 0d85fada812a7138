// A multi-line text box, in the main window's fields and the help window. Its text is held in the
// document in blocks of at most kBlockLimit characters: a long line is cut into blocks that
// continue one another, so the caret's blink, a scroll, a hover or a repaint lays out one bounded
// block, never the whole line. The cuts are the box's own: the field's text reads and writes
// exactly as one line (copy, paste, the keys at a cut, and every position given to or taken from
// the box skip them); a cut shows only as an earlier wrap of the line it ends. Within its height
// the box shows whole lines only: the room left under the last whole line is margin.
#pragma once

#include <QPlainTextEdit>

#include <cstddef>
#include <string>
#include <vector>

namespace numo {

class FieldBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    static constexpr qsizetype kBlockLimit = 16384;

    explicit FieldBox(QWidget *parent = nullptr);

    // The field's text as the document holds it: line breaks as CR LF, the cuts left out. The
    // window keeps the text it set; this reads what the user made of it.
    [[nodiscard]] std::u16string fieldText() const;
    // Replaces the whole document, as setPlainText does.
    void setFieldText(const std::u16string &text);

    // Positions in the document and in the field's text, both ways.
    [[nodiscard]] std::size_t toField(int position) const;
    [[nodiscard]] int toDocument(std::size_t position) const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    QMimeData *createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    // From here on, document and field positions differ by a fixed amount.
    struct Sync
    {
        int document;
        std::size_t field;
    };

    // A text as the document holds it: every break as one LF, cuts included; the blocks that
    // continue the block before them, in runs; and where the positions differ.
    struct Cuts
    {
        int first;
        int last;
    };
    struct Blocks
    {
        QString shown;
        std::vector<Cuts> cuts;
        std::vector<Sync> syncs{{0, 0}};
        int blocks = 1;
    };
    static Blocks IntoBlocks(const std::u16string &text);
    void markBlocks(int first, int last, bool continues);

    void showWholeLines();
    void readIfEdited() const;
    std::u16string readDocument() const;
    [[nodiscard]] bool cutBefore(const QTextBlock &block) const;

    mutable std::size_t length = 0; // of the field's text
    mutable std::vector<Sync> syncs{{0, 0}};
    mutable int readRevision = -1;
};

} // namespace numo

// The help window's text box. A line longer than kBlockLimit characters is held in the document
// as blocks that continue one another, so that opening or searching a long text, a caret blink,
// a scroll or a repaint lays out bounded blocks, never a whole huge line. A cut shows only as an
// earlier wrap of its line, after a blank where the line has one near the limit; copying or
// dragging a selection leaves the cuts out.
#pragma once

#include <QPlainTextEdit>

#include <cstddef>
#include <string_view>
#include <vector>

namespace numo {

class HelpBox : public QPlainTextEdit
{
public:
    static constexpr std::size_t kBlockLimit = 16384;

    explicit HelpBox(QWidget *parent = nullptr);

    // Replaces the whole document with `text`, as setPlainText does, its long lines cut.
    void setHelpText(std::u16string_view text);
    // How many cuts the text last set has at or before `position`, counted in that text: each
    // one puts a document position one character later.
    [[nodiscard]] std::size_t cutsUpTo(std::size_t position) const;

protected:
    QMimeData *createMimeDataFromSelection() const override;

private:
    std::vector<std::size_t> cuts; // ascending: the text positions the cuts come before
};

} // namespace numo

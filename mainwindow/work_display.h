// What the conversions did, shown in place: where each byte sits in the number fields and the
// text line, the steps taken without saying (padded digits, skipped characters, ignored
// remainders, values above 255, characters outside the code page), the byte under the caret or
// pointer in every field that describes the same bytes, dimmed captions over fields that no
// longer agree, and the last text put on the clipboard.
//
// Everything here is display: extra selections, caption colour and font, tool tips. No field
// text, focus, caption text, clipboard content or file changes because of it.
#pragma once

#include "conversion/notation.h"
#include "fields/field_set.h"
#include "fields/work_view.h"
#include "widgets/posted_update.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QTextCharFormat>

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPoint;
class QWidget;

namespace numo {

class WorkDisplay : public QObject
{
    Q_OBJECT

public:
    // A box whose text is shown in `notation`, and the caption over it.
    struct Entry
    {
        QPlainTextEdit *box = nullptr;
        QLabel *caption = nullptr;
        Notation notation = Notation::Hexadecimal;
    };

    // Works on the four boxes of `entries` and on `clipboardBox`'s tool tip; `window` gives the
    // palette and the focus.
    WorkDisplay(QWidget &window, const std::array<Entry, 4> &entries, QWidget *clipboardBox);
    ~WorkDisplay() override; // takes back every format, colour and tool tip it set

    // The window calls these: the fields as the boxes now show them (after an edit or a
    // conversion; the display reads them where they are, so the set must stay until the next
    // call), and a text that went to the clipboard (as a named format of "Copy as", or as
    // the naming scheme).
    void show(const FieldSet &fields, std::bitset<kFieldCount> changed);
    void clipboardWritten(const QString &text, const QString &format = {});

    // The byte of a box shown as linked to the caret's or pointer's byte elsewhere.
    [[nodiscard]] std::optional<std::size_t> linkedByte(const QPlainTextEdit *box) const;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // One entry of the formats shown: document positions [begin, end) and their cues.
    struct Run
    {
        int begin = 0;
        int end = 0;
        std::uint8_t cues = 0;

        friend bool operator==(const Run &, const Run &) = default;
    };

    // A box and its caption; what they show is the reading of the same index.
    struct View
    {
        QPlainTextEdit *box = nullptr;
        QLabel *caption = nullptr;
        std::size_t index = 0;
        bool stale = false;
        QString captionToolTip;
        QString captionDescription;
        std::optional<std::size_t> linked;
        std::vector<Run> shown;
        bool formatsDue = false; // the formats wait for the next update
    };

    // What the box signals ask for is done in one update once the event in hand is handled:
    // a signal may come from inside the document's edit, where no cursor may be made or moved.
    void schedule();
    void update();
    void showStaleCaptions();
    void showCaption(View &field, bool stale, const QString &toolTip);
    void paintCaption(View &field);
    void updateLinks();
    void describeCaret(); // the mark under the focused box's caret, for a screen reader
    void updateFormats(View &field);
    void clearAll();
    [[nodiscard]] QTextCharFormat formatFor(std::uint8_t cues);
    [[nodiscard]] View *viewOf(const QObject *object);
    [[nodiscard]] std::optional<std::size_t> byteAtDocument(
        const View &field, int position, bool caret) const;
    [[nodiscard]] std::optional<int> characterAt(const View &field, const QPoint &point) const;
    [[nodiscard]] QString byteToolTip(const View &field, int position) const;
    [[nodiscard]] std::size_t documentToModel(const View &field, int position) const;
    [[nodiscard]] int modelToDocument(const View &field, std::size_t position) const;

    QWidget &window;
    QWidget *clipboardBox;
    std::array<View, 4> fields;
    work::Readings readings;
    work::Offsets offsets;
    std::uint64_t changes = 0;
    bool linksDue = false;
    bool captionsDue = false; // the palette changed: dimmed captions take its colours
    PostedUpdate later;
    View *hovered = nullptr;
    std::optional<std::size_t> hoveredByte;
    QHash<std::uint8_t, QTextCharFormat> formats;
    QString clipboardBoxToolTip;
};

} // namespace numo

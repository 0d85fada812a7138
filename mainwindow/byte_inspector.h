// The byte inspector: a tool window beside the main window that reads up to 16 bytes of the
// number field or text line last focused as numbers, addresses and text, both byte orders side
// by side. With a selection it reads the bytes the selection touches, without one the bytes from
// the caret's byte on. It follows the caret, the selection and the focus once each event is
// handled, and changes nothing but the clipboard, when the user copies a cell.
#pragma once

#include "conversion/byte_structure.h"
#include "conversion/notation.h"
#include "fields/field_set.h"
#include "widgets/posted_update.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QTableWidget;

namespace numo {

class FieldBox;

class ByteInspector : public QWidget
{
    Q_OBJECT

public:
    // A box the inspector follows, the notation its text is read in and its field.
    struct Entry
    {
        FieldBox *box = nullptr;
        Notation notation = Notation::Hexadecimal;
        Field field = Field::Hexadecimal;
    };
    // A field's text as the window holds it, once the edits in hand are read, and a number that
    // changes whenever that text may have changed.
    struct Text
    {
        const std::u16string &text;
        std::uint64_t revision = 0;
    };
    using TextSource = std::function<Text(Field)>;

    // A top-level tool window over `window`, deleted when closed.
    ByteInspector(QWidget &window, const std::array<Entry, 4> &entries, TextSource source);
    ~ByteInspector() override;

    // The window changed some field's text: the rows are brought up to date once the event in
    // hand is handled.
    void fieldsChanged();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A field's bytes and where each sits, kept until the field's text changes.
    struct Reading
    {
        std::optional<std::uint64_t> revision;
        std::vector<std::uint8_t> bytes;
        ByteStructure where;
    };

    void schedule();
    void refresh();
    void showBytes(const Entry &entry, const Reading &reading);
    void copyCells();

    std::array<Entry, 4> entries;
    std::array<Reading, 4> readings;
    TextSource source;
    std::size_t followed = 0; // the entry last focused
    PostedUpdate later;
    QLabel *line = nullptr;
    QTableWidget *table = nullptr;
};

} // namespace numo

#include "mainwindow/window_font.h"

#include "mainwindow/caption_button.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QStringList>

namespace numo {

namespace {

    // The face the layout was drawn for first, then faces of the same widths.
    const QStringList kPreferredFaces{QStringLiteral("MS Sans Serif"),
        QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
        QStringLiteral("Liberation Sans"), QStringLiteral("Helvetica"),
        QStringLiteral("Nimbus Sans"), QStringLiteral("FreeSans")};

    constexpr int kLargestPixelSize = 11;
    constexpr int kSmallestPixelSize = 8;
    constexpr int kMakerNamePointSize = 18;

    // A list's items share its width with the frame, a vertical scroll bar and the item margins.
    constexpr int kListChrome = 24;

    // The first of `faces` that is installed, else the platform's sans-serif. Faces are looked up
    // by name in the list of installed families: QFontDatabase::hasFamily would first run the
    // font configuration's substitution rules on each name (a tenth of a millisecond apiece, at
    // every start), and those rules only add alternatives after the name.
    QString FirstInstalled(const QStringList &faces)
    {
        const QStringList installed = QFontDatabase::families();
        for (const auto &face : faces)
            if (installed.contains(face, Qt::CaseInsensitive))
                return face;
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }

    bool EverythingFits(const QWidget &window, const QFont &font)
    {
        for (const auto *label : window.findChildren<QLabel *>()) {
            if (label->testAttribute(Qt::WA_SetFont))
                continue; // a label with a font of its own
            if (!CaptionFits(
                    font, label->text(), label->width(), label->height(), label->wordWrap()))
                return false;
        }
        for (const auto *button : window.findChildren<CaptionButton *>()) {
            const QRect room = button->captionRect();
            if (!CaptionFits(font, button->text(), room.width(), room.height(), true))
                return false;
        }
        const QFontMetrics metrics(font);
        for (const auto *list : window.findChildren<QListWidget *>())
            for (int row = 0; row < list->count(); ++row)
                if (metrics.horizontalAdvance(list->item(row)->text())
                    > list->width() - kListChrome)
                    return false;
        return true;
    }

} // namespace

bool CaptionFits(const QFont &font, const QString &text, int width, int height, bool wrap)
{
    const QFontMetrics metrics(font);
    const int flags = Qt::AlignLeft | Qt::AlignTop | (wrap ? Qt::TextWordWrap : 0);
    const QRect needed = metrics.boundingRect(QRect(0, 0, width, 1 << 20), flags, text);
    return needed.width() <= width && needed.height() <= height;
}

QFont ChooseWindowFont(const QWidget &window)
{
    QFont font(FirstInstalled(kPreferredFaces));
    for (int size = kLargestPixelSize; size >= kSmallestPixelSize; --size) {
        font.setPixelSize(size);
        if (EverythingFits(window, font))
            return font;
    }
    return font;
}

QFont MakerNameFont()
{
    QFont font(FirstInstalled({QStringLiteral("MS Sans Serif")}), kMakerNamePointSize);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace numo

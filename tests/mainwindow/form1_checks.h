// The checks of the main-window tests: what a user, a screen reader or the data folder shows of
// a window driven by the harness's steps.
#pragma once

#include "form1_fixture.h"
#include "help/help_text.h"
#include "mainwindow/artwork.h"
#include "mainwindow/work_display.h"

#include <QAccessible>
#include <QClipboard>
#include <QHelpEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTextBlock>
#include <QToolTip>

#include <cstdlib>

namespace numo::testing {

// WCAG's contrast ratio of two colours.
inline qreal Contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto channel = [](qreal v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF())
            + 0.0722 * channel(c.blueF());
    };
    const qreal la = luminance(a);
    const qreal lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// How far what a widget shows stands from its most common colour, its background: "ink" its
// strongest pixel; "faint" the weakest of its shapes (pixels apart from the background that
// touch), each by its strongest pixel; "tint" its strongest among the most coloured pixels (an
// underline or a fill in a link or highlight colour beside neutral text). The ratio when below
// 3:1, else "dim" when below 0.8 of the palette's `textContrast`, else "full".
inline QString Ink(QWidget *widget, const QString &how, qreal textContrast)
{
    const QImage image = widget->grab().toImage();
    QHash<QRgb, int> counts;
    int colourful = 0; // the greatest chroma shown
    const auto chroma = [](QRgb p) {
        return std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)});
    };
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            ++counts[image.pixel(x, y)];
            colourful = std::max(colourful, chroma(image.pixel(x, y)));
        }
    const QColor background(std::max_element(
        counts.keyValueBegin(), counts.keyValueEnd(), [](const auto &a, const auto &b) {
            return a.second < b.second;
        })->first);
    const auto contrast = [&](int x, int y) { return Contrast(image.pixel(x, y), background); };
    qreal ratio = how == u"faint" ? 21 : 1;
    QImage seen(image.size(), QImage::Format_Mono);
    seen.fill(0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (how != u"faint") {
                if (how == u"ink" || chroma(image.pixel(x, y)) * 10 >= colourful * 9)
                    ratio = std::max(ratio, contrast(x, y));
                continue;
            }
            if (seen.pixelIndex(x, y) || contrast(x, y) < 1.05)
                continue;
            qreal peak = 1; // of the shape this pixel is in
            QList<QPoint> todo{{x, y}};
            seen.setPixel(x, y, 1);
            while (!todo.isEmpty()) {
                const QPoint p = todo.takeLast();
                peak = std::max(peak, contrast(p.x(), p.y()));
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QPoint n = p + QPoint(dx, dy);
                        if (image.rect().contains(n) && !seen.pixelIndex(n)
                            && contrast(n.x(), n.y()) >= 1.05) {
                            seen.setPixel(n, 1);
                            todo << n;
                        }
                    }
            }
            ratio = std::min(ratio, peak);
        }
    if (ratio < 3)
        return QString::number(ratio, 'f', 2);
    return QString::fromLatin1(ratio < 0.8 * textContrast ? "dim" : "full");
}

// The cues the work display gives the character at a document position, as "alt" (every
// second byte), "linked", "wave", "dotted", "struck" joined by "+", or "plain".
inline QString CuesAt(const QPlainTextEdit *box, int position)
{
    QTextCharFormat format;
    for (const auto &selection : box->extraSelections())
        if (selection.cursor.selectionStart() <= position
            && position < selection.cursor.selectionEnd())
            format.merge(selection.format);
    QStringList cues;
    if (format.hasProperty(QTextFormat::BackgroundBrush)
        && format.hasProperty(QTextFormat::ForegroundBrush))
        cues << QStringLiteral("linked");
    else if (format.hasProperty(QTextFormat::BackgroundBrush))
        cues << QStringLiteral("alt");
    if (format.underlineStyle() == QTextCharFormat::WaveUnderline)
        cues << QStringLiteral("wave");
    if (format.underlineStyle() == QTextCharFormat::DotLine)
        cues << QStringLiteral("dotted");
    if (format.fontStrikeOut())
        cues << QStringLiteral("struck");
    return cues.isEmpty() ? QStringLiteral("plain") : cues.join(u'+');
}

inline QString ToolTipAt(QPlainTextEdit *box, int position)
{
    QToolTip::hideText();
    const QPoint point = PointOf(box, position);
    QHelpEvent help(QEvent::ToolTip, point, box->viewport()->mapToGlobal(point));
    QCoreApplication::sendEvent(box->viewport(), &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// What a check names: a box's text, a caption, a list's selection, a button's state; with
// ".t" a tool tip, ".d" an accessible description; "link.Text2" the byte linked there,
// "ink.Label1", "faint.Text3" and "tint.Text2" how far marks stand out (Ink),
// "dir.Text5" the direction of its text, "dim.Label1" whether a caption is dimmed, "cue.Text2.3"
// and "tip.Text2.3" the cues and tool tip at a position; the focus, the clipboard, the busy
// cursor, the title and size, "inspector" (the byte inspector's line, or "closed") and
// "inspector.4" (that row: label, big-endian and little-endian text), whether the window and the
// help window show, the settings file (line ends as "/") and the save warning.
inline QString Seen(const Window &w, const QString &what)
{
    QCoreApplication::sendPostedEvents(); // what the user sees once the events are handled
    const QString name = what.section(u'.', 0, 0);
    const QString part = what.section(u'.', 1, 1);
    const int at = what.section(u'.', 2, 2).toInt();
    if (what == u"focus")
        return QApplication::focusWidget()->objectName();
    if (what == u"clipboard")
        return QGuiApplication::clipboard()->text();
    if (what == u"logo") { // the picture in the top left corner, over the window's background
        const QPixmap logo = ReadPngPixmap(QStringLiteral(":/numo/logo.png"));
        const QRect strip(0, 0, 40, logo.height()); // left of the captions beside it
        QImage expected(strip.size(), QImage::Format_ARGB32_Premultiplied);
        expected.fill(w.form->palette().color(QPalette::Window));
        QPainter(&expected).drawPixmap(0, 0, logo);
        const QImage shown =
            w.form->grab(strip).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        return logo.isNull() ? QStringLiteral("missing")
                             : QString::fromLatin1(shown == expected ? "drawn" : "not as read");
    }
    if (what == u"rows") { // whether the lists show whole items only, whatever the font
        QStringList rows;
        for (const auto *list : w.form->findChildren<QListWidget *>())
            rows << (list->viewport()->height() % list->sizeHintForRow(0) ? "cut" : "whole");
        return rows.join(u' ');
    }
    if (what == u"tooltip")
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    if (what == u"cursor") // now, and while a watched box was written
        return QString::fromLatin1(QApplication::overrideCursor() ? "busy" : "none")
            + (w.busySeen ? " after busy" : "");
    if (what == u"title")
        return w.form->windowTitle();
    if (what == u"size") // of the client area, which the user cannot change
        return QStringLiteral("%1x%2%3")
            .arg(w.form->width())
            .arg(w.form->height())
            .arg(w.form->minimumSize() == w.form->maximumSize() ? "" : " resizable");
    if (what == u"window")
        return w.form->isVisible() ? QStringLiteral("shown") : QStringLiteral("closed");
    if (what == u"help") { // shown once, titled as the main window
        int shown = 0;
        for (const auto *widget : QApplication::topLevelWidgets())
            shown += qobject_cast<const Form2 *>(widget) && widget->isVisible() ? 1 : 0;
        const Form2 *help = w.form->helpWindow();
        if (shown == 1 && help && help->isVisible())
            return help->windowTitle() == w.form->windowTitle() ? "shown" : help->windowTitle();
        return shown ? QStringLiteral("%1 shown").arg(shown) : QStringLiteral("none");
    }
    if (what == u"warning.reason") { // what the message gives as the cause
        const QMessageBox *box = w.form->saveWarning();
        return box ? box->text().section(QStringLiteral(": "), -1) : QStringLiteral("none");
    }
    if (what == u"warning") { // the data files it names, and the characters it names by code
        const QMessageBox *box = w.form->saveWarning();
        if (!box || !box->isVisible())
            return QStringLiteral("none");
        int shown = 0;
        for (const auto *each : w.form->findChildren<QMessageBox *>())
            shown += each->isVisible() ? 1 : 0;
        if (shown > 1)
            return QStringLiteral("%1 shown").arg(shown);
        QStringList named;
        for (const QString &file : {QStringLiteral("numo2.ini"), QStringLiteral("numo2.txt")})
            if (box->text().contains(QDir::toNativeSeparators(w.folder + u'/' + file)))
                named << file;
        auto codes =
            QRegularExpression(QStringLiteral("\\(U\\+[0-9A-F]+\\)")).globalMatch(box->text());
        while (codes.hasNext())
            named << codes.next().captured();
        return (box->isModal() ? QStringLiteral("modal ") : QString()) + named.join(u' ');
    }
    if (what == u"ini" || what == u"txt" || what == u"folder") {
        // A file's bytes (line ends as "/"), a folder's entries, or "missing".
        const QFileInfo info(w.path(what));
        if (info.isDir())
            return QDir(info.filePath())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                .join(u' ');
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly))
            return QStringLiteral("missing");
        const QByteArray bytes = file.readAll();
        return bytes == QByteArray::fromStdString(HelpText())
            ? QStringLiteral("the help text")
            : QString::fromLatin1(bytes).replace(QStringLiteral("\r\n"), QStringLiteral("/"));
    }
    if (what == u"roles") { // of the window and the help window, as a screen reader gets them
        QStringList roles;
        for (QWidget *window :
            {static_cast<QWidget *>(w.form.get()), static_cast<QWidget *>(w.form->helpWindow())})
            roles << (window
                        && QAccessible::queryAccessibleInterface(window)->role()
                            == QAccessible::Window
                    ? "window"
                    : "other");
        return roles.join(u' ');
    }
    if (name == u"inspector") {
        const QWidget *inspector = Inspector();
        if (!inspector)
            return QStringLiteral("closed");
        const auto windows = QApplication::topLevelWidgets();
        if (const auto shown = std::count_if(windows.begin(), windows.end(),
                [](const QWidget *each) { return each->objectName() == u"ByteInspector"; });
            shown > 1)
            return QStringLiteral("%1 shown").arg(shown);
        if (part.isEmpty())
            return inspector->findChild<QLabel *>()->text();
        const auto *table = inspector->findChild<QTableWidget *>();
        const int row = part.toInt();
        QString seen = table->verticalHeaderItem(row)->text() + QStringLiteral(": ")
            + table->item(row, 0)->text();
        return table->columnSpan(row, 0) == 2
            ? seen
            : seen + QStringLiteral(" / ") + table->item(row, 1)->text();
    }
    // From here on a check names a control: "Text2", "Text2.t" or "cue.Text2.3".
    const QString control = part.isEmpty() || part == u"t" || part == u"d" ? name : part;
    if (!w.get(control))
        return QStringLiteral("no such control: ") + control;
    if (name == u"copyas") { // entries enabled of all, the tool tip of one and the menu's own
        QMenu *copyAs = OpenCopyAs(w.get(part), false);
        const QList<QAction *> entries = copyAs->actions();
        const auto enabled = std::count_if(
            entries.begin(), entries.end(), [](const QAction *a) { return a->isEnabled(); });
        const QString seen = QStringLiteral("%1/%2 %3 (%4)")
                                 .arg(enabled)
                                 .arg(entries.size())
                                 .arg(entries.value(at) ? entries.value(at)->toolTip() : QString(),
                                     copyAs->menuAction()->toolTip());
        while (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        return seen;
    }
    if (name == u"heard") { // the name and description of a Copy as entry, through QAccessible
        QMenu *copyAs = OpenCopyAs(w.get(part), false);
        const QAccessibleInterface *entry =
            QAccessible::queryAccessibleInterface(copyAs)->child(at);
        const QString heard = entry->text(QAccessible::Name) + QStringLiteral(": ")
            + entry->text(QAccessible::Description);
        while (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        return heard;
    }
    if (name == u"link") {
        const auto byte = w.form->workDisplay()->linkedByte(w.get<QPlainTextEdit>(part));
        return byte ? QString::number(*byte) : QStringLiteral("none");
    }
    if (name == u"dir") // the direction a box lays its text out in
        return w.get<QPlainTextEdit>(part)->document()->firstBlock().textDirection()
                == Qt::LeftToRight
            ? QStringLiteral("ltr")
            : QStringLiteral("rtl");
    if (name == u"dim") {
        const auto *caption = w.get<QLabel>(part);
        const bool dim = caption->foregroundRole() == QPalette::PlaceholderText;
        return dim == caption->font().italic() ? QString::fromLatin1(dim ? "yes" : "no") : "half";
    }
    // "stripes.Text2": "apart" when every stripe is a tint of the field's colour in the palette
    // now: at least 1.15:1 from it, and nearer to it than to the text's; otherwise the colours
    // that are not.
    if (name == u"stripes") {
        const auto *box = w.get<QPlainTextEdit>(part);
        const QPalette palette = box->palette();
        const auto apart = [](const QColor &a, const QColor &b) {
            return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green())
                + std::abs(a.blue() - b.blue());
        };
        QStringList seen;
        for (const auto &selection : box->extraSelections()) {
            const QColor stripe = selection.format.background().color();
            if (selection.format.hasProperty(QTextFormat::BackgroundBrush)
                && stripe != palette.color(QPalette::Highlight)
                && (Contrast(stripe, palette.color(QPalette::Base)) < 1.15
                    || apart(stripe, palette.color(QPalette::Base))
                        >= apart(stripe, palette.color(QPalette::Text))))
                seen << stripe.name();
        }
        return box->extraSelections().isEmpty() ? QStringLiteral("none")
            : seen.isEmpty()                    ? QStringLiteral("apart")
                                                : seen.join(u' ');
    }
    // "wave.Text1": "apart" when every wave underline's colour stands 3:1 from the field's (a
    // line one pixel thin: how much of its colour its pixels reach is the font's business).
    if (name == u"wave") {
        const auto *box = w.get<QPlainTextEdit>(part);
        const QColor base = box->palette().color(QPalette::Base);
        QStringList low;
        for (const auto &selection : box->extraSelections())
            if (selection.format.underlineStyle() == QTextCharFormat::WaveUnderline
                && Contrast(selection.format.underlineColor(), base) < 3)
                low << selection.format.underlineColor().name();
        return low.isEmpty() ? QStringLiteral("apart") : low.join(u' ');
    }
    if (name == u"ink" || name == u"faint" || name == u"tint") {
        auto *box = w.get<QPlainTextEdit>(part);
        const QPalette palette = w.get(part)->palette();
        return Ink(box ? box->viewport() : w.get(part), name,
            Contrast(palette.color(box ? QPalette::Text : QPalette::WindowText),
                palette.color(box ? QPalette::Base : QPalette::Window)));
    }
    if (name == u"cue")
        return CuesAt(w.get<QPlainTextEdit>(part), at);
    if (name == u"tip")
        return ToolTipAt(w.get<QPlainTextEdit>(part), at);
    if (part == u"t")
        return w.get(name)->toolTip();
    if (part == u"d")
        return w.get(name)->accessibleDescription();
    if (auto *label = w.get<QLabel>(name))
        return label->text();
    if (auto *button = w.get<QPushButton>(name))
        return button->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled");
    if (auto *list = w.get<QListWidget>(name))
        return list->selectedItems().isEmpty() ? QString() : list->selectedItems().first()->text();
    if (auto *box = w.get<QPlainTextEdit>(name))
        return box->toPlainText();
    return w.get<QLineEdit>(name)->text();
}

} // namespace numo::testing

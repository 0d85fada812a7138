// The checks of the main-window tests: what a user, a screen reader or the data folder shows of
// a window driven by the harness's steps.
#pragma once

#include "form1_fixture.h"
#include "help/help_text.h"
#include "mainwindow/artwork.h"
#include "mainwindow/work_display.h"

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

#include <cmath>

namespace numo::testing {

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
    if (format.background().color() == box->palette().color(QPalette::Highlight)
        && format.foreground().color() == box->palette().color(QPalette::HighlightedText))
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
    // "stripes.Text2": "apart" when every stripe is a tint from the field's colour toward the
    // highlight or the text colour that stands apart from the field (WCAG contrast 1.15:1 at
    // least); otherwise the colours that are not.
    if (name == u"stripes") {
        const auto luminance = [](const QColor &c) {
            const auto channel = [](qreal v) {
                return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF())
                + 0.0722 * channel(c.blueF());
        };
        const auto *box = w.get<QPlainTextEdit>(part);
        const qreal base = luminance(box->palette().color(QPalette::Base));
        QStringList seen;
        for (const auto &selection : box->extraSelections()) {
            const QColor colour = selection.format.background().color();
            const qreal stripe = luminance(colour);
            const auto towards = [&](QPalette::ColorRole role) { // on the way from the field's
                const QColor a = box->palette().color(QPalette::Base);
                const QColor b = box->palette().color(role);
                const int span[] = {b.red() - a.red(), b.green() - a.green(), b.blue() - a.blue()};
                const int went[] = {
                    colour.red() - a.red(), colour.green() - a.green(), colour.blue() - a.blue()};
                const auto widest = std::max_element(std::begin(span), std::end(span),
                                        [](int x, int y) { return std::abs(x) < std::abs(y); })
                    - std::begin(span);
                const qreal share = span[widest] ? qreal(went[widest]) / span[widest] : 0;
                for (std::size_t i = 0; i < 3; ++i) // the same share of the way in each channel
                    if (std::abs(span[i] * share - went[i]) > 2)
                        return false;
                return share >= 0 && share <= 1;
            };
            if ((std::max(base, stripe) + 0.05) / (std::min(base, stripe) + 0.05) < 1.15
                || !(towards(QPalette::Highlight) || towards(QPalette::Text)))
                seen << selection.format.background().color().name();
        }
        return box->extraSelections().isEmpty() ? QStringLiteral("none")
            : seen.isEmpty()                    ? QStringLiteral("apart")
                                                : seen.join(u' ');
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

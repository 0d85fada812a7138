// The help window: controls, reload, search and the fit of the help text to the window.

#include "help/form2.h"

#include "conversion/code_page.h"
#include "help/mark_occurrences.h"
#include "widgets/accessible_roles.h"
#include "widgets/field_box.h"
#include "widgets/screen_room.h"
#include "widgets/twips.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextCursor>

#include <algorithm>
#include <string_view>

namespace numo {

namespace {

    struct TwipRect
    {
        int left, top, width, height;
    };

    // Design client area and control positions, in twips.
    constexpr TwipRect kClientArea{0, 0, 8040, 7650};
    constexpr TwipRect kText1Rect{0, 600, 7935, 6375};
    constexpr TwipRect kText2Rect{0, 120, 5895, 375};
    constexpr TwipRect kCommand1Rect{6000, 120, 1695, 375};

    // What Text1 leaves free of the window's outer size, title bar and borders included.
    constexpr float kText1HeightMargin = 760.0f;
    constexpr float kText1WidthMargin = 100.0f;

    QRect ToPixels(const TwipRect &rect)
    {
        return Pixels(rect.left, rect.top, rect.width, rect.height);
    }

    constexpr std::int16_t kEnter = 13;

    // The search result line as assistive technology sees it: a status bar whose name and text
    // are the message it shows, so that a screen reader can tell a new message from the label's
    // fixed name and read it as text.
    class SearchResultAccessible : public QAccessibleWidget, public QAccessibleTextInterface
    {
    public:
        explicit SearchResultAccessible(QLabel *label)
            : QAccessibleWidget(label, QAccessible::StatusBar)
        { }

        QString text(QAccessible::Text t) const override
        {
            if (t == QAccessible::Name && !message().isEmpty())
                return message();
            return QAccessibleWidget::text(t);
        }

        void *interface_cast(QAccessible::InterfaceType t) override
        {
            if (t == QAccessible::TextInterface)
                return static_cast<QAccessibleTextInterface *>(this);
            return QAccessibleWidget::interface_cast(t);
        }

        // The message read as text: plain, with no caret and no selection.
        QString text(int start, int end) const override
        {
            return message().mid(start, end - start);
        }
        int characterCount() const override { return static_cast<int>(message().size()); }
        int cursorPosition() const override { return 0; }
        void setCursorPosition(int) override { }
        int selectionCount() const override { return 0; }
        void selection(int, int *start, int *end) const override { *start = *end = 0; }
        void addSelection(int, int) override { }
        void removeSelection(int) override { }
        void setSelection(int, int, int) override { }
        QRect characterRect(int) const override { return {}; }
        int offsetAtPoint(const QPoint &) const override { return -1; }
        void scrollToSubstring(int, int) override { }
        QString attributes(int, int *start, int *end) const override
        {
            *start = 0;
            *end = characterCount();
            return {};
        }

    private:
        QString message() const { return static_cast<QLabel *>(widget())->text(); }
    };

    QAccessibleInterface *SearchResultFactory(const QString &className, QObject *object)
    {
        if (className == QLatin1String("QLabel") && object
            && object->objectName() == QLatin1String("statusLabel")
            && qobject_cast<Form2 *>(object->parent()))
            return new SearchResultAccessible(static_cast<QLabel *>(object));
        return nullptr;
    }

} // namespace

Form2::Form2(const QString &path, const QString &title) : helpFilePath(path)
{
    static const bool accessibleResult = (QAccessible::installFactory(SearchResultFactory), true);
    Q_UNUSED(accessibleResult);

    setObjectName(QStringLiteral("Form2"));
    ExposeAsWindow(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    // The title is the main window's; the name tells a screen reader which window this is.
    setAccessibleName(tr("Numo help"));
    // No larger than the screen: the help text then scrolls in a shorter box.
    resize(ToPixels(kClientArea).size().boundedTo(RoomOnScreen(*this)));

    Text1 = new FieldBox(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(ToPixels(kText1Rect));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Wrapped to the box at word boundaries; showText switches to breaking anywhere for a text
    // with very long words, whose word-boundary layout grows with the square of the word.
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    Text1->setTabChangesFocus(true);
    Text1->setAccessibleName(tr("Help text"));

    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setGeometry(ToPixels(kText2Rect));
    Text2->setAccessibleName(tr("Search text"));
    Text2->setToolTip(tr("Word or phrase to find in the help; Enter searches (Ctrl+F)"));

    Command1 = new QPushButton(tr("Search Help"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(ToPixels(kCommand1Rect));
    Command1->setAccessibleName(Command1->text());

    // One line right under the search box, over the top edge of the help text while it shows.
    statusLabel = new QLabel(this);
    statusLabel->setObjectName(QStringLiteral("statusLabel"));
    statusLabel->setAccessibleName(tr("Search result"));
    statusLabel->setTextFormat(Qt::PlainText); // the search text is shown as typed, never as markup
    statusLabel->setForegroundRole(QPalette::ToolTipText);
    statusLabel->setBackgroundRole(QPalette::ToolTipBase);
    statusLabel->setAutoFillBackground(true);
    statusLabel->setMargin(2);
    const QRect searchRow = ToPixels(kText2Rect).united(ToPixels(kCommand1Rect));
    statusLabel->setGeometry(searchRow.left(), searchRow.bottom() + 1, searchRow.width(),
        statusLabel->sizeHint().height());
    statusLabel->hide();

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Command1);

    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    Text2->installEventFilter(this);

    // Ctrl+Q ends the program as closing the main window does: that closes this window too.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this), &QShortcut::activated, this,
        [] { QApplication::closeAllWindows(); });
    for (const QKeySequence &key :
        {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this), &QShortcut::activated, this,
        [this] {
            Text2->setFocus(Qt::ShortcutFocusReason);
            Text2->selectAll();
        });

    Form_Load();
    Text1->setFocus();
}

Form2::~Form2() = default;

void Form2::Form_Load()
{
    showText(readHelpFile());
}

void Form2::Form_Resize()
{
    const QSize outer = frameGeometry().size();
    const float height = static_cast<float>(outer.height() * kTwipsPerPixel) - kText1HeightMargin;
    const float width = static_cast<float>(outer.width() * kTwipsPerPixel) - kText1WidthMargin;
    Text1->resize(Pixels(std::max(width, 0.0f)), Pixels(std::max(height, 0.0f)));
}

void Form2::Command1_Click()
{
    // Always from a fresh copy of the file: markers of an earlier search and edits are dropped.
    const std::u16string text = readHelpFile();
    const QString search = Text2->text();
    const SearchMarks marks = MarkOccurrences(text, search.toStdU16String());
    if (marks.found) {
        showSearchResult({});
        showText(marks.markedText);
        placeCaret(marks.markedText, marks.caret);
    } else {
        showText(text);
        showSearchResult(tr("%1 not found.").arg(search));
    }
}

void Form2::showSearchResult(const QString &message)
{
    const QString before = statusLabel->text();
    if (message.isEmpty() && before.isEmpty())
        return;
    statusLabel->setText(message);
    statusLabel->setVisible(!message.isEmpty());
    statusLabel->raise();
    // The label has a name of its own, so setText announces nothing: the new message is
    // announced here, once shown, as the label's new name and text.
    QAccessibleEvent named(statusLabel, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleTextUpdateEvent changed(statusLabel, 0, before, message);
    QAccessible::updateAccessibility(&changed);
}

void Form2::Text2_KeyPress(std::int16_t &keyAscii)
{
    if (keyAscii == kEnter) {
        keyAscii = 0;
        Command1_Click();
    }
}

void Form2::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void Form2::moveEvent(QMoveEvent *event)
{
    // The frame's size is known only once the window manager has framed the window, which
    // reaches the window as a move rather than a resize; a move may also bring a new screen.
    QWidget::moveEvent(event);
    resize(size().boundedTo(RoomOnScreen(*this)));
    Form_Resize();
}

bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text2 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QString typed = key->text();
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter || typed.size() == 1) {
            auto keyAscii = enter ? kEnter : static_cast<std::int16_t>(typed.at(0).unicode());
            Text2_KeyPress(keyAscii);
            return keyAscii == 0; // any other change of the code is not passed back
        }
    }
    return QWidget::eventFilter(watched, event);
}

std::u16string Form2::readHelpFile() const
{
    QFile file(helpFilePath);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        return BytesToText(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
    if (!file.exists()) {
        // Only a missing file is created; NewOnly never truncates one that appeared meanwhile.
        QFile created(helpFilePath);
        if (created.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            created.close();
    }
    return {};
}

void Form2::showText(std::u16string_view text)
{
    // Longer than any word of the help text; beyond it, laying out a word costs more than the
    // rest of the file.
    constexpr std::size_t kLongestWord = 200;
    std::size_t word = 0;
    std::size_t longest = 0;
    for (const char16_t ch : text) {
        word = (ch == u' ' || ch == u'\r' || ch == u'\n') ? 0 : word + 1;
        longest = std::max(longest, word);
    }
    Text1->setWordWrapMode(longest > kLongestWord ? QTextOption::WrapAnywhere
                                                  : QTextOption::WrapAtWordBoundaryOrAnywhere);
    Text1->setFieldText(std::u16string(text));
}

void Form2::placeCaret(std::u16string_view text, std::size_t caret)
{
    // The box knows where each character of the text it was given stands in its document (a
    // CR LF pair is one break there, a cut of a long line one more place).
    QTextCursor cursor(Text1->document());
    cursor.setPosition(Text1->toDocument(std::min(caret, text.size())));
    Text1->setTextCursor(cursor);
    Text1->ensureCursorVisible();
}

} // namespace numo

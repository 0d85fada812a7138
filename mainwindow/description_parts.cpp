#include "mainwindow/description_parts.h"

#include <QString>
#include <QVariant>
#include <QWidget>

namespace numo {

namespace {

    // Each part is kept on the control itself, so it lives and goes with it.
    const char *PropertyOf(DescriptionPart part)
    {
        switch (part) {
        case DescriptionPart::Note:
            return "numoDescriptionNote";
        case DescriptionPart::Mark:
            return "numoDescriptionMark";
        case DescriptionPart::Help:
            break;
        case DescriptionPart::Key:
            return "numoDescriptionKey";
        }
        return "numoDescriptionHelp";
    }

} // namespace

void SetDescriptionPart(QWidget *control, DescriptionPart part, const QString &text)
{
    control->setProperty(PropertyOf(part), text);
    const auto get = [control](DescriptionPart which) {
        return control->property(PropertyOf(which)).toString();
    };
    // "Note Mark Help (Key)": what is new first, the key hint last, as an aside.
    QString description;
    for (const DescriptionPart each :
        {DescriptionPart::Note, DescriptionPart::Mark, DescriptionPart::Help}) {
        const QString words = get(each);
        if (words.isEmpty())
            continue;
        if (!description.isEmpty()) // each part read as a sentence of its own
            description += QStringLiteral(".:?!\n").contains(description.back())
                ? QStringLiteral(" ")
                : QStringLiteral(". ");
        description += words;
    }
    const QString key = get(DescriptionPart::Key);
    if (!key.isEmpty())
        description = description.isEmpty() ? key : description + QStringLiteral(" (") + key + u')';
    if (control->accessibleDescription() != description)
        control->setAccessibleDescription(description);
}

} // namespace numo

// A control's accessible description, put together from parts that different owners keep: the
// window's note of the moment (a warning, what went to the clipboard), the mark under the caret,
// the control's help text and its key hint. Each owner sets its own part; none writes the whole.
#pragma once

class QString;
class QWidget;

namespace numo {

enum class DescriptionPart { Note, Mark, Help, Key };

// Sets one part (empty: none) and gives the control the description made of all its parts.
void SetDescriptionPart(QWidget *control, DescriptionPart part, const QString &text);

} // namespace numo

#pragma once
// The About page texts: plain lines whose first character is markup
// ('#' title, '?' question heading, '!' contact line, anything else body text).
#include <QStringList>

class QTextEdit;

namespace tarnwick {

// Lines of the About text of a language (1 English ... 5 Spanish), trailing
// empty lines included; empty for an unknown language.
QStringList loadAboutText(int language);

// Rewrites the control's lines with their markup turned into colour, size and
// style. Meant to run once per control: a second run would strip one more
// leading markup character.
void FormatAboutText(QTextEdit *control);

}  // namespace tarnwick

#pragma once
// Telling the user, at the field, why something typed was not taken or will
// not be used: a balloon under the field, kept as the field's tooltip until
// the notice is cleared (its own tooltip comes back then).
#include <QString>

class QLineEdit;
class QWidget;

namespace tarnwick::ui {

void showInputNotice(QWidget *field, const QString &text);
void clearInputNotice(QWidget *field);

// For a field whose text goes to the engine: a notice names the characters
// the engine cannot read (in the language current when they were typed), and
// goes once they are gone.
void watchEngineText(QLineEdit *field);

}  // namespace tarnwick::ui

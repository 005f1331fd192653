#pragma once
// Word wrap of the legal notice on the language page.
#include <QFont>
#include <QStringList>
#include <QStringView>

#include <functional>

class QTextEdit;

namespace tarnwick {

// Breaks text into lines no wider than limit (by width), breaking at spaces.
// The space a line breaks at belongs to neither line; a line may run over the
// limit by the width of its last character.
QStringList wrapIntoLines(const QString &text, int limit, const std::function<int(QStringView)> &width);

// Replaces the control's lines by text wrapped to the control's width less 10
// pixels, measured in the window's font, and turns off the control's own wrapping.
void WrapIntoLines(const QString &text, QTextEdit *control, const QFont &windowFont);

}  // namespace tarnwick

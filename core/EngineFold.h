#pragma once
// Text bound only for the engine, made readable to it: every character that
// Windows-1252 lacks becomes its closest Windows-1252 letters (another script
// transliterated to Latin, a letter with a mark Windows-1252 does not have
// loses that mark or becomes its plain Latin letter), and what has no
// sensible Latin form is left out rather than sent as "?".
#include <QString>
#include <QStringView>

namespace tarnwick {

struct FoldedText {
    QString text;     // every character has a Windows-1252 byte
    QString dropped;  // the characters left out, in order, each once
};

FoldedText foldForEngine(QStringView text);

// The characters foldForEngine would leave out; empty for ordinary text.
QString unreadableByEngine(QStringView text);

}  // namespace tarnwick

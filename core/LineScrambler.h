#pragma once
// The line scrambling shared by the score data files and the contact demo
// file: every byte of a line of two or more characters XOR 0x8D; shorter
// lines stay plain. The same call scrambles and unscrambles.
#include <QByteArray>
#include <QString>

namespace tarnwick {

inline constexpr unsigned char kScrambleKey = 0x8D;

QByteArray LineScrambler(QByteArray line);

// A line the format can store and read back unchanged: every character has a
// Windows-1252 byte and, in a line of two or more characters, no byte
// scrambles into NUL, LF or CR (the euro sign, the double dagger, 0x8D).
bool canStoreLine(QStringView line);
// Index of the first character that keeps the line from being stored, or -1.
qsizetype firstUnstorableChar(QStringView line);

}  // namespace tarnwick

#include "LineScrambler.h"

#include "Cp1252.h"

namespace tarnwick {

QByteArray LineScrambler(QByteArray line)
{
    if (line.size() < 2)
        return line;
    for (char &c : line)
        c = static_cast<char>(static_cast<unsigned char>(c) ^ kScrambleKey);
    return line;
}

qsizetype firstUnstorableChar(QStringView line)
{
    for (qsizetype i = 0; i < line.size(); ++i) {
        const int b = Cp1252::byteOf(line[i]);
        if (b < 0)
            return i;
        if (line.size() >= 2) {
            const int s = b ^ kScrambleKey;
            if (s == 0 || s == '\n' || s == '\r')
                return i;
        } else if (b == 0 || b == '\n' || b == '\r') {
            return i;
        }
    }
    return -1;
}

bool canStoreLine(QStringView line) { return firstUnstorableChar(line) < 0; }

}  // namespace tarnwick

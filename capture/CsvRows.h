#pragma once
// Rows of a delimited text (RFC 4180, read by libcsv) with the physical line
// each row starts on. Empty lines and rows of empty values are skipped.
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>

namespace tarnwick::csv {

struct Row {
    int line = 0;         // 1-based physical line where the row starts
    QStringList cells;
    bool broken = false;  // unbalanced quotes; cells are then empty
};

// Turns the bytes of one value into text (the file's encoding).
using Decode = QString (*)(QByteArrayView bytes);

// Calls onRow for every row in file order until it returns false. A row with
// unbalanced quotes is reported as broken and reading goes on at the line after
// its first one, so one stray quote cannot swallow the rest of the file.
void readRows(QByteArrayView text, char delimiter, Decode decode, const std::function<bool(Row &&)> &onRow);

// ',', ';' or '\t': the one that splits the header and the first rows most
// consistently (quotes respected); ',' when none splits anything.
char detectDelimiter(QByteArrayView text);

}  // namespace tarnwick::csv

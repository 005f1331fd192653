// The contact demo file read into the contact grid, from arbitrary bytes:
// whole contacts only, IDs 1..N, the entry row last and empty.
#include "QtFuzzApp.h"

#include "capture/ContactGrid.h"
#include "core/DtaFile.h"
#include "widgets/TAdvStringGrid.h"

#include <cstdint>
#include <cstdlib>

using namespace tarnwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    fuzz::ensureApplication();
    static TAdvStringGrid *grid = new TAdvStringGrid;
    const TextLines lines(decodeDtaBytes(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size))));
    const int contacts = loadContactRows(grid, lines);
    if (contacts != lines.size() / 15 || entryRow(grid) != contacts + 1 || grid->rowCount() != contacts + 2)
        std::abort();
    for (int row = 1; row <= contacts; ++row)
        if (grid->cell(row, 1) != QString::number(row) || grid->cell(row, 2) != lines.at(qsizetype(row - 1) * 15))
            std::abort();
    for (int column = 0; column < grid->columnCount(); ++column)
        if (!grid->cell(entryRow(grid), column).isEmpty())
            std::abort();
    return 0;
}

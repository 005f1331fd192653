// The .dta line reader and the record splitter on arbitrary file bytes: no
// crash, records always whole, and whatever the format can store reads back
// unchanged.
#include "core/DtaFile.h"
#include "core/LineScrambler.h"
#include "core/ScoreFile.h"
#include "core/ScoreRecord.h"

#include <cstdint>
#include <cstdlib>

using namespace tarnwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = decodeDtaBytes(bytes);
    for (const QString &word : {ScoreRecord::kName, ScoreRecord::kBusiness, ScoreRecord::kAddress})
        if (selectCategory(lines, word).size() % ScoreRecord::kLength != 0)
            std::abort();
    QStringList storable;
    for (const QString &line : lines)
        if (canStoreLine(line))
            storable.append(line);
    if (decodeDtaBytes(encodeDtaLines(storable)) != storable)
        std::abort();
    return 0;
}

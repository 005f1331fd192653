// The score data file editor opened on arbitrary file bytes, every record
// shown and the list written back with OK: failures are reported and nothing
// else happens, grid rows stay in step with records, and what OK wrote reads
// back as it was shown (or, when a line cannot be stored, the file is kept).
// The target works in a temporary folder of its own: give libFuzzer absolute
// corpus and artifact paths.
#include "QtFuzzApp.h"

#include "core/DtaFile.h"
#include "core/ProgramState.h"
#include "core/ScoreRecord.h"
#include "widgets/TAdvStringGrid.h"
#include "maintenance/TfrmDataFile.h"
#include "widgets/Messages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

using namespace tarnwick;

namespace {

const QString kFile = QStringLiteral("ScoreDataE.dta");

QByteArray fileBytes()
{
    QFile f(kFile);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TfrmDataFile &editor()
{
    static TfrmDataFile *dialog = [] {
        static QTemporaryDir folder;
        if (!folder.isValid() || !QDir::setCurrent(folder.path()))
            std::abort();
        Messages::setInterceptor([](const Messages::Box &) {});
        CurrentLanguage = 1;
        CatalogueLanguage = 1;
        return new TfrmDataFile;
    }();
    return *dialog;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    fuzz::ensureApplication();
    TfrmDataFile &dialog = editor();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    {
        QFile f(kFile);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
            std::abort();
    }
    const QStringList lines = decodeDtaBytes(bytes);

    dialog.FormActivate();
    if (dialog.sgScore->rowCount() != int(lines.size() / ScoreRecord::kLength) + 2)
        std::abort();
    for (int row = 1; row < dialog.sgScore->rowCount(); ++row)
        dialog.sgScore->chooseRow(row);  // as a click on the row: the record is shown
    dialog.btnOkClick();
    dialog.FormDeactivate();

    if (firstUnstorableLine(lines) >= 0) {
        if (fileBytes() != bytes)
            std::abort();
    } else if (decodeDtaBytes(fileBytes()) != lines) {
        std::abort();
    }
    return 0;
}

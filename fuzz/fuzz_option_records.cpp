// The option groups of the cleansing and phonetic dialogs (the editor uses
// the same ones) shown from a record whose every line is arbitrary text: a
// malformed or missing line is a reported failure, nothing else may happen.
#include "QtFuzzApp.h"

#include "core/Failure.h"
#include "core/ScoreRecord.h"
#include "maintenance/PurvexOptionsBox.h"
#include "maintenance/SonabelOptionsBox.h"

#include <QWidget>

#include <cstdint>
#include <cstdlib>

using namespace tarnwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    fuzz::ensureApplication();
    static QWidget *host = new QWidget;
    static bool names = true;
    static PurvexOptionsBox *purvex = new PurvexOptionsBox(host, QPoint(0, 0), [] { return names; });
    static SonabelOptionsBox *sonabel =
        new SonabelOptionsBox(host, "GroupBox2", QRect(0, 330, 200, 100), SonabelOptionsBox::Arrangement::OneColumn);

    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    const TextLines record(text.split(QLatin1Char('\n')));
    names = !record.isEmpty() && record.size() > ScoreRecord::Category && record.at(ScoreRecord::Category) == ScoreRecord::kName;
    try {
        purvex->ClearOptions();
        purvex->ApplyCategoryRules(record.size() > ScoreRecord::Category ? record.at(ScoreRecord::Category) : QString(),
                                   size % 2 == 0);
        purvex->ShowOptions(record, 0);
    } catch (const Failure &) {
    }
    try {
        sonabel->ClearOptions();
        sonabel->ShowOptions(record, 0,
                             {ScoreRecord::DeleteVowels, ScoreRecord::RemoveNumbers, ScoreRecord::RemoveInitials,
                              ScoreRecord::Compact});
    } catch (const Failure &) {
    }
    if (purvex->optionLines().size() != 21 || sonabel->optionLines().size() != 4)
        std::abort();
    return 0;
}

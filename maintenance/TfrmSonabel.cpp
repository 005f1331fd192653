#include "TfrmSonabel.h"

#include "SonabelOptionsBox.h"
#include "i18n/Catalogue.h"
#include "core/ScoreRecord.h"

namespace tarnwick {

TfrmSonabel::TfrmSonabel(ProgramState &state, QWidget *parent)
    : OptionDialog("TfrmSonabel", QStringLiteral("Sonabel Configuration"), QSize(202, 177), state, parent)
{
    GroupBox1 = new SonabelOptionsBox(this, "GroupBox1", QRect(8, 8, 186, 128), SonabelOptionsBox::Arrangement::OneColumn);
}

void TfrmSonabel::loadOptions()
{
    // A bad line leaves the later boxes as the last showing left them; with no
    // record at all there is nothing of it worth showing.
    namespace R = ScoreRecord;
    if (m_state.CurrentRecord.size() < R::kLength)
        GroupBox1->ClearOptions();
    GroupBox1->ShowOptions(m_state.CurrentRecord, 0, {R::DeleteVowels, R::RemoveNumbers, R::RemoveInitials, R::Compact});
}

void TfrmSonabel::storeOptions() { m_state.CurrentRecord.replace(ScoreRecord::DeleteVowels, GroupBox1->optionLines()); }

void TfrmSonabel::applyLanguage(int language)
{
    setWindowTitle(CatalogueText(language, 110));
    GroupBox1->applyLanguage(language, 0);
    applyButtonLanguage(language);
}

}  // namespace tarnwick

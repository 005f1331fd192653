#include "TfrmPurvex.h"

#include "PurvexOptionsBox.h"
#include "i18n/Catalogue.h"
#include "core/ScoreRecord.h"

#include <QComboBox>
#include <QPushButton>

namespace tarnwick {

TfrmPurvex::TfrmPurvex(ProgramState &state, std::function<QString()> category, QWidget *parent)
    : OptionDialog("TfrmPurvex", QStringLiteral("Purvex Configuration"), QSize(336, 369), state, parent), m_category(std::move(category))
{
    GroupBox1 = new PurvexOptionsBox(this, QPoint(8, 8), [this] { return this->category() == ScoreRecord::kName; });
    // These texts go to the engine, not to a file: what it cannot read is folded, and the user told.
    GroupBox1->watchEngineText();
    setTabOrder(GroupBox1->cboDetermineGender, btnSaveChanges);
    setTabOrder(btnSaveChanges, btnCancel);
}

QString TfrmPurvex::category() const { return m_category ? m_category() : QString(); }

void TfrmPurvex::loadOptions()
{
    GroupBox1->ClearOptions();
    GroupBox1->ApplyCategoryRules(category(), false);
    GroupBox1->ShowOptions(m_state.CurrentRecord, 0);
}

void TfrmPurvex::storeOptions() { m_state.CurrentRecord.replace(ScoreRecord::CleansingMethod, GroupBox1->optionLines()); }

void TfrmPurvex::applyLanguage(int language)
{
    setWindowTitle(CatalogueText(language, 100));
    GroupBox1->applyLanguage(language);
    applyButtonLanguage(language);
}

}  // namespace tarnwick

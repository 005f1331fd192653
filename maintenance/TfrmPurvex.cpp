#include "TfrmPurvex.h"

#include "app/i18n/Catalogue.h"

namespace tarnwick {

TfrmPurvex::TfrmPurvex(ProgramState &state, std::function<QString()> category, QWidget *parent)
    : ui::FixedDialog("TfrmPurvex", QStringLiteral("Purvex Configuration"), QSize(336, 369), parent), m_state(state), m_category(std::move(category)) {}

void TfrmPurvex::applyLanguage(int language) { setWindowTitle(CatalogueText(language, 100)); }

}  // namespace tarnwick

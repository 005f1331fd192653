#include "TfrmPurvex.h"

#include "app/i18n/Catalogue.h"

namespace tarnwick {

TfrmPurvex::TfrmPurvex(QWidget *parent) : ui::FixedDialog("TfrmPurvex", QStringLiteral("Purvex Configuration"), QSize(336, 369), parent) {}

void TfrmPurvex::applyLanguage(int language) { setWindowTitle(CatalogueText(language, 100)); }

}  // namespace tarnwick

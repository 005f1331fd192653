#include "TfrmSearchOptions.h"

#include "app/i18n/Catalogue.h"

namespace tarnwick {

TfrmSearchOptions::TfrmSearchOptions(ProgramState &state, QWidget *parent)
    : ui::FixedDialog("TfrmSearchOptions", QStringLiteral("Search Options"), QSize(385, 169), parent), m_state(state) {}

void TfrmSearchOptions::applyLanguage(int language) { setWindowTitle(CatalogueText(language, 140)); }

}  // namespace tarnwick

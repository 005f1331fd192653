#include "TfrmSonabel.h"

#include "app/i18n/Catalogue.h"

namespace tarnwick {

TfrmSonabel::TfrmSonabel(ProgramState &state, QWidget *parent)
    : ui::FixedDialog("TfrmSonabel", QStringLiteral("Sonabel Configuration"), QSize(202, 177), parent), m_state(state) {}

void TfrmSonabel::applyLanguage(int language) { setWindowTitle(CatalogueText(language, 110)); }

}  // namespace tarnwick

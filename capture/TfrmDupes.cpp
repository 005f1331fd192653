#include "TfrmDupes.h"

#include "app/i18n/Catalogue.h"

namespace tarnwick {

TfrmDupes::TfrmDupes(ProgramState &state, QWidget *parent)
    : ui::FixedDialog("TfrmDupes", QStringLiteral("Duplicates"), QSize(599, 441), parent), m_state(state) {}

void TfrmDupes::applyLanguage(int language) { setWindowTitle(CatalogueText(language, 150)); }

}  // namespace tarnwick

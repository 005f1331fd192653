#include "TfrmDupes.h"

#include "app/i18n/Catalogue.h"

namespace tarnwick {

TfrmDupes::TfrmDupes(QWidget *parent) : ui::FixedDialog("TfrmDupes", QStringLiteral("Duplicates"), QSize(599, 441), parent) {}

void TfrmDupes::applyLanguage(int language) { setWindowTitle(CatalogueText(language, 150)); }

}  // namespace tarnwick

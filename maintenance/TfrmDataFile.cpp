#include "TfrmDataFile.h"

#include "app/i18n/Catalogue.h"

namespace tarnwick {

TfrmDataFile::TfrmDataFile(QWidget *parent) : ui::FixedDialog("TfrmDataFile", QStringLiteral("Data File"), QSize(600, 433), parent) {}

void TfrmDataFile::applyLanguage(int language) { setWindowTitle(CatalogueText(language, 50)); }

}  // namespace tarnwick

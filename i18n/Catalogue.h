#pragma once
// The program's texts in five languages, numbered language * 1000 + key.
#include <QList>
#include <QString>

namespace tarnwick {

// Language 1 English, 2 French, 3 German, 4 Italian, 5 Spanish.
// Empty text for any language or key the catalogue does not hold.
QString CatalogueText(int language, int key);

// The keys the catalogue holds for a language, ascending; empty for an unknown language.
QList<int> catalogueKeys(int language);

}  // namespace tarnwick

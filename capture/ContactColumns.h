#pragma once
// Which column of a contact list holds which contact field, read from the
// header's names in any of the five languages.
#include "capture/ContactRecord.h"

#include <QStringList>
#include <QStringView>

#include <array>

namespace tarnwick {

struct ContactColumns {
    std::array<int, contact::kFieldCount> field;  // column of each field, -1 when absent
    int language = -1;                            // the Language column, -1 when absent
    bool any() const;                             // names at least one contact field
};

// Case, accents, spaces and punctuation do not count; a field named twice
// takes the first column; unknown names are ignored.
ContactColumns mapContactColumns(const QStringList &header);

// A Language value: 1-5, en fr de it es, or a language's name in one of the
// five languages ("German", "allemand", "Deutsch"...); 0 for anything else.
int contactLanguageOf(QStringView value);

// Lower case, accents dropped, letters and digits only: "Código postal" -> "codigopostal".
QString foldedName(QStringView name);

}  // namespace tarnwick

#include "DuplicateSearch.h"

#include "ContactRecord.h"
#include "widgets/TAdvStringGrid.h"

namespace tarnwick {

QList<int> findDuplicateRows(Engine &engine, const TAdvStringGrid &grid, const ContactKeys &keys,
                             const DuplicateSearchOptions &options, int skipRow)
{
    struct Check {
        bool on;
        int column;
        int threshold;
        const QString &key;
    };
    const Check checks[] = {
        {options.ForenameCheck, contact::kFirstNamePhkColumn, options.ForenameThreshold, keys.firstName},
        {options.SurnameCheck, contact::kSurnamePhkColumn, options.SurnameThreshold, keys.surname},
        {options.CompanyCheck, contact::kCompanyPhkColumn, options.CompanyThreshold, keys.company},
    };

    QList<int> rows;
    const int last = grid.rowCount() - 1;
    for (int row = 1; row <= last; ++row) {
        // Every switched-on check is scored, also once the row has failed one.
        bool candidate = true;
        for (const Check &check : checks) {
            if (!check.on)
                continue;
            // The cell is shared, not copied: no allocation per row.
            const QString stored = grid.cell(row, check.column);
            if (engine.matchIt(stored, check.key) < check.threshold)
                candidate = false;
        }
        if (candidate && options.ForenameCheck && row != skipRow)
            rows.append(row);
    }
    return rows;
}

}  // namespace tarnwick

#include "ContactRekeyer.h"

#include "ContactGrid.h"
#include "ContactKeys.h"
#include "ContactRecord.h"
#include "widgets/TAdvStringGrid.h"

namespace tarnwick {

ContactRekeyer::ContactRekeyer(Engine &engine, TAdvStringGrid &grid, int keyedLanguage)
    : m_engine(engine), m_grid(grid), m_language(ruleLanguage(keyedLanguage))
{
}

int ContactRekeyer::ruleLanguage(int engineLanguage)
{
    return engineLanguage >= 1 && engineLanguage <= 5 ? engineLanguage : 1;
}

void ContactRekeyer::setLanguage(int engineLanguage)
{
    if (ruleLanguage(engineLanguage) != m_language)
        rekeyAll(engineLanguage);
}

void ContactRekeyer::rekeyAll(int engineLanguage)
{
    m_language = ruleLanguage(engineLanguage);
    m_next = 1;
    m_firstNames.clear();
    m_surnames.clear();
    m_companies.clear();
}

QString ContactRekeyer::key(Memo &memo, const QString &text, KeyOf keyOf)
{
    if (const auto found = memo.constFind(text); found != memo.constEnd())
        return found.value();
    return memo.insert(text, keyOf(m_engine, m_language, text)).value();
}

bool ContactRekeyer::step(int rows)
{
    if (m_next < 0)
        return true;
    const int end = entryRow(&m_grid);
    const int stop = qMin(end, m_next + qMax(rows, 1));
    m_grid.beginUpdate();
    for (int row = m_next; row < stop; ++row) {
        m_grid.setCell(row, contact::kFirstNamePhkColumn,
                       key(m_firstNames, m_grid.cell(row, contact::kFirstNameColumn), &firstNameKey));
        m_grid.setCell(row, contact::kSurnamePhkColumn, key(m_surnames, m_grid.cell(row, contact::kSurnameColumn), &surnameKey));
        m_grid.setCell(row, contact::kCompanyPhkColumn,
                       key(m_companies, m_grid.cell(row, contact::kCompanyColumn), &companyKey));
    }
    m_grid.endUpdate();
    m_next = stop;
    if (m_next < end)
        return false;
    m_next = -1;
    m_firstNames = {};
    m_surnames = {};
    m_companies = {};
    return true;
}

void ContactRekeyer::finish()
{
    while (!step(1 << 30)) {
    }
}

void ContactRekeyer::rowsRemoved(int firstRow, int count)
{
    // Rows behind the cursor moved up; those not yet re-keyed stay ahead of it.
    if (m_next > firstRow)
        m_next = qMax(firstRow, m_next - count);
}

}  // namespace tarnwick

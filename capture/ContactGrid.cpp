#include "ContactGrid.h"

#include "i18n/Catalogue.h"
#include "core/ProgramState.h"
#include "widgets/TAdvStringGrid.h"

namespace tarnwick {

void shapeContactGrid(TAdvStringGrid *grid, int rows)
{
    grid->setDefaultRowHeight(17);
    grid->setDefaultColumnWidth(150);
    grid->setRowCount(rows);
    grid->setColumnCount(contact::kColumns);
    grid->setColumnWidth(0, 15);
    grid->setColumnWidth(1, 40);
    grid->setColumnWidth(2, 40);
}

void FillContactHeaders(TAdvStringGrid *grid, int language)
{
    CatalogueLanguage = language;
    const auto text = [language](int key) { return CatalogueText(language, key); };
    const QString phk = QStringLiteral(" PHK");
    const QStringList header = {QString(),
                                text(135),
                                text(136),
                                text(137),
                                text(142),
                                text(121),
                                text(124),
                                text(22) + QStringLiteral(" 1"),
                                text(22) + QStringLiteral(" 2"),
                                text(125),
                                text(126),
                                text(127),
                                text(122),
                                text(78),
                                text(137) + phk,
                                text(142) + phk,
                                text(76) + phk};
    grid->setRowCells(0, header);
}

namespace {

// Rows 1..count from `fieldsOf(k)` (the twelve fields and maybe the keys),
// IDs 1..count, and the entry row last, emptied.
template <typename FieldsOf>
int fillContactRows(TAdvStringGrid *grid, int count, FieldsOf fieldsOf)
{
    grid->beginUpdate();
    shapeContactGrid(grid, count + 2);
    QStringList cells;
    cells.reserve(contact::kColumns);
    for (int k = 0; k < count; ++k) {
        cells.clear();
        cells.append(QString());
        cells.append(QString::number(k + 1));
        fieldsOf(k, cells);
        grid->setRowCells(k + 1, cells);
    }
    // A grid that held a longer list keeps that row's old cells otherwise.
    grid->clearRow(count + 1);
    grid->endUpdate();
    return count;
}

}  // namespace

int loadContactRows(TAdvStringGrid *grid, const TextLines &lines)
{
    const QStringList &all = lines.lines();
    return fillContactRows(grid, int(lines.size() / contact::kLines), [&all](int k, QStringList &cells) {
        cells.append(all.mid(qsizetype(k) * contact::kLines, contact::kLines));
    });
}

int loadContactList(TAdvStringGrid *grid, const QList<contact::Fields> &contacts)
{
    return fillContactRows(grid, int(contacts.size()), [&contacts](int k, QStringList &cells) {
        for (const QString &field : contacts[k])
            cells.append(field);
    });
}

int entryRow(const TAdvStringGrid *grid) { return grid->rowCount() - 1; }

bool isEntryRow(const TAdvStringGrid *grid, int row) { return row >= grid->rowCount() - 1; }

contact::Fields rowFields(const TAdvStringGrid *grid, int row)
{
    contact::Fields fields;
    for (int i = 0; i < contact::kFieldCount; ++i)
        fields[i] = grid->cell(row, contact::columnOfLine(i));
    return fields;
}

void writeContact(TAdvStringGrid *grid, int row, const contact::Fields &fields, const ContactKeys &keys)
{
    QStringList cells;
    cells.reserve(contact::kColumns);
    cells.append(grid->cell(row, 0));
    cells.append(grid->cell(row, contact::kIdColumn));
    for (const QString &field : fields)
        cells.append(field);
    cells.append(keys.firstName);
    cells.append(keys.surname);
    cells.append(keys.company);
    grid->setRowCells(row, cells);
}

void appendContact(TAdvStringGrid *grid, int id, const contact::Fields &fields, const ContactKeys &keys)
{
    const int row = entryRow(grid);
    grid->setCell(row, contact::kIdColumn, QString::number(id));
    writeContact(grid, row, fields, keys);
    grid->setRowCount(grid->rowCount() + 1);
}

QStringList rowCells(const TAdvStringGrid *grid, int row)
{
    QStringList cells;
    cells.reserve(contact::kColumns);
    for (int c = 0; c < contact::kColumns; ++c)
        cells.append(grid->cell(row, c));
    return cells;
}

int findContactRow(const TAdvStringGrid *grid, const QString &id)
{
    // Every contact row is compared; IDs are unique, so at most one matches.
    int found = -1;
    const int last = grid->rowCount() - 2;
    for (int row = 1; row <= last; ++row)
        if (grid->cell(row, contact::kIdColumn) == id)
            found = row;
    return found;
}

}  // namespace tarnwick

#pragma once
// The contact grids (sgDemo on the page, sgDupes in the Duplicates dialog):
// their shape, header row and the reading and writing of contact rows.
#include "ContactKeys.h"
#include "ContactRecord.h"
#include "core/TextLines.h"

namespace tarnwick {

class TAdvStringGrid;

// Row height, column count and widths of a contact grid holding `rows` rows.
void shapeContactGrid(TAdvStringGrid *grid, int rows);

// Header row of a contact grid in a language; records the language as the
// catalogue's current one.
void FillContactHeaders(TAdvStringGrid *grid, int language);

// Fills rows 1..N from whole groups of fifteen lines (a shorter tail is
// ignored), IDs 1..N, and leaves the entry row last. Returns N.
int loadContactRows(TAdvStringGrid *grid, const TextLines &lines);

// Fills rows 1..N from contacts without keys (they are derived later), IDs
// 1..N, and leaves the entry row last. Returns N.
int loadContactList(TAdvStringGrid *grid, const QList<contact::Fields> &contacts);

// The row after the contacts, where a new contact goes.
int entryRow(const TAdvStringGrid *grid);
bool isEntryRow(const TAdvStringGrid *grid, int row);

// The twelve typed fields of a row.
contact::Fields rowFields(const TAdvStringGrid *grid, int row);
// Writes fields and keys into columns 2..16 of a row; the ID stays.
void writeContact(TAdvStringGrid *grid, int row, const contact::Fields &fields, const ContactKeys &keys);
// Stores a contact with `id` in the entry row and opens a new entry row below.
void appendContact(TAdvStringGrid *grid, int id, const contact::Fields &fields, const ContactKeys &keys);
// All seventeen cells of a row, for copying into another contact grid.
QStringList rowCells(const TAdvStringGrid *grid, int row);

// The contact row whose ID is exactly `id`, or -1.
int findContactRow(const TAdvStringGrid *grid, const QString &id);

}  // namespace tarnwick

#pragma once
// The duplicate search: which rows of the contact grid are likely the same
// contact as the one being captured.
#include "ContactKeys.h"
#include "core/ProgramState.h"

#include <QList>

namespace tarnwick {

class TAdvStringGrid;

enum class CaptureMode { Add = 0, Amend = 1 };

enum DupesOutcomeValue { DupesCancel = 0, GotoRecord = 1, IgnoreAndAdd = 2, IgnoreAndUpdate = 3 };

// Rows 1 to the last (the entry row included), in grid order, whose stored
// keys score at least the threshold of every switched-on check against the
// new keys. With the first-name check off nothing is found. `skipRow` (the
// contact being amended, or -1) is never listed.
QList<int> findDuplicateRows(Engine &engine, const TAdvStringGrid &grid, const ContactKeys &keys,
                             const DuplicateSearchOptions &options, int skipRow);

}  // namespace tarnwick

#pragma once
// The Duplicates dialog: the contact being captured above the likely
// duplicates found for it; its buttons decide what the capture does next.
#include "ContactFieldsView.h"
#include "DuplicateSearch.h"
#include "core/ProgramState.h"
#include "widgets/FixedDialog.h"

#include <memory>

class QPushButton;

namespace tarnwick {

class TAdvStringGrid;

class TfrmDupes : public ui::FixedDialog {
    Q_OBJECT
public:
    TfrmDupes(ProgramState &state, QWidget *parent = nullptr);
    ~TfrmDupes() override;
    void applyLanguage(int language) override;

    // Empties the candidate grid and shows the captured contact.
    void PrepareDupesDialog(const contact::Fields &captured);
    // Copies the listed rows of `source` into the candidate grid, first one selected.
    void setCandidates(const TAdvStringGrid *source, const QList<int> &rows);
    // Offers Ignore && Add or Ignore && Update, in the same place.
    void setMode(CaptureMode mode);
    // The ID of the selected candidate.
    QString selectedId() const;

    TAdvStringGrid *sgDupes() const { return m_grid; }

    void sbCancelClick() { choose(DupesCancel); }
    void dbGotoClick() { choose(GotoRecord); }
    void sbIgnoreAddClick() { choose(IgnoreAndAdd); }
    void sbIgnoreUpdateClick() { choose(IgnoreAndUpdate); }

private:
    void choose(int outcome);

    ProgramState &m_state;
    std::unique_ptr<ContactFieldsView> m_fields;
    QPushButton *m_sbIgnoreAdd = nullptr;
    QPushButton *m_sbIgnoreUpdate = nullptr;
    QPushButton *m_dbGoto = nullptr;
    QPushButton *m_sbCancel = nullptr;
    TAdvStringGrid *m_grid = nullptr;
};

}  // namespace tarnwick

#pragma once
// The "Data Capture Demo" page: the contact list, the current contact in
// twelve fields, navigation, delete, and Add / Amend through the duplicate check.
#include "ContactFieldsView.h"
#include "DuplicateSearch.h"
#include "core/ProgramState.h"

#include <QThread>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QToolButton;

namespace tarnwick {

class ContactRekeyer;
class Engine;
class TAdvStringGrid;
class TfrmDupes;
class TfrmListDupes;
class TfrmSearchOptions;

class CapturePage : public QWidget {
    Q_OBJECT
public:
    CapturePage(Engine &engine, ProgramState &state, QWidget *parent = nullptr);
    ~CapturePage() override;

    void setDialogs(TfrmSearchOptions *searchOptions, TfrmDupes *dupes);

    // Start-up: the demo lines become the contact grid.
    void BuildContactGrid();
    void applyLanguage(int language);
    void ShowCurrentContact();
    void CheckForDuplicates(CaptureMode mode);
    // The engine language changed: the stored contacts' keys follow, in idle time.
    void engineLanguageChanged(int language);
    bool keysAreCurrent() const;

    void sgDemoClick();
    void sbFirstClick();
    void sbPrevClick();
    void sbNextClick();
    void sbLastClick();
    void sbDeleteClick();
    void sbAddClick() { CheckForDuplicates(CaptureMode::Add); }
    void sbUpdateClick() { CheckForDuplicates(CaptureMode::Amend); }
    void sbSearchOptionsClick();
    // Replaces the list in memory by a contact list file of the user's.
    void sbOpenListClick();
    // Where Open finds its file; a file dialog unless a test says otherwise.
    std::function<QString()> askListPath;
    // Every duplicate inside the list, by the current search options.
    void sbFindDuplicatesClick();
    // Starts the search of the whole list in its window, without showing it.
    void startListSearch();
    int listSearchThreads = qMax(1, QThread::idealThreadCount());
    TfrmListDupes *listDupes() const { return m_listDupes; }
    // Ends a running whole-list search and closes its window: the program is closing.
    void stopBackgroundWork();

    TAdvStringGrid *sgDemo() const { return m_grid; }

private:
    void buildButtons(QWidget *parent, int y);
    // Moves the current row; the fields follow only when the row changes.
    void moveToRow(int row);
    void storeNewContact(const contact::Fields &fields, const ContactKeys &keys);
    void rekeySlice();

    Engine &m_engine;
    ProgramState &m_state;
    std::unique_ptr<ContactFieldsView> m_fields;
    TAdvStringGrid *m_grid = nullptr;
    std::unique_ptr<ContactRekeyer> m_rekeyer;
    QTimer m_rekeyTimer;
    std::array<QToolButton *, 10> m_buttons{};
    TfrmListDupes *m_listDupes = nullptr;
    TfrmSearchOptions *m_searchOptions = nullptr;
    TfrmDupes *m_dupes = nullptr;
};

}  // namespace tarnwick

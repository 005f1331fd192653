#pragma once
// The duplicates inside the whole contact list: the search runs on worker
// threads while the window shows its progress; then the clusters, largest
// first, each with its contacts and the scores that joined them. A contact can
// be chosen to go to it, and the result saved as a CSV report.
#include "ListDuplicates.h"
#include "ListReport.h"
#include "widgets/FixedDialog.h"

#include <QTimer>

#include <functional>
#include <memory>
#include <thread>

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tarnwick {

class Engine;

class TfrmListDupes : public ui::FixedDialog {
    Q_OBJECT
public:
    TfrmListDupes(Engine &engine, QWidget *parent = nullptr);
    ~TfrmListDupes() override;
    void applyLanguage(int language) override;

    // Starts the search of `contacts` (keys alike, same order); exec() shows it.
    void startSearch(QList<ListedContact> contacts, QList<ContactKeyRow> keys, const DuplicateSearchOptions &options,
                     int threads);
    bool isSearching() const { return m_worker.joinable(); }
    // Cancels a running search and waits for its threads.
    void stopSearch();
    // The ID of the contact chosen with Go to, or empty.
    QString chosenId() const { return m_chosenId; }
    const QList<DuplicateCluster> &clusters() const { return m_clusters; }

    // Where Save Report writes; a file dialog unless a test says otherwise.
    std::function<QString()> askReportPath;

    QTreeWidget *tvClusters() const { return m_tree; }

    // The close box, Escape, Cancel and Close.
    void reject() override;

private:
    void searchFinished(QList<MatchedPair> pairs);
    void showProgress();
    void fillTree();
    void btnGotoClick();
    void btnSaveClick();
    QString idOf(const QTreeWidgetItem *item) const;

    Engine &m_engine;
    QLabel *m_summary = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_btnCancelSearch = nullptr;
    QTreeWidget *m_tree = nullptr;
    QPushButton *m_btnGoto = nullptr;
    QPushButton *m_btnSave = nullptr;
    QPushButton *m_btnClose = nullptr;
    QTimer m_poll;

    QList<ListedContact> m_contacts;
    QList<ContactKeyRow> m_keys;
    DuplicateSearchOptions m_options;
    std::unique_ptr<SearchControl> m_control;
    std::thread m_worker;
    QList<DuplicateCluster> m_clusters;
    QString m_chosenId;
    int m_language = 1;
    int m_generation = 0;  // of the search whose result counts
};

}  // namespace tarnwick

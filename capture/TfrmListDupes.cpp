#include "TfrmListDupes.h"

#include "i18n/Catalogue.h"
#include "widgets/HandlerGuard.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

namespace tarnwick {
namespace {

constexpr int kIdRole = Qt::UserRole;
constexpr int kProgressSteps = 1000;

QString contactName(const contact::Fields &f)
{
    QStringList parts;
    for (int line : {0, 1, 2})
        if (!f[size_t(line)].trimmed().isEmpty())
            parts.append(f[size_t(line)].trimmed());
    return parts.join(QLatin1Char(' '));
}

}  // namespace

TfrmListDupes::TfrmListDupes(Engine &engine, QWidget *parent)
    : ui::FixedDialog("TfrmListDupes", QStringLiteral("Duplicates in the List"), QSize(760, 440), parent),
      m_engine(engine)
{
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblSummary"));
    m_summary->setGeometry(8, 8, 744, 17);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("pbSearch"));
    m_progress->setGeometry(8, 30, 640, 22);
    m_progress->setRange(0, kProgressSteps);
    m_btnCancelSearch = new QPushButton(this);
    m_btnCancelSearch->setObjectName(QStringLiteral("btnCancelSearch"));
    m_btnCancelSearch->setGeometry(656, 29, 96, 25);

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("tvClusters"));
    m_tree->setGeometry(8, 60, 744, 336);
    m_tree->setColumnCount(4);
    m_tree->setRootIsDecorated(true);
    m_tree->setUniformRowHeights(true);
    m_tree->header()->setStretchLastSection(true);
    for (int c : {0, 1, 2})
        m_tree->setColumnWidth(c, QList<int>{96, 200, 210}[c]);

    const auto button = [this](const char *name, int x) {
        auto *b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        b->setGeometry(x, 404, 120, 27);
        return b;
    };
    m_btnGoto = button("btnGoto", 8);
    m_btnSave = button("btnSave", 136);
    m_btnClose = button("btnClose", 632);

    connectGuarded(m_btnCancelSearch, &QPushButton::clicked, this, [this] { reject(); });
    connectGuarded(m_btnClose, &QPushButton::clicked, this, [this] { reject(); });
    connectGuarded(m_btnGoto, &QPushButton::clicked, this, [this] { btnGotoClick(); });
    connectGuarded(m_btnSave, &QPushButton::clicked, this, [this] { btnSaveClick(); });
    connect(m_tree, &QTreeWidget::itemActivated, this, [this] { guarded(this, [this] { btnGotoClick(); }); });
    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            [this] { m_btnGoto->setEnabled(!idOf(m_tree->currentItem()).isEmpty()); });
    m_poll.setInterval(100);
    connect(&m_poll, &QTimer::timeout, this, [this] { showProgress(); });

    askReportPath = [this] {
        return QFileDialog::getSaveFileName(this, CatalogueText(m_language, 191), QString(),
                                            CatalogueText(m_language, 195) + QStringLiteral(" (*.csv)"));
    };
    const int catalogueLanguage = CatalogueLanguage;
    applyLanguage(1);
    CatalogueLanguage = catalogueLanguage;
}

TfrmListDupes::~TfrmListDupes() { stopSearch(); }

void TfrmListDupes::applyLanguage(int language)
{
    m_language = language;
    const auto text = [language](int key) { return CatalogueText(language, key); };
    setWindowTitle(text(166));
    m_btnCancelSearch->setText(text(91));
    m_btnGoto->setText(text(152));
    m_btnSave->setText(text(191));
    m_btnClose->setText(text(192));
    m_tree->setHeaderLabels({text(135), text(77), text(124), text(169)});
    if (!isSearching() && !m_contacts.isEmpty())
        fillTree();
}

void TfrmListDupes::startSearch(QList<ListedContact> contacts, QList<ContactKeyRow> keys,
                                const DuplicateSearchOptions &options, int threads)
{
    stopSearch();
    m_contacts = std::move(contacts);
    m_keys = std::move(keys);
    m_options = options;
    m_clusters.clear();
    m_chosenId.clear();
    m_tree->clear();
    m_summary->setText(CatalogueText(m_language, 193));
    m_progress->setValue(0);
    m_progress->show();
    m_btnCancelSearch->show();
    m_btnGoto->setEnabled(false);
    m_btnSave->setEnabled(false);
    m_control = std::make_unique<SearchControl>();
    const int generation = ++m_generation;
    m_worker = std::thread([this, threads, generation, control = m_control.get()] {
        QList<MatchedPair> pairs = findListDuplicates(m_engine, m_keys, m_options, threads, *control);
        // Delivered on the window's own thread; dropped if the window is gone,
        // ignored if another search has begun since.
        QMetaObject::invokeMethod(
            this,
            [this, generation, pairs = std::move(pairs)]() mutable {
                if (generation == m_generation)
                    searchFinished(std::move(pairs));
            },
            Qt::QueuedConnection);
    });
    m_poll.start();
}

void TfrmListDupes::stopSearch()
{
    m_poll.stop();
    if (m_control)
        m_control->cancel = true;
    if (m_worker.joinable())
        m_worker.join();
}

void TfrmListDupes::showProgress()
{
    if (!m_control || m_control->total <= 0)
        return;
    m_progress->setValue(int(qMin<qint64>(kProgressSteps, m_control->done * kProgressSteps / m_control->total)));
}

void TfrmListDupes::searchFinished(QList<MatchedPair> pairs)
{
    const bool cancelled = m_control && m_control->cancel.load();
    stopSearch();
    if (cancelled)
        return;
    m_clusters = clusterPairs(int(m_contacts.size()), pairs);
    m_progress->hide();
    m_btnCancelSearch->hide();
    fillTree();
}

void TfrmListDupes::fillTree()
{
    const auto text = [this](int key) { return CatalogueText(m_language, key); };
    m_tree->clear();
    qsizetype inClusters = 0;
    QList<QTreeWidgetItem *> tops;
    tops.reserve(m_clusters.size());
    for (qsizetype c = 0; c < m_clusters.size(); ++c) {
        const DuplicateCluster &cluster = m_clusters[c];
        inClusters += cluster.members.size();
        auto *top = new QTreeWidgetItem({text(167).arg(c + 1).arg(cluster.members.size())});
        for (int member : cluster.members) {
            const ListedContact &contact = m_contacts.at(member);
            const MatchedPair &link = bestLink(cluster, member);
            const int other = link.a == member ? link.b : link.a;
            const auto score = [](int s) { return s < 0 ? QStringLiteral("-") : QString::number(s); };
            auto *item = new QTreeWidgetItem(top, {contact.id, contactName(contact.fields), contact.fields[4],
                                                   text(190).arg(m_contacts.at(other).id, score(link.firstName),
                                                                 score(link.surname), score(link.company))});
            item->setData(0, kIdRole, contact.id);
        }
        tops.append(top);
    }
    m_tree->addTopLevelItems(tops);
    for (QTreeWidgetItem *top : tops) {
        top->setFirstColumnSpanned(true);
        top->setExpanded(true);
    }
    m_summary->setText(m_clusters.isEmpty()
                           ? text(194)
                           : text(168).arg(m_clusters.size()).arg(inClusters).arg(m_contacts.size()));
    m_btnSave->setEnabled(!m_clusters.isEmpty());
    if (!tops.isEmpty())
        m_tree->setCurrentItem(tops.front()->child(0));
}

QString TfrmListDupes::idOf(const QTreeWidgetItem *item) const
{
    return item ? item->data(0, kIdRole).toString() : QString();
}

void TfrmListDupes::btnGotoClick()
{
    const QString id = idOf(m_tree->currentItem());
    if (id.isEmpty())
        return;
    m_chosenId = id;
    accept();
}

void TfrmListDupes::btnSaveClick()
{
    const QString path = askReportPath ? askReportPath() : QString();
    if (path.isEmpty())
        return;
    writeListReport(path, m_clusters, m_contacts);
}

void TfrmListDupes::reject()
{
    // The close box, Escape, Cancel and Close all end a running search first.
    stopSearch();
    FixedDialog::reject();
}

}  // namespace tarnwick

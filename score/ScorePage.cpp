#include "ScorePage.h"

#include "i18n/Catalogue.h"
#include "widgets/InputNotice.h"
#include "core/DtaFile.h"
#include "core/ScoreFile.h"
#include "core/ScoreRecord.h"
#include "score/art/Banner.h"
#include "score/art/PanelArt.h"
#include "engine/Engine.h"
#include "widgets/HandlerGuard.h"
#include "widgets/Gauge.h"
#include "widgets/Panels.h"
#include "widgets/Pictures.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QEventLoop>
#include <QMouseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

namespace tarnwick {
namespace {

constexpr int kScorePageIndex = 1;
const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kInfoBackground(0xFF, 0xFF, 0xE1);

QLabel *label(QWidget *parent, const QPoint &at, const QString &text, bool bold = false)
{
    auto *l = new QLabel(text, parent);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    l->move(at);
    l->adjustSize();
    return l;
}

void setInfoBackground(QWidget *w)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, kInfoBackground);
    w->setPalette(p);
}

}  // namespace

ScorePage::ScorePage(Engine &engine, ProgramState &state, QWidget *parent)
    : QWidget(parent), m_engine(engine), m_state(state)
{
    setObjectName(QStringLiteral("TabSheet2"));
    QFrame *inner = ui::pageFrame(this);
    buildLeftColumn(inner);
    buildWorkArea(inner);

    m_tmrScore = new QTimer(this);
    m_tmrScore->setObjectName(QStringLiteral("tmrScore"));
    m_tmrScore->setInterval(1);
    connect(m_tmrScore, &QTimer::timeout, this, [this] { guarded(this, [this] { tmrScoreTimer(); }); });
    m_tmrScore->start();

    m_tmrDCL = new QTimer(this);
    m_tmrDCL->setObjectName(QStringLiteral("tmrDCL"));
    m_tmrDCL->setInterval(100);
    connect(m_tmrDCL, &QTimer::timeout, this, [this] { guarded(this, [this] { tmrDCLTimer(); }); });

    for (int i = 0; i < 57; ++i)
        m_ilDCL[i] = panelFrame(i);
    for (int panel = 0; panel < 3; ++panel)
        m_panelImages[panel]->setPixmap(m_ilDCL[19 * panel]);
}

ScorePage::~ScorePage() { abortWaits(); }

void ScorePage::setDialogs(QDialog *purvex, QDialog *sonabel, QDialog *dataFile)
{
    m_optionDialogs[0] = purvex;
    m_optionDialogs[1] = sonabel;
    m_dataFileDialog = dataFile;
}

void ScorePage::setTimerIntervals(int scoreMs, int frameMs)
{
    m_tmrScore->setInterval(scoreMs);
    m_tmrDCL->setInterval(frameMs);
}

void ScorePage::buildLeftColumn(QFrame *frame)
{
    QFrame *left = ui::panel(frame, QRect(8, 8, 125, 433), ui::Bevel::Single, kSilver);
    m_categories = new QButtonGroup(this);
    m_categories->setExclusive(true);
    const struct {
        QToolButton **button;
        const char *name;
        const char *text;
        const char *picture;
        int y;
    } categories[] = {{&m_sbNames, "sbNames", "Names", "names", 9},
                      {&m_sbBusiness, "sbBusiness", "Business", "business", 65},
                      {&m_sbAddress, "sbAddress", "Address", "address", 121}};
    for (const auto &c : categories) {
        auto *b = new QToolButton(left);
        b->setObjectName(QLatin1String(c.name));
        b->setText(QLatin1String(c.text));
        b->setIcon(ui::svgIcon(QLatin1String(c.picture)));
        b->setIconSize(QSize(20, 20));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setLayoutDirection(Qt::RightToLeft);  // picture right of the text
        b->setCheckable(true);
        b->setGeometry(8, c.y, 105, 41);
        m_categories->addButton(b);
        *c.button = b;
    }
    m_sbNames->setChecked(true);
    connect(m_sbNames, &QToolButton::clicked, this, [this] { guarded(this, [this] { sbNamesClick(); }); });
    connect(m_sbBusiness, &QToolButton::clicked, this, [this] { guarded(this, [this] { sbBusinessClick(); }); });
    connect(m_sbAddress, &QToolButton::clicked, this, [this] { guarded(this, [this] { sbAddressClick(); }); });

    ui::separator(left, QRect(16, 169, 89, 2));
    m_sbProcess = new QPushButton(QStringLiteral("&Process"), left);
    m_sbProcess->setObjectName(QStringLiteral("sbProcess"));
    m_sbProcess->setGeometry(8, 193, 105, 41);
    m_sbDataFile = new QPushButton(QStringLiteral("&Data File"), left);
    m_sbDataFile->setObjectName(QStringLiteral("sbDataFile"));
    m_sbDataFile->setGeometry(8, 249, 105, 41);
    ui::separator(left, QRect(16, 297, 89, 2));
    connect(m_sbProcess, &QPushButton::clicked, this, [this] { guarded(this, [this] { sbProcessClick(); }); });
    connect(m_sbDataFile, &QPushButton::clicked, this, [this] { guarded(this, [this] { sbDataFileClick(); }); });

    m_results = label(left, QPoint(40, 320), QStringLiteral("Results"), true);
    m_results->setObjectName(QStringLiteral("Results"));
    QFont f = m_results->font();
    f.setUnderline(true);
    m_results->setFont(f);
    // Centred over the findings, whatever the length of the word in a language.
    m_results->setGeometry(8, 320, 109, m_results->height());
    m_results->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    const char *names[] = {"lblGender1", "lblGender2", "lblPattern1", "lblPattern2"};
    QLabel **targets[] = {&m_gender[0], &m_gender[1], &m_pattern[0], &m_pattern[1]};
    for (int i = 0; i < 4; ++i) {
        auto *l = new QLabel(left);
        l->setObjectName(QLatin1String(names[i]));
        l->setGeometry(8, 352 + 16 * i, 113, 15);
        *targets[i] = l;
    }
}

void ScorePage::buildWorkArea(QFrame *frame)
{
    QFrame *bannerPanel = ui::panel(frame, QRect(144, 8, 473, 81), ui::Bevel::Single, Qt::white);
    m_banner = new QLabel(bannerPanel);
    m_banner->setObjectName(QStringLiteral("imgBanner"));
    m_banner->setGeometry(1, 1, 471, 79);
    m_banner->setAlignment(Qt::AlignCenter);
    m_banner->setPixmap(bannerPicture(QString()));  // the strap line comes with the language

    QFrame *work = ui::panel(frame, QRect(144, 96, 473, 345), ui::Bevel::Single, kSilver);
    const char *panelNames[] = {"pnlPurvex", "pnlSonabel", "pnlMatch"};
    const char *imageNames[] = {"imgPurvex", "imgSonabel", "imgMatch"};
    for (int i = 0; i < 3; ++i) {
        QFrame *p = ui::panel(work, QRect(8 + 152 * i, 8, 145, 81), ui::Bevel::Raised);
        p->setObjectName(QLatin1String(panelNames[i]));
        p->setLineWidth(2);
        auto *img = new QLabel(p);
        img->setObjectName(QLatin1String(imageNames[i]));
        img->setGeometry(8, 8, 129, 65);
        p->installEventFilter(this);
        img->installEventFilter(this);
        m_pushPanels[i] = p;
        m_panelImages[i] = img;
    }
    // The panels themselves keep these hints in every language; their pictures are switched.
    m_pushPanels[0]->setToolTip(QStringLiteral("Click to configure Purvex options"));
    m_pushPanels[1]->setToolTip(QStringLiteral("Click to configure Sonabel options"));
    m_panelImages[0]->setToolTip(m_pushPanels[0]->toolTip());
    m_panelImages[1]->setToolTip(m_pushPanels[1]->toolTip());

    QFrame *data = ui::panel(work, QRect(8, 96, 185, 233), ui::Bevel::Lowered);
    const char *headingNames[] = {"Label1", "Label2", "Label3"};
    const char *headingTexts[] = {"Initial Data", "Purvex Data", "Sonabel Data"};
    for (int i = 0; i < 3; ++i) {
        m_dataHeadings[i] = label(data, QPoint(16, 16 + 72 * i), QLatin1String(headingTexts[i]), true);
        m_dataHeadings[i]->setObjectName(QLatin1String(headingNames[i]));
    }
    for (int n = 0; n < 2; ++n) {
        auto *cbo = new QComboBox(data);
        cbo->setObjectName(QStringLiteral("cboInitialData%1").arg(n + 1));
        cbo->setEditable(true);
        cbo->setInsertPolicy(QComboBox::NoInsert);
        cbo->setGeometry(16, 32 + 24 * n, 153, 21);
        setInfoBackground(cbo);
        ui::watchEngineText(cbo->lineEdit());
        m_cbo[n] = cbo;
        const char *purvexNames[] = {"txtPurvex1", "txtPurvex2"};
        const char *sonabelNames[] = {"txtSonabel1", "txtSonabel2"};
        m_purvex[n] = new QLineEdit(data);
        m_purvex[n]->setObjectName(QLatin1String(purvexNames[n]));
        m_purvex[n]->setGeometry(16, 104 + 24 * n, 153, 21);
        m_sonabel[n] = new QLineEdit(data);
        m_sonabel[n]->setObjectName(QLatin1String(sonabelNames[n]));
        m_sonabel[n]->setGeometry(16, 176 + 24 * n, 153, 21);
        for (QLineEdit *e : {m_purvex[n], m_sonabel[n]}) {
            e->setReadOnly(true);
            setInfoBackground(e);
        }
    }
    // An entry picked from a list moves its partner first, then resets and rescores.
    for (int n = 0; n < 2; ++n) {
        QComboBox *picked = m_cbo[n];
        QComboBox *partner = m_cbo[1 - n];
        connect(picked, &QComboBox::activated, this,
                [this, picked, partner] { guarded(this, [&] { itemPicked(picked, partner); }); });
        connect(picked, &QComboBox::editTextChanged, this, [this, n] { listTextChanged(n); });
    }

    QFrame *scores = ui::panel(work, QRect(200, 96, 257, 233), ui::Bevel::Lowered);
    const char *scoreNames[] = {"Label11", "Label12", "Label13"};
    const char *scoreTexts[] = {"Initial Data Score", "Post Purvex Score", "Post Sonabel Score"};
    const char *gaugeNames[] = {"ggeDataScore", "ggePurvexScore", "ggeSonabelScore"};
    for (int i = 0; i < 3; ++i) {
        m_scoreHeadings[i] = label(scores, QPoint(16, 16 + 72 * i), QLatin1String(scoreTexts[i]), true);
        m_scoreHeadings[i]->setObjectName(QLatin1String(scoreNames[i]));
        QFrame *sunken = ui::panel(scores, QRect(16, 40 + 72 * i, 225, 33), ui::Bevel::Lowered);
        m_gauges[i] = new ui::Gauge(sunken);
        m_gauges[i]->setObjectName(QLatin1String(gaugeNames[i]));
        m_gauges[i]->setGeometry(7, 7, 211, 19);
    }
    ui::separator(scores, QRect(16, 150, 225, 2));
}

// Long items show from their start, not scrolled to their end.
void ScorePage::showTextStarts()
{
    for (QComboBox *cbo : m_cbo)
        if (cbo->lineEdit() && !cbo->lineEdit()->hasFocus())
            cbo->lineEdit()->setCursorPosition(0);
}

void ScorePage::rescoreInitialData()
{
    setTargetScore(InitialDataScore, m_engine.matchIt(m_cbo[0]->currentText(), m_cbo[1]->currentText()));
}

int ScorePage::selectedIndex(const QComboBox *list)
{
    const int i = list->currentIndex();
    if (i < 0 || list->itemText(i) != list->currentText())
        return -1;
    return i;
}

QString ScorePage::categoryOfDownButton() const
{
    if (m_sbNames->isChecked())
        return ScoreRecord::kName;
    if (m_sbAddress->isChecked())
        return ScoreRecord::kAddress;
    if (m_sbBusiness->isChecked())
        return ScoreRecord::kBusiness;
    return {};
}

void ScorePage::LoadScoreCategory(const QString &categoryWord)
{
    // Reading first: a file that cannot be opened leaves everything as it was.
    QStringList fileLines = readDtaFile(ScoreRecord::scoreFileName(CurrentLanguage));
    const QStringList category = selectCategory(fileLines, categoryWord);
    m_state.ScoreFileLines = TextLines(std::move(fileLines));
    m_state.CategoryLines = TextLines(category);
    {
        const QSignalBlocker b0(m_cbo[0]), b1(m_cbo[1]);
        for (QComboBox *cbo : m_cbo) {
            cbo->clear();
            cbo->clearEditText();
        }
        for (qsizetype i = 0; i + ScoreRecord::kLength <= category.size(); i += ScoreRecord::kLength) {
            m_cbo[0]->addItem(category[i + ScoreRecord::Item1]);
            m_cbo[1]->addItem(category[i + ScoreRecord::Item2]);
        }
        const int selection = m_cbo[0]->count() > 0 ? 0 : -1;
        m_cbo[0]->setCurrentIndex(selection);
        m_cbo[1]->setCurrentIndex(selection);
        noteListedEntries();
        showTextStarts();
    }
    ResetResults();
}

// Post-Purvex and post-Sonabel targets to 0, result fields empty, findings unknown.
void ScorePage::clearResults()
{
    setTargetScore(PostPurvexScore, 0);
    setTargetScore(PostSonabelScore, 0);
    for (QLineEdit *e : {m_purvex[0], m_purvex[1], m_sonabel[0], m_sonabel[1]})
        e->clear();
    SetGenderLabel(CurrentLanguage, 1, QStringLiteral("U"));
    SetGenderLabel(CurrentLanguage, 2, QStringLiteral("U"));
    SetPatternLabel(CurrentLanguage, 1, 0);
    SetPatternLabel(CurrentLanguage, 2, 0);
}

void ScorePage::ResetResults()
{
    clearResults();
    if (selectedIndex(m_cbo[0]) >= 0)
        LoadCurrentRecord();
}

void ScorePage::LoadCurrentRecord()
{
    const int i = selectedIndex(m_cbo[0]);
    const QStringList record = m_state.CategoryLines.mid(qsizetype(i) * ScoreRecord::kLength, ScoreRecord::kLength);
    m_state.CurrentRecord = TextLines(record);
}

void ScorePage::SetGenderLabel(int language, int n, const QString &code)
{
    CatalogueLanguage = language;
    QLabel *l = m_gender[n == 1 ? 0 : 1];
    const QString separator = n == 1 ? QStringLiteral(" 1 : ") : QStringLiteral(" 2 : ");
    const QChar first = code.isEmpty() ? QChar() : code.front();
    int key = 0;
    if (first == u'F')
        key = 139;
    else if (first == u'M')
        key = 138;
    else if (first == u'U')
        key = 27;
    l->setProperty("hintShown", false);
    if (key == 0)
        return;
    l->setText(CatalogueText(language, 26) + separator + CatalogueText(language, key));
    // The hint "Unknown result" is shown only while the finding is unknown.
    l->setProperty("hintShown", key == 27);
    l->setToolTip(key == 27 ? l->property("hintText").toString() : QString());
}

void ScorePage::SetPatternLabel(int language, int n, int result)
{
    CatalogueLanguage = language;
    QLabel *l = m_pattern[n == 1 ? 0 : 1];
    const QString separator = n == 1 ? QStringLiteral(" 1 : ") : QStringLiteral(" 2 : ");
    if (result == -1)
        l->setText(CatalogueText(language, 28) + separator + CatalogueText(language, 39));
    else if (result == 0)
        l->setText(CatalogueText(language, 28) + separator + CatalogueText(language, 29));
}

CleansingPipeline ScorePage::pipeline() { return CleansingPipeline(m_engine, m_state.EngineLanguage, m_state.CurrentRecord, *this); }

void ScorePage::ComputeScores()
{
    scoreWithoutWaiting();
    PlayPanelAnimation();
}

void ScorePage::scoreWithoutWaiting()
{
    const std::array<int, 3> scores = pipeline().scores();
    for (int i = 0; i < 3; ++i)
        setTargetScore(i, scores[i]);
    PanelAnimation = 2;
    startPanelAnimation();
}

QString ScorePage::itemText(int n) const { return m_cbo[n - 1]->currentText(); }
QString ScorePage::purvexText(int n) const { return m_purvex[n - 1]->text(); }
// Long results show from their start, like the lists above them.
void ScorePage::setPurvexText(int n, const QString &text)
{
    m_purvex[n - 1]->setText(text);
    m_purvex[n - 1]->setCursorPosition(0);
}
QString ScorePage::sonabelText(int n) const { return m_sonabel[n - 1]->text(); }
void ScorePage::setSonabelText(int n, const QString &text)
{
    m_sonabel[n - 1]->setText(text);
    m_sonabel[n - 1]->setCursorPosition(0);
}
void ScorePage::setGenderFinding(int n, const QString &code) { SetGenderLabel(CurrentLanguage, n, code); }
void ScorePage::setPatternFinding(int n, int result) { SetPatternLabel(CurrentLanguage, n, result); }

void ScorePage::sbProcessClick()
{
    // Whatever happens below, nothing stays disabled.
    setProcessControlsEnabled(false);
    struct Reenable {
        ScorePage *page;
        ~Reenable() { page->setProcessControlsEnabled(true); }
    } reenable{this};

    clearResults();
    WaitForGauges();

    PanelAnimation = 0;
    PlayPanelAnimation();
    pipeline().RunPurvexStage();
    ComputeScores();
    WaitForGauges();

    PanelAnimation = 1;
    PlayPanelAnimation();
    pipeline().RunSonabelStage();
    ComputeScores();
    WaitForGauges();
}

void ScorePage::setProcessControlsEnabled(bool enabled)
{
    for (QWidget *w : std::initializer_list<QWidget *>{m_sbNames, m_sbBusiness, m_sbAddress, m_sbProcess,
                                                       m_sbDataFile, m_cbo[0], m_cbo[1]})
        w->setEnabled(enabled);
    // The page itself stays enabled, so the results stay legible while they
    // fill in. Every other page is locked one by one: a disabled tab bar alone
    // still lets Ctrl+Tab, Ctrl+Page Down and the tabs' mnemonics through.
    if (m_pages) {
        m_pages->tabBar()->setEnabled(enabled);
        for (int i = 0; i < m_pages->count(); ++i)
            if (m_pages->widget(i) != this)
                m_pages->setTabEnabled(i, enabled);
    }
}

void ScorePage::sbDataFileClick()
{
    if (m_dataFileDialog)
        m_dataFileDialog->exec();
    LoadScoreCategory(categoryOfDownButton());
    ComputeScores();
}

void ScorePage::startPanelAnimation()
{
    const int panel = qBound(0, PanelAnimation, 2);
    if (m_tmrDCL->isActive()) {
        // A running animation is never restarted (restarting the timer on
        // every key of a held key would draw no frame at all); it goes on,
        // moved to the panel now asked for, which starts from its first frame.
        if (panel == m_animatedPanel)
            return;
        m_panelImages[m_animatedPanel]->setPixmap(m_ilDCL[19 * m_animatedPanel]);
        AnimationFrame = 0;
    } else {
        m_tmrDCL->start();
    }
    m_animatedPanel = panel;
}

void ScorePage::PlayPanelAnimation()
{
    startPanelAnimation();
    waitUntil([this] { return !m_tmrDCL->isActive(); });
}

void ScorePage::WaitForGauges()
{
    waitUntil([this] { return m_state.ShownScores == m_state.TargetScores; });
}

void ScorePage::waitUntil(const std::function<bool()> &done)
{
    // A nested event loop, woken by the timers' ticks: nothing spins while waiting.
    while (!done()) {
        QEventLoop loop;
        m_waits.push_back(&loop);
        loop.exec();
        m_waits.pop_back();
        if (m_closing) {
            // Every handler that waits stops; once the outermost has, the page
            // is ready for whatever comes next.
            if (m_waits.empty())
                m_closing = false;
            throw Cancelled();
        }
    }
}

void ScorePage::wakeWaits()
{
    for (QEventLoop *loop : m_waits)
        loop->quit();
}

void ScorePage::abortWaits()
{
    if (m_waits.empty())
        return;
    m_closing = true;
    wakeWaits();
}

void ScorePage::tmrDCLTimer()
{
    ++AnimationFrame;
    if (AnimationFrame > 18)
        AnimationFrame = 0;
    if (!onScorePage())
        AnimationFrame = 0;
    const int panel = m_animatedPanel;
    const int frame = 19 * panel + AnimationFrame;
    m_panelImages[panel]->setPixmap(m_ilDCL[frame]);
    emit frameDrawn(panel, frame);
    if (AnimationFrame == 0)
        m_tmrDCL->stop();
    wakeWaits();
}

void ScorePage::setPushed(int panel, bool pushed)
{
    m_panelImages[panel]->move(pushed ? 9 : 8, pushed ? 9 : 8);
    m_pushPanels[panel]->setFrameShadow(pushed ? QFrame::Sunken : QFrame::Raised);
}

void ScorePage::panelClicked(int panel)
{
    setPushed(panel, false);
    if (panel < 2 && m_sbProcess->isEnabled() && m_optionDialogs[panel])
        m_optionDialogs[panel]->exec();
}

bool ScorePage::eventFilter(QObject *watched, QEvent *event)
{
    int panel = -1;
    for (int i = 0; i < 3; ++i)
        if (watched == m_pushPanels[i] || watched == m_panelImages[i])
            panel = i;
    if (panel < 0)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            setPushed(panel, true);
            m_pressedPanel = panel;
        }
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *me = static_cast<QMouseEvent *>(event);
        setPushed(panel, false);
        const bool click = m_pressedPanel == panel && me->button() == Qt::LeftButton &&
                           m_pushPanels[panel]->rect().contains(m_pushPanels[panel]->mapFromGlobal(me->globalPosition().toPoint()));
        m_pressedPanel = -1;
        if (click)
            guarded(this, [this, panel] { panelClicked(panel); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ScorePage::setTargetScore(int which, int value)
{
    m_state.TargetScores[which] = value;
    wakeScoreTimer();
}

void ScorePage::wakeScoreTimer()
{
    if (m_tmrScore && !m_tmrScore->isActive())
        m_tmrScore->start();
}

bool ScorePage::onScorePage() const { return m_pages && m_pages->currentIndex() == kScorePageIndex; }

void ScorePage::tmrScoreTimer()
{
    auto &shown = m_state.ShownScores;
    const auto &target = m_state.TargetScores;
    if (!onScorePage())
        shown = target;
    bool settled = true;
    for (int i = 0; i < 3; ++i) {
        if (shown[i] > target[i])
            --shown[i];
        if (shown[i] < target[i])
            ++shown[i];
        m_gauges[i]->setProgress(shown[i]);
        settled = settled && shown[i] == target[i];
    }
    // Nothing left to move: rest until a target or the page changes.
    if (settled)
        m_tmrScore->stop();
    wakeWaits();
}

void ScorePage::categoryClicked(const QString &word)
{
    LoadScoreCategory(word);
    ComputeScores();
}

void ScorePage::sbNamesClick() { categoryClicked(ScoreRecord::kName); }
void ScorePage::sbBusinessClick() { categoryClicked(ScoreRecord::kBusiness); }
void ScorePage::sbAddressClick() { categoryClicked(ScoreRecord::kAddress); }

void ScorePage::itemPicked(QComboBox *picked, QComboBox *partner)
{
    {
        const QSignalBlocker block(partner);
        const int i = picked->currentIndex();
        if (i >= 0 && i < partner->count())
            partner->setCurrentIndex(i);
    }
    noteListedEntries();
    showTextStarts();
    itemTextChanged();
}

void ScorePage::noteListedEntries()
{
    for (int n = 0; n < 2; ++n)
        m_listedIndex[n] = m_cbo[n]->currentIndex();
}

void ScorePage::listTextChanged(int n)
{
    // A pick changes the text first and then reports itself through
    // activated; every other change is an edit, also one that brings the
    // text back to the listed entry.
    const QComboBox *list = m_cbo[n];
    if (list->view()->isVisible() || list->currentIndex() != m_listedIndex[n])
        return;
    guarded(this, [this] { itemTextChanged(); });
}

// No wait here: a key that arrives while the Match animation plays joins it,
// so a held key never stacks one wait on another.
void ScorePage::itemTextChanged()
{
    ResetResults();
    scoreWithoutWaiting();
}

void ScorePage::applyLanguage(int language)
{
    auto text = [language](int key) { return CatalogueText(language, key); };
    m_dataHeadings[0]->setText(text(31));
    m_dataHeadings[1]->setText(text(32));
    m_dataHeadings[2]->setText(text(33));
    for (int i = 0; i < 3; ++i) {
        m_dataHeadings[i]->adjustSize();
        m_scoreHeadings[i]->setText(text(34 + i));
        m_scoreHeadings[i]->adjustSize();
    }
    m_results->setText(text(25));
    for (int n = 0; n < 2; ++n) {
        const QString separator = n == 0 ? QStringLiteral(" 1 : ") : QStringLiteral(" 2 : ");
        m_gender[n]->setText(text(26) + separator + text(27));
        m_gender[n]->setProperty("hintText", text(40));
        m_gender[n]->setToolTip(text(40));
        m_gender[n]->setProperty("hintShown", true);
        m_pattern[n]->setText(text(28) + separator + text(29));
    }
    m_sbNames->setText(text(20));
    m_sbBusiness->setText(text(21));
    m_sbAddress->setText(text(22));
    m_sbProcess->setText(text(23));
    m_sbDataFile->setText(text(24));
    m_panelImages[0]->setToolTip(text(37));
    m_panelImages[1]->setToolTip(text(38));
    m_banner->setPixmap(bannerPicture(text(30)));
}

}  // namespace tarnwick

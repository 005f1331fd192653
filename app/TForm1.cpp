#include "TForm1.h"

#include "app/LanguagePage.h"
#include "i18n/AboutText.h"
#include "i18n/Catalogue.h"
#include "capture/CapturePage.h"
#include "core/DtaFile.h"
#include "core/ScoreRecord.h"
#include "engine/Engine.h"
#include "score/ScorePage.h"
#include "widgets/FixedDialog.h"
#include "widgets/HandlerGuard.h"
#include "widgets/Messages.h"
#include "widgets/Panels.h"
#include "widgets/Pictures.h"

#include <QComboBox>
#include <QEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>

namespace tarnwick {
namespace {

constexpr const char *kAboutNames[] = {"reEnglish", "reFrench", "reGerman", "reItalian", "reSpanish"};
const QString kDemoDataFile = QStringLiteral("DemoData.dta");

}  // namespace

TForm1::TForm1(Engine &engine, QWidget *parent) : QMainWindow(parent), m_engine(engine)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(Messages::kProgramTitle);
    setWindowIcon(ui::svgIcon(QStringLiteral("icon")));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(ui::baseFont());

    auto *client = new QWidget(this);
    QFrame *panel2 = ui::panel(client, QRect(0, 0, 654, 498), ui::Bevel::Lowered);
    panel2->setObjectName(QStringLiteral("Panel2"));
    m_pages = new QTabWidget(panel2);
    m_pages->setObjectName(QStringLiteral("pcTarnwick"));
    m_pages->setGeometry(5, 5, 644, 488);

    m_languagePage = new LanguagePage;
    m_scorePage = new ScorePage(m_engine, m_state);
    m_scorePage->setPageControl(m_pages);
    m_capturePage = new CapturePage(m_engine, m_state);
    m_pages->addTab(m_languagePage, QStringLiteral("Language Selection"));
    m_pages->addTab(m_scorePage, QStringLiteral("DataPurvex Process"));
    m_pages->addTab(m_capturePage, QStringLiteral("Data Capture Demo"));
    m_pages->addTab(buildAboutPage(), QStringLiteral("About"));
    setCentralWidget(client);

    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    status->setFixedHeight(21);
    setStatusBar(status);
    setFixedSize(654, 519);

    connect(m_languagePage, &LanguagePage::languageButtonClicked, this,
            [this](int language) { guarded(this, [&] { languageButtonClick(language); }); });

    m_tmrFlag = new QTimer(this);
    m_tmrFlag->setObjectName(QStringLiteral("tmrFlag"));
    m_tmrFlag->setInterval(100);
    connect(m_tmrFlag, &QTimer::timeout, this, [this] { guarded(this, [this] { tmrFlagTimer(); }); });
    m_tmrFlag->start();

    // A failure part-way leaves the window with whatever the completed steps set up.
    guarded(this, [this] { FormCreate(); });
}

TForm1::~TForm1()
{
    // No worker may still be inside the engine when it lets go of its dictionaries.
    m_capturePage->stopBackgroundWork();
    // Lists go with m_state; the engine lets go of what it holds.
    m_engine.finish();
}

QWidget *TForm1::buildAboutPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet4"));
    for (int i = 0; i < 5; ++i) {
        auto *re = new QTextEdit(page);
        re->setObjectName(QLatin1String(kAboutNames[i]));
        re->setGeometry(0, 0, 636, 460);
        re->setReadOnly(true);
        re->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        re->setLineWrapMode(QTextEdit::WidgetWidth);
        re->setFont(ui::baseFont());
        re->setPlainText(loadAboutText(i + 1).join(QLatin1Char('\n')));
        re->setVisible(i == 0);
        m_about[i] = re;
    }
    return page;
}

void TForm1::FormCreate()
{
    for (QTextEdit *re : m_about)
        FormatAboutText(re);
    m_pages->setCurrentIndex(0);
    m_state.SearchOptions = DuplicateSearchOptions{};
    m_state.DemoLines = TextLines(readDtaFile(kDemoDataFile));
    m_state.TargetScores = {};
    m_state.ShownScores = {};
    m_scorePage->findChild<QWidget *>(QStringLiteral("sbNames"))->setProperty("checked", true);
    m_scorePage->LoadScoreCategory(ScoreRecord::kName);
    m_scorePage->rescoreInitialData();
    m_capturePage->BuildContactGrid();
}

bool TForm1::event(QEvent *e)
{
    const bool result = QMainWindow::event(e);
    if (e->type() == QEvent::WindowActivate && !m_activated)
        guarded(this, [this] { FormActivate(); });
    else if (e->type() == QEvent::Show && !m_activated)
        // Without a window manager no activation may ever come; the first
        // show stands in for it.
        QTimer::singleShot(0, this, [this] {
            if (!m_activated)
                guarded(this, [this] { FormActivate(); });
        });
    return result;
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // A Process waiting on its animations must not carry on into a closed window.
    m_scorePage->abortWaits();
    m_capturePage->stopBackgroundWork();
    QMainWindow::closeEvent(event);
}

void TForm1::FormActivate()
{
    m_activated = true;
    CurrentLanguage = 1;
    ApplyLanguage(1);
    ShowAboutText(1);
}

void TForm1::languageButtonClick(int language)
{
    CurrentLanguage = language;
    ApplyLanguage(language);
    ShowAboutText(language);
}

void TForm1::ApplyLanguage(int language)
{
    CatalogueLanguage = language;
    // A score file that cannot be read ends the switch before any caption changes.
    m_scorePage->LoadScoreCategory(m_scorePage->categoryOfDownButton());
    // The gauge must not go on showing the previous language's pair.
    m_scorePage->rescoreInitialData();
    applyOwnCaptions(language);
    for (ui::FixedDialog *dialog : m_dialogs)
        if (dialog)
            dialog->applyLanguage(language);
}

void TForm1::applyOwnCaptions(int language)
{
    setWindowTitle(CatalogueText(language, 2));
    const int tabKeys[] = {3, 4, 5, 12};
    for (int i = 0; i < 4; ++i)
        m_pages->setTabText(i, CatalogueText(language, tabKeys[i]));
    m_languagePage->applyLanguage(language);
    m_scorePage->applyLanguage(language);
    m_capturePage->applyLanguage(language);
}

void TForm1::ShowAboutText(int language)
{
    if (language < 1 || language > 5)
        return;
    for (int i = 0; i < 5; ++i)
        m_about[i]->setVisible(language == i + 1);
}

void TForm1::tmrFlagTimer()
{
    if (m_pages->currentIndex() != 0)
        return;
    const int language = m_languagePage->languageOfDownButton();
    if (language && language != m_state.EngineLanguage) {
        m_state.EngineLanguage = language;
        m_capturePage->engineLanguageChanged(language);
    }
}

}  // namespace tarnwick

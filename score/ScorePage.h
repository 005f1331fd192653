#pragma once
// Page 1 of the main window: two data items of one category, cleansed,
// keyed and scored by the engine.
#include "core/ProgramState.h"

#include <QWidget>

class QButtonGroup;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTimer;
class QToolButton;

namespace tarnwick {

class Engine;
namespace ui {
class Gauge;
}

class ScorePage : public QWidget {
    Q_OBJECT
public:
    // pages: the main window's page control, whose active page the timers watch.
    ScorePage(Engine &engine, ProgramState &state, QWidget *parent = nullptr);

    void setPageControl(QTabWidget *pages) { m_pages = pages; }

    // Reads the score data file of the current language and lists the
    // records of one category ("Name", "Business", "Address").
    void LoadScoreCategory(const QString &categoryWord);
    // The word of the category button that is down, tested in the given order.
    QString categoryOfDownButton() const;

    void ResetResults();
    void LoadCurrentRecord();
    void SetGenderLabel(int language, int n, const QString &code);
    void SetPatternLabel(int language, int n, int result);
    // The three target scores of the page's current texts.
    void ComputeScores();
    // Sets a target score; the gauge runs to it on the score timer.
    void setTargetScore(int which, int value);

    // Index of the entry shown in a list, or -1 when the user typed a text of their own.
    static int selectedIndex(const QComboBox *list);

    void sbNamesClick();
    void sbBusinessClick();
    void sbAddressClick();
    void tmrScoreTimer();

    // Re-labels the page's own controls (window table rows for this page).
    void applyLanguage(int language);

private:
    void buildLeftColumn(QFrame *frame);
    void buildWorkArea(QFrame *frame);
    void categoryClicked(const QString &word);
    void itemPicked(QComboBox *picked, QComboBox *partner);
    void itemTextChanged();
    bool onScorePage() const;
    void wakeScoreTimer();

    Engine &m_engine;
    ProgramState &m_state;
    QTabWidget *m_pages = nullptr;

    QButtonGroup *m_categories = nullptr;
    QToolButton *m_sbNames = nullptr;
    QToolButton *m_sbBusiness = nullptr;
    QToolButton *m_sbAddress = nullptr;
    QPushButton *m_sbProcess = nullptr;
    QPushButton *m_sbDataFile = nullptr;
    QLabel *m_results = nullptr;
    QLabel *m_gender[2] = {};
    QLabel *m_pattern[2] = {};
    QComboBox *m_cbo[2] = {};
    QLineEdit *m_purvex[2] = {};
    QLineEdit *m_sonabel[2] = {};
    QLabel *m_dataHeadings[3] = {};
    QLabel *m_scoreHeadings[3] = {};
    ui::Gauge *m_gauges[3] = {};
    QLabel *m_imgPurvex = nullptr;
    QLabel *m_imgSonabel = nullptr;
    QLabel *m_imgMatch = nullptr;
    QTimer *m_tmrScore = nullptr;
};

}  // namespace tarnwick

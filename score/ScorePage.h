#pragma once
// Page 1 of the main window: two data items of one category, cleansed,
// keyed and scored by the engine, with panel animations and running gauges.
#include "core/ProgramState.h"
#include "score/CleansingPipeline.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

class QButtonGroup;
class QComboBox;
class QDialog;
class QEventLoop;
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

class ScorePage : public QWidget, private PipelineView {
    Q_OBJECT
public:
    ScorePage(Engine &engine, ProgramState &state, QWidget *parent = nullptr);
    ~ScorePage() override;

    // The main window's page control: the timers watch its active page and
    // Process locks it.
    void setPageControl(QTabWidget *pages) { m_pages = pages; }
    void setDialogs(QDialog *purvex, QDialog *sonabel, QDialog *dataFile);

    // Reads the score data file of the current language and lists the
    // records of one category ("Name", "Business", "Address").
    void LoadScoreCategory(const QString &categoryWord);
    // The word of the category button that is down (tested Names, Address, Business).
    QString categoryOfDownButton() const;

    void ResetResults();
    void LoadCurrentRecord();
    void SetGenderLabel(int language, int n, const QString &code);
    void SetPatternLabel(int language, int n, int result);
    // The three target scores of the page's texts, then the Match animation.
    void ComputeScores();
    void setTargetScore(int which, int value);
    // The initial-data score of the pair the lists show, without animation.
    void rescoreInitialData();

    // Index of the entry shown in a list, or -1 when the user typed a text of their own.
    static int selectedIndex(const QComboBox *list);

    void sbProcessClick();
    void sbDataFileClick();
    void sbNamesClick();
    void sbBusinessClick();
    void sbAddressClick();
    void tmrScoreTimer();
    void tmrDCLTimer();
    void PlayPanelAnimation();
    void WaitForGauges();

    // Ends every wait: the window is closing.
    void abortWaits();
    // Tests run the animations at other speeds.
    void setTimerIntervals(int scoreMs, int frameMs);

    int PanelAnimation = 0;
    int AnimationFrame = 0;

    void applyLanguage(int language);

signals:
    // A panel animation frame was drawn: (panel, frame index in the image list).
    void frameDrawn(int panel, int frame);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // PipelineView
    QString itemText(int n) const override;
    QString purvexText(int n) const override;
    void setPurvexText(int n, const QString &text) override;
    QString sonabelText(int n) const override;
    void setSonabelText(int n, const QString &text) override;
    void setGenderFinding(int n, const QString &code) override;
    void setPatternFinding(int n, int result) override;

    CleansingPipeline pipeline();
    void buildLeftColumn(QFrame *frame);
    void buildWorkArea(QFrame *frame);
    void categoryClicked(const QString &word);
    void itemPicked(QComboBox *picked, QComboBox *partner);
    void noteListedEntries();
    void listTextChanged(int n);
    void itemTextChanged();
    // The target scores and the start of the Match animation, without waiting for it.
    void scoreWithoutWaiting();
    void startPanelAnimation();
    void showTextStarts();
    void clearResults();
    bool onScorePage() const;
    void wakeScoreTimer();
    void waitUntil(const std::function<bool()> &done);
    void wakeWaits();
    void setPushed(int panel, bool pushed);
    void panelClicked(int panel);
    void setProcessControlsEnabled(bool enabled);

    Engine &m_engine;
    ProgramState &m_state;
    QTabWidget *m_pages = nullptr;
    QDialog *m_optionDialogs[2] = {};
    QDialog *m_dataFileDialog = nullptr;

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
    QFrame *m_pushPanels[3] = {};
    QLabel *m_panelImages[3] = {};
    QLabel *m_banner = nullptr;
    std::array<QPixmap, 57> m_ilDCL;
    QTimer *m_tmrScore = nullptr;
    QTimer *m_tmrDCL = nullptr;
    std::vector<QEventLoop *> m_waits;
    bool m_closing = false;
    int m_animatedPanel = 0;
    int m_listedIndex[2] = {-1, -1};  // the entries the lists showed when last picked or loaded
    int m_pressedPanel = -1;
};

}  // namespace tarnwick

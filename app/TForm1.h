#pragma once
// The main window: four pages, the program-wide state, start-up, language
// switching and shut-down.
#include "core/ProgramState.h"

#include <QMainWindow>

#include <array>

class QTabWidget;
class QTextEdit;
class QTimer;

namespace tarnwick {

class Engine;
class LanguagePage;
class ScorePage;
class CapturePage;
namespace ui {
class FixedDialog;
}

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(Engine &engine, QWidget *parent = nullptr);
    ~TForm1() override;

    // The dialogs the language switch re-labels, in the order it visits them:
    // editor, search options, phonetic options, cleansing options, duplicates.
    void setDialogs(std::array<ui::FixedDialog *, 5> dialogs) { m_dialogs = dialogs; }

    void FormCreate();
    void FormActivate();
    void ApplyLanguage(int language);
    void ShowAboutText(int language);
    void tmrFlagTimer();
    void languageButtonClick(int language);

    ProgramState &state() { return m_state; }
    int EngineLanguage() const { return m_state.EngineLanguage; }
    ScorePage *scorePage() const { return m_scorePage; }
    LanguagePage *languagePage() const { return m_languagePage; }
    CapturePage *capturePage() const { return m_capturePage; }
    QTabWidget *pages() const { return m_pages; }

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *buildAboutPage();
    void applyOwnCaptions(int language);

    Engine &m_engine;
    ProgramState m_state;
    QTabWidget *m_pages = nullptr;
    LanguagePage *m_languagePage = nullptr;
    ScorePage *m_scorePage = nullptr;
    CapturePage *m_capturePage = nullptr;
    std::array<QTextEdit *, 5> m_about{};
    QTimer *m_tmrFlag = nullptr;
    std::array<ui::FixedDialog *, 5> m_dialogs{};
    bool m_activated = false;
};

}  // namespace tarnwick

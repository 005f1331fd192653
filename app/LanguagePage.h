#pragma once
// Page 0 of the main window: the five language buttons with their flags,
// the program picture, the rights notice and the legal notice.
#include <QWidget>

#include <array>

class QButtonGroup;
class QLabel;
class QTextEdit;
class QToolButton;

namespace tarnwick {

class LanguagePage : public QWidget {
    Q_OBJECT
public:
    explicit LanguagePage(QWidget *parent = nullptr);

    // In LanguageIndex order: English, French, German, Italian, Spanish.
    QToolButton *button(int language) const { return m_buttons[language - 1]; }
    // The language whose button is down, tested English, German, French, Spanish, Italian; 0 if none.
    int languageOfDownButton() const;
    QTextEdit *legalNotice() const { return m_legal; }

    void applyLanguage(int language);

signals:
    void languageButtonClicked(int language);

private:
    std::array<QToolButton *, 5> m_buttons{};
    QLabel *m_rights = nullptr;
    QTextEdit *m_legal = nullptr;
};

}  // namespace tarnwick

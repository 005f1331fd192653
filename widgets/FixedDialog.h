#pragma once
// Base of the program's dialogs: fixed size, close box only, centred on the
// main window, created once and shown modally whenever needed.
#include <QDialog>

namespace tarnwick::ui {

class FixedDialog : public QDialog {
    Q_OBJECT
public:
    FixedDialog(const char *objectName, const QString &caption, const QSize &clientSize, QWidget *parent);

    // Re-labels the dialog in a language; each dialog adds its own controls.
    virtual void applyLanguage(int language) = 0;

protected:
    void showEvent(QShowEvent *event) override;
};

}  // namespace tarnwick::ui

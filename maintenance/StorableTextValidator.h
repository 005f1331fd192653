#pragma once
// Refuses, as they are typed or pasted, characters a score data file line
// cannot carry: those without a Windows-1252 byte and those whose scrambled
// byte would break the line (the euro sign, the double dagger, 0x8D). The
// user is told at the field which character was not taken and why.
#include <QValidator>

class QLineEdit;

namespace tarnwick {

class StorableTextValidator : public QValidator {
    Q_OBJECT
public:
    explicit StorableTextValidator(QObject *parent = nullptr) : QValidator(parent) {}

    State validate(QString &input, int &pos) const override;
    // Index of the first character that may not be typed, or -1.
    qsizetype firstRefused(QStringView text) const;

    // Guards a field, with a notice at the field for every refusal.
    void attach(QLineEdit *field);

private:
    mutable QString m_lastRefused;  // the character the last refusal was about
};

}  // namespace tarnwick

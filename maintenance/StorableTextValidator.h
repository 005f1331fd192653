#pragma once
// Refuses, as they are typed or pasted, characters a text cannot carry: for a
// score data file line, those without a Windows-1252 byte and those whose
// scrambled byte would break the line (the euro sign, the double dagger, 0x8D);
// for text that only goes to the engine, those without a Windows-1252 byte.
#include <QValidator>

namespace tarnwick {

class StorableTextValidator : public QValidator {
    Q_OBJECT
public:
    enum class Target { ScoreFileLine, EngineText };
    explicit StorableTextValidator(Target target, QObject *parent = nullptr) : QValidator(parent), m_target(target) {}

    State validate(QString &input, int &pos) const override;
    // Index of the first character that may not be typed, or -1.
    qsizetype firstRefused(QStringView text) const;

private:
    Target m_target;
};

}  // namespace tarnwick

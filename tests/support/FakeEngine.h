#pragma once
// An engine that records every call and answers from simple rules, so tests
// can check call order and arguments without the real library.
#include "engine/Engine.h"

#include <QHash>
#include <QStringList>

#include <functional>

namespace tarnwick::testing {

class FakeEngine : public Engine {
public:
    QStringList calls;
    // Score returned for a pair when no rule below applies.
    std::function<int(const QString &, const QString &)> score = [](const QString &a, const QString &b) {
        return a == b ? 100 : 10;
    };
    QString genderCode = QStringLiteral("U");
    int patternResult = 0;
    int finishCount = 0;

    QString generatePhk(const QString &text, int lang, const PhkOptions &o) override
    {
        record(QStringLiteral("GeneratePHK(%1,%2,%3%4%5%6)")
                   .arg(text)
                   .arg(lang)
                   .arg(o.deleteVowels)
                   .arg(o.removeNumbers)
                   .arg(o.removeInitials)
                   .arg(o.compact));
        return text.toUpper();
    }
    QString abbreviate(const QString &t, int lang, int group) override { return group_(QStringLiteral("Abbreviate"), t, lang, group); }
    QString elaborate(const QString &t, int lang, int group) override { return group_(QStringLiteral("Elaborate"), t, lang, group); }
    QString exclude(const QString &t, int lang, int group) override { return group_(QStringLiteral("Exclude"), t, lang, group); }
    QString normalise(const QString &t, int lang, int group) override { return group_(QStringLiteral("Normalise"), t, lang, group); }
    QString gender(const QString &text, int lang, int format) override
    {
        record(QStringLiteral("Gender(%1,%2,%3)").arg(text).arg(lang).arg(format));
        return genderCode;
    }
    QString applyCase(const QString &text, int style) override
    {
        record(QStringLiteral("ApplyCase(%1,%2)").arg(text).arg(style));
        return text;
    }
    int patternMatch(const QString &text, int lang, int pattern) override
    {
        record(QStringLiteral("PatternMatch(%1,%2,%3)").arg(text).arg(lang).arg(pattern));
        return patternResult;
    }
    QString customTransform(const QString &text, const QString &c1, const QString &c2, int distinct,
                            int caseInsensitive) override
    {
        record(QStringLiteral("CustomTransform(%1,%2,%3,%4,%5)").arg(text, c1, c2).arg(distinct).arg(caseInsensitive));
        return text;
    }
    QString customExclude(const QString &text, const QString &c1, const QString &c2, int keep) override
    {
        record(QStringLiteral("CustomExclude(%1,%2,%3,%4)").arg(text, c1, c2).arg(keep));
        return text;
    }
    void finish() override
    {
        ++finishCount;
        record(QStringLiteral("Finish"));
    }

protected:
    int rawMatchIt(const QString &a, const QString &b) override
    {
        record(QStringLiteral("MatchIt(%1,%2)").arg(a, b));
        return score(a, b);
    }

private:
    void record(const QString &call) { calls.append(call); }
    QString group_(const QString &name, const QString &text, int lang, int group)
    {
        record(QStringLiteral("%1(%2,%3,%4)").arg(name, text).arg(lang).arg(group));
        return text;
    }
};

}  // namespace tarnwick::testing

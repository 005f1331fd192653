#pragma once
// An engine whose every result shows the call, the language and the input,
// so a test can see which text went through which call.
#include "engine/Engine.h"

namespace tarnwick::test {

class MarkingEngine final : public Engine {
public:
    QString generatePhk(const QString &text, int lang, const PhkOptions &) override { return mark("P", text, lang); }
    QString normalise(const QString &text, int lang, int group) override { return mark("N", text, lang, group); }
    QString exclude(const QString &text, int lang, int group) override { return mark("X", text, lang, group); }
    QString abbreviate(const QString &text, int lang, int group) override { return mark("A", text, lang, group); }
    QString elaborate(const QString &text, int lang, int group) override { return mark("E", text, lang, group); }
    QString gender(const QString &, int, int) override { return QStringLiteral("U"); }
    QString applyCase(const QString &text, int) override { return text; }
    int patternMatch(const QString &, int, int) override { return 0; }
    QString customTransform(const QString &text, const QString &, const QString &, int, int) override { return text; }
    QString customExclude(const QString &text, const QString &, const QString &, int) override { return text; }
    void finish() override {}

protected:
    int rawMatchIt(const QString &a, const QString &b) override { return a == b ? 100 : 0; }

private:
    static QString mark(const char *call, const QString &text, int lang, int group = -1)
    {
        return QStringLiteral("%1%2/%3(%4)").arg(QLatin1StringView(call)).arg(lang).arg(group).arg(text);
    }
};

}  // namespace tarnwick::test

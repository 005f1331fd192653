#pragma once
// Binding to the engine library's exports. Result buffers are 256 bytes with a
// capacity of 254, as the library expects; the result is read up to the first
// NUL within the buffer, so a misbehaving library cannot make us read beyond it.
#include "engine/Engine.h"

namespace tarnwick {

class VeskorEngine final : public Engine {
public:
    static constexpr int kBufferSize = 256;
    static constexpr int kCapacity = 254;

    QString generatePhk(const QString &text, int lang, const PhkOptions &options) override;
    QString abbreviate(const QString &text, int lang, int group) override;
    QString elaborate(const QString &text, int lang, int group) override;
    QString exclude(const QString &text, int lang, int group) override;
    QString normalise(const QString &text, int lang, int group) override;
    QString gender(const QString &text, int lang, int nameFormat) override;
    QString applyCase(const QString &text, int caseStyle) override;
    int patternMatch(const QString &text, int lang, int pattern) override;
    QString customTransform(const QString &text, const QString &custom1, const QString &custom2, int distinctWords,
                            int caseInsensitive) override;
    QString customExclude(const QString &text, const QString &custom1, const QString &custom2,
                          int keepDelimiter) override;
    void finish() override;

protected:
    int rawMatchIt(const QString &text1, const QString &text2) override;
};

}  // namespace tarnwick

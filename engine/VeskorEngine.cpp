#include "VeskorEngine.h"

#include "core/Cp1252.h"
#include "core/EngineFold.h"

#include <veskor32.h>

#include <array>
#include <cstring>
#include <vector>

namespace tarnwick {
namespace {

// Input text as NUL-terminated Windows-1252, on the stack for ordinary
// lengths so the duplicate scan allocates nothing per call. Characters the
// engine cannot read are folded to their closest Windows-1252 letters first.
class EngineText {
public:
    explicit EngineText(const QString &text)
    {
        if (Cp1252::canEncode(text)) {
            encode(text);
        } else {
            m_folded = foldForEngine(text).text;
            encode(m_folded);
        }
    }
    const char *get() const { return m_data; }

private:
    void encode(const QString &text)
    {
        char *dst = m_small.data();
        if (text.size() >= qsizetype(m_small.size())) {
            m_large.resize(size_t(text.size()) + 1);
            dst = m_large.data();
        }
        Cp1252::encodeInto(text, dst, text.size());
        m_data = dst;
    }

    QString m_folded;
    std::array<char, 512> m_small;  // left uninitialised: filled before use
    std::vector<char> m_large;
    const char *m_data = nullptr;
};

class ResultBuffer {
public:
    char *data() { return m_bytes.data(); }
    QString text() const
    {
        const void *nul = std::memchr(m_bytes.data(), 0, m_bytes.size());
        const qsizetype n = nul ? static_cast<const char *>(nul) - m_bytes.data() : qsizetype(m_bytes.size());
        return Cp1252::decode(QByteArrayView(m_bytes.data(), n));
    }

private:
    std::array<char, VeskorEngine::kBufferSize> m_bytes{};
};

using GroupCall = int VESKOR_CALL (*)(const char *, char *, int, int, int);

QString groupCall(GroupCall call, const QString &text, int lang, int group)
{
    const EngineText in(text);
    ResultBuffer out;
    call(in.get(), out.data(), VeskorEngine::kCapacity, lang, group);
    return out.text();
}

}  // namespace

int VeskorEngine::rawMatchIt(const QString &text1, const QString &text2)
{
    const EngineText a(text1), b(text2);
    int score = 0;
    MatchIt(a.get(), b.get(), &score, 0);
    return score;
}

QString VeskorEngine::generatePhk(const QString &text, int lang, const PhkOptions &o)
{
    const EngineText in(text);
    ResultBuffer out;
    GeneratePHK(in.get(), out.data(), kCapacity, lang, o.deleteVowels, o.removeNumbers, o.removeInitials, o.compact,
                0, 0);
    return out.text();
}

QString VeskorEngine::abbreviate(const QString &text, int lang, int group)
{
    return groupCall(&Abbreviate, text, lang, group);
}
QString VeskorEngine::elaborate(const QString &text, int lang, int group)
{
    return groupCall(&Elaborate, text, lang, group);
}
QString VeskorEngine::exclude(const QString &text, int lang, int group) { return groupCall(&Exclude, text, lang, group); }
QString VeskorEngine::normalise(const QString &text, int lang, int group)
{
    return groupCall(&Normalise, text, lang, group);
}

QString VeskorEngine::gender(const QString &text, int lang, int nameFormat)
{
    const EngineText in(text);
    ResultBuffer out;
    Gender(in.get(), out.data(), kCapacity, lang, nameFormat);
    return out.text();
}

QString VeskorEngine::applyCase(const QString &text, int caseStyle)
{
    const EngineText in(text);
    ResultBuffer out;
    ApplyCase(in.get(), out.data(), kCapacity, caseStyle);
    return out.text();
}

int VeskorEngine::patternMatch(const QString &text, int lang, int pattern)
{
    const EngineText in(text);
    int result = 0;
    PatternMatch(in.get(), &result, lang, pattern);
    return result;
}

QString VeskorEngine::customTransform(const QString &text, const QString &custom1, const QString &custom2,
                                      int distinctWords, int caseInsensitive)
{
    const EngineText in(text), c1(custom1), c2(custom2);
    ResultBuffer out;
    CustomTransform(in.get(), out.data(), kCapacity, c1.get(), c2.get(), distinctWords, caseInsensitive);
    return out.text();
}

QString VeskorEngine::customExclude(const QString &text, const QString &custom1, const QString &custom2,
                                    int keepDelimiter)
{
    const EngineText in(text), c1(custom1), c2(custom2);
    ResultBuffer out;
    CustomExclude(in.get(), out.data(), kCapacity, c1.get(), c2.get(), keepDelimiter);
    return out.text();
}

void VeskorEngine::finish() { Finish(); }

}  // namespace tarnwick

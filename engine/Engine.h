#pragma once
// The program's view of the engine: one call per export, texts as QString.
// The real binding (VeskorEngine) converts to Windows-1252 at this boundary;
// tests substitute a recording fake.
#include <QString>

namespace tarnwick {

struct PhkOptions {
    int deleteVowels = 0;
    int removeNumbers = 0;
    int removeInitials = 0;
    int compact = 0;
};

class Engine {
public:
    virtual ~Engine() = default;

    // 0..100. Two empty texts score 0 whatever the engine says.
    int matchIt(const QString &text1, const QString &text2)
    {
        if (text1.isEmpty() && text2.isEmpty())
            return 0;
        return rawMatchIt(text1, text2);
    }

    virtual QString generatePhk(const QString &text, int lang, const PhkOptions &options) = 0;
    virtual QString abbreviate(const QString &text, int lang, int group) = 0;
    virtual QString elaborate(const QString &text, int lang, int group) = 0;
    virtual QString exclude(const QString &text, int lang, int group) = 0;
    virtual QString normalise(const QString &text, int lang, int group) = 0;
    virtual QString gender(const QString &text, int lang, int nameFormat) = 0;
    virtual QString applyCase(const QString &text, int caseStyle) = 0;
    virtual int patternMatch(const QString &text, int lang, int pattern) = 0;
    virtual QString customTransform(const QString &text, const QString &custom1, const QString &custom2,
                                    int distinctWords, int caseInsensitive) = 0;
    virtual QString customExclude(const QString &text, const QString &custom1, const QString &custom2,
                                  int keepDelimiter) = 0;
    virtual void finish() = 0;

protected:
    virtual int rawMatchIt(const QString &text1, const QString &text2) = 0;
};

// Element groups of the word-group calls.
namespace ElementGroup {
inline constexpr int Name = 12;
inline constexpr int NamePrefix = 7;
inline constexpr int NameSuffix = 6;
inline constexpr int Occupations = 4;
inline constexpr int Numbering = 5;
inline constexpr int Business = 1;
inline constexpr int Thoroughfares = 0;
inline constexpr int Buildings = 8;
inline constexpr int Localities = 9;
inline constexpr int Countries = 2;
}  // namespace ElementGroup

}  // namespace tarnwick

#include "EngineFold.h"

#include "Cp1252.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <memory>

namespace tarnwick {
namespace {

// Transliterators are costly to make and not safe to share between threads:
// one of each per thread, made on first use.
class Transliterators {
public:
    static Transliterators &forThisThread()
    {
        thread_local Transliterators instance;
        return instance;
    }
    QString toLatin(QStringView text) { return apply(m_anyLatin.get(), text); }
    QString toAscii(QStringView text) { return apply(m_latinAscii.get(), text); }

private:
    Transliterators() : m_anyLatin(make("Any-Latin")), m_latinAscii(make("Latin-ASCII")) {}

    static std::unique_ptr<icu::Transliterator> make(const char *id)
    {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> t(
            icu::Transliterator::createInstance(icu::UnicodeString(id, -1, US_INV), UTRANS_FORWARD, status));
        return U_SUCCESS(status) ? std::move(t) : nullptr;
    }
    static QString apply(icu::Transliterator *t, QStringView text)
    {
        if (!t)
            return text.toString();
        icu::UnicodeString u(reinterpret_cast<const UChar *>(text.utf16()), int32_t(text.size()));
        t->transliterate(u);
        return QString(reinterpret_cast<const QChar *>(u.getBuffer()), u.length());
    }

    std::unique_ptr<icu::Transliterator> m_anyLatin;
    std::unique_ptr<icu::Transliterator> m_latinAscii;
};

bool encodable(QStringView s) { return Cp1252::canEncode(s); }

// One character (a code point, maybe two UTF-16 units) that Windows-1252
// lacks, already in Latin where its script allows: its closest letters, or
// an empty string when it has none.
QString foldLetter(QStringView letter, Transliterators &t)
{
    // A letter with several marks keeps those Windows-1252 has: "ǘ" is "ü".
    QString decomposed = letter.toString().normalized(QString::NormalizationForm_D);
    while (decomposed.size() > 1 && decomposed.back().isMark()) {
        decomposed.chop(1);
        const QString composed = decomposed.normalized(QString::NormalizationForm_C);
        if (encodable(composed))
            return composed;
    }
    // Letters of their own ("Ł", "đ", "ı") and typographic signs.
    QString ascii = t.toAscii(letter);
    if (!ascii.isEmpty() && encodable(ascii) && ascii != letter)
        return ascii;
    return {};
}

}  // namespace

FoldedText foldForEngine(QStringView text)
{
    FoldedText out;
    if (encodable(text)) {
        out.text = text.toString();
        return out;
    }
    Transliterators &t = Transliterators::forThisThread();
    // Composed first, so "e" followed by a combining acute is simply "é".
    const QString nfc = text.toString().normalized(QString::NormalizationForm_C);
    out.text.reserve(nfc.size());
    qsizetype i = 0;
    while (i < nfc.size()) {
        if (Cp1252::byteOf(nfc[i]) >= 0) {
            out.text.append(nfc[i++]);
            continue;
        }
        // A run of characters Windows-1252 lacks goes to Latin as one piece,
        // so a word in another script keeps its context.
        qsizetype end = i;
        while (end < nfc.size() && Cp1252::byteOf(nfc[end]) < 0)
            ++end;
        const QString latin = t.toLatin(QStringView(nfc).mid(i, end - i));
        for (qsizetype k = 0; k < latin.size();) {
            const qsizetype n = latin[k].isHighSurrogate() && k + 1 < latin.size() ? 2 : 1;
            const QStringView letter = QStringView(latin).mid(k, n);
            k += n;
            if (encodable(letter)) {
                out.text.append(letter);
                continue;
            }
            const QString folded = foldLetter(letter, t);
            if (!folded.isEmpty())
                out.text.append(folded);
            else if (!out.dropped.contains(letter))
                out.dropped.append(letter);
        }
        i = end;
    }
    return out;
}

QString unreadableByEngine(QStringView text)
{
    return encodable(text) ? QString() : foldForEngine(text).dropped;
}

}  // namespace tarnwick

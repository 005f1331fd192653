#include "match/Words.h"

#include "text/Charset.h"

namespace veskor::match {

void splitWords(const char *text, Words &out)
{
    using text::Byte;
    const auto *p = reinterpret_cast<const Byte *>(text);
    out.count = 0;
    out.hasDigits = false;
    int f = 0, at = 0;
    while (at < kMaxTextBytes && p[at] && out.count < kMaxWords) {
        if (!text::isAlnum(p[at])) {
            ++at;
            continue;
        }
        Word &w = out.word[out.count];
        w.folded = static_cast<short>(f);
        w.raw = static_cast<short>(at);
        int length = 0;
        for (; at < kMaxTextBytes && text::isAlnum(p[at]); ++at) {
            const Byte c = p[at];
            out.hasDigits = out.hasDigits || text::isDigit(c);
            const Byte first = text::isDigit(c) ? c : text::foldBase(c);
            const Byte second = text::foldSecond(c);
            if (length < kMaxWordChars)
                out.folded[f + length++] = static_cast<char>(first);
            if (second && length < kMaxWordChars)
                out.folded[f + length++] = static_cast<char>(second);
        }
        w.length = static_cast<short>(length);
        w.numeric = true;
        for (int k = 0; k < length; ++k)
            w.numeric = w.numeric && text::isDigit(static_cast<Byte>(out.folded[f + k]));
        w.rawLength = static_cast<short>(at - w.raw);
        w.truncated = !w.numeric && length >= 2 && at < kMaxTextBytes && p[at] == '.';
        f += length;
        ++out.count;
    }
    out.foldedLength = f;
}

void prepare(const char *text, const Relations &relations, PreparedWords &out)
{
    splitWords(text, out.words);
    out.related = nullptr;
    for (int i = 0; i < out.words.count; ++i) {
        const Word &w = out.words.word[i];
        buildMasks(out.words.folded + w.folded, w.length, out.masks[i]);
        const char *folded = out.words.folded + w.folded;
        out.partners[i] = !w.numeric && relations.mayRelate(folded, w.length)
                              ? relations.partnersOf(Relations::hashOf(folded, w.length))
                              : Relations::Partners{};
        if (out.partners[i].count)
            out.related = &relations;
    }
    if (out.words.foldedLength <= kMaxWordChars)
        buildMasks(out.words.folded, out.words.foldedLength, out.joined);
}

}  // namespace veskor::match

#include "phonetic/Phonetic.h"

#include "phonetic/Encoder.h"
#include "text/Charset.h"

namespace veskor::phonetic {

namespace {

using text::Byte;

constexpr int kMaxKeyWord = 255;

constexpr bool isKeyVowel(char c) { return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U'; }

// Key of one input word (letters and digits): letter runs through the
// language's encoder, digits as they are. Returns its length (maybe 0).
int keyWord(const Encoder &encoder, const Byte *word, int length, KeyOptions options, char *out)
{
    int o = 0;
    char sounds[kMaxWordKey];
    for (int i = 0; i < length;) {
        int j = i;
        if (text::isDigit(word[i])) {
            while (j < length && text::isDigit(word[j]))
                ++j;
            for (int k = i; k < j && !options.removeNumbers && o < kMaxKeyWord; ++k)
                out[o++] = static_cast<char>(word[k]);
        } else {
            while (j < length && !text::isDigit(word[j]))
                ++j;
            const int n = encoder.encode(word + i, j - i, sounds);
            for (int k = 0; k < n && o < kMaxKeyWord; ++k)
                out[o++] = sounds[k];
        }
        i = j;
    }
    if (!options.deleteVowels || o == 0)
        return o;
    int kept = 1;
    for (int k = 1; k < o; ++k)
        if (!isKeyVowel(out[k]))
            out[kept++] = out[k];
    return kept;
}

}  // namespace

int generateKey(const char *text, Lang lang, KeyOptions options, char *out, int capacity)
{
    if (!out)
        return 0;
    if (capacity < 0)
        capacity = 0;
    int written = 0;
    if (text) {
        const Encoder &encoder = encoderFor(lang);
        const auto *p = reinterpret_cast<const Byte *>(text);
        char word[kMaxKeyWord];
        while (*p && written < capacity) {
            while (*p && !text::isAlnum(*p))
                ++p;
            const Byte *start = p;
            int letters = 0;
            while (text::isAlnum(*p))
                letters += text::isLetter(*p++) ? 1 : 0;
            const int length = static_cast<int>(p - start);
            if (length == 0 || (options.removeInitials && length == 1 && letters == 1))
                continue;
            const int n = keyWord(encoder, start, length, options, word);
            if (n == 0)
                continue;
            // A separator only when some of the word fits after it.
            if (written > 0 && !options.compact) {
                if (written + 1 >= capacity)
                    break;
                out[written++] = ' ';
            }
            for (int k = 0; k < n && written < capacity; ++k)
                out[written++] = word[k];
        }
    }
    out[written] = '\0';
    return written;
}

void release() {}

}  // namespace veskor::phonetic

// The C interface. Every export takes whatever the caller passes: null texts
// count as empty, null buffers are left alone, capacities below 0 count as 0,
// and language codes outside 1..5 mean English.
#include "veskor32.h"

#include "cleanse/Case.h"
#include "cleanse/Custom.h"
#include "cleanse/WordGroups.h"
#include "detect/Gender.h"
#include "detect/Pattern.h"
#include "dict/Store.h"
#include "match/Match.h"
#include "phonetic/Phonetic.h"
#include "text/Writer.h"

#include <cstring>
#include <string_view>

namespace {

using veskor::text::Byte;

struct Text {
    const Byte *data;
    size_t size;
};

Text textOf(const char *s)
{
    if (!s)
        return {reinterpret_cast<const Byte *>(""), 0};
    return {reinterpret_cast<const Byte *>(s), std::strlen(s)};
}

std::string_view viewOf(const char *s) { return s ? std::string_view(s) : std::string_view(); }

int wordGroupCall(veskor::cleanse::Method method, const char *text, char *buffer, int capacity, int lang, int group)
{
    veskor::text::Writer out(buffer, capacity);
    const Text t = textOf(text);
    veskor::cleanse::applyMethod(veskor::dict::dictionary(veskor::langFrom(lang), group), method, t.data, t.size, out);
    return out.finish();
}

}  // namespace

extern "C" {

VESKOR_API int VESKOR_CALL MatchIt(const char *text1, const char *text2, int *score, int /*option*/)
{
    const int value = veskor::match::score(text1 ? text1 : "", text2 ? text2 : "");
    if (score)
        *score = value;
    return value;
}

VESKOR_API int VESKOR_CALL GeneratePHK(const char *text, char *buffer, int capacity, int lang, int deleteVowels,
                                       int removeNumbers, int removeInitials, int compact, int /*reserved1*/,
                                       int /*reserved2*/)
{
    if (!buffer)
        return 0;
    const int cap = capacity > 0 ? capacity : 0;
    buffer[cap] = '\0';  // the key never reaches past cap, so this only guards the end
    veskor::phonetic::KeyOptions options;
    options.deleteVowels = deleteVowels != 0;
    options.removeNumbers = removeNumbers != 0;
    options.removeInitials = removeInitials != 0;
    options.compact = compact != 0;
    const int n = veskor::phonetic::generateKey(text ? text : "", veskor::langFrom(lang), options, buffer, cap);
    return n < 0 ? 0 : (n > cap ? cap : n);
}

VESKOR_API int VESKOR_CALL Abbreviate(const char *text, char *buffer, int capacity, int lang, int group)
{
    return wordGroupCall(veskor::cleanse::Method::Abbreviate, text, buffer, capacity, lang, group);
}

VESKOR_API int VESKOR_CALL Elaborate(const char *text, char *buffer, int capacity, int lang, int group)
{
    return wordGroupCall(veskor::cleanse::Method::Elaborate, text, buffer, capacity, lang, group);
}

VESKOR_API int VESKOR_CALL Exclude(const char *text, char *buffer, int capacity, int lang, int group)
{
    return wordGroupCall(veskor::cleanse::Method::Exclude, text, buffer, capacity, lang, group);
}

VESKOR_API int VESKOR_CALL Normalise(const char *text, char *buffer, int capacity, int lang, int group)
{
    return wordGroupCall(veskor::cleanse::Method::Normalise, text, buffer, capacity, lang, group);
}

VESKOR_API int VESKOR_CALL Gender(const char *text, char *buffer, int capacity, int lang, int nameFormat)
{
    const Text t = textOf(text);
    veskor::text::Writer out(buffer, capacity);
    out.put(static_cast<Byte>(veskor::detect::gender(t.data, t.size, veskor::langFrom(lang), nameFormat)));
    return out.finish();
}

VESKOR_API int VESKOR_CALL ApplyCase(const char *text, char *buffer, int capacity, int caseStyle)
{
    const Text t = textOf(text);
    veskor::text::Writer out(buffer, capacity, false);
    veskor::cleanse::applyCase(t.data, t.size, caseStyle, out);
    return out.finish();
}

VESKOR_API int VESKOR_CALL PatternMatch(const char *text, int *result, int lang, int pattern)
{
    if (!result)
        return 0;
    const Text t = textOf(text);
    *result = veskor::detect::hasPattern(t.data, t.size, veskor::langFrom(lang), pattern) ? -1 : 0;
    return *result;
}

VESKOR_API int VESKOR_CALL CustomTransform(const char *text, char *buffer, int capacity, const char *custom1,
                                           const char *custom2, int distinctWords, int caseInsensitive)
{
    veskor::text::Writer out(buffer, capacity);
    veskor::cleanse::customTransform(viewOf(text), viewOf(custom1), viewOf(custom2), distinctWords != 0,
                                     caseInsensitive != 0, out);
    return out.finish();
}

VESKOR_API int VESKOR_CALL CustomExclude(const char *text, char *buffer, int capacity, const char *custom1,
                                         const char *custom2, int keepDelimiter)
{
    veskor::text::Writer out(buffer, capacity);
    veskor::cleanse::customExclude(viewOf(text), viewOf(custom1), viewOf(custom2), keepDelimiter != 0, out);
    return out.finish();
}

VESKOR_API int VESKOR_CALL Finish(void)
{
    veskor::dict::release();
    veskor::phonetic::release();
    veskor::match::release();
    return 0;
}

}  // extern "C"

/* Tarnwick engine library: cleansing, phonetic keys, gender, patterns and scoring.
 *
 * Texts are NUL-terminated Windows-1252 strings; numbers are 32-bit integers.
 * Every call that writes text writes at most `capacity` characters plus the
 * terminating NUL into `buffer` (so the buffer needs capacity + 1 bytes) and
 * always terminates it; a negative capacity counts as 0 and a null buffer is
 * left alone. Null input texts count as empty.
 *
 * `lang`: 1 English, 2 French, 3 German, 4 Italian, 5 Spanish; anything else
 * is taken as English.
 *
 * Element groups (the `group` argument of the word-group calls):
 *   12 forenames          7 titles and salutations   6 name suffixes
 *    4 occupations         5 numbering               1 business words, legal forms
 *    0 thoroughfare types  8 buildings and units     9 directions, locality words
 *    2 countries
 * Any other group code leaves the text as it is (spaces tidied).
 *
 * Return values carry no error information: text calls return the length
 * written, MatchIt and PatternMatch return the value they store.
 *
 * Threads: every export is safe to call from several threads at once, on the
 * same or different texts; each thread keeps its own scratch state (MatchIt's
 * one-against-many cache) and the word-group dictionaries are loaded once, on
 * first use, whichever thread gets there first. The one exception is Finish,
 * below.
 */
#ifndef VESKOR32_H
#define VESKOR32_H

#if defined(_WIN32) && !defined(_WIN64)
#define VESKOR_CALL __stdcall
#else
#define VESKOR_CALL
#endif

#if defined(_WIN32)
#if defined(VESKOR32_BUILDING)
#define VESKOR_API __declspec(dllexport)
#else
#define VESKOR_API __declspec(dllimport)
#endif
#else
#define VESKOR_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Similarity of two texts, 0 (unrelated) to 100 (identical), stored in *score.
 * Symmetric; 0 when either text is empty. `option` is reserved (pass 0).
 * A word followed by a full stop counts as cut short: it meets the word it
 * starts or contracts. Key words of forenames meet the nicknames that stand
 * for them, and a man's and a woman's look-alike forenames stay apart. */
VESKOR_API int VESKOR_CALL MatchIt(const char *text1, const char *text2, int *score, int option);

/* Phonetic key of `text`, one key word per input word, upper case. Numbers key
 * as their figures (digits, number words, ordinals, Roman numerals: a number
 * written in several words is one key word); a word written cut short keeps a
 * full stop after its key word (not in compact keys).
 * Flags are 0 or 1: drop vowels after a word's first letter, drop digits,
 * drop one-letter words, join the key words without spaces. The last two
 * arguments are reserved (pass 0). */
VESKOR_API int VESKOR_CALL GeneratePHK(const char *text, char *buffer, int capacity, int lang,
                                       int deleteVowels, int removeNumbers, int removeInitials,
                                       int compact, int reserved1, int reserved2);

/* Word-group methods: long forms to short forms, short to long, removal,
 * and every variant to its canonical form (numbers: to their figures). Whole
 * words or phrases, longest first, case- and accent-insensitive, full stops
 * inside abbreviations ignored; a full stop ending a replaced or removed
 * abbreviation goes with it. A replacement follows the case of what it
 * replaces. A short form that stands for several names stays as written.
 * Exclude writes trade and institution words out instead of removing them,
 * and removes nothing from a text made only of the group's words. The rest
 * of the text is kept; spaces are tidied. */
VESKOR_API int VESKOR_CALL Abbreviate(const char *text, char *buffer, int capacity, int lang, int group);
VESKOR_API int VESKOR_CALL Elaborate(const char *text, char *buffer, int capacity, int lang, int group);
VESKOR_API int VESKOR_CALL Exclude(const char *text, char *buffer, int capacity, int lang, int group);
VESKOR_API int VESKOR_CALL Normalise(const char *text, char *buffer, int capacity, int lang, int group);

/* Writes "M", "F" or "U". Gendered titles decide first (titles that disagree,
 * as in "Mr and Mrs", give "U"); otherwise the forename, as the language's
 * forenames have it. nameFormat: 2 forename first, 1 forename last (after a
 * comma when there is one), 0 unknown (first word, then last). */
VESKOR_API int VESKOR_CALL Gender(const char *text, char *buffer, int capacity, int lang, int nameFormat);

/* caseStyle: 0 mixed (each word capitalised, also after a hyphen and after
 * "O'"-style prefixes), 1 lower, 2 upper; other values copy the text. */
VESKOR_API int VESKOR_CALL ApplyCase(const char *text, char *buffer, int capacity, int caseStyle);

/* *result = -1 when the text has the pattern, 0 when not (also for pattern
 * values outside 0..3); a null result is left alone.
 * pattern: 0 company, 1 contact, 2 e-mail address, 3 web site. */
VESKOR_API int VESKOR_CALL PatternMatch(const char *text, int *result, int lang, int pattern);

/* Every occurrence of custom1 becomes custom2; distinctWords: whole words
 * only; caseInsensitive: letters match regardless of case. An empty custom1
 * changes nothing but the spacing. */
VESKOR_API int VESKOR_CALL CustomTransform(const char *text, char *buffer, int capacity,
                                           const char *custom1, const char *custom2,
                                           int distinctWords, int caseInsensitive);

/* Removes every span from custom1 to the next custom2 (to the end of the text
 * when custom2 is empty or absent); keepDelimiter keeps the two delimiters.
 * Delimiters match exactly (case counts); an empty custom1 changes nothing
 * but the spacing. */
VESKOR_API int VESKOR_CALL CustomExclude(const char *text, char *buffer, int capacity,
                                         const char *custom1, const char *custom2, int keepDelimiter);

/* Releases the dictionaries; later calls load them again, so calling on after
 * Finish works. Finish must not overlap any other call: a call in flight may
 * still be reading a dictionary it frees. Call it once no other thread is
 * inside the library (at exit, after all work has ended). MatchIt's caches
 * belong to their threads and go with them. */
VESKOR_API int VESKOR_CALL Finish(void);

#ifdef __cplusplus
}
#endif

#endif

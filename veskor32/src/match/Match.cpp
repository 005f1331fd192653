#include "match/Match.h"

#include <atomic>
#include <cmath>
#include <cstring>

#include "match/Assignment.h"
#include "match/Words.h"

namespace veskor::match {

namespace {

// Same letters, different case or accents: most of the difference is kept
// for the cleansing steps to win back, but the texts are still the same word.
constexpr float kCaseCost = 0.1f;
// Two different numbers (house numbers, postcodes) are evidence against, not
// a typo to forgive.
constexpr float kNumberMismatch = -0.5f;
constexpr float kMinNumberWeight = 4;
// An initial against a word starting with that letter.
constexpr float kInitialMatch = 0.75f;
// Words run together or split (Gian Luca / Gianluca, Mac Donald / MacDonald).
constexpr float kJoinedCost = 0.97f;
// A word cut short with a full stop that starts the other word ("Gymn." /
// "Gymnasium"), or whose letters the other holds in order from the same first
// letter, a contraction ("Bgm." / "Burgermeister"). Without the full stop a
// shorter word is a name of its own (Martin / Martinez, Bianchi / Bianchini).
constexpr float kTruncation = 0.92f;
constexpr float kContraction = 0.85f;
// A nickname and a name it stands for; a man's and a woman's look-alike forenames.
constexpr float kSameName = 0.92f;
constexpr float kOtherGender = 0.2f;

struct Side {
    const Words &words;
    const char *raw;
    const Relations::Partners *partners = nullptr;  // the prepared side's
    const Relations *related = nullptr;             // set when any of them has partners
};

float caseSimilarity(const char *a, int na, const char *b, int nb)
{
    const int shorter = na < nb ? na : nb, longer = na < nb ? nb : na;
    int differing = longer - shorter;
    for (int i = 0; i < shorter; ++i)
        differing += a[i] != b[i];
    return differing == 0 ? 1.0f : 1.0f - kCaseCost * static_cast<float>(differing) / static_cast<float>(longer);
}

// Normalised edit distance, raised for a shared start (Winkler's observation:
// names that start alike are more often the same).
float letterSimilarity(const char *a, int na, const char *b, int nb, const PatternMasks &bMasks)
{
    const int longer = na > nb ? na : nb;
    // Cheap lower bounds on the distance first: most pairs in a scan are
    // unrelated and need no full comparison.
    int lower = na > nb ? na - nb : nb - na, missing = 0;
    for (int i = 0; i < na; ++i)
        missing += bMasks.bits[charCode(static_cast<unsigned char>(a[i]))] == 0;
    lower = missing > lower ? missing : lower;
    if (3 * lower > 2 * longer)
        return 0;
    const int distance = osaDistance(bMasks, nb, a, na);
    if (3 * distance > 2 * longer)
        return 0;  // under a third of the letters in common: unrelated words
    float s = 1.0f - static_cast<float>(distance) / static_cast<float>(longer);
    if (s >= 0.5f) {
        int prefix = 0;
        while (prefix < 4 && prefix < na && prefix < nb && a[prefix] == b[prefix])
            ++prefix;
        s += 0.1f * static_cast<float>(prefix) * (1.0f - s);
    }
    return s;
}

// How a word written cut short (short, with its full stop) stands to a longer
// word: 0 when it is no cut of it.
float truncationSimilarity(const char *cut, int nc, const char *full, int nf)
{
    if (nc >= nf || cut[0] != full[0])
        return 0;
    if (std::memcmp(cut, full, static_cast<size_t>(nc)) == 0)
        return kTruncation;
    int k = 1;
    for (int i = 1; i < nf && k < nc; ++i)
        k += full[i] == cut[k];
    return k == nc ? kContraction : 0;
}

// Hashes of text1's words, made when a prepared word first needs one.
// 0 for a word no relation holds (told by its length and letters, without hashing).
struct LazyHashes {
    explicit LazyHashes(const Relations *r) : relations(r) {}
    const Relations *relations;  // null: the prepared side has no related words
    std::uint64_t value[kMaxWords];
    std::uint32_t made = 0;
    std::uint64_t of(const Words &w, int i)
    {
        if (!(made & (1u << i))) {
            const char *folded = w.folded + w.word[i].folded;
            const int length = w.word[i].length;
            value[i] = relations->mayRelate(folded, length) ? Relations::hashOf(folded, length) : 0;
            made |= 1u << i;
        }
        return value[i];
    }
};

float wordSimilarity(const Side &x, int i, const Side &y, int j, const PatternMasks &masks, LazyHashes &hashes)
{
    const Word &a = x.words.word[i], &b = y.words.word[j];
    const char *fa = x.words.folded + a.folded, *fb = y.words.folded + b.folded;
    if (a.length == b.length && std::memcmp(fa, fb, static_cast<size_t>(a.length)) == 0)
        return caseSimilarity(x.raw + a.raw, a.rawLength, y.raw + b.raw, b.rawLength);
    if (a.numeric && b.numeric)
        return kNumberMismatch;
    if (hashes.relations && y.partners[j].count && !a.numeric && y.partners[j].mayHold(fa[0])) {
        const Relation r = y.partners[j].find(hashes.of(x.words, i));
        if (r == Relation::SameName)
            return kSameName;
        if (r == Relation::OtherGender)
            return kOtherGender;
    }
    if (a.truncated || b.truncated) {
        const float t = a.length < b.length ? (a.truncated ? truncationSimilarity(fa, a.length, fb, b.length) : 0)
                                            : (b.truncated ? truncationSimilarity(fb, b.length, fa, a.length) : 0);
        if (t > 0)
            return t;
    }
    if ((a.length == 1 || b.length == 1) && fa[0] == fb[0])
        return kInitialMatch;
    const float s = letterSimilarity(fa, a.length, fb, b.length, masks);
    return s > 0 ? s * std::sqrt(s) : 0;
}

// Longer words carry more of the identity, up to a point; a number carries
// more per character than letters do.
float weight(const Word &w)
{
    const float letters = static_cast<float>(w.length < 12 ? w.length : 12);
    return w.numeric && letters < kMinNumberWeight ? kMinNumberWeight : letters;
}

bool sameNumbers(const Words &x, const Words &y)
{
    if (!x.hasDigits && !y.hasDigits)
        return true;
    int i = 0, j = 0;
    for (;; ++i, ++j) {
        while (i < x.count && !x.word[i].numeric)
            ++i;
        while (j < y.count && !y.word[j].numeric)
            ++j;
        if (i == x.count || j == y.count)
            return i == x.count && j == y.count;
        const Word &a = x.word[i], &b = y.word[j];
        if (a.length != b.length ||
            std::memcmp(x.folded + a.folded, y.folded + b.folded, static_cast<size_t>(a.length)) != 0)
            return false;
    }
}

float joinedSimilarity(const Words &x, const PreparedWords &y)
{
    // Only where the split is the difference: the word counts differ and the
    // numbers are the same (Tannen-Straße 4 / Tannenstraße 4, never 12 / 1 2).
    if (x.count == y.words.count || x.foldedLength > kMaxWordChars || y.words.foldedLength > kMaxWordChars ||
        !sameNumbers(x, y.words))
        return 0;
    return kJoinedCost * letterSimilarity(x.folded, x.foldedLength, y.words.folded, y.words.foldedLength, y.joined);
}

float similarity(const Side &x, const Side &y, const PatternMasks *yMasks)
{
    const int n1 = x.words.count, n2 = y.words.count;
    const bool xRows = n1 <= n2;
    float sim[kMaxWords][kMaxWords];
    float w1[kMaxWords], w2[kMaxWords];
    for (int i = 0; i < n1; ++i)
        w1[i] = weight(x.words.word[i]);
    for (int j = 0; j < n2; ++j)
        w2[j] = weight(y.words.word[j]);
    LazyHashes hashes(y.related);
    for (int i = 0; i < n1; ++i)
        for (int j = 0; j < n2; ++j) {
            const float s = wordSimilarity(x, i, y, j, yMasks[j], hashes);
            if (xRows)
                sim[i][j] = s;
            else
                sim[j][i] = s;
        }
    return bestAssignment(Assignment{xRows ? n1 : n2, xRows ? n2 : n1, sim, xRows ? w1 : w2, xRows ? w2 : w1});
}

// One-against-many: the duplicate scan keeps text2 fixed, so its words and
// masks are kept until a call brings a different text2 (compared by content).
// A few slots, because a scan row scores name, company and address in turn.
// One cache per thread: threads scanning different lists keep their own hits.
constexpr int kCacheSlots = 4;

struct CacheSlot {
    bool valid = false;
    unsigned relationsGeneration = 0;
    int length = 0;
    char text[kMaxTextBytes + 1];
    PreparedWords prepared;
};

struct Cache {
    CacheSlot slot[kCacheSlots];
    int next = 0;  // slot to reuse next (round robin)
};

// Thread-local access in a shared library costs a call, so it is paid once per
// score(): constant-initialised (no first-use guard) and not inlined, which
// would let the compiler fetch the thread's block again at every use.
[[gnu::noinline]] Cache &cache()
{
    constinit thread_local Cache c{};
    return c;
}

// Prepared words point into the forename relations, which Finish frees: an
// entry from before the last Finish is never used, in any thread.
std::atomic<unsigned> relationsGeneration{0};

const CacheSlot &preparedFor(Cache &c, const char *text, size_t length)
{
    const unsigned generation = relationsGeneration.load(std::memory_order_acquire);
    for (const CacheSlot &s : c.slot)
        if (s.valid && s.relationsGeneration == generation && static_cast<size_t>(s.length) == length
            && std::memcmp(s.text, text, length) == 0)
            return s;
    CacheSlot &s = c.slot[c.next];
    c.next = (c.next + 1) % kCacheSlots;
    std::memcpy(s.text, text, length + 1);
    s.length = static_cast<int>(length);
    prepare(s.text, relations(), s.prepared);
    s.relationsGeneration = generation;
    s.valid = true;
    return s;
}

}  // namespace

int score(const char *text1, const char *text2)
{
    if (!text1 || !text2 || !*text1 || !*text2)
        return 0;
    if (std::strcmp(text1, text2) == 0)
        return 100;

    const size_t length2 = strnlen(text2, kMaxTextBytes + 1);
    const PreparedWords *second;
    const char *raw2;
    constinit thread_local PreparedWords uncached{};  // too long to keep; per thread like the cache
    if (length2 > kMaxTextBytes) {
        prepare(text2, relations(), uncached);
        second = &uncached;
        raw2 = text2;
    } else {
        const CacheSlot &slot = preparedFor(cache(), text2, length2);
        second = &slot.prepared;
        raw2 = slot.text;
    }

    Words first;
    splitWords(text1, first);
    if (first.count == 0 || second->words.count == 0)
        return 0;
    const float words = similarity(Side{first, text1}, Side{second->words, raw2, second->partners, second->related}, second->masks);
    const float joined = joinedSimilarity(first, *second);
    const float s = words > joined ? words : joined;
    int result = s > 0 ? static_cast<int>(s * 100.0f + 0.5f) : 0;
    // 100 means byte-identical; anything else that rounds up stays just below.
    if (result >= 100)
        result = 99;
    return result;
}

// Other threads' entries go stale through the generation: they point into
// the relations freed here.
void release()
{
    for (CacheSlot &s : cache().slot)
        s.valid = false;
    relationsGeneration.fetch_add(1, std::memory_order_acq_rel);
    releaseRelations();
}

}  // namespace veskor::match

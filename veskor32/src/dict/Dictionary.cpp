#include "dict/Dictionary.h"

#include "text/Tokens.h"

#include <algorithm>

namespace veskor::dict {

namespace {

using text::Byte;
using text::TokenKind;

constexpr std::uint32_t kHashSeed = 2166136261u;

std::uint32_t hashMore(std::uint32_t h, const char *s, int n)
{
    for (int i = 0; i < n; ++i)
        h = (h ^ static_cast<Byte>(s[i])) * 16777619u;
    return h;
}

// 0 is never stored, so an empty slot cannot match.
std::uint32_t finalHash(std::uint32_t h) { return h | 1u; }

std::uint32_t hashOf(const char *s, int n) { return finalHash(hashMore(kHashSeed, s, n)); }

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && text::isSpace(static_cast<Byte>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && text::isSpace(static_cast<Byte>(s.back())))
        s.remove_suffix(1);
    return s;
}

struct Words {
    int count = 0;
    int keyLens[Dictionary::kMaxPhraseWords];
    std::uint32_t hashes[Dictionary::kMaxPhraseWords];
    size_t ends[Dictionary::kMaxPhraseWords];
};

// Folded keys of the tokens from pos on, one space between words; hyphens and
// free-standing full stops are skipped. Records, for each phrase length, the key
// length, its hash and where its last word ends. keepGoing may stop the walk
// after the first word (no phrase starts with it).
template <typename FirstWordFilter>
void collectWords(const Byte *s, size_t len, size_t pos, int maxWords, char *key, Words &w, FirstWordFilter keepGoing)
{
    int keyLen = 0;
    std::uint32_t h = kHashSeed;
    while (w.count < maxWords) {
        const text::Token t = text::nextToken(s, len, pos);
        if (t.kind == TokenKind::End)
            break;
        pos = t.end;
        if (t.kind == TokenKind::Dot || t.kind == TokenKind::Hyphen) {
            if (w.count == 0)
                break;
            continue;
        }
        int n = keyLen;
        if (w.count > 0) {
            if (n >= Dictionary::kMaxKey)
                break;
            key[n++] = ' ';
        }
        n = text::appendFolded(s, t.begin, t.end, key, n, Dictionary::kMaxKey);
        if (n <= 0)
            break;
        h = hashMore(h, key + keyLen, n - keyLen);
        keyLen = n;
        w.keyLens[w.count] = keyLen;
        w.hashes[w.count] = finalHash(h);
        w.ends[w.count] = t.end;
        ++w.count;
        if (w.count == 1 && !keepGoing(w.hashes[0]))
            break;
    }
}

// Short forms written in capitals are codes and initials ("DE", "AND", "IT",
// "N", "SE", "M."). In lower or mixed case the same letters are everyday
// words ("de", "and", "it", "se"), so such forms only match text in capitals.
bool isCapitalsCode(std::string_view form)
{
    int letters = 0;
    for (char ch : form) {
        const auto c = static_cast<Byte>(ch);
        if (!text::isLetter(c))
            continue;
        if (text::toLower(c) == c)
            return false;  // lower case, or a letter without case
        ++letters;
    }
    return letters >= 1 && letters <= 4;
}

bool anyWordAfter(const Byte *s, size_t len, size_t pos)
{
    for (size_t i = pos; i < len; ++i)
        if (text::isAlnum(s[i]))
            return true;
    return false;
}

bool hasLowerCase(const Byte *s, size_t b, size_t e)
{
    for (size_t i = b; i < e; ++i)
        if (text::toUpper(s[i]) != s[i])
            return true;
    return false;
}

// Abbreviated variants carry full stops or slashes, are codes in capitals, or
// are shorter forms of as many words as the written-out form (nicknames such as
// "Bill" for "William"). A shorter name of fewer words ("England" for "United
// Kingdom") is a name of its own, not an abbreviation.
struct FormShape {
    std::string_view text;
    size_t foldedLength;
    int words;
};

bool looksAbbreviated(const FormShape &variant, const FormShape &canonical)
{
    return variant.text.find_first_of("./") != std::string_view::npos || isCapitalsCode(variant.text)
        || (variant.words == canonical.words && variant.foldedLength < canonical.foldedLength);
}

}  // namespace

std::string Dictionary::keyOf(std::string_view form, int *words)
{
    const auto *s = reinterpret_cast<const Byte *>(form.data());
    char key[kMaxKey];
    Words w;
    collectWords(s, form.size(), 0, kMaxPhraseWords, key, w, [](std::uint32_t) { return true; });
    const int n = w.count;
    if (words)
        *words = n;
    // The whole form must fit, or it could never be matched as written.
    if (n == 0)
        return {};
    for (size_t p = w.ends[n - 1];;) {
        const text::Token t = text::nextToken(s, form.size(), p);
        if (t.kind == TokenKind::End)
            break;
        if (t.kind != TokenKind::Dot && t.kind != TokenKind::Hyphen)
            return {};
        p = t.end;
    }
    return std::string(key, w.keyLens[n - 1]);
}

namespace {

std::vector<std::string_view> splitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (size_t start = 0;;) {
        const size_t bar = line.find('|', start);
        fields.push_back(trimmed(line.substr(start, bar == std::string_view::npos ? bar : bar - start)));
        if (bar == std::string_view::npos)
            break;
        start = bar + 1;
    }
    return fields;
}

// The tag of a line, removed from it: gender letters in gendered files, '+'
// (kept) and '*' (shared short form) anywhere; 0 when there is none.
char takeTag(std::string_view &line, bool gendered)
{
    if (line.size() <= 2 || line[1] != ' ')
        return 0;
    const char t = line[0];
    if (t == '+' || t == '*' || (gendered && (t == 'M' || t == 'F' || t == 'U'))) {
        line = trimmed(line.substr(2));
        return t;
    }
    return 0;
}

}  // namespace

Dictionary Dictionary::parse(std::string_view text, bool gendered)
{
    Dictionary d;
    d.rehash(64);
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t nl = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, nl));
        text = nl == std::string_view::npos ? std::string_view{} : text.substr(nl + 1);
        if (!line.empty() && line.front() != '#')
            lines.push_back(line);
    }
    // Shared short forms first: they win over an entry that also lists them.
    std::vector<std::pair<std::uint32_t, std::vector<std::string_view>>> shared;
    for (int pass = 0; pass < 2; ++pass) {
        for (std::string_view line : lines) {
            const char tag = takeTag(line, gendered);
            if ((tag == '*') != (pass == 0))
                continue;
            // "* M Charlie|Charles|Charlotte": the gender the short form has on its own.
            const char ownGender = tag == '*' ? takeTag(line, gendered) : 0;
            std::vector<std::string_view> fields = splitFields(line);
            int canonicalWords = 0, words = 0;
            const std::string canonicalKey = keyOf(fields[0], &canonicalWords);
            if (canonicalKey.empty())
                continue;
            const auto index = static_cast<std::uint32_t>(d.entries_.size());
            Entry e;
            e.canonical = std::string(fields[0]);
            e.gender = tag == 'M' || tag == 'F' ? tag : (ownGender == 'M' || ownGender == 'F' ? ownGender : 'U');
            e.kept = tag == '+';
            e.shared = tag == '*';
            if (e.shared) {
                shared.push_back({index, {fields.begin() + 1, fields.end()}});
                fields.resize(1);
            } else if (fields.size() > 1) {
                e.shortForm = std::string(fields[1]);
            }
            for (std::string_view f : fields)
                if (!f.empty())
                    e.forms.emplace_back(f);
            d.entries_.push_back(std::move(e));
            for (size_t f = 0; f < fields.size(); ++f) {
                const std::string key = f == 0 ? canonicalKey : keyOf(fields[f], &words);
                if (f == 0)
                    words = canonicalWords;
                if (key.empty())
                    continue;
                FormKind kind = FormKind::LongVariant;
                if (f == 0)
                    kind = tag == '*' ? FormKind::ShortVariant : FormKind::Canonical;
                else if (f == 1)
                    kind = FormKind::Short;
                else if (looksAbbreviated({fields[f], key.size(), words}, {fields[0], canonicalKey.size(), canonicalWords}))
                    kind = FormKind::ShortVariant;
                d.insert(key, index, kind, isCapitalsCode(fields[f]));
                d.maxWords_ = std::max(d.maxWords_, words);
                const size_t space = key.find(' ');
                d.noteFirstWord(hashOf(key.data(), static_cast<int>(space == std::string::npos ? key.size() : space)));
            }
        }
    }
    // A shared form takes the gender its names agree on, unless its line gives one.
    for (auto &[index, names] : shared) {
        Entry &e = d.entries_[index];
        const char own = e.gender;
        char agreed = 0;
        for (std::string_view name : names) {
            const std::string key = keyOf(name);
            const Slot *slot = key.empty() ? nullptr : d.find(key.data(), static_cast<int>(key.size()));
            if (!slot || d.entries_[slot->entry].shared || slot->kind != FormKind::Canonical)
                continue;
            e.targets.push_back(slot->entry);
            const char g = d.entries_[slot->entry].gender;
            agreed = agreed == 0 ? g : (agreed == g ? agreed : 'U');
        }
        e.gender = own != 'U' ? own : (agreed ? agreed : 'U');
    }
    return d;
}

void Dictionary::insert(std::string_view key, std::uint32_t entry, FormKind kind, bool capitalsOnly)
{
    if (find(key.data(), static_cast<int>(key.size())))
        return;  // first entry wins
    if ((used_ + 1) * 2 > slots_.size())
        rehash(slots_.size() * 2);
    const std::uint32_t h = hashOf(key.data(), static_cast<int>(key.size()));
    size_t i = h & (slots_.size() - 1);
    while (slots_[i].keyLength)
        i = (i + 1) & (slots_.size() - 1);
    slots_[i] = {h, static_cast<std::uint32_t>(keys_.size()), static_cast<std::uint16_t>(key.size()), kind,
                 capitalsOnly, entry};
    keys_.append(key);
    ++used_;
}

void Dictionary::rehash(size_t count)
{
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(count, Slot{});
    for (const Slot &s : old) {
        if (!s.keyLength)
            continue;
        size_t i = s.hash & (count - 1);
        while (slots_[i].keyLength)
            i = (i + 1) & (count - 1);
        slots_[i] = s;
    }
}

const Dictionary::Slot *Dictionary::find(const char *key, int len) const { return find(key, len, hashOf(key, len)); }

const Dictionary::Slot *Dictionary::find(const char *key, int len, std::uint32_t h) const
{
    if (slots_.empty() || len <= 0)
        return nullptr;
    for (size_t i = h & (slots_.size() - 1);; i = (i + 1) & (slots_.size() - 1)) {
        const Slot &s = slots_[i];
        if (!s.keyLength)
            return nullptr;
        if (s.hash == h && s.keyLength == len && keys_.compare(s.keyOffset, s.keyLength, key, len) == 0)
            return &s;
    }
}

bool Dictionary::matchAt(const unsigned char *s, size_t len, size_t pos, PhraseMatch &out) const
{
    if (entries_.empty())
        return false;
    char key[kMaxKey];
    Words w;
    collectWords(s, len, pos, maxWords_, key, w, [this](std::uint32_t h) { return mayStartPhrase(h); });
    const size_t begin = w.count ? text::nextToken(s, len, pos).begin : pos;
    for (int k = w.count; k > 0; --k) {
        const Slot *slot = find(key, w.keyLens[k - 1], w.hashes[k - 1]);
        const bool codeRefused = slot && slot->capitalsOnly &&
                                 (hasLowerCase(s, begin, w.ends[k - 1]) || (codesEndText_ && anyWordAfter(s, len, w.ends[k - 1])));
        if (slot && !codeRefused) {
            out.entry = &entries_[slot->entry];
            out.kind = slot->kind;
            out.code = slot->capitalsOnly;
            out.begin = begin;
            out.end = w.ends[k - 1];
            out.endDot = out.end < len && s[out.end] == '.' ? out.end + 1 : out.end;
            return true;
        }
    }
    return false;
}

}  // namespace veskor::dict

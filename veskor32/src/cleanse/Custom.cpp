#include "cleanse/Custom.h"

namespace veskor::cleanse {

using text::Byte;

namespace {

Byte at(std::string_view s, size_t i) { return static_cast<Byte>(s[i]); }

bool matchesAt(std::string_view text, size_t pos, std::string_view what, bool caseInsensitive)
{
    if (what.size() > text.size() - pos)
        return false;
    for (size_t i = 0; i < what.size(); ++i) {
        const Byte a = at(text, pos + i), b = at(what, i);
        if (a != b && !(caseInsensitive && text::toLower(a) == text::toLower(b)))
            return false;
    }
    return true;
}

// A match is a whole word when it does not run on into letters or digits on
// either side; sides of the pattern that are not letters or digits need no gap.
bool wholeWordAt(std::string_view text, size_t pos, std::string_view what)
{
    const size_t end = pos + what.size();
    if (pos > 0 && text::isAlnum(at(what, 0)) && text::isAlnum(at(text, pos - 1)))
        return false;
    if (end < text.size() && text::isAlnum(at(what, what.size() - 1)) && text::isAlnum(at(text, end)))
        return false;
    return true;
}

size_t find(std::string_view text, size_t from, std::string_view what)
{
    return what.empty() ? std::string_view::npos : text.find(what, from);
}

void put(std::string_view s, text::Writer &out) { out.put(s.data(), s.size()); }

}  // namespace

void customTransform(std::string_view text, std::string_view from, std::string_view to, bool distinctWords,
                     bool caseInsensitive, text::Writer &out)
{
    for (size_t pos = 0; pos < text.size() && !out.full();) {
        if (!from.empty() && matchesAt(text, pos, from, caseInsensitive)
            && (!distinctWords || wholeWordAt(text, pos, from))) {
            put(to, out);
            if (to.empty())
                out.removed();
            pos += from.size();
            continue;
        }
        out.put(at(text, pos++));
    }
}

void customExclude(std::string_view text, std::string_view open, std::string_view close, bool keepDelimiters,
                   text::Writer &out)
{
    size_t pos = 0;
    while (pos < text.size() && !out.full()) {
        const size_t start = find(text, pos, open);
        if (start == std::string_view::npos)
            break;
        put(text.substr(pos, start - pos), out);
        const size_t closeAt = find(text, start + open.size(), close);
        if (keepDelimiters) {
            put(open, out);
            if (closeAt != std::string_view::npos)
                put(close, out);
        } else {
            out.removed();
        }
        pos = closeAt == std::string_view::npos ? text.size() : closeAt + close.size();
    }
    if (pos < text.size())
        put(text.substr(pos), out);
}

}  // namespace veskor::cleanse

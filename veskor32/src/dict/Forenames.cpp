#include "dict/Forenames.h"

#include <map>

#include "dict/Store.h"

namespace veskor::dict {

namespace {
constexpr int kForenames = 12;
}

void forEachGenderedForename(Lang lang, const std::function<void(const std::string &, char, bool)> &visit)
{
    const Dictionary &own = dictionary(lang, kForenames);
    for (size_t i = 0; i < own.size(); ++i) {
        const Entry &e = own.entry(i);
        if (!e.shared && (e.gender == 'M' || e.gender == 'F'))
            for (const std::string &form : e.forms)
                visit(form, e.gender, true);
    }
    // Forms the own language does not know, by folded key, with the gender the others agree on.
    std::map<std::string, std::pair<std::string, char>> others;
    for (int code = 1; code <= 5; ++code) {
        const Lang other = langFrom(code);
        if (other == lang)
            continue;
        const Dictionary &d = dictionary(other, kForenames);
        for (size_t i = 0; i < d.size(); ++i) {
            const Entry &e = d.entry(i);
            if (e.shared)
                continue;
            for (const std::string &form : e.forms) {
                const std::string key = Dictionary::keyOf(form);
                if (key.empty() || own.lookupKey(key))
                    continue;
                auto [it, fresh] = others.emplace(key, std::make_pair(form, e.gender));
                if (!fresh && it->second.second != e.gender)
                    it->second.second = 'U';
            }
        }
    }
    for (const auto &[key, formGender] : others)
        if (formGender.second == 'M' || formGender.second == 'F')
            visit(formGender.first, formGender.second, false);
}

}  // namespace veskor::dict

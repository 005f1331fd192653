#pragma once
// Every forename a language's texts may hold, with the gender it has there:
// the language's own forenames, then those only the other languages list
// (Carla, Erica in an English address book), with the gender the others
// agree on. For the build of tables that keep a man's and a woman's name
// apart; not for the hot path (it allocates).
#include <functional>
#include <string>

#include "text/Language.h"

namespace veskor::dict {

// Calls visit(form, gender, own) for every written form ('M' or 'F' only;
// shared short forms and forms of either sex are left out); own is false for
// the forms that come from the other languages.
void forEachGenderedForename(Lang lang, const std::function<void(const std::string &, char, bool)> &visit);

}  // namespace veskor::dict

#pragma once

#include <string>
#include <string_view>

// Every Polish text shown to the user passes through Translate at the moment
// it is shown: the key is the Polish text itself (or a context key such as
// ">1Profil"); the suffix is appended in the cases the lookup rules allow.
std::string Translate(std::string_view key, std::string_view suffix = {});

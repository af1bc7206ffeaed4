#pragma once

#include <string>

// English sentence helpers. Case changes and letter tests look at the ASCII
// letters only; every other byte (UTF-8 included) is left as it is.
namespace MyStrF {

std::string _trimString(const std::string& text);
std::string _toLowerCase(const std::string& text, bool keep_first = false);
// Trimmed and lower-cased: the key form used to compare verbs, capabilities,
// quantity-type names and unit symbols.
std::string _trimLwr(const std::string& text);
std::string _capitalFirstLetter(const std::string& text);
bool _isVowel(char c);
std::string _addArticle(const std::string& word, bool capital);
std::string _to_third_person_singular(const std::string& verb_phrase);
std::string _to_denial_verb(const std::string& verb_phrase);
std::string _prep_verb_for_after_must(const std::string& verb_phrase);
std::string _integration_req_cap(const std::string& subject);

}  // namespace MyStrF

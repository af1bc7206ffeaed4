#include "core/text/sentences.h"

#include <initializer_list>
#include <string_view>
#include <utility>

#include "core/text/ascii.h"

namespace MyStrF {
namespace {

bool starts_with_any(std::string_view text, std::initializer_list<std::string_view> prefixes) {
    for (std::string_view prefix : prefixes)
        if (text.starts_with(prefix)) return true;
    return false;
}

bool is_one_of(char c, std::string_view letters) { return letters.find(c) != std::string_view::npos; }

bool equals_any(std::string_view text, std::initializer_list<std::string_view> words) {
    for (std::string_view word : words)
        if (text == word) return true;
    return false;
}

// Splits at the first blank; further blanks stay in the rest.
std::pair<std::string, std::string> split_first_word(const std::string& phrase) {
    const size_t blank = phrase.find(' ');
    if (blank == std::string::npos) return {phrase, {}};
    return {phrase.substr(0, blank), phrase.substr(blank + 1)};
}

std::string third_person_of_verb(const std::string& verb) {
    static constexpr std::pair<std::string_view, std::string_view> irregular[] = {
        {"be", "is"}, {"have", "has"}, {"do", "does"}, {"say", "said"}, {"go", "goes"}};
    for (auto [base, third] : irregular)
        if (verb == base) return std::string(third);
    if (equals_any(verb, {"can", "is", "has", "does", "said", "goes", "cannot", "can't", "isn't", "doesn't", "hasn't"}))
        return verb;
    const std::string_view v = verb;
    if (v.ends_with("ch") || v.ends_with("sh")) return verb + "es";
    if (v.ends_with('s') || v.ends_with('x') || v.ends_with('z')) return verb + "es";
    if (v.size() >= 2 && v.ends_with('y')) {
        const char before = v[v.size() - 2];
        if (ascii::is_alpha(before) && !_isVowel(before)) return verb.substr(0, verb.size() - 1) + "ies";
    }
    return verb + "s";
}

}  // namespace

std::string _addArticle(const std::string& word, bool capital) {
    if (word.empty()) return "";
    const std::string trimmed = _trimString(word);
    const std::string article = capital ? "A" : "a";
    const std::string lower = _toLowerCase(trimmed);
    const std::string a = article + " " + trimmed;
    const std::string an = article + "n " + trimmed;
    if (starts_with_any(lower, {"uni", "use", "euro", "one"})) return a;
    // "honest" is listed apart: "hone" would also catch "honey".
    if (starts_with_any(lower, {"hour", "hono", "honest", "heir"})) return an;
    if (lower.empty()) return a;
    // Acronyms are read by their spelled letters: "an FMEA", "an LED".
    if (trimmed.size() >= 2 && ascii::is_upper(trimmed[1]) && is_one_of(lower[0], "fhlmnrsx")) return an;
    if (is_one_of(lower[0], "aeiou")) return an;
    return a;
}

std::string _to_third_person_singular(const std::string& verb_phrase) {
    const std::string phrase = _trimLwr(verb_phrase);
    // No verb, no ending: a lone "s" would read as a word.
    if (phrase.empty()) return "";
    const auto [head, rest] = split_first_word(phrase);
    const std::string third = third_person_of_verb(head);
    return rest.empty() ? third : third + " " + rest;
}

std::string _to_denial_verb(const std::string& verb_phrase) {
    static constexpr std::pair<std::string_view, std::string_view> denials[] = {
        {"", "cannot"},          {"be able to", "is unable to"}, {"can", "can't"},    {"is", "isn't"},
        {"do", "doesn't"},       {"have", "hasn't"},             {"has", "hasn't"},   {"does", "doesn't"},
        {"said", "can't say"},   {"goes", "can't go"}};
    const std::string lower = _toLowerCase(verb_phrase);
    for (auto [phrase, denial] : denials)
        if (lower == phrase) return std::string(denial);
    return "cannot " + verb_phrase;
}

std::string _prep_verb_for_after_must(const std::string& verb_phrase) {
    const auto [head, rest] = split_first_word(verb_phrase);
    const std::string before_rest = rest.empty() ? "" : " " + rest;
    if (head == "can" && (rest == "do" || rest.starts_with("do "))) return rest;
    if (head == "can") return "be able to" + before_rest;
    if (head == "is") return "be" + before_rest;
    if (head == "has") return "have" + before_rest;
    return verb_phrase;
}

std::string _integration_req_cap(const std::string& subject) { return "integrated into " + _addArticle(subject, false); }

}  // namespace MyStrF

#include "core/text/sentences.h"

#include <string>

#include <gtest/gtest.h>

namespace {

struct TextCase {
    std::string input;
    std::string expected;
};

TEST(CaseAndTrim, TrimString) {
    const TextCase cases[] = {
        {"  gate  ", "gate"},
        {"\t\n\r\f\vgate door\v\f\r\n\t", "gate door"},
        {" \t\n ", ""},
        {"", ""},
        {"\xC2\xA0" "x" "\xC2\xA0", "\xC2\xA0" "x" "\xC2\xA0"},  // a no-break space is not white space
    };
    for (const auto& c : cases) EXPECT_EQ(MyStrF::_trimString(c.input), c.expected) << "'" << c.input << "'";
}

TEST(CaseAndTrim, LowerCaseTouchesAsciiLettersOnly) {
    EXPECT_EQ(MyStrF::_toLowerCase(""), "");
    EXPECT_EQ(MyStrF::_toLowerCase("", true), "");
    EXPECT_EQ(MyStrF::_toLowerCase("ABC"), "abc");
    EXPECT_EQ(MyStrF::_toLowerCase("ABC", true), "Abc");
    EXPECT_EQ(MyStrF::_toLowerCase(" Gate-42 ÄÖÜ É"), " gate-42 ÄÖÜ É");
    EXPECT_EQ(MyStrF::_trimLwr("  Km/H \n"), "km/h");
    EXPECT_EQ(MyStrF::_trimLwr("MÄX"), "mÄx");
}

TEST(CaseAndTrim, CapitalFirstLetter) {
    const TextCase cases[] = {
        {"", ""},
        {"gate", "Gate"},
        {"  ok", "Ok"},
        {"Gate", "Gate"},
        {"   ", ""},
        {"4 doors", "4 doors"},
        {" ébène ", "ébène"},  // not an ASCII letter: only trimmed
    };
    for (const auto& c : cases) EXPECT_EQ(MyStrF::_capitalFirstLetter(c.input), c.expected) << "'" << c.input << "'";
}

TEST(CaseAndTrim, Vowels) {
    for (char c : std::string("aeiouAEIOU")) EXPECT_TRUE(MyStrF::_isVowel(c)) << c;
    for (char c : std::string("yYbzZ \0", 8)) EXPECT_FALSE(MyStrF::_isVowel(c)) << int(c);
    EXPECT_FALSE(MyStrF::_isVowel(static_cast<char>(0xC3)));
}

TEST(Sentences, AddArticle) {
    const struct {
        std::string word;
        bool capital;
        std::string expected;
    } cases[] = {
        {"unit", false, "a unit"},
        {"user", false, "a user"},
        {"European norm", false, "a European norm"},
        {"one-way valve", false, "a one-way valve"},
        {"hour", false, "an hour"},
        {"honest broker", false, "an honest broker"},
        {"heir", false, "an heir"},
        {"honour", false, "an honour"},
        {"honey jar", false, "a honey jar"},
        {"FMEA", false, "an FMEA"},
        {"HMI", false, "an HMI"},
        {"LED", false, "an LED"},
        {"MRI", false, "an MRI"},
        {"SQL server", false, "an SQL server"},
        {"XML file", false, "an XML file"},
        {"option", false, "an option"},
        {"umbrella", false, "an umbrella"},
        {"ABS unit", false, "an ABS unit"},
        {"USB port", false, "an USB port"},
        {"gate", false, "a gate"},
        {"Fan", false, "a Fan"},
        {"door", false, "a door"},
        {"Xray", false, "a Xray"},
        {"  apple  ", false, "an apple"},
        {"  apple  ", true, "An apple"},
        {"gate", true, "A gate"},
        {"A", false, "an A"},
        {"   ", false, "a "},
        {"", true, ""},
        {"PCB", false, "a PCB"},            // acronym of a letter read with a consonant sound
        {"Ünit", false, "a Ünit"},          // UTF-8 lead byte: no letter rule applies
        {"UNIVERSAL joint", false, "a UNIVERSAL joint"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MyStrF::_addArticle(c.word, c.capital), c.expected) << "'" << c.word << "' " << c.capital;
}

TEST(Sentences, ThirdPersonSingular) {
    const TextCase cases[] = {
        {"Control Access to the area", "controls access to the area"},
        {"watch the door", "watches the door"},
        {"push", "pushes"},
        {"pass", "passes"},
        {"fix", "fixes"},
        {"buzz", "buzzes"},
        {"carry the load", "carries the load"},
        {"play", "plays"},
        {"be ready", "is ready"},
        {"have", "has"},
        {"do it", "does it"},
        {"say hello", "said hello"},
        {"go to the door", "goes to the door"},
        {"can't open", "can't open"},
        {"Cannot", "cannot"},
        {"is", "is"},
        {"be  ready", "is  ready"},  // the second blank stays in the rest
        {"y", "ys"},
        {"2y", "2ys"},               // the byte before the y is no letter
        {"  Open  ", "opens"},
        {"", ""},
        {"  \t", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MyStrF::_to_third_person_singular(c.input), c.expected) << "'" << c.input << "'";
}

TEST(Sentences, DenialVerb) {
    const TextCase cases[] = {
        {"", "cannot"},
        {"be able to", "is unable to"},
        {"Be Able To", "is unable to"},
        {"can", "can't"},
        {"Can", "can't"},
        {"is", "isn't"},
        {"do", "doesn't"},
        {"have", "hasn't"},
        {"has", "hasn't"},
        {"does", "doesn't"},
        {"said", "can't say"},
        {"goes", "can't go"},
        {"have access", "cannot have access"},
        {"open", "cannot open"},
        {"Open The Door", "cannot Open The Door"},
        {" can", "cannot  can"},
    };
    for (const auto& c : cases) EXPECT_EQ(MyStrF::_to_denial_verb(c.input), c.expected) << "'" << c.input << "'";
}

TEST(Sentences, VerbAfterMust) {
    const TextCase cases[] = {
        {"can do maintenance", "do maintenance"},
        {"can do", "do"},
        {"can dock", "be able to dock"},
        {"can open the door", "be able to open the door"},
        {"can", "be able to"},
        {"is locked", "be locked"},
        {"is", "be"},
        {"has a handle", "have a handle"},
        {"has", "have"},
        {"open the door", "open the door"},
        {"Can open", "Can open"},
        {"", ""},
        {" can open", " can open"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MyStrF::_prep_verb_for_after_must(c.input), c.expected) << "'" << c.input << "'";
}

TEST(Sentences, IntegrationCapability) {
    EXPECT_EQ(MyStrF::_integration_req_cap("lock"), "integrated into a lock");
    EXPECT_EQ(MyStrF::_integration_req_cap(" access panel "), "integrated into an access panel");
    EXPECT_EQ(MyStrF::_integration_req_cap("HMI"), "integrated into an HMI");
    EXPECT_EQ(MyStrF::_integration_req_cap(""), "integrated into ");
}

}  // namespace

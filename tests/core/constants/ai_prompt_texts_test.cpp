#include "core/constants/gcc.h"

#include <cstdint>
#include <string>

#include <gtest/gtest.h>

namespace {

const std::string en_dash = "\xE2\x80\x93";
const std::string em_dash = "\xE2\x80\x94";

size_t count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++n;
    return n;
}

bool ends_with(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The prompt with every dash taken out must be plain ASCII: no stray
// Windows-1252 byte (0x96, 0x97) and no other non-ASCII character.
void expect_ascii_apart_from_dashes(std::string text) {
    for (const std::string& dash : {en_dash, em_dash})
        for (size_t at = text.find(dash); at != std::string::npos; at = text.find(dash, at))
            text.erase(at, dash.size());
    for (unsigned char c : text) EXPECT_LT(c, 0x80) << "byte " << int(c);
}

struct PhraseCase {
    const char* phrase;
    std::uint16_t target_type;
};

void PrintTo(const PhraseCase& c, std::ostream* out) { *out << '"' << c.phrase << '"'; }

class AiParameterInt : public ::testing::TestWithParam<PhraseCase> {};

TEST_P(AiParameterInt, MapsThePhraseExactlyToItsTargetType) {
    EXPECT_EQ(GCC::get_ai_parameter_int(GetParam().phrase), GetParam().target_type);
}

INSTANTIATE_TEST_SUITE_P(Phrases, AiParameterInt,
                         ::testing::Values(PhraseCase{"as small as possible", 0}, PhraseCase{"lower than", 1},
                                           PhraseCase{"at most", 2}, PhraseCase{"equal to", 3},
                                           PhraseCase{"at least", 4}, PhraseCase{"larger than", 5},
                                           PhraseCase{"as large as possible", 6},
                                           // Anything not exactly a phrase means "equal to".
                                           PhraseCase{"At least", 3}, PhraseCase{"at least ", 3},
                                           PhraseCase{" at most", 3}, PhraseCase{"greater than", 3},
                                           PhraseCase{"", 3}, PhraseCase{"as large as possible.", 3}));

TEST(AiTargetOptions, QuotesTheSevenPhrasesInTargetOrder) {
    EXPECT_EQ(GCC::ai_target_options,
              " 'as small as possible', 'lower than', 'at most', 'equal to', 'at least', 'larger than', "
              "'as large as possible' ");
    EXPECT_EQ(GCC::ai_target_options.size(), 112u);
}

// Lengths are those of the texts with one byte per dash, as a Windows-1252
// clipboard would hold them; here each dash is stored as three UTF-8 bytes.
TEST(AiPrompts, HaveTheirLengthsAndStoreDashesAsUtf8) {
    const std::string& dpr = GCC::dpr_AI_prompt_addition;
    EXPECT_EQ(count(dpr, en_dash), 1u);
    EXPECT_EQ(count(dpr, em_dash), 5u);
    EXPECT_EQ(dpr.size() - 2 * (1 + 5), 1857u);
    expect_ascii_apart_from_dashes(dpr);

    EXPECT_EQ(GCC::val_AI_prompt_prefix, "The assumption is that ");
    EXPECT_EQ(GCC::val_AI_prompt_addition1.size(), 1945u);
    expect_ascii_apart_from_dashes(GCC::val_AI_prompt_addition1);
    EXPECT_EQ(count(GCC::val_AI_prompt_addition1, em_dash), 0u);

    const std::string& addition2 = GCC::val_AI_prompt_addition2;
    EXPECT_EQ(count(addition2, em_dash), 11u);
    EXPECT_EQ(count(addition2, en_dash), 0u);
    EXPECT_EQ(addition2.size() - 2 * 11, 1832u);
    expect_ascii_apart_from_dashes(addition2);
}

TEST(AiPrompts, DesignProblemPromptLaysOutTheSolutionSchemaInReaderOrder) {
    const std::string& dpr = GCC::dpr_AI_prompt_addition;
    EXPECT_EQ(dpr.front(), '\n');
    EXPECT_NE(dpr.find("\n\nOutput format:\n"
                       "Your answer MUST consist of exactly one code block containing XML with the following "
                       "structure:\n"
                       "<solutions>\n"
                       "   <solution>\n"
                       "      <subject></subject>\n"
                       "      <description></description>\n"
                       "      <reference_name></reference_name>\n"
                       "      <reference_descr></reference_descr>\n"
                       "      <reference_link></reference_link>\n"
                       "   </solution>\n"
                       "   ...additional solution elements...\n"
                       "</solutions>\n\n"),
              std::string::npos);
    EXPECT_NE(dpr.find("- <subject> MUST be a short label(1" + en_dash + "3 words)"), std::string::npos);
    EXPECT_NE(dpr.find("\n<reference_link> " + em_dash + " URL to where the applicable reference can be found"),
              std::string::npos);
    EXPECT_TRUE(ends_with(dpr, "\n\nBefore generating output, validate internally that all formatting and schema "
                               "rules are satisfied."));
}

TEST(AiPrompts, RequirementPromptLaysOutTheThreeBlocksInReaderOrder) {
    const std::string& addition1 = GCC::val_AI_prompt_addition1;
    EXPECT_NE(addition1.find("   Requirement: The 'door' must 'withstand' 'forced entry' with a force of "
                             "'equal to' '200.0N'\n"),
              std::string::npos);
    EXPECT_NE(addition1.find("\n\nThe conditions and requirement output MUST strictly follow the schema:\n"
                             "<possible_units>\n"
                             "   <possible_unit>\n"
                             "      <unit_type></unit_type>\n"
                             "      <unit_symbol></unit_symbol>\n"
                             "   </possible_unit>\n"
                             "   ...additional <possible_unit> elements...\n"
                             "</possible_units>\n"
                             "<conditions>\n"
                             "   <requirement>\n"
                             "      <verb></verb>\n"
                             "      <capability></capability>\n"
                             "      <value></value>\n"
                             "      <unit></unit>\n"
                             "      <target_type></target_type>\n"
                             "      <reference_name></reference_name>\n"
                             "      <reference_descr></reference_descr>\n"
                             "      <reference_link></reference_link>\n"
                             "   </requirement>\n"
                             "   ...additional <requirement> elements...\n"
                             "</conditions>\n"
                             "<proof>\n"
                             "   <evidence>\n"
                             "      <verb></verb>\n"
                             "      <capability></capability>\n"
                             "      <value></value>\n"
                             "      <unit></unit>\n"
                             "      <target_type></target_type>\n"
                             "      <reference_name></reference_name>\n"
                             "      <reference_descr></reference_descr>\n"
                             "      <reference_link></reference_link>\n"
                             "      <description></description>\n"
                             "   </evidence>\n"
                             "   ...additional <evidence> elements...\n"
                             "</proof>\n"
                             "Rules for output:\n"),
              std::string::npos);
    // The list of quantity types is inserted right here.
    EXPECT_TRUE(ends_with(addition1, "\n- possible_units currently available are: "));

    const std::string& addition2 = GCC::val_AI_prompt_addition2;
    EXPECT_NE(addition2.find("\nThe target_type MUST be defined with one of the following descriptions: " +
                             GCC::ai_target_options + "\n"),
              std::string::npos);
    EXPECT_TRUE(ends_with(addition2, "'200.0N'\n\nBefore generating output, validate internally that all "
                                     "formatting and schema rules are satisfied."));
}

// Every field of the schema is also defined, in the form "<tag> - definition".
TEST(AiPrompts, RequirementPromptDefinesEveryField) {
    for (const char* field : {"unit_type", "unit_symbol", "verb", "capability", "value", "unit", "target_type",
                              "reference_name", "reference_descr", "reference_link", "description"}) {
        const std::string definition = "\n<" + std::string(field) + "> " + em_dash + " ";
        EXPECT_EQ(count(GCC::val_AI_prompt_addition2, definition), 1u) << field;
    }
}

}  // namespace

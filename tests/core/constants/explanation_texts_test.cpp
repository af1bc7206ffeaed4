#include "core/constants/gcc.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

struct KindText {
    const char* name;
    const std::string* text;
    size_t length;
};

void PrintTo(const KindText& kind, std::ostream* out) { *out << kind.name; }

class ExplanationText : public ::testing::TestWithParam<KindText> {};

TEST_P(ExplanationText, HasItsLengthAndIsPlainAscii) {
    const std::string& text = *GetParam().text;
    EXPECT_EQ(text.size(), GetParam().length);
    for (unsigned char c : text) EXPECT_LT(c, 0x80) << "non-ASCII byte";
}

INSTANTIATE_TEST_SUITE_P(AllKinds, ExplanationText,
                         ::testing::Values(KindText{"prj_txt", &GCC::prj_txt, 95},
                                           KindText{"prj_bullet_txt", &GCC::prj_bullet_txt, 69},
                                           KindText{"usy_txt", &GCC::usy_txt, 174},
                                           KindText{"usy_bullet_txt", &GCC::usy_bullet_txt, 110},
                                           KindText{"man_txt", &GCC::man_txt, 705},
                                           KindText{"man_bullet_txt", &GCC::man_bullet_txt, 391},
                                           KindText{"req_txt", &GCC::req_txt, 505},
                                           KindText{"req_bullet_txt", &GCC::req_bullet_txt, 257},
                                           KindText{"int_req_txt", &GCC::int_req_txt, 666},
                                           KindText{"int_req_bullet_txt", &GCC::int_req_bullet_txt, 262},
                                           KindText{"dpr_txt", &GCC::dpr_txt, 273},
                                           KindText{"dpr_bullet_txt", &GCC::dpr_bullet_txt, 87},
                                           KindText{"opt_txt", &GCC::opt_txt, 108},
                                           KindText{"opt_bullet_txt", &GCC::opt_bullet_txt, 79},
                                           KindText{"arg_txt", &GCC::arg_txt, 606},
                                           KindText{"arg_bullet_txt", &GCC::arg_bullet_txt, 355},
                                           KindText{"evd_txt", &GCC::evd_txt, 813},
                                           KindText{"evd_bullet_txt", &GCC::evd_bullet_txt, 399}),
                         [](const auto& info) { return std::string(info.param.name); });

bool starts_with(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }
bool ends_with(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(ExplanationTexts, LongTextsOpenAndCloseWithTheirFixedSentences) {
    EXPECT_TRUE(
        starts_with(GCC::man_txt, "A Mandate node is the approval of the Project owner to execute the Project."));
    EXPECT_TRUE(ends_with(GCC::man_txt, "The Evidence node provides a certain level of confidence\n"
                                        "that a solution is proven up to a certain level."));
    EXPECT_TRUE(starts_with(GCC::evd_txt, "An Evidence node is the reference to Evidence that a certain\n"
                                          "Option can satisfy a certain Requirement."));
    EXPECT_TRUE(ends_with(GCC::evd_txt, "As the readiness levels suggest, the Evidence can have several\n"
                                        "sources: analysis, test up to proven in actual environment."));
    EXPECT_TRUE(starts_with(GCC::req_txt, "A Requirement node defines a Requirement that can be:"));
    EXPECT_TRUE(ends_with(GCC::req_txt, "A Top level Requirement is derived from a UserStory node directly.\n"
                                        "Integration Requirements are added if multiple sub-options must be "
                                        "integrated into one."));
    EXPECT_TRUE(starts_with(GCC::arg_txt,
                            "An Argument is the node that explains how an Option solves a certain Requirement."));
    EXPECT_TRUE(ends_with(GCC::arg_txt, "The cost of the test can be added in the Evidence parameter value."));
    EXPECT_NE(GCC::int_req_txt.find("is automatically\nadded if more than one Design Problem exists\n"
                                    "in one branch as shown in the example"),
              std::string::npos);
    EXPECT_TRUE(ends_with(GCC::int_req_txt, "\n"));
}

// The mandate and evidence texts list the whole readiness scale, in order,
// one "level: text" line each.
TEST(ExplanationTexts, MandateAndEvidenceListTheTenReadinessLevels) {
    const std::string scale =
        "0: No level set\n"
        "1: Basic principles observed\n"
        "2: Technology concept formulated\n"
        "3: Experimental proof of concept\n"
        "4: Technology validated in a lab\n"
        "5: Technology validated in relevant environment\n"
        "6: Technology demonstrated in relevant environment\n"
        "7: System prototype demonstration in operational environment\n"
        "8: System complete and qualified\n"
        "9: Actual system proven in operational environment\n";
    EXPECT_NE(GCC::man_txt.find(scale), std::string::npos);
    EXPECT_NE(GCC::evd_txt.find(scale), std::string::npos);
}

TEST(ExplanationTexts, BulletTextsStartWithTheKindName) {
    EXPECT_TRUE(starts_with(GCC::prj_bullet_txt, GCC::prj_nd_name + "\n"));
    EXPECT_TRUE(starts_with(GCC::usy_bullet_txt, GCC::usy_nd_name + "\n"));
    EXPECT_TRUE(starts_with(GCC::man_bullet_txt, GCC::man_nd_name + "\n"));
    EXPECT_TRUE(starts_with(GCC::req_bullet_txt, GCC::req_nd_name + "\n"));
    EXPECT_TRUE(starts_with(GCC::int_req_bullet_txt, "Integration Requirement\n"));
    EXPECT_TRUE(starts_with(GCC::dpr_bullet_txt, GCC::dpr_nd_name + "\n"));
    EXPECT_TRUE(starts_with(GCC::opt_bullet_txt, GCC::opt_nd_name + "\n"));
    EXPECT_TRUE(starts_with(GCC::arg_bullet_txt, GCC::arg_nd_name + "\n"));
    EXPECT_TRUE(starts_with(GCC::evd_bullet_txt, GCC::evd_nd_name + "\n"));

    const std::string short_scale_ends = "7: System proto in operational environment\n"
                                         "8: System complete and qualified\n"
                                         "9: System in operational environment";
    EXPECT_TRUE(ends_with(GCC::man_bullet_txt, short_scale_ends));
    EXPECT_TRUE(ends_with(GCC::evd_bullet_txt, short_scale_ends));
}

}  // namespace

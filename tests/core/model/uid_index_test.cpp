#include "core/model/uid_index.h"

#include <gtest/gtest.h>

#include <charconv>
#include <string>
#include <vector>

#include "core/model/node.h"

namespace {

std::string numbered(const char* prefix, size_t number) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    return prefix + std::string(digits, end);
}

TEST(UidIndex, FindsWhatWasAddedKeepsTheFirstOfTwinsAndKnowsNothingElse) {
    Node nodes[3];
    const std::string a = "REQ_2024_03_07_14_05_09_00000005";
    const std::string a_again = a;  // another text, equal bytes
    const std::string b = "REQ_2024_03_07_14_05_09_00000050";
    UidIndex index(2);
    EXPECT_TRUE(index.add(a, &nodes[0]));
    EXPECT_TRUE(index.add(b, &nodes[1]));
    EXPECT_FALSE(index.add(a_again, &nodes[2]));
    EXPECT_EQ(index.find(a_again), &nodes[0]);
    EXPECT_EQ(index.find(b), &nodes[1]);
    EXPECT_EQ(index.find("REQ_2024_03_07_14_05_09_0000000"), nullptr);  // a prefix
    EXPECT_EQ(index.find(""), nullptr);
}

TEST(UidIndex, GrowsBeyondTheExpectedNumberAndKeepsEveryEntry) {
    std::vector<Node> nodes(1000);
    std::vector<std::string> uids;
    for (size_t i = 0; i < nodes.size(); ++i) uids.push_back(numbered("OPT_", i));
    UidIndex index(1);
    for (size_t i = 0; i < nodes.size(); ++i) ASSERT_TRUE(index.add(uids[i], &nodes[i]));
    for (size_t i = 0; i < nodes.size(); ++i) EXPECT_EQ(index.find(uids[i]), &nodes[i]) << uids[i];
    EXPECT_EQ(index.find("OPT_1000"), nullptr);
}

}  // namespace

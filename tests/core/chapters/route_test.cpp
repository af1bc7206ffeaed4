#include "core/chapters/route.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

namespace {

using chapters::Route;

uint64_t fnv1a(const std::string& text) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
    return hash;
}

TEST(Route, StepsAreJoinedAndHashedAsOneText) {
    const Route root("SH_ROOT");
    const Route a = root.then("DPR_1");
    const Route b = a.then("OPT_2");
    EXPECT_EQ(root.text(), "SH_ROOT");
    EXPECT_EQ(b.text(), "SH_ROOT__DPR_1__OPT_2");
    EXPECT_EQ(a.text(), "SH_ROOT__DPR_1");  // a step leaves the route it grew from alone
    EXPECT_EQ(b.size(), b.text().size());
    EXPECT_EQ(b.hash(), fnv1a(b.text()));
    EXPECT_EQ(b.back(), "OPT_2");
    EXPECT_TRUE(Route().empty());
    EXPECT_EQ(Route().text(), "");
}

TEST(Route, LongRoutesShortenToRootHashAndLastStep) {
    // Routes refer to their steps' texts, as to the uids of live nodes.
    static const std::string steps[] = {"STEP_0", "STEP_1", "STEP_2", "STEP_3", "STEP_4",
                                        "STEP_5", "STEP_6", "STEP_7", "STEP_8", "STEP_9"};
    Route route("SH_ROOT");
    for (int i = 0; i < 100; ++i) route = route.then(steps[i % 10]);
    ASSERT_GT(route.size(), 200u);
    const std::string full = route.text();
    EXPECT_EQ(route.text(full.size()), full);
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(fnv1a(full)));
    EXPECT_EQ(route.text(200), "SH_ROOT__" + std::string(hex) + "__STEP_9");
}

TEST(Route, LongChainsAreReleasedWithoutRecursion) {
    static const std::string step = "S";
    Route route("R");
    for (int i = 0; i < 300000; ++i) route = route.then(step);
    Route shared = route;  // a second owner keeps the chain alive
    route = Route();
    EXPECT_EQ(shared.size(), 1 + 300000 * 3u);
}

}  // namespace

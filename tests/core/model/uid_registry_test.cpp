#include "core/model/uid_registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/model/node.h"
#include "tests/support/core/core_test.h"

namespace {

// No current project: set_uid names the objects without registering them
// anywhere, and each test registers them in a registry of its own.
class UidRegistryTest : public testing_support::CoreTest {
protected:
    Node* make(const std::string& uid) {
        nodes.push_back(std::make_unique<Node>());
        nodes.back()->set_uid(uid);
        return nodes.back().get();
    }
    static std::string numbered(size_t number) {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
        return "OPT_2024_03_07_14_05_09_" + std::string(digits, end);
    }
    static std::vector<std::string> walk(const UidRegistry& registry) {
        std::vector<std::string> uids;
        for (const auto& [uid, node] : registry) {
            EXPECT_EQ(&uid, &node->get_uid());
            uids.push_back(uid);
        }
        return uids;
    }
    static std::vector<std::string> walk_back(const UidRegistry& registry) {
        std::vector<std::string> uids;
        for (auto it = registry.end(); it != registry.begin();) uids.push_back((--it)->first);
        return uids;
    }
    std::vector<std::unique_ptr<Node>> nodes;
};

using Uids = std::vector<std::string>;

TEST_F(UidRegistryTest, KeepsTheFirstOfTwinsAndWalksBothWaysInRegistrationOrder) {
    UidRegistry registry;
    Node* a = make("A");
    Node* b = make("REQ_2024_03_07_14_05_09_00000005");
    Node* c = make("C");
    Node* a_twin = make("A");
    EXPECT_TRUE(registry.insert(a));
    EXPECT_TRUE(registry.insert(b));
    EXPECT_TRUE(registry.insert(c));
    EXPECT_FALSE(registry.insert(a_twin));
    EXPECT_FALSE(registry.insert(a));
    EXPECT_EQ(registry.size(), 3u);
    ASSERT_NE(registry.find("A"), nullptr);
    EXPECT_EQ(*registry.find("A"), a);
    EXPECT_EQ(registry.find("REQ_2024_03_07_14_05_09_0000000"), nullptr);  // a prefix
    EXPECT_EQ(registry.find(""), nullptr);
    // The twin was never registered, so it never unregisters the original.
    EXPECT_FALSE(registry.erase(a_twin));
    EXPECT_EQ(*registry.find("A"), a);
    EXPECT_EQ(walk(registry), (Uids{"A", "REQ_2024_03_07_14_05_09_00000005", "C"}));
    EXPECT_EQ(walk_back(registry), (Uids{"C", "REQ_2024_03_07_14_05_09_00000005", "A"}));
    EXPECT_EQ(std::next(registry.begin(), 2)->second, c);
    // Unregistered and registered again, an object goes last, in the slot
    // its old entry left.
    EXPECT_TRUE(registry.erase(b));
    EXPECT_FALSE(registry.erase(b));
    EXPECT_FALSE(registry.contains("REQ_2024_03_07_14_05_09_00000005"));
    EXPECT_TRUE(registry.insert(b));
    EXPECT_EQ(walk(registry), (Uids{"A", "C", "REQ_2024_03_07_14_05_09_00000005"}));
    EXPECT_EQ(walk_back(registry), (Uids{"REQ_2024_03_07_14_05_09_00000005", "C", "A"}));
}

TEST_F(UidRegistryTest, MovesAnEntryBeforeAnotherAtEitherEnd) {
    UidRegistry registry;
    for (const char* uid : {"A", "B", "C", "D"}) registry.insert(make(uid));
    struct Case {
        const char* uid;
        const char* before;
        bool moved;
        Uids after;
    };
    const Case cases[] = {
        {"D", "A", true, {"D", "A", "B", "C"}},   // the last becomes the first
        {"D", "C", true, {"A", "B", "D", "C"}},   // the first goes inside
        {"B", "B", true, {"A", "B", "D", "C"}},   // before itself: stays
        {"A", "X", false, {"A", "B", "D", "C"}},  // an unknown place
        {"X", "A", false, {"A", "B", "D", "C"}},  // an unknown uid
        {"A", "C", true, {"B", "D", "A", "C"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(registry.move_before(c.uid, c.before), c.moved) << c.uid << " before " << c.before;
        EXPECT_EQ(walk(registry), c.after) << c.uid << " before " << c.before;
        EXPECT_EQ(walk_back(registry), Uids(c.after.rbegin(), c.after.rend())) << c.uid << " before " << c.before;
    }
    registry.insert(make("E"));
    EXPECT_EQ(walk(registry), (Uids{"B", "D", "A", "C", "E"}));
}

TEST_F(UidRegistryTest, AgreesWithAPlainListThroughALongMixOfChanges) {
    // Thousands of entries grow the table many times over; erasing from the
    // middle of probe runs must leave every other entry findable.
    constexpr size_t kinds = 3000;
    std::vector<Node*> pool;
    for (size_t i = 0; i < kinds; ++i) pool.push_back(make(numbered(i)));
    UidRegistry registry;
    std::vector<Node*> expected;  // the walk the registry should show
    std::mt19937 random(17);
    for (int step = 0; step < 30000; ++step) {
        Node* n = pool[random() % kinds];
        const auto at = std::find(expected.begin(), expected.end(), n);
        const bool present = at != expected.end();
        switch (random() % 4) {
            case 0:
            case 1:
                ASSERT_EQ(registry.insert(n), !present) << step;
                if (!present) expected.push_back(n);
                break;
            case 2:
                ASSERT_EQ(registry.erase(n), present) << step;
                if (present) expected.erase(at);
                break;
            default: {
                Node* next = pool[random() % kinds];
                const auto next_at = std::find(expected.begin(), expected.end(), next);
                const bool both = present && next_at != expected.end();
                ASSERT_EQ(registry.move_before(n->get_uid(), next->get_uid()), both) << step;
                if (both && n != next) {
                    expected.erase(at);
                    expected.insert(std::find(expected.begin(), expected.end(), next), n);
                }
            }
        }
        ASSERT_EQ(registry.size(), expected.size()) << step;
        if (step % 1000 != 0) continue;
        Uids expected_uids;
        for (const Node* e : expected) expected_uids.push_back(e->get_uid());
        ASSERT_EQ(walk(registry), expected_uids) << step;
        for (const Node* p : pool) {
            const bool registered = std::find(expected.begin(), expected.end(), p) != expected.end();
            Node* const* found = registry.find(p->get_uid());
            ASSERT_EQ(found != nullptr, registered) << step << " " << p->get_uid();
            if (found) {
                ASSERT_EQ(*found, p) << step;
            }
        }
    }
}

TEST_F(UidRegistryTest, EmptiedItForgetsEveryEntryAndFillsAgain) {
    UidRegistry registry;
    registry.reserve(100);
    std::vector<Node*> old;
    for (size_t i = 0; i < 100; ++i) {
        old.push_back(make(numbered(i)));
        registry.insert(old.back());
    }
    registry.clear();
    EXPECT_TRUE(registry.empty());
    EXPECT_EQ(registry.begin(), registry.end());
    EXPECT_EQ(registry.find(numbered(5)), nullptr);
    Node* fresh = make("P");
    EXPECT_TRUE(registry.insert(fresh));
    // An object of before the emptying shares no entry with the one now in
    // its old slot.
    EXPECT_FALSE(registry.erase(old.front()));
    EXPECT_TRUE(registry.insert(old[7]));
    EXPECT_EQ(walk(registry), (Uids{"P", numbered(7)}));
    EXPECT_TRUE(registry.erase(fresh));
    EXPECT_EQ(walk(registry), (Uids{numbered(7)}));
}

}  // namespace

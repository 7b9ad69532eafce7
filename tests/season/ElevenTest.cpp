#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "season/Eleven.h"

namespace ravel {
namespace {

struct Xi {
    int32_t v[XI_SIZE] = {};
    bool operator==(const Xi&) const = default;
};

// Players 101..111 in slots 0..10; 101 keeps wicket, 102 captains, 110 and
// 111 open the bowling.
Xi FullEleven() {
    Xi xi{};
    for (int i = 0; i < XI_PLAYERS; ++i) xi.v[static_cast<size_t>(i)] = 101 + i;
    xi.v[XI_KEEPER] = 101;
    xi.v[XI_CAPTAIN] = 102;
    xi.v[XI_OPEN_BOWLER1] = 110;
    xi.v[XI_OPEN_BOWLER2] = 111;
    return xi;
}

TEST(Eleven, PlacingAPlayerSwapsOrHandsOverTheRoles) {
    struct Case {
        const char* what;
        int slot;
        int32_t player;
        bool placed;
        Xi expected;
    };
    Xi swapped = FullEleven();  // 110 from slot 9 to slot 1; 102 goes to slot 9, his captaincy to 110
    swapped.v[1] = 110;
    swapped.v[9] = 102;
    swapped.v[XI_CAPTAIN] = 110;
    Xi outsider = FullEleven();  // 150 takes slot 0 and the gloves of 101, who drops out
    outsider.v[0] = 150;
    outsider.v[XI_KEEPER] = 150;
    Xi bowler = FullEleven();  // 150 takes slot 10 and opening bowler 2
    bowler.v[10] = 150;
    bowler.v[XI_OPEN_BOWLER2] = 150;
    const Case cases[] = {
        {"a player of the eleven", 1, 110, true, swapped},
        {"a player from outside", 0, 150, true, outsider},
        {"an opening bowler's slot", 10, 150, true, bowler},
        {"his own slot", 4, 105, true, FullEleven()},
        {"a slot below the eleven", -1, 150, false, FullEleven()},
        {"a role slot", XI_CAPTAIN, 150, false, FullEleven()},
        {"nobody", 3, -1, false, FullEleven()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Xi xi = FullEleven();
        EXPECT_EQ(PlaceInEleven(xi.v, c.slot, c.player), c.placed);
        EXPECT_EQ(xi, c.expected);
    }
}

TEST(Eleven, AnEmptySlotHandsOverNoRoles) {
    Xi xi = FullEleven();
    xi.v[5] = -1;
    xi.v[XI_CAPTAIN] = -1;  // an unset role is not the empty slot's to give
    ASSERT_TRUE(PlaceInEleven(xi.v, 5, 150));
    EXPECT_EQ(xi.v[5], 150);
    EXPECT_EQ(xi.v[XI_CAPTAIN], -1);
    EXPECT_EQ(std::count(std::begin(xi.v) + XI_KEEPER, std::end(xi.v), 150), 0);
    // From the eleven into an empty slot: his old slot is left empty.
    xi.v[7] = -1;
    ASSERT_TRUE(PlaceInEleven(xi.v, 7, 103));
    EXPECT_EQ(xi.v[7], 103);
    EXPECT_EQ(xi.v[2], -1);
}

TEST(Eleven, BattingOrderMovesStopAtTheEnds) {
    struct Case {
        bool up;
        int slot;
        bool moved;
        int slotAfter;
    };
    const Case cases[] = {{true, 0, false, 0},    {true, 1, true, 0},    {true, 10, true, 9},
                          {false, 10, false, 10}, {false, 9, true, 10},  {false, 0, true, 1},
                          {true, 11, false, 11},  {false, -1, false, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.up ? "up from " : "down from ") << c.slot);
        Xi xi = FullEleven();
        int slot = c.slot;
        const bool moved = c.up ? MoveUpBattingOrder(xi.v, slot) : MoveDownBattingOrder(xi.v, slot);
        EXPECT_EQ(moved, c.moved);
        EXPECT_EQ(slot, c.slotAfter);
        if (c.moved) {
            EXPECT_EQ(xi.v[static_cast<size_t>(c.slotAfter)], 101 + c.slot)
                << "the player moved with the slot";
            EXPECT_EQ(xi.v[static_cast<size_t>(c.slot)], 101 + c.slotAfter);
        } else {
            EXPECT_EQ(xi, FullEleven());
        }
    }
}

TEST(Eleven, RolesAndTheirLimits) {
    struct Case {
        const char* what;
        int slot;
        int role;
        bool assigned;
        int32_t keeper, captain, bowler1, bowler2;
    };
    const Case cases[] = {
        {"captain", 4, XI_CAPTAIN, true, 101, 105, 110, 111},
        {"the keeper captains", 0, XI_CAPTAIN, true, 101, 101, 110, 111},
        {"a new keeper", 3, XI_KEEPER, true, 104, 102, 110, 111},
        {"opening bowler 1 to opening bowler 2 swaps them", 10, XI_OPEN_BOWLER1, true, 101, 102, 111, 110},
        {"opening bowler 2 to opening bowler 1 swaps them", 9, XI_OPEN_BOWLER2, true, 101, 102, 111, 110},
        {"a new opening bowler 1", 7, XI_OPEN_BOWLER1, true, 101, 102, 108, 111},
        {"the keeper cannot open the bowling", 0, XI_OPEN_BOWLER2, false, 101, 102, 110, 111},
        {"an opening bowler cannot keep", 9, XI_KEEPER, false, 101, 102, 110, 111},
        {"no slot", 11, XI_CAPTAIN, false, 101, 102, 110, 111},
        {"no role", 3, 3, false, 101, 102, 110, 111},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Xi xi = FullEleven();
        EXPECT_EQ(AssignRole(xi.v, c.slot, c.role), c.assigned);
        EXPECT_EQ(xi.v[XI_KEEPER], c.keeper);
        EXPECT_EQ(xi.v[XI_CAPTAIN], c.captain);
        EXPECT_EQ(xi.v[XI_OPEN_BOWLER1], c.bowler1);
        EXPECT_EQ(xi.v[XI_OPEN_BOWLER2], c.bowler2);
    }
    Xi xi = FullEleven();
    xi.v[6] = -1;
    EXPECT_FALSE(AssignRole(xi.v, 6, XI_CAPTAIN)) << "an empty slot takes no role";
    EXPECT_EQ(xi.v[XI_CAPTAIN], 102);
}

TEST(Eleven, AutoSelectionWithoutElevenKeepsTheEleven) {
    Selection none;
    none.fill(-1);
    Xi xi = FullEleven();
    EXPECT_FALSE(StoreAutoSelection(none, xi.v));
    EXPECT_EQ(xi, FullEleven());

    Selection picked;
    for (int i = 0; i < XI_PLAYERS; ++i) picked[static_cast<size_t>(i)] = 201 + i;
    picked[SEL_CAPTAIN] = 3;
    picked[SEL_KEEPER] = 0;
    picked[SEL_OPEN_BOWLER1] = 9;
    picked[SEL_OPEN_BOWLER2] = 12;  // outside the eleven: names nobody
    ASSERT_TRUE(StoreAutoSelection(picked, xi.v));
    EXPECT_EQ(xi.v[0], 201);
    EXPECT_EQ(xi.v[10], 211);
    EXPECT_EQ(xi.v[XI_CAPTAIN], 204);
    EXPECT_EQ(xi.v[XI_KEEPER], 201);
    EXPECT_EQ(xi.v[XI_OPEN_BOWLER1], 210);
    EXPECT_EQ(xi.v[XI_OPEN_BOWLER2], -1);
}

}  // namespace
}  // namespace ravel

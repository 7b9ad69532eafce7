// Player list views, their "Sort by" entries and the orderings behind them,
// over a handful of players whose figures cover the marks of "no value".
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "screens/team/PlayerLists.h"
#include "season/GameState.h"
#include "shell/gui/ComboBox.h"
#include "world/World.h"

namespace ravel {
namespace {

constexpr double NO_BAT = NO_BATTING_AVERAGE;
constexpr double NO_BOWL = NO_BOWLING_AVERAGE;

class PlayerListsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGameState();
        g_world.mv_players.resize(1);
    }
    void TearDown() override { ResetGameState(); }

    static Player& Add(const char* surname) {
        Player p;
        p.m_id = static_cast<int32_t>(g_world.mv_players.size());
        std::snprintf(p.m_surname, sizeof p.m_surname, "%s", surname);
        g_world.mv_players.push_back(p);
        return g_world.mv_players.back();
    }
    static std::vector<std::string> Texts(const CComboBox& combo) {
        std::vector<std::string> texts;
        for (const ListItem& item : combo.mv_items) texts.push_back(item.m_text);
        return texts;
    }
    static std::vector<int> Values(const CComboBox& combo) {
        std::vector<int> values;
        for (const ListItem& item : combo.mv_items) values.push_back(item.m_value);
        return values;
    }
    static std::string Surnames(const std::vector<int32_t>& ids) {
        std::string s;
        for (int32_t id : ids) s += std::string(s.empty() ? "" : " ") + PlayerById(id)->m_surname;
        return s;
    }
};

TEST_F(PlayerListsTest, ViewDropDownPerPage) {
    CComboBox club, country;
    FillViewList(club, ListPage::CLUB);
    FillViewList(country, ListPage::COUNTRY);
    ASSERT_EQ(club.ItemCount(), 21);
    ASSERT_EQ(country.ItemCount(), 20);
    EXPECT_EQ(Texts(club)[1], "Contract");
    EXPECT_EQ(Texts(country)[1], "Availability") << "no entry has the value 2 on the country page";
    EXPECT_EQ(Values(country)[1], 21);
    EXPECT_EQ(Texts(country).back(), "Season Bowling One Day");
    EXPECT_EQ(ViewEntryByValue(9)->view, 5006);
    EXPECT_EQ(ViewEntryByValue(2)->view, VIEW_CONTRACT);

    SetSquadViewTitle(country, 5);
    EXPECT_STREQ(country.m_caption, "Career Batting List A");
    SetSquadViewTitle(country, 20);
    EXPECT_STREQ(country.m_caption, "Career Batting List A") << "no such entry: nothing changes";
    SetSquadViewTitle(country, -1);
    EXPECT_STREQ(country.m_caption, "Career Batting List A");
}

TEST_F(PlayerListsTest, StatisticsViewsReadTheirBlock) {
    const struct {
        int view, block;
        bool bowling, limited;
    } cases[] = {{5005, 0, false, false}, {5006, 0, true, false}, {5008, 1, true, true},
                 {5011, 3, false, true},  {5014, 4, true, false}, {5020, 7, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.view);
        EXPECT_EQ(StatsBlockOfView(c.view), c.block);
        EXPECT_EQ(IsBowlingStatsView(c.view), c.bowling);
        EXPECT_EQ(IsLimitedOversBlock(c.block), c.limited);
    }
    EXPECT_EQ(StatsBlockOfView(VIEW_BASIC), -1);
    EXPECT_EQ(StatsBlockOfView(5021), -1);
}

TEST_F(PlayerListsTest, SortByEntriesPerViewAndPage) {
    const struct {
        int view;
        ListPage page;
        std::vector<std::string> texts;
        std::vector<int> values;
    } cases[] = {
        {VIEW_BASIC,
         ListPage::COUNTRY,
         {"Name", "Bat Form", "Bat Rating", "Bat Position", "Bat Hand", "Bowl Form", "Bowl Type",
          "Bowl Rating"},
         {1, 2, 3, 4, 5, 6, 7, 8}},
        {VIEW_BAT_SKILLS,
         ListPage::COUNTRY,
         {"Name", "Rating", "Front Foot", "Back Foot", "Off Side", "On Side", "vs Pace", "vs Spin",
          "Scoring Speed"},
         {1, 12, 2, 3, 4, 5, 6, 7, 8}},
        {VIEW_AVAILABILITY,
         ListPage::COUNTRY,
         {"Name", "International Duty", "Condition", "Morale"},
         {1, 2, 3, 4}},
        {5006,
         ListPage::COUNTRY,
         {"Name", "Matches", "Balls", "Runs Conceeded", "Wickets", "Average", "Best Bowling (Innings)",
          "Best Bowling (Match)", "5wi", "10wm"},
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {5016,
         ListPage::CLUB,
         {"Name", "Matches", "Balls", "Runs Conceeded", "Wickets", "Average", "Best Bowling (Innings)",
          "Best Bowling (Match)", "4wm", "5wm", "Strike Rate", "Economy"},
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {VIEW_CONTRACT, ListPage::CLUB, {"Name", "End Date", "Salary"}, {1, 2, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.view);
        CComboBox combo;
        combo.SetCaption("Average");
        FillSortByList(combo, c.view, c.page);
        EXPECT_STREQ(combo.m_caption, "Name");
        EXPECT_EQ(Texts(combo), c.texts);
        EXPECT_EQ(Values(combo), c.values);
    }
    // A view the page lacks: emptied, its caption kept.
    for (int view : {5021, 0}) {
        CComboBox combo;
        combo.AddListItem("Runs", 5);
        combo.SetCaption("Runs");
        FillSortByList(combo, view, ListPage::COUNTRY);
        EXPECT_EQ(combo.ItemCount(), 0);
        EXPECT_STREQ(combo.m_caption, "Runs");
    }
    EXPECT_TRUE(ViewColumns(VIEW_CONTRACT, ListPage::COUNTRY).size() == 1) << "only its Name column";
}

// Five bowlers: figures of a season's first-class block, with the marks of
// no value where a player has none.
class SortKeysTest : public PlayerListsTest {
protected:
    void SetUp() override {
        PlayerListsTest::SetUp();
        const struct {
            const char* surname;
            double batAverage, bowlAverage, strikeRate, economy;
            int bestWickets, bestRuns, bowlType;
            float batForm;
            int seasons;
        } rows[] = {
            {"Carter", 31.5, 24.0, 48.0, 3.0, 5, 40, 1, 4.0f, 2},
            {"Abbott", NO_BAT, NO_BOWL, NO_BOWL, NO_BOWL, 0, 0, 5, 12.0f, 0},
            {"Dunn", 44.0, 19.5, 52.0, 2.25, 5, 31, 0, std::numeric_limits<float>::quiet_NaN(), 1},
            {"Baker", 12.0, NO_BOWL, NO_BOWL, 4.5, 0, 0, 3, -3.0f, 3},
            {"\xc4rne", NO_BAT, 30.0, 40.0, 4.5, 3, 12, 2, 20.0f, 5},  // a first byte above 127
        };
        for (const auto& r : rows) {
            Player& p = Add(r.surname);
            PlayerStats& s = p.m_stats[STATS_SEASON_FC];
            s.m_battingAverage = r.batAverage;
            s.m_bowlingAverage = r.bowlAverage;
            s.m_strikeRate = r.strikeRate;
            s.m_economy = r.economy;
            s.m_bestInnsWickets = r.bestWickets;
            s.m_bestInnsRuns = r.bestRuns;
            p.m_bowlType = r.bowlType;
            p.m_batForm = r.batForm;
            p.m_northSeasons = r.seasons;
            m_ids.push_back(p.m_id);
        }
    }
    std::vector<int32_t> m_ids;
};

TEST_F(SortKeysTest, ColumnsOrderTheListWithNoValueLast) {
    const struct {
        int view, value;
        ListPage page;
        const char* order;
        const char* caption;
    } cases[] = {
        {5014, 1, ListPage::COUNTRY, "Abbott Baker Carter Dunn \xc4rne", "Name"},
        {5013, 6, ListPage::COUNTRY, "Dunn Carter Baker", "Average"},  // then Abbott and Arne in either order
        {5014, 6, ListPage::COUNTRY, "Dunn Carter \xc4rne", "Average"},
        {5014, 7, ListPage::COUNTRY, "Dunn Carter \xc4rne", "Best Bowling (Innings)"},
        {5014, 11, ListPage::CLUB, "\xc4rne Carter Dunn", "Strike Rate"},
        {5014, 12, ListPage::CLUB, "Dunn Carter", "Economy"},  // Baker and Arne tie on 4.5
        {VIEW_BASIC, 7, ListPage::COUNTRY, "Abbott Baker \xc4rne Carter Dunn", "Bowl Class"},
        {VIEW_BASIC, 7, ListPage::CLUB, "Dunn Carter \xc4rne Baker Abbott", "Bowl Type"},
        {VIEW_BASIC, 2, ListPage::CLUB, "\xc4rne Abbott Carter Baker Dunn", "Bat Form"},  // NaN last
        {VIEW_CONTRACT, 2, ListPage::CLUB, "Dunn Carter Baker \xc4rne Abbott",
         "Years Left"},  // 0 counts as 10
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "view " << c.view << " column " << c.value);
        std::vector<int32_t> ids = m_ids;
        const SortColumn* column = SortByColumn(ids, c.view, c.value, c.page, 1);
        ASSERT_NE(column, nullptr);
        EXPECT_EQ(Surnames(ids).substr(0, std::strlen(c.order)), c.order);
        EXPECT_STREQ(SortCaption(*column, c.view, c.page), c.caption);
    }
}

TEST_F(SortKeysTest, HaulColumnsShareTheirHeadings) {
    for (int view : {5006, 5008}) {
        const SortColumn* column = FindSortColumn(view, 9, ListPage::COUNTRY);
        ASSERT_NE(column, nullptr);
        EXPECT_STREQ(SortCaption(*column, view, ListPage::COUNTRY), "4 wicket innings/5wi");
        EXPECT_STREQ(SortCaption(*column, view, ListPage::CLUB), view == 5006 ? "5wi" : "4wm");
    }
}

TEST_F(SortKeysTest, AColumnTheViewLacksSortsNothing) {
    std::vector<int32_t> ids = m_ids;
    EXPECT_EQ(SortByColumn(ids, 5014, 11, ListPage::COUNTRY), nullptr) << "strike rate is the club page's";
    EXPECT_EQ(SortByColumn(ids, VIEW_BASIC, 9, ListPage::CLUB), nullptr);
    EXPECT_EQ(ids, m_ids);
    std::vector<int32_t> none;
    EXPECT_NE(SortByColumn(none, 5014, 6, ListPage::COUNTRY), nullptr) << "an empty list still sorts";
    EXPECT_TRUE(none.empty());
}

// Every key, either way, over players with figures, marks, NaN and an id
// that names nobody: irreflexive, asymmetric, and incomparability is
// transitive, as the standard sort needs.
TEST_F(SortKeysTest, EveryKeyIsAStrictWeakOrdering) {
    Add("Eden").m_batForm = std::numeric_limits<float>::quiet_NaN();
    Add("Eden").m_stats[STATS_SEASON_FC].m_economy = -1.0;
    std::vector<int32_t> ids = m_ids;
    ids.push_back(6);
    ids.push_back(7);
    ids.push_back(999);  // nobody
    for (int k = 0; k <= static_cast<int>(SortKey::BOWL_WITH_FORM); ++k) {
        for (bool descending : {false, true}) {
            SCOPED_TRACE(testing::Message() << "key " << k << (descending ? " descending" : " ascending"));
            std::vector<int32_t> sorted = ids;
            const SortKey key = static_cast<SortKey>(k);
            const SortContext context{STATS_SEASON_FC, 1};
            SortPlayers(sorted, key, 2, descending, context);
            const auto before = [&](int32_t a, int32_t b) {
                return PlayerBefore(a, b, key, 2, descending, context);
            };
            for (int32_t a : ids) {
                EXPECT_FALSE(before(a, a));
                for (int32_t b : ids) {
                    if (before(a, b)) {
                        EXPECT_FALSE(before(b, a));
                    }
                    for (int32_t c : ids) {
                        const bool ab = !before(a, b) && !before(b, a);
                        const bool bc = !before(b, c) && !before(c, b);
                        const bool ac = !before(a, c) && !before(c, a);
                        if (ab && bc) {
                            EXPECT_TRUE(ac);
                        }
                    }
                }
            }
            EXPECT_EQ(sorted.back(), 999) << "an unknown id goes last";
        }
    }
}

}  // namespace
}  // namespace ravel

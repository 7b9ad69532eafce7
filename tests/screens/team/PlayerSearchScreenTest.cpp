// The player search screen over a small world: the first visit's view and
// order, a name search, the filter dialog and the choices kept between
// visits.
#include "TeamFixture.h"
#include "screens/menus/ScreenControls.h"
#include "screens/team/PlayerSearchScreen.h"
#include "shell/gui/Button.h"
#include "shell/gui/Dialog.h"
#include "shell/gui/EditBox.h"
#include "shell/gui/ScrollBar.h"

namespace ravel {
namespace {

using PS = CPlayerSearchScreen;

constexpr int BANGLADESH = 10;
constexpr uint32_t YELLOW = 0xffffff00u;
constexpr uint32_t WHITE = 0xffffffffu;

class PlayerSearchScreenTest : public TeamPageDriver {
protected:
    void SetUp() override {
        TeamPageDriver::SetUp();
        AddCountry(BANGLADESH, "Bangladesh");
        // Surname, country, favourite position, Test runs and completed innings.
        const struct {
            const char* surname;
            int country;
            int position;
            int runs;
            int outs;
        } players[] = {
            {"Marsh", 2, 1, 400, 10}, {"Carter", BANGLADESH, 4, 900, 10},
            {"Hardy", 2, 5, 0, 0},    {"Barlow", BANGLADESH, 2, 300, 10},
            {"Quill", 3, 9, 50, 0},   {"Larkin", BANGLADESH, 7, 0, 2},
        };
        for (const auto& p : players) {
            Player player;
            player.m_id = static_cast<int32_t>(g_world.mv_players.size());
            std::snprintf(player.m_firstName, sizeof player.m_firstName, "Arthur");
            std::snprintf(player.m_surname, sizeof player.m_surname, "%s", p.surname);
            std::snprintf(player.m_initials, sizeof player.m_initials, "A");
            player.m_country = p.country;
            player.m_batPosition = p.position;
            PlayerStats& tests = player.m_stats[STATS_CAREER_TEST];
            tests.m_matches = tests.m_innings = p.outs + 1;
            tests.m_notOuts = 1;
            tests.m_runs = p.runs;
            g_world.mv_players.push_back(player);
            ids.push_back(player.m_id);
        }
        Appoint(CLUB_A);
        PS::sv_results.clear();
    }

    void OpenSearch() {
        m_game->ChangeScreen(SCREEN_PLAYER_SEARCH);
        Idle(2);
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (int32_t id : PS::sv_results) names.push_back(PlayerById(id)->m_surname);
        return names;
    }
    void TypeName(const char* text) {
        Tap(PS::s_editName);
        m_system->HeadlessInput()->TypeText(text);
        Idle();
    }
    // A control of the dialog, placed within it.
    void TapInDialog(const CControl* control) {
        Idle(2);
        ClickAt(PS::s_dialog->m_x + control->m_x + 5, PS::s_dialog->m_y + TITLE_HEIGHT + control->m_y + 5);
        Idle();
    }
    void Toggle(int index) { TapInDialog(PS::s_ticks[index]); }
    // Opens the dialog's drop-down and picks its item at that index.
    void ChooseInDialog(CComboBox* combo, int index) {
        TapInDialog(combo);
        Idle(2);
        ASSERT_EQ(combo->m_comboState, COMBO_OPEN);
        ClickAt(PS::s_dialog->m_x + combo->m_x + 40, PS::s_dialog->m_y + TITLE_HEIGHT + combo->m_y +
                                                         combo->m_collapsedHeight + ITEM_HEIGHT * index + 10);
        Idle();
    }

    std::vector<int32_t> ids;
};

TEST_F(PlayerSearchScreenTest, FirstVisitListsTestBattingByAverageWithNoInningsLast) {
    OpenSearch();
    EXPECT_EQ(PS::s_view, 8109);
    EXPECT_STREQ(PS::s_comboView->m_caption, "Career Batting Tests");
    EXPECT_STREQ(PS::s_comboSort->m_caption, "Average");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Carter", "Marsh", "Barlow", "Larkin", "Hardy", "Quill"}));
    Frame();
    EXPECT_TRUE(Drawn("Found: 6 players"));
    const DrawnText* best = TextAt(690, SEARCH_ROW_TOP);
    ASSERT_NE(best, nullptr);
    EXPECT_EQ(best->text, "90.00");
    EXPECT_EQ(best->colour, YELLOW);
    const DrawnText* zero = TextAt(690, SEARCH_ROW_TOP + 3 * 20);
    ASSERT_NE(zero, nullptr);
    EXPECT_EQ(zero->text, "0.00");  // an average of nought is a figure
    const DrawnText* none = TextAt(690, SEARCH_ROW_TOP + 4 * 20);
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->text, "-");
    EXPECT_EQ(none->colour, WHITE);
    Shot("search_first_visit.png");
}

TEST_F(PlayerSearchScreenTest, FindAndApplySortTheFoundPlayersByTheShownKey) {
    OpenSearch();
    TypeName("ar");
    Tap(PS::s_btnFind);
    Idle();
    EXPECT_STREQ(PS::s_comboSort->m_caption, "Average");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Carter", "Marsh", "Barlow", "Larkin", "Hardy"}));

    Tap(PS::s_btnEdit);
    ASSERT_TRUE(PS::s_dialog->mb_visible);
    Toggle(0);  // "Openers" off
    EXPECT_FALSE(PS::s_ticks[0]->mb_ticked);
    ChooseInDialog(PS::s_comboCountry, 2);
    EXPECT_STREQ(PS::s_comboCountry->m_caption, "Bangladesh");
    Frame();
    Shot("search_filter_dialog.png");
    TapInDialog(PS::s_btnApply);
    EXPECT_FALSE(PS::s_dialog->mb_visible);
    EXPECT_EQ(PS::s_request.m_nationality, BANGLADESH);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Carter", "Larkin"}));
    Frame();
    EXPECT_TRUE(Drawn("Found: 2 players"));

    // A row below the last result opens nothing; a result opens his page.
    ClickAt(400, SEARCH_ROW_TOP + 2 * 20 + 5);
    Idle();
    EXPECT_EQ(m_game->m_screenId, SCREEN_PLAYER_SEARCH);
    Tap(PS::s_rows[1]);
    EXPECT_EQ(m_game->m_screenId, SCREEN_PLAYER);
    EXPECT_EQ(SubjectOf(SCREEN_PLAYER).m_id, ids[5]);

    // Back again: everything as it was left.
    OpenSearch();
    EXPECT_STREQ(PS::s_editName->m_caption, "ar");
    EXPECT_FALSE(PS::s_ticks[0]->mb_ticked);
    EXPECT_TRUE(PS::s_ticks[1]->mb_ticked);
    EXPECT_STREQ(PS::s_comboCountry->m_caption, "Bangladesh");
    EXPECT_EQ(PS::s_comboCountry->m_selected, 2);
    EXPECT_STREQ(PS::s_comboSort->m_caption, "Average");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Carter", "Larkin"}));
}

TEST_F(PlayerSearchScreenTest, ViewChangeRefillsSortByButKeepsTheOrder) {
    OpenSearch();
    const std::vector<std::string> before = Names();
    Choose(PS::s_comboView, 0);  // "Basic"
    EXPECT_EQ(PS::s_view, SEARCH_BASIC);
    EXPECT_STREQ(PS::s_comboSort->m_caption, "Name");
    EXPECT_EQ(PS::s_comboSort->ItemCount(), 7);
    EXPECT_EQ(Names(), before);
    Choose(PS::s_comboSort, 3);  // "Nation"
    EXPECT_STREQ(PS::s_comboSort->m_caption, "Nation");
    EXPECT_EQ(PlayerById(PS::sv_results.front())->m_country, 2);
    EXPECT_EQ(PlayerById(PS::sv_results.back())->m_country, BANGLADESH);
    Frame();
    EXPECT_TRUE(Drawn("Bowling Style"));
    Shot("search_basic.png");

    // A saved view position that no longer names an entry is not restored.
    m_game->ChangeScreen(SCREEN_NEWS);
    g_userCoaches[0].m_searchPage.m_viewIndex = 99;
    g_userCoaches[0].m_searchPage.m_sortIndex = -4;
    g_userCoaches[0].m_searchPage.m_search.m_nationality = 42;
    OpenSearch();
    EXPECT_STREQ(PS::s_comboView->m_caption, "Career Batting Tests");
    EXPECT_EQ(PS::s_comboCountry->m_selected, 0);
}

TEST_F(PlayerSearchScreenTest, OneResultReadsSingularAndNoScrollingPastIt) {
    OpenSearch();
    TypeName("quill");
    Tap(PS::s_btnFind);
    Idle();
    Frame();
    EXPECT_TRUE(Drawn("Found: 1 player"));
    EXPECT_TRUE(PS::s_scroll->mb_disabled);
    TickWheel(-1);
    EXPECT_EQ(PS::ScrollPosition(), 0);
    TypeName("zzz");
    Tap(PS::s_btnFind);
    Idle();
    Frame();
    EXPECT_TRUE(Drawn("Found: 0 players"));
}

TEST_F(PlayerSearchScreenTest, OnlyAvailablePlayersNeedsAClubJob) {
    StaffMemberById(USER_COACH)->m_clubJob = 0;
    g_userCoaches[0].m_staff.m_clubJob = 0;
    OpenSearch();
    EXPECT_TRUE(PS::s_ticks[15]->mb_disabled);
    EXPECT_FALSE(PS::s_ticks[15]->mb_ticked);
}

}  // namespace
}  // namespace ravel

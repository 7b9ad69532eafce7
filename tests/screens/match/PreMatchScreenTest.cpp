// Before the user's match: the toss and the winner's choice on screen 117,
// and the selection window's table of bowlers and batsmen.
#include <algorithm>
#include <string>
#include <vector>

#include "MatchViewFixture.h"
#include "screens/match/PreMatchScreen.h"

namespace ravel {
namespace {

CPreMatchScreen& PM() {
    return TheScreen<CPreMatchScreen>();
}

class PreMatchScreenTest : public MatchViewTest {
protected:
    void OpenPreMatch() {
        m_game->ChangeScreen(SCREEN_PRE_MATCH);
        Idle(2);
    }
    // The texts the last frame drew.
    std::vector<DrawnText> Drawn() {
        m_game->RenderFrame();
        return m_system->HeadlessInput()->mv_texts;
    }
    bool DrewText(const std::string& text) {
        const std::vector<DrawnText> texts = Drawn();
        return std::any_of(texts.begin(), texts.end(), [&](const DrawnText& t) { return t.text == text; });
    }
    // The text drawn at a place, or "" for none.
    static std::string TextAt(const std::vector<DrawnText>& texts, int x, int y) {
        for (const DrawnText& t : texts) {
            if (t.x == x && t.y == y) return t.text;
        }
        return "";
    }
    static const DrawnText* Find(const std::vector<DrawnText>& texts, const std::string& text) {
        for (const DrawnText& t : texts) {
            if (t.text == text) return &t;
        }
        return nullptr;
    }
};

TEST_F(PreMatchScreenTest, TheTossAndTheWinnersChoice) {
    struct Case {
        const char* name;
        int32_t winner;
        int32_t usersChoice;  // 0 when the computer chooses
        int32_t toss;
    };
    const Case cases[] = {
        {"the computer wins", test::AWAY, 0, TOSS_SECOND_TEAM},
        {"the user wins and bats", test::HOME, 1, TOSS_FIRST_TEAM},
        {"the user wins and bowls", test::HOME, 2, TOSS_FIRST_TEAM},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Match& match = MakeUntossedMatch(test::COMP_FC);
        match.mi_tossWinner = c.winner;
        OpenPreMatch();
        EXPECT_EQ(PM().mi_toss, TOSS_NOT_MADE);
        EXPECT_TRUE(DrewText("The captains are ready and the toss is about to take place."));
        EXPECT_FALSE(Usable(PM().m_btnContinue));
        EXPECT_FALSE(Usable(PM().m_btnMainMenu));
        Tap(PM().m_btnCoinToss);
        EXPECT_EQ(PM().mi_toss, c.toss);
        EXPECT_FALSE(Visible(PM().m_btnCoinToss));
        if (c.usersChoice == 0) {
            EXPECT_FALSE(Visible(PM().m_btnBat));
            EXPECT_TRUE(Usable(PM().m_btnContinue)) << "no choice of his to wait for";
            EXPECT_NE(PM().mi_choice, CHOICE_NOT_MADE);
        } else {
            EXPECT_TRUE(Usable(PM().m_btnBat));
            EXPECT_TRUE(Usable(PM().m_btnBowl));
            EXPECT_FALSE(Usable(PM().m_btnContinue)) << "until he chooses";
            EXPECT_EQ(PM().mi_choice, CHOICE_NOT_MADE);
            Tap(c.usersChoice == 1 ? PM().m_btnBat : PM().m_btnBowl);
            EXPECT_EQ(PM().mi_choice, c.usersChoice == 1 ? CHOICE_BAT : CHOICE_BOWL);
            EXPECT_EQ(match.mi_battingFirst, c.usersChoice == 1 ? test::HOME : test::AWAY);
            EXPECT_FALSE(Visible(PM().m_btnBat));
            EXPECT_TRUE(Usable(PM().m_btnContinue));
            EXPECT_TRUE(Usable(PM().m_btnMainMenu));
        }
        const std::string winner = match.TeamName(c.winner);
        EXPECT_TRUE(DrewText(winner + " have won the toss"));
        EXPECT_EQ(match.mi_tossWinner, c.winner);
        m_game->ChangeScreen(SCREEN_COMPETITION);
        ResetMatchLists();
        test::BuildWorld();
    }
}

// A match that had its toss (under six balls, it comes back here the next
// day) keeps it: tossing again would start its first innings afresh.
TEST_F(PreMatchScreenTest, ATossMadeStandsOnReturn) {
    Match& match = MakeUserMatch(test::COMP_FC, false);
    match.CurrentInnings().mi_legalBalls = 4;
    OpenPreMatch();
    Tap(PM().m_btnCoinToss);
    EXPECT_EQ(PM().mi_toss, TOSS_FIRST_TEAM);
    EXPECT_EQ(PM().mi_choice, CHOICE_BOWL);
    EXPECT_FALSE(Visible(PM().m_btnBat)) << "his choice was made";
    EXPECT_TRUE(Usable(PM().m_btnContinue));
    EXPECT_EQ(match.CurrentInnings().mi_legalBalls, 4);
    Tap(PM().m_btnContinue);
    EXPECT_EQ(m_game->m_screenId, SCREEN_MATCH_VIEW);
}

TEST_F(PreMatchScreenTest, TheElevensWithCaptainAndKeeperMarks) {
    Match& match = MakeUserMatch(test::COMP_FC, true);
    MatchTeam& home = match.m_team1;
    home.mi_keeperSlot.fill(4);
    home.mi_orderSlotA.fill(4);
    match.m_team2.mi_keeperSlot.fill(6);
    match.m_team2.mi_orderSlotA.fill(1);
    OpenPreMatch();
    const std::vector<DrawnText> texts = Drawn();
    auto name = [](const MatchTeam& side, int slot) {
        const Player* p = PlayerById(side.m_players[slot].mi_player);
        return std::string(p->m_initials) + " " + p->m_surname;
    };
    EXPECT_EQ(TextAt(texts, 600, 240 + 25 * 4), "*+" + name(home, 4));
    EXPECT_EQ(TextAt(texts, 600, 240), name(home, 0));
    EXPECT_EQ(TextAt(texts, 800, 240 + 25 * 6), "+" + name(match.m_team2, 6));
    EXPECT_EQ(TextAt(texts, 800, 240 + 25 * 1), "*" + name(match.m_team2, 1));
}

// The bowler list: figures only for a bowler who has bowled, overs with the
// balls of an unfinished one, the last dash moving as the runs grow, the
// fitness bar's colour by the energy.
TEST_F(PreMatchScreenTest, TheBowlerList) {
    Match& match = MakeUserMatch(test::COMP_FC, false);
    m_game->ChangeScreen(SCREEN_MATCH_VIEW);
    Innings& innings = match.CurrentInnings();
    MatchView().m_kept.mv_selectStatsView = FIGURES_BOWL_SKILL;
    const int keeper = match.FieldingSide().KeeperSlot(match.mi_currentInnings);
    std::vector<int> rows;
    for (int k = 1; k < SQUAD_SIZE && rows.size() < 4; ++k) {
        if (k != keeper) rows.push_back(k);
    }
    const int none = rows[0], over13 = rows[1], over12 = rows[2], hundred = rows[3];
    innings.m_bowlers[none] = {};
    innings.m_bowlers[none].mi_player = match.FieldingSide().m_players[none].mi_player;
    innings.m_bowlers[over13].mi_balls = 13;
    innings.m_bowlers[over13].mi_runs = 9;
    innings.m_bowlers[over12].mi_balls = 12;
    innings.m_bowlers[over12].mi_runs = 10;
    innings.m_bowlers[hundred].mi_balls = 30;
    innings.m_bowlers[hundred].mi_runs = 100;
    OpenSelectBowler();
    const std::vector<DrawnText> texts = Drawn();
    const CDialog* w = MatchView().m_ui.select.window;
    auto rowY = [&](int k) { return w->m_y + 90 + 25 * k; };
    EXPECT_EQ(TextAt(texts, w->m_x + 380, rowY(none)), "") << "no ball bowled, no figures";
    EXPECT_EQ(TextAt(texts, w->m_x + 380, rowY(over13)), "2.1");
    EXPECT_EQ(TextAt(texts, w->m_x + 380, rowY(over12)), "2");
    EXPECT_EQ(TextAt(texts, w->m_x + 470, rowY(over13)), "0") << "9 runs: wickets at 470";
    EXPECT_EQ(TextAt(texts, w->m_x + 473, rowY(over12)), "0") << "10 runs: 3 pixels on";
    EXPECT_EQ(TextAt(texts, w->m_x + 477, rowY(hundred)), "0") << "100 runs: 4 more";
    EXPECT_EQ(TextAt(texts, w->m_x + 235, rowY(keeper)), "Cannot bowl");
    EXPECT_NE(Find(texts, "Skill"), nullptr);
}

TEST_F(PreMatchScreenTest, FitnessBarColours) {
    struct Case {
        float energy;
        uint32_t colour;
    };
    const Case cases[] = {
        {45.0f, 0xffff0000}, {45.5f, 0xffdda91b},  {70.0f, 0xffdda91b},
        {70.5f, 0xff00e600}, {100.0f, 0xff00e600},
    };
    Match& match = MakeUserMatch(test::COMP_FC, false);
    m_game->ChangeScreen(SCREEN_MATCH_VIEW);
    const int keeper = match.FieldingSide().KeeperSlot(match.mi_currentInnings);
    const int row = keeper == 2 ? 3 : 2;
    const CDialog* w = MatchView().m_ui.select.window;
    OpenSelectBowler();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.energy);
        match.FieldingSide().m_players[row].mf_energy = c.energy;
        m_game->RenderFrame();
        const int y = w->m_y + 90 + 25 * row + 21;
        // Right and bottom edges are exclusive.
        const int end = w->m_x + 649 + static_cast<int>(c.energy / 2.0f);
        EXPECT_EQ(Pixel(end - 1, y), c.colour) << "the bar's end";
        EXPECT_EQ(Pixel(end, y), 0xff000000u) << "the box behind";
    }
}

// The batsman list: the men in yellow, those to come with position and
// rating, those out in grey with how they went.
TEST_F(PreMatchScreenTest, TheBatsmanList) {
    Match& match = MakeUserMatch(test::COMP_FC, true);
    m_game->ChangeScreen(SCREEN_MATCH_VIEW);
    Innings& innings = match.CurrentInnings();
    match.Dismiss(OUTCOME_BOWLED);
    innings.m_batsmen[3].mi_howOut = HOWOUT_CAUGHT;  // as the card would read
    innings.m_batsmen[3].mi_bowler = 2;
    innings.m_batsmen[3].mi_fielder = innings.m_bowlers[5].mi_player;
    innings.Recount();
    OpenSelectBatsman();
    const std::vector<DrawnText> texts = Drawn();
    const CDialog* w = MatchView().m_ui.select.window;
    auto rowY = [&](int k) { return w->m_y + 90 + 25 * k; };
    auto surname = [](int32_t id) { return std::string(PlayerById(id)->m_surname); };
    const std::string bowler0 = surname(innings.m_bowlers[innings.m_batsmen[0].mi_bowler].mi_player);
    EXPECT_EQ(TextAt(texts, w->m_x + 250, rowY(0)), "b " + bowler0);
    EXPECT_EQ(TextAt(texts, w->m_x + 250, rowY(3)), "c " + surname(innings.m_bowlers[5].mi_player) + " b " +
                                                        surname(innings.m_bowlers[2].mi_player));
    for (const DrawnText& t : texts) {
        if (t.x == w->m_x + 30 && t.y == rowY(1)) {
            EXPECT_EQ(t.colour, 0xffffff00u) << "at the crease";
        }
        if (t.x == w->m_x + 30 && t.y == rowY(0)) {
            EXPECT_EQ(t.colour, 0xffcdcdcdu) << "out";
        }
    }
    const Player* fifth = PlayerById(innings.m_batsmen[5].mi_player);
    EXPECT_EQ(TextAt(texts, w->m_x + 450, rowY(5)), fifth->BattingRatingWord());
    EXPECT_NE(Find(texts, "FC Ave"), nullptr);
}

}  // namespace
}  // namespace ravel

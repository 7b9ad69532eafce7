// The scorecard, today's scoreboard and fixtures, and the match player over
// the match engine's small world: the views and their rows, saving the HTML
// card, the routes into the scorecard, the filters' lists on screen, and a
// day's highlights played back.
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "MatchViewFixture.h"
#include "match/HighlightsFile.h"
#include "screens/match/MatchPlayerScreen.h"
#include "screens/match/ScorecardScreen.h"
#include "screens/match/TodaysScreens.h"
#include "screens/menus/ScreenControls.h"
#include "season/DayMachine.h"
#include "season/TodaysLists.h"
#include "shell/Settings.h"
#include "shell/gui/FileDialog.h"
#include "shell/gui/MessageBox.h"
#include "shell/platform/Keys.h"

namespace ravel {
namespace {

class MatchScreensTest : public MatchViewTest {
protected:
    void SetUp() override {
        MatchViewTest::SetUp();
        std::snprintf(m_savedOutput, sizeof m_savedOutput, "%s", s_outputFolder);
        m_folder = std::filesystem::temp_directory_path() / ("ravel_out_" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_folder);
        std::snprintf(s_outputFolder, sizeof s_outputFolder, "%s", m_folder.string().c_str());
        ResetHighlights();
    }
    void TearDown() override {
        if (m_game->m_screenId != SCREEN_COMPETITION) m_game->ChangeScreen(SCREEN_COMPETITION);
        std::snprintf(s_outputFolder, sizeof s_outputFolder, "%s", m_savedOutput);
        std::filesystem::remove_all(m_folder);
        ResetHighlights();
        MatchViewTest::TearDown();
    }
    // A one-day match between the two clubs, played to its end.
    static Match& PlayedOneDayMatch() {
        Match& match = test::StartComputerMatch(test::COMP_ONE_DAY);
        test::PlayToEnd(match);
        return match;
    }
    std::string Said() const {
        std::string said = CMessageBox::s_messageText;
        for (const QueuedMessage& q : CMessageBox::s_messageQueue) said += q.text;
        return said;
    }
    void ChooseItem(CComboBox* combo, int value) {
        for (int i = 0; i < combo->ItemCount(); ++i)
            if (combo->mv_items[i].m_value == value) combo->m_selected = i;
        combo->m_comboState = COMBO_CHOSEN;
        Idle();
    }
    template <class T>
    T* ListedOf(const char* caption) const {
        for (CControl* c : Listed())
            if (std::strcmp(c->m_caption, caption) == 0) return dynamic_cast<T*>(c);
        return nullptr;
    }
    char m_savedOutput[FOLDER_BUFFER] = {};
    std::filesystem::path m_folder;
};

TEST_F(MatchScreensTest, OpeningAScorecardByListAndById) {
    Match& done = PlayedOneDayMatch();
    RetireMatch(0);
    Match& going = test::StartComputerMatch(test::COMP_FC);
    struct Case {
        const char* name;
        int list, index, screen, subjectList;
    };
    const Case cases[] = {
        {"completed match", MATCH_LIST_COMPLETED, 0, SCREEN_SCORECARD, MATCH_LIST_COMPLETED},
        {"match in progress", MATCH_LIST_IN_PROGRESS, 0, SCREEN_SCORECARD, MATCH_LIST_IN_PROGRESS},
        {"any other list is the matches in progress", 7, 0, SCREEN_SCORECARD, MATCH_LIST_IN_PROGRESS},
        {"a bad index opens the news page", MATCH_LIST_COMPLETED, 1, SCREEN_NEWS, 0},
        {"a negative index", MATCH_LIST_IN_PROGRESS, -1, SCREEN_NEWS, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_game->ChangeScreen(SCREEN_COMPETITION);
        OpenScorecard(c.list, c.index);
        EXPECT_EQ(m_game->m_screenId, c.screen);
        if (c.subjectList) {
            EXPECT_EQ(SubjectOf(SCREEN_SCORECARD).m_kind, c.subjectList);
        }
    }
    m_game->ChangeScreen(SCREEN_COMPETITION);
    OpenScorecardByMatchId(going.mi_id);
    EXPECT_EQ(ScorecardMatch(), &going);
    OpenScorecardByMatchId(done.mi_id);
    EXPECT_EQ(ScorecardMatch(), &done);
    m_game->ChangeScreen(SCREEN_COMPETITION);
    OpenScorecardByMatchId(9999);
    EXPECT_EQ(m_game->m_screenId, SCREEN_COMPETITION) << "no match with the id: nothing happens";
}

TEST_F(MatchScreensTest, TheViewsOfAOneDayMatch) {
    Match& match = PlayedOneDayMatch();
    OpenScorecard(MATCH_LIST_IN_PROGRESS, 0);
    Idle(2);
    Frame();
    EXPECT_EQ(TheScreen<CScorecardScreen>().mi_view, VIEW_SUMMARY);
    EXPECT_EQ(TextAt(611, 658), match.ResultText());
    CButton* first = ListedOf<CButton>(SideName(match.m_innings[0].mi_battingTeam));
    CButton* second = ListedOf<CButton>(SideName(match.m_innings[1].mi_battingTeam));
    ASSERT_NE(first, nullptr) << "the wide tabs are named after the batting sides";
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->m_width, 306);
    EXPECT_FALSE(ListedOf<CButton>("Innings 3")->mb_visible);
    EXPECT_FALSE(ListedOf<CButton>("Innings 4")->mb_visible);
    Shot("scorecard_1_summary.png");

    Tap(second);
    EXPECT_EQ(TheScreen<CScorecardScreen>().mi_view, VIEW_INNINGS_1 + 1);
    Frame();
    EXPECT_EQ(TextAt(230, 400), "Extras");
    EXPECT_EQ(TextAt(800, 420), std::to_string(InningsTotal(match.m_innings[1])));
    Shot("scorecard_2_batting.png");

    // The bowling card: a row and a hot spot per bowling order entry that bowled.
    CComboBox* card = ListedOf<CComboBox>("Batting Card");
    ASSERT_NE(card, nullptr);
    ChooseItem(card, 2);
    EXPECT_EQ(TheScreen<CScorecardScreen>().mi_card, CARD_BOWLING);
    int32_t slots[SQUAD_SIZE];
    const int rows = BowlingRows(match, 1, slots);
    ASSERT_GE(rows, 4);
    int shown = 0;
    for (CControl* c : Listed()) {
        auto* spot = dynamic_cast<CHotSpot*>(c);
        if (spot && spot->mb_visible && !spot->mb_disabled) ++shown;
    }
    EXPECT_EQ(shown, rows);
    Frame();
    const Player* opener = PlayerById(match.m_innings[1].m_bowlers[slots[0]].mi_player);
    ASSERT_NE(opener, nullptr);
    EXPECT_EQ(TextAt(230, 200), std::string(opener->m_initials) + " " + opener->m_surname);
    Shot("scorecard_3_bowling.png");
    ChooseItem(card, 1);
    EXPECT_EQ(TheScreen<CScorecardScreen>().mi_card, CARD_PARTNERSHIPS);
    Shot("scorecard_4_partnerships.png");

    // The batting card's second row opens the batsman's page.
    ChooseItem(card, 0);
    Idle(2);
    Frame();
    CHotSpot* row = nullptr;
    for (CControl* c : Listed()) {
        if (c->mb_visible && c->m_x == 230 && c->m_y == 200) row = dynamic_cast<CHotSpot*>(c);
    }
    ASSERT_NE(row, nullptr);
    Tap(row);
    EXPECT_EQ(TheScreen<CScorecardScreen>().mi_view, VIEW_BATSMAN);
    EXPECT_EQ(TheScreen<CScorecardScreen>().mi_position, 1);
    Frame();
    const BatsmanFigures& b = match.m_innings[1].m_batsmen[1];
    EXPECT_EQ(TextAt(230, 220), "Runs: " + std::to_string(BatsmanRuns(b)));
    Shot("scorecard_5_batsman.png");
}

TEST_F(MatchScreensTest, AnUnstartedInningsTabIsDisabledInALongerMatch) {
    Match& match = test::StartComputerMatch(test::COMP_FC);
    for (int ball = 0; ball < 30; ++ball) {
        match.mi_decision = DECISION_NONE;
        match.Step();
    }
    OpenScorecard(MATCH_LIST_IN_PROGRESS, 0);
    Idle(2);
    EXPECT_FALSE(ListedOf<CButton>("Innings 1")->mb_disabled);
    for (const char* tab : {"Innings 2", "Innings 3", "Innings 4"}) {
        EXPECT_TRUE(ListedOf<CButton>(tab)->mb_disabled) << tab;
        EXPECT_TRUE(ListedOf<CButton>(tab)->mb_visible) << tab;
    }
    Shot("scorecard_6_first_class.png");
}

TEST_F(MatchScreensTest, SavingTheHtmlScorecard) {
    PlayedOneDayMatch();
    OpenScorecard(MATCH_LIST_IN_PROGRESS, 0);
    Tap(ListedOf<CButton>("Output to HTML"));
    CFileDialog* dialog = nullptr;
    for (CControl* c : Listed())
        if (auto* d = dynamic_cast<CFileDialog*>(c)) dialog = d;
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(dialog->mb_visible);
    EXPECT_STREQ(dialog->m_folder, s_outputFolder);
    Shot("scorecard_7_save.png");
    Idle(2);
    Click(&dialog->m_okButton);
    const std::filesystem::path file = m_folder / "scorecard.html";
    ASSERT_TRUE(std::filesystem::exists(file));
    std::ifstream in(file);
    const std::string html((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(html.find("<table class=\"batting\">"), std::string::npos);
    EXPECT_NE(Said().find("Scorecard has been saved"), std::string::npos);

    struct Case {
        const char* name;
        const char* file;
        bool removeFolder;
    };
    const Case refusals[] = {{"a name leaving the folder", "../escape.html", false},
                             {"a folder that is gone", "card.html", true}};
    for (const Case& c : refusals) {
        SCOPED_TRACE(c.name);
        CMessageBox::s_messageQueue.clear();
        std::snprintf(CMessageBox::s_messageText, sizeof CMessageBox::s_messageText, "%s", "");
        if (c.removeFolder) std::filesystem::remove_all(m_folder);
        dialog->m_nameBox.SetCaption(c.file);
        SaveScorecardHtml();
        EXPECT_EQ(Said().find("Scorecard has been saved"), std::string::npos);
        EXPECT_FALSE(Said().empty()) << "a message says why";
        EXPECT_FALSE(std::filesystem::exists(m_folder.parent_path() / "escape.html"));
        EXPECT_FALSE(std::filesystem::exists(m_folder / "card.html"));
    }
}

TEST_F(MatchScreensTest, TheScoreboardListsTheDayAndKeepsItsHighlights) {
    // The user's club plays a one-day match with real fours and sixes.
    g_userCoaches.resize(1);
    g_userCoaches[0].m_staff.m_clubJob = test::HOME;
    g_cricket.m_coachIndex = 0;
    Match& match = MakeUserMatch(test::COMP_ONE_DAY, true);
    match.mb_team1Human = 0;  // played by the engine alone, balls still recorded below
    test::PlayToEnd(match);
    match.mb_team1Human = 1;
    int boundaries = 0;
    for (const BallAnimScript& s : match.mv_animScripts) boundaries += s.mi_runs == 4 || s.mi_runs == 6;
    ASSERT_GT(boundaries, 0) << "the seeded match hits a boundary";
    g_highlightFilters = HighlightFilters{};  // fours, sixes, chances, wickets, celebrations
    test::StartComputerMatch(test::COMP_FC);
    for (Competition& c : g_world.mv_competitions) c.mv_teams = {test::HOME, test::AWAY};

    SetScoreboardDate(g_cricket.m_date);
    m_game->ChangeScreen(SCREEN_TODAYS_SCOREBOARD);
    Idle(2);
    Frame();
    EXPECT_EQ(g_todaysLists.mv_scoreRows.size(), 2u) << "both leagues list the user's club first";
    EXPECT_EQ(TextAt(10, 30), "22:45");
    ASSERT_FALSE(g_highlightsList.mv_scripts.empty());
    for (const BallAnimScript& s : g_highlightsList.mv_scripts)
        EXPECT_TRUE(BallIsShown(s, g_highlightFilters)) << "only balls the filters pass";
    EXPECT_LT(g_highlightsList.mv_scripts.size(), match.mv_animScripts.size());
    Shot("scoreboard_1.png");

    // A row opens the match's scorecard.
    ASSERT_TRUE(TheScreen<CTodaysScoreboardScreen>().m_rows[0]->mb_visible);
    Tap(TheScreen<CTodaysScoreboardScreen>().m_rows[0]);
    EXPECT_EQ(m_game->m_screenId, SCREEN_SCORECARD);
    EXPECT_EQ(ScorecardMatch(), g_currentMatches[static_cast<size_t>(g_todaysLists.mv_scoreRows[0])].get());

    // F3 writes the day's highlights; F2 once per press prepares them.
    m_game->ChangeScreen(SCREEN_TODAYS_SCOREBOARD);
    const size_t clips = g_highlightsList.mv_scripts.size();
    PressKey(DIK_F3);
    const std::filesystem::path written = m_folder / "test.tv";
    ASSERT_TRUE(std::filesystem::exists(written));
    m_system->HeadlessInput()->PressKey(DIK_F2);
    Idle(3);
    m_system->HeadlessInput()->ReleaseKey(DIK_F2);
    Idle();
    EXPECT_EQ(g_highlightsPrepared, 1);
    int32_t total = 0;
    for (const BallAnimScript& s : g_highlightsList.mv_scripts) total += s.mi_length;
    EXPECT_EQ(g_highlightsList.mi_totalTicks, total) << "prepared once for a held key";

    // The match player plays the copied file: Space ends a clip, Return stops.
    ResetHighlights();
    std::filesystem::copy_file(written, m_folder / PLAYER_FILE);
    m_game->ChangeScreen(SCREEN_MATCH_PLAYER);
    ASSERT_EQ(g_highlightsList.mv_scripts.size(), clips);
    Idle(30);
    Frame();
    EXPECT_TRUE(g_highlightsWindow->mb_visible);
    EXPECT_EQ(TextAt(512, 65), "0 of " + std::to_string(clips));
    EXPECT_GT(g_highlightsList.mi_elapsedTicks, 0);
    Shot("player_1.png");
    if (clips > 1) {
        PressKey(DIK_SPACE);
        Idle(2);
        EXPECT_EQ(g_highlightsList.mi_currentClip, 1);
    }
    PressKey(DIK_RETURN);
    EXPECT_EQ(g_highlightsPrepared, 0);
    EXPECT_EQ(g_highlightsList.mi_currentClip, 0);
    Tap(TheScreen<CMatchPlayerScreen>().m_exit);
    EXPECT_FALSE(m_game->m_running);
}

TEST_F(MatchScreensTest, TheMatchPlayerWithoutAFileReadsNoClips) {
    m_game->ChangeScreen(SCREEN_MATCH_PLAYER);
    Idle(3);
    Frame();
    EXPECT_EQ(TextAt(512, 65), "0 of 0");
    EXPECT_EQ(TextAt(512, 80), "0 of 0");
    EXPECT_EQ(g_highlightsPrepared, 0);
    EXPECT_EQ(CurrentScript(), nullptr);
    for (const char* caption : {"||", "<<", "|>", ">>", "Exit"})
        EXPECT_NE(ListedOf<CButton>(caption), nullptr);
}

TEST_F(MatchScreensTest, TodaysFixturesStartInProgressWhenNothingStartsToday) {
    g_userCoaches.resize(1);
    g_userCoaches[0].m_staff.m_clubJob = test::HOME;
    g_cricket.m_coachIndex = 0;
    g_world.mv_competitions[1].mv_teams = {test::HOME, test::AWAY};
    test::StartComputerMatch(test::COMP_ONE_DAY);
    g_todaysFixtures.clear();
    m_game->ChangeScreen(SCREEN_TODAYS_FIXTURES);
    Idle(2);
    Frame();
    EXPECT_EQ(g_todaysLists.mi_fixtureMode, FIXTURES_IN_PROGRESS);
    EXPECT_TRUE(TheScreen<CTodaysFixturesScreen>().m_startingToday->mb_disabled);
    EXPECT_FALSE(TheScreen<CTodaysFixturesScreen>().m_inProgress->mb_disabled);
    EXPECT_EQ(g_todaysLists.mv_fixtureRows.size(), 1u);
    Shot("fixtures_1_in_progress.png");

    // Thirteen fixtures starting today: a scroll bar of range 0 to 1.
    Fixture f;
    f.m_competition = test::COMP_ONE_DAY;
    f.m_home = test::HOME;
    f.m_away = test::AWAY;
    f.m_ground = test::GROUND;
    g_todaysFixtures.assign(13, f);
    m_game->ChangeScreen(SCREEN_COMPETITION);
    m_game->ChangeScreen(SCREEN_TODAYS_FIXTURES);
    EXPECT_EQ(g_todaysLists.mi_fixtureMode, FIXTURES_STARTING_TODAY);
    EXPECT_TRUE(TheScreen<CTodaysFixturesScreen>().m_scroll->mb_visible);
    EXPECT_EQ(TheScreen<CTodaysFixturesScreen>().m_scroll->m_max, 1);
    Shot("fixtures_2_starting_today.png");
    ChooseItem(TheScreen<CTodaysFixturesScreen>().m_filter, FILTER_INTERNATIONAL);
    EXPECT_TRUE(g_todaysLists.mv_fixtureRows.empty());
    EXPECT_STREQ(TheScreen<CTodaysFixturesScreen>().m_filter->m_caption, "International");
    Frame();
    EXPECT_EQ(TextAt(230, 190), "No games to show");
}

}  // namespace
}  // namespace ravel

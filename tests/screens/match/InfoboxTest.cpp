// The match view's pop-ups: the queue shown newest first and closed one at
// a time, what closing the last one opens, and the title and texts of each.
#include <string>
#include <vector>

#include "MatchViewFixture.h"

namespace ravel {
namespace {

class InfoboxTest : public MatchViewTest {
protected:
    // The one on show is answered with its OK, as the screen's Update does.
    void AnswerInfobox() {
        ClickIn(MatchView().m_ui.infobox.window, MatchView().m_ui.infobox.ok);
        HandleInfoboxClick();
    }
    static std::vector<int32_t> QueuedIds() {
        std::vector<int32_t> ids;
        for (const Infobox& box : MatchView().mv_infoboxes) ids.push_back(box.mi_id);
        return ids;
    }
};

TEST_F(InfoboxTest, ShownNewestFirstAndEachOkClosesTheOneOnShow) {
    Match& match = MakeUserMatch(test::COMP_FC, true);
    Open();
    CDialog* window = MatchView().m_ui.infobox.window;
    LaunchInfobox(INFOBOX_LUNCH);
    LaunchInfobox(INFOBOX_FALL_OF_WICKET, 0, 1);
    EXPECT_TRUE(LaunchInfobox(INFOBOX_NEW_BALL_AVAILABLE));
    EXPECT_EQ(match.mi_decision, DECISION_INFOBOX) << "play waits";
    EXPECT_TRUE(Visible(window));
    EXPECT_TRUE(window->mb_expanded);
    EXPECT_EQ(g_system->mp_controlList->OpenControl(), window) << "on top, and it takes the mouse";
    EXPECT_EQ(MatchView().mv_infoboxCurrent, 2);
    EXPECT_STREQ(window->m_caption, "New ball now available");

    AnswerInfobox();
    EXPECT_EQ(QueuedIds(), (std::vector<int32_t>{INFOBOX_LUNCH, INFOBOX_FALL_OF_WICKET}));
    EXPECT_EQ(MatchView().mv_infoboxCurrent, 1);
    EXPECT_STREQ(window->m_caption, "Fall of Wicket");
    EXPECT_TRUE(Visible(window));
    AnswerInfobox();
    EXPECT_EQ(QueuedIds(), (std::vector<int32_t>{INFOBOX_LUNCH}));
    EXPECT_STREQ(window->m_caption, "Lunch");
    AnswerInfobox();
    EXPECT_TRUE(MatchView().mv_infoboxes.empty());
    EXPECT_EQ(MatchView().mv_infoboxCurrent, -1);
    EXPECT_FALSE(Visible(window));
    EXPECT_FALSE(window->mb_expanded);
    EXPECT_EQ(MatchView().m_ui.infobox.ok->m_state, STATE_NORMAL);

    // Nothing to close: a stray answer changes nothing.
    MatchView().m_ui.infobox.ok->m_state = STATE_CLICKED;
    HandleInfoboxClick();
    EXPECT_EQ(MatchView().mv_infoboxCurrent, -1);
    MatchView().m_ui.infobox.ok->m_state = STATE_NORMAL;  // as the screen's Update sets it back
    // Without a click nothing is closed.
    LaunchInfobox(INFOBOX_TEA);
    HandleInfoboxClick();
    EXPECT_EQ(MatchView().mv_infoboxes.size(), 1u);
    Shot("infobox_tea.png");
}

// Once the last pop-up is closed, a follow-on question behind it comes on
// top, and a bowler to choose wins over a batsman; the other waits for the
// next time the queue empties.
TEST_F(InfoboxTest, ClosingTheLastOpensWhatPlayWaitsFor) {
    MakeUserMatch(test::COMP_FC, true);
    Open();
    const MatchViewUi& ui = MatchView().m_ui;
    ui.followOn.window->mb_visible = 1;
    MatchView().mv_bowlerSelectPending = 1;
    MatchView().mv_batsmanSelectPending = 1;
    LaunchInfobox(INFOBOX_CHANGE_BOWLER, 0, BOWLER_CHANGE_WORN_OUT);
    AnswerInfobox();
    EXPECT_TRUE(ui.followOn.window->mb_expanded);
    EXPECT_STREQ(ui.select.window->m_caption, "Select New Bowler");
    EXPECT_TRUE(Visible(ui.select.window));
    EXPECT_EQ(MatchView().mv_bowlerSelectPending, 0);
    EXPECT_EQ(MatchView().mv_batsmanSelectPending, 1);
    ui.select.window->Close();
    LaunchInfobox(INFOBOX_FALL_OF_WICKET, 0, 0);
    AnswerInfobox();
    EXPECT_STREQ(ui.select.window->m_caption, "Select Next Batsman");
    EXPECT_EQ(MatchView().mv_batsmanSelectPending, 0);
}

// The texts of every pop-up, each "x,y colour text" (colour W white, Y yellow).
class InfoboxTextsTest : public InfoboxTest {
protected:
    void SetUp() override {
        InfoboxTest::SetUp();
        for (int id = 1; id <= 30; ++id)
            std::snprintf(g_world.mv_players[id].m_initials, 6, "%c", 'A' + id % 26);
        m_match = &MakeUserMatch(test::COMP_FC, true);
    }
    std::vector<std::string> Texts(int32_t id, int32_t a = 0, int32_t b = 0, int32_t c = 0) {
        Infobox box;
        box.mi_id = id;
        box.mi_args[0] = a;
        box.mi_args[1] = b;
        box.mi_args[2] = c;
        std::vector<std::string> texts;
        for (const InfoboxText& t : ComposeInfobox(*m_match, box).texts) {
            const char colour = t.colour == 0xffffffff ? 'W' : t.colour == 0xffffff00 ? 'Y' : '?';
            texts.push_back(std::to_string(t.x) + "," + std::to_string(t.y) + " " + colour + " " + t.text);
        }
        return texts;
    }
    Match* m_match = nullptr;
};

TEST_F(InfoboxTextsTest, BatsmenOutAndAtTheirMilestones) {
    Innings& innings = m_match->m_innings[0];
    BatsmanFigures& b = innings.m_batsmen[2];
    b.mi_player = 3;
    b.mi_scored = {20, 8, 2, 1, 5, 0, 1};  // 8 + 4 + 3 + 20 + 6 = 41 from 37 balls
    b.mi_seconds = 75 * 60 + 59;
    b.mi_bowler = 9;
    b.mi_fielder = 22;
    innings.m_bowlers[9].mi_player = 26;
    struct Case {
        int32_t howOut;
        const char* dismissal;
    };
    const Case cases[] = {
        {HOWOUT_BATTING, "30,75 Y not out"},
        {HOWOUT_BOWLED, "30,75 Y b Player26"},
        {HOWOUT_CAUGHT, "30,75 Y c Player22 b Player26"},
        {HOWOUT_LBW, "30,75 Y lbw b Player26"},
        {HOWOUT_STUMPED, "30,75 Y st Player22 b Player26"},
        {HOWOUT_RUN_OUT, "30,75 Y run out Player22"},
    };
    for (const Case& c : cases) {
        b.mi_howOut = c.howOut;
        EXPECT_EQ(
            Texts(INFOBOX_FALL_OF_WICKET, 0, 2),
            (std::vector<std::string>{"30,35 W D Player3", c.dismissal, "400,35 W 41", "110,120 W Balls: 37",
                                      "220,120 W Mins: 75", "330,120 W Fours: 5", "440,120 W Sixes: 1"}));
    }
    b.mi_howOut = HOWOUT_CAUGHT;
    EXPECT_EQ(Texts(INFOBOX_BATTING_MILESTONE, 0, 2)[1], "30,75 Y not out");
    EXPECT_TRUE(Texts(INFOBOX_FALL_OF_WICKET, 0, 11).empty()) << "a position outside the order";
    Open();
    LaunchInfobox(INFOBOX_FALL_OF_WICKET, 0, 2);
    Shot("infobox_wicket.png");
}

// Two milestones announced in one step are two boxes, each with its own.
TEST_F(InfoboxTextsTest, PartnershipBoxesShowTheirOwnMilestone) {
    Partnership& p = m_match->m_innings[0].m_partnerships[1];
    p.mi_player = {2, 3};
    p.mi_runs = {64, 38};
    p.mi_balls = {90, 51};
    p.mi_extras = 4;
    const std::vector<std::string> rest = {"270,75 W 106 runs from 141 balls",
                                           "100,35 W Player2",
                                           "100,62 W 64 runs",
                                           "100,85 W 90 balls",
                                           "440,35 W Player3",
                                           "440,62 W 38 runs",
                                           "440,85 W 51 balls"};
    for (const int milestone : {50, 100}) {
        std::vector<std::string> expected = {"270,30 W " + std::to_string(milestone) + " Partnership"};
        expected.insert(expected.end(), rest.begin(), rest.end());
        EXPECT_EQ(Texts(INFOBOX_PARTNERSHIP, 0, 1, milestone), expected);
    }
}

TEST_F(InfoboxTextsTest, BowlersToChangeAndToOpen) {
    Innings& innings = m_match->CurrentInnings();
    BowlerFigures& f = innings.m_bowlers[9];
    f.mi_player = 25;
    f.mi_balls = 5 * 6 + 2;
    f.mi_maidens = 1;
    f.mi_runs = 23;
    f.mi_wickets = 2;
    innings.m_bowlers[10].mi_player = 26;
    m_match->m_rules.m_maxOversPerBowler = 10;
    m_match->mi_bowler1 = 9;
    m_match->mi_bowler2 = 10;
    EXPECT_EQ(Texts(INFOBOX_CHANGE_BOWLER, 9, BOWLER_CHANGE_OVER_LIMIT),
              (std::vector<std::string>{"270,30 W You are required to select a new bowler",
                                        "270,50 Y Current bowler has reached 10 over limit",
                                        "270,70 Y Player25", "270,90 Y 5-1-23-2"}));
    EXPECT_EQ(Texts(INFOBOX_CHANGE_BOWLER, 9, BOWLER_CHANGE_WORN_OUT)[1],
              "270,50 Y Current bowler is worn out");
    EXPECT_EQ(Texts(INFOBOX_STARTING_BOWLERS),
              (std::vector<std::string>{"270,30 W Player25 and Player26 are set to open the attack today"}));
}

TEST_F(InfoboxTextsTest, BreaksWithTheSessionsFigures) {
    m_match->mi_dayIndex = 1;
    PlaySession& s = m_match->CurrentSession();
    s.mi_balls = 12 * 6 + 3;
    s.mi_runs = 40;
    s.mi_wickets = 1;
    const std::vector<std::string> figures = {"20,60 W Session Stats", "20,80 W Overs: 12.3",
                                              "120,80 W Runs: 40", "220,80 W Wickets: 1",
                                              "320,80 W Run Rate: 3.20"};
    struct Case {
        int32_t id;
        const char* first;
    };
    for (const Case& c :
         {Case{INFOBOX_LUNCH, "20,35 W Lunch on day 2"}, Case{INFOBOX_TEA, "20,35 W Tea on day 2"},
          Case{INFOBOX_CLOSE_OF_PLAY, "20,35 W Close of play on day 2"}}) {
        std::vector<std::string> expected = {c.first};
        expected.insert(expected.end(), figures.begin(), figures.end());
        EXPECT_EQ(Texts(c.id), expected);
    }
    s.mi_balls = 72;
    EXPECT_EQ(Texts(INFOBOX_TEA)[2], "20,80 W Overs: 12") << "a whole number of overs";
    s = PlaySession{};
    EXPECT_EQ(Texts(INFOBOX_TEA).size(), 5u) << "no run rate before a ball";
}

TEST_F(InfoboxTextsTest, RainAndBadLight) {
    struct Rain {
        float level;
        int tile;
    };
    for (const Rain& r :
         {Rain{0.0f, 111}, Rain{14.9f, 111}, Rain{15.0f, 112}, Rain{60.0f, 112}, Rain{60.5f, 113}}) {
        m_match->mf_rainLevel = r.level;
        Infobox box;
        box.mi_id = INFOBOX_RAIN_OFF;
        const InfoboxBody body = ComposeInfobox(*m_match, box);
        EXPECT_EQ(body.tile, r.tile) << r.level;
        EXPECT_EQ(body.tileX, 360);
        EXPECT_EQ(body.tileY, 35);
    }
    EXPECT_EQ(Texts(INFOBOX_RAIN_OFF),
              (std::vector<std::string>{"20,35 Y The players have gone off for rain"}));
    EXPECT_EQ(Texts(INFOBOX_RAIN_INSPECTION),
              (std::vector<std::string>{"20,35 Y The umpires are inspecting the pitch"}));
    EXPECT_EQ(Texts(INFOBOX_LIGHT_OFF),
              (std::vector<std::string>{"20,35 Y The players have gone off bad light"}));
    EXPECT_EQ(Texts(INFOBOX_LIGHT_INSPECTION),
              (std::vector<std::string>{"20,35 Y The umpires are inspecting the light conditions"}));
    g_lostMinutes = 45;
    g_lostOvers = 0;
    for (const int32_t id : {INFOBOX_RAIN_BACK_ON, INFOBOX_LIGHT_BACK_ON}) {
        EXPECT_EQ(Texts(id), (std::vector<std::string>{"20,35 Y The players are back on",
                                                       "20,65 Y They were off the field for 45 minutes",
                                                       "20,85 Y No overs have been lost"}));
    }
    g_lostOvers = 3;
    EXPECT_EQ(Texts(INFOBOX_RAIN_BACK_ON)[2], "20,85 Y 3 overs have been lost");
    g_lostMinutes = g_lostOvers = 0;
}

TEST_F(InfoboxTextsTest, OneLineNotices) {
    struct Case {
        int32_t id;
        const char* title;
        const char* text;
    };
    const Case cases[] = {
        {INFOBOX_DECLARED, "Innings declared", "270,30 W The innings has been declared"},
        {INFOBOX_FOLLOW_ON, "Follow on enforced", "20,35 W The follow on has been enforced"},
        {INFOBOX_NEW_BALL_TAKEN, "New ball has been taken",
         "20,35 W The fielding side has taken the new ball."},
        {INFOBOX_NEW_BALL_AVAILABLE, "New ball now available", "20,35 W A new ball is now available."},
        {INFOBOX_FIELD_RESTRICTIONS, "Fielding restrictions",
         "20,35 W Current field setting does not comply with the field settings."},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(InfoboxTitle(c.id), c.title);
        EXPECT_EQ(Texts(c.id), (std::vector<std::string>{c.text}));
    }
    Infobox done;
    done.mi_id = INFOBOX_MATCH_COMPLETED;
    const InfoboxBody body = ComposeInfobox(*m_match, done);
    ASSERT_EQ(body.texts.size(), 1u);
    EXPECT_EQ(body.texts[0].text, m_match->ResultText());
    EXPECT_TRUE(body.texts[0].wrapped);
    EXPECT_EQ(InfoboxTitle(999), nullptr);
    EXPECT_TRUE(Texts(999).empty());
}

// The window's title: "Error" with nothing queued; an unknown pop-up leaves
// it as it was.
TEST_F(InfoboxTextsTest, TitleOfTheWindowAsItIsDrawn) {
    Open();
    CDialog* window = MatchView().m_ui.infobox.window;
    window->mb_visible = 1;
    m_game->RenderFrame();
    EXPECT_STREQ(window->m_caption, "Error");
    LaunchInfobox(INFOBOX_DECLARED);
    m_game->RenderFrame();
    EXPECT_STREQ(window->m_caption, "Innings declared");
    LaunchInfobox(999);
    m_game->RenderFrame();
    EXPECT_STREQ(window->m_caption, "Innings declared");
}

}  // namespace
}  // namespace ravel

// The custom tour as a player reaches it from launch: the start menu's
// Custom Game, Create Custom Tour, the countries and the itinerary, Play into
// the live match view, each match played to its end and the tour's table
// between them, to Exit.
#include <string>

#include "match/Match.h"
#include "match/MatchServices.h"
#include "screens/match/MatchViewScreen.h"
#include "screens/match/PreMatchScreen.h"
#include "screens/menus/CustomLeagueScreens.h"
#include "screens/menus/CustomTourScreen.h"
#include "screens/menus/LaunchFixture.h"
#include "screens/menus/StartMenuScreen.h"
#include "season/CustomTour.h"
#include "shell/gui/Button.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/Dialog.h"

namespace ravel {
namespace {

CCustomTourScreen& TS() {
    return TheScreen<CCustomTourScreen>();
}
CCustomLeagueTableScreen& CT() {
    return TheScreen<CCustomLeagueTableScreen>();
}
using MV = CMatchViewScreen;

class CustomTourScreenTest : public CustomGameTest {
protected:
    void ToTourSetup() {
        ToStartMenu();
        Tap(TheScreen<CMainMenuScreen>().m_btnCustomGame);
        ASSERT_EQ(m_game->m_screenId, SCREEN_CUSTOM_GAME);
        EXPECT_FALSE(TheScreen<CCustomGameScreen>().m_btnTour->mb_disabled);
        Tap(TheScreen<CCustomGameScreen>().m_btnTour);
        ASSERT_EQ(m_game->m_screenId, SCREEN_CUSTOM_TOUR_SETUP);
        EXPECT_EQ(g_cricket.m_gameMode, MODE_CUSTOM_TOUR);
    }
    // A drop-down's item chosen as the player's click on it reports it.
    void Choose(CComboBox* combo, int index) {
        combo->m_selected = index;
        combo->m_comboState = COMBO_CHOSEN;
        Idle();
    }
    void TapInDialog(const CControl* child) {
        Idle(2);
        ClickIn(TS().m_dialog, child);
    }
    void AddEvent(int dialogItem) {
        Tap(TS().m_btnAdd);
        ASSERT_TRUE(TS().m_dialog->mb_visible);
        Choose(TS().m_comboKind, dialogItem);
        TapInDialog(TS().m_btnAddEvent);
        EXPECT_FALSE(TS().m_dialog->mb_visible);
    }
    // The pre-match screen's toss, the choice when the tourists win it, and
    // Continue into the live match view.
    void TossAndPlay() {
        ASSERT_EQ(m_game->m_screenId, SCREEN_PRE_MATCH);
        EXPECT_FALSE(TheScreen<CPreMatchScreen>().m_btnMainMenu->mb_visible)
            << "no main menu in a custom game";
        Tap(TheScreen<CPreMatchScreen>().m_btnCoinToss);
        if (TheScreen<CPreMatchScreen>().m_btnBat->mb_visible) Tap(TheScreen<CPreMatchScreen>().m_btnBat);
        Tap(TheScreen<CPreMatchScreen>().m_btnContinue);
        ASSERT_EQ(m_game->m_screenId, SCREEN_MATCH_VIEW);
    }
    std::string Line(int i) {
        Frame();
        return TextAt(10, 305 + 25 * i);
    }
};

TEST_F(CustomTourScreenTest, ElevenTestsAreNumberedToTheTenthThenX) {
    ToTourSetup();
    const std::string touring = TS().m_comboTouring->m_caption;
    const std::string host = TS().m_comboHost->m_caption;
    EXPECT_EQ(TS().m_comboTouring->mv_items[0].m_text, touring);
    EXPECT_EQ(TS().m_comboHost->mv_items[1].m_text, host);
    EXPECT_EQ(Line(-1), "Arrive in " + host);
    EXPECT_EQ(Line(0), "Fly home to " + touring) << "straight below the arrival";
    EXPECT_TRUE(TS().m_btnPlay->mb_disabled) << "a tour with no match";

    Tap(TS().m_btnAdd);
    EXPECT_TRUE(TS().m_dialog->mb_visible);
    TapInDialog(TS().m_btnCancel);
    EXPECT_FALSE(TS().m_dialog->mb_visible);
    EXPECT_TRUE(TS().Itinerary().empty()) << "Cancel adds nothing";

    for (int i = 0; i < 11; ++i) AddEvent(0);
    const char* ordinals[] = {"1st", "2nd", "3rd", "4th", "5th", "6th", "7th", "8th", "9th", "10th", "xth"};
    for (int i = 0; i < 11; ++i) EXPECT_EQ(Line(i), std::string(ordinals[i]) + " Test") << i;
    EXPECT_EQ(Line(11), "Fly home to " + touring);
    EXPECT_TRUE(TS().m_btnAdd->mb_disabled) << "no line left for a twelfth";
    Frame("custom_tour_setup.png");

    // Another host changes the caption and the arrival, nothing else.
    Choose(TS().m_comboHost, 2);
    EXPECT_EQ(TS().m_comboHost->m_caption, std::string(TS().m_comboHost->mv_items[2].m_text));
    EXPECT_EQ(TS().Host(), TS().m_comboHost->mv_items[2].m_value);
    EXPECT_EQ(Line(-1), std::string("Arrive in ") + TS().m_comboHost->mv_items[2].m_text);
    EXPECT_EQ(TS().Itinerary().size(), 11u);
    // The same country twice is no tour.
    Choose(TS().m_comboHost, 0);
    EXPECT_TRUE(TS().m_btnPlay->mb_disabled);

    Tap(TS().m_btnBack);
    ASSERT_EQ(m_game->m_screenId, SCREEN_CUSTOM_GAME);
    Tap(TheScreen<CCustomGameScreen>().m_btnTour);
    EXPECT_TRUE(TS().Itinerary().empty()) << "a fresh itinerary";
}

TEST_F(CustomTourScreenTest, TheEventListOpensInFullAndEachKindIsPickedByAClick) {
    ToTourSetup();
    CComboBox* events = TS().m_comboEvent;
    const struct {
        int m_item;
        const char* m_dialogCaption;
    } cases[] = {{3, "1 day warm up"}, {2, "ODI match"}, {1, "4 day warm up"}, {0, "Test match"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.m_item);
        Tap(events);
        ASSERT_EQ(events->m_comboState, COMBO_OPEN);
        EXPECT_FALSE(events->mb_scrolling);
        EXPECT_EQ(events->m_visibleCount, events->ItemCount()) << "every kind at once";
        Frame();
        for (int i = 0; i < events->ItemCount(); ++i)
            EXPECT_EQ(TextAt(events->m_x + 6, events->m_y + events->m_collapsedHeight + ITEM_HEIGHT * i - 1),
                      events->mv_items[i].m_text);
        ClickAt(events->m_x + 40, events->m_y + events->m_collapsedHeight + ITEM_HEIGHT * c.m_item + 10);
        Idle();
        EXPECT_STREQ(events->m_caption, events->mv_items[c.m_item].m_text);
        Tap(TS().m_btnAdd);
        ASSERT_TRUE(TS().m_dialog->mb_visible);
        EXPECT_STREQ(TS().m_comboKind->m_caption, c.m_dialogCaption) << "the dialog opens on the kind shown";
        TapInDialog(TS().m_btnCancel);
    }
    EXPECT_TRUE(TS().Itinerary().empty());
}

TEST_F(CustomTourScreenTest, PlayCoachesTheTouristsThroughEveryMatchToTheTourTable) {
    ToTourSetup();
    const int32_t touring = TS().Touring();
    const int32_t host = TS().Host();
    AddEvent(1);  // ODI match
    AddEvent(1);
    EXPECT_EQ(Line(0), "1st ODI");
    EXPECT_EQ(Line(1), "2nd ODI");
    ASSERT_FALSE(TS().m_btnPlay->mb_disabled);
    Tap(TS().m_btnPlay);
    EXPECT_EQ(g_cricket.m_gameMode, MODE_CUSTOM_LEAGUE);
    TossAndPlay();
    const Match* match = UserMatch();
    ASSERT_NE(match, nullptr);
    EXPECT_EQ(match->mi_team1, host);
    EXPECT_EQ(match->mi_team2, touring);
    EXPECT_TRUE(match->mb_team2Human);
    EXPECT_EQ(match->mi_matchType, FORMAT_ODI);
    Frame("custom_tour_match.png");

    for (int n = 1; n <= 2; ++n) {
        // Autoplay, then Continue until the match is over and the table shows.
        const auto& ui = MatchView().m_ui;
        for (int step = 0; step < 12 && m_game->m_screenId == SCREEN_MATCH_VIEW; ++step) {
            Idle(3);
            if (ui.infobox.window->mb_visible) {
                ClickIn(ui.infobox.window, ui.infobox.ok);
                continue;
            }
            if (!ui.autoplay->mb_disabled && ui.autoplay->mb_visible) {
                Tap(ui.autoplay);
                Idle(2);
                ClickIn(ui.autoplayNotice.window, ui.autoplayNotice.yes);
            }
            Tap(ui.continueButton);
        }
        ASSERT_EQ(m_game->m_screenId, SCREEN_CUSTOM_LEAGUE_TABLE) << "match " << n;
        Frame(n == 1 ? "custom_tour_table.png" : "");
        EXPECT_EQ(TextAt(512, 15), "Custom Tour");
        const CustomTourState& tour = *CustomTour();
        EXPECT_EQ(tour.m_odis.m_hostWins + tour.m_odis.m_touringWins + tour.m_odis.m_ties, n);
        ASSERT_EQ(CT().Rows().size(), 2u);
        EXPECT_EQ(CT().Rows()[0].m_kind, ROW_COMPLETED);
        EXPECT_EQ(CT().Rows()[1].m_kind, n == 2 ? ROW_COMPLETED : ROW_SCHEDULED);
        EXPECT_EQ(CT().m_btnContinue->mb_disabled, n == 2) << "a match left to play";
        if (n == 1) {
            Tap(CT().m_btnContinue);
            TossAndPlay();
            ASSERT_NE(UserMatch(), nullptr);
            EXPECT_NE(UserMatch()->mi_id, tour.mv_matches[0]);
        }
    }
    Tap(CT().m_btnContinue);
    EXPECT_EQ(m_game->m_screenId, SCREEN_CUSTOM_LEAGUE_TABLE) << "nothing left to play";
    Tap(CT().m_btnExit);
    EXPECT_FALSE(m_game->m_running);
}

}  // namespace
}  // namespace ravel

#include <cstring>
#include <fstream>
#include <iterator>

#include "LaunchFixture.h"
#include "screens/menus/NewGameScreen.h"
#include "screens/menus/StartMenuScreen.h"
#include "season/Squads.h"
#include "shell/gui/Button.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/EditBox.h"
#include "shell/gui/ScrollBar.h"
#include "shell/gui/SideBar.h"
#include "world/PlayerHistory.h"

namespace ravel {

namespace {

CSetupGameScreen& SG() {
    return TheScreen<CSetupGameScreen>();
}

constexpr int FILTER_ITEM_ALL = 0, FILTER_ITEM_AUSTRALIA = 1, FILTER_ITEM_INTERNATIONAL = 11;

// A small world: England's clubs listed out of order, a club of another
// country, a club that is no career side, two nations and a country that
// fields no national side.
class NewGameTest : public LaunchTest {
protected:
    void SetUp() override {
        LaunchTest::SetUp();
        AddClub(1302, 2, "Surrey");
        AddClub(1301, 2, "Kent");
        AddClub(1303, 2, "Essex");
        AddClub(1001, 1, "Victoria");
        AddClub(3001, 2, "England Lions");
        AddNation(2, "England");
        AddNation(1, "Australia");
        AddNation(40, "Associates").m_nationalSide = 0;
        OpenSetup();
    }
    void OpenSetup() {
        m_game->ChangeScreen(SCREEN_START_MENU);
        Idle();
        Click(TheScreen<CMainMenuScreen>().m_btnNewGame);
        ASSERT_EQ(m_game->m_screenId, SCREEN_NEW_GAME);
        Idle(2);
    }
    void ChooseFilter(int item) {
        Tap(SG().m_comboFilter);
        ASSERT_EQ(SG().m_comboFilter->m_comboState, COMBO_OPEN);
        Idle(2);
        ClickAt(SG().m_comboFilter->m_x + 40, SG().m_comboFilter->m_y + 25 + 20 * item + 10);
    }
    void ChooseRow(int row) { Tap(SG().m_rows[row]); }
    std::vector<std::string> Listed() const {
        std::vector<std::string> names;
        for (int32_t id : SG().Sides()) {
            names.push_back(SG().Filter() == FILTER_NATIONAL ? CountryById(id)->m_name
                                                             : TeamById(id)->m_name);
        }
        return names;
    }
    void Type(CEditBox* box, const char* keys) {
        Tap(box);
        for (const char* k = keys; *k; ++k) PressKey(KeyFor(*k));
    }
    static int KeyFor(char c) {
        static const char* const ROWS[] = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};
        static const int FIRST[] = {DIK_Q, DIK_A, DIK_Z};
        for (int r = 0; r < 3; ++r) {
            if (const char* at = std::strchr(ROWS[r], c)) return FIRST[r] + static_cast<int>(at - ROWS[r]);
        }
        return DIK_SPACE;
    }
    // Continue with the side in the first row under the filter.
    void StartOn(int filterItem) {
        if (filterItem >= 0) ChooseFilter(filterItem);
        ChooseRow(0);
        ASSERT_FALSE(SG().m_btnContinue->mb_disabled);
        Tap(SG().m_btnContinue);
    }
};

TEST_F(NewGameTest, FilterListsTheSidesByName) {
    Frame("setup_england.png");
    EXPECT_EQ(SG().Filter(), FILTER_ENGLAND);
    EXPECT_STREQ(SG().m_comboFilter->m_caption, "England");
    EXPECT_EQ(Listed(), (std::vector<std::string>{"Essex", "Kent", "Surrey"}));
    EXPECT_EQ(m_game->m_screenMode, SCREEN_MODE_FULL);
    EXPECT_TRUE(SG().m_btnContinue->mb_disabled);

    ChooseFilter(FILTER_ITEM_INTERNATIONAL);
    EXPECT_STREQ(SG().m_comboFilter->m_caption, "International");
    EXPECT_EQ(Listed(), (std::vector<std::string>{"Australia", "England"}));
    ChooseFilter(FILTER_ITEM_ALL);
    EXPECT_EQ(Listed(), (std::vector<std::string>{"Essex", "Kent", "Surrey", "Victoria"}));
    ChooseFilter(FILTER_ITEM_AUSTRALIA);
    EXPECT_EQ(Listed(), (std::vector<std::string>{"Victoria"}));
}

TEST_F(NewGameTest, ChosenRowIsDrawnInYellow) {
    ChooseRow(1);
    EXPECT_EQ(SG().ChosenSide(), 1301);
    Frame("setup_chosen.png");
    EXPECT_GT(CountNear(322, 340, 500, 360, 0xffffff00u), 30) << "Kent, chosen";
    EXPECT_EQ(CountNear(322, 320, 500, 340, 0xffffff00u), 0) << "Essex";
    EXPECT_GT(CountNear(322, 320, 500, 340, 0xffffffffu), 30);
    ChooseRow(5);  // an empty row chooses nothing
    EXPECT_EQ(SG().ChosenSide(), 1301);
}

TEST_F(NewGameTest, AChoiceTheFilterNoLongerListsIsForgotten) {
    struct Case {
        const char* name;
        int chooseUnder;  // the filter item the side is chosen under; -1 England
        int row;
        int32_t side;
        int then;  // the filter item chosen next
        bool kept;
    } const cases[] = {
        {"a club, then another country's clubs", -1, 1, 1301, FILTER_ITEM_AUSTRALIA, false},
        {"a club, then the national sides", -1, 1, 1301, FILTER_ITEM_INTERNATIONAL, false},
        {"a national side, then all clubs", FILTER_ITEM_INTERNATIONAL, 1, 2, FILTER_ITEM_ALL, false},
        {"a club, then all clubs", -1, 1, 1301, FILTER_ITEM_ALL, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenSetup();
        if (c.chooseUnder >= 0) ChooseFilter(c.chooseUnder);
        ChooseRow(c.row);
        ASSERT_EQ(SG().ChosenSide(), c.side);
        ChooseFilter(c.then);
        EXPECT_EQ(SG().ChosenSide(), c.kept ? c.side : -1);
        EXPECT_EQ(SG().m_btnContinue->mb_disabled == 0, c.kept);
        if (c.kept) continue;
        Frame(c.then == FILTER_ITEM_AUSTRALIA ? "setup_choice_forgotten.png" : "");
        EXPECT_EQ(CountNear(322, 320, 712, 640, 0xffffff00u), 0) << "nothing drawn as chosen";
        Tap(SG().m_btnContinue);
        EXPECT_EQ(m_game->m_screenId, SCREEN_NEW_GAME) << "no career on a side the list does not show";
        EXPECT_TRUE(g_userCoaches.empty());
    }
}

TEST_F(NewGameTest, ScrollBarOnlyBeyondSixteenSides) {
    struct Case {
        int clubs;
        bool enabled;
        int max;
    } const cases[] = {{16, false, 0}, {17, true, 1}, {20, true, 4}};
    for (const Case& c : cases) {
        g_world.mv_teams.clear();
        for (int i = 0; i < c.clubs; ++i) AddClub(1310 + i, 2, ("Club " + std::string(1, 'A' + i)).c_str());
        OpenSetup();
        EXPECT_EQ(!SG().m_scroll->mb_disabled, c.enabled) << c.clubs;
        EXPECT_EQ(SG().VisibleRows(), std::min(c.clubs, SETUP_ROWS));
        if (!c.enabled) continue;
        EXPECT_EQ(SG().m_scroll->m_max, c.max);
        // The wheel towards the user shows later sides, within the range.
        for (int turn = 0; turn < c.max + 2; ++turn) {
            m_system->HeadlessInput()->TurnWheel(-120);
            Idle();
        }
        EXPECT_EQ(SG().m_scroll->m_position, c.max);
        ChooseRow(15);
        EXPECT_EQ(SG().ChosenSide(), 1310 + c.clubs - 1);
        m_system->HeadlessInput()->TurnWheel(120);
        Idle();
        EXPECT_EQ(SG().m_scroll->m_position, c.max - 1);
    }
}

TEST_F(NewGameTest, TabMovesTheFocusOncePerPress) {
    Tap(SG().m_editFirstName);
    ASSERT_TRUE(SG().m_editFirstName->mb_focus);
    m_system->HeadlessInput()->PressKey(DIK_TAB);
    Idle(5);
    EXPECT_TRUE(SG().m_editSurname->mb_focus);
    EXPECT_FALSE(SG().m_editFirstName->mb_focus);
    m_system->HeadlessInput()->ReleaseKey(DIK_TAB);
    Idle();
    PressKey(DIK_TAB);
    EXPECT_TRUE(SG().m_editFirstName->mb_focus);
    EXPECT_FALSE(SG().m_editSurname->mb_focus);
}

TEST_F(NewGameTest, NationalSideStartsOnTheNextDaysNews) {
    const size_t coaches = g_world.mv_staff.size();
    Type(SG().m_editFirstName, "ada");
    Type(SG().m_editSurname, "moss");
    StartOn(FILTER_ITEM_INTERNATIONAL);  // Australia

    EXPECT_EQ(m_game->m_screenId, SCREEN_NEWS);
    EXPECT_EQ(m_game->m_screenMode, SCREEN_MODE_FRAMED);
    // The day's coach moves may append more coaches after him.
    ASSERT_GT(g_world.mv_staff.size(), coaches);
    const StaffMember& coach = g_world.mv_staff[coaches];
    EXPECT_EQ(coach.m_id, static_cast<int32_t>(coaches) + 1);
    EXPECT_STREQ(coach.m_firstName, "ada");
    EXPECT_STREQ(coach.m_surname, "moss");
    EXPECT_EQ(coach.m_nationalJob, 1);
    EXPECT_LE(coach.m_clubJob, 0);
    EXPECT_EQ(coach.m_human, 1);
    EXPECT_EQ(coach.m_birthYear, 1960);
    EXPECT_FLOAT_EQ(coach.m_reputation, 50.0f);
    ASSERT_EQ(g_userCoaches.size(), 1u);
    EXPECT_EQ(g_cricket.m_coachIndex, 0);
    EXPECT_EQ(g_userCoaches[0].m_staff.m_id, coach.m_id);
    EXPECT_EQ(CountryById(1)->m_coach, coach.m_id);
    EXPECT_EQ(g_cricket.m_team, 1);
    EXPECT_FALSE(g_cricket.m_autoSimulate);
    ASSERT_FALSE(g_userCoaches[0].mv_inbox.empty()) << "the appointment is news";
    EXPECT_EQ(g_userCoaches[0].mv_inbox[0].m_code, NEWS_COACH_APPOINTED);
    EXPECT_EQ(g_cricket.m_date.m_day, 2) << "one day on";
    EXPECT_TRUE(m_game->mv_backHistory.empty());
    EXPECT_TRUE(CSideBar::s_btnBack->mb_disabled);
    EXPECT_TRUE(CSideBar::s_btnForward->mb_disabled);
    EXPECT_GT(g_cricket.m_startDay, 0);
    EXPECT_GE(g_cricket.m_startYear, 7);
    EXPECT_LT(g_cricket.m_startYear, 777);
}

TEST_F(NewGameTest, ClubOutsideEnglandWaitsForItsSeason) {
    struct Case {
        int filterItem;
        int32_t side;
        int32_t screen;
    } const cases[] = {{-1, 1303, SCREEN_NEWS}, {FILTER_ITEM_AUSTRALIA, 1001, SCREEN_AUTO_SIM}};
    for (const Case& c : cases) {
        g_userCoaches.clear();
        for (Team& team : g_world.mv_teams) team.m_coach = 0;
        OpenSetup();
        StartOn(c.filterItem);
        EXPECT_EQ(g_cricket.m_team, c.side);
        EXPECT_EQ(m_game->m_screenId, c.screen) << c.side;
        EXPECT_EQ(g_cricket.m_autoSimulate, c.screen == SCREEN_AUTO_SIM) << c.side;
        EXPECT_EQ(TeamById(c.side)->m_coach, g_userCoaches[0].m_staff.m_id);
        Idle();
        m_game->ChangeScreen(SCREEN_NEWS);
        g_cricket.m_autoSimulate = false;
    }
}

TEST_F(NewGameTest, EmptyNamesAndTheHistoryFiles) {
    std::ofstream(m_saves / PLAYER_HISTORY_DATA, std::ios::binary) << "an earlier game's figures";
    StartOn(-1);
    const StaffMember& coach = g_userCoaches.at(0).m_staff;
    EXPECT_STREQ(coach.m_firstName, "Mr");
    EXPECT_STREQ(coach.m_surname, "Player 1");

    EXPECT_EQ(std::filesystem::file_size(m_saves / PLAYER_HISTORY_DATA), 0u);
    std::ifstream index(m_saves / PLAYER_HISTORY_INDEX, std::ios::binary);
    int32_t first = 0;
    ASSERT_TRUE(index.read(reinterpret_cast<char*>(&first), sizeof first));
    EXPECT_EQ(first, -1);
    EXPECT_EQ(std::filesystem::file_size(m_saves / PLAYER_HISTORY_INDEX), 4u);
}

TEST_F(NewGameTest, SideAHumanHoldsIsRefusedAndBackLeavesTheWorldAlone) {
    UserCoach other;
    other.m_staff.m_id = 500;
    other.m_staff.m_clubJob = 1303;
    g_userCoaches.push_back(other);
    const size_t coaches = g_world.mv_staff.size();
    StartOn(-1);  // Essex
    EXPECT_EQ(m_game->m_screenId, SCREEN_NEW_GAME);
    EXPECT_EQ(g_world.mv_staff.size(), coaches);
    EXPECT_EQ(g_userCoaches.size(), 1u);
    EXPECT_FALSE(SG().m_btnContinue->mb_disabled);

    Tap(SG().m_btnBack);
    EXPECT_EQ(m_game->m_screenId, SCREEN_START_MENU);
    EXPECT_EQ(g_world.mv_staff.size(), coaches);
    EXPECT_EQ(g_cricket.m_date.m_dayOfSeason, 0);
}

}  // namespace

}  // namespace ravel

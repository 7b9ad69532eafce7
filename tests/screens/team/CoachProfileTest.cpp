// A coach's profile: the user's own with its resignation and holiday, a
// computer coach's with his details on the left and words on the right, and
// an id no coach has.
#include <string>

#include "screens/menus/NewsFixture.h"
#include "screens/menus/ScreenControls.h"
#include "screens/team/CoachProfileScreen.h"
#include "season/Coaches.h"
#include "shell/gui/Button.h"
#include "shell/gui/MessageBox.h"
#include "shell/gui/SideBar.h"

namespace ravel {
namespace {

CCoachProfileScreen& CP() {
    return TheScreen<CCoachProfileScreen>();
}

class CoachProfileTest : public NewsWorldTest {
protected:
    void Open(int coachId) {
        m_game->OpenScreen(SCREEN_COACH, {coachId});
        Idle(2);
        m_game->RenderFrame();
    }
    static std::string Said() {
        std::string said = CMessageBox::s_messageText;
        for (const QueuedMessage& q : CMessageBox::s_messageQueue) said += q.text + std::string("\n");
        return said;
    }
    // A click, what the message box then said, and its OK as a player answers.
    std::string ClickAndRead(CControl* control) {
        CMessageBox::s_messageText[0] = 0;
        CMessageBox::s_messageQueue.clear();
        Click(control);
        Idle(2);
        const std::string said = Said();
        for (int i = 0; i < 4 && MessageBoxOpen(); ++i) {
            AnswerMessageBox(CMessageBox::SINGLE_OK);
            Idle();
        }
        m_game->RenderFrame();
        return said;
    }
};

TEST_F(CoachProfileTest, TheUserResignsOnADayWithoutAMatchThenGoesOnHoliday) {
    Appoint(CLUB_A);
    TeamById(CLUB_A)->m_playingToday = 1;
    Open(USER_COACH);
    EXPECT_EQ(TextAt(512, 15), "Ann Fletcher");
    EXPECT_EQ(TextAt(512, 50), "Northfield");
    // Skill, reputation and security on the left; no birth date or nationality.
    EXPECT_EQ(TextAt(230, 220), "Skill");
    EXPECT_EQ(TextAt(400, 240), ReputationText(*StaffMemberById(USER_COACH)));
    EXPECT_EQ(TextAt(230, 260), "Security");
    EXPECT_EQ(TextAt(400, 260), "Very secure");
    EXPECT_EQ(TextAt(630, 220), "");
    EXPECT_EQ(TextAt(400, 280), "Northfield");
    EXPECT_FALSE(CP().m_btnResign->mb_disabled);
    EXPECT_TRUE(CP().m_btnHoliday->mb_disabled);
    EXPECT_FALSE(CP().m_nationality->mb_visible) << "no nationality links for the user";
    Shot("coach_user.png");

    std::string said = ClickAndRead(CP().m_btnResign);
    EXPECT_NE(said.find("You can't resign midway through a game!"), std::string::npos) << said;
    EXPECT_EQ(StaffMemberById(USER_COACH)->m_clubJob, CLUB_A);

    TeamById(CLUB_A)->m_playingToday = 0;
    said = ClickAndRead(CP().m_btnResign);
    EXPECT_NE(said.find("You have resigned from your position"), std::string::npos) << said;
    EXPECT_EQ(StaffMemberById(USER_COACH)->m_clubJob, 0);
    EXPECT_EQ(TextAt(400, 280), "-");
    EXPECT_EQ(TextAt(512, 50), "Unemployed");
    EXPECT_EQ(TextAt(400, 260), "-") << "no security without a job";
    EXPECT_TRUE(CP().m_btnResign->mb_disabled);
    EXPECT_FALSE(CP().m_btnHoliday->mb_disabled);
    EXPECT_FALSE(CP().m_club->mb_visible);
    ASSERT_NE(CSideBar::s_btnSquad, nullptr);
    EXPECT_STREQ(CSideBar::s_btnSquad->m_caption, "No team");
    EXPECT_TRUE(CSideBar::s_btnSquad->mb_disabled);

    CMessageBox::s_messageQueue.clear();
    Click(CP().m_btnHoliday);
    EXPECT_EQ(m_game->m_screenId, SCREEN_AUTO_SIM);
    EXPECT_TRUE(g_cricket.m_autoSimulate);
    EXPECT_NE(Said().find("You have gone on holiday for the season"), std::string::npos) << Said();
}

TEST_F(CoachProfileTest, ACoachOfBothSidesResignsOneJobPerClickAndKeepsTheOther) {
    Appoint(CLUB_A);
    AppointCoach(*CountryById(2), USER_COACH);
    Open(USER_COACH);
    ClickAndRead(CP().m_btnResign);
    EXPECT_EQ(StaffMemberById(USER_COACH)->m_clubJob, 0) << "the club's job first";
    EXPECT_EQ(StaffMemberById(USER_COACH)->m_nationalJob, 2);
    EXPECT_EQ(TextAt(512, 50), "Brenmoor");
    EXPECT_FALSE(CP().m_btnResign->mb_disabled);
    EXPECT_TRUE(CP().m_btnHoliday->mb_disabled) << "no holiday while a job remains";
    EXPECT_FALSE(CP().m_club->mb_visible);
    EXPECT_TRUE(CP().m_country->mb_visible);
    EXPECT_STREQ(CSideBar::s_btnSquad->m_caption, "Brenmoor");
    EXPECT_FALSE(CSideBar::s_btnSquad->mb_disabled);
    Click(CP().m_country);
    EXPECT_EQ(m_game->m_screenId, SCREEN_COUNTRY);
    EXPECT_EQ(SubjectOf(SCREEN_COUNTRY).m_id, 2);
}

TEST_F(CoachProfileTest, AComputerCoachShowsHisDetailsAndWordsWithNoButtons) {
    Appoint(CLUB_A);
    std::snprintf(CountryById(2)->m_nationality, sizeof CountryById(2)->m_nationality, "Brenmoorian");
    std::snprintf(CountryById(3)->m_nationality, sizeof CountryById(3)->m_nationality, "Castrian");
    StaffMember& tom = *StaffMemberById(1);
    tom.m_birthDay = 14;
    tom.m_birthMonth = 5;
    tom.m_birthYear = 1961;
    tom.m_country = 2;
    tom.m_country2 = 3;
    tom.m_clubJob = CLUB_B;
    tom.m_skill = 62.0f;
    tom.m_reputation = 80.0f;
    tom.m_played = 40;
    tom.m_won = 21;
    tom.m_longestDays = 900;
    tom.m_longestClub = CLUB_A;
    tom.m_shortestDays = 120;
    tom.m_shortestClub = CLUB_B;
    Open(1);
    EXPECT_EQ(TextAt(400, 220), "14.5.1961 (" + std::to_string(Age(tom)) + ")");
    EXPECT_EQ(TextAt(400, 240), "Brenmoorian");
    EXPECT_EQ(TextAt(400, 260), "Castrian");
    EXPECT_EQ(TextAt(630, 220), "Skill");
    EXPECT_EQ(TextAt(800, 220), "Good");
    EXPECT_EQ(TextAt(630, 240), "Reputation");
    EXPECT_EQ(TextAt(800, 240), "Great");
    EXPECT_EQ(TextAt(400, 280), "Saltmarsh");
    EXPECT_EQ(TextAt(400, 300), "-");
    EXPECT_EQ(TextAt(400, 360), "40");
    EXPECT_EQ(TextAt(400, 380), "21");
    EXPECT_EQ(TextAt(400, 500), "120 days (Saltmarsh)");
    EXPECT_EQ(TextAt(400, 520), "900 days (Northfield)");
    EXPECT_TRUE(CP().m_btnResign->mb_disabled);
    EXPECT_TRUE(CP().m_btnHoliday->mb_disabled);
    Shot("coach_computer.png");
    Click(CP().m_btnResign);
    EXPECT_EQ(tom.m_clubJob, CLUB_B) << "a disabled button resigns nobody";
    Click(CP().m_otherNationality);
    EXPECT_EQ(m_game->m_screenId, SCREEN_COUNTRY);
    EXPECT_EQ(SubjectOf(SCREEN_COUNTRY).m_id, 3);

    // A birth day not known, and no club ever.
    tom.m_birthDay = -1;
    tom.m_clubJob = 0;
    tom.m_country2 = 0;
    tom.m_longestClub = tom.m_shortestClub = 0;
    Open(1);
    EXPECT_EQ(TextAt(400, 220), "5.1961 (" + std::to_string(Age(tom)) + ")");
    EXPECT_EQ(TextAt(400, 260), "-");
    EXPECT_FALSE(CP().m_otherNationality->mb_visible);
    EXPECT_FALSE(CP().m_club->mb_visible);
    EXPECT_EQ(TextAt(400, 500), "-");
    EXPECT_EQ(TextAt(400, 520), "-");
    Click(CP().m_nationality);
    EXPECT_EQ(SubjectOf(SCREEN_COUNTRY).m_id, 2);
}

TEST_F(CoachProfileTest, AnIdNoCoachHasShowsANoticeAndNoButtons) {
    Appoint(CLUB_A);
    Open(4242);
    EXPECT_EQ(TextAt(230, 138), "No such coach.");
    EXPECT_TRUE(CP().m_btnResign->mb_disabled);
    EXPECT_TRUE(CP().m_btnHoliday->mb_disabled);
    Click(CP().m_btnResign);
    EXPECT_EQ(StaffMemberById(USER_COACH)->m_clubJob, CLUB_A);
}

}  // namespace
}  // namespace ravel

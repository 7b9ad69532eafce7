// Coaching jobs: security words, appointments, departures, the sack and job
// offers answered in the inbox.
#include <gtest/gtest.h>

#include <algorithm>

#include "CareersWorld.h"
#include "season/Coaches.h"
#include "season/Ratings.h"

namespace ravel {

namespace {

class CoachesTest : public CareersWorld {};

// Five northern clubs, weakest and poorest first, and both national sides,
// all with coaches (the clubs' rated 95, beyond any club's reach once they
// leave); free coaches rated 78, 60 and 42, and a new human coach rated 50.
class BoardsTest : public CareersWorld {
protected:
    void SetUp() override {
        CareersWorld::SetUp();
        for (int i = 0; i < CLUBS; ++i) {
            Team& t = AddClubWithSquad(1300 + i, NORTH, 16, 2, 30 + 10 * i);
            t.m_money = 200000.0f * static_cast<float>(i + 1);
            AppointCoach(t, AddComputerCoach(10 + i, 95.0f).m_id);
        }
        CreateMissingCoaches();  // the national posts
        for (float reputation : {78.0f, 60.0f, 42.0f})
            AddComputerCoach(static_cast<int>(reputation), reputation);
        AddHumanCoach(USER).m_staff.m_reputation = 50.0f;
        StaffMemberById(USER)->m_reputation = 50.0f;
    }

    // The boards' days until the club's post is filled or offered to the user;
    // whether it was offered.
    static bool OfferedToUser(int club) {
        for (int day = 0; day < 200; ++day) {
            MoveComputerCoaches();
            for (const UserCoach& user : g_userCoaches)
                for (const PendingNewsItem& item : user.mv_pending)
                    if (item.m_code == NEWS_JOB_OFFER) return true;
            if (TeamById(club)->m_coach > 0) return false;
        }
        ADD_FAILURE() << "the post stayed vacant";
        return false;
    }

    static constexpr int CLUBS = 5;
    static constexpr int USER = 500;
};

}  // namespace

TEST(JobSecurityText, Bands) {
    const struct {
        float m_security;
        const char* m_text;
    } cases[] = {
        {0.0f, "Vacant"},          {-3.0f, "-"},           {74.99f, "-"},           {75.0f, "Very insecure"},
        {79.99f, "Very insecure"}, {80.0f, "Insecure"},    {84.99f, "Insecure"},    {85.0f, "Secure"},
        {89.99f, "Secure"},        {90.0f, "Very secure"}, {100.0f, "Very secure"},
    };
    for (const auto& c : cases) EXPECT_STREQ(JobSecurityText(c.m_security), c.m_text) << c.m_security;
}

TEST(CoachWords, SkillAndReputationBands) {
    const struct {
        float m_value;
        const char* m_text;
    } cases[] = {{88.0f, "World Class"}, {87.9f, "Great"}, {75.0f, "Great"}, {60.0f, "Good"},
                 {40.0f, "Mediocre"},    {20.0f, "Poor"},  {19.9f, "Bad"}};
    for (const auto& c : cases) {
        StaffMember s;
        s.m_skill = c.m_value;
        s.m_reputation = c.m_value;
        EXPECT_STREQ(SkillText(s), c.m_text) << c.m_value;
        EXPECT_STREQ(ReputationText(s), c.m_text) << c.m_value;
    }
}

TEST_F(CoachesTest, AResignationGivesUpOneJobTheDaysMatchesLeaveFree) {
    struct Case {
        bool club, country;            // the jobs he holds
        bool clubPlays, countryPlays;  // today
        bool resigned, keepsClub, keepsCountry;
    };
    const Case cases[] = {
        {true, false, false, false, true, false, false}, {true, false, true, false, false, true, false},
        {false, true, false, false, true, false, false}, {false, true, false, true, false, false, true},
        {true, true, false, false, true, false, true},   {true, true, true, false, true, true, false},
        {true, true, true, true, false, true, true},     {false, false, false, false, false, false, false},
    };
    int id = 50;
    for (const Case& c : cases) {
        // A club and a coach of his own for each case; the country's post passes on.
        const int club = 1250 + id;
        AddClub(club, NORTH);
        UserCoach& profile = AddHumanCoach(id);
        if (c.club) AppointCoach(*TeamById(club), id);
        if (c.country) AppointCoach(*CountryById(NORTH), id);
        TeamById(club)->m_playingToday = c.clubPlays;
        CountryById(NORTH)->m_playingToday = c.countryPlays;
        StaffMember& me = *StaffMemberById(id++);
        const auto what = ::testing::Message() << "club " << c.club << " country " << c.country << " playing "
                                               << c.clubPlays << c.countryPlays;
        EXPECT_EQ(ResignOneJob(me), c.resigned) << what;
        EXPECT_EQ(me.m_clubJob, c.keepsClub ? club : 0) << what;
        EXPECT_EQ(me.m_nationalJob, c.keepsCountry ? NORTH : 0) << what;
        EXPECT_EQ(profile.m_staff.m_clubJob, me.m_clubJob) << what;
        EXPECT_EQ(profile.m_staff.m_nationalJob, me.m_nationalJob) << what;
    }
}

TEST_F(CoachesTest, AppointmentReplacesThePreviousCoach) {
    AddClub(1300, NORTH);
    AddClub(1301, NORTH);
    AddComputerCoach(1, 50.0f);
    AddComputerCoach(2, 60.0f);
    AppointCoach(*TeamById(1300), 1);
    AppointCoach(*TeamById(1301), 2);
    // Coach 2 moves from 1301 to 1300; 1301 falls vacant, coach 1 is out.
    AppointCoach(*TeamById(1300), 2);
    EXPECT_EQ(TeamById(1300)->m_coach, 2);
    EXPECT_FLOAT_EQ(TeamById(1300)->m_jobSecurity, START_JOB_SECURITY);
    EXPECT_EQ(TeamById(1301)->m_coach, 0);
    EXPECT_STREQ(JobSecurityText(*TeamById(1301)), "Vacant");
    EXPECT_EQ(StaffMemberById(1)->m_clubJob, 0);
    EXPECT_EQ(StaffMemberById(2)->m_clubJob, 1300);
}

TEST_F(CoachesTest, HumanCoachTakesAndLeavesAJob) {
    AddClub(1300, NORTH);
    AddHumanCoach(50);
    AppointCoach(*TeamById(1300), 50);
    EXPECT_EQ(g_userCoaches[0].m_staff.m_clubJob, 1300);
    EXPECT_EQ(g_cricket.m_team, 1300);
    EXPECT_EQ(TeamById(1300)->m_human, 1);
    ASSERT_EQ(g_userCoaches[0].mv_pending.size(), 1u);
    EXPECT_EQ(g_userCoaches[0].mv_pending[0].m_code, NEWS_COACH_APPOINTED);

    StaffMember& me = *StaffMemberById(50);
    for (int day = 0; day < 12; ++day) DailyCoachStep(me);
    TeamById(1300)->m_playingToday = 1;
    LeaveClubJob(me);
    EXPECT_EQ(me.m_clubJob, 1300) << "not in the middle of a match";
    TeamById(1300)->m_playingToday = 0;
    // News about the club still waiting is dropped when he goes.
    PendingNewsItem item;
    item.m_code = NEWS_WINDOW_OPEN;
    item.AddLink(LINK_CLUB, 1300);
    g_userCoaches[0].mv_pending.push_back(item);
    LeaveClubJob(me);
    EXPECT_EQ(me.m_clubJob, 0);
    EXPECT_EQ(me.m_longestDays, 12);
    EXPECT_EQ(me.m_longestClub, 1300);
    EXPECT_EQ(TeamById(1300)->m_coach, 0);
    EXPECT_EQ(TeamById(1300)->m_human, 0);
    EXPECT_EQ(g_userCoaches[0].m_staff.m_clubJob, 0);
    EXPECT_EQ(g_cricket.m_team, 0);
    ASSERT_EQ(g_userCoaches[0].mv_pending.size(), 1u);
    EXPECT_EQ(g_userCoaches[0].mv_pending[0].m_code, NEWS_COACH_LEFT);
}

TEST_F(CoachesTest, LossesBringTheSack) {
    AddClub(1300, NORTH);
    AddComputerCoach(1, 50.0f);
    AppointCoach(*TeamById(1300), 1);
    int losses = 0;
    while (TeamById(1300)->m_jobSecurity >= SACK_SECURITY) {
        SideCoachResultUpdate(1300, COACH_LOST);
        ++losses;
    }
    EXPECT_GT(losses, 5);
    EXPECT_STREQ(JobSecurityText(*TeamById(1300)), "-");
    TeamById(1300)->m_playingToday = 1;
    MoveComputerCoaches();
    EXPECT_EQ(TeamById(1300)->m_coach, 1) << "not sacked while his side plays";
    TeamById(1300)->m_playingToday = 0;
    MoveComputerCoaches();
    EXPECT_NE(TeamById(1300)->m_coach, 1);
    EXPECT_EQ(StaffMemberById(1)->m_clubJob, 0);
}

TEST_F(CoachesTest, ApplicationLeadsToAnOfferThatAcceptingAnswers) {
    AddClub(1300, NORTH);
    AddComputerCoach(1, 40.0f);  // unemployed, no better than the user
    UserCoach& me = AddHumanCoach(50);
    me.m_staff.m_reputation = 45.0f;
    StaffMemberById(50)->m_reputation = 45.0f;
    ApplyForJob(*TeamById(1300), 50);
    ApplyForJob(*TeamById(1300), 50);
    EXPECT_EQ(TeamById(1300)->mv_applications.size(), 1u);
    for (int day = 0; day < 200 && g_userCoaches[0].mv_inbox.empty(); ++day) {
        MoveComputerCoaches();
        g_userCoaches[0].DeliverPendingNews(g_cricket.m_date.m_day, g_cricket.m_date.m_month,
                                            g_cricket.m_date.m_year);
        std::erase_if(g_userCoaches[0].mv_inbox,
                      [](const InboxMessage& m) { return m.m_code != NEWS_JOB_OFFER; });
    }
    ASSERT_EQ(g_userCoaches[0].mv_inbox.size(), 1u);
    InboxMessage& offer = g_userCoaches[0].mv_inbox[0];
    EXPECT_EQ(offer.m_needsAnswer, 1);
    EXPECT_EQ(TeamById(1300)->m_coach, 0) << "held open for the answer";
    MoveComputerCoaches();
    EXPECT_EQ(TeamById(1300)->m_coach, 0);
    EXPECT_STREQ(offer.AcceptButtonText(), "Accept job");
    offer.Accept();
    EXPECT_EQ(offer.m_handled, 1);
    EXPECT_EQ(TeamById(1300)->m_coach, 50);
    EXPECT_EQ(g_userCoaches[0].m_staff.m_clubJob, 1300);
    offer.Decline();
    EXPECT_EQ(TeamById(1300)->m_coach, 50) << "a handled message takes no second answer";
}

TEST_F(BoardsTest, StandingRisesWithSquadAndWealth) {
    float last = 0.0f;
    for (int i = 0; i < CLUBS; ++i) {
        const float standing = PostStanding(1300 + i);
        EXPECT_GT(standing, last) << 1300 + i;
        last = standing;
    }
    EXPECT_GT(PostStanding(NORTH), 0.0f);
}

TEST_F(BoardsTest, AModestApplicantSuitsTheWeakerClubsOnly) {
    struct Case {
        int club;
        bool offered;
        int appointed;  // when the user does not apply
    };
    // The weaker clubs cannot draw the 60 or the 78; the stronger take the 78.
    const Case cases[] = {
        {1300, true, 42}, {1301, true, 42}, {1302, true, 60}, {1303, false, 78}, {1304, false, 78}};
    for (const Case& c : cases) {
        for (const bool applies : {true, false}) {
            SCOPED_TRACE(testing::Message()
                         << "club " << c.club << (applies ? " with" : " without") << " the user");
            TearDown();
            SetUp();
            LeaveClubJob(*StaffMemberById(TeamById(c.club)->m_coach));
            g_userCoaches[0].mv_pending.clear();
            if (applies)
                ApplyForJob(*TeamById(c.club), USER);
            else
                g_userCoaches.clear();  // no unasked offer either
            const bool offered = OfferedToUser(c.club);
            EXPECT_EQ(offered, applies && c.offered);
            if (!offered) {
                EXPECT_EQ(TeamById(c.club)->m_coach, c.appointed);
            }
        }
    }
}

TEST_F(BoardsTest, AClubNoFreeCoachWouldJoinBringsOnItsOwn) {
    for (int id : {60, 42}) StaffMemberById(id)->m_clubJob = 1300;  // out of the market
    LeaveClubJob(*StaffMemberById(TeamById(1300)->m_coach));
    g_userCoaches.clear();
    EXPECT_FALSE(OfferedToUser(1300));
    const StaffMember* coach = StaffMemberById(TeamById(1300)->m_coach);
    ASSERT_NE(coach, nullptr);
    EXPECT_NE(coach->m_id, 78);
    EXPECT_LE(coach->m_reputation, PostStanding(1300) + 10.0f) << "a coach of the club's own level";
}

// The 78 coaches the strongest club, whose next choice is the 60; he is sacked
// (or resigns) and the post falls vacant again some seasons later.
TEST_F(BoardsTest, ASackedCoachIsNotTakenBackWhileBarred) {
    struct Case {
        bool sacked;
        int seasonsLater;
        int appointed;
    };
    const Case cases[] = {{true, 0, 60}, {true, 1, 60}, {true, 2, 60}, {true, 3, 78}, {false, 0, 78}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << (c.sacked ? "sacked, " : "resigned, ") << c.seasonsLater << " seasons later");
        TearDown();
        SetUp();
        g_userCoaches.clear();
        Team& club = *TeamById(1304);
        AppointCoach(club, 78);
        if (c.sacked) {
            club.m_jobSecurity = SACK_SECURITY - 1.0f;
            MoveComputerCoaches();
            ASSERT_EQ(StaffMemberById(78)->m_clubJob, 0);
        } else {
            LeaveClubJob(*StaffMemberById(78));
        }
        // Whoever the board took meanwhile resigns when the post falls vacant.
        if (club.m_coach > 0) LeaveClubJob(*StaffMemberById(club.m_coach));
        SetDay(362 + c.seasonsLater, 100);
        EXPECT_FALSE(OfferedToUser(1304));
        EXPECT_EQ(club.m_coach, c.appointed);
    }
}

TEST_F(BoardsTest, EveryCoachSackedLatelyStaysBarred) {
    g_userCoaches.clear();
    Team& club = *TeamById(1304);
    AppointCoach(club, 78);
    for (int sacked : {78, 60}) {
        if (club.m_coach != sacked) AppointCoach(club, sacked);
        club.m_jobSecurity = SACK_SECURITY - 1.0f;
        MoveComputerCoaches();
        ASSERT_EQ(StaffMemberById(sacked)->m_clubJob, 0);
        if (club.m_coach > 0) LeaveClubJob(*StaffMemberById(club.m_coach));
        SetDay(363, 100);
    }
    EXPECT_FALSE(OfferedToUser(1304));
    EXPECT_EQ(club.m_coach, 42);
}

TEST_F(BoardsTest, ASackedCoachMayJoinAnotherSide) {
    g_userCoaches.clear();
    AppointCoach(*TeamById(1304), 78);
    TeamById(1304)->m_jobSecurity = SACK_SECURITY - 1.0f;
    MoveComputerCoaches();
    ASSERT_EQ(StaffMemberById(78)->m_clubJob, 0);
    LeaveClubJob(*StaffMemberById(TeamById(1303)->m_coach));
    EXPECT_FALSE(OfferedToUser(1303));
    EXPECT_EQ(TeamById(1303)->m_coach, 78);
}

// A national board with only its sacked coach free brings on a new one, and
// turns to him again once the bar is over.
TEST_F(BoardsTest, ANationalBoardPassesOverItsSackedCoach) {
    for (int id : {78, 60}) StaffMemberById(id)->m_clubJob = 1300;  // out of the market
    Country& north = *CountryById(NORTH);
    const int oldCoach = north.m_coach;
    AppointCoach(north, 42);
    north.m_jobSecurity = SACK_SECURITY - 1.0f;
    StaffMemberById(oldCoach)->m_nationalJob = NORTH;  // out of the market too
    g_userCoaches.clear();
    MoveComputerCoaches();
    ASSERT_EQ(StaffMemberById(42)->m_nationalJob, 0);
    for (int day = 0; day < 200 && north.m_coach <= 0; ++day) MoveComputerCoaches();
    ASSERT_GT(north.m_coach, 0);
    EXPECT_NE(north.m_coach, 42);

    SetDay(365, 100);
    StaffMember& stopGap = *StaffMemberById(north.m_coach);
    LeaveNationalJob(stopGap);
    stopGap.m_nationalJob = NORTH;  // he is not the one wanted back
    for (int day = 0; day < 200 && north.m_coach <= 0; ++day) MoveComputerCoaches();
    EXPECT_EQ(north.m_coach, 42);
}

TEST_F(BoardsTest, ASackedHumanCoachIsNotOfferedHisOldJob) {
    Team& club = *TeamById(1300);
    AppointCoach(club, USER);
    club.m_jobSecurity = SACK_SECURITY - 1.0f;
    MoveComputerCoaches();
    ASSERT_EQ(StaffMemberById(USER)->m_clubJob, 0);
    if (club.m_coach > 0) LeaveClubJob(*StaffMemberById(club.m_coach));
    g_userCoaches[0].mv_pending.clear();
    ApplyForJob(club, USER);
    EXPECT_FALSE(OfferedToUser(1300));
    EXPECT_GT(club.m_coach, 0);
    EXPECT_TRUE(std::any_of(g_userCoaches[0].mv_pending.begin(), g_userCoaches[0].mv_pending.end(),
                            [](const PendingNewsItem& item) { return item.m_code == NEWS_JOB_REJECTED; }));
}

TEST_F(CoachesTest, MissingCoachesAreCreatedForEverySide) {
    AddClub(1300, NORTH);
    AddClub(1001, SOUTH);
    AddComputerCoach(1, 50.0f).m_clubJob = 1300;
    TeamById(1300)->m_coach = 1;
    CreateMissingCoaches();
    EXPECT_EQ(TeamById(1300)->m_coach, 1);
    for (const Team& t : g_world.mv_teams) {
        const StaffMember* s = StaffMemberById(t.m_coach);
        ASSERT_NE(s, nullptr) << t.m_id;
        EXPECT_EQ(s->m_clubJob, t.m_id);
        // A new coach is of the post's own level, not a world-class one for any club.
        if (t.m_id != 1300) {
            EXPECT_NEAR(s->m_reputation, PostStanding(t.m_id), 10.5f) << t.m_id;
        }
    }
    for (const Country& c : g_world.mv_countries) {
        const StaffMember* s = StaffMemberById(c.m_coach);
        ASSERT_NE(s, nullptr) << c.m_id;
        EXPECT_EQ(s->m_nationalJob, c.m_id);
        EXPECT_STRNE(JobSecurityText(c), "Vacant");
    }
}

}  // namespace ravel

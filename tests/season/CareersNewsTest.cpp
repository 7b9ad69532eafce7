// News items delivered into the inbox on their day, their texts and answers.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "CareersWorld.h"
#include "season/DayMachine.h"
#include "season/NewsItems.h"
#include "season/RecordsUpdate.h"

namespace ravel {

namespace {

class NewsTest : public CareersWorld {
protected:
    static PendingNewsItem Item(int code, const GameDate& date) {
        PendingNewsItem item;
        item.m_code = code;
        item.m_date = date;
        return item;
    }
};

}  // namespace

TEST_F(NewsTest, ItemsArriveOnTheirDay) {
    UserCoach& me = AddHumanCoach(50);
    const GameDate today = g_cricket.m_date;
    const GameDate tomorrow = Tomorrow();
    me.mv_pending.push_back(Item(NEWS_WINDOW_OPEN, tomorrow));
    me.mv_pending.push_back(Item(NEWS_CONTRACT_OFFER, today));
    me.DeliverPendingNews(today.m_day, today.m_month, today.m_year);
    ASSERT_EQ(me.mv_inbox.size(), 1u);
    EXPECT_EQ(me.mv_inbox[0].m_code, NEWS_CONTRACT_OFFER);
    EXPECT_EQ(me.mv_inbox[0].m_day, today.m_day);
    EXPECT_EQ(me.mv_pending.size(), 1u);
    me.DeliverPendingNews(tomorrow.m_day, tomorrow.m_month, tomorrow.m_year);
    ASSERT_EQ(me.mv_inbox.size(), 2u);
    EXPECT_EQ(me.mv_inbox[1].m_headline, "Transfer window open");
    EXPECT_TRUE(me.mv_pending.empty());
}

TEST_F(NewsTest, AMissedDayIsDeliveredLateNotLost) {
    UserCoach& me = AddHumanCoach(50);
    me.mv_pending.push_back(Item(NEWS_WINDOW_OPEN, g_cricket.m_date));
    const GameDate next = Tomorrow();
    me.DeliverPendingNews(next.m_day, next.m_month, next.m_year);
    EXPECT_EQ(me.mv_inbox.size(), 1u);
}

TEST_F(NewsTest, InboxKeepsFiftyDroppingTheOldestAnswered) {
    UserCoach& me = AddHumanCoach(50);
    InboxMessage question;
    question.m_code = NEWS_JOB_OFFER;
    question.m_needsAnswer = 1;
    me.AddToInbox(question);
    for (int i = 1; i <= INBOX_LIMIT; ++i) {
        InboxMessage m;
        m.m_figure = i;
        me.AddToInbox(m);
    }
    ASSERT_EQ(me.mv_inbox.size(), static_cast<size_t>(INBOX_LIMIT));
    EXPECT_EQ(me.mv_inbox[0].m_code, NEWS_JOB_OFFER) << "an open question stays";
    EXPECT_EQ(me.mv_inbox[1].m_figure, 2);
    EXPECT_EQ(me.mv_inbox.back().m_figure, INBOX_LIMIT);
}

TEST_F(NewsTest, StoriesNameTheirSubjects) {
    AddClub(1300, NORTH);
    const int id = AddCricketer(NORTH, 1300, 2).m_id;
    PendingNewsItem offer = Item(NEWS_CONTRACT_OFFER, g_cricket.m_date);
    offer.m_headlineVariant = 0;
    offer.AddLink(LINK_PLAYER, id);
    const InboxMessage m = WriteNewsItem(offer);
    const std::string name = PlayerName(id);
    EXPECT_NE(m.m_headline.find(name), std::string::npos) << m.m_headline;
    EXPECT_NE(m.m_body.find(name), std::string::npos) << m.m_body;
    EXPECT_EQ(m.m_needsAnswer, 0);
    ASSERT_EQ(m.mv_links.size(), 1u);

    PendingNewsItem record = Item(3011, g_cricket.m_date);
    record.m_storyCode = 3011;
    record.m_headlineVariant = record.m_storyVariant = NEWS_VARIANT_UNSET;
    record.AddLink(LINK_CLUB, 1300);
    record.AddLink(LINK_COUNTRY, NORTH);
    record.AddLink(LINK_SCORECARD, 7);
    record.AddLink(LINK_RECORDS, 2000 + 101);
    const InboxMessage r = WriteNewsItem(record);
    EXPECT_NE(r.m_headline.find("Test"), std::string::npos) << r.m_headline;
    EXPECT_NE(r.m_headline.find("individual score"), std::string::npos) << r.m_headline;
    EXPECT_NE(r.m_body.find("Club 1300"), std::string::npos) << r.m_body;
    EXPECT_NE(r.m_body.find("Northland"), std::string::npos) << r.m_body;
}

TEST_F(NewsTest, RecordStoriesQuoteTheMarkSetAndTheMarkBeaten) {
    AddClub(1300, NORTH);
    const int batsman = AddCricketer(NORTH, 1300, 2).m_id;
    const int partner = AddCricketer(NORTH, 1300, 2).m_id;
    RecordsTable& table = g_world.mv_records.emplace_back();
    table.m_kind = RECORDS_TEST;
    RecordEntry old;
    old.m_value = 398;
    old.m_flag = 1;
    old.m_playerText = "Old Timer";
    old.m_teamText = "Southland";
    old.m_matchText = "Southland vs Northland";
    old.m_seasonText = "1999/00";
    InsertRecord(table, REC_HIGHEST_SCORE, old);
    RecordEntry score;
    score.m_player = batsman;
    score.m_team = 1300;
    score.m_match = 7;
    score.m_value = 412;
    score.m_flag = 1;
    score.m_groundText = "Home Park";
    InsertRecord(table, REC_HIGHEST_SCORE, score);
    RecordEntry stand = score;
    stand.m_player2 = partner;
    stand.m_value = 250;
    stand.m_wickets = 7;
    InsertRecord(table, REC_PARTNERSHIPS, stand);
    // The score is the first-class mark too; the stand is not.
    RecordsTable& firstClass = g_world.mv_records.emplace_back();
    firstClass.m_kind = RECORDS_FIRST_CLASS;
    InsertRecord(firstClass, REC_HIGHEST_SCORE, old);
    InsertRecord(firstClass, REC_HIGHEST_SCORE, score);
    RecordEntry higherStand = stand;
    higherStand.m_match = 3;
    higherStand.m_value = 300;
    InsertRecord(firstClass, REC_PARTNERSHIPS, stand);
    InsertRecord(firstClass, REC_PARTNERSHIPS, higherStand);

    struct Case {
        int section;
        int figure;  // the mark, or a stand's wicket
        std::vector<std::string> headline;
        std::vector<std::string> body;
        bool wider;  // a first-class record too
    };
    const Case cases[] = {
        {REC_HIGHEST_SCORE,
         412,
         {"Record individual score in Test cricket"},
         {PlayerName(batsman), "(Club 1300)", "412 not out", "Northland", "Home Park",
          "The old record was 398 not out by Old Timer (Southland) (Southland vs Northland, 1999/00)"},
         true},
        {REC_PARTNERSHIPS,
         7,
         {"Record 7th-wicket stand in Test cricket"},
         {PlayerName(batsman), PlayerName(partner), "highest 7th-wicket partnership", "a stand of 250"},
         false},
    };
    for (const Case& c : cases) {
        PendingNewsItem item = Item(RecordNewsCode(c.section), g_cricket.m_date);
        item.m_figure = c.figure;
        item.m_headlineVariant = 0;
        item.AddLink(LINK_CLUB, 1300);
        item.AddLink(LINK_COUNTRY, NORTH);
        item.AddLink(LINK_SCORECARD, 7);
        item.AddLink(LINK_RECORDS, RECORDS_TEST * 1000 + c.section);
        const InboxMessage m = WriteNewsItem(item);
        for (const std::string& text : c.headline)
            EXPECT_NE(m.m_headline.find(text), std::string::npos) << m.m_headline;
        for (const std::string& text : c.body) EXPECT_NE(m.m_body.find(text), std::string::npos) << m.m_body;
        EXPECT_EQ(m.m_body.find("It is a first-class record too.") != std::string::npos, c.wider) << m.m_body;
    }
}

TEST_F(NewsTest, ResultStoriesTellEachSideItsOutcome) {
    AddClub(1300, NORTH);
    AddClub(1301, NORTH);
    Competition& league = g_world.mv_competitions.emplace_back();
    league.m_id = 3;
    league.m_kind = COMP_LEAGUE;
    std::snprintf(league.m_name, sizeof league.m_name, "Shire League");
    Competition& cup = g_world.mv_competitions.emplace_back();
    cup.m_id = 4;
    cup.m_kind = COMP_KNOCKOUT;
    std::snprintf(cup.m_name, sizeof cup.m_name, "Shire Cup");
    struct Case {
        int code;
        int figure;
        int competition;
        const char* headline;
        const char* body;
    };
    const Case cases[] = {
        {NEWS_MATCH_RESULT, MATCH_WON, 3, "Club 1300 beat Club 1301", ""},
        {NEWS_MATCH_RESULT, MATCH_LOST, 3, "Club 1300 lose to Club 1301", ""},
        {NEWS_MATCH_RESULT, MATCH_DRAWN, 3, "Club 1300 draw with Club 1301", ""},
        {NEWS_MATCH_RESULT, MATCH_TIED, 3, "Club 1300 tie with Club 1301", ""},
        {NEWS_MATCH_RESULT, MATCH_NO_RESULT, 3, "No result for Club 1300 against Club 1301", ""},
        {NEWS_COMPETITION_WON, CHAMPIONS_OF_COMPETITION, 3, "Club 1300 are Shire League champions",
         "finishing ahead of Club 1301"},
        {NEWS_COMPETITION_WON, CHAMPIONS_OF_STAGE, 3, "Club 1300 top the Shire League", "ahead of Club 1301"},
        {NEWS_COMPETITION_WON, CHAMPIONS_OF_COMPETITION, 4, "Club 1300 win the Shire Cup",
         "beating Club 1301 in the final"},
    };
    for (const Case& c : cases) {
        PendingNewsItem item = Item(c.code, g_cricket.m_date);
        item.m_figure = c.figure;
        item.m_headlineVariant = 0;
        item.AddLink(LINK_CLUB, 1300);
        if (c.code == NEWS_MATCH_RESULT) item.AddLink(LINK_CLUB, 1301);
        item.AddLink(LINK_COMPETITION, c.competition);
        if (c.code == NEWS_COMPETITION_WON) item.AddLink(LINK_CLUB, 1301);
        const InboxMessage m = WriteNewsItem(item);
        EXPECT_EQ(m.m_headline, c.headline);
        EXPECT_NE(m.m_body.find(c.body), std::string::npos) << m.m_body;
    }
}

TEST_F(NewsTest, MeetingADemandRenewsTheOffer) {
    AddClubWithSquad(1300, NORTH, 16, 2).m_human = 1;
    AddHumanCoach(50).m_staff.m_clubJob = 1300;
    const int id = AddCricketer(NORTH, 0, 0).m_id;
    ContractOffer o;
    o.m_player = id;
    o.m_team = 1300;
    o.m_state = OFFER_COUNTER;
    o.m_demandWage = 30000;
    o.m_demandLength = 3;
    o.m_offerWage = 25000;
    o.m_offerLength = 1;
    g_contractOffers.push_back(o);
    PendingNewsItem item = Item(NEWS_OFFER_COUNTER, g_cricket.m_date);
    item.m_figure = 30000;
    item.AddLink(LINK_PLAYER, id);
    item.AddLink(LINK_CLUB, 1300);
    InboxMessage m = WriteNewsItem(item);
    EXPECT_EQ(m.m_needsAnswer, 1);
    EXPECT_NE(m.m_body.find("30000"), std::string::npos);
    m.Accept();
    EXPECT_EQ(g_contractOffers[0].m_state, OFFER_MADE);
    EXPECT_EQ(g_contractOffers[0].m_offerWage, 30000);
    EXPECT_EQ(g_contractOffers[0].m_offerLength, 3);

    g_contractOffers[0].m_state = OFFER_COUNTER;
    InboxMessage again = WriteNewsItem(item);
    again.Decline();
    EXPECT_EQ(g_contractOffers[0].m_state, OFFER_CLOSED);
    EXPECT_EQ(again.m_handled, 1);
}

}  // namespace ravel

#include "season/NewsItems.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "match/Match.h"
#include "match/MatchLists.h"
#include "season/Coaches.h"
#include "season/Contracts.h"
#include "season/DayMachine.h"
#include "season/Fixtures.h"
#include "season/RecordNews.h"
#include "season/ResultNews.h"
#include "season/Squads.h"
#include "season/Tournaments.h"
#include "season/Tours.h"
#include "world/Random.h"
#include "world/Text.h"
#include "world/World.h"

namespace ravel {

namespace {

int Pick(int32_t variant, int count) {
    if (variant == NEWS_VARIANT_UNSET || variant < 0) return Rand() % count;
    return variant % count;
}

const char* CompetitionName(int id) {
    const Competition* c = CompetitionById(id);
    return c ? c->m_name : "";
}

// "Surrey", "Surrey and Kent", "Surrey, Kent and Essex"; with others to
// follow, "Surrey, Kent, Essex".
std::string ListOfSides(const std::vector<int>& sides, bool othersFollow) {
    std::string text;
    for (size_t i = 0; i < sides.size(); ++i) {
        if (i > 0) text += i + 1 == sides.size() && !othersFollow ? " and " : ", ";
        text += SideName(sides[i]);
    }
    return text;
}

void WriteApproach(const PendingNewsItem& item, InboxMessage& m, const std::string& player) {
    std::vector<int> clubs;
    for (const NewsLink& l : item.mv_links)
        if (l.m_kind == LINK_CLUB) clubs.push_back(l.m_value);
    const int count = std::max(item.m_figure, static_cast<int>(clubs.size()));
    const int unnamed = count - static_cast<int>(clubs.size());
    const std::string named = ListOfSides(clubs, unnamed > 0);
    m.m_headline = count > 1 ? Format("%d clubs approach %s", count, player.c_str())
                             : Format("%s approach %s", named.c_str(), player.c_str());
    m.m_body = Format(
        "%s%s %s made an approach for %s, whose contract runs out this season. He will weigh the offers "
        "for a few days: offer him a new contract from his page before then if you want to keep him.",
        named.c_str(), unnamed > 0 ? Format(" and %d other clubs", unnamed).c_str() : "",
        count > 1 ? "have each" : "have", player.c_str());
}

void WriteSeriesResult(const PendingNewsItem& item, InboxMessage& m, const std::string& side,
                       const std::string& side2) {
    const int id = item.LinkValue(LINK_COMPETITION);
    const Series* triangular = SeriesById(id);
    if (triangular && triangular->mv_countries.size() == 3) {
        const int winner = TriangularWinner(*triangular);
        m.m_headline = winner > 0 ? Format("%s win the triangular series", SideName(winner))
                                  : std::string("Triangular series over");
        m.m_body = Format("The triangular series in %s is over. %s.", SideName(triangular->m_host),
                          TournamentStatusText(*triangular).c_str());
        return;
    }
    const TourSeries* series = TourSeriesById(id);
    const bool known = series != nullptr;
    m.m_headline = Format("%s v %s %s over", side.c_str(), side2.c_str(),
                          known && id % 2 ? "Test series"
                          : known         ? "one-day series"
                                          : "series");
    m.m_body = known ? Format("The series between %s and %s has finished. %s.", side.c_str(), side2.c_str(),
                              SeriesStatusText(*series).c_str())
                     : Format("The series between %s and %s has finished.", side.c_str(), side2.c_str());
}

// League and cup winners, a stage's table-toppers (figure 1) and the winners
// of an international tournament; the second side is the runner-up.
void WriteChampions(const PendingNewsItem& item, InboxMessage& m, const std::string& side,
                    const std::string& side2, int variant) {
    const int id = item.LinkValue(LINK_COMPETITION);
    const InternationalTournament* t =
        item.m_code == NEWS_TOURNAMENT_RESULT ? TournamentForCompetition(id) : nullptr;
    const Competition* c = CompetitionById(id);
    const std::string name = t && t->m_competition == id ? t->m_name : c ? c->m_name : "";
    const bool runnerUp = !side2.empty();
    if (item.m_figure == CHAMPIONS_OF_STAGE) {
        m.m_headline = Format("%s top the %s", side.c_str(), name.c_str());
        m.m_body = runnerUp ? Format("%s have finished top of the %s, ahead of %s.", side.c_str(),
                                     name.c_str(), side2.c_str())
                            : Format("%s have finished top of the %s.", side.c_str(), name.c_str());
        return;
    }
    // A cup is won; a league's winners are its champions.
    const bool final = t || (c && c->m_kind == COMP_KNOCKOUT);
    m.m_headline = variant || final ? Format("%s win the %s", side.c_str(), name.c_str())
                                    : Format("%s are %s champions", side.c_str(), name.c_str());
    if (!runnerUp)
        m.m_body = Format("%s have won the %s.", side.c_str(), name.c_str());
    else if (final)
        m.m_body =
            Format("%s have won the %s, beating %s in the final.", side.c_str(), name.c_str(), side2.c_str());
    else
        m.m_body =
            Format("%s have won the %s, finishing ahead of %s.", side.c_str(), name.c_str(), side2.c_str());
}

// A match of a human coach's side, told from his side: first link his side,
// second the opponents; the figure is the result for his side.
void WriteMatchResult(const PendingNewsItem& item, InboxMessage& m, const std::string& side,
                      const std::string& side2) {
    switch (item.m_figure) {
        case MATCH_WON:
            m.m_headline = Format("%s beat %s", side.c_str(), side2.c_str());
            break;
        case MATCH_LOST:
            m.m_headline = Format("%s lose to %s", side.c_str(), side2.c_str());
            break;
        case MATCH_TIED:
            m.m_headline = Format("%s tie with %s", side.c_str(), side2.c_str());
            break;
        case MATCH_DRAWN:
            m.m_headline = Format("%s draw with %s", side.c_str(), side2.c_str());
            break;
        default:
            m.m_headline = Format("No result for %s against %s", side.c_str(), side2.c_str());
            break;
    }
    const Match* match = MatchById(item.LinkValue(LINK_SCORECARD));
    if (!match) {
        m.m_body = Format("%s played %s.", side.c_str(), side2.c_str());
        return;
    }
    const std::string what = MatchCompetitionText(*match);
    const Ground* g = GroundById(match->mi_ground);
    const std::string ground = g ? g->m_name : "";
    m.m_body = Format("%s%s%s: %s.", what.c_str(), ground.empty() ? "" : " at ", ground.c_str(),
                      match->ResultText().c_str());
}

}  // namespace

std::string PlayerName(int playerId) {
    const Player* p = PlayerById(playerId);
    return p ? Format("%s %s", p->m_firstName, p->m_surname) : "";
}

std::string CoachName(int staffId) {
    const StaffMember* s = StaffMemberById(staffId);
    return s ? Format("%s %s", s->m_firstName, s->m_surname) : "";
}

InboxMessage WriteNewsItem(const PendingNewsItem& item) {
    InboxMessage m;
    m.m_day = item.m_date.m_day;
    m.m_month = item.m_date.m_month;
    m.m_year = item.m_date.m_year;
    m.m_code = item.m_code;
    m.m_figure = item.m_figure;
    m.mv_links = item.mv_links;
    const int v = Pick(item.m_headlineVariant, 2);
    // Each story names its subject; copies keep the static buffers apart.
    const std::string side = SideName(item.LinkValue(LINK_CLUB));
    const std::string side2 = SideName(item.LinkValue(LINK_CLUB, 1));
    const std::string player = PlayerName(item.LinkValue(LINK_PLAYER));
    const std::string coach = CoachName(item.LinkValue(LINK_COACH));
    const int f = item.m_figure;
    switch (item.m_code) {
        case NEWS_SEASON_START: {
            static const char* const EXPECT[] = {
                "a challenge for the title",
                "a respectable finish in the table",
                "a push for promotion",
            };
            const std::string name = CompetitionName(item.LinkValue(LINK_COMPETITION));
            m.m_headline = v ? Format("%s fixtures published", name.c_str())
                             : Format("Fixtures out for the %s", name.c_str());
            m.m_body = Format("The fixtures for %s in the %s have been published. The board expect %s.",
                              side.c_str(), name.c_str(), EXPECT[f >= 1 && f <= 3 ? f - 1 : 1]);
            break;
        }
        case NEWS_COACH_APPOINTED:
            m.m_headline = v ? Format("%s appoint %s", side.c_str(), coach.c_str())
                             : Format("New coach for %s", side.c_str());
            m.m_body = Format(
                "%s have appointed %s as their new coach. The board say they look forward to "
                "a successful spell under his leadership.",
                side.c_str(), coach.c_str());
            break;
        case NEWS_COACH_LEFT:
            m.m_headline = Format("%s leaves %s", coach.c_str(), side.c_str());
            m.m_body = Format("%s has left his post as coach of %s. The board will now look for a successor.",
                              coach.c_str(), side.c_str());
            break;
        case NEWS_COACH_SACKED:
            m.m_headline = v ? Format("%s sack %s", side.c_str(), coach.c_str())
                             : Format("%s shown the door", coach.c_str());
            m.m_body = Format(
                "After a poor run of results the board of %s have lost patience and dismissed "
                "%s. They will look for a new coach at once.",
                side.c_str(), coach.c_str());
            break;
        case NEWS_JOB_APPLICATION:
            m.m_headline = Format("Application sent to %s", side.c_str());
            m.m_body = Format(
                "You have applied for the coaching job at %s. The board will consider your "
                "application when they make their appointment.",
                side.c_str());
            break;
        case NEWS_JOB_OFFER:
            m.m_headline = Format("Job offer from %s", side.c_str());
            m.m_body =
                Format("The board of %s would like you to become their new coach. Will you take the job?",
                       side.c_str());
            m.m_needsAnswer = m.m_positiveOffered = m.m_negativeOffered = 1;
            break;
        case NEWS_JOB_REJECTED:
            m.m_headline = Format("%s look elsewhere", side.c_str());
            m.m_body = Format("Your application to %s has not been successful: the board have appointed %s.",
                              side.c_str(), coach.c_str());
            break;
        case NEWS_CONTRACTS_EXPIRING:
            m.m_headline = f == 1 ? std::string("1 contract runs out this window")
                                  : Format("%d contracts run out this window", f);
            m.m_body = Format(
                "%d of your players are in the last season of their contracts. Offer new contracts "
                "from their pages to the ones you want to keep; the others leave when the "
                "transfer window shuts.",
                f);
            break;
        case NEWS_WINDOW_OPEN:
            m.m_headline = "Transfer window open";
            m.m_body =
                "Players in the last season of their contracts can now be approached, and other clubs "
                "can approach yours. Agreed moves happen when the window shuts.";
            break;
        case NEWS_WINDOW_CLOSED:
            m.m_headline = "Transfer window shut";
            m.m_body = f == 1 ? Format("The transfer window has shut. 1 new player joins %s.", side.c_str())
                       : f == 0
                           ? Format("The transfer window has shut. No new players join %s.", side.c_str())
                           : Format("The transfer window has shut. %d new players join %s.", f, side.c_str());
            break;
        case NEWS_PLAYER_LEAVING:
            m.m_headline = Format("%s to join %s", player.c_str(), side2.c_str());
            m.m_body = Format("%s has agreed terms with %s and will leave %s when the transfer window shuts.",
                              player.c_str(), side2.c_str(), side.c_str());
            break;
        case NEWS_PLAYER_JOINED:
            m.m_headline = Format("%s joins %s", player.c_str(), side.c_str());
            m.m_body = Format("%s has signed for %s.", player.c_str(), side.c_str());
            break;
        case NEWS_CONTRACT_ENDED:
            m.m_headline = Format("%s leaves as a free agent", player.c_str());
            m.m_body = Format("%s's contract with %s has run out and he is now a free agent.", player.c_str(),
                              side.c_str());
            break;
        case NEWS_CONTRACT_OFFER:
            m.m_headline = Format("Contract offered to %s", player.c_str());
            m.m_body = Format("You have offered %s a contract. His agent will reply within a few days.",
                              player.c_str());
            break;
        case NEWS_OFFER_ACCEPTED:
            m.m_headline = Format("%s accepts terms", player.c_str());
            m.m_body = Format(
                "%s's agent says his client is happy with your terms. He will decide between the "
                "offers he has accepted within a day or two.",
                player.c_str());
            break;
        case NEWS_OFFER_REJECTED:
            m.m_headline = Format("%s turns down your offer", player.c_str());
            m.m_body = Format("%s's agent says your offer falls well short of what his client is worth.",
                              player.c_str());
            break;
        case NEWS_OFFER_COUNTER:
            m.m_headline = Format("%s wants more", player.c_str());
            m.m_body =
                Format("%s's agent says his client would sign for a wage of %d. Will you meet his demand?",
                       player.c_str(), f);
            m.m_needsAnswer = m.m_positiveOffered = m.m_negativeOffered = 1;
            break;
        case NEWS_PLAYER_SIGNED_ELSEWHERE:
            m.m_headline = Format("%s signs for %s", player.c_str(), side.c_str());
            m.m_body = Format("%s has chosen %s's offer over yours.", player.c_str(), side.c_str());
            break;
        case NEWS_APPROACH_FOR_PLAYER:
            WriteApproach(item, m, player);
            break;
        case NEWS_INJURY: {
            const Player* p = PlayerById(item.LinkValue(LINK_PLAYER));
            const InjuryType* type = p ? InjuryTypeById(p->m_injuryType) : nullptr;
            m.m_headline =
                v ? Format("%s injured", player.c_str()) : Format("Injury blow for %s", side.c_str());
            m.m_body = Format("%s has picked up an injury (%s) and is expected to be out for %d days.",
                              player.c_str(), type ? type->m_description : "unknown", f);
            break;
        }
        case NEWS_RECOVERED:
            m.m_headline = Format("%s fit again", player.c_str());
            m.m_body = Format("%s has recovered from injury and is available for selection.", player.c_str());
            break;
        case NEWS_SERIES_RESULT:
            WriteSeriesResult(item, m, side, side2);
            break;
        case NEWS_SQUAD_NAMED:
            m.m_headline = Format("%s name their squad", side.c_str());
            m.m_body =
                Format("The selectors of %s have named their squad. The country page lists the players.",
                       side.c_str());
            break;
        case NEWS_TOURNAMENT_RESULT:
        case NEWS_COMPETITION_WON:
            WriteChampions(item, m, side, side2, v);
            break;
        case NEWS_MATCH_RESULT:
            WriteMatchResult(item, m, side, side2);
            break;
        case NEWS_NEW_SEASON:
            m.m_headline = "A new season begins";
            m.m_body =
                Format("Season %d is under way. Squads have been rebuilt and the fixtures are out.", f);
            break;
        default:
            if (item.m_code >= NEWS_RECORD_FIRST && item.m_code <= NEWS_RECORD_LAST) {
                WriteRecordNews(item, m, v);
            } else {
                m.m_headline = "News";
                m.m_body = "";
            }
            break;
    }
    return m;
}

void InboxMessage::Accept() {
    if (m_handled || !m_positiveOffered) return;
    m_handled = 1;
    int side = 0;
    int player = 0;
    for (const NewsLink& l : mv_links) {
        if ((l.m_kind == LINK_CLUB || l.m_kind == LINK_COUNTRY) && side == 0) side = l.m_value;
        if (l.m_kind == LINK_PLAYER && player == 0) player = l.m_value;
    }
    const UserCoach* profile = CurrentProfile();
    if (!profile) return;
    const int coachId = profile->m_staff.m_id;
    if (m_code == NEWS_JOB_OFFER) {
        m_answer = "You accepted the job.";
        if (side >= FIRST_CLUB_ID) {
            Team* t = TeamById(side);
            if (!t) return;
            AppointCoach(*t, coachId);
            // A club whose season is over until the next one: the world runs on
            // to it.
            if (HemisphereOf(*t) != HemisphereOfSeason(g_cricket.m_date.m_season))
                StartAutoSimulation(AUTO_TO_NEXT_SEASON);
        } else if (Country* c = CountryById(side)) {
            AppointCoach(*c, coachId);
        }
    } else if (m_code == NEWS_OFFER_COUNTER) {
        for (ContractOffer& o : g_contractOffers) {
            if (o.m_player != player || o.m_team != side || o.m_state != OFFER_COUNTER) continue;
            o.m_offerWage = o.m_demandWage;
            o.m_offerLength = o.m_demandLength;
            o.m_state = OFFER_MADE;
            o.StartReplyCountdown();
        }
        m_answer = "You met his demand; his agent will reply soon.";
    }
}

void InboxMessage::Decline() {
    if (m_handled || !m_negativeOffered) return;
    m_handled = 1;
    if (m_code == NEWS_OFFER_COUNTER) {
        int side = 0;
        int player = 0;
        for (const NewsLink& l : mv_links) {
            if (l.m_kind == LINK_CLUB && side == 0) side = l.m_value;
            if (l.m_kind == LINK_PLAYER && player == 0) player = l.m_value;
        }
        for (ContractOffer& o : g_contractOffers)
            if (o.m_player == player && o.m_team == side && o.m_state == OFFER_COUNTER)
                o.m_state = OFFER_CLOSED;
        m_answer = "You broke off negotiations.";
    } else {
        m_answer = "You turned the job down.";
    }
}

const char* InboxMessage::AcceptButtonText() const {
    return m_code == NEWS_JOB_OFFER ? "Accept job" : m_code == NEWS_OFFER_COUNTER ? "Meet his demand" : "Yes";
}

const char* InboxMessage::DeclineButtonText() const {
    return m_code == NEWS_JOB_OFFER       ? "Turn job down"
           : m_code == NEWS_OFFER_COUNTER ? "Break off talks"
                                          : "No";
}

}  // namespace ravel

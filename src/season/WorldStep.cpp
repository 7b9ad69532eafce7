#include "season/WorldStep.h"

#include <algorithm>
#include <cstdio>

#include "match/Conditions.h"
#include "match/Match.h"
#include "match/MatchLists.h"
#include "season/Coaches.h"
#include "season/Contracts.h"
#include "season/DayMachine.h"
#include "season/Finance.h"
#include "season/Fitness.h"
#include "season/News.h"
#include "season/Schedule.h"
#include "season/Squads.h"
#include "season/Tours.h"
#include "world/PlayerGen.h"
#include "world/PlayerHistory.h"
#include "world/Random.h"
#include "world/SaveGame.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

std::string g_almanackTitle;
TurnoverCounts g_lastTurnover;

namespace {

constexpr int MONTHLY_FINANCE_DAY = 28;
constexpr int CHAMPIONSHIP_FIRST_YEAR = 2010;
constexpr int REBUILD_LAST_DAY = 31;
constexpr int MAX_SKILL = 99;
constexpr int MIN_SKILL = 1;
constexpr int PEAK_AGE = 27;
constexpr int DECLINE_AGE = 32;
constexpr int TURNS_A_YEAR = 2;  // the world turns after each hemisphere's season
constexpr int COPIES = 100;
constexpr int SCORING_SPEED = 6;
constexpr int FULLY_GROWN = 1;  // the potential of a player with nothing left to gain

// How much of a turn's growth each skill takes: the player's trade and his
// fielding all of it, his other skills half; his scoring speed is his style
// and stays as it is.
enum GrowthWeight { GROWTH_NONE = 0, GROWTH_HALF = 1, GROWTH_FULL = 2 };

void ForEachSkill(Player& p, auto&& f) {
    const Trade trade = TradeOf(p);
    const int bat = trade == TRADE_BOWLING ? GROWTH_HALF : GROWTH_FULL;
    const int bowl = trade == TRADE_BOWLING ? GROWTH_FULL : GROWTH_HALF;
    const int keep = trade == TRADE_KEEPING ? GROWTH_FULL : GROWTH_HALF;
    for (int i = 0; i < SCORING_SPEED; ++i) f(p.m_batSkill[i], bat);
    f(p.m_batSkill[SCORING_SPEED], GROWTH_NONE);
    for (int32_t& s : p.m_bowlSkill) f(s, bowl);
    for (int32_t& s : p.m_fieldSkill) f(s, GROWTH_FULL);
    for (int32_t& s : p.m_keepSkill) f(s, keep);
}

// A newcomer will grow to the level of an established player of his country
// and trade, drawn at random: each country breeds cricketers of its own
// standard. With none to go by, his potential is drawn at the next turn.
void SetNewcomerPotential(Player& p) {
    std::vector<const Player*> peers;
    for (const Player& q : g_world.mv_players) {
        const int age = q.Age();
        if (q.m_id > 0 && !q.m_retired && q.m_id != p.m_id && q.m_country == p.m_country &&
            TradeOf(q) == TradeOf(p) && age >= PEAK_AGE && age < DECLINE_AGE)
            peers.push_back(&q);
    }
    if (peers.empty()) {
        p.m_potential = 0;
        return;
    }
    const Player& peer = *peers[static_cast<size_t>(Rand()) % peers.size()];
    p.m_potential = std::max(TradeLevel(peer) - TradeLevel(p), 0) + FULLY_GROWN;
}

void DropFromSides(Player& p) {
    for (int club : {p.m_northClub, p.m_southClub}) {
        if (Team* t = TeamById(club)) RemoveFromClubSquad(*t, p.m_id);
    }
    for (Country& c : g_world.mv_countries) {
        std::erase(c.mv_testSquad, p.m_id);
        std::erase(c.mv_oneDaySquad, p.m_id);
        for (int32_t& slot : c.m_xi)
            if (slot == p.m_id) slot = -1;
    }
}

bool HasSeasonJob(const UserCoach& coach, int season) {
    if (coach.m_staff.m_nationalJob >= 1) return true;
    const int club = coach.m_staff.m_clubJob;
    const Team* t = TeamById(club);
    if (club < 1 || !t) return false;
    const bool northern = t->m_country == NORTHERN_COUNTRY;
    return season % 2 == 0 ? northern : !northern;
}

void MarkCompletedFixtures() {
    for (const auto& m : g_completedMatches) {
        for (Fixture& f : g_world.mv_fixtures) {
            if (f.m_match != m->mi_id) continue;
            f.m_state = FIXTURE_PLAYED;
            f.m_result[0] = m->mi_resultKind;
            f.m_result[1] = m->mi_margin;
            f.m_result[2] = m->mi_winner;
            f.m_match = -1;
        }
    }
    ClearCompletedMatches();
}

void ResetSeasonStats(int season) {
    for (Player& p : g_world.mv_players) {
        for (int b = STATS_SEASON_FC; b <= STATS_SEASON_ODI; ++b) {
            p.m_stats[b].ResetCounters();
            p.m_stats[b].m_season = season;
        }
    }
}

void DeliverAndClearDaily() {
    const GameDate tomorrow = Tomorrow();
    for (UserCoach& coach : g_userCoaches)
        coach.DeliverPendingNews(tomorrow.m_day, tomorrow.m_month, tomorrow.m_year);
    if (g_cricket.m_autoSimulate) {
        bool question = false;
        for (UserCoach& coach : g_userCoaches)
            for (InboxMessage& m : coach.mv_inbox) {
                m.m_seen = 1;
                question |= m.m_needsAnswer && !m.m_handled;
            }
        if (question) DayScreens().ShowPage(DayPage::NEWS);
    }
    for (UserCoach& coach : g_userCoaches) std::fill(std::begin(coach.m_daily), std::end(coach.m_daily), 0);
    g_cricket.m_coachIndex = 0;
    if (!g_userCoaches.empty()) {
        const StaffMember& s = g_userCoaches[0].m_staff;
        g_cricket.m_team = s.m_nationalJob >= 1 ? s.m_nationalJob : s.m_clubJob;
    }
}

}  // namespace

bool EventSeasonMatches(int eventSeason, int season) {
    if (eventSeason == EVERY_EVEN_SEASON) return season % 2 == 0;
    if (eventSeason == EVERY_ODD_SEASON) return season % 2 != 0;
    return eventSeason == season;
}

void FireCompetitionEvents() {
    for (size_t i = 0; i < g_world.mv_events.size(); ++i) {
        CompetitionEvent& e = g_world.mv_events[i];
        if (e.m_dayOfSeason != g_cricket.m_date.m_dayOfSeason || e.m_fired ||
            !EventSeasonMatches(e.m_season, g_cricket.m_date.m_season))
            continue;
        e.m_fired = 1;
        if (e.m_type == EVENT_NEW_SEASON) {
            StartNewSeason();
            if (g_cricket.m_date.m_season > LAST_CAREER_SEASON) return;
        } else {
            RunCompetitionEvent(e.m_type, e.m_competition);
        }
    }
}

void StartNewSeason() {
    GameDate& date = g_cricket.m_date;
    const int ended = date.m_season;
    ++date.m_season;
    char title[64];
    std::snprintf(title, sizeof title, "Almanack of Season %d (copy %d)", date.m_season, Rand() % COPIES);
    g_almanackTitle = title;
    for (RecordsTable& t : g_world.mv_records) t.Freeze();
    if (date.m_season > LAST_CAREER_SEASON) {
        StartAutoSimulation(AUTO_CAREER_OVER);
        return;
    }
    date.m_dayOfSeason = -1;
    MarkCompletedFixtures();
    MergePlayerHistories(ended);
    g_lastTurnover = SeasonTurnover();
    TopUpTeamSquads();
    TopUpCountryPlayers();
    SelectAllNationalSquads();  // places left by retired players
    RebuildSquads();
    for (Team& t : g_world.mv_teams) CompactSquad(t);
    ResetSeasonStats(date.m_season);
    for (CompetitionEvent& e : g_world.mv_events) e.m_fired = 0;
    bool employed = false;
    for (const UserCoach& coach : g_userCoaches) employed |= HasSeasonJob(coach, date.m_season);
    if (!employed) StartAutoSimulation(AUTO_TO_NEXT_SEASON);
}

void TurnOverdueSeason() {
    GameDate& date = g_cricket.m_date;
    if (date.m_season > LAST_CAREER_SEASON || date.m_dayOfSeason < SeasonLength(date.m_season)) return;
    DebugLog("Season %d ran past its last day without its roll-over event: turning it", date.m_season);
    StartNewSeason();
    // Today is already the new season's first day.
    if (date.m_dayOfSeason < 0) date.m_dayOfSeason = 0;
}

void DailyWorldStep() {
    TurnOverdueSeason();
    FireCompetitionEvents();
    const GameDate& date = g_cricket.m_date;
    if (date.m_day == MONTHLY_FINANCE_DAY) ApplyMonthlyFinances();
    for (Tour& tour : g_world.mv_tours)
        if ((tour.m_state == TOUR_NOT_STARTED || tour.m_state == TOUR_RUNNING) &&
            tour.m_season == date.m_season)
            DailyTourStep(tour);
    StartDueTournaments();
    ReleaseIdleNationalSquads();
    if (date.m_day == 1 && date.m_month == 1 && date.m_year >= CHAMPIONSHIP_FIRST_YEAR) {
        YearlyChampionshipStep(false);
        YearlyChampionshipStep(true);
    }
    MoveComputerCoaches();
    UpdatePlayerFitnessAndInjuries();
    g_cricket.m_climateMonth = date.m_month - 1;
    for (Climate& c : g_world.mv_climates) AdvanceForecast(c);
    TransferWindowStep();
    if (date.m_dayOfSeason < REBUILD_LAST_DAY) {
        if (g_squadRebuilds > 0) RebuildSquads();
        g_squadRebuilds = 0;
    }
    DeliverAndClearDaily();
    for (StaffMember& s : g_world.mv_staff) DailyCoachStep(s);
}

bool MergePlayerHistories(int endedSeason) {
    std::vector<PlayerStats> records = ReadAllPlayerHistories();
    static const int32_t KINDS[] = {KIND_FIRST_CLASS, KIND_LIST_A, KIND_TEST, KIND_ODI};
    for (const Player& p : g_world.mv_players) {
        if (p.m_id <= 0) continue;
        for (int b = STATS_SEASON_FC; b <= STATS_SEASON_ODI; ++b) {
            PlayerStats s = p.m_stats[b];
            if (s.m_matches <= 0) continue;
            s.m_player = p.m_id;
            s.m_season = endedSeason;
            s.m_kind = KINDS[b - STATS_SEASON_FC];
            records.push_back(s);
        }
    }
    return WritePlayerHistories(std::move(records));
}

int RetirementChance(int age) {
    static const int CHANCES[][2] = {{33, 5}, {34, 12}, {35, 25}, {36, 40}, {37, 60}, {38, 80}};
    if (age < CHANCES[0][0]) return 0;
    for (const auto& c : CHANCES)
        if (age == c[0]) return c[1];
    return 95;
}

Trade TradeOf(const Player& p) {
    if (p.m_keeper == 1) return TRADE_KEEPING;
    return p.m_batPosition < 7 ? TRADE_BATTING : TRADE_BOWLING;
}

int TradeLevel(const Player& p) {
    const int batting = p.BattingRatingValue();
    switch (TradeOf(p)) {
        case TRADE_KEEPING:
            return (batting + (p.m_keepSkill[0] + p.m_keepSkill[1]) / 2) / 2;
        case TRADE_BOWLING:
            return (p.m_bowlSkill[0] + p.m_bowlSkill[1] + p.m_bowlSkill[2] + p.m_bowlSkill[3]) / 4;
        case TRADE_BATTING:
            break;
    }
    return batting;
}

void DevelopPlayer(Player& p, int age) {
    if (age < PEAK_AGE && p.m_potential > 0) {
        // What is still to come, spread over the turns left before the peak
        // so that he reaches it there, however late he started. A potential
        // of 1 is a player fully grown (0 would have a new one drawn).
        const int headroom = p.m_potential - FULLY_GROWN;
        const int turnsLeft = std::max(TURNS_A_YEAR * (PEAK_AGE - age) - 1, 1);
        ForEachSkill(p, [&](int32_t& s, int weight) {
            const int draw = 50 + Rand() % 101;  // a half to one and a half of the turn's share
            const int whole = 100 * GROWTH_FULL * turnsLeft;
            s = std::clamp(s + (headroom * draw * weight + whole / 2) / whole, MIN_SKILL, MAX_SKILL);
        });
        p.m_potential -= (headroom + turnsLeft / 2) / turnsLeft;
    } else if (age >= DECLINE_AGE) {
        const int most = age >= DECLINE_AGE + 4 ? 3 : 2;
        ForEachSkill(p, [&](int32_t& s, int) { s = std::max(s - Rand() % (most + 1), MIN_SKILL); });
    }
}

TurnoverCounts SeasonTurnover() {
    TurnoverCounts counts;
    std::vector<int32_t> newcomers;
    for (Player& p : g_world.mv_players) {
        if (p.m_id <= 0) continue;
        if (p.m_potential <= 0) p.m_potential = Rand() % 40 + 1;
        const int age = p.Age();
        if (p.m_retiring || Rand() % 100 < RetirementChance(age)) {
            DropFromSides(p);
            GenerateReplacementPlayer(p.m_id);
            newcomers.push_back(p.m_id);
            ++counts.m_retired;
            ++counts.m_newPlayers;
            continue;
        }
        DevelopPlayer(p, age);
    }
    // Measured against the players who stay on, as they now are.
    for (int32_t id : newcomers) SetNewcomerPotential(g_world.mv_players[static_cast<size_t>(id)]);
    return counts;
}

}  // namespace ravel

#include "match/Match.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "match/AnimScript.h"
#include "match/Conditions.h"
#include "match/MatchLists.h"
#include "season/Selection.h"
#include "season/Tournaments.h"
#include "world/Random.h"
#include "world/Services.h"
#include "world/Text.h"
#include "world/World.h"

namespace ravel {

namespace {

// A process-wide count of matches set up, for traces.
int32_t g_matchesSetUp = 0;

constexpr float START_AGGRESSION = 40.0f;

bool IsTestOrTourFirstClass(int32_t competition) {
    return competition == COMP_TOUR_THREE_DAY || competition == COMP_TOUR_FOUR_DAY;
}

// The knock-out round of a domestic cup or an international tournament that
// is being played; STAGE_LEAGUE otherwise.
int32_t KnockoutStageOf(int32_t competitionId) {
    if (competitionId < 500) {
        const Competition* c = CompetitionById(competitionId);
        if (!c) return STAGE_LEAGUE;
        return c->m_stage >= STAGE_QUARTER_FINALS && c->m_stage <= STAGE_FINAL ? c->m_stage : STAGE_LEAGUE;
    }
    if (competitionId < COMP_FIRST_TOURNAMENT || competitionId > 549) return STAGE_LEAGUE;
    const InternationalTournament* t = TournamentForCompetition(competitionId);
    if (!t || !t->m_running) return STAGE_LEAGUE;
    if (t->m_stage == TSTAGE_FINAL) return STAGE_FINAL;
    if (t->m_stage == TSTAGE_SEMI_FINALS) return STAGE_SEMI_FINALS;
    return STAGE_LEAGUE;
}

// A Test or one-day international player's figures of that kind name him,
// the kind and the side he plays for; the counters stay as they are.
void EnsureTypeFigures(Player& player, int32_t matchType, int32_t sideId) {
    const bool test = matchType == FORMAT_TEST;
    const int32_t kind = test ? KIND_TEST : KIND_ODI;
    for (int block :
         {test ? STATS_CAREER_TEST : STATS_CAREER_ODI, test ? STATS_SEASON_TEST : STATS_SEASON_ODI}) {
        PlayerStats& s = player.m_stats[block];
        if (s.m_player == player.m_id && s.m_kind == kind && s.m_team > 0) continue;  // found
        s.m_player = player.m_id;
        s.m_kind = kind;
        if (s.m_team <= 0) s.m_team = sideId;
        if (block >= STATS_SEASON_FC && s.m_season <= 0) s.m_season = g_cricket.m_date.m_season;
    }
}

}  // namespace

int32_t ComputerTossChoice(int32_t climateId) {
    const Climate* climate = ClimateById(climateId);
    return climate && climate->m_thresholds[2] <= climate->m_thresholds[5] ? 2 : 1;
}

double PlaySession::RunRate() const {
    if (mi_balls == 0) return -1.0;
    return static_cast<double>(mi_runs) / mi_balls * 6.0;
}

double BatsmanFigures::StrikeRate() const {
    const int32_t balls = Balls(), runs = BatsmanRuns(*this);
    return balls > 0 && runs > 0 ? runs * 100.0 / balls : 0.0;
}

void Partnership::Begin(int32_t player1, int32_t player2) {
    *this = Partnership{};
    mi_state = 1;
    mi_player = {player1, player2};
}

void Partnership::NameBatsman(int32_t player, int32_t runs) {
    // A batsman not yet named takes the free place.
    const int k = mi_player[0] < 0 ? 0 : 1;
    mi_player[k] = player;
    mi_runs[k] += runs;
    mi_balls[k] += 1;
}

void Partnership::MarkReached(int reached) {
    for (int step = 0; step < reached; ++step) mb_reached[step] = 1;
}

void Innings::SwapBatsmen(int a, int b) {
    if (a < 0 || b < 0 || a >= SQUAD_SIZE || b >= SQUAD_SIZE) return;
    std::swap(m_batsmen[a].mi_player, m_batsmen[b].mi_player);
    std::swap(mi_battingOrder[a], mi_battingOrder[b]);
}

const BallRecord& Innings::BallAt(int index) const {
    static const BallRecord NONE{};
    if (index < 0 || static_cast<size_t>(index) >= mv_balls.size()) return NONE;
    return mv_balls[static_cast<size_t>(index)];
}

void Innings::Recount() {
    mi_total = mi_legByes + mi_noBalls + mi_wides + mi_byes;
    mi_wickets = 0;
    for (const BatsmanFigures& batsman : m_batsmen) {
        mi_total += BatsmanRuns(batsman);
        mi_wickets += batsman.mi_howOut > 0 ? 1 : 0;
    }
}

void Innings::FindTopPerformers() {
    mi_topBatsmen = {-1, -1, -1};
    mi_topBowlers = {-1, -1, -1};
    std::array<int32_t, SQUAD_SIZE> order{};
    for (int i = 0; i < SQUAD_SIZE; ++i) order[i] = i;

    auto batted = [this](int32_t pos) { return m_batsmen[pos].mi_howOut != 0; };
    std::stable_sort(order.begin(), order.end(), [this](int32_t a, int32_t b) {
        return BatsmanRuns(m_batsmen[a]) > BatsmanRuns(m_batsmen[b]);
    });
    int found = 0;
    for (int32_t pos : order) {
        if (found < 3 && batted(pos)) mi_topBatsmen[found++] = pos;
    }

    for (int i = 0; i < SQUAD_SIZE; ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [this](int32_t a, int32_t b) {
        const BowlerFigures& x = m_bowlers[a];
        const BowlerFigures& y = m_bowlers[b];
        if (x.mi_wickets != y.mi_wickets) return x.mi_wickets > y.mi_wickets;
        return x.mi_runs < y.mi_runs;
    });
    found = 0;
    for (int32_t slot : order) {
        if (found < 3 && m_bowlers[slot].mi_balls > 0) mi_topBowlers[found++] = slot;
    }
}

namespace {

const BatsmanFigures* TopBatsman(const Innings& innings) {
    const int32_t pos = innings.mi_topBatsmen[0];
    return pos >= 0 && pos < SQUAD_SIZE ? &innings.m_batsmen[pos] : nullptr;
}

const BowlerFigures* TopBowler(const Innings& innings) {
    const int32_t slot = innings.mi_topBowlers[0];
    return slot >= 0 && slot < SQUAD_SIZE ? &innings.m_bowlers[slot] : nullptr;
}

const char* SurnameOf(int32_t playerId) {
    const Player* player = PlayerById(playerId);
    return player ? player->m_surname : "";
}

}  // namespace

std::string getbathighlights(const Innings& innings) {
    const BatsmanFigures* top = TopBatsman(innings);
    if (!top) return "";
    return Format("%s %d%s", SurnameOf(top->mi_player), BatsmanRuns(*top), top->mi_howOut == -1 ? "*" : "");
}

std::string BowlHighlights(const Innings& innings) {
    const BowlerFigures* top = TopBowler(innings);
    if (!top) return "";
    return Format("%s %d/%d", SurnameOf(top->mi_player), top->mi_wickets, top->mi_runs);
}

int32_t TopBatsmanRuns(const Innings& innings) {
    const BatsmanFigures* top = TopBatsman(innings);
    return top ? BatsmanRuns(*top) : -1;
}

int32_t TopBowlerWickets(const Innings& innings) {
    const BowlerFigures* top = TopBowler(innings);
    return top ? top->mi_wickets : -1;
}

double RunRate(const Innings& innings) {
    if (innings.mi_legalBalls == 0) return 0.0;
    return static_cast<double>(InningsTotal(innings)) / innings.mi_legalBalls * 6.0;
}

int32_t MatchPlayer::BowlPlanFor(int battingPosition) const {
    if (battingPosition < 0 || battingPosition >= SQUAD_SIZE) battingPosition = 0;
    return mi_bowlPlan[battingPosition];
}

int32_t MatchTeam::OrderSlotA(int innings) const {
    return mi_orderSlotA[Match::InningsIndex(innings)];
}

void MatchTeam::SetOrderSlotA(int innings, int32_t slot) {
    if (innings >= 0 && innings < 4) mi_orderSlotA[innings] = slot;
}

void MatchTeam::SetKeeperSlot(int innings, int32_t slot) {
    if (innings >= 0 && innings < 4) mi_keeperSlot[innings] = slot;
}

Match::Match() = default;
Match::~Match() = default;

void Match::NewBall() {
    mf_ballValue = 100.0f;
    mi_ballCount = 0;
}

void Match::AgeBall(int kind) {
    if (kind == 1) mf_ballValue -= 1.386f;
    if (kind == 2) mf_ballValue -= 1.104f;
    ++mi_ballCount;
}

void Match::Setup(int32_t matchId, int32_t competitionId, int32_t groundId, int32_t team1Id, int32_t team2Id,
                  int32_t day, int32_t month, int32_t year, int32_t callerValue) {
    mv_events.clear();
    ++g_matchesSetUp;
    mi_id = matchId;
    mi_competition = competitionId;
    mi_ground = groundId;
    mi_team1 = team1Id;
    mi_team2 = team2Id;
    mi_callerValue = callerValue;
    mi_stage = KnockoutStageOf(competitionId);

    if (competitionId < 500 || (competitionId >= COMP_FIRST_TOURNAMENT && competitionId <= 550)) {
        const Competition* competition = CompetitionById(competitionId);
        mi_matchType = competition ? competition->m_format : FORMAT_FIRST_CLASS;
        mi_length = competition ? competition->m_length : 4;
    } else if (competitionId == COMP_TOUR_THREE_DAY) {
        mi_matchType = FORMAT_FIRST_CLASS;
        mi_length = 3;
    } else if (competitionId == COMP_TOUR_FOUR_DAY) {
        mi_matchType = FORMAT_FIRST_CLASS;
        mi_length = 4;
    } else if (competitionId == COMP_TOUR_ONE_DAY) {
        mi_matchType = FORMAT_LIST_A;
        mi_length = 50;
    } else if (competitionId % 2 == 0) {
        const Competition* odi = CompetitionById(COMP_ODI_CHAMPIONSHIP);
        mi_matchType = odi ? odi->m_format : FORMAT_ODI;
        mi_length = 50;
    } else {
        const Competition* test = CompetitionById(COMP_TEST_CHAMPIONSHIP);
        mi_matchType = test ? test->m_format : FORMAT_TEST;
        mi_length = 5;
    }
    // A length that cannot be played would stall the clock arithmetic.
    if (mi_length < 1) mi_length = IsFirstClass() ? 1 : 50;

    NewBall();
    const Ground* ground = GroundById(groundId);
    const Climate* climate = ground ? ClimateById(ground->m_climate) : nullptr;
    mi_climate = climate ? climate->m_id : 0;
    mi_weatherRoll = climate && !climate->mv_outlook.empty() ? climate->mv_outlook.front() : 50;

    float groundBounce = ground ? ground->m_bounce : 5.0f;
    float groundTurn = ground ? ground->m_turn : 5.0f;
    mf_bounce = std::clamp(groundBounce - 2.0f + static_cast<float>(Rand() % 4), 0.0f, 9.9f);
    mf_turn = std::clamp(groundTurn - 2.0f + static_cast<float>(Rand() % 4), 0.0f, 9.9f);
    mf_wear = 0.005f + 0.001f * static_cast<float>(Rand() % 13);
    mf_pitchWear = 0.0f;

    mi_condition = CONDITION_PLAY;
    mf_setupFigures = {-1.0f, 5.0f};

    m_startDate = GameDate{};
    m_startDate.m_day = day;
    m_startDate.m_month = month;
    m_startDate.m_year = year;
    m_startDate.m_season = g_cricket.m_date.m_season;
    m_startDate.m_dayOfSeason = g_cricket.m_date.m_dayOfSeason;
    m_lastDay = m_startDate;
    m_clock = m_startDate;
    if (IsFirstClass()) {
        for (int i = 1; i < mi_length; ++i) m_lastDay.NextDay();
    }

    mi_followOnMargin = mi_matchType == FORMAT_TEST ? 200 : 150;
    mb_sliced = 1;
    mb_team1Human = 0;
    mb_team2Human = 0;
    mb_breakPending = 0;
    mb_coin = Rand() % 100 > 49 ? 1 : 0;
    mb_lunchMessage = mb_teaMessage = mb_closeMessage = 0;
    mi_infoBox = 0;
    mi_decision = DECISION_NONE;
    DebugLog("Match %d set up (%d matches so far)\n", mi_id, g_matchesSetUp);
}

void Match::RegisterSquads(int side, const std::array<int32_t, SQUAD_SIZE>& players, int32_t orderSlotA,
                           int32_t keeperSlot, int32_t endOneBowler, int32_t endTwoBowler) {
    MatchTeam& team = side == 1 ? m_team1 : m_team2;
    const auto playerCount = static_cast<int32_t>(g_world.mv_players.size());
    for (int i = 0; i < SQUAD_SIZE; ++i) {
        int32_t id = players[i];
        if (id < 0 || id >= playerCount) id = 0;
        MatchPlayer entry{};
        entry.mi_player = id;
        const Player* player = PlayerById(id);
        int32_t bowlType = player ? player->m_bowlType : 0;
        float form = player ? player->m_batForm : 0.0f;
        entry.mb_spinner = IsSpin(bowlType) ? 1 : 0;
        float eye = std::max(0.0f, (form + 15.0f) * 0.05f);
        for (int k = 0; k < SQUAD_SIZE; ++k) {
            entry.mf_aggression[k] = START_AGGRESSION;
            entry.mi_aggression[k] = static_cast<int32_t>(START_AGGRESSION);
            entry.mf_eye[k] = std::min(eye, 10.0f);
            entry.mi_bowlPlan[k] = OpeningPlanFor(bowlType);
            entry.mi_planStep[k] = 0;
        }
        team.m_players[i] = entry;
        if (mi_matchType == FORMAT_TEST || mi_matchType == FORMAT_ODI) {
            if (Player* p = PlayerById(id))
                EnsureTypeFigures(*p, mi_matchType, side == 1 ? mi_team1 : mi_team2);
        }
    }
    auto validSlot = [](int32_t slot, int32_t fallback) {
        return slot >= 0 && slot < SQUAD_SIZE ? slot : fallback;
    };
    for (int innings = 0; innings < 4; ++innings) {
        team.mi_orderSlotA[innings] = validSlot(orderSlotA, 2);
        team.mi_keeperSlot[innings] = validSlot(keeperSlot, 5);
    }
    team.mi_openBowler1 = endOneBowler;
    team.mi_openBowler2 = endTwoBowler;
}

void Match::SelectComputerTeam(int side, bool national, bool oneDay) {
    int32_t sideId = side == 1 ? mi_team1 : mi_team2;
    Selection pick = ChooseXI(sideId, national, oneDay, mi_ground);
    std::array<int32_t, SQUAD_SIZE> players{};
    std::copy_n(pick.begin(), SQUAD_SIZE, players.begin());
    RegisterSquads(side, players, pick[SEL_CAPTAIN], pick[SEL_KEEPER], pick[SEL_OPEN_BOWLER1],
                   pick[SEL_OPEN_BOWLER2]);
}

void Match::RegisterHumanTeam(int side, bool national) {
    int32_t sideId = side == 1 ? mi_team1 : mi_team2;
    const int32_t* xi = nullptr;
    if (national) {
        if (const Country* country = CountryById(sideId)) xi = country->m_xi;
    } else if (const Team* team = TeamById(sideId)) {
        xi = team->m_xi;
    }
    std::array<int32_t, SQUAD_SIZE> players{};
    if (!xi) {
        RegisterSquads(side, players, -1, -1, -1, -1);
        return;
    }
    for (int i = 0; i < SQUAD_SIZE; ++i) players[i] = xi[i];
    // The eleven names its role players by id; the match keeps slots.
    auto slotOf = [&players](int32_t playerId) {
        for (int i = 0; i < SQUAD_SIZE; ++i) {
            if (playerId > 0 && players[i] == playerId) return i;
        }
        return -1;
    };
    RegisterSquads(side, players, slotOf(xi[XI_CAPTAIN]), slotOf(xi[XI_KEEPER]), slotOf(xi[XI_OPEN_BOWLER1]),
                   slotOf(xi[XI_OPEN_BOWLER2]));
}

void Match::ComputerToss() {
    mi_tossWinner = Rand() % 10 < 5 ? mi_team2 : mi_team1;
    mi_tossChoice = ComputerTossChoice(mi_climate);
    SetBattingOrderOfSides();
}

void Match::SetBattingOrderOfSides() {
    int32_t other = mi_tossWinner == mi_team1 ? mi_team2 : mi_team1;
    if (mi_tossChoice == 1) {
        mi_battingFirst = mi_tossWinner;
        mi_bowlingFirst = other;
    } else {
        mi_battingFirst = other;
        mi_bowlingFirst = mi_tossWinner;
    }
}

void Match::DecideToss() {
    if (mi_tossWinner < 1) mi_tossWinner = Rand() % 10 < 5 ? mi_team2 : mi_team1;
    if (!SideIsHuman(mi_tossWinner) && mi_tossChoice < 1) {
        mi_tossChoice = ComputerTossChoice(mi_climate);
    }
    if (mi_tossChoice > 0) {
        SetBattingOrderOfSides();
        mi_currentInnings = 0;
        SetUpInnings();
    }
}

void Match::SetUpInnings() {
    StartInnings(0, false);
}

void Match::StartInnings(int index, bool withBreak, bool log) {
    mi_currentInnings = InningsIndex(index);
    Innings& innings = m_innings[mi_currentInnings];
    innings = Innings{};
    bool firstSideBats = mi_currentInnings % 2 == 0;
    innings.mi_battingTeam = firstSideBats ? mi_battingFirst : mi_bowlingFirst;
    innings.mi_bowlingTeam = firstSideBats ? mi_bowlingFirst : mi_battingFirst;
    innings.mi_bowlingOrder.fill(-1);

    const MatchTeam& batting = SideOf(innings.mi_battingTeam);
    const MatchTeam& fielding = SideOf(innings.mi_bowlingTeam);
    for (int pos = 0; pos < SQUAD_SIZE; ++pos) {
        innings.mi_battingOrder[pos] = pos;
        innings.m_batsmen[pos].mi_player = batting.m_players[pos].mi_player;
        innings.m_bowlers[pos].mi_player = fielding.m_players[pos].mi_player;
    }
    innings.m_batsmen[0].mi_howOut = -1;
    innings.m_batsmen[1].mi_howOut = -1;
    innings.m_partnerships[0].Begin(innings.m_batsmen[0].mi_player, innings.m_batsmen[1].mi_player);
    innings.mb_started = 1;

    mi_striker = 0;
    mi_batsman1 = 0;
    mi_batsman2 = 1;
    int32_t end1 = fielding.mi_openBowler1 < 0 ? 9 : fielding.mi_openBowler1;
    int32_t end2 = fielding.mi_openBowler2 < 0 ? 10 : fielding.mi_openBowler2;
    if (end1 >= SQUAD_SIZE) end1 = 9;
    if (end2 >= SQUAD_SIZE) end2 = 10;
    if (end1 == end2) {
        end1 = 9;
        end2 = 10;
    }
    mi_bowler1 = end1;
    mi_bowler2 = end2;
    mi_bowler = end1;
    mb_endOne = 1;
    mi_lastBowler = -1;
    mi_overBalls = 0;
    mi_overStartTotal = 0;
    mi_overStartWickets = 0;
    mi_overStartBowlerRuns = 0;
    mi_extrasThisOver = 0;
    NewBall();
    mb_newBallAvailable = 0;
    mb_newBallOffered = 0;
    mb_restrictionsOver = 0;

    // A one-day match logs its first innings as innings -1.
    if (log)
        AddEvent(MATCH_EVENT_INNINGS_START, IsFirstClass() || index > 0 ? index : -1,
                 {innings.mi_battingTeam});
    if (!withBreak) return;
    if (HasHumanSide()) {
        // Declared at close of play, the next innings begins in the morning.
        if (mi_playState == PLAY_CLOSE) return;
        mi_playState = PLAY_INNINGS_BREAK;
        mi_breakCounter = 600;
    } else {
        // Ten minutes between innings.
        mi_secondsUsed += 600;
    }
}

void Match::Start() {
    mi_currentInnings = 0;
    mi_striker = 0;
    mi_batsman1 = 0;
    mi_batsman2 = 1;
    for (Innings& innings : m_innings) innings = Innings{};
    m_innings[0].m_batsmen[0].mi_howOut = -1;
    m_innings[0].m_batsmen[1].mi_howOut = -1;
    mi_bowler1 = 0;
    mi_bowler2 = 1;
    mi_bowler = 0;

    ReadHumanSides();

    mi_fieldSetupPos = 0;
    LoadDayRules(0);

    m_clock.m_hour = m_rules.m_times[TIME_START].m_hour;
    m_clock.m_minute = m_rules.m_times[TIME_START].m_minute;
    m_clock.m_second = 0;
    mi_oversLeftToday = m_rules.m_oversForDay;
    mi_dayIndex = 0;
    mi_session = 0;
    mi_sessionNumber = 0;

    for (auto& session : m_sessions) session = PlaySession{};
    int slots = IsFirstClass() ? std::min(SESSION_SLOTS, 3 * mi_length) : 3;
    for (int i = 0; i < slots; ++i) {
        m_sessions[i].mi_day = i / 3 + 1;
        m_sessions[i].mi_number = i + 1;
    }

    mi_playState = PLAY_IN_PLAY;
    mb_started = 1;
    if (!HasHumanSide()) {
        mb_humanMatch = 0;
        ComputerToss();
        StartInnings(0, false, false);
    } else {
        mb_humanMatch = 1;
    }
    m_innings[0].mb_started = 1;

    if (IsFirstClass()) AddEvent(MATCH_EVENT_DAY_START, -1, {1});
    // A human side's match logs its first innings when the toss is made.
    if (!mb_humanMatch)
        AddEvent(MATCH_EVENT_INNINGS_START, IsFirstClass() ? 0 : -1, {m_innings[0].mi_battingTeam});
}

void Match::ReadHumanSides() {
    auto teamHuman = [](int32_t id) {
        const Team* team = TeamById(id);
        return team && team->m_human;
    };
    auto countryHuman = [](int32_t id) {
        const Country* country = CountryById(id);
        return country && country->m_human;
    };
    switch (mi_sideKind) {
        case SIDES_COUNTRIES:
            mb_team1Human = countryHuman(mi_team1);
            mb_team2Human = countryHuman(mi_team2);
            break;
        case SIDES_CLUB_V_COUNTRY:
            mb_team1Human = teamHuman(mi_team1);
            mb_team2Human = countryHuman(mi_team2);
            break;
        default:
            mb_team1Human = teamHuman(mi_team1);
            mb_team2Human = teamHuman(mi_team2);
            break;
    }
}

void Match::LoadDayRules(int dayIndex) {
    int32_t source = mi_competition;
    if (mi_matchType == FORMAT_TEST || IsTestOrTourFirstClass(mi_competition)) {
        source = COMP_TEST_CHAMPIONSHIP;
    } else if (mi_matchType == FORMAT_ODI || mi_competition == COMP_TOUR_ONE_DAY) {
        source = COMP_ODI_CHAMPIONSHIP;
    }
    const Competition* competition = CompetitionById(source);
    m_rules = competition ? competition->Conditions(dayIndex) : PlayingConditions{};
    if (m_rules.m_times[TIME_CLOSE].m_hour == 0 && m_rules.m_times[TIME_START].m_hour == 0) {
        DebugLog("Error: no playing conditions for competition %d day %d, using standard hours\n", source,
                 dayIndex);
        m_rules = StandardDayRules(mi_matchType, mi_length);
    }
}

void Match::ReleaseBalls() {
    for (Innings& innings : m_innings) std::vector<BallRecord>().swap(innings.mv_balls);
    std::vector<BallAnimScript>().swap(mv_animScripts);
    mi_dayFirstScript = 0;
}

BallAnimScript& Match::AnimScript(int index) {
    if (mv_animScripts.empty()) mv_animScripts.emplace_back();
    index = std::clamp(index, 0, static_cast<int>(mv_animScripts.size()) - 1);
    return mv_animScripts[index];
}

const char* Match::TeamName(int32_t sideId) const {
    return SideName(sideId);
}

const char* Match::TeamShortName(int32_t sideId) const {
    return SideShortName(sideId);
}

std::string MatchTitle(const Match& match) {
    if (match.mi_stage >= STAGE_QUARTER_FINALS && match.mi_stage <= STAGE_FINAL) {
        static const char* const ROUNDS[] = {"Quarter Final", "Semi Final", "Final"};
        const char* name = "";
        const InternationalTournament* t =
            match.mi_competition >= 500 ? TournamentForCompetition(match.mi_competition) : nullptr;
        const Competition* c = CompetitionById(match.mi_competition);
        if (t && t->m_name[0]) {
            name = t->m_name;
        } else if (c) {
            name = c->m_name;
        }
        if (name[0]) return Format("%s %s", name, ROUNDS[match.mi_stage - STAGE_QUARTER_FINALS]);
    }
    return Format("%s vs %s", match.TeamName(match.mi_team1), match.TeamName(match.mi_team2));
}

void CreateMatchForFixture(int32_t fixtureId) {
    Fixture* fixture = FixtureById(fixtureId);
    if (!fixture) {
        DebugLog("Error: no fixture %d to create a match for\n", fixtureId);
        return;
    }
    auto match = std::make_unique<Match>();
    int32_t ground = fixture->m_ground;
    if (ground < 1) {
        const Team* home = TeamById(fixture->m_home);
        ground = home ? home->m_ground : 0;
    }
    int32_t id = NextMatchId();
    match->Setup(id, fixture->m_competition, ground, fixture->m_home, fixture->m_away, fixture->m_date.m_day,
                 fixture->m_date.m_month, fixture->m_date.m_year, 0);
    fixture->m_match = id;
    match->mi_fixtureCode = fixture->m_reserved;

    int32_t competition = fixture->m_competition;
    const Competition* record = CompetitionById(competition);
    bool competitionNoDraw = record && record->m_noDraw == 1;
    auto registerSide = [&match](int side, bool national, bool oneDay) {
        int32_t sideId = side == 1 ? match->mi_team1 : match->mi_team2;
        bool human = false;
        if (national) {
            const Country* country = CountryById(sideId);
            human = country && country->m_human;
        } else {
            const Team* team = TeamById(sideId);
            human = team && team->m_human;
        }
        if (human) {
            match->RegisterHumanTeam(side, national);
        } else {
            match->SelectComputerTeam(side, national, oneDay);
        }
    };
    bool oneDay = !match->IsFirstClass();
    if (competition < 500) {
        int32_t code = match->mi_fixtureCode;
        match->mb_noDraw = competitionNoDraw || code == -84 || code == -87 || code == -90;
        match->mi_sideKind = SIDES_CLUBS;
        registerSide(1, false, oneDay);
        registerSide(2, false, oneDay);
    } else if (competition >= COMP_FIRST_TOURNAMENT && competition <= 550) {
        match->mb_noDraw = competitionNoDraw;
        match->mi_sideKind = SIDES_COUNTRIES;
        registerSide(1, true, oneDay);
        registerSide(2, true, oneDay);
    } else if (competition >= FIRST_TOUR_SERIES_ID) {
        match->mb_noDraw = 0;
        match->mi_sideKind = SIDES_COUNTRIES;
        registerSide(1, true, competition % 2 == 0);
        registerSide(2, true, competition % 2 == 0);
    } else if (competition >= 502 && competition <= 504) {
        match->mb_noDraw = 0;
        match->mi_sideKind = SIDES_CLUB_V_COUNTRY;
        registerSide(1, false, oneDay);
        registerSide(2, true, oneDay);
    } else {
        match->mi_sideKind = SIDES_CLUBS;
    }
    match->Start();
    g_currentMatches.push_back(std::move(match));
}

}  // namespace ravel

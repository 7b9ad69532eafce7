#include "season/DayMachine.h"

#include <memory>
#include <vector>

#include "match/Match.h"
#include "match/MatchDay.h"
#include "match/MatchLists.h"
#include "match/MatchServices.h"
#include "match/Results.h"
#include "season/Finance.h"
#include "season/News.h"
#include "season/RecordsUpdate.h"
#include "season/ResultNews.h"
#include "season/Results.h"
#include "season/Selection.h"
#include "season/Squads.h"
#include "season/TodaysLists.h"
#include "season/Tournaments.h"
#include "season/Tours.h"
#include "season/WorldStep.h"
#include "world/Random.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

std::vector<Fixture> g_todaysFixtures;
std::vector<int32_t> g_humanSidesToday;
std::vector<RecordEvent> g_recordEvents;
DayScreenState g_dayScreenState;

namespace {

CDayScreenServices g_plainDayScreens;
CDayScreenServices* g_dayScreens = &g_plainDayScreens;

constexpr int DAY_START_HOUR = 8;
constexpr int DAY_START_MINUTE = 45;
constexpr int CLOSE_HOUR = 22;
constexpr int CLOSE_MINUTE = 45;

void SetClock(int hour, int minute) {
    g_cricket.m_date.m_hour = hour;
    g_cricket.m_date.m_minute = minute;
}

bool TeamIsHuman(int id) {
    const Team* t = TeamById(id);
    return t && t->m_human;
}

bool CountryIsHuman(int id) {
    const Country* c = CountryById(id);
    return c && c->m_human;
}

void MarkTeamPlaying(int id, uint8_t flag) {
    if (Team* t = TeamById(id)) t->m_playingToday = flag;
}

void MarkCountryPlaying(int id, uint8_t flag) {
    if (Country* c = CountryById(id)) c->m_playingToday = flag;
}

bool IsTourMatch(int competition) {
    return competition >= COMP_TOUR_THREE_DAY && competition <= COMP_TOUR_FOUR_DAY;
}

// Flags both sides of today's fixture; true when either has a human coach.
bool FlagSidesPlaying(const Fixture& f) {
    if (f.m_competition < COMP_TEST_CHAMPIONSHIP) {
        MarkTeamPlaying(f.m_home, 1);
        MarkTeamPlaying(f.m_away, 1);
        return TeamIsHuman(f.m_home) || TeamIsHuman(f.m_away);
    }
    if (IsTourMatch(f.m_competition)) {
        MarkTeamPlaying(f.m_home, 1);
        MarkCountryPlaying(f.m_away, 1);
        return TeamIsHuman(f.m_home) || CountryIsHuman(f.m_away);
    }
    MarkCountryPlaying(f.m_home, 1);
    MarkCountryPlaying(f.m_away, 1);
    return CountryIsHuman(f.m_home) || CountryIsHuman(f.m_away);
}

void AddHumanSides(const Fixture& f) {
    const int c = f.m_competition;
    if (c < COMP_TEST_CHAMPIONSHIP) {
        if (TeamIsHuman(f.m_home)) g_humanSidesToday.push_back(f.m_home);
        if (TeamIsHuman(f.m_away)) g_humanSidesToday.push_back(f.m_away);
    } else if (IsTourMatch(c)) {
        if (TeamIsHuman(f.m_home)) g_humanSidesToday.push_back(f.m_home);
        if (CountryIsHuman(f.m_away)) g_humanSidesToday.push_back(f.m_away);
    } else if ((c >= COMP_FIRST_TOURNAMENT && c <= COMP_FIRST_FURTHER_EVENT) || c >= FIRST_TOUR_SERIES_ID) {
        if (CountryIsHuman(f.m_home)) g_humanSidesToday.push_back(f.m_home);
        if (CountryIsHuman(f.m_away)) g_humanSidesToday.push_back(f.m_away);
    }
}

// Creates the matches of today's fixtures not yet created or skipped.
void CreateTodaysMatches(bool includeHuman) {
    for (Fixture& f : g_todaysFixtures) {
        if (f.m_state == TODAY_MATCH_CREATED || f.m_state == TODAY_SKIPPED) continue;
        if (!includeHuman && f.m_state == TODAY_HUMAN) continue;
        CreateMatchForFixture(f.m_id);
        f.m_state = TODAY_MATCH_CREATED;
        if (Fixture* world = FixtureById(f.m_id); world) world->m_state = FIXTURE_IN_PROGRESS;
    }
}

// Under auto-simulation the computer plays a human side's match for him: the
// match stops waiting for his answers, and any question left open is answered.
void HandToComputer(Match& match) {
    const bool human = match.HasHumanSide();
    match.mb_team1Human = 0;
    match.mb_team2Human = 0;
    match.mb_humanMatch = 0;
    if (human) match.AnswerForComputer();
}

void PlayComputerMatches() {
    for (size_t i = 0; i < g_currentMatches.size(); ++i) {
        Match& m = *g_currentMatches[i];
        m.mb_watched = 0;
        if (m.mi_playState == PLAY_MATCH_OVER) continue;
        if (g_cricket.m_autoSimulate) HandToComputer(m);
        PlayToCloseOfPlay(m, static_cast<int>(i));
    }
}

bool AnyCurrentHumanMatch() {
    for (const auto& m : g_currentMatches)
        if (m->HasHumanSide()) return true;
    return false;
}

int CoachClubSide() {
    return g_userCoaches.empty() ? 0 : g_userCoaches[0].m_staff.m_clubJob;
}

void OpenSelectionPage(int side) {
    g_dayScreens->ShowSelection(side, !g_cricket.m_autoSimulate);
}

void ShowPage(DayPage page) {
    g_dayScreens->ShowPage(page);
}

bool PlayerFit(int id, bool clubSide) {
    const Player* p = PlayerById(id);
    if (!p) return false;
    return !p->m_injured && !(clubSide && p->m_unavailable);
}

// Whether today's match of the side is limited-overs.
bool PlaysOneDayToday(int side) {
    for (const Fixture& f : g_todaysFixtures) {
        if (f.m_home != side && f.m_away != side) continue;
        if (f.m_competition >= FIRST_TOUR_SERIES_ID) return f.m_competition % 2 == 0;
        if (f.m_competition >= COMP_FIRST_TOURNAMENT || f.m_competition == COMP_ODI_CHAMPIONSHIP ||
            f.m_competition == COMP_TOUR_ONE_DAY)
            return true;
        const Competition* c = CompetitionById(f.m_competition);
        return c && c->m_format % 2 == 0;
    }
    return false;
}

bool SideXiComplete(int side, bool clubSide) {
    if (clubSide) {
        const Team* t = TeamById(side);
        return t && XiComplete(t->m_xi, true);
    }
    const Country* c = CountryById(side);
    return c && XiComplete(c->m_xi, false);
}

void ComputerPicksFor(int side, bool clubSide) {
    if (clubSide) {
        if (Team* t = TeamById(side))
            StoreSelection(ChooseXI(side, false, PlaysOneDayToday(side), 0), t->m_xi);
    } else if (Country* c = CountryById(side)) {
        StoreSelection(ChooseXI(side, true, PlaysOneDayToday(side), 0), c->m_xi);
    }
}

// Under auto-simulation the day goes straight to the computer matches: the
// computer picks the eleven of a human side that has not picked his own.
void PickForHumanSidesToday() {
    std::vector<int32_t> sides;
    sides.swap(g_humanSidesToday);
    for (const Fixture& f : g_todaysFixtures)
        if (f.m_state != TODAY_MATCH_CREATED && f.m_state != TODAY_SKIPPED) AddHumanSides(f);
    for (int32_t side : g_humanSidesToday) {
        const bool clubSide = side >= FIRST_CLUB_ID;
        if (!SideXiComplete(side, clubSide)) ComputerPicksFor(side, clubSide);
    }
    g_humanSidesToday.swap(sides);
}

// Phase 4's check of the user's eleven; true when it passed.
bool CheckUsersEleven() {
    const int side = g_humanSidesToday.front();
    const bool clubSide = CoachClubSide() >= 1 && side >= FIRST_CLUB_ID;
    if (!g_cricket.m_autoSimulate) {
        if (!g_dayScreens->Showing(DayPage::SELECTION, side)) {
            OpenSelectionPage(side);
            return false;
        }
    }
    if (SideXiComplete(side, clubSide)) return true;
    if (g_cricket.m_autoSimulate) {
        ComputerPicksFor(side, clubSide);
        return true;
    }
    ShowMessage(
        "Team incomplete. Please select 11 fit players, then assign a captain, wicket keeper and two opening "
        "bowlers",
        MSG_OK);
    OpenSelectionPage(side);
    return false;
}

void RouteResult(const Match& m) {
    const MatchOutcome o = OutcomeOf(m);
    const int c = m.mi_competition;
    if (c >= COMP_FIRST_TOURNAMENT && c <= COMP_LAST_TOURNAMENT) {
        if (InternationalTournament* t = TournamentForCompetition(c)) WorldCupDaily(*t, o);
    } else if (c < COMP_TEST_CHAMPIONSHIP) {
        Competition* comp = CompetitionById(c);
        if (comp) RecordResult(*comp, o);
    } else if (c >= FIRST_TOUR_SERIES_ID) {
        RouteSeriesResult(c, o);
    }
}

void PayGateMoney(const Match& m) {
    float gate = 0.0f;
    if (m.mi_matchType == FORMAT_FIRST_CLASS)
        gate = static_cast<float>(1800 - Rand() % 200);
    else if (m.mi_matchType == FORMAT_LIST_A)
        gate = static_cast<float>(2050 - Rand() % 200);
    else
        return;
    if (m.mi_team1 >= FIRST_CLUB_ID) AddFinanceToSide(m.mi_team1, PAY_GATE, gate * 0.85f);
    if (m.mi_team2 >= FIRST_CLUB_ID) AddFinanceToSide(m.mi_team2, PAY_GATE, gate * 0.15f);
}

RecordsTable* RecordsOfKind(int kind) {
    for (RecordsTable& t : g_world.mv_records)
        if (t.m_kind == kind) return &t;
    return nullptr;
}

void UpdateRecordsOfKinds(const Match& m, std::initializer_list<int> kinds) {
    for (int kind : kinds)
        if (RecordsTable* t = RecordsOfKind(kind)) UpdateRecordTables(m, *t);
}

void ClearPlayingFlags(const Match& m) {
    if (m.mi_sideKind == SIDES_COUNTRIES) {
        MarkCountryPlaying(m.mi_team1, 0);
        MarkCountryPlaying(m.mi_team2, 0);
    } else if (m.mi_sideKind == SIDES_CLUB_V_COUNTRY) {
        MarkTeamPlaying(m.mi_team1, 0);
        MarkCountryPlaying(m.mi_team2, 0);
    } else {
        MarkTeamPlaying(m.mi_team1, 0);
        MarkTeamPlaying(m.mi_team2, 0);
    }
}

void RetireFinishedMatches() {
    for (size_t i = 0; i < g_currentMatches.size();) {
        Match& m = *g_currentMatches[i];
        if (m.mi_playState != PLAY_MATCH_OVER) {
            ++i;
            continue;
        }
        switch (m.mi_matchType) {
            case FORMAT_TEST:
                UpdateRecordsOfKinds(m, {RECORDS_TEST, RECORDS_FIRST_CLASS});
                break;
            case FORMAT_FIRST_CLASS:
                UpdateRecordsOfKinds(m, {RECORDS_FIRST_CLASS});
                break;
            case FORMAT_ODI:
                UpdateRecordsOfKinds(m, {RECORDS_ODI, RECORDS_LIST_A});
                break;
            case FORMAT_LIST_A:
                UpdateRecordsOfKinds(m, {RECORDS_LIST_A});
                break;
            default:
                break;
        }
        ClearPlayingFlags(m);
        RetireMatch(static_cast<int>(i));
    }
}

NewsLink SideNewsLink(int side) {
    return {side < FIRST_CLUB_ID ? LINK_COUNTRY : LINK_CLUB, side};
}

void PostRecordNews() {
    if (g_userCoaches.empty()) return;
    const GameDate& today = g_cricket.m_date;
    for (const RecordEvent& e : g_recordEvents) {
        const int code = RecordNewsCode(e[0]);
        if (code == 0) continue;
        PendingNewsItem item;
        item.m_code = code;
        item.m_headlineVariant = item.m_storyVariant = NEWS_VARIANT_UNSET;
        item.m_date = today;
        // Which stand or mark the story looks up in the table.
        item.m_figure = e[0] == REC_PARTNERSHIPS ? e[7] : e[5];
        const NewsLink first = SideNewsLink(e[4]);
        const NewsLink second = SideNewsLink(e[0] == REC_HIGHEST_TOTAL ? e[7] : e[6]);
        item.AddLink(first.m_kind, first.m_value);
        item.AddLink(second.m_kind, second.m_value);
        item.AddLink(LINK_SCORECARD, e[3]);
        item.AddLink(LINK_RECORDS, e[2] * 1000 + e[0]);
        g_userCoaches[0].mv_pending.push_back(item);
        g_userCoaches[0].DeliverPendingNews(today.m_day, today.m_month, today.m_year);
    }
}

void EndOfDay() {
    g_cricket.m_date.NextDay();
    SetClock(DAY_START_HOUR, DAY_START_MINUTE);
    for (size_t i = 0; i < g_currentMatches.size(); ++i) {
        Match& m = *g_currentMatches[i];
        const int position = static_cast<int>(i);
        if (m.mi_playState == PLAY_CLOSE) {
            m.UpdatePlayerPoints();
            FinishMatch(position);
        } else if (m.mi_playState == PLAY_MATCH_OVER) {
            m.UpdatePlayerRecords();
            m.StoreRunRateFigures();
            RouteResult(m);
            PayGateMoney(m);
            FinishMatch(position);
            PostMatchResultNews(m);
        }
    }
    RetireFinishedMatches();
    g_todaysFixtures.clear();
    PostRecordNews();
    g_recordEvents.clear();
    g_cricket.m_dayPhase = DAY_PHASE_START;
    if (!g_cricket.m_autoSimulate) ShowPage(DayPage::NEWS);
}

int FitCount(const std::vector<int32_t>& squad) {
    int fit = 0;
    for (int32_t id : squad) {
        const Player* p = PlayerById(id);
        fit += p && !p->m_injured;
    }
    return fit;
}

// The selectors of a computer national side call up players in place of the
// injured when the squad can no longer raise a fit eleven.
void ReplaceInjuredInNationalSquads() {
    for (Country& c : g_world.mv_countries) {
        if (c.m_human || c.m_nationalSide != 1) continue;
        for (bool oneDay : {false, true}) {
            std::vector<int32_t>& squad = oneDay ? c.mv_oneDaySquad : c.mv_testSquad;
            if (squad.empty() || FitCount(squad) >= XI_PLAYERS) continue;
            std::vector<int32_t> sentHome;
            std::erase_if(squad, [&sentHome](int32_t id) {
                const Player* p = PlayerById(id);
                if (p && !p->m_injured) return false;
                sentHome.push_back(id);
                return true;
            });
            if (oneDay)
                SelectOneDaySquad(c, 1);
            else if (c.m_squadKind == SQUAD_TOUR_TEST)
                SelectTestSquad(c, 1);
            else
                SelectTestSquadB(c, 1);
            // Back with his club once fit, unless the other list still holds him.
            for (int32_t id : sentHome) {
                Player* p = PlayerById(id);
                if (p && !IsIdInList(c.mv_testSquad, id) && !IsIdInList(c.mv_oneDaySquad, id))
                    p->m_intlDuty = 0;
            }
        }
    }
}

void StartOfDay() {
    ReplaceInjuredInNationalSquads();
    const GameDate today = g_cricket.m_date;
    g_todaysFixtures.clear();
    for (Fixture& f : g_world.mv_fixtures) {
        if (!f.m_date.SameDay(today)) continue;
        g_todaysFixtures.push_back(f);
        f.m_state = FIXTURE_IN_PROGRESS;
        if (FlagSidesPlaying(f)) f.m_state = TODAY_HUMAN;
    }
    g_cricket.m_dayPhase =
        !g_currentMatches.empty() || !g_todaysFixtures.empty() ? DAY_PHASE_FIXTURES : DAY_PHASE_END;
}

// Phase 5: the user's match becomes current; false when there is none.
bool StartUsersMatch() {
    for (size_t i = 0; i < g_currentMatches.size(); ++i) {
        Match& m = *g_currentMatches[i];
        if (m.mi_playState == PLAY_MATCH_OVER || m.mi_playState == PLAY_CLOSE || !m.HasHumanSide()) continue;
        g_steppedMatch = static_cast<int>(i);
        g_userMatch = static_cast<int>(i);
        g_cricket.m_dayPhase = DAY_PHASE_MATCH_PLAYING;
        if (g_cricket.m_autoSimulate) {
            // Nobody watches: the computer plays the whole day's matches.
            PlayComputerMatches();
            g_cricket.m_dayPhase = DAY_PHASE_CLOSE_OF_PLAY;
            return true;
        }
        const bool begun =
            m.m_innings[0].mi_legalBalls >= 6 || m.CurrentInnings().mi_status == INNINGS_DECLARED;
        if (begun && m.mb_started) {
            m.mb_paused = 0;
            m.Step();
            g_cricket.m_date.m_hour = m.m_clock.m_hour;
            g_cricket.m_date.m_minute = m.m_clock.m_minute;
            ShowPage(DayPage::MATCH_VIEW);
        } else {
            int hour = m.m_clock.m_hour;
            int minute = m.m_clock.m_minute - 15;
            if (minute < 0) {
                minute += 60;
                --hour;
            }
            SetClock(hour, minute);
            ShowPage(DayPage::PRE_MATCH);
        }
        return true;
    }
    return false;
}

void RemoveStaleScoreboards() {
    const GameDate& today = g_cricket.m_date;
    const GameDate& board = g_dayScreenState.m_scoreboardDate;
    g_dayScreenState.m_dateChanged = today.m_day != board.m_day;
    if (today.m_day > board.m_day + 1 || today.m_month > board.m_month || today.m_year > board.m_year)
        g_dayScreens->ForgetScoreboard();
}

void ShowScoreboard() {
    SetScoreboardDate(g_cricket.m_date);
    ShowPage(DayPage::SCOREBOARD);
}

}  // namespace

void CDayScreenServices::ShowPage(DayPage page) {
    m_shown = page;
    m_shownSide = 0;
}

void CDayScreenServices::ShowSelection(int32_t side, bool open) {
    if (!open) return;
    m_shown = DayPage::SELECTION;
    m_shownSide = side;
}

bool CDayScreenServices::Showing(DayPage page, int32_t side) const {
    return m_shown == page && (page != DayPage::SELECTION || m_shownSide == side);
}

void CDayScreenServices::ResetScreens() {
    m_shown = DayPage::NONE;
    m_shownSide = 0;
}

void CDayScreenServices::StartAutoSimulation(int stopRule) {
    g_dayScreenState.m_autoStopRule = stopRule;
    g_cricket.m_autoSimulate = true;
    ShowPage(DayPage::AUTO_SIMULATION);
}

void SetScoreboardDate(const GameDate& date) {
    GameDate& board = g_dayScreenState.m_scoreboardDate;
    board.m_day = date.m_day;
    board.m_month = date.m_month;
    board.m_year = date.m_year;
}

void InstallDayScreenServices(CDayScreenServices* services) {
    g_dayScreens = services ? services : &g_plainDayScreens;
}

CDayScreenServices& DayScreens() {
    return *g_dayScreens;
}

void StartAutoSimulation(int stopRule) {
    g_dayScreens->StartAutoSimulation(stopRule);
}

int RecordNewsCode(int kind) {
    static const int32_t CODES[][2] = {
        {REC_PARTNERSHIPS, 3010},    {REC_HIGHEST_SCORE, 3011},        {REC_FASTEST_FIFTY, 3012},
        {REC_FASTEST_HUNDRED, 3013}, {REC_HIGHEST_TOTAL, 3020},        {REC_HIGHEST_FOURTH_INNINGS, 3021},
        {REC_LOWEST_TOTAL, 3023},    {REC_LOWEST_AGGREGATE, 3024},     {REC_HIGHEST_AGGREGATE, 3022},
        {REC_BEST_BOWLING, 3014},    {REC_BEST_MATCH_BOWLING, 3015},   {REC_INNINGS_MARGIN, 3016},
        {REC_RUNS_MARGIN, 3017},     {REC_SMALLEST_RUNS_MARGIN, 3018}, {REC_CLOSEST_DRAW, 3019},
    };
    for (const auto& c : CODES)
        if (c[0] == kind) return c[1];
    return 0;
}

bool XiComplete(const int32_t (&xi)[XI_SIZE], bool clubSide) {
    for (int i = 0; i < XI_PLAYERS; ++i) {
        if (clubSide ? xi[i] == -1 : xi[i] <= 0) return false;
        if (!PlayerFit(xi[i], clubSide)) return false;
    }
    const int least = clubSide ? 1 : 0;
    for (int r = XI_KEEPER; r < XI_SIZE; ++r)
        if (xi[r] < least) return false;
    return xi[XI_OPEN_BOWLER1] != xi[XI_OPEN_BOWLER2];
}

bool FindUnansweredMessage(int* messageIndex) {
    for (const UserCoach& coach : g_userCoaches) {
        for (size_t i = 0; i < coach.mv_inbox.size(); ++i) {
            if (coach.mv_inbox[i].m_needsAnswer && !coach.mv_inbox[i].m_handled) {
                if (messageIndex) *messageIndex = static_cast<int>(i);
                return true;
            }
        }
    }
    return false;
}

void AdvanceDay() {
    RemoveStaleScoreboards();
    if (g_cricket.m_gameMode == MODE_CUSTOM_LEAGUE) {
        ShowPage(DayPage::MATCH_VIEW);
        return;
    }
    int32_t& phase = g_cricket.m_dayPhase;
    if (phase == DAY_PHASE_MATCH_PLAYING && !g_dayScreens->Showing(DayPage::MATCH_VIEW)) {
        if (!g_cricket.m_autoSimulate) {
            ShowPage(DayPage::MATCH_VIEW);
            return;
        }
        // A match left running when auto-simulation began is played out.
        PlayComputerMatches();
        phase = DAY_PHASE_CLOSE_OF_PLAY;
    }

    if (phase == DAY_PHASE_START) {
        g_cricket.m_coachIndex = 0;
        g_cricket.m_pendingMessage = -1;
        if (!g_userCoaches.empty()) {
            const auto& inbox = g_userCoaches[0].mv_inbox;
            for (size_t i = 0; i < inbox.size(); ++i)
                if (inbox[i].m_needsAnswer && !inbox[i].m_handled)
                    g_cricket.m_pendingMessage = static_cast<int>(i);
            if (g_cricket.m_pendingMessage >= 0) return;
            g_userCoaches[0].m_daily[DAILY_DAY_STARTED] = 1;
        }
        DailyWorldStep();
        for (auto& m : g_currentMatches) {
            if (m->mi_playState == PLAY_CLOSE) {
                m->mi_playState = PLAY_IN_PLAY;
                m->mi_resumeState = PLAY_IN_PLAY;
            }
        }
        StartOfDay();
    }

    if (phase == DAY_PHASE_FIXTURES) {
        SetClock(DAY_START_HOUR, DAY_START_MINUTE);
        const bool humanNext = AnyCurrentHumanMatch();
        if (g_cricket.m_autoSimulate) {
            phase = DAY_PHASE_COMPUTER_MATCHES;
        } else if (CountTodaysFixtures() < 1) {
            phase = humanNext ? DAY_PHASE_HUMAN_PLAYS : DAY_PHASE_COMPUTER_MATCHES;
            g_dayScreenState.m_fixturesSeen = true;
        } else if (g_dayScreens->Showing(DayPage::TODAYS_FIXTURES)) {
            phase = HumanPlaysToday() || humanNext ? DAY_PHASE_HUMAN_PLAYS : DAY_PHASE_COMPUTER_MATCHES;
            g_dayScreenState.m_fixturesSeen = true;
        } else {
            g_dayScreenState.m_fixturesSeen = false;
            ShowPage(DayPage::TODAYS_FIXTURES);
            return;
        }
    }

    if (phase == DAY_PHASE_COMPUTER_MATCHES) {
        if (g_cricket.m_autoSimulate) PickForHumanSidesToday();
        CreateTodaysMatches(true);
        PlayComputerMatches();
        phase = DAY_PHASE_CLOSE_OF_PLAY;
    }

    if (phase == DAY_PHASE_HUMAN_PLAYS) {
        for (Fixture& f : g_todaysFixtures) {
            if (f.m_state == TODAY_MATCH_CREATED || f.m_state == TODAY_SKIPPED || f.m_state == TODAY_HUMAN)
                continue;
            f.m_state = TODAY_HUMAN;
            AddHumanSides(f);
        }
        if (!g_humanSidesToday.empty()) {
            phase = DAY_PHASE_CHECK_XI;
            g_cricket.m_coachIndex = 0;
            g_cricket.m_team = g_humanSidesToday.front();
            OpenSelectionPage(g_humanSidesToday.front());
            if (!g_cricket.m_autoSimulate) return;
        } else {
            CreateTodaysMatches(true);
            phase = DAY_PHASE_MATCH_READY;
        }
    }

    if (phase == DAY_PHASE_CHECK_XI) {
        if (g_humanSidesToday.empty()) {
            phase = DAY_PHASE_MATCH_READY;
        } else {
            if (!CheckUsersEleven()) return;
            g_humanSidesToday.clear();
            CreateTodaysMatches(true);
            phase = DAY_PHASE_MATCH_READY;
        }
    }

    if (phase == DAY_PHASE_MATCH_READY) {
        if (!StartUsersMatch()) {
            // No match of his is left to play today: the day goes on without him.
            PlayComputerMatches();
            phase = DAY_PHASE_CLOSE_OF_PLAY;
        } else if (phase != DAY_PHASE_CLOSE_OF_PLAY) {
            return;
        }
    }

    if (phase == DAY_PHASE_MATCH_PLAYING) return;  // the match screens move the day on

    if (phase == DAY_PHASE_CLOSE_OF_PLAY) {
        SetClock(CLOSE_HOUR, CLOSE_MINUTE);
        phase = DAY_PHASE_SCOREBOARD;
        if (!g_cricket.m_autoSimulate) {
            if (CountTodaysResults() != 0) {
                ShowScoreboard();
            } else {
                phase = DAY_PHASE_END;
                ShowPage(DayPage::NEWS);
            }
            return;
        }
    }

    if (phase == DAY_PHASE_MATCH_ENDED) {
        if (g_dayScreens->Showing(DayPage::SCORECARD) || !g_showScorecard) {
            phase = DAY_PHASE_SCOREBOARD;
            ShowScoreboard();
        } else {
            ShowPage(DayPage::SCORECARD);
        }
        return;
    }

    if (phase == DAY_PHASE_SCOREBOARD) {
        if (g_cricket.m_autoSimulate) {
            phase = DAY_PHASE_END;
            return;
        }
        if (!g_dayScreens->Showing(DayPage::SCOREBOARD)) {
            if (CountTodaysResults() == 0) {
                phase = DAY_PHASE_END;
            } else {
                ShowScoreboard();
            }
            return;
        }
        phase = DAY_PHASE_END;
    }

    if (phase == DAY_PHASE_END) EndOfDay();
}

}  // namespace ravel

#include "season/Career.h"

#include <cstdio>
#include <ctime>

#include "match/Conditions.h"
#include "season/Coaches.h"
#include "season/GameState.h"
#include "season/Selection.h"
#include "season/Squads.h"
#include "world/Database.h"
#include "world/PlayerHistory.h"
#include "world/Random.h"

namespace ravel {

namespace {

// A club needs this many players before it picks an eleven for a new career.
constexpr int XI_PICKING_SQUAD = 15;
constexpr int FIRST_MORNING_HOUR = 8;
// England's clubs, whose season is the one the game opens on.
constexpr int32_t ENGLAND_CLUBS_FIRST = 1300, ENGLAND_CLUBS_LAST = 1399;
constexpr int32_t COACH_BIRTH_YEAR = 1960;
constexpr float NEW_COACH_RATING = 50.0f;
// The start stamp's year is a random number, as the saved-game header keeps it.
constexpr int32_t START_YEAR_SPAN = 770, START_YEAR_BASE = 7;

// The earlier game's coaches become the computer's: their sides are no
// longer the user's, and the day machine only serves this game's profile.
void HandOverEarlierCoaches() {
    for (const UserCoach& profile : g_userCoaches) {
        if (StaffMember* staff = StaffMemberById(profile.m_staff.m_id)) staff->m_human = 0;
        if (Team* team = TeamById(profile.m_staff.m_clubJob)) team->m_human = 0;
        if (Country* country = CountryById(profile.m_staff.m_nationalJob)) country->m_human = 0;
    }
    g_userCoaches.clear();
}

bool SideHeldByHuman(int32_t sideId) {
    for (const UserCoach& coach : g_userCoaches)
        if (coach.m_staff.m_clubJob == sideId || coach.m_staff.m_nationalJob == sideId) return true;
    return false;
}

StaffMember NewCoach(const NewCoachRequest& request) {
    StaffMember coach;
    coach.m_id = NextStaffId();
    const char* first = request.m_firstName && request.m_firstName[0] ? request.m_firstName : "Mr";
    std::snprintf(coach.m_firstName, sizeof coach.m_firstName, "%s", first);
    if (request.m_surname && request.m_surname[0])
        std::snprintf(coach.m_surname, sizeof coach.m_surname, "%s", request.m_surname);
    else
        std::snprintf(coach.m_surname, sizeof coach.m_surname, "Player %d", UserCoachCount() + 1);
    coach.m_birthDay = 1;
    coach.m_birthMonth = 1;
    coach.m_birthYear = COACH_BIRTH_YEAR;
    coach.m_reputation = NEW_COACH_RATING;
    coach.m_skill = NEW_COACH_RATING;
    coach.m_human = 1;
    if (request.m_national)
        coach.m_nationalJob = request.m_sideId;
    else
        coach.m_clubJob = request.m_sideId;
    return coach;
}

void AddHumanCoach(const NewCoachRequest& request, Team* club, Country* country) {
    const StaffMember coach = NewCoach(request);
    g_world.mv_staff.push_back(coach);
    UserCoach profile;
    profile.m_staff = coach;
    g_userCoaches.push_back(profile);
    g_cricket.m_coachIndex = 0;
    if (club)
        AppointCoach(*club, coach.m_id);
    else
        AppointCoach(*country, coach.m_id);
}

void StampStartDate() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    g_cricket.m_startDay = utc.tm_mday;
    g_cricket.m_startMonth = utc.tm_mon + 1;
    g_cricket.m_startYear = Rand() % START_YEAR_SPAN + START_YEAR_BASE;
}

}  // namespace

std::optional<DatabaseFault> CompleteWorld() {
    TopUpTeamSquads();
    TopUpCountryPlayers();
    CreateMissingCoaches();
    InitTeamBudgets();
    SelectAllNationalSquads();
    LoadTournamentStages();
    if (auto fault = CheckDatabaseFile(DB_TOURNAMENT_STAGES)) return fault;
    FinishWorldLoad();
    return std::nullopt;
}

WorldLoadProgress RunWorldLoadStep(int step) {
    WorldLoadProgress progress;
    if (step < 0 || step >= WORLD_LOAD_STEPS) return progress;
    // A world loads into a fresh game state.
    if (step == 0) ResetGameState();
    if (step == WORLD_LOAD_STEPS - 1) {
        progress.m_fault = CompleteWorld();
        progress.m_percent = 100;
        return progress;
    }
    const DatabaseLoadStep& load = DatabaseLoadStepAt(step);
    if (load.work) load.work();
    progress.m_percent = load.percent;
    progress.m_next = load.next;
    // Nothing past here plays with a value the checks have not seen.
    if (step == DATABASE_LOAD_STEPS - 1) progress.m_fault = CheckDatabase();
    return progress;
}

std::optional<DatabaseFault> LoadWorld() {
    for (int step = 0; step < WORLD_LOAD_STEPS; ++step)
        if (auto fault = RunWorldLoadStep(step).m_fault) return fault;
    return std::nullopt;
}

void PrepareNewCareer() {
    HandOverEarlierCoaches();
    ResetCareerState();
    GameDate& date = g_cricket.m_date;
    date = GameDate::FromSeasonDay(0, FIRST_SEASON);
    date.m_hour = FIRST_MORNING_HOUR;
    date.m_minute = 0;
    date.m_second = 0;
    g_cricket.m_climateMonth = date.m_month - 1;
    for (Team& team : g_world.mv_teams) {
        if (SquadCount(team) > XI_PICKING_SQUAD)
            StoreSelection(ChooseXI(team.m_id, false, false, 0), team.m_xi);
    }
    for (Climate& climate : g_world.mv_climates) AdvanceForecast(climate);
    g_cricket.m_gameMode = MODE_CAREER;
}

bool BeginCareer(const NewCoachRequest& request) {
    Team* club = request.m_national ? nullptr : TeamById(request.m_sideId);
    Country* country = request.m_national ? CountryById(request.m_sideId) : nullptr;
    if ((!club && !country) || SideHeldByHuman(request.m_sideId)) return false;

    StampStartDate();
    AddHumanCoach(request, club, country);
    const GameDate& today = g_cricket.m_date;
    for (UserCoach& each : g_userCoaches) each.DeliverPendingNews(today.m_day, today.m_month, today.m_year);

    const StaffMember& first = g_userCoaches.front().m_staff;
    g_cricket.m_team = first.m_clubJob > 0 ? first.m_clubJob : first.m_nationalJob;
    CreatePlayerHistoryFiles();
    g_cricket.m_autoSimulate = false;
    return true;
}

bool BeginCustomTourCoach(int32_t countryId) {
    Country* country = CountryById(countryId);
    if (!country) return false;
    HandOverEarlierCoaches();
    NewCoachRequest request;
    request.m_sideId = countryId;
    request.m_national = true;
    AddHumanCoach(request, nullptr, country);
    g_userCoaches.front().m_daily[DAILY_DAY_STARTED] = 1;
    g_cricket.m_autoSimulate = false;
    return true;
}

bool CareerOpensWithAutoSimulation(int32_t sideId) {
    return sideId >= FIRST_CLUB_ID && (sideId < ENGLAND_CLUBS_FIRST || sideId > ENGLAND_CLUBS_LAST);
}

}  // namespace ravel

// The world tables: one growable array per kind of record, alive for the
// whole run. Records refer to each other by id; the find operations turn an
// id into a table position. Players are addressed by id directly.
#pragma once

#include <cstdint>
#include <vector>

#include "world/Competitions.h"
#include "world/NameLists.h"
#include "world/Player.h"
#include "world/Records.h"

namespace ravel {

struct World {
    std::vector<Player> mv_players;
    std::vector<Team> mv_teams;
    std::vector<Country> mv_countries;
    std::vector<Ground> mv_grounds;
    std::vector<Climate> mv_climates;
    std::vector<Season> mv_seasons;
    std::vector<StaffMember> mv_staff;
    std::vector<InjuryType> mv_injuryTypes;
    std::vector<Competition> mv_competitions;
    std::vector<InternationalTournament> mv_tournaments;
    std::vector<FieldSetup> mv_fieldSetups;
    std::vector<FieldPosition> mv_fieldPositions;
    std::vector<Tour> mv_tours;
    std::vector<TourSeries> mv_tourSeries;
    std::vector<Series> mv_series;
    std::vector<Fixture> mv_fixtures;
    std::vector<CompetitionEvent> mv_events;
    std::vector<BowlPlan> mv_pacePlans;
    std::vector<BowlPlan> mv_spinPlans;
    std::vector<RecordsTable> mv_records;
    std::vector<CountryNameLists> mv_nameLists;  // read with the countries
};

// The one world of the process.
extern World g_world;

// Empties every table; part of ResetGameState (season/GameState.h), which
// tests and new worlds call.
void ResetWorld();

// Position of the first record with the id; -1 when there is none.
int FindTeamIndex(int id);
int FindCountryIndex(int id);
int FindGroundIndex(int id);
int FindClimateIndex(int id);
int FindSeasonIndex(int season);
int FindInjuryTypeIndex(int id);
int FindCompetitionIndex(int id);
int FindInternationalTournamentIndex(int id);
int FindFieldSetupIndex(int id);
int FindTourIndex(int id);
int FindTourSeriesIndex(int id);
int FindSeriesIndex(int id);
int FindFixtureIndex(int id);
int FindStaffMemberIndex(int id);

// Id of the Team at a position; 0 outside the table.
int TeamIdAt(int position);

// Whether the country's summer is the northern one: the warmest month of the
// climate at its home ground is April to September. False without one.
bool NorthernCountry(int countryId);

// The first record with the id; nullptr when none has it. A valid world never
// asks for an unknown id, so callers that can meet one show "-" or skip it.
Team* TeamById(int id);
Country* CountryById(int id);
Ground* GroundById(int id);
Climate* ClimateById(int id);
Competition* CompetitionById(int id);
FieldSetup* FieldSetupById(int id);
TourSeries* TourSeriesById(int id);
Series* SeriesById(int id);
Fixture* FixtureById(int id);
Tour* TourById(int id);
InjuryType* InjuryTypeById(int id);
StaffMember* StaffMemberById(int id);
inline Player* PlayerById(int id) {
    std::vector<Player>& players = g_world.mv_players;
    // A negative id becomes a size past any table: one test keeps both ends.
    return static_cast<size_t>(id) < players.size() ? &players[static_cast<size_t>(id)] : nullptr;
}
// The record at a position; nullptr outside the table.
Country* CountryAt(int position);

// The name and the short name of the club (ids of 1000 and more) or country
// with exactly that id; "" when there is none.
const char* SideName(int sideId);
const char* SideShortName(int sideId);

}  // namespace ravel

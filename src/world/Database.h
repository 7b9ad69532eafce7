// The world database: the "db\<folder>\dbNNNNNN.dbj" files, their loaders
// (each empties its table and fills it from its file) and their writers,
// which the database builder uses.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "world/Competitions.h"
#include "world/DatabaseChecks.h"
#include "world/DbFile.h"
#include "world/Player.h"
#include "world/Records.h"

namespace ravel {

enum DbFileNumber : int {
    DB_PLAYERS = 240782,
    DB_TEAMS = 131184,
    DB_COUNTRIES = 291091,
    DB_GROUNDS = 311202,
    DB_CLIMATES = 20803,
    DB_SEASONS = 200304,
    DB_STAFF = 200791,
    DB_COMPETITIONS = 90358,
    DB_TOURNAMENTS = 141202,
    DB_TOURNAMENT_VENUES = 90803,
    DB_ROUNDS = 290103,
    DB_CONDITIONS = 290806,
    DB_HISTORY = 190804,
    DB_EVENTS = 10170,
    DB_INJURIES = 291299,
    DB_TOURS = 170795,
    DB_TOUR_SERIES = 10105,
    DB_TEST_RANKINGS = 70504,
    DB_ODI_RANKINGS = 200903,
    DB_FIELD_POSITIONS = 80106,
    DB_FIELD_SETUPS = 250601,
    DB_BOWL_PLANS = 250904,
    DB_TOURNAMENT_STAGES = 281159,
};

// Every database file, in loading order.
extern const int DB_FILES[23];

// The database folder name ("std") and the folder that holds "db" (the
// working folder when empty).
void SetDatabaseFolder(const std::string& name);
const std::string& DatabaseFolder();
void SetDatabaseRoot(const std::string& root);
const std::string& DatabaseRoot();
// Reads and writes a folder of files as it is, in place of "db\<folder>"
// (tools and tests); an empty text goes back to the normal folder.
void SetDatabaseDirectory(const std::string& directory);
const std::string& DatabaseDirectory();
// Native path of "db\<folder>\<name>".
std::string DatabaseFilePath(const std::string& name);
std::string DatabaseFilePath(int number);

// Loaders with their after-load work, in the loading screen's order.
void LoadPlayers();
void LoadTeams();  // after the players: squads are rebuilt from their clubs
void LoadCountries();
void LoadGrounds();
void LoadClimates();
void LoadSeasons();
void LoadStaffMembers();
void LoadCompetitions();
void LoadInternationalTournaments();
void LoadTournamentAmendments();  // after the tournaments
void LoadRounds();                // after the competitions
void LoadConditions();
void LoadCompetitionHistory();
void LoadCompetitionEvents();
void LoadInjuryTypes();
void LoadTours();           // tours and their series
void LoadTestRankings();    // rows of competition 500
void LoadOneDayRankings();  // rows of competition 501
void LoadFieldPositions();
void LoadFieldSetups();  // after the field positions
void LoadBowlPlans();
void LoadTournamentStages();  // after the tournaments
// Every club side's salary budget becomes half its money.
void InitTeamBudgets();

// The loaders in the loading screen's order, one step per tick: the work,
// the percent shown after it and the message naming what loads next. The
// tournament stages load later, with the world's completion for play.
struct DatabaseLoadStep {
    void (*work)();  // nullptr for the step that only shows its message
    int32_t percent;
    const char* next;
};
inline constexpr int DATABASE_LOAD_STEPS = 17;
const DatabaseLoadStep& DatabaseLoadStepAt(int step);
// Every step in order, then the tournament stages: the tables as the files
// hold them, not yet completed for play (see season/Career.h). Then their
// values are checked: the first fault, or nothing for a sound world.
std::optional<DatabaseFault> LoadDatabase();

// The squads of every side rebuilt from the players' club fields.
void RebuildSquadsFromPlayers();

// Reads one file into its table as it stands, without the after-load work;
// writes one file from the world's tables. Both return false for a number
// that names no file.
bool ReadDatabaseFile(int number);
bool WriteDatabaseFile(int number, const std::string& path);
// The first record of the file's last read that named an owner (competition,
// tournament, history) no table holds, and so was dropped; -1 for none.
int32_t FirstRecordWithoutOwner(int number);
// What was wrong with the length or counts of the file's last read; an empty
// problem for a sound file.
TableFault LastReadFault(int number);
// Forgets what the last reads of every file found (a world reset).
void ForgetDatabaseReads();
// Every file's loader with its after-load work, in loading order (the tours'
// loader reads both tour files).
struct DbLoader {
    int m_number;
    void (*m_load)();
};
extern const DbLoader DB_LOADERS[23];
// Writes every file of the world into a folder; false when one fails.
bool WriteDatabase(const std::string& folder);

}  // namespace ravel

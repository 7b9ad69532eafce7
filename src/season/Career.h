// Starting a world and a career. The loading screen runs the world's load one
// step per tick, the start menu readies a new career and the new-game set-up
// appoints the user's coach; the benchmarks and tests start through the same
// functions, so they play the world a player gets.
#pragma once

#include <cstdint>
#include <optional>

#include "world/DatabaseChecks.h"

namespace ravel {

// The database loaders' steps, then the world's completion for play.
inline constexpr int WORLD_LOAD_STEPS = 18;
struct WorldLoadProgress {
    int32_t m_percent = 0;
    const char* m_next = nullptr;  // what loads next; nullptr after the last step
    // The loaded values fail their checks: the world cannot be played and
    // the loading goes no further.
    std::optional<DatabaseFault> m_fault;
};
// Runs one step (0 to WORLD_LOAD_STEPS - 1; step 0 resets the game state
// first); a step outside does nothing. The last of the database's steps
// checks every file loaded so far.
WorldLoadProgress RunWorldLoadStep(int step);
// Squads and national players topped up, coaches for empty posts, wage
// budgets, national squads, tournament stages, elevens and job security.
// Stops before the elevens when the tournament stages fail their checks.
std::optional<DatabaseFault> CompleteWorld();
// Every load step in order, up to the first fault, which it returns.
std::optional<DatabaseFault> LoadWorld();

// The start menu's New Game: an earlier game's coaches become the computer's,
// the date goes back to the first morning, every club with a squad picks its
// eleven and every climate its forecast; the game mode is career.
void PrepareNewCareer();

// The user's coach for the new-game set-up: empty names become "Mr" and
// "Player N".
struct NewCoachRequest {
    const char* m_firstName = "";
    const char* m_surname = "";
    int32_t m_sideId = 0;
    bool m_national = false;
};
// Creates the coach and his profile, appoints him with his news, stamps the
// start date and creates the player-history files. False, changing nothing,
// when the side is unknown or another human coach holds it.
bool BeginCareer(const NewCoachRequest& request);
// The custom tour's coach: an earlier game's coaches become the computer's
// and a coach with the default name takes the country's job as profile 0.
// False, changing nothing, when the country is no national side.
bool BeginCustomTourCoach(int32_t countryId);
// A club whose season is not the one the game opens on (England's) plays
// its first months by auto-simulation to the next season.
bool CareerOpensWithAutoSimulation(int32_t sideId);

}  // namespace ravel

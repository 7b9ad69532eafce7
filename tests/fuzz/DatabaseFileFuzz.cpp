// One database file from the fuzzer in place of its file of a small world,
// loaded as the intro loads it (with every later file, which may lean on it).
// The small world is the built one with its first players only, loaded once;
// each input starts from a copy of it. The loaders and the value checks must
// take anything; a world the checks let through must complete and play a
// one-day and a first-class match. RAVEL_FUZZ_FILE names the file's number.
#include <algorithm>
#include <iterator>
#include <memory>

#include "FuzzSupport.h"
#include "match/Match.h"
#include "season/Career.h"
#include "season/GameState.h"
#include "world/Database.h"
#include "world/DatabaseChecks.h"
#include "world/GameDate.h"
#include "world/Random.h"
#include "world/World.h"

namespace ravel {
namespace {

constexpr int MAX_STEPS = 20000;  // far more than any match takes
// The players the small world keeps of the built one's: few enough that a
// copy of the world costs little.
constexpr size_t SMALL_WORLD_PLAYERS = 200;

World g_small;
std::string g_file;

void PlayMatch(int competition, int home, int away, bool national) {
    const Ground* ground = nullptr;
    if (national) {
        if (const Country* c = CountryById(home)) ground = GroundById(c->m_homeGround);
    } else if (const Team* t = TeamById(home)) {
        ground = GroundById(t->m_ground);
    }
    auto match = std::make_unique<Match>();
    match->Setup(1, competition, ground ? ground->m_id : 0, home, away, 1, 6, 2006, 0);
    match->mi_sideKind = national ? SIDES_COUNTRIES : SIDES_CLUBS;
    const bool oneDay = match->mi_matchType % 2 == 0;
    match->SelectComputerTeam(1, national, oneDay);
    match->SelectComputerTeam(2, national, oneDay);
    match->Start();
    match->mb_sliced = 0;
    for (int step = 0; step < MAX_STEPS && match->mi_playState != PLAY_MATCH_OVER; ++step) {
        match->Step();
        if (match->mi_playState == PLAY_CLOSE) match->mi_playState = PLAY_IN_PLAY;
    }
    fuzz::Expect(match->mi_playState == PLAY_MATCH_OVER, "a match of an accepted world never ends");
}

// The world completed for play as the intro completes it, then a match of
// each kind.
void PlayWithTheWorld() {
    fuzz::Expect(!CompleteWorld(), "the stages fail their checks after the whole world passed them");
    const auto& countries = g_world.mv_countries;
    if (countries.size() >= 2) PlayMatch(COMP_ODI_CHAMPIONSHIP, countries[0].m_id, countries[1].m_id, true);
    for (const Competition& c : g_world.mv_competitions) {
        if (c.m_id >= COMP_TEST_CHAMPIONSHIP || c.m_format % 2 == 0 || c.TeamCount() < 2) continue;
        PlayMatch(c.m_id, c.mv_teams[0], c.mv_teams[1], false);
        break;
    }
}

}  // namespace
}  // namespace ravel

using namespace ravel;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const std::string folder = fuzz::ScratchFolder();
    SetDatabaseDirectory(fuzz::BuiltDatabaseFolder());
    for (int number : DB_FILES)
        std::filesystem::copy_file(
            DatabaseFilePath(number),
            folder + DatabaseFilePath(number).substr(fuzz::BuiltDatabaseFolder().size()));
    SetDatabaseDirectory(folder);
    SeedRand(1);
    fuzz::Expect(!LoadDatabase(), "the built world fails its checks");
    // Ids are places in the table: the first players keep theirs.
    g_world.mv_players.resize(std::min(g_world.mv_players.size(), SMALL_WORLD_PLAYERS));
    fuzz::Expect(WriteDatabaseFile(DB_PLAYERS, DatabaseFilePath(DB_PLAYERS)),
                 "the small world cannot be written");
    ResetGameState();
    SeedRand(1);
    const auto fault = LoadDatabase();
    if (fault) std::fprintf(stderr, "%s: %s\n", fault->Where().c_str(), fault->m_problem.c_str());
    fuzz::Expect(!fault, "the small world fails its checks");
    g_small = g_world;
    g_file = DatabaseFilePath(RAVEL_FUZZ_FILE);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ResetGameState();
    g_world = g_small;
    SeedRand(1);
    fuzz::WriteInput(g_file, data, size);
    bool reached = false;
    for (const DbLoader& l : DB_LOADERS) {
        reached = reached || l.m_number == RAVEL_FUZZ_FILE;
        if (reached) l.m_load();
    }
    if (const auto fault = CheckDatabase()) {
        fuzz::Report("refused: %s: %s", fault->Where().c_str(), fault->m_problem.c_str());
        return 0;
    }
    PlayWithTheWorld();
    fuzz::Report("accepted and played");
    return 0;
}

// career_bench: a new career coaching a club whose season the game opens on,
// played headless through the season as a player plays it (the assistant
// plays the user's matches, which keep their balls' animations as in the
// window). Prints the heap in use (and the resident set) on the morning of
// the club's first match day, on the first of each month, and at the turn
// of the season: what a long career keeps.
//
//   career_bench [--seed S] [--db ROOT] [--saves DIR]
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "../common/BenchWorld.h"
#include "../common/HeadlessGame.h"
#include "world/Database.h"
#include "world/PlayerHistory.h"
#include "world/Random.h"
#include "world/SaveGame.h"

using namespace ravel;

namespace {

double Mb(size_t bytes) {
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

}  // namespace

int main(int argc, char** argv) {
    unsigned long seed = 1;
    std::string root = RAVEL_RUNTIME_DIR;
    std::string saves = (std::filesystem::temp_directory_path() / "career_bench").string();
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (arg == "--seed" && value)
            seed = std::strtoul(argv[++i], nullptr, 10);
        else if (arg == "--db" && value)
            root = argv[++i];
        else if (arg == "--saves" && value)
            saves = argv[++i];
        else {
            std::fprintf(stderr, "usage: career_bench [--seed S] [--db ROOT] [--saves DIR]\n");
            return 2;
        }
    }
    if (!bench::LoadBenchWorld("career_bench", root, saves, seed)) return 1;
    const int32_t club = headless::FirstClubInSeason();
    if (club == 0 || !headless::BeginClubCareer(club)) {
        std::fprintf(stderr, "career_bench: no club to coach\n");
        return 1;
    }
    const int season = g_cricket.m_date.m_season;
    std::printf("seed=%lu\nclub=%s\nseason=%d\n", seed, SideName(club), season);

    size_t firstMatchDayHeap = 0;
    long firstMatchDayRss = 0;
    int days = 0, clubDays = 0;
    size_t lastDayHeap = 0;  // on the morning of the season's last day, before its turn
    long lastDayRss = 0;
    while (g_cricket.m_date.m_season == season) {
        lastDayHeap = headless::HeapInUse();
        lastDayRss = headless::ResidentKb();
        const GameDate& d = g_cricket.m_date;
        const bool plays = headless::UserClubPlaysToday(club);
        if (plays && firstMatchDayHeap == 0) {
            firstMatchDayHeap = headless::HeapInUse();
            firstMatchDayRss = headless::ResidentKb();
            std::printf("first_match_day=%d%s heap_mb=%.1f rss_mb=%.1f\n", d.m_day, MonthShortName(d.m_month),
                        Mb(firstMatchDayHeap), static_cast<double>(firstMatchDayRss) / 1024.0);
        }
        if (d.m_day == 1 && firstMatchDayHeap != 0)
            std::printf("heap.%s=%.1f MB\n", MonthShortName(d.m_month), Mb(headless::HeapInUse()));
        clubDays += plays;
        if (!headless::PlayDay()) {
            std::fprintf(stderr, "career_bench: the day of %d/%d did not end (phase %d)\n", d.m_day,
                         d.m_month, g_cricket.m_dayPhase);
            return 1;
        }
        ++days;
    }
    std::printf("days=%d\nclub_match_days=%d\ncoach_club=%s\n", days, clubDays,
                g_userCoaches.empty() ? "none" : SideName(g_userCoaches[0].m_staff.m_clubJob));
    std::printf("heap_at_first_match_day_mb=%.1f\nheap_at_season_end_mb=%.1f\nheap_growth_mb=%.1f\n",
                Mb(firstMatchDayHeap), Mb(lastDayHeap), Mb(lastDayHeap) - Mb(firstMatchDayHeap));
    std::printf("heap_after_turn_mb=%.1f\n", Mb(headless::HeapInUse()));
    std::printf("rss_growth_mb=%.1f\n", static_cast<double>(lastDayRss - firstMatchDayRss) / 1024.0);
    return 0;
}

#include "season/Fitness.h"

#include <algorithm>
#include <vector>

#include "season/News.h"
#include "season/Squads.h"
#include "world/Random.h"
#include "world/World.h"

namespace ravel {

namespace {

constexpr float DAILY_RECOVERY = 5.0f;
constexpr float INJURED_CONDITION = 60.0f;
constexpr float FIT_AGAIN_CONDITION = 80.0f;
constexpr float FORM_LIMIT = 15.0f;
constexpr int RESTING_MORALE = 60;

// The side whose coach hears about him: his national side while he is on
// duty, else his club of the moment.
int SideOf(const Player& p, int month) {
    if (p.m_intlDuty) return p.m_country;
    return p.CurrentClubIn(month);
}

// Whether each side id plays today, up to the largest that does. A side is
// the first record with its id, a club's id FIRST_CLUB_ID or more, a
// country's less, as TeamById and CountryById find them.
std::vector<uint8_t> SidesPlayingToday() {
    std::vector<uint8_t> playing;
    auto mark = [&playing](int id) {
        if (static_cast<size_t>(id) >= playing.size()) playing.resize(static_cast<size_t>(id) + 1, 0);
        playing[static_cast<size_t>(id)] = 1;
    };
    for (const Team& t : g_world.mv_teams)
        if (t.m_playingToday && t.m_id >= FIRST_CLUB_ID && TeamById(t.m_id) == &t) mark(t.m_id);
    for (const Country& c : g_world.mv_countries)
        if (c.m_playingToday && c.m_id >= 0 && c.m_id < FIRST_CLUB_ID && CountryById(c.m_id) == &c)
            mark(c.m_id);
    return playing;
}

float Settle(float form) {
    const float noise = static_cast<float>(Rand() % 11 - 5) * 0.1f;
    return std::clamp(form * 0.98f + noise, -FORM_LIMIT, FORM_LIMIT);
}

}  // namespace

void UpdatePlayerFitnessAndInjuries() {
    const bool weekly = g_cricket.m_date.m_dayOfSeason % 7 == 0;
    const int month = g_cricket.m_date.m_month;
    const std::vector<uint8_t> playing = SidesPlayingToday();
    auto playsToday = [&playing](int side) {
        return side >= 0 && static_cast<size_t>(side) < playing.size() && playing[static_cast<size_t>(side)];
    };
    for (Player& p : g_world.mv_players) {
        if (p.m_id <= 0 || p.m_retired) continue;
        if (p.m_injured) {
            const int side = SideOf(p, month);
            if (--p.m_daysOut <= 0) {
                p.m_injured = 0;
                p.m_daysOut = 0;
                p.m_condition = std::max(p.m_condition, FIT_AGAIN_CONDITION);
                PostToSideCoach(side, NEWS_RECOVERED, 0, {{LINK_PLAYER, p.m_id}, SideLink(side)});
            }
        } else {
            const int side = SideOf(p, month);
            const int odds = playsToday(side) ? MATCH_INJURY_ODDS : REST_INJURY_ODDS;
            if (!g_world.mv_injuryTypes.empty() && Rand() % odds == 0) {
                const InjuryType& type = g_world.mv_injuryTypes[Rand() % g_world.mv_injuryTypes.size()];
                // The type's length, give or take a quarter.
                const int spread = std::max(1, type.m_days / 2);
                p.m_injured = 1;
                p.m_injuryType = type.m_id;
                p.m_daysOut = std::max(1, type.m_days - spread / 2 + Rand() % (spread + 1));
                p.m_condition = std::min(p.m_condition, INJURED_CONDITION);
                PostToSideCoach(side, NEWS_INJURY, p.m_daysOut, {{LINK_PLAYER, p.m_id}, SideLink(side)});
            }
        }
        if (!p.m_injured) p.m_condition = std::min(100.0f, p.m_condition + DAILY_RECOVERY);
        p.m_batForm = Settle(p.m_batForm);
        p.m_bowlForm = Settle(p.m_bowlForm);
        if (weekly && p.m_morale != RESTING_MORALE) p.m_morale += p.m_morale < RESTING_MORALE ? 1 : -1;
    }
}

}  // namespace ravel

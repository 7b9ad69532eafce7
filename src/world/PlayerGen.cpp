#include "world/PlayerGen.h"

#include <cstdio>
#include <cstring>

#include "world/GameDate.h"
#include "world/NameLists.h"
#include "world/Random.h"
#include "world/World.h"

namespace ravel {

void GenerateReplacementPlayer(int playerId) {
    if (playerId < 0 || static_cast<size_t>(playerId) >= g_world.mv_players.size()) return;
    Player& p = g_world.mv_players[playerId];

    p.m_generated = 1;
    std::snprintf(p.m_firstName, sizeof p.m_firstName, "%s", RandomFirstName(p.m_country).c_str());
    std::memset(p.m_initials, 0, sizeof p.m_initials);
    p.m_initials[0] = p.m_firstName[0];
    std::memset(p.m_surname, 0, sizeof p.m_surname);
    std::snprintf(p.m_surname, sizeof p.m_surname, "%s", RandomSurname(p.m_country).c_str());

    p.m_birthDay = Rand() % 30 + 1;
    p.m_birthMonth = Rand() % 12 + 1;
    p.m_birthYear = g_cricket.m_date.m_year - 26 + Rand() % 5;

    p.m_retired = 0;
    p.m_turnoverDone = 0;
    p.m_valueFlag = 0;
    p.m_flag = 0;
    p.m_injured = 0;
    p.m_condition = 100.0f;
    p.m_northClub = 0;
    p.m_southClub = 0;
    for (PlayerStats& s : p.m_stats) s.ResetCounters();

    int batBase, bowlBase, fieldBase;
    if (p.m_keeper == 1) {
        batBase = Rand() % 20 + 20;
        bowlBase = Rand() % 10;
        fieldBase = Rand() % 30 + 15;
        p.m_batPosition = Rand() % 5 + 1;
        p.m_keepSkill[0] = Rand() % 20 + 50;
        p.m_keepSkill[1] = Rand() % 20 + 50;
    } else if (p.m_batPosition < 7) {
        batBase = Rand() % 20 + 30;
        bowlBase = Rand() % 20;
        fieldBase = Rand() % 60;
        p.m_batPosition = Rand() % 5 + 1;
        p.m_keepSkill[0] = Rand() % 10 + 1;
        p.m_keepSkill[1] = Rand() % 10 + 1;
    } else {
        batBase = Rand() % 20;
        bowlBase = Rand() % 20 + 30;
        fieldBase = Rand() % 40 + 20;
        p.m_batPosition = Rand() % 3 + 8;
        p.m_keepSkill[0] = Rand() % 10 + 1;
        p.m_keepSkill[1] = Rand() % 10 + 1;
    }
    p.m_batBase = batBase;
    p.m_bowlBase = bowlBase;
    p.m_fieldBase = fieldBase;

    for (int i = 0; i < 6; ++i) p.m_batSkill[i] = batBase - Rand() % 3;
    p.m_batSkill[6] = Rand() % 40 + 45;
    for (int i = 1; i < 4; ++i) p.m_bowlSkill[i] = bowlBase - Rand() % 3;
    p.m_bowlSkill[0] = bowlBase - Rand() % 3;
    for (int& f : p.m_fieldSkill) f = fieldBase - Rand() % 3;
}

}  // namespace ravel

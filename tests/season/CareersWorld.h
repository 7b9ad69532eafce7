// A small world for the careers tests: two countries, northern clubs of
// country 2 and southern clubs of country 1, players with contracts.
#pragma once

#include <cstdio>

#include "SeasonWorld.h"
#include "match/MatchLists.h"
#include "season/Contracts.h"
#include "season/Squads.h"

namespace ravel {

class CareersWorld : public SeasonWorld {
protected:
    static constexpr int SOUTH = 1;
    static constexpr int NORTH = 2;

    void SetUp() override {
        SeasonWorld::SetUp();
        AddCountry(SOUTH, "Southland").m_nationalSide = 1;
        AddCountry(NORTH, "Northland").m_nationalSide = 1;
        for (Country& c : g_world.mv_countries) c.m_overseasLimit = 2;
        SetDay(362, 20);
    }

    void TearDown() override { ResetMatchLists(); }

    static void SetDay(int season, int day) {
        g_cricket.m_date = GameDate::FromSeasonDay(day, season);
        g_cricket.m_date.m_hour = 8;
        g_cricket.m_date.m_minute = 45;
    }

    static Team& AddClub(int id, int country) {
        Team& t = AddTeam(id, 0);
        t.m_country = country;
        t.m_salaryBudget = 600000;
        t.m_money = 1200000.0f;
        return t;
    }

    // A 27-year-old of even skills; joins the club's squad on the contract of
    // the club's hemisphere.
    static Player& AddCricketer(int country, int club, int seasons, int skill = 50) {
        Player& p = AddPlayer();
        p.m_country = country;
        p.m_birthYear = 1979;
        p.m_birthMonth = 1;
        p.m_birthDay = 1;
        for (int& s : p.m_batSkill) s = skill;
        for (int& s : p.m_bowlSkill) s = skill;
        p.m_keepSkill[0] = p.m_keepSkill[1] = skill;
        p.m_bowlType = p.m_id % 3 == 0 ? 0 : (p.m_id % 3 == 1 ? 2 : 5);
        p.m_batPosition = p.m_id % 11 + 1;
        p.m_morale = 60;
        std::snprintf(p.m_surname, sizeof p.m_surname, "Player%d", p.m_id);
        const int id = p.m_id;
        if (club > 0) {
            Team* team = TeamById(club);
            const int hemi = HemisphereOf(*team);
            ClubIn(p, hemi) = club;
            WageIn(p, hemi) = 20000;
            SeasonsIn(p, hemi) = seasons;
            AddToClubSquad(*team, id);
        }
        return g_world.mv_players[id];
    }

    // A club with a full squad of contracted players.
    static Team& AddClubWithSquad(int id, int country, int players, int seasons, int skill = 50) {
        AddClub(id, country);
        for (int i = 0; i < players; ++i) AddCricketer(country, id, seasons, skill);
        return *TeamById(id);
    }

    // A human coach's profile and record, appointed to nothing yet.
    static UserCoach& AddHumanCoach(int id) {
        StaffMember s;
        s.m_id = id;
        std::snprintf(s.m_firstName, sizeof s.m_firstName, "Ann");
        std::snprintf(s.m_surname, sizeof s.m_surname, "User");
        s.m_human = 1;
        s.m_reputation = 50.0f;
        g_world.mv_staff.push_back(s);
        UserCoach profile;
        profile.m_staff = s;
        g_userCoaches.push_back(profile);
        return g_userCoaches.back();
    }

    static StaffMember& AddComputerCoach(int id, float reputation) {
        StaffMember s;
        s.m_id = id;
        std::snprintf(s.m_surname, sizeof s.m_surname, "Coach%d", id);
        s.m_reputation = reputation;
        g_world.mv_staff.push_back(s);
        return g_world.mv_staff.back();
    }
};

}  // namespace ravel

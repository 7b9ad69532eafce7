#include "world/World.h"

#include <algorithm>
#include <cmath>

#include "world/Database.h"

namespace ravel {

float GroundPitchFigure(float bounce, float turn) {
    const float pitch = std::round(((bounce + (10.0f - turn)) / 2.0f + 2.0f) * 10.0f) / 10.0f;
    return std::min(pitch, 9.9f);
}

World g_world;

void ResetWorld() {
    g_world = World{};
    ForgetDatabaseReads();
}

namespace {

// First position whose id matches; -1 when none does.
template <typename Record, typename IdOf>
int FindIndex(const std::vector<Record>& table, int id, IdOf idOf) {
    for (size_t i = 0; i < table.size(); ++i) {
        if (idOf(table[i]) == id) return static_cast<int>(i);
    }
    return -1;
}

template <typename Record>
int FindById(const std::vector<Record>& table, int id) {
    return FindIndex(table, id, [](const Record& r) { return r.m_id; });
}

// The record at a position; nullptr outside the table (so for -1 too).
template <typename Record>
Record* RecordAt(std::vector<Record>& table, int position) {
    if (position < 0 || static_cast<size_t>(position) >= table.size()) return nullptr;
    return &table[static_cast<size_t>(position)];
}

}  // namespace

int FindTeamIndex(int id) {
    return FindById(g_world.mv_teams, id);
}
int FindCountryIndex(int id) {
    return FindById(g_world.mv_countries, id);
}
int FindGroundIndex(int id) {
    return FindById(g_world.mv_grounds, id);
}
int FindClimateIndex(int id) {
    return FindById(g_world.mv_climates, id);
}
int FindInjuryTypeIndex(int id) {
    return FindById(g_world.mv_injuryTypes, id);
}
int FindCompetitionIndex(int id) {
    return FindById(g_world.mv_competitions, id);
}
int FindInternationalTournamentIndex(int id) {
    return FindById(g_world.mv_tournaments, id);
}
int FindFieldSetupIndex(int id) {
    return FindById(g_world.mv_fieldSetups, id);
}
int FindTourIndex(int id) {
    return FindById(g_world.mv_tours, id);
}
int FindTourSeriesIndex(int id) {
    return FindById(g_world.mv_tourSeries, id);
}
int FindSeriesIndex(int id) {
    return FindById(g_world.mv_series, id);
}
int FindFixtureIndex(int id) {
    return FindById(g_world.mv_fixtures, id);
}

int FindSeasonIndex(int season) {
    return FindIndex(g_world.mv_seasons, season, [](const Season& s) { return s.m_season; });
}

int FindStaffMemberIndex(int id) {
    return FindById(g_world.mv_staff, id);
}

bool NorthernCountry(int countryId) {
    const Country* c = CountryById(countryId);
    const Ground* g = c ? GroundById(c->m_homeGround) : nullptr;
    const Climate* climate = g ? ClimateById(g->m_climate) : nullptr;
    if (!climate) return false;
    int warmest = 0;
    for (int m = 1; m < 12; ++m)
        if (climate->m_monthly[m][0] > climate->m_monthly[warmest][0]) warmest = m;
    // January is month index 0.
    return warmest >= 3 && warmest <= 8;
}

int TeamIdAt(int position) {
    const Team* team = RecordAt(g_world.mv_teams, position);
    return team ? team->m_id : 0;
}

Team* TeamById(int id) {
    return RecordAt(g_world.mv_teams, FindTeamIndex(id));
}
Country* CountryById(int id) {
    return RecordAt(g_world.mv_countries, FindCountryIndex(id));
}
Ground* GroundById(int id) {
    return RecordAt(g_world.mv_grounds, FindGroundIndex(id));
}
Climate* ClimateById(int id) {
    return RecordAt(g_world.mv_climates, FindClimateIndex(id));
}
Competition* CompetitionById(int id) {
    return RecordAt(g_world.mv_competitions, FindCompetitionIndex(id));
}
FieldSetup* FieldSetupById(int id) {
    return RecordAt(g_world.mv_fieldSetups, FindFieldSetupIndex(id));
}
TourSeries* TourSeriesById(int id) {
    return RecordAt(g_world.mv_tourSeries, FindTourSeriesIndex(id));
}
Series* SeriesById(int id) {
    return RecordAt(g_world.mv_series, FindSeriesIndex(id));
}
Fixture* FixtureById(int id) {
    return RecordAt(g_world.mv_fixtures, FindFixtureIndex(id));
}
Tour* TourById(int id) {
    return RecordAt(g_world.mv_tours, FindTourIndex(id));
}
InjuryType* InjuryTypeById(int id) {
    return RecordAt(g_world.mv_injuryTypes, FindInjuryTypeIndex(id));
}
StaffMember* StaffMemberById(int id) {
    return RecordAt(g_world.mv_staff, FindStaffMemberIndex(id));
}
Country* CountryAt(int position) {
    return RecordAt(g_world.mv_countries, position);
}

namespace {

// The club (ids of 1000 and more) or the country with the id; both null when
// no record has it.
struct SideRecord {
    const Team* mp_team = nullptr;
    const Country* mp_country = nullptr;
};

SideRecord SideOf(int sideId) {
    if (sideId >= FIRST_CLUB_ID) return {TeamById(sideId), nullptr};
    return {nullptr, CountryById(sideId)};
}

}  // namespace

const char* SideName(int sideId) {
    const SideRecord side = SideOf(sideId);
    return side.mp_team ? side.mp_team->m_name : side.mp_country ? side.mp_country->m_name : "";
}

const char* SideShortName(int sideId) {
    const SideRecord side = SideOf(sideId);
    return side.mp_team ? side.mp_team->m_shortName : side.mp_country ? side.mp_country->m_shortName : "";
}

}  // namespace ravel

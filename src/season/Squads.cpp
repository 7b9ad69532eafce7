#include "season/Squads.h"

#include <algorithm>
#include <cstdio>

#include "season/Coaches.h"
#include "season/Contracts.h"
#include "season/Ranking.h"
#include "season/Ratings.h"
#include "season/Selection.h"
#include "world/PlayerGen.h"
#include "world/Random.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

int32_t g_squadRebuilds = 0;

namespace {

// A player may be picked for a national squad when not out for longer.
constexpr int SQUAD_INJURY_LIMIT = 15;
constexpr int TOUR_TEST_SQUAD = 16;
// Players a national side needs to pick two squads from.
constexpr int COUNTRY_POOL = 30;

bool RetiredFrom(const Player& p, bool oneDay) {
    return p.m_retired || (oneDay ? p.m_retiredOdi : p.m_retiredTest);
}

// He is in one of the country's lists (the national-squad byte follows this).
bool InAnyList(const Country& c, int id) {
    return IsIdInList(c.mv_testSquad, id) || IsIdInList(c.mv_oneDaySquad, id);
}

void ClearFromXi(int32_t (&xi)[XI_SIZE], int playerId) {
    for (int32_t& slot : xi)
        if (slot == playerId) slot = -1;
}

float BattingKey(const Player& p) {
    return static_cast<float>(PlayerBattingRating(p.m_id)) + p.m_batForm * 0.2f;
}
float KeeperKey(const Player& p) {
    if (p.m_keeper != 1 && p.m_keeper != 2) return -1.0f;
    return static_cast<float>(p.m_keepSkill[0] + p.m_keepSkill[1]) * (p.m_keeper == 1 ? 1.0f : 0.8f) +
           static_cast<float>(PlayerBattingRating(p.m_id)) * 0.3f;
}
float SpinKey(const Player& p) {
    return IsSpin(p.m_bowlType) ? p.SpinValue() + p.m_bowlForm : -1.0f;
}
float PaceKey(const Player& p) {
    return IsPace(p.m_bowlType) ? p.PaceValue() + p.m_bowlForm : -1.0f;
}
float OverallKey(const Player& p) {
    return static_cast<float>(p.OverallRating()) + (p.m_batForm + p.m_bowlForm) * 0.1f;
}

// Adds the best `count` candidates by a key (those with a negative key never)
// until the list reaches `limit`.
template <class Key>
void PickBest(std::vector<int32_t>& list, const std::vector<int32_t>& candidates, int count, size_t limit,
              Key key) {
    if (count <= 0 || list.size() >= limit) return;
    std::vector<int32_t> ranked;
    for (int32_t id : candidates)
        if (!IsIdInList(list, id) && key(g_world.mv_players[id]) >= 0.0f) ranked.push_back(id);
    const size_t wanted = std::min(static_cast<size_t>(count), limit - list.size());
    KeepBestByKey(
        ranked, [&key](int32_t id) { return key(g_world.mv_players[id]); }, wanted);
    list.insert(list.end(), ranked.begin(), ranked.end());
}

template <class Ids>
float MeanOverallRating(const Ids& ids) {
    int sum = 0;
    int count = 0;
    for (int32_t id : ids) {
        const Player* p = id > 0 ? PlayerById(id) : nullptr;
        if (!p) continue;
        sum += p->OverallRating();
        ++count;
    }
    return count > 0 ? static_cast<float>(sum) / static_cast<float>(count) : 1.0f;
}

bool CountryGroundsTurn(int countryId) {
    int turning = 0;
    int total = 0;
    for (const Ground& g : g_world.mv_grounds) {
        if (g.m_country != countryId) continue;
        ++total;
        if (g.m_pitch < TURNING_PITCH) ++turning;
    }
    return total > 0 && 2 * turning > total;
}

void SelectSquad(Country& c, int kind, int fill, size_t size, int spinners) {
    const uint8_t* lock = SquadLock(c, kind);
    if (lock && *lock) return;
    const bool oneDay = IsOneDaySquadKind(kind);
    std::vector<int32_t>& list = SquadList(c, kind);
    if (!fill) {
        std::vector<int32_t> old;
        old.swap(list);
        for (int32_t id : old)
            if (id > 0 && static_cast<size_t>(id) < g_world.mv_players.size() && !InAnyList(c, id))
                g_world.mv_players[id].m_intlDuty = 0;
    }
    std::vector<int32_t> candidates;
    for (const Player& p : g_world.mv_players) {
        if (p.m_id <= 0 || !p.IsEligibleFor(c.m_id) || RetiredFrom(p, oneDay)) continue;
        if (p.m_injured && p.m_daysOut > SQUAD_INJURY_LIMIT) continue;
        candidates.push_back(p.m_id);
    }
    const bool hasKeeper = std::any_of(list.begin(), list.end(), [](int32_t id) {
        return id > 0 && static_cast<size_t>(id) < g_world.mv_players.size() &&
               g_world.mv_players[id].m_keeper == 1;
    });
    PickBest(list, candidates, hasKeeper ? 0 : 1, size, KeeperKey);
    PickBest(list, candidates, 6, size, BattingKey);
    PickBest(list, candidates, spinners, size, SpinKey);
    PickBest(list, candidates, 4, size, PaceKey);
    PickBest(list, candidates, static_cast<int>(size), size, OverallKey);
    for (int32_t id : list)
        if (id > 0) g_world.mv_players[id].m_intlDuty = 1;
}

}  // namespace

int HemisphereOf(const Team& team) {
    return team.m_country == NORTHERN_COUNTRY ? HEMI_NORTH : HEMI_SOUTH;
}

int HemisphereOfSeason(int season) {
    return season % 2 == 0 ? HEMI_NORTH : HEMI_SOUTH;
}

int32_t& ClubIn(Player& player, int hemisphere) {
    return hemisphere == HEMI_NORTH ? player.m_northClub : player.m_southClub;
}
int32_t& WageIn(Player& player, int hemisphere) {
    return hemisphere == HEMI_NORTH ? player.m_northWage : player.m_southWage;
}
int32_t& SeasonsIn(Player& player, int hemisphere) {
    return hemisphere == HEMI_NORTH ? player.m_northSeasons : player.m_southSeasons;
}
int ClubIn(const Player& player, int hemisphere) {
    return hemisphere == HEMI_NORTH ? player.m_northClub : player.m_southClub;
}
int SeasonsIn(const Player& player, int hemisphere) {
    return hemisphere == HEMI_NORTH ? player.m_northSeasons : player.m_southSeasons;
}

int SquadCount(const Team& team) {
    return static_cast<int>(
        std::count_if(std::begin(team.m_squad), std::end(team.m_squad), [](int32_t id) { return id > 0; }));
}

bool IsInClubSquad(const Team& team, int playerId) {
    return playerId > 0 &&
           std::find(std::begin(team.m_squad), std::end(team.m_squad), playerId) != std::end(team.m_squad);
}

bool AddToClubSquad(Team& team, int playerId) {
    if (playerId <= 0 || IsInClubSquad(team, playerId)) return false;
    for (int32_t& slot : team.m_squad) {
        if (slot <= 0) {
            slot = playerId;
            return true;
        }
    }
    DebugLog("Squad of %d is full, player %d not added", team.m_id, playerId);
    return false;
}

void RemoveFromClubSquad(Team& team, int playerId) {
    for (int32_t& slot : team.m_squad)
        if (slot == playerId) slot = 0;
    ClearFromXi(team.m_xi, playerId);
    if (Player* p = PlayerById(playerId)) p->m_xiSlot = NOT_IN_XI;
}

void CompactSquad(Team& team) {
    int to = 0;
    for (int from = 0; from < SQUAD_SLOTS; ++from)
        if (team.m_squad[from] > 0) team.m_squad[to++] = team.m_squad[from];
    for (; to < SQUAD_SLOTS; ++to) team.m_squad[to] = 0;
}

float AverageRating(const Team& team) {
    return MeanOverallRating(team.m_squad);
}

float AverageRating(int sideId) {
    if (sideId >= FIRST_CLUB_ID) {
        const Team* team = TeamById(sideId);
        return team ? AverageRating(*team) : 1.0f;
    }
    const Country* country = CountryById(sideId);
    if (!country) return 1.0f;
    const std::vector<int32_t>& squad = country->SquadFor(country->m_squadKind);
    if (!squad.empty()) return MeanOverallRating(squad);
    // Between engagements: the strength the selectors would draw on.
    std::vector<int32_t> best;
    for (const Player& p : g_world.mv_players)
        if (p.m_id > 0 && !p.m_retired && p.IsEligibleFor(country->m_id)) best.push_back(p.m_id);
    const size_t size = std::min(best.size(), static_cast<size_t>(TOUR_TEST_SQUAD));
    std::partial_sort(
        best.begin(), best.begin() + static_cast<std::ptrdiff_t>(size), best.end(), [](int32_t a, int32_t b) {
            return g_world.mv_players[a].OverallRating() > g_world.mv_players[b].OverallRating();
        });
    best.resize(size);
    return MeanOverallRating(best);
}

void ClearXI(Team& team) {
    for (int i = 0; i < XI_PLAYERS; ++i)
        if (Player* p = team.m_xi[i] > 0 ? PlayerById(team.m_xi[i]) : nullptr) p->m_selected = 0;
    std::fill(std::begin(team.m_xi), std::end(team.m_xi), -1);
}

void SignForClub(int playerId, Team& team, int wage, int seasons) {
    Player* p = PlayerById(playerId);
    if (!p) return;
    const int hemi = HemisphereOf(team);
    const int old = ClubIn(*p, hemi);
    if (old > 0 && old != team.m_id) {
        if (Team* from = TeamById(old)) RemoveFromClubSquad(*from, playerId);
    }
    ClubIn(*p, hemi) = team.m_id;
    WageIn(*p, hemi) = wage;
    SeasonsIn(*p, hemi) = seasons;
    p->m_transferArranged = 0;
    p->m_leaving = 0;
    AddToClubSquad(team, playerId);
}

void ReleaseToFreeAgency(int playerId, int hemisphere) {
    Player* p = PlayerById(playerId);
    if (!p) return;
    const int club = ClubIn(*p, hemisphere);
    if (club > 0) {
        if (Team* team = TeamById(club)) RemoveFromClubSquad(*team, playerId);
    }
    ClubIn(*p, hemisphere) = 0;
    WageIn(*p, hemisphere) = 0;
    SeasonsIn(*p, hemisphere) = 0;
}

void RebuildSquads() {
    for (Team& team : g_world.mv_teams) std::fill(std::begin(team.m_squad), std::end(team.m_squad), 0);
    for (const Player& p : g_world.mv_players) {
        if (p.m_id <= 0 || p.m_retired) continue;
        for (int hemi : {HEMI_NORTH, HEMI_SOUTH}) {
            const int club = ClubIn(p, hemi);
            if (club < FIRST_CLUB_ID) continue;
            Team* team = TeamById(club);
            if (team && HemisphereOf(*team) == hemi) AddToClubSquad(*team, p.m_id);
        }
    }
    // An eleven may not keep a player who has left.
    for (Team& team : g_world.mv_teams)
        for (int i = 0; i < XI_SIZE; ++i)
            if (team.m_xi[i] > 0 && !IsInClubSquad(team, team.m_xi[i])) team.m_xi[i] = -1;
}

int CreateYoungPlayer(int countryId, bool bowler, bool keeper) {
    Player p;
    p.m_id = static_cast<int32_t>(g_world.mv_players.size());
    p.m_country = countryId;
    p.m_keeper = keeper ? 1 : 0;
    p.m_batPosition = bowler ? 9 : 3;
    p.m_batHand = Rand() % 4 == 0 ? 1 : 0;
    p.m_bowlArm = Rand() % 5 == 0 ? 1 : 0;
    p.m_bowlType = keeper ? 0 : (bowler ? Rand() % 6 + 1 : Rand() % 7);
    p.m_fieldPosition = Rand() % 3;
    p.m_morale = 60;
    p.m_potential = Rand() % 40 + 1;
    for (int k = 0; k < STATS_BLOCKS; ++k) {
        p.m_stats[k].m_player = p.m_id;
        p.m_stats[k].m_season = g_cricket.m_date.m_season;
    }
    const int32_t kinds[4] = {KIND_FIRST_CLASS, KIND_LIST_A, KIND_TEST, KIND_ODI};
    for (int k = 0; k < 4; ++k) p.m_stats[k].m_kind = p.m_stats[k + 4].m_kind = kinds[k];
    g_world.mv_players.push_back(p);
    GenerateReplacementPlayer(p.m_id);
    Player& made = g_world.mv_players.back();
    // Young: 19 to 22.
    made.m_birthYear = g_cricket.m_date.m_year - 19 - Rand() % 4;
    return made.m_id;
}

namespace {

// Signs him on the terms his value sets (SetWage prices him and fills the
// contract of the club he is at, so he joins first).
void SignAtValue(int playerId, Team& team) {
    SignForClub(playerId, team, 0, 0);
    Player& p = g_world.mv_players[playerId];
    const int hemi = HemisphereOf(team);
    p.SetWage(team.m_id);
    SeasonsIn(p, hemi) = NewContractSeasons(SeasonsIn(p, hemi), hemi);
}

}  // namespace

void TopUpTeamSquads() {
    // Free agents of each hemisphere, best first.
    for (int hemi : {HEMI_NORTH, HEMI_SOUTH}) {
        std::vector<int32_t> free;
        for (const Player& p : g_world.mv_players)
            if (p.m_id > 0 && !p.m_retired && !p.m_retiring && !p.m_transferArranged && ClubIn(p, hemi) <= 0)
                free.push_back(p.m_id);
        RankByKey(free, [](int32_t id) { return g_world.mv_players[id].OverallRating(); });
        for (Team& team : g_world.mv_teams) {
            if (HemisphereOf(team) != hemi) continue;
            const int want = team.m_human ? MIN_CONTRACTED : TARGET_SQUAD;
            int count = SquadCount(team);
            // Home players first: a club fills from its own country before it
            // looks abroad, so it does not run into its overseas limit.
            for (int pass = 0; pass < 2 && count < want; ++pass) {
                for (int32_t& id : free) {
                    if (count >= want) break;
                    if (id <= 0) continue;
                    Player& p = g_world.mv_players[id];
                    const bool home = p.IsEligibleFor(team.m_country);
                    if (pass == 0 ? !home : (home || count >= MIN_CONTRACTED)) continue;
                    if (!home && !OverseasPlaceFree(team)) continue;
                    SignAtValue(id, team);
                    id = 0;
                    ++count;
                }
            }
            bool needKeeper = std::none_of(std::begin(team.m_squad), std::end(team.m_squad), [](int32_t id) {
                return id > 0 && g_world.mv_players[id].m_keeper == 1;
            });
            for (; count < MIN_CONTRACTED; ++count) {
                SignAtValue(CreateYoungPlayer(team.m_country, count % 2 == 1, needKeeper), team);
                needKeeper = false;
            }
        }
    }
}

void TopUpCountryPlayers() {
    for (const Country& c : std::vector<Country>(g_world.mv_countries)) {
        if (c.m_nationalSide != 1) continue;
        int pool = 0;
        int keepers = 0;
        for (const Player& p : g_world.mv_players) {
            if (p.m_id <= 0 || p.m_retired || !p.IsEligibleFor(c.m_id)) continue;
            ++pool;
            if (p.m_keeper == 1) ++keepers;
        }
        for (; pool < COUNTRY_POOL; ++pool) {
            CreateYoungPlayer(c.m_id, pool % 2 == 1, keepers < 2);
            ++keepers;
        }
    }
}

std::vector<int32_t>& SquadList(Country& country, int kind) {
    return IsOneDaySquadKind(kind) ? country.mv_oneDaySquad : country.mv_testSquad;
}

uint8_t* SquadLock(Country& country, int kind) {
    switch (kind) {
        case SQUAD_HOME_TEST:
            return &country.m_squadLock[0];
        case SQUAD_TOUR_TEST:
            return &country.m_squadLock[1];
        case SQUAD_ONE_DAY:
        case SQUAD_ONE_DAY_3:
        case SQUAD_ONE_DAY_4:
        case SQUAD_ONE_DAY_5:
            return &country.m_squadLock[2];
        default:
            return nullptr;
    }
}

bool AddToSquad(Country& country, int playerId) {
    const int kind = country.m_squadKind;
    const uint8_t* lock = SquadLock(country, kind);
    Player* p = PlayerById(playerId);
    if ((lock && *lock) || !p || playerId <= 0) return false;
    std::vector<int32_t>& list = SquadList(country, kind);
    if (!p->IsEligibleFor(country.m_id) || (p->m_injured && p->m_daysOut > SQUAD_INJURY_LIMIT) ||
        IsIdInList(list, playerId) || RetiredFrom(*p, IsOneDaySquadKind(kind)))
        return false;
    list.push_back(playerId);
    p->m_intlDuty = 1;
    return true;
}

bool RemoveFromSquad(Country& country, int playerId) {
    const uint8_t* lock = SquadLock(country, country.m_squadKind);
    if (lock && *lock) return false;
    std::vector<int32_t>& list = SquadList(country, country.m_squadKind);
    const auto it = std::find(list.begin(), list.end(), playerId);
    if (it == list.end()) return false;
    list.erase(it);
    ClearFromXi(country.m_xi, playerId);
    Player* p = PlayerById(playerId);
    if (p && !InAnyList(country, playerId)) p->m_intlDuty = 0;
    return true;
}

bool ClearSquad(Country& country) {
    const int kind = country.m_squadKind;
    const uint8_t* lock = SquadLock(country, kind);
    if (lock && *lock) return false;
    std::vector<int32_t> old;
    old.swap(SquadList(country, kind));
    for (int32_t id : old) {
        Player* p = id > 0 ? PlayerById(id) : nullptr;
        if (p && !InAnyList(country, id)) p->m_intlDuty = 0;
    }
    if (IsOneDaySquadKind(kind)) std::fill(std::begin(country.m_xi), std::end(country.m_xi), -1);
    return true;
}

int RequiredSquadSize(int kind) {
    switch (kind) {
        case SQUAD_HOME_TEST:
            return 14;
        case SQUAD_ONE_DAY_3:
            return 15;
        default:
            return TOUR_TEST_SQUAD;
    }
}

void SelectTestSquad(Country& country, int fill) {
    SelectSquad(country, SQUAD_TOUR_TEST, fill, RequiredSquadSize(SQUAD_TOUR_TEST), 2);
}

void SelectTestSquadB(Country& country, int fill) {
    SelectSquad(country, SQUAD_HOME_TEST, fill, RequiredSquadSize(SQUAD_HOME_TEST),
                CountryGroundsTurn(country.m_id) ? 2 : 1);
}

void SelectOneDaySquad(Country& country, int fill) {
    const int kind = IsOneDaySquadKind(country.m_squadKind) ? country.m_squadKind : SQUAD_ONE_DAY;
    SelectSquad(country, kind, fill, RequiredSquadSize(kind), 2);
}

void SetSquadDuty(Country& country, bool onDuty) {
    for (const std::vector<int32_t>* list : {&country.mv_testSquad, &country.mv_oneDaySquad})
        for (int32_t id : *list)
            if (Player* p = id > 0 ? PlayerById(id) : nullptr) p->m_intlDuty = onDuty ? 1 : 0;
}

void ReleaseNationalSquads(Country& country) {
    if (!country.m_human) {
        // Each list is cleared under its own kind so that its lock holds.
        const int kind = country.m_squadKind;
        country.m_squadKind = IsOneDaySquadKind(kind) ? SQUAD_HOME_TEST : kind;
        ClearSquad(country);
        country.m_squadKind = IsOneDaySquadKind(kind) ? kind : SQUAD_ONE_DAY;
        ClearSquad(country);
        country.m_squadKind = kind;
        ClearXI(country);
    }
    auto listedElsewhere = [&country](int id) {
        return std::any_of(g_world.mv_countries.begin(), g_world.mv_countries.end(),
                           [&](const Country& c) { return &c != &country && InAnyList(c, id); });
    };
    for (Player& p : g_world.mv_players) {
        if (!p.m_intlDuty || p.m_id <= 0) continue;
        const bool listed = InAnyList(country, p.m_id);
        if (!listed && !p.IsEligibleFor(country.m_id)) continue;
        // A locked list keeps its players; a human's lists stay but their players go home.
        if ((listed && !country.m_human) || listedElsewhere(p.m_id)) continue;
        p.m_intlDuty = 0;
    }
}

void SelectAllNationalSquads() {
    for (Country& c : g_world.mv_countries) {
        if (c.m_nationalSide != 1 || c.m_human) continue;
        SelectTestSquadB(c, 1);
        SelectOneDaySquad(c, 1);
    }
}

void FinishWorldLoad() {
    g_contractOffers.clear();
    g_squadRebuilds = 0;
    for (Team& team : g_world.mv_teams) {
        CompactSquad(team);
        if (team.m_coach > 0 && team.m_jobSecurity <= 0.0f) team.m_jobSecurity = START_JOB_SECURITY;
        if (!team.m_human) StoreSelection(ChooseXI(team.m_id, false, false, team.m_ground), team.m_xi);
    }
    for (Country& c : g_world.mv_countries) {
        if (c.m_coach > 0 && c.m_jobSecurity <= 0.0f) c.m_jobSecurity = START_JOB_SECURITY;
        if (c.m_nationalSide == 1 && !c.m_human) PickXI(c);
    }
}

}  // namespace ravel

#include "season/Selection.h"

#include <algorithm>
#include <iterator>

#include "season/Ranking.h"
#include "season/Squads.h"
#include "world/World.h"

namespace ravel {

namespace {

const Player* P(int id) {
    return PlayerById(id);
}

float FormedBatting(const Player& p) {
    return std::min(PlayerBattingRating(p.m_id) + p.m_batForm, 100.0f);
}

float OpenerKey(int id) {
    const Player* p = P(id);
    if (!p) return 0.0f;
    float key = FormedBatting(*p);
    if (p->m_batPosition == 1 || p->m_batPosition == 2) {
        key *= 1.35f;
    } else if (p->m_batPosition >= 4) {
        key *= 0.65f;
    }
    return key;
}

float MiddleOrderKey(int id) {
    const Player* p = P(id);
    if (!p) return 0.0f;
    float key = FormedBatting(*p);
    const int pos = p->m_batPosition;
    if (pos >= 3 && pos <= 6) {
        key *= 1.25f;
    } else if (pos == 1 || pos == 2) {
        key *= 0.75f;
    } else if (pos >= 8) {
        key *= 0.65f;
    }
    return key;
}

// Keeping skill dominates; batting splits keepers of equal gloves.
float KeeperKey(int id) {
    const Player* p = P(id);
    if (!p) return -1.0e9f;
    float gloves = static_cast<float>(p->m_keepSkill[0] + p->m_keepSkill[1]);
    if (gloves <= 0.0f) gloves = 1.0f;
    switch (p->m_keeper) {
        case 0:
            gloves *= -1.0f;
            break;
        case 1:
            gloves *= 1.5f;
            break;
        case 2:
            gloves *= 1.1f;
            break;
        default:
            break;
    }
    float batting =
        static_cast<float>(p->m_batSkill[0] + p->m_batSkill[1] + p->m_batSkill[2] + p->m_batSkill[3]);
    if (batting <= 0.0f) batting = 1.0f;
    return gloves + batting * 0.033333335f;
}

float BowlerKey(int id, bool spin) {
    const Player* p = P(id);
    if (!p) return -1.0e9f;
    return (spin ? p->SpinValue() : p->PaceValue()) + p->m_bowlForm;
}
float PaceBowlerKey(int id) {
    return BowlerKey(id, false);
}
float SpinBowlerKey(int id) {
    return BowlerKey(id, true);
}

int CaptaincyKey(int id) {
    const Player* p = P(id);
    return p ? p->m_captaincy : 0;
}

// The lower batting position goes first.
int64_t BattingPositionKey(int id) {
    const Player* p = P(id);
    return -static_cast<int64_t>(p ? p->m_batPosition : 0);
}

// Adds the players of the pool not yet chosen, highest key first, until
// `target` are chosen; of equal keys the one earlier in the pool, as a stable
// ranking of the pool would give them. A pick takes a few players, so they
// are found one at a time rather than by ranking the whole pool. A pool of
// distinct ids marks its chosen players in `taken`, one flag a place.
template <typename Key>
void FillFrom(const std::vector<int32_t>& pool, std::vector<uint8_t>& taken, Key key,
              std::vector<int32_t>& chosen, size_t target) {
    if (chosen.size() >= target) return;
    std::vector<decltype(key(int32_t{}))> keys(pool.size());
    for (size_t i = 0; i < pool.size(); ++i)
        if (!taken[i]) keys[i] = key(pool[i]);
    while (chosen.size() < target) {
        size_t best = pool.size();
        for (size_t i = 0; i < pool.size(); ++i)
            if (!taken[i] && (best == pool.size() || keys[i] > keys[best])) best = i;
        if (best == pool.size()) return;
        taken[best] = 1;
        chosen.push_back(pool[best]);
    }
}

std::vector<int32_t> AvailablePlayers(int sideId, bool national, bool oneDay) {
    std::vector<int32_t> pool;
    if (national) {
        const Country* country = CountryById(sideId);
        if (!country) return pool;
        const std::vector<int32_t>& squad = oneDay ? country->mv_oneDaySquad : country->mv_testSquad;
        pool.reserve(squad.size());
        for (int32_t id : squad) {
            const Player* p = P(id);
            if (p && !p->m_injured && !IsIdInList(pool, id)) pool.push_back(id);
        }
        return pool;
    }
    const Team* team = TeamById(sideId);
    if (!team) return pool;
    pool.reserve(std::size(team->m_squad));
    for (int32_t id : team->m_squad) {
        const Player* p = P(id);
        if (id > 0 && p && !p->m_injured && !p->m_intlDuty && !p->m_unavailable && !IsIdInList(pool, id))
            pool.push_back(id);
    }
    return pool;
}

int SpinnersWanted(int groundId) {
    const Ground* ground = GroundById(groundId);
    if (groundId <= 0 || !ground) return 1;
    return ground->m_pitch < TURNING_PITCH ? 2 : 1;
}

int SlotOf(const Selection& s, int id) {
    for (int slot = 0; slot < XI_PLAYERS; ++slot)
        if (s[static_cast<size_t>(slot)] == id) return slot;
    return -1;
}

}  // namespace

int PlayerBattingRating(int playerId) {
    const Player* p = P(playerId);
    if (!p) return 0;
    int sum = 0;
    for (int i = 0; i < 6; ++i) sum += p->m_batSkill[i];
    return static_cast<int>(static_cast<float>(sum) * 0.16666667f);
}

int PlayerBowlingRating(int playerId) {
    const Player* p = P(playerId);
    if (!p) return 0;
    return static_cast<int>(static_cast<float>(p->m_bowlSkill[0] + p->m_bowlSkill[1]) * 0.5f);
}

bool CompareBattingRating(int a, int b) {
    return PlayerBattingRating(a) > PlayerBattingRating(b);
}
bool CompareOpener(int a, int b) {
    return OpenerKey(a) > OpenerKey(b);
}
bool CompareMiddleOrder(int a, int b) {
    return MiddleOrderKey(a) > MiddleOrderKey(b);
}
bool CompareKeeper(int a, int b) {
    return KeeperKey(a) > KeeperKey(b);
}
bool ComparePaceBowler(int a, int b) {
    return PaceBowlerKey(a) > PaceBowlerKey(b);
}
bool CompareSpinBowler(int a, int b) {
    return SpinBowlerKey(a) > SpinBowlerKey(b);
}
bool CompareCaptaincy(int a, int b) {
    return CaptaincyKey(a) > CaptaincyKey(b);
}
bool CompareBattingPosition(int a, int b) {
    return BattingPositionKey(a) > BattingPositionKey(b);
}

Selection ChooseXI(int sideId, bool national, bool oneDay, int groundId) {
    Selection result;
    result.fill(-1);
    const std::vector<int32_t> pool = AvailablePlayers(sideId, national, oneDay);
    if (pool.size() < static_cast<size_t>(XI_PLAYERS)) return result;

    // The keys are wrapped so that each pick has its own FillFrom, the key inlined.
    std::vector<int32_t> chosen;
    chosen.reserve(XI_PLAYERS);
    std::vector<uint8_t> taken(pool.size(), 0);
    FillFrom(
        pool, taken, [](int32_t id) { return KeeperKey(id); }, chosen, 1);
    const int keeper = chosen.front();
    const Player* keeperRecord = P(keeper);
    const bool keeperOpens =
        keeperRecord && (keeperRecord->m_batPosition == 1 || keeperRecord->m_batPosition == 2);

    // The best openers, as many as the keeper leaves room for.
    FillFrom(
        pool, taken, [](int32_t id) { return OpenerKey(id); }, chosen, chosen.size() + (keeperOpens ? 1 : 2));
    FillFrom(
        pool, taken, [](int32_t id) { return MiddleOrderKey(id); }, chosen, 7);
    FillFrom(
        pool, taken, [](int32_t id) { return SpinBowlerKey(id); }, chosen,
        chosen.size() + static_cast<size_t>(SpinnersWanted(groundId)));
    FillFrom(
        pool, taken, [](int32_t id) { return PaceBowlerKey(id); }, chosen, XI_PLAYERS);

    std::vector<int32_t> captain = chosen;
    KeepBestByKey(captain, CaptaincyKey, 1);
    std::vector<int32_t> attack = chosen;
    KeepBestByKey(attack, PaceBowlerKey, 2);
    std::vector<int32_t> order = chosen;
    RankByKey(order, BattingPositionKey);

    std::copy(order.begin(), order.end(), result.begin());
    // Every role player is one of the eleven; the fall-backs only guard slots.
    const int keeperSlot = SlotOf(result, keeper);
    const int captainSlot = SlotOf(result, captain.front());
    const int open1Slot = SlotOf(result, attack[0]);
    const int open2Slot = SlotOf(result, attack[1]);
    result[SEL_KEEPER] = keeperSlot >= 0 ? keeperSlot : 5;
    result[SEL_CAPTAIN] = captainSlot >= 0 ? captainSlot : 2;
    result[SEL_OPEN_BOWLER1] = open1Slot >= 0 ? open1Slot : 9;
    result[SEL_OPEN_BOWLER2] = open2Slot >= 0 ? open2Slot : 10;

    if (!national) {
        Team* team = TeamById(sideId);
        for (int32_t id : team->m_squad)
            if (Player* p = id > 0 ? PlayerById(id) : nullptr) p->m_xiSlot = NOT_IN_XI;
        for (int slot = 0; slot < XI_PLAYERS; ++slot)
            PlayerById(result[static_cast<size_t>(slot)])->m_xiSlot = slot;
    }
    return result;
}

void StoreSelection(const Selection& selection, int32_t (&xi)[XI_SIZE]) {
    for (int slot = 0; slot < XI_PLAYERS; ++slot) xi[slot] = selection[static_cast<size_t>(slot)];
    // A role slot outside the eleven (the all -1 selection) names nobody.
    auto roleId = [&](int index) {
        const int slot = selection[static_cast<size_t>(index)];
        return (slot >= 0 && slot < XI_PLAYERS) ? selection[static_cast<size_t>(slot)] : -1;
    };
    xi[XI_KEEPER] = roleId(SEL_KEEPER);
    xi[XI_CAPTAIN] = roleId(SEL_CAPTAIN);
    xi[XI_OPEN_BOWLER1] = roleId(SEL_OPEN_BOWLER1);
    xi[XI_OPEN_BOWLER2] = roleId(SEL_OPEN_BOWLER2);
}

void PickXI(Country& country) {
    const bool oneDay = IsOneDaySquadKind(country.m_squadKind);
    StoreSelection(ChooseXI(country.m_id, true, oneDay, 0), country.m_xi);
}

void ClearXI(Country& country) {
    std::fill(std::begin(country.m_xi), std::end(country.m_xi), -1);
}

bool IsInSquad(const Country& country, int playerId) {
    return IsIdInList(country.SquadFor(country.m_squadKind), playerId);
}

bool IsIdInList(const std::vector<int32_t>& list, int id) {
    return std::find(list.begin(), list.end(), id) != list.end();
}

}  // namespace ravel

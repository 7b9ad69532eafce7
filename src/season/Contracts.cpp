#include "season/Contracts.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_set>

#include "season/Finance.h"
#include "season/News.h"
#include "season/Ranking.h"
#include "season/Selection.h"
#include "season/Squads.h"
#include "world/Random.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

std::vector<ContractOffer> g_contractOffers;
int32_t g_overseasCount = -1;

namespace {

constexpr float MIN_DEMAND = 12000.0f;
// A computer club reaches no higher than this times its squad's average.
constexpr float REACH = 1.5f;
// The chairman keeps players this much better than the squad's average.
constexpr float TOO_VALUABLE = 1.25f;
// A player accepts terms worth this share of his demand (more loyal to his
// own club), and asks for more from this share.
constexpr float ACCEPT_SHARE = 0.97f;
constexpr float RENEWAL_ACCEPT_SHARE = 0.9f;
constexpr float COUNTER_SHARE = 0.8f;
// Computer clubs keep a player whose rating is at least this share of the
// squad's average, until this age.
constexpr float KEEP_SHARE = 0.9f;
constexpr int KEEP_AGE = 34;
// Approaches a computer club makes beyond the places it must fill.
constexpr int SPARE_APPROACHES = 2;

// The day on which a hemisphere's window shuts: 1 May or 1 November.
int WindowEndDay(int hemisphere) {
    return hemisphere == HEMI_NORTH ? 30 : 31;
}

bool WindowStillAhead(int hemisphere) {
    return HemisphereOfSeason(g_cricket.m_date.m_season) == hemisphere &&
           g_cricket.m_date.m_dayOfSeason < WindowEndDay(hemisphere);
}

}  // namespace

int NewContractSeasons(int length, int hemisphere) {
    return length + (WindowStillAhead(hemisphere) ? 1 : 0);
}

namespace {

int CountIneligible(const Team& team) {
    int count = 0;
    for (int32_t id : team.m_squad) {
        const Player* p = id > 0 ? PlayerById(id) : nullptr;
        if (p && !p->IsEligibleFor(team.m_country)) ++count;
    }
    return count;
}

int OverseasLimit(const Team& team) {
    const Country* c = CountryById(team.m_country);
    return c ? c->m_overseasLimit : 0;
}

ContractOffer* FindOffer(int playerId, int teamId) {
    for (ContractOffer& o : g_contractOffers)
        if (o.m_player == playerId && o.m_team == teamId && o.m_state != OFFER_CLOSED) return &o;
    return nullptr;
}

// A computer club's offer: the demand, trimmed when money is short.
ContractOffer MakeOffer(int playerId, const Team& team, bool renewal) {
    ContractOffer o;
    o.m_renewal = renewal ? 1 : 0;
    o.m_player = playerId;
    o.m_team = team.m_id;
    ContractDemand(o);
    o.m_offerWage = o.m_demandWage;
    if (AvailableWageBudget(team) < o.m_offerWage) o.m_offerWage = o.m_demandWage * 9 / 10;
    o.m_offerLength = o.m_demandLength;
    o.m_offered = 1;
    o.m_state = OFFER_MADE;
    o.StartReplyCountdown();
    return o;
}

float TermsShare(const ContractOffer& o) {
    if (o.m_demandWage <= 0) return 1.0f;
    const float wage = static_cast<float>(o.m_offerWage) / static_cast<float>(o.m_demandWage);
    return wage - 0.05f * static_cast<float>(std::abs(o.m_offerLength - o.m_demandLength));
}

bool KeepsPlayer(const Team& team, const Player& p) {
    return !p.m_retiring && p.Age() < KEEP_AGE &&
           static_cast<float>(p.OverallRating()) >= KEEP_SHARE * AverageRating(team);
}

enum Role { ROLE_KEEPER, ROLE_SPIN, ROLE_PACE, ROLE_BAT, ROLES };

bool HasRole(const Player& p, int role) {
    switch (role) {
        case ROLE_KEEPER:
            return p.m_keeper == 1;
        case ROLE_SPIN:
            return IsSpin(p.m_bowlType) && p.m_keeper != 1;
        case ROLE_PACE:
            return IsPace(p.m_bowlType) && p.m_keeper != 1;
        default:
            return p.m_keeper != 1 && p.m_batPosition <= 7;
    }
}

// Players a club wants of each role in a full squad.
constexpr int ROLE_WANTED[ROLES] = {2, 3, 6, 8};

// Whether the player stays at the club past the window: a longer contract,
// or an agreed renewal.
bool StaysAfterWindow(const Team& team, const Player& p) {
    const int hemi = HemisphereOf(team);
    if (p.m_transferArranged || p.m_retiring) return false;
    if (SeasonsIn(p, hemi) > 1) return true;
    for (const ContractOffer& o : g_contractOffers)
        if (o.m_player == p.m_id && o.m_team == team.m_id && o.m_state != OFFER_CLOSED) return true;
    return false;
}

}  // namespace

void ContractOffer::StartReplyCountdown() {
    if (m_state == OFFER_MADE)
        m_countdown = 1 + Rand() % REPLY_DAYS_LONGEST;
    else if (m_state == OFFER_ACCEPTED)
        m_countdown = 1 + Rand() % 2;
    else
        m_countdown = 1;
}

void ContractDemand(ContractOffer& offer) {
    const Player* p = PlayerById(offer.m_player);
    if (!p) return;
    // Priced as a club prices its wages (Player::SetWage): his skills and a
    // share of the club's money.
    const Team* club = TeamById(offer.m_team);
    const float bonus = club ? static_cast<float>(static_cast<int>(club->m_money * 0.025 * 0.5)) : 0.0f;
    float value = p->SkillMean() * 400.0f + bonus;
    const int age = p->Age();
    if (age < 23)
        value *= 0.7f;
    else if (age >= 35)
        value *= 0.75f;
    else if (age >= 31)
        value *= 0.9f;
    const PlayerStats& test = p->m_stats[STATS_CAREER_TEST];
    const PlayerStats& fc = p->m_stats[STATS_CAREER_FC];
    if (test.m_matches > 15) {
        const int outs = test.m_innings - test.m_notOuts;
        const float bat = outs >= 1 ? static_cast<float>(test.m_runs) / static_cast<float>(outs) : 0.0f;
        if (bat > 50.0f)
            value *= 1.4f;
        else if (bat > 40.0f)
            value *= 1.2f;
        if (test.m_wickets > 15) {
            const float bowl = static_cast<float>(test.m_runsConceded) / static_cast<float>(test.m_wickets);
            if (bowl < 25.0f)
                value *= 1.4f;
            else if (bowl < 30.0f)
                value *= 1.2f;
        }
    }
    if (fc.m_matches < 30) value *= 0.5f;
    if (p->m_retiredTest) value *= 0.75f;
    value = std::max(value, MIN_DEMAND);
    static const int CUTS[3] = {1000, 1500, 2000};
    value -= static_cast<float>(CUTS[Rand() % 3]);
    offer.m_demandWage = static_cast<int32_t>(value);
    offer.m_demandLength = 1 + Rand() % 3;
}

bool OverseasPlaceFree(const Team& team) {
    return CountIneligible(team) < OverseasLimit(team);
}

void PutUserOffer(ContractOffer offer, int teamId) {
    offer.m_state = OFFER_MADE;
    offer.m_offered = 1;
    offer.StartReplyCountdown();
    const auto same = [&](const ContractOffer& o) {
        return o.m_player == offer.m_player && o.m_team == teamId;
    };
    const auto it = std::find_if(g_contractOffers.begin(), g_contractOffers.end(), same);
    if (it != g_contractOffers.end())
        *it = offer;
    else
        g_contractOffers.push_back(offer);
    PendingNewsItem item;
    item.m_code = item.m_storyCode = NEWS_CONTRACT_OFFER;
    item.m_date = g_cricket.m_date;
    item.AddLink(LINK_PLAYER, offer.m_player);
    PostNews(item);
    if (UserCoach* coach = CurrentProfile()) {
        const GameDate& today = g_cricket.m_date;
        coach->DeliverPendingNews(today.m_day, today.m_month, today.m_year);
    }
}

int CanSignPlayer(int playerId, int teamId, int flag) {
    const Player* p = PlayerById(playerId);
    const Team* side = TeamById(teamId);
    if (!p || !side) return SIGN_NOT_ELIGIBLE;
    const Team& team = *side;
    const int hemi = HemisphereOf(team);
    if (HemisphereOfSeason(g_cricket.m_date.m_season) != hemi) return SIGN_OUT_OF_SEASON;
    if (p->m_retiring || p->m_retired) return SIGN_RETIRING;
    if (p->m_transferArranged) return SIGN_ARRANGED;
    if (SeasonsIn(*p, hemi) > 1) return hemi == HEMI_NORTH ? SIGN_NORTH_CONTRACT : SIGN_SOUTH_CONTRACT;
    const int club = ClubIn(*p, hemi);
    const int day = g_cricket.m_date.m_dayOfSeason;
    if (club > 0 && club != team.m_id && (day < WINDOW_FIRST_DAY || day > WINDOW_LAST_DAY))
        return SIGN_WINDOW;
    const bool eligible = p->IsEligibleFor(team.m_country);
    if (flag == 1) {
        if (g_overseasCount == -1) g_overseasCount = CountIneligible(team);
        if (!eligible && g_overseasCount >= OverseasLimit(team)) return SIGN_OVERSEAS_FULL;
    } else if (!eligible) {
        return SIGN_NOT_ELIGIBLE;
    }
    if (!team.m_human && static_cast<float>(p->OverallRating()) >= REACH * AverageRating(team))
        return SIGN_WINDOW;
    return SIGN_OK;
}

int ReleaseFromContract(int playerId, int hemisphere) {
    Player* p = PlayerById(playerId);
    if (!p) return RELEASE_TOO_FEW;
    Team* team = TeamById(ClubIn(*p, hemisphere));
    if (!team) return RELEASE_TOO_FEW;
    if (static_cast<float>(p->OverallRating()) > TOO_VALUABLE * AverageRating(*team))
        return RELEASE_TOO_VALUABLE;
    if (SquadCount(*team) - 1 < MIN_CONTRACTED) return RELEASE_TOO_FEW;
    for (ContractOffer& o : g_contractOffers)
        if (o.m_player == playerId && o.m_team == team->m_id) o.m_state = OFFER_CLOSED;
    ReleaseToFreeAgency(playerId, hemisphere);
    CompactSquad(*team);
    StoreSelection(ChooseXI(team->m_id, false, false, team->m_ground), team->m_xi);
    return RELEASE_DONE;
}

void ReviewExpiringContracts(int hemisphere) {
    for (Team& team : g_world.mv_teams) {
        if (HemisphereOf(team) != hemisphere) continue;
        int expiring = 0;
        for (int32_t id : team.m_squad) {
            Player* p = id > 0 ? PlayerById(id) : nullptr;
            if (!p || SeasonsIn(*p, hemisphere) > 1) continue;
            ++expiring;
            if (team.m_human || !KeepsPlayer(team, *p) || FindOffer(id, team.m_id)) continue;
            g_contractOffers.push_back(MakeOffer(id, team, true));
        }
        if (team.m_human && expiring > 0)
            PostToSideCoach(team.m_id, NEWS_CONTRACTS_EXPIRING, expiring, {SideLink(team.m_id)});
    }
}

namespace {

// A computer club looking for players this window: what it has of each role,
// the approaches it may still make, where its search of the market stands
// and its own count of overseas players for CanSignPlayer.
struct Suitor {
    Team* m_team = nullptr;
    int m_have[ROLES] = {};
    int m_approaches = 0;
    int m_pass = 0;
    size_t m_next = 0;
    int32_t m_overseas = -1;
};

// The player and club of every open offer while the clubs fill their squads,
// for FindOffer's answer without a walk through the table: offers are only
// added then, none closed.
class OpenOffers {
public:
    OpenOffers() {
        for (const ContractOffer& o : g_contractOffers)
            if (o.m_state != OFFER_CLOSED) m_pairs.insert(Key(o.m_player, o.m_team));
    }
    bool Has(int playerId, int teamId) const { return m_pairs.count(Key(playerId, teamId)) > 0; }
    void Add(const ContractOffer& o) {
        g_contractOffers.push_back(o);
        m_pairs.insert(Key(o.m_player, o.m_team));
    }

private:
    static uint64_t Key(int playerId, int teamId) {
        return static_cast<uint64_t>(static_cast<uint32_t>(playerId)) << 32 | static_cast<uint32_t>(teamId);
    }
    std::unordered_set<uint64_t> m_pairs;
};

// The next player the club wants: roles short of what a squad wants go
// first, then the best left. Players passed over stay passed over, since a
// club only comes to want fewer players; -1 when none is left.
int NextTarget(Suitor& s, const std::vector<int32_t>& market, int hemisphere, const OpenOffers& open) {
    for (; s.m_pass <= ROLES; ++s.m_pass, s.m_next = 0) {
        for (; s.m_next < market.size(); ++s.m_next) {
            const int32_t id = market[s.m_next];
            const Player& p = g_world.mv_players[id];
            if (s.m_pass < ROLES && (s.m_have[s.m_pass] >= ROLE_WANTED[s.m_pass] || !HasRole(p, s.m_pass)))
                continue;
            if (ClubIn(p, hemisphere) == s.m_team->m_id || open.Has(id, s.m_team->m_id)) continue;
            g_overseasCount = s.m_overseas;
            const int code = CanSignPlayer(id, s.m_team->m_id, 1);
            s.m_overseas = g_overseasCount;
            if (code == SIGN_OK) return id;
        }
    }
    return -1;
}

// A human club's player is approached only while his coach can still answer
// before the window shuts.
bool UserCanAnswer(const Player& p, int hemisphere) {
    const int club = ClubIn(p, hemisphere);
    const Team* owner = club > 0 ? TeamById(club) : nullptr;
    return !owner || !owner->m_human || g_cricket.m_date.m_dayOfSeason + USER_ANSWER_DAYS <= WINDOW_LAST_DAY;
}

void Approach(Suitor& s, int32_t id, int hemisphere, std::vector<std::pair<int32_t, int32_t>>& toUsers,
              OpenOffers& open) {
    const Player& p = g_world.mv_players[id];
    ContractOffer offer = MakeOffer(id, *s.m_team, false);
    const int club = ClubIn(p, hemisphere);
    Team* owner = club > 0 ? TeamById(club) : nullptr;
    if (owner && owner->m_human) {
        offer.m_countdown = std::max(offer.m_countdown, USER_ANSWER_DAYS);
        toUsers.emplace_back(id, s.m_team->m_id);
    } else if (owner && KeepsPlayer(*owner, p) && !open.Has(id, owner->m_id)) {
        open.Add(MakeOffer(id, *owner, true));
    }
    open.Add(offer);
    --s.m_approaches;
    // An approach holds an overseas place until it is settled.
    if (!p.IsEligibleFor(s.m_team->m_country) && s.m_overseas >= 0) ++s.m_overseas;
    for (int r = 0; r < ROLES; ++r)
        if (HasRole(p, r)) ++s.m_have[r];
}

// The human coach hears once of the clubs that approached his player.
void PostApproachNews(const std::vector<std::pair<int32_t, int32_t>>& approaches, int hemisphere) {
    std::vector<int32_t> players;
    for (const auto& a : approaches)
        if (std::find(players.begin(), players.end(), a.first) == players.end()) players.push_back(a.first);
    for (int32_t id : players) {
        UserCoach* coach = UserCoachOfSide(ClubIn(g_world.mv_players[id], hemisphere));
        if (!coach) continue;
        PendingNewsItem item;
        item.m_code = NEWS_APPROACH_FOR_PLAYER;
        item.m_date = Tomorrow();
        item.AddLink(LINK_PLAYER, id);
        for (const auto& a : approaches)
            if (a.first == id) {
                item.AddLink(LINK_CLUB, a.second);
                ++item.m_figure;
            }
        coach->mv_pending.push_back(item);
    }
}

}  // namespace

void FillSquadRoles(int hemisphere) {
    // Players who could move this window, best first.
    std::vector<int32_t> market;
    for (const Player& p : g_world.mv_players)
        if (p.m_id > 0 && !p.m_retired && !p.m_retiring && !p.m_transferArranged &&
            SeasonsIn(p, hemisphere) <= 1 && UserCanAnswer(p, hemisphere))
            market.push_back(p.m_id);
    RankByKey(market, [](int32_t id) { return g_world.mv_players[id].OverallRating(); });
    std::vector<Suitor> suitors;
    for (Team& team : g_world.mv_teams) {
        if (team.m_human || HemisphereOf(team) != hemisphere) continue;
        Suitor s;
        s.m_team = &team;
        int staying = 0;
        for (int32_t id : team.m_squad) {
            const Player* p = id > 0 ? PlayerById(id) : nullptr;
            if (!p || !StaysAfterWindow(team, *p)) continue;
            ++staying;
            for (int r = 0; r < ROLES; ++r)
                if (HasRole(*p, r)) ++s.m_have[r];
        }
        int pending = 0;
        for (const ContractOffer& o : g_contractOffers)
            if (o.m_team == team.m_id && !o.m_renewal && o.m_state != OFFER_CLOSED) ++pending;
        const int places = TARGET_SQUAD - staying - pending;
        if (places <= 0) continue;
        s.m_approaches = places + SPARE_APPROACHES;
        suitors.push_back(s);
    }
    // The clubs take turns, one approach each, in an order drawn afresh each
    // window, so that no club always has the first pick of the market.
    for (size_t i = suitors.size(); i > 1; --i) std::swap(suitors[i - 1], suitors[Rand() % i]);
    std::vector<std::pair<int32_t, int32_t>> toUsers;  // player, approaching club
    OpenOffers open;
    for (bool any = true; any;) {
        any = false;
        for (Suitor& s : suitors) {
            if (s.m_approaches <= 0) continue;
            const int id = NextTarget(s, market, hemisphere, open);
            if (id < 0) {
                s.m_approaches = 0;
                continue;
            }
            Approach(s, id, hemisphere, toUsers, open);
            any = true;
        }
    }
    g_overseasCount = -1;
    PostApproachNews(toUsers, hemisphere);
}

void ResolveContractOffers() {
    for (ContractOffer& o : g_contractOffers) {
        if (o.m_state != OFFER_MADE || --o.m_countdown > 0) continue;
        const Player* p = PlayerById(o.m_player);
        const Team* team = TeamById(o.m_team);
        if (!p || !team || p->m_retiring || p->m_retired || p->m_transferArranged) {
            o.m_state = OFFER_CLOSED;
        } else {
            const float share = TermsShare(o);
            const bool own = ClubIn(*p, HemisphereOf(*team)) == team->m_id;
            if (share >= (own ? RENEWAL_ACCEPT_SHARE : ACCEPT_SHARE)) {
                o.m_state = OFFER_ACCEPTED;
                o.StartReplyCountdown();
            } else {
                o.m_state = team->m_human && share >= COUNTER_SHARE ? OFFER_COUNTER : OFFER_CLOSED;
            }
        }
        if (team && team->m_human) {
            const int code = o.m_state == OFFER_ACCEPTED  ? NEWS_OFFER_ACCEPTED
                             : o.m_state == OFFER_COUNTER ? NEWS_OFFER_COUNTER
                                                          : NEWS_OFFER_REJECTED;
            PostToSideCoach(team->m_id, code, o.m_demandWage,
                            {{LINK_PLAYER, o.m_player}, SideLink(team->m_id)});
        }
    }
}

void ReplyToOffers() {
    for (ContractOffer& o : g_contractOffers) {
        if (o.m_state != OFFER_ACCEPTED || --o.m_countdown > 0) continue;
        Player* p = PlayerById(o.m_player);
        Team* team = TeamById(o.m_team);
        if (!p || !team || p->m_transferArranged) {
            o.m_state = OFFER_CLOSED;
            continue;
        }
        const int hemi = HemisphereOf(*team);
        const int club = ClubIn(*p, hemi);
        // The best of the terms he has accepted; his own club's within a tenth
        // of the best keeps him.
        ContractOffer* best = nullptr;
        float bestValue = 0.0f;
        for (ContractOffer& other : g_contractOffers) {
            if (other.m_player != o.m_player || other.m_state != OFFER_ACCEPTED) continue;
            const Team* t = TeamById(other.m_team);
            if (!t || HemisphereOf(*t) != hemi) continue;
            float value = static_cast<float>(other.m_offerWage);
            if (other.m_team == club) value *= 1.1f;
            if (!best || value > bestValue) {
                best = &other;
                bestValue = value;
            }
        }
        if (!best) continue;
        for (ContractOffer& other : g_contractOffers) {
            if (other.m_player != o.m_player || &other == best || other.m_state == OFFER_CLOSED) continue;
            const Team* t = TeamById(other.m_team);
            if (!t || HemisphereOf(*t) != hemi) continue;
            other.m_state = OFFER_CLOSED;
            if (t->m_human)
                PostToSideCoach(t->m_id, NEWS_PLAYER_SIGNED_ELSEWHERE, 0,
                                {{LINK_PLAYER, o.m_player}, SideLink(best->m_team)});
        }
        best->m_state = OFFER_AGREED;
        Team& signer = *TeamById(best->m_team);
        if (best->m_team == club) {
            // A renewal agreed before the window shuts also covers the season
            // that the shut takes off.
            WageIn(*p, hemi) = best->m_offerWage;
            SeasonsIn(*p, hemi) = NewContractSeasons(best->m_offerLength, hemi);
        } else if (club <= 0 || !WindowStillAhead(hemi)) {
            SignForClub(p->m_id, signer, best->m_offerWage, NewContractSeasons(best->m_offerLength, hemi));
            PostToSideCoach(signer.m_id, NEWS_PLAYER_JOINED, 0,
                            {{LINK_PLAYER, p->m_id}, SideLink(signer.m_id)});
        } else {
            p->m_transferArranged = 1;
            p->m_leaving = 1;  // the window shuts at the end of the month
            PostToSideCoach(club, NEWS_PLAYER_LEAVING, 0,
                            {{LINK_PLAYER, p->m_id}, SideLink(club), SideLink(signer.m_id)});
        }
    }
}

namespace {

// Offers of the hemisphere's clubs that are closed or agreed, and offers of
// clubs that no longer exist, are done with.
void DropSettledOffers(int hemisphere) {
    std::erase_if(g_contractOffers, [hemisphere](const ContractOffer& o) {
        const Team* t = TeamById(o.m_team);
        return !t ||
               (HemisphereOf(*t) == hemisphere && (o.m_state == OFFER_CLOSED || o.m_state == OFFER_AGREED));
    });
}

}  // namespace

void TransferWindowDayOne(int hemisphere) {
    DropSettledOffers(hemisphere);
    for (Player& p : g_world.mv_players) p.m_leaving = 0;
}

void TransferSideNews(int dayOfSeason) {
    if (dayOfSeason != WINDOW_FIRST_DAY) return;
    const int hemi = HemisphereOfSeason(g_cricket.m_date.m_season);
    for (const Team& team : g_world.mv_teams)
        if (team.m_human && HemisphereOf(team) == hemi)
            PostToSideCoach(team.m_id, NEWS_WINDOW_OPEN, 0, {SideLink(team.m_id)});
}

void EndOfWindowNews(int hemisphere) {
    for (const Team& team : g_world.mv_teams) {
        if (!team.m_human || HemisphereOf(team) != hemisphere) continue;
        int joining = 0;
        for (const ContractOffer& o : g_contractOffers) {
            if (o.m_team != team.m_id || o.m_state != OFFER_AGREED) continue;
            const Player* p = PlayerById(o.m_player);
            if (p && ClubIn(*p, hemisphere) != team.m_id) ++joining;
        }
        PostToSideCoach(team.m_id, NEWS_WINDOW_CLOSED, joining, {SideLink(team.m_id)});
    }
}

void EndOfWindowSquadWork(int hemisphere) {
    // Agreed moves first, so that a mover's new contract is not run down.
    for (ContractOffer& o : g_contractOffers) {
        Team* team = TeamById(o.m_team);
        Player* p = PlayerById(o.m_player);
        if (!team || !p || HemisphereOf(*team) != hemisphere) continue;
        if (o.m_state == OFFER_AGREED && ClubIn(*p, hemisphere) != team->m_id) {
            SignForClub(p->m_id, *team, o.m_offerWage, o.m_offerLength + 1);
            PostToSideCoach(team->m_id, NEWS_PLAYER_JOINED, 0,
                            {{LINK_PLAYER, p->m_id}, SideLink(team->m_id)});
        } else if (o.m_state != OFFER_AGREED && ClubIn(*p, hemisphere) > 0) {
            // Approaches to contracted players lapse with the window.
            o.m_state = OFFER_CLOSED;
        }
    }
    for (Player& p : g_world.mv_players) {
        const int club = ClubIn(p, hemisphere);
        if (p.m_id <= 0 || club <= 0) continue;
        int32_t& seasons = SeasonsIn(p, hemisphere);
        if (--seasons > 0 && !p.m_retired) continue;
        PostToSideCoach(club, NEWS_CONTRACT_ENDED, 0, {{LINK_PLAYER, p.m_id}, SideLink(club)});
        ReleaseToFreeAgency(p.m_id, hemisphere);
    }
    DropSettledOffers(hemisphere);
    TopUpTeamSquads();
    for (Team& team : g_world.mv_teams) {
        if (HemisphereOf(team) != hemisphere) continue;
        CompactSquad(team);
        if (!team.m_human) StoreSelection(ChooseXI(team.m_id, false, false, team.m_ground), team.m_xi);
    }
    ++g_squadRebuilds;
}

void TransferWindowStep() {
    const int season = g_cricket.m_date.m_season;
    const int day = g_cricket.m_date.m_dayOfSeason;
    const int hemi = HemisphereOfSeason(season);
    if (day == 1) {
        TransferWindowDayOne(hemi);
        TransferSideNews(day);
    }
    if (day == 11 || day == 12) TransferSideNews(day);
    if (day == 1) ReviewExpiringContracts(hemi);
    if (day == 14) FillSquadRoles(hemi);
    if (day == WindowEndDay(hemi)) {
        EndOfWindowNews(hemi);
        EndOfWindowSquadWork(hemi);
    }
    ResolveContractOffers();
    ReplyToOffers();
}

}  // namespace ravel

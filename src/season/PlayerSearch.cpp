#include "season/PlayerSearch.h"

#include "season/Contracts.h"
#include "season/Squads.h"
#include "world/World.h"

namespace ravel {

void PlayerFilter::Reset() {
    m_nationality = 0;
    m_openers = m_specialists = m_allRounders = m_lateOrder = m_tailEnders = 1;
    for (uint8_t& type : m_bowlTypes) type = 1;
    m_keepers = m_injured = 1;
}

namespace {

char Fold(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SurnameHolds(const char* surname, const std::string& part) {
    if (part.empty()) return true;
    std::string folded(surname);
    std::string wanted(part);
    for (char& c : folded) c = Fold(c);
    for (char& c : wanted) c = Fold(c);
    return folded.find(wanted) != std::string::npos;
}

// Whether a switch at 0 leaves the player out.
bool SwitchedOff(const PlayerFilter& f, const Player& p) {
    const int pos = p.m_batPosition;
    if (!f.m_testRetired && p.m_retiredTest == 1) return true;
    if (!f.m_odiRetired && p.m_retiredOdi == 1) return true;
    if (!f.m_openers && (pos == 1 || pos == 2)) return true;
    if (!f.m_specialists && pos >= 3 && pos <= 6) return true;
    if (!f.m_allRounders && (pos == 6 || pos == 7)) return true;
    if (!f.m_lateOrder && (pos == 8 || pos == 9)) return true;
    if (!f.m_tailEnders && (pos == 10 || pos == 11)) return true;
    if (p.m_bowlType >= BOWL_NONE && p.m_bowlType <= BOWL_WRIST_SPIN && !f.m_bowlTypes[p.m_bowlType])
        return true;
    if (!f.m_keepers && (p.m_keeper == 1 || p.m_keeper == 2)) return true;
    return !f.m_injured && p.m_injured == 1;
}

bool Keep(const PlayerFilter& f, const Player& p) {
    if (!p.m_surname[0]) return false;
    if (f.m_nationality > 0 && !p.IsOfCountry(f.m_nationality)) return false;
    if (p.m_retired == 1) return false;
    if (f.m_available == 1) {
        const Team* club = TeamById(f.m_team);
        if (!club || CanSignPlayer(p.m_id, club->m_id, 1) != SIGN_OK) return false;
    }
    return SurnameHolds(p.m_surname, f.m_name) && !SwitchedOff(f, p);
}

}  // namespace

void SearchPlayers(PlayerFilter request, std::vector<int32_t>& result) {
    std::vector<int32_t>().swap(result);
    // The count is the searching club's, not the last club asked about.
    g_overseasCount = -1;
    const auto& players = g_world.mv_players;
    for (size_t i = 0; i < players.size(); ++i)
        if (Keep(request, players[i])) result.push_back(static_cast<int32_t>(i));
}

}  // namespace ravel

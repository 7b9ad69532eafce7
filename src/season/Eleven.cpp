#include "season/Eleven.h"

#include <cstddef>
#include <utility>

namespace ravel {

namespace {

bool InEleven(int slot) {
    return slot >= 0 && slot < XI_PLAYERS;
}

int SlotOf(const int32_t (&xi)[XI_SIZE], int playerId) {
    for (int i = 0; i < XI_PLAYERS; ++i)
        if (xi[i] == playerId) return i;
    return -1;
}

bool IsRole(int role) {
    return role >= XI_KEEPER && role < XI_SIZE;
}

}  // namespace

bool PlaceInEleven(int32_t (&xi)[XI_SIZE], int slot, int playerId) {
    if (!InEleven(slot) || playerId < 1) return false;
    const int32_t former = xi[slot];
    const int from = SlotOf(xi, playerId);
    if (from >= 0) xi[from] = former;
    if (former >= 1 && former != playerId) {
        for (int role = XI_KEEPER; role < XI_SIZE; ++role)
            if (xi[role] == former) xi[role] = playerId;
    }
    xi[slot] = playerId;
    return true;
}

bool MoveUpBattingOrder(int32_t (&xi)[XI_SIZE], int& slot) {
    if (slot < 1 || slot >= XI_PLAYERS) return false;
    std::swap(xi[slot], xi[slot - 1]);
    --slot;
    return true;
}

bool MoveDownBattingOrder(int32_t (&xi)[XI_SIZE], int& slot) {
    if (slot < 0 || slot >= XI_PLAYERS - 1) return false;
    std::swap(xi[slot], xi[slot + 1]);
    ++slot;
    return true;
}

bool RoleAllowed(const int32_t (&xi)[XI_SIZE], int slot, int role) {
    if (!InEleven(slot) || !IsRole(role) || xi[slot] < 1) return false;
    const int32_t id = xi[slot];
    if (role == XI_KEEPER) return id != xi[XI_OPEN_BOWLER1] && id != xi[XI_OPEN_BOWLER2];
    if (role == XI_OPEN_BOWLER1 || role == XI_OPEN_BOWLER2) return id != xi[XI_KEEPER];
    return true;
}

bool AssignRole(int32_t (&xi)[XI_SIZE], int slot, int role) {
    if (!RoleAllowed(xi, slot, role)) return false;
    const int32_t id = xi[slot];
    if (role == XI_OPEN_BOWLER1 || role == XI_OPEN_BOWLER2) {
        const int other = role == XI_OPEN_BOWLER1 ? XI_OPEN_BOWLER2 : XI_OPEN_BOWLER1;
        if (xi[other] == id) xi[other] = xi[role];
    }
    xi[role] = id;
    return true;
}

bool StoreAutoSelection(const Selection& selection, int32_t (&xi)[XI_SIZE]) {
    for (int i = 0; i < XI_PLAYERS; ++i)
        if (selection[static_cast<size_t>(i)] < 1) return false;
    StoreSelection(selection, xi);
    return true;
}

}  // namespace ravel

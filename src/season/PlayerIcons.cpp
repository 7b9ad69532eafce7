#include "season/PlayerIcons.h"

#include "season/Selection.h"
#include "world/World.h"

namespace ravel {

namespace {

constexpr int KEEPER = 1;  // an occasional keeper (2) is classed by his skills
constexpr float FORM_TOP = 20.0f;
// Lower bounds of the form steps, best first; below the last is the worst.
constexpr float FORM_STEPS[] = {14.0f, 8.0f, 3.0f, -2.0f, -10.0f, -18.0f};
constexpr int FORM_MIDDLE = 3;

bool Opener(const Player& p) {
    return p.m_batPosition == 1 || p.m_batPosition == 2;
}

int FormStep(float form) {
    if (!(form <= FORM_TOP)) return FORM_MIDDLE;  // above the top, or NaN
    int step = 0;
    for (float bound : FORM_STEPS) {
        if (form >= bound) return step;
        ++step;
    }
    return step;
}

}  // namespace

int32_t PlayerRoleIcon(int playerId) {
    const Player* p = PlayerById(playerId);
    if (!p) return ICON_ALLROUNDER;
    const int d = PlayerBattingRating(playerId) - PlayerBowlingRating(playerId);
    if (d > ROLE_MARGIN) return Opener(*p) ? ICON_BATSMAN_OPENER : ICON_BATSMAN;
    if (d < -ROLE_MARGIN) return Opener(*p) ? ICON_BOWLER_OPENER : ICON_BOWLER;
    return Opener(*p) ? ICON_ALLROUNDER_OPENER : ICON_ALLROUNDER;
}

int32_t PlayerRoleIconWithKeeper(int playerId) {
    const Player* p = PlayerById(playerId);
    if (p && p->m_keeper == KEEPER) return Opener(*p) ? ICON_KEEPER_OPENER : ICON_KEEPER;
    return PlayerRoleIcon(playerId);
}

int32_t BatFormIcon(int playerId) {
    const Player* p = PlayerById(playerId);
    return ICON_BAT_FORM_BEST + (p ? FormStep(p->m_batForm) : FORM_MIDDLE);
}

int32_t BowlFormIcon(int playerId) {
    const Player* p = PlayerById(playerId);
    return ICON_BOWL_FORM_BEST + (p ? FormStep(p->m_bowlForm) : FORM_MIDDLE);
}

}  // namespace ravel

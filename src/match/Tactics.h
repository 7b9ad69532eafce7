// A bowler's tactics in the user's match: the plan he bowls to a batsman and
// the fields of its balls, edited from the match view. The edits are made
// on copies and written into the world's plan and field tables and into the
// bowler's MatchPlayer.
#pragma once

#include <cstdint>
#include <vector>

#include "world/Competitions.h"
#include "world/Records.h"
#include "world/World.h"

namespace ravel {

struct MatchPlayer;

inline constexpr int MOST_BOUNDARY_FIELDERS = 2;  // on positions with the boundary flag
inline constexpr int CLOSE_FIELD = 7;  // close fielders that make a plan's field "many in the field"
inline constexpr int PLAN_NAME_LENGTH = 30;
inline constexpr int FIELD_NAME_LENGTH = 25;
inline constexpr int FIELDER_REACH = 10;  // pixels around a fielder's point that pick him

// The table a bowler's plans come from: the spin plans for a spinner.
inline std::vector<BowlPlan>& BowlPlanTable(bool spinner) {
    return spinner ? g_world.mv_spinPlans : g_world.mv_pacePlans;
}
std::vector<BowlPlan>& BowlPlanTable(const MatchPlayer& bowler);
// The plan at an index of the bowler's table, nullptr outside it.
const BowlPlan* BowlPlanAt(const MatchPlayer& bowler, int32_t index);

// The working fields of the plan editor, each with its pair of arrows.
enum PlanField : int {
    PLAN_SIDE,
    PLAN_LENGTH,
    PLAN_MOVEMENT,
    PLAN_FIELD,
    PLAN_EFFORT,
};

// The state of the two editors while one is open: the plan being edited, its
// selected ball and that ball's working fields, and the field being edited.
struct TacticsEditor {
    BowlPlan m_plan;
    bool mb_spinTable = false;  // the bowler's table, where the plan is saved
    int32_t mi_ball = 0;        // the selected ball
    PlanBall m_working;         // the selected ball's fields as edited
    FieldSetup m_field;
    int32_t mi_fielder = -1;  // the fielder being moved
    uint8_t mb_fielderMenuOpen = 0;

    // The bowler's plan against a batting position; an index outside his
    // table opens a new, unsaved plan.
    void Open(const MatchPlayer& bowler, int battingPosition);
    // Writes the working fields and the name into the plan and saves it: over
    // its record when user-created, else as a new plan that the bowler then
    // bowls to the batting position.
    void Done(const char* name, MatchPlayer& bowler, int battingPosition);
    // A new plan of one default ball, added to the table at once.
    void CreateNew();
    void Up();
    void Down();
    void Add();
    void Remove();
    void Step(PlanField field, int direction);
    // Selects ball index; false when the plan has no such ball.
    bool SelectBall(int index);
    int BallCount() const { return static_cast<int>(m_plan.mv_balls.size()); }

    // The field of the working ball, copied for the field editor.
    void OpenField();
    // Accepts the field unless too many fielders stand on boundary-flagged
    // positions; then saves it and makes it the working ball's field.
    bool FieldDone(const char* name);
    // The field becomes a new one, added to the table at once.
    void FieldNew();
    // The fielder moves to a position; whoever stood there takes his old one.
    void MoveFielder(int fielder, int32_t position);
    int BoundaryFielders() const;

private:
    void LoadWorking();
    void StoreWorking();
    void DefaultWorking();
    bool Spin() const { return m_plan.m_spin && !m_plan.m_pace; }
};

// The point of a field position on the match view's screen.
struct ScreenPoint {
    int x, y;
};
ScreenPoint FielderPoint(int32_t position);
// The last of the field's nine fielders whose point is within reach of
// (x, y), or -1.
int FielderAt(const FieldSetup& field, int x, int y);
// Some ball's field has at least seven fielders on close positions.
bool PlanHasManyInField(const BowlPlan& plan);

}  // namespace ravel

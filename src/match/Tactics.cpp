#include "match/Tactics.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "match/Match.h"
#include "world/World.h"

namespace ravel {

namespace {

constexpr const char* NEW_PLAN = "New Plan";
constexpr const char* NEW_FIELD = "New field";
constexpr const char* USER_CREATED = "User created";

// The field editor draws the large ground picture this far into the screen.
constexpr int FIELD_OFFSET_X = 203;
constexpr int FIELD_OFFSET_Y = 103;

// One past the last, wrapped to the first and back.
int32_t Wrap(int32_t value, int32_t first, int32_t last) {
    if (value < first) return last;
    if (value > last) return first;
    return value;
}

void SetText(char* dest, size_t size, const char* text) {
    size_t n = 0;
    for (; text && text[n] && n + 1 < size; ++n) dest[n] = text[n];
    std::fill(dest + n, dest + size, '\0');
}

template <size_t N>
void SetText(char (&dest)[N], const char* text) {
    SetText(dest, N, text);
}

bool FieldIsClose(const FieldSetup& field) {
    const auto& positions = g_world.mv_fieldPositions;
    int close = 0;
    for (int32_t p : field.m_positions) {
        if (p >= 0 && p < static_cast<int>(positions.size()) && positions[p].m_close) ++close;
    }
    return close >= CLOSE_FIELD;
}

}  // namespace

std::vector<BowlPlan>& BowlPlanTable(const MatchPlayer& bowler) {
    return BowlPlanTable(bowler.mb_spinner != 0);
}

const BowlPlan* BowlPlanAt(const MatchPlayer& bowler, int32_t index) {
    const std::vector<BowlPlan>& table = BowlPlanTable(bowler);
    return index >= 0 && index < static_cast<int32_t>(table.size()) ? &table[index] : nullptr;
}

bool PlanHasManyInField(const BowlPlan& plan) {
    for (const PlanBall& ball : plan.mv_balls) {
        if (const FieldSetup* field = FieldSetupById(ball.m_field); field && FieldIsClose(*field))
            return true;
    }
    return false;
}

ScreenPoint FielderPoint(int32_t position) {
    const auto& positions = g_world.mv_fieldPositions;
    if (position < 0 || position >= static_cast<int>(positions.size())) return {-1000, -1000};
    return {positions[position].m_x + FIELD_OFFSET_X, positions[position].m_y + FIELD_OFFSET_Y};
}

int FielderAt(const FieldSetup& field, int x, int y) {
    int hit = -1;
    for (int k = 0; k < FIELDERS; ++k) {
        const ScreenPoint p = FielderPoint(field.m_positions[k]);
        if (std::abs(x - p.x) <= FIELDER_REACH && std::abs(y - p.y) <= FIELDER_REACH) hit = k;
    }
    return hit;
}

void TacticsEditor::DefaultWorking() {
    const int32_t pace = m_working.m_pace;
    m_working = PlanBall{};
    m_working.m_field = 0;
    m_working.m_side = 0;
    m_working.m_length = LENGTH_GOOD;
    m_working.m_movement = Spin() ? MOVE_STRAIGHT_ONE : MOVE_STRAIGHT;
    m_working.m_pace = pace;
    m_working.m_effort = 5;
}

void TacticsEditor::LoadWorking() {
    if (mi_ball >= 0 && mi_ball < BallCount())
        m_working = m_plan.mv_balls[mi_ball];
    else
        DefaultWorking();
}

// A plan without balls takes the working ball as its first.
void TacticsEditor::StoreWorking() {
    if (mi_ball >= 0 && mi_ball < BallCount())
        m_plan.mv_balls[mi_ball] = m_working;
    else if (m_plan.mv_balls.empty())
        m_plan.mv_balls.push_back(m_working);
}

void TacticsEditor::Open(const MatchPlayer& bowler, int battingPosition) {
    mb_spinTable = bowler.mb_spinner != 0;
    mi_ball = 0;
    m_working = PlanBall{};
    mi_fielder = -1;
    mb_fielderMenuOpen = 0;
    if (const BowlPlan* plan = BowlPlanAt(bowler, bowler.BowlPlanFor(battingPosition))) {
        m_plan = *plan;
    } else {
        m_plan = BowlPlan{};
        m_plan.m_id = static_cast<int32_t>(BowlPlanTable(mb_spinTable).size());
        SetText(m_plan.m_name, NEW_PLAN);
        SetText(m_plan.m_description, USER_CREATED);
        m_plan.m_pace = mb_spinTable ? 0 : 1;
        m_plan.m_spin = mb_spinTable ? 1 : 0;
    }
    LoadWorking();
}

void TacticsEditor::Done(const char* name, MatchPlayer& bowler, int battingPosition) {
    StoreWorking();
    SetText(m_plan.m_name, name);
    m_plan.m_effortTotal = 0.0f;
    for (const PlanBall& ball : m_plan.mv_balls) m_plan.m_effortTotal += static_cast<float>(ball.m_effort);
    m_plan.m_manyInField = PlanHasManyInField(m_plan) ? 1 : 0;
    if (!m_plan.m_pace && !m_plan.m_spin) return;
    std::vector<BowlPlan>& table = BowlPlanTable(mb_spinTable);
    const auto length = static_cast<int32_t>(table.size());
    if (m_plan.m_userCreated && m_plan.m_id >= 0 && m_plan.m_id < length) {
        table[m_plan.m_id] = m_plan;
        return;
    }
    SetText(m_plan.m_description, USER_CREATED);
    m_plan.m_userCreated = 1;
    m_plan.m_id = length;
    table.push_back(m_plan);
    if (battingPosition >= 0 && battingPosition < SQUAD_SIZE)
        bowler.mi_bowlPlan[battingPosition] = m_plan.m_id;
}

void TacticsEditor::CreateNew() {
    std::vector<BowlPlan>& table = BowlPlanTable(mb_spinTable);
    SetText(m_plan.m_name, NEW_PLAN);
    SetText(m_plan.m_description, USER_CREATED);
    m_plan.m_userCreated = 1;
    m_plan.mv_balls.clear();
    DefaultWorking();
    m_plan.mv_balls.push_back(m_working);
    m_plan.m_id = static_cast<int32_t>(table.size());
    table.push_back(m_plan);
    mi_ball = 0;
}

void TacticsEditor::Up() {
    if (mi_ball <= 0 || mi_ball >= BallCount()) return;
    std::swap(m_plan.mv_balls[mi_ball], m_plan.mv_balls[mi_ball - 1]);
    --mi_ball;
}

void TacticsEditor::Down() {
    if (mi_ball < 0 || mi_ball + 1 >= BallCount()) return;
    std::swap(m_plan.mv_balls[mi_ball], m_plan.mv_balls[mi_ball + 1]);
    ++mi_ball;
}

void TacticsEditor::Add() {
    const bool empty = m_plan.mv_balls.empty();
    StoreWorking();
    if (!empty) m_plan.mv_balls.push_back(m_working);
    mi_ball = BallCount() - 1;
}

void TacticsEditor::Remove() {
    if (m_plan.mv_balls.empty()) return;
    if (BallCount() > 1 && mi_ball >= 0 && mi_ball < BallCount())
        m_plan.mv_balls.erase(m_plan.mv_balls.begin() + mi_ball);
    mi_ball = 0;
    LoadWorking();
}

void TacticsEditor::Step(PlanField field, int direction) {
    PlanBall& w = m_working;
    switch (field) {
        case PLAN_SIDE:
            w.m_side = w.m_side == 0 ? 1 : 0;
            return;
        case PLAN_LENGTH:
            w.m_length = Wrap(w.m_length + direction, LENGTH_GOOD, LENGTH_BOUNCER);
            return;
        case PLAN_MOVEMENT: {
            const bool pace = m_plan.m_pace != 0, spin = !pace && m_plan.m_spin != 0;
            const int32_t first = spin ? MOVE_LEG_BREAK : MOVE_STRAIGHT;
            const int32_t last = pace ? MOVE_SLOWER : MOVE_SPECIALITY;
            w.m_movement = Wrap(w.m_movement + direction, first, last);
            return;
        }
        case PLAN_FIELD: {
            const auto count = static_cast<int32_t>(g_world.mv_fieldSetups.size());
            w.m_field = Wrap(w.m_field + direction, 0, std::max(0, count - 1));
            return;
        }
        case PLAN_EFFORT:
            w.m_effort = std::clamp(w.m_effort + direction, 0, MAX_EFFORT);
            return;
    }
}

bool TacticsEditor::SelectBall(int index) {
    if (index < 0 || index >= BallCount()) return false;
    StoreWorking();
    mi_ball = index;
    LoadWorking();
    return true;
}

void TacticsEditor::OpenField() {
    const FieldSetup* field = FieldSetupById(m_working.m_field);
    m_field = field ? *field : FieldSetup{};
    mi_fielder = -1;
    mb_fielderMenuOpen = 0;
}

int TacticsEditor::BoundaryFielders() const {
    const auto& positions = g_world.mv_fieldPositions;
    int count = 0;
    for (int32_t p : m_field.m_positions) {
        if (p >= 0 && p < static_cast<int>(positions.size()) && positions[p].m_boundary) ++count;
    }
    return count;
}

bool TacticsEditor::FieldDone(const char* name) {
    mb_fielderMenuOpen = 0;
    if (BoundaryFielders() > MOST_BOUNDARY_FIELDERS) return false;
    SetText(m_field.m_name, name);
    auto& table = g_world.mv_fieldSetups;
    const auto length = static_cast<int32_t>(table.size());
    if (m_field.m_userCreated && m_field.m_id >= 0 && m_field.m_id < length) {
        table[m_field.m_id] = m_field;
    } else {
        m_field.m_id = length;
        m_field.m_userCreated = 1;
        table.push_back(m_field);
    }
    m_working.m_field = m_field.m_id;
    return true;
}

void TacticsEditor::FieldNew() {
    auto& table = g_world.mv_fieldSetups;
    SetText(m_field.m_name, NEW_FIELD);
    SetText(m_field.m_description, USER_CREATED);
    m_field.m_id = static_cast<int32_t>(table.size());
    m_field.m_userCreated = 1;
    table.push_back(m_field);
    m_working.m_field = m_field.m_id;
}

void TacticsEditor::MoveFielder(int fielder, int32_t position) {
    if (fielder < 0 || fielder >= FIELDERS) return;
    if (position < 0 || position >= static_cast<int32_t>(g_world.mv_fieldPositions.size())) return;
    const int32_t old = m_field.m_positions[fielder];
    for (int32_t& p : m_field.m_positions) {
        if (p == position) p = old;
    }
    m_field.m_positions[fielder] = position;
}

}  // namespace ravel

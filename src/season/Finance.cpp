#include "season/Finance.h"

#include "world/GameDate.h"
#include "world/World.h"

namespace ravel {

namespace {

int CategoryOf(int code) {
    switch (code) {
        case PAY_GATE:
            return FINANCE_GATE;
        default:
            return FINANCE_OTHER;
    }
}

}  // namespace

void AddFinance(Team& team, int code, float amount) {
    team.m_money += amount;
    const int month = g_cricket.m_date.m_month;
    if (month >= 1 && month <= 12) team.m_finance[CategoryOf(code)][month] += amount;
}

void AddFinanceToSide(int sideId, int code, float amount) {
    Team* team = TeamById(sideId);
    if (sideId >= FIRST_CLUB_ID && team && team->m_id == sideId) AddFinance(*team, code, amount);
}

}  // namespace ravel

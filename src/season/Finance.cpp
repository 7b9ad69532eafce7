#include "season/Finance.h"

#include "season/Contracts.h"
#include "season/Squads.h"
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
    if (sideId < FIRST_CLUB_ID) return;
    if (Team* team = TeamById(sideId)) AddFinance(*team, code, amount);
}

int TeamWageBill(int sideId) {
    const Team* team = TeamById(sideId);
    if (!team) return 0;
    const int hemi = HemisphereOf(*team);
    int bill = 0;
    for (int32_t id : team->m_squad) {
        Player* p = id > 0 ? PlayerById(id) : nullptr;
        if (p) bill += WageIn(*p, hemi);
    }
    return bill;
}

int AvailableWageBudget(const Team& team) {
    const int hemi = HemisphereOf(team);
    int promised = 0;
    for (int32_t id : team.m_squad) {
        const Player* p = id > 0 ? PlayerById(id) : nullptr;
        if (p && !p->m_transferArranged && SeasonsIn(*p, hemi) > 1)
            promised += hemi == HEMI_NORTH ? p->m_northWage : p->m_southWage;
    }
    for (const ContractOffer& o : g_contractOffers) {
        if (o.m_team != team.m_id || o.m_state != OFFER_AGREED) continue;
        const Player* p = PlayerById(o.m_player);
        // A renewal already shows in his contract.
        if (p && ClubIn(*p, hemi) != team.m_id) promised += o.m_offerWage;
    }
    return team.m_salaryBudget - promised;
}

float FinanceYearTotal(const Team& team, int category) {
    if (category < 0 || category >= FINANCE_CATEGORIES) return 0.0f;
    float total = 0.0f;
    for (int month = 1; month <= 12; ++month) total += team.m_finance[category][month];
    return total;
}

void ApplyMonthlyFinances() {
    const int month = g_cricket.m_date.m_month;
    const int next = month % 12 + 1;
    for (Team& team : g_world.mv_teams) {
        team.m_money += MONTHLY_HANDOUT;
        const float wages = static_cast<float>(TeamWageBill(team.m_id)) / 12.0f;
        team.m_money -= wages;
        if (month >= 1 && month <= 12) {
            team.m_finance[FINANCE_HANDOUT][month] += MONTHLY_HANDOUT;
            team.m_finance[FINANCE_WAGES][month] += wages;  // expenditure, kept positive
        }
        // The rows hold the last twelve months: next month's are cleared.
        for (int c = 0; c < FINANCE_CATEGORIES; ++c) team.m_finance[c][next] = 0.0f;
    }
}

}  // namespace ravel

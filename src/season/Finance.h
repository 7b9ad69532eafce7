// Club money: every payment to or from a club side is booked here, into its
// balance and the month's finance row.
#pragma once

#include "world/Records.h"

namespace ravel {

// Payment codes of the competitions and the day's matches.
enum PaymentCode : int {
    PAY_PRIZE = 21,  // match, round and competition prizes
    PAY_GATE = 22,   // gate receipts
};

// Adds the amount (negative for costs) to the side's money and to the current
// month's row of the code's finance category.
void AddFinance(Team& team, int code, float amount);
// The same for a side id; ids that name no club side pay nothing.
void AddFinanceToSide(int sideId, int code, float amount);

// Monthly grant of the national association to each club.
inline constexpr float MONTHLY_HANDOUT = 30000.0f;

// Sum of the wages of the side's squad players (northern contracts for clubs
// of the northern country, else southern).
int TeamWageBill(int sideId);
// The salary budget less the wages already promised for the coming season:
// contracts that run on past this season and agreed signings. May be negative.
int AvailableWageBudget(const Team& team);
// A finance category's total over the twelve months.
float FinanceYearTotal(const Team& team, int category);
// On the 28th: every club gets the association's grant and pays a twelfth of
// its wage bill; the new month's rows start empty.
void ApplyMonthlyFinances();

}  // namespace ravel

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

}  // namespace ravel

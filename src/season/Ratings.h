// What a result does to the sides and coaches beyond the table: each coach's
// record and reputation, and each side's result rating, which rises most for
// beating a strong side.
#pragma once

#include "season/Squads.h"
#include "world/Records.h"

namespace ravel {

// Coach codes of a result.
enum CoachResult : int {
    COACH_WON = 1,
    COACH_LOST = 2,
    COACH_DRAWN = 3,
    COACH_TIED = 4,
};

// Side codes of a result.
enum SideResult : int {
    SIDE_WON = 1,
    SIDE_LOST = 2,
    SIDE_TIED = 3,
    SIDE_DRAWN = 4,
};

inline constexpr float START_RESULT_RATING = 50.0f;

void CoachResultUpdate(StaffMember& coach, int code);
// The coach of a side (club or country), if it has one, gets the update,
// and the side's board moves his job security.
void SideCoachResultUpdate(int sideId, int code);

// A side's rating from its results; START_RESULT_RATING before its first. A
// result moves it by how far it beat the odds that the two squads' averages
// gave (opponentAverage is the other side's AverageRating).
float SideResultRating(int sideId);
void SideResultRatingUpdate(int sideId, float opponentAverage, int code);
// Forgets every side's result rating (a new world).
void ResetResultRatings();

}  // namespace ravel

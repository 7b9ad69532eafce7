#include "season/Ratings.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "season/Coaches.h"
#include "season/Squads.h"
#include "world/World.h"

namespace ravel {

namespace {

struct SideRating {
    int m_side = 0;
    float m_rating = START_RESULT_RATING;
};

std::vector<SideRating> g_sideRatings;

constexpr float REPUTATION_STEP = 0.1f;
constexpr float RATING_STEP = 4.0f;  // most a single result can move a rating
// Gap in squad average at which the stronger side is a 10:1 favourite.
constexpr float RATING_SPREAD = 50.0f;

SideRating& RatingOf(int sideId) {
    for (SideRating& r : g_sideRatings)
        if (r.m_side == sideId) return r;
    g_sideRatings.push_back({sideId, START_RESULT_RATING});
    return g_sideRatings.back();
}

int CoachOf(int sideId) {
    if (sideId >= FIRST_CLUB_ID) {
        const Team* team = TeamById(sideId);
        return team ? team->m_coach : 0;
    }
    const Country* country = CountryById(sideId);
    return country ? country->m_coach : 0;
}

}  // namespace

void CoachResultUpdate(StaffMember& coach, int code) {
    ++coach.m_played;
    switch (code) {
        case COACH_WON:
            ++coach.m_won;
            coach.m_reputation += REPUTATION_STEP;
            break;
        case COACH_LOST:
            ++coach.m_lost;
            coach.m_reputation -= REPUTATION_STEP;
            break;
        case COACH_DRAWN:
            ++coach.m_drawn;
            break;
        case COACH_TIED:
            ++coach.m_tied;
            break;
        default:
            --coach.m_played;
            break;
    }
    coach.m_reputation = std::clamp(coach.m_reputation, 0.0f, 100.0f);
}

void SideCoachResultUpdate(int sideId, int code) {
    JobSecurityResultUpdate(sideId, code);
    const int coachId = CoachOf(sideId);
    if (coachId <= 0) return;
    if (StaffMember* coach = StaffMemberById(coachId)) CoachResultUpdate(*coach, code);
}

float SideResultRating(int sideId) {
    for (const SideRating& r : g_sideRatings)
        if (r.m_side == sideId) return r.m_rating;
    return START_RESULT_RATING;
}

void SideResultRatingUpdate(int sideId, float opponentRating, int code) {
    float score = 0.0f;
    switch (code) {
        case SIDE_WON:
            score = 1.0f;
            break;
        case SIDE_LOST:
            score = 0.0f;
            break;
        case SIDE_TIED:
        case SIDE_DRAWN:
            score = 0.5f;
            break;
        default:
            return;
    }
    SideRating& own = RatingOf(sideId);
    const float gap = opponentRating - AverageRating(sideId);
    const float expected = 1.0f / (1.0f + std::pow(10.0f, gap / RATING_SPREAD));
    own.m_rating = std::clamp(own.m_rating + RATING_STEP * (score - expected), 0.0f, 100.0f);
}

void ResetResultRatings() {
    g_sideRatings.clear();
}

}  // namespace ravel

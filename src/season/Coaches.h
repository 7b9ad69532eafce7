// Coaches and their jobs: appointments, departures and the sack, job
// security and its words, applications and offers to human coaches, the
// daily coach step and the computer's coach moves.
#pragma once

#include "world/Records.h"

namespace ravel {

inline constexpr float START_JOB_SECURITY = 90.0f;
// Below this the board dismisses its coach.
inline constexpr float SACK_SECURITY = 75.0f;

int Age(const StaffMember& coach);
// "World Class" (88 and more), "Great" (75), "Good" (60), "Mediocre" (40),
// "Poor" (20), else "Bad".
const char* SkillText(const StaffMember& coach);
const char* ReputationText(const StaffMember& coach);

// "Vacant" for exactly 0; 75 to below 80 "Very insecure", 80 "Insecure", 85
// "Secure", 90 and more "Very secure"; else "-".
const char* JobSecurityText(float security);
const char* JobSecurityText(const Team& team);
const char* JobSecurityText(const Country& country);
// A result moves the security of the side's coach (CoachResult codes).
void JobSecurityResultUpdate(int sideId, int code);

// The coach takes the side's job; the previous coach leaves and the new one
// leaves any other job of the same kind. Posts the appointment news.
void AppointCoach(Team& team, int coachId);
void AppointCoach(Country& country, int coachId);
// The user's application for a vacant post, with its news item.
void ApplyForJob(Team& team, int staffId);
void ApplyForJob(Country& country, int staffId);
// Ends his club (national) job unless that side plays today: the side's post
// falls vacant, his time at the club is recorded, his pending news about the
// side is dropped and the departure is news.
void LeaveClubJob(StaffMember& coach);
void LeaveNationalJob(StaffMember& coach);
// The user's resignation: one job per call, his club's when it does not play
// today, else his country's when that does not. False when he holds no job
// his side's match leaves him free to give up.
bool ResignOneJob(StaffMember& coach);

// A coach's day: time at his club, and skill growing towards his reputation.
void DailyCoachStep(StaffMember& coach);
// The boards' day: coaches under SACK_SECURITY are dismissed; vacant posts are
// filled from the unemployed coaches the side can attract, or offered to a
// human applicant good enough for them. A board leaves a coach it sacked out
// of its choices for the rest of that season and the two after.
void MoveComputerCoaches();
// The reputation a side's post can attract: from the weakest of its kind to
// the strongest, clubs by squad and wealth, national sides by Test status and
// squad. A side considers free coaches up to a little above it.
float PostStanding(int sideId);
// An id above every coach's.
int NextStaffId();
// A new computer coach of the country; his id.
int CreateCoach(int countryId, float reputation);
// Every club and national side without a coach gets a new one.
void CreateMissingCoaches();

}  // namespace ravel

#include "season/Coaches.h"

#include <algorithm>
#include <cstdio>
#include <type_traits>
#include <utility>
#include <vector>

#include "season/DayMachine.h"
#include "season/News.h"
#include "season/Ratings.h"
#include "season/Squads.h"
#include "world/NameLists.h"
#include "world/Random.h"
#include "world/World.h"

namespace ravel {

namespace {

// A vacancy is filled on about one day in this many, so a human coach has
// time to apply.
constexpr int VACANCY_DAYS = 5;
// A human applicant gets the offer when his reputation is within this of
// the coach the side hopes for.
constexpr float APPLICANT_MARGIN = 15.0f;
// Post standings run between these; a side considers free coaches up to
// STANDING_REACH above its own.
constexpr float STANDING_LOW = 35.0f;
constexpr float STANDING_HIGH = 80.0f;
constexpr float STANDING_REACH = 10.0f;
// An unemployed human coach is sometimes offered a club job unasked.
constexpr int UNASKED_OFFER_ODDS = 4;
// Security drifts back towards this between results.
constexpr float SETTLED_SECURITY = 88.0f;
constexpr float SECURITY_DRIFT = 0.002f;
constexpr float SKILL_DRIFT = 0.001f;
// A board takes back no coach it sacked for the rest of that season and this
// many more: seasons alternate between the hemispheres, so two more take in
// the side's next summer of its own.
constexpr int SACKED_BAR_SEASONS = 2;

const char* RatingWord(float value) {
    if (value >= 88.0f) return "World Class";
    if (value >= 75.0f) return "Great";
    if (value >= 60.0f) return "Good";
    if (value >= 40.0f) return "Mediocre";
    if (value >= 20.0f) return "Poor";
    return "Bad";
}

// The human coach's profile keeps a copy of his record.
void SyncProfile(const StaffMember& coach) {
    if (!coach.m_human) return;
    if (UserCoach* profile = UserCoachOf(coach.m_id)) profile->m_staff = coach;
}

// The side the user's screens follow: his club, else his country.
void SyncUserSide() {
    const UserCoach* profile = CurrentProfile();
    if (!profile) return;
    const StaffMember& s = profile->m_staff;
    g_cricket.m_team = s.m_clubJob > 0 ? s.m_clubJob : (s.m_nationalJob > 0 ? s.m_nationalJob : 0);
    DayScreens().UserSideChanged();
}

void PostSideNews(int code, int sideId, int coachId, int toCoachId) {
    UserCoach* profile = UserCoachOf(toCoachId);
    if (!profile) return;
    PendingNewsItem item;
    item.m_code = code;
    item.m_date = g_cricket.m_date;
    item.m_date.m_second = item.m_date.m_minute = item.m_date.m_hour = 0;
    const NewsLink side = SideLink(sideId);
    item.AddLink(side.m_kind, side.m_value);
    if (coachId > 0) item.AddLink(LINK_COACH, coachId);
    PostNewsTo(item, static_cast<int>(profile - g_userCoaches.data()));
}

void RecordTimeAtClub(StaffMember& coach) {
    const int days = coach.m_daysAtClub;
    if (days > coach.m_longestDays) {
        coach.m_longestDays = days;
        coach.m_longestClub = coach.m_clubJob;
    }
    if (coach.m_shortestDays <= 0 || days < coach.m_shortestDays) {
        coach.m_shortestDays = days;
        coach.m_shortestClub = coach.m_clubJob;
    }
}

void PurgePendingAbout(StaffMember& coach, int sideId) {
    UserCoach* profile = UserCoachOf(coach.m_id);
    if (!profile) return;
    std::erase_if(profile->mv_pending, [sideId](const PendingNewsItem& item) {
        return std::any_of(item.mv_links.begin(), item.mv_links.end(), [sideId](const NewsLink& l) {
            return (l.m_kind == LINK_CLUB || l.m_kind == LINK_COUNTRY) && l.m_value == sideId;
        });
    });
}

// A club or country whose post the coach leaves: the post falls vacant if he
// held it, and a human coach's side goes back to the computer.
template <class Side>
void VacatePost(Side* side, const StaffMember& coach) {
    if (!side) return;
    if (side->m_coach == coach.m_id) {
        side->m_coach = 0;
        side->m_jobSecurity = 0.0f;
        side->mv_applications.clear();
    }
    if (coach.m_human) side->m_human = 0;
}

// The news of a job ended, in place of anything still pending about the side.
void AnnounceDeparture(StaffMember& coach, int sideId, int newsCode) {
    PurgePendingAbout(coach, sideId);
    PostSideNews(newsCode, sideId, coach.m_id, coach.m_id);
    SyncProfile(coach);
    if (coach.m_human) SyncUserSide();
}

// Ends a club job whatever the day: shared by resignations and the sack.
void EndClubJob(StaffMember& coach, int newsCode) {
    const int clubId = coach.m_clubJob;
    VacatePost(TeamById(clubId), coach);
    RecordTimeAtClub(coach);
    coach.m_clubJob = 0;
    coach.m_daysAtClub = 0;
    AnnounceDeparture(coach, clubId, newsCode);
}

void EndNationalJob(StaffMember& coach, int newsCode) {
    const int countryId = coach.m_nationalJob;
    VacatePost(CountryById(countryId), coach);
    coach.m_nationalJob = 0;
    AnnounceDeparture(coach, countryId, newsCode);
}

bool BarOver(const SackedCoach& sacked) {
    return g_cricket.m_date.m_season > sacked.m_season + SACKED_BAR_SEASONS;
}

// Whether the side's board still refuses the coach it sacked.
template <class Side>
bool Barred(const Side& side, int coachId) {
    return std::any_of(side.mv_sacked.begin(), side.mv_sacked.end(),
                       [coachId](const SackedCoach& s) { return s.m_coach == coachId && !BarOver(s); });
}

// The best computer coach without a job whom the side's post, of that
// standing, can attract; nullptr for none.
template <class Side>
StaffMember* BestCandidate(const Side& side, float standing) {
    StaffMember* best = nullptr;
    for (StaffMember& s : g_world.mv_staff) {
        if (s.m_human || s.m_nationalJob > 0 || s.m_clubJob > 0 || Barred(side, s.m_id)) continue;
        if (s.m_reputation > standing + STANDING_REACH) continue;
        if (!best || s.m_reputation > best->m_reputation) best = &s;
    }
    return best;
}

bool IsPost(const Team& t) {
    return t.m_id >= FIRST_CLUB_ID;
}

bool IsPost(const Country& c) {
    return c.m_nationalSide == 1;
}

// The share of the others that rank below, ties counting half; 0.5 alone.
template <class T, class Rank>
float ShareBelow(const std::vector<T>& all, const T& self, Rank rank) {
    float below = 0.0f;
    int others = 0;
    const auto mine = rank(self);
    for (const T& other : all) {
        if (&other == &self || !IsPost(other)) continue;
        ++others;
        const auto theirs = rank(other);
        below += theirs < mine ? 1.0f : (theirs == mine ? 0.5f : 0.0f);
    }
    return others > 0 ? below / static_cast<float>(others) : 0.5f;
}

bool OfferPending(int sideId) {
    for (const UserCoach& profile : g_userCoaches) {
        for (const InboxMessage& m : profile.mv_inbox) {
            if (m.m_code != NEWS_JOB_OFFER || m.m_handled) continue;
            for (const NewsLink& l : m.mv_links)
                if ((l.m_kind == LINK_CLUB || l.m_kind == LINK_COUNTRY) && l.m_value == sideId) return true;
        }
        for (const PendingNewsItem& item : profile.mv_pending)
            if (item.m_code == NEWS_JOB_OFFER && !item.mv_links.empty() && item.mv_links[0].m_value == sideId)
                return true;
    }
    return false;
}

// One vacancy's day.
template <class Side>
void FillVacancy(Side& side, bool national) {
    if (side.m_coach > 0 || side.m_playingToday || OfferPending(side.m_id)) return;
    if (Rand() % VACANCY_DAYS != 0) return;
    const float standing = PostStanding(side.m_id);
    StaffMember* best = BestCandidate(side, standing);
    // The board looks for a coach of its standing, or of the best it could get
    // when the free coaches fall short of it.
    const float bar = std::min(standing, best ? best->m_reputation : standing) - APPLICANT_MARGIN;
    std::vector<int> applicants;
    for (const Application& a : side.mv_applications) applicants.push_back(a.second);
    if (!national && side.m_id < 3000) {
        for (const UserCoach& profile : g_userCoaches)
            if (profile.m_staff.m_clubJob <= 0 && Rand() % UNASKED_OFFER_ODDS == 0)
                applicants.push_back(profile.m_staff.m_id);
    }
    for (int id : applicants) {
        const StaffMember* human = StaffMemberById(id);
        if (!human || !human->m_human || Barred(side, id) || human->m_reputation < bar) continue;
        PostSideNews(NEWS_JOB_OFFER, side.m_id, 0, id);
        side.mv_applications.clear();
        return;
    }
    int nation = side.m_id;
    if constexpr (std::is_same_v<Side, Team>) nation = side.m_country;
    // No free coach would come: the board brings on a coach of its own level.
    const int appointed = best ? best->m_id : CreateCoach(nation, standing);
    for (const Application& a : side.mv_applications)
        PostSideNews(NEWS_JOB_REJECTED, side.m_id, appointed, a.second);
    AppointCoach(side, appointed);
}

// Appointment common to clubs and countries.
template <class Side>
void Appoint(Side& side, int coachId, bool national) {
    StaffMember* coach = StaffMemberById(coachId);
    if (!coach) return;
    if (side.m_coach > 0 && side.m_coach != coachId) {
        if (StaffMember* old = StaffMemberById(side.m_coach)) {
            if (national)
                EndNationalJob(*old, NEWS_COACH_LEFT);
            else
                EndClubJob(*old, NEWS_COACH_LEFT);
        }
    }
    if (national) {
        if (coach->m_nationalJob > 0 && coach->m_nationalJob != side.m_id)
            EndNationalJob(*coach, NEWS_COACH_LEFT);
        coach->m_nationalJob = side.m_id;
    } else {
        if (coach->m_clubJob > 0 && coach->m_clubJob != side.m_id) EndClubJob(*coach, NEWS_COACH_LEFT);
        coach->m_clubJob = side.m_id;
        coach->m_daysAtClub = 0;
    }
    side.m_coach = coachId;
    side.m_jobSecurity = START_JOB_SECURITY;
    side.m_human = coach->m_human;
    side.mv_applications.clear();
    SyncProfile(*coach);
    if (coach->m_human) {
        SyncUserSide();
        PostSideNews(NEWS_COACH_APPOINTED, side.m_id, coachId, coachId);
    } else if (national) {
        // A national appointment is news for every human coach.
        for (const UserCoach& profile : g_userCoaches)
            PostSideNews(NEWS_COACH_APPOINTED, side.m_id, coachId, profile.m_staff.m_id);
    }
}

template <class Side>
void Apply(Side& side, int staffId) {
    if (side.m_coach > 0) return;
    for (const Application& a : side.mv_applications)
        if (a.second == staffId) return;
    side.mv_applications.push_back({side.m_id, staffId});
    PostSideNews(NEWS_JOB_APPLICATION, side.m_id, 0, staffId);
}

template <class Side>
void SackIfDue(Side& side, bool national) {
    if (side.m_coach <= 0 || side.m_playingToday || side.m_jobSecurity >= SACK_SECURITY) return;
    StaffMember* coach = StaffMemberById(side.m_coach);
    if (!coach) {
        side.m_coach = 0;
        side.m_jobSecurity = 0.0f;
        return;
    }
    std::erase_if(side.mv_sacked, BarOver);
    side.mv_sacked.push_back({coach->m_id, g_cricket.m_date.m_season});
    if (national)
        EndNationalJob(*coach, NEWS_COACH_SACKED);
    else
        EndClubJob(*coach, NEWS_COACH_SACKED);
}

template <class Side>
void DriftSecurity(Side& side) {
    if (side.m_coach > 0) side.m_jobSecurity += (SETTLED_SECURITY - side.m_jobSecurity) * SECURITY_DRIFT;
}

}  // namespace

int Age(const StaffMember& coach) {
    const GameDate& d = g_cricket.m_date;
    int age = d.m_year - coach.m_birthYear;
    if (d.m_month < coach.m_birthMonth || (d.m_month == coach.m_birthMonth && d.m_day < coach.m_birthDay))
        --age;
    return age;
}

const char* SkillText(const StaffMember& coach) {
    return RatingWord(coach.m_skill);
}

const char* ReputationText(const StaffMember& coach) {
    return RatingWord(coach.m_reputation);
}

const char* JobSecurityText(float security) {
    if (security == 0.0f) return "Vacant";
    if (security >= 90.0f) return "Very secure";
    if (security >= 85.0f) return "Secure";
    if (security >= 80.0f) return "Insecure";
    if (security >= 75.0f) return "Very insecure";
    return "-";
}

const char* JobSecurityText(const Team& team) {
    return JobSecurityText(team.m_jobSecurity);
}

const char* JobSecurityText(const Country& country) {
    return JobSecurityText(country.m_jobSecurity);
}

void JobSecurityResultUpdate(int sideId, int code) {
    float step = 0.0f;
    switch (code) {
        case COACH_WON:
            step = 1.0f;
            break;
        case COACH_LOST:
            step = -1.5f;
            break;
        case COACH_TIED:
            step = 0.3f;
            break;
        case COACH_DRAWN:
            step = 0.2f;
            break;
        default:
            return;
    }
    float* security = nullptr;
    if (sideId >= FIRST_CLUB_ID) {
        if (Team* t = TeamById(sideId); t && t->m_coach > 0) security = &t->m_jobSecurity;
    } else if (Country* c = CountryById(sideId); c && c->m_coach > 0) {
        security = &c->m_jobSecurity;
    }
    // Never exactly 0, which means a vacant post.
    if (security) *security = std::clamp(*security + step, 1.0f, 100.0f);
}

void AppointCoach(Team& team, int coachId) {
    Appoint(team, coachId, false);
}

void AppointCoach(Country& country, int coachId) {
    Appoint(country, coachId, true);
}

void ApplyForJob(Team& team, int staffId) {
    Apply(team, staffId);
}

void ApplyForJob(Country& country, int staffId) {
    Apply(country, staffId);
}

void LeaveClubJob(StaffMember& coach) {
    const Team* team = TeamById(coach.m_clubJob);
    if (coach.m_clubJob <= 0 || (team && team->m_playingToday)) return;
    EndClubJob(coach, NEWS_COACH_LEFT);
}

void LeaveNationalJob(StaffMember& coach) {
    const Country* c = CountryById(coach.m_nationalJob);
    if (coach.m_nationalJob <= 0 || (c && c->m_playingToday)) return;
    EndNationalJob(coach, NEWS_COACH_LEFT);
}

bool ResignOneJob(StaffMember& coach) {
    const int club = coach.m_clubJob;
    LeaveClubJob(coach);
    if (coach.m_clubJob != club) return true;
    const int country = coach.m_nationalJob;
    LeaveNationalJob(coach);
    return coach.m_nationalJob != country;
}

void DailyCoachStep(StaffMember& coach) {
    if (coach.m_clubJob > 0) ++coach.m_daysAtClub;
    coach.m_skill += (coach.m_reputation - coach.m_skill) * SKILL_DRIFT;
    SyncProfile(coach);
}

float PostStanding(int sideId) {
    float share = 0.5f;
    if (const Team* team = sideId >= FIRST_CLUB_ID ? TeamById(sideId) : nullptr) {
        share = (ShareBelow(g_world.mv_teams, *team, [](const Team& t) { return AverageRating(t); }) +
                 ShareBelow(g_world.mv_teams, *team, [](const Team& t) { return t.m_money; })) /
                2.0f;
    } else if (const Country* country = CountryById(sideId)) {
        share = ShareBelow(g_world.mv_countries, *country,
                           [](const Country& c) { return std::pair(c.m_group == 1, AverageRating(c.m_id)); });
    }
    return STANDING_LOW + (STANDING_HIGH - STANDING_LOW) * share;
}

void MoveComputerCoaches() {
    for (Team& team : g_world.mv_teams) {
        SackIfDue(team, false);
        DriftSecurity(team);
    }
    for (Country& c : g_world.mv_countries) {
        if (c.m_nationalSide != 1) continue;
        SackIfDue(c, true);
        DriftSecurity(c);
    }
    for (Team& team : g_world.mv_teams) FillVacancy(team, false);
    for (Country& c : g_world.mv_countries)
        if (c.m_nationalSide == 1) FillVacancy(c, true);
}

int NextStaffId() {
    int id = 1;
    for (const StaffMember& other : g_world.mv_staff) id = std::max(id, other.m_id + 1);
    return id;
}

int CreateCoach(int countryId, float reputation) {
    StaffMember s;
    const int id = NextStaffId();
    s.m_id = id;
    std::snprintf(s.m_firstName, sizeof s.m_firstName, "%s", RandomFirstName(countryId).c_str());
    std::snprintf(s.m_surname, sizeof s.m_surname, "%s", RandomSurname(countryId).c_str());
    s.m_birthDay = Rand() % 28 + 1;
    s.m_birthMonth = Rand() % 12 + 1;
    s.m_birthYear = g_cricket.m_date.m_year - 38 - Rand() % 20;
    s.m_country = countryId;
    s.m_reputation = std::clamp(reputation + static_cast<float>(Rand() % 21 - 10), 1.0f, 99.0f);
    s.m_skill = std::clamp(s.m_reputation + static_cast<float>(Rand() % 11 - 5), 1.0f, 99.0f);
    g_world.mv_staff.push_back(s);
    return id;
}

void CreateMissingCoaches() {
    for (Team& team : g_world.mv_teams) {
        if (team.m_coach > 0 && StaffMemberById(team.m_coach)) continue;
        const int id = CreateCoach(team.m_country, PostStanding(team.m_id));
        StaffMember* s = StaffMemberById(id);
        s->m_clubJob = team.m_id;
        team.m_coach = id;
        team.m_jobSecurity = START_JOB_SECURITY;
    }
    for (Country& c : g_world.mv_countries) {
        if (c.m_nationalSide != 1 || (c.m_coach > 0 && StaffMemberById(c.m_coach))) continue;
        const int id = CreateCoach(c.m_id, PostStanding(c.m_id));
        StaffMember* s = StaffMemberById(id);
        s->m_nationalJob = c.m_id;
        c.m_coach = id;
        c.m_jobSecurity = START_JOB_SECURITY;
    }
}

}  // namespace ravel

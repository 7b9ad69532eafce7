#include "screens/team/CoachProfileScreen.h"

#include <cstdarg>
#include <cstdio>

#include "screens/menus/ScreenControls.h"
#include "screens/menus/ScreenFrame.h"
#include "season/Coaches.h"
#include "season/DayMachine.h"
#include "shell/Game.h"
#include "shell/Screens.h"
#include "shell/gui/Button.h"
#include "shell/platform/System.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

namespace {

constexpr uint32_t LABEL_GREY = 0xffdcdcdcu;
constexpr int LABEL_X = 230;
constexpr int VALUE_X = 400;

const char* ClubName(int id) {
    const Team* t = id > 0 ? TeamById(id) : nullptr;
    return t ? t->m_name : "-";
}

const char* CountryName(int id) {
    const Country* c = id > 0 ? CountryById(id) : nullptr;
    return c ? c->m_name : "-";
}

const char* NationalityText(int id) {
    const Country* c = id > 0 ? CountryById(id) : nullptr;
    return c ? c->m_nationality : "-";
}

bool IsUser(const StaffMember& s) {
    const StaffMember* user = CurrentUserStaff();
    return user && user->m_id == s.m_id;
}

void Label(int x, int y, const char* text) {
    g_system->DrawText(x, y, ALIGN_LEFT, LABEL_GREY, g_game->m_fontHeading.get(), "%s", text);
}

[[gnu::format(printf, 3, 4)]] void Value(int x, int y, const char* format, ...) {
    char text[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    g_system->DrawText(x, y, ALIGN_LEFT, TEXT_WHITE, g_game->m_fontText.get(), "%s", text);
}

void Heading(int y, const char* text) {
    g_system->DrawText(LABEL_X, y, ALIGN_LEFT, TEXT_YELLOW, g_game->m_fontText.get(), "%s", text);
    g_system->FillRect(210, y + 20, 980, y + 22, TEXT_WHITE);
}

void DrawTimeAtClub(int y, const char* label, int days, int club) {
    Label(LABEL_X, y, label);
    if (club < 1)
        Value(VALUE_X, y, "-");
    else
        Value(VALUE_X, y, "%d days (%s)", days, ClubName(club));
}

}  // namespace

void OpenCoachProfile(int32_t coachId) {
    OpenScreen(SCREEN_COACH, {coachId});
}

void OpenUserProfile() {
    if (const StaffMember* user = CurrentUserStaff()) OpenCoachProfile(user->m_id);
}

StaffMember* CCoachProfileScreen::Coach() const {
    return StaffMemberById(m_kept.coachId);
}

void CCoachProfileScreen::SetControls(const StaffMember* s) {
    ShowRow(m_nationality, s && !s->m_human && s->m_country > 0);
    ShowRow(m_otherNationality, s && !s->m_human && s->m_country2 > 0);
    ShowRow(m_club, s && s->m_clubJob > 0);
    ShowRow(m_country, s && s->m_nationalJob > 0);
    const bool user = s && IsUser(*s);
    const bool employed = s && (s->m_clubJob > 0 || s->m_nationalJob > 0);
    if (user && employed)
        m_btnResign->mb_disabled = 0;
    else
        m_btnResign->Disable();
    if (user && !employed)
        m_btnHoliday->mb_disabled = 0;
    else
        m_btnHoliday->Disable();
}

void CCoachProfileScreen::Enter() {
    m_controls.Begin();
    m_btnResign = m_controls.Add<CButton>(230, 634, 250, 30, "Resign from job");
    m_btnHoliday = m_controls.Add<CButton>(540, 634, 250, 30, "Go on holiday for season");
    m_nationality = m_controls.Add<CHotSpot>(VALUE_X, 240, 200, 19, nullptr, "Visit country page");
    m_otherNationality = m_controls.Add<CHotSpot>(VALUE_X, 260, 200, 19, nullptr, "Visit country page");
    m_club = m_controls.Add<CHotSpot>(VALUE_X, 280, 200, 19, nullptr, "Visit team page");
    m_country = m_controls.Add<CHotSpot>(VALUE_X, 300, 200, 19, nullptr, "Visit country page");
    SetControls(Coach());
    g_game->mb_screenFrame = 1;
}

void CCoachProfileScreen::Update() {
    StaffMember* s = Coach();
    if (!s) return;
    if (TakeClick(m_btnResign) && IsUser(*s)) {
        if (ResignOneJob(*s)) {
            ShowMessage("You have resigned from your position", MSG_OK);
            SetControls(s);
            UpdateSquadButton();
        } else {
            ShowMessage("You can't resign midway through a game!", MSG_OK);
        }
    }
    if (TakeClick(m_btnHoliday) && IsUser(*s)) {
        StartAutoSimulation(AUTO_TO_NEXT_SEASON);
        ShowMessage("You have gone on holiday for the season", MSG_OK);
        return;
    }
    if (TakeClick(m_nationality)) return OpenSide(s->m_country);
    if (TakeClick(m_otherNationality)) return OpenSide(s->m_country2);
    if (TakeClick(m_club)) return OpenSide(s->m_clubJob);
    if (TakeClick(m_country)) return OpenSide(s->m_nationalJob);
}

void CCoachProfileScreen::Render() {
    CGame& game = *g_game;
    game.m_background.Draw(0, 0);
    DrawScreenFrame(false);
    const StaffMember* s = Coach();
    if (!s) {
        Value(LABEL_X, 138, "No such coach.");
        if (g_system->mp_controlList) g_system->mp_controlList->Draw();
        return;
    }
    g_system->DrawText(512, 15, ALIGN_CENTRE, TEXT_WHITE, game.m_fontTitle.get(), "%s %s", s->m_firstName,
                       s->m_surname);
    const char* job = s->m_clubJob > 0       ? ClubName(s->m_clubJob)
                      : s->m_nationalJob > 0 ? CountryName(s->m_nationalJob)
                                             : "Unemployed";
    g_system->DrawText(512, 50, ALIGN_CENTRE, TEXT_WHITE, game.m_fontText.get(), "%s", job);

    Heading(138, "Personal");
    Label(LABEL_X, 180, "First Name");
    Value(VALUE_X, 180, "%s", s->m_firstName);
    Label(LABEL_X, 200, "Second Name");
    Value(VALUE_X, 200, "%s", s->m_surname);
    if (!s->m_human) {
        Label(LABEL_X, 220, "Date of Birth (Age)");
        if (s->m_birthDay == -1)
            Value(VALUE_X, 220, "%d.%d (%d)", s->m_birthMonth, s->m_birthYear, Age(*s));
        else
            Value(VALUE_X, 220, "%d.%d.%d (%d)", s->m_birthDay, s->m_birthMonth, s->m_birthYear, Age(*s));
        Label(LABEL_X, 240, "Nationality");
        Value(VALUE_X, 240, "%s", NationalityText(s->m_country));
        Label(LABEL_X, 260, "Other Nationality");
        Value(VALUE_X, 260, "%s", NationalityText(s->m_country2));
        Label(630, 220, "Skill");
        Value(800, 220, "%s", SkillText(*s));
        Label(630, 240, "Reputation");
        Value(800, 240, "%s", ReputationText(*s));
    } else {
        Label(LABEL_X, 220, "Skill");
        Value(VALUE_X, 220, "%s", SkillText(*s));
        Label(LABEL_X, 240, "Reputation");
        Value(VALUE_X, 240, "%s", ReputationText(*s));
        const Team* club = s->m_clubJob > 0 ? TeamById(s->m_clubJob) : nullptr;
        const Country* country = s->m_nationalJob > 0 ? CountryById(s->m_nationalJob) : nullptr;
        Label(LABEL_X, 260, "Security");
        Value(VALUE_X, 260, "%s", club ? JobSecurityText(*club) : country ? JobSecurityText(*country) : "-");
    }
    Label(LABEL_X, 280, "Club");
    Value(VALUE_X, 280, "%s", ClubName(s->m_clubJob));
    Label(LABEL_X, 300, "Country");
    Value(VALUE_X, 300, "%s", CountryName(s->m_nationalJob));

    Heading(338, "Managerial Record");
    const struct {
        int y;
        const char* label;
        int value;
    } counts[] = {{360, "Played", s->m_played},
                  {380, "Won", s->m_won},
                  {400, "Drawn", s->m_drawn},
                  {420, "Tied", s->m_tied},
                  {440, "Lost", s->m_lost}};
    for (const auto& c : counts) {
        Label(LABEL_X, c.y, c.label);
        Value(VALUE_X, c.y, "%d", c.value);
    }
    Label(LABEL_X, 480, "Current time at club");
    Value(VALUE_X, 480, "%d days", s->m_daysAtClub);
    DrawTimeAtClub(500, "Shortest time at club", s->m_shortestDays, s->m_shortestClub);
    DrawTimeAtClub(520, "Longest time at club", s->m_longestDays, s->m_longestClub);
    if (g_system->mp_controlList) g_system->mp_controlList->Draw();
}

void CCoachProfileScreen::Leave() {
    m_controls.Free();
    m_btnResign = m_btnHoliday = nullptr;
    m_nationality = m_otherNationality = m_club = m_country = nullptr;
}

}  // namespace ravel

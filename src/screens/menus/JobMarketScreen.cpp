#include "screens/menus/JobMarketScreen.h"

#include <algorithm>

#include "screens/menus/ScreenControls.h"
#include "screens/menus/ScreenFrame.h"
#include "screens/team/CoachProfileScreen.h"
#include "season/Coaches.h"
#include "season/News.h"
#include "shell/Game.h"
#include "shell/Screens.h"
#include "shell/gui/Button.h"
#include "shell/gui/ScrollBar.h"
#include "shell/platform/System.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

namespace {

constexpr int NATIONAL_POSTS = 10;    // the first countries of the table have coaching posts
constexpr int LAST_CLUB_POST = 3000;  // clubs from here on have none
constexpr int ROW_TOP = 165;

float SecurityOf(int sideId) {
    if (sideId >= FIRST_CLUB_ID) {
        const Team* t = TeamById(sideId);
        return t ? t->m_jobSecurity : 0.0f;
    }
    const Country* c = CountryById(sideId);
    return c ? c->m_jobSecurity : 0.0f;
}

void RenderJobRow(int sideId, int y) {
    CFont* font = g_game->m_fontText.get();
    if (sideId >= FIRST_CLUB_ID) {
        const Team* t = TeamById(sideId);
        if (!t) return;
        const Country* c = CountryById(t->m_country);
        g_system->DrawText(230, y, ALIGN_LEFT, TEXT_WHITE, font, "%s", t->m_name);
        g_system->DrawText(500, y, ALIGN_LEFT, TEXT_WHITE, font, "%s", c ? c->m_name : "-");
        g_system->DrawText(750, y, ALIGN_LEFT, TEXT_YELLOW, font, "%s", JobSecurityText(*t));
    } else if (const Country* c = CountryById(sideId)) {
        g_system->DrawText(230, y, ALIGN_LEFT, TEXT_WHITE, font, "%s", c->m_name);
        g_system->DrawText(500, y, ALIGN_LEFT, TEXT_WHITE, font, "-");
        g_system->DrawText(750, y, ALIGN_LEFT, TEXT_YELLOW, font, "%s", JobSecurityText(*c));
    }
}

void RenderCoachRow(int position, int y) {
    if (position < 0 || static_cast<size_t>(position) >= g_world.mv_staff.size()) return;
    const StaffMember& s = g_world.mv_staff[position];
    CFont* font = g_game->m_fontText.get();
    g_system->DrawText(230, y, ALIGN_LEFT, s.m_human ? TEXT_YELLOW : TEXT_WHITE, font, "%s %s", s.m_firstName,
                       s.m_surname);
    const char* job = "-";
    if (s.m_clubJob > 0) {
        if (const Team* t = TeamById(s.m_clubJob)) job = t->m_name;
    } else if (s.m_nationalJob > 0) {
        if (const Country* c = CountryById(s.m_nationalJob)) job = c->m_name;
    }
    g_system->DrawText(500, y, ALIGN_LEFT, TEXT_WHITE, font, "%s", job);
    g_system->DrawText(750, y, ALIGN_LEFT, TEXT_YELLOW, font, "%s", ReputationText(s));
}

}  // namespace

std::vector<int32_t> CollectVacantJobs() {
    std::vector<int32_t> jobs;
    const size_t countries = std::min<size_t>(NATIONAL_POSTS, g_world.mv_countries.size());
    for (size_t i = 0; i < countries; ++i)
        if (g_world.mv_countries[i].m_coach < 1) jobs.push_back(g_world.mv_countries[i].m_id);
    for (const Team& t : g_world.mv_teams)
        if (t.m_id < LAST_CLUB_POST && t.m_coach < 1) jobs.push_back(t.m_id);
    return jobs;
}

int CJobMarketScreen::ScrollPosition() const {
    return m_scroll ? m_scroll->m_position : 0;
}

void CJobMarketScreen::SwitchPage(int32_t page) {
    m_kept.page = page;
    BuildJobLists();
    if (m_scroll) m_scroll->m_position = 0;
    UpdateRowButtons();
}

void CJobMarketScreen::BuildJobLists() {
    mv_jobs.clear();
    if (m_kept.page == JOBS_COACHES) {
        for (size_t i = 0; i < g_world.mv_staff.size(); ++i) mv_jobs.push_back(static_cast<int32_t>(i));
        std::stable_sort(mv_jobs.begin(), mv_jobs.end(), [](int32_t a, int32_t b) {
            return g_world.mv_staff[a].m_reputation > g_world.mv_staff[b].m_reputation;
        });
        return;
    }
    for (const Team& t : g_world.mv_teams)
        if (t.m_id < LAST_CLUB_POST && t.m_jobSecurity < SECURE_JOB) mv_jobs.push_back(t.m_id);
    for (const Country& c : g_world.mv_countries)
        if (c.m_id <= NATIONAL_POSTS && c.m_jobSecurity < SECURE_JOB) mv_jobs.push_back(c.m_id);
    std::stable_sort(mv_jobs.begin(), mv_jobs.end(),
                     [](int32_t a, int32_t b) { return SecurityOf(a) < SecurityOf(b); });
}

void CJobMarketScreen::UpdateRowButtons() {
    const int entries = static_cast<int>(mv_jobs.size());
    const int first = m_scroll ? FitScrollBar(*m_scroll, entries, JOB_ROWS, true) : 0;
    for (int k = 0; k < JOB_ROWS; ++k) ShowRow(m_rows[k], first + k < entries);
}

void CJobMarketScreen::Enter() {
    BuildJobLists();
    m_controls.Begin();
    m_profile = m_controls.Add<CHotSpot>(382, 51, 260, 20, nullptr, "Visit profile page");
    m_btnAvailable = m_controls.Add<CButton>(213, 105, 390, 20, "Available Jobs");
    m_btnCoaches = m_controls.Add<CButton>(623, 105, 390, 20, "Coach Performance");
    for (int k = 0; k < JOB_ROWS; ++k) {
        m_rows[k] = m_controls.Add<CHotSpot>(210, ROW_TOP + 20 * k, 730, 19);
        ShowRow(m_rows[k], false);
    }
    m_scroll = m_controls.Add<CScrollBar>(978, 140, 17, 530);
    m_scroll->mb_horizontal = 0;
    m_scroll->m_position = 0;
    UpdateRowButtons();
    g_game->mb_screenFrame = 1;
}

void CJobMarketScreen::Update() {
    if (TakeClick(m_btnAvailable)) return SwitchPage(JOBS_AVAILABLE);
    if (TakeClick(m_btnCoaches)) return SwitchPage(JOBS_COACHES);
    if (TakeClick(m_profile)) {
        OpenUserProfile();
        return;
    }
    for (int k = 0; k < JOB_ROWS; ++k) {
        if (!TakeClick(m_rows[k])) continue;
        const size_t entry = static_cast<size_t>(ScrollPosition() + k);
        if (entry >= mv_jobs.size()) return;
        const int32_t value = mv_jobs[entry];
        if (m_kept.page == JOBS_COACHES) {
            if (static_cast<size_t>(value) < g_world.mv_staff.size())
                OpenCoachProfile(g_world.mv_staff[value].m_id);
        } else {
            OpenSide(value);
        }
        return;
    }
    if (m_scroll) WheelScroll(*m_scroll);
}

void CJobMarketScreen::Render() {
    CGame& game = *g_game;
    game.m_background.Draw(0, 0);
    g_system->ShadeRect(203, 103, 1019, 131);
    g_system->ShadeRect(203, 133, 1019, 695);
    DrawFrameBars(g_cricket.m_date.ClockText().c_str());
    DrawCoachName();
    g_system->FillRect(210, 160, 980, 162, TEXT_WHITE);
    CFont* font = game.m_fontText.get();
    const bool coaches = m_kept.page == JOBS_COACHES;
    g_system->DrawText(512, 15, ALIGN_CENTRE, TEXT_WHITE, game.m_fontTitle.get(), "%s",
                       coaches ? "Coach Performance" : "Job Market");
    g_system->DrawText(230, 140, ALIGN_LEFT, TEXT_ORANGE, font, "%s", coaches ? "Coach" : "Team");
    g_system->DrawText(500, 140, ALIGN_LEFT, TEXT_ORANGE, font, "%s", coaches ? "Job" : "Country");
    g_system->DrawText(750, 140, ALIGN_LEFT, TEXT_ORANGE, font, "%s", coaches ? "Reputation" : "Status");
    if (!coaches && mv_jobs.empty())
        g_system->DrawText(230, ROW_TOP, ALIGN_LEFT, TEXT_WHITE, font,
                           "No jobs are currently available or insecure.");
    const int first = ScrollPosition();
    for (int k = 0; k < JOB_ROWS; ++k) {
        const size_t entry = static_cast<size_t>(first + k);
        if (entry >= mv_jobs.size()) break;
        if (coaches)
            RenderCoachRow(mv_jobs[entry], ROW_TOP + 20 * k);
        else
            RenderJobRow(mv_jobs[entry], ROW_TOP + 20 * k);
    }
    if (g_system->mp_controlList) g_system->mp_controlList->Draw();
}

void CJobMarketScreen::Leave() {
    m_controls.Free();
    mv_jobs.clear();
    m_profile = nullptr;
    m_btnAvailable = m_btnCoaches = nullptr;
    std::fill(std::begin(m_rows), std::end(m_rows), nullptr);
    m_scroll = nullptr;
}

}  // namespace ravel

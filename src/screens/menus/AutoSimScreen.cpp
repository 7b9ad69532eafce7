#include "screens/menus/AutoSimScreen.h"

#include <algorithm>

#include "screens/menus/ScreenControls.h"
#include "screens/menus/ScreenFrame.h"
#include "season/DayMachine.h"
#include "season/News.h"
#include "season/Squads.h"
#include "shell/Game.h"
#include "shell/gui/Button.h"
#include "shell/gui/MessageBox.h"
#include "shell/gui/SideBar.h"
#include "shell/platform/Keys.h"
#include "shell/platform/System.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

namespace {

using SB = CSideBar;

constexpr uint32_t BAR_GREY = 0xff787878u;
constexpr int BAR_LEFT = 208, BAR_TOP = 685, BAR_RIGHT = 1004, BAR_BOTTOM = 690;
constexpr int NEWS_DATE_X = 220, NEWS_TEXT_X = 350, NEWS_TOP = 230, NEWS_LINE = 20;

void SetButton(CButton* button, bool enabled) {
    if (!button) return;
    button->mb_disabled = enabled ? 0 : 1;
    button->m_state = STATE_NORMAL;
}

float SeasonPercent() {
    const float percent =
        static_cast<float>(g_cricket.m_date.m_dayOfSeason) * (1.0f / AUTO_BAR_DAYS) * 100.0f;
    return std::min(100.0f, percent);
}

void StopAndShowNews() {
    g_cricket.m_autoSimulate = false;
    g_game->ChangeScreen(SCREEN_NEWS);
}

}  // namespace

bool UserSidePlaysToday() {
    const int32_t side = g_cricket.m_team;
    auto involves = [&](const Fixture& f) {
        return f.m_home > 0 && f.m_away > 0 && (f.m_home == side || f.m_away == side);
    };
    if (std::any_of(g_todaysFixtures.begin(), g_todaysFixtures.end(), involves)) return true;
    // Between two days the day's list is empty: today's fixtures are still in the world's table.
    const GameDate& today = g_cricket.m_date;
    return std::any_of(g_world.mv_fixtures.begin(), g_world.mv_fixtures.end(),
                       [&](const Fixture& f) { return f.m_date.SameDay(today) && involves(f); });
}

void RestoreSideBarAfterAutoSim() {
    for (CButton* button :
         {SB::s_btnExit, SB::s_btnContinue, SB::s_btnOptions, SB::s_btnMain, SB::s_btnWorldCricket,
          SB::s_btnCompetitions, SB::s_btnPlayerSearch, SB::s_btnJobs})
        SetButton(button, true);
    if (CButton* squad = SB::s_btnSquad) {
        const StaffMember* coach = CurrentUserStaff();
        const int32_t national = coach ? coach->m_nationalJob : 0;
        const int32_t club = coach ? coach->m_clubJob : 0;
        const Country* country = national >= 1 ? CountryById(national) : nullptr;
        const Team* team = club >= 1 ? TeamById(club) : nullptr;
        if (national >= 1) {
            SetButton(squad, true);
            squad->SetCaption(country ? country->m_name : "");
        } else if (club < 1) {
            squad->SetCaption("No team");
            SetButton(squad, false);
        } else {
            SetButton(squad, true);
            squad->SetCaption(team ? team->m_name : "");
        }
    }
    SetButton(SB::s_btnBack, false);
    SetButton(SB::s_btnForward, false);
}

bool CAutoSimScreen::StopReached() const {
    const AutoSimState& s = m_kept.state;
    const GameDate& today = g_cricket.m_date;
    if (UserSidePlaysToday()) return true;
    if (s.m_mode == AUTO_MODE_DAY) return today.m_dayOfSeason == s.m_stopDay;
    return today.m_season != s.m_startSeason && today.m_dayOfSeason > 0;
}

void CAutoSimScreen::Enter() {
    CGame& game = *g_game;
    HoldSideBar();
    game.mb_screenFrame = 1;
    // The days run here make every earlier page stale: there is no way back,
    // and this screen is no place to come back to.
    game.mv_backHistory.clear();
    game.mv_forwardHistory.clear();
    game.m_recordOnLeave = false;

    const bool resume = m_kept.waitingForAnswer && g_cricket.m_autoSimulate;
    m_kept.waitingForAnswer = false;
    if (resume) return;
    const int32_t rule = g_dayScreenState.m_autoStopRule;
    m_kept.state.m_tickCount = 0;
    m_kept.state.m_careerOver = rule == AUTO_CAREER_OVER ? 1.0f : 0.0f;
    m_kept.state.m_startSeason = g_cricket.m_date.m_season;
    // A day that the season does not have could never be reached.
    const bool dayRule = rule >= 0 && rule < SEASON_DAYS;
    m_kept.state.m_mode = dayRule ? AUTO_MODE_DAY : AUTO_MODE_SEASON_END;
    m_kept.state.m_stopDay = dayRule ? rule : 0;
    m_kept.state.m_percent = SeasonPercent();
}

void CAutoSimScreen::Tick() {
    if (m_kept.state.m_careerOver != 0.0f) return;
    ++m_kept.state.m_tickCount;
    m_kept.state.m_percent = SeasonPercent();
    if (StopReached()) {
        StopAndShowNews();
        return;
    }
    if (MessageBoxOpen()) return;
    int message = -1;
    if (FindUnansweredMessage(&message)) {
        // The day cannot start until he answers: the news page shows the
        // message, and Continue brings him back to the simulation.
        m_kept.waitingForAnswer = true;
        g_game->OpenScreen(SCREEN_NEWS, {message});
        return;
    }
    g_cricket.m_autoSimulate = true;
    if (!g_game->m_paused) g_game->RenderFrame();
    AdvanceDay();
}

void CAutoSimScreen::Update() {
    CSystem& sys = *g_system;
    if (m_kept.state.m_careerOver != 0.0f) {
        if (sys.KeyDown(DIK_Q)) g_game->m_running = false;
        return;
    }
    if (sys.KeyDown(DIK_SPACE)) StopAndShowNews();
}

void CAutoSimScreen::Render() {
    CGame& game = *g_game;
    CSystem& sys = *g_system;
    game.m_background.Draw(0, 0);
    DrawScreenFrame(false);
    CFont* title = game.m_fontTitle.get();
    CFont* text = game.m_fontText.get();
    if (m_kept.state.m_careerOver != 0.0f) {
        sys.DrawText(512, 15, ALIGN_CENTRE, TEXT_WHITE, title, "Ravelstone");
        sys.DrawTextInRect(
            213, 120, 1009, 200, ALIGN_CENTRE, TEXT_WHITE, text, "%s",
            "You have reached the age of retirement and decide that you wish to become an "
            "armchair cricket fan. After a farewell dinner attended by many cricket stars from "
            "around the world you gracefully end your career");
        sys.DrawTextInRect(
            213, 210, 1009, 290, ALIGN_CENTRE, TEXT_WHITE, text, "%s",
            "Thank you for playing Ravelstone, it has been a pleasure bringing the game to you "
            "and we hope you've enjoyed it.");
        sys.DrawTextInRect(213, 400, 1009, 460, ALIGN_CENTRE, TEXT_YELLOW, text, "%s",
                           "Please press Q to quit the game");
    } else {
        sys.DrawText(512, 15, ALIGN_CENTRE, TEXT_WHITE, title, "Auto simulating");
        sys.DrawText(220, 200, ALIGN_LEFT, TEXT_ORANGE, text, "Recent News");
        if (const std::vector<InboxMessage>* messages = CurrentInbox()) {
            const std::vector<InboxMessage>& inbox = *messages;
            const size_t first = inbox.size() > AUTO_NEWS_LINES ? inbox.size() - AUTO_NEWS_LINES : 0;
            for (size_t i = first; i < inbox.size(); ++i) {
                const InboxMessage& message = inbox[i];
                const int y = NEWS_TOP + NEWS_LINE * static_cast<int>(i - first);
                sys.DrawText(NEWS_DATE_X, y, ALIGN_LEFT, TEXT_YELLOW, text, "%s",
                             DateLongText(message.m_day, message.m_month, message.m_year).c_str());
                sys.DrawText(NEWS_TEXT_X, y, ALIGN_LEFT, TEXT_WHITE, text, "%s", message.m_headline.c_str());
            }
        }
        sys.DrawText(611, 640, ALIGN_CENTRE, TEXT_WHITE, text, "%3.0f percent complete...",
                     static_cast<double>(m_kept.state.m_percent));
        sys.FillRect(BAR_LEFT, BAR_TOP, BAR_RIGHT, BAR_BOTTOM, BAR_GREY);
        const int filled =
            static_cast<int>(m_kept.state.m_percent * 0.01f * static_cast<float>(BAR_RIGHT - BAR_LEFT));
        sys.FillRect(BAR_LEFT, BAR_TOP, BAR_LEFT + filled, BAR_BOTTOM, TEXT_YELLOW);
        sys.DrawText(611, 610, ALIGN_CENTRE, TEXT_WHITE, text, "Hold space to go to main menu...");
    }
    if (sys.mp_controlList) sys.mp_controlList->Draw();
}

void CAutoSimScreen::Leave() {
    // However the screen is left, the side bar is a running career's again.
    LetGoSideBar();
    RestoreSideBarAfterAutoSim();
    if (g_system->mp_controlList) g_system->mp_controlList->mv_controls.clear();
}

}  // namespace ravel

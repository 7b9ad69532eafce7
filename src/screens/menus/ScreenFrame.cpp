#include "screens/menus/ScreenFrame.h"

#include <cstdio>

#include "season/News.h"
#include "shell/Game.h"
#include "shell/platform/System.h"
#include "world/GameDate.h"

namespace ravel {

namespace {

constexpr uint32_t WHITE = 0xffffffffu;

}  // namespace

void DrawScreenFrame(bool withCoachName) {
    g_system->ShadeRect(203, 103, 1019, 695);
    g_game->m_topBarMatch.Draw(0, 0);
    g_game->m_sideBar.Draw(0, 103);
    g_game->m_sideBarBottom.Draw(0, 520);
    g_game->m_bottomBar.Draw(0, 704);
    if (g_game->mb_screenFrame) {
        g_system->DrawText(10, 10, ALIGN_LEFT, WHITE, g_game->m_fontText.get(), "%s",
                           g_cricket.m_date.DateText());
        g_system->DrawText(10, 30, ALIGN_LEFT, WHITE, g_game->m_fontText.get(), "%s",
                           g_cricket.m_date.ClockText());
    }
    if (withCoachName) DrawCoachName();
}

void DrawCoachName() {
    const int index = g_cricket.m_coachIndex;
    if (index < 0 || index >= static_cast<int>(g_userCoaches.size())) return;
    const StaffMember& coach = g_userCoaches[index].m_staff;
    g_system->DrawText(512, 50, ALIGN_CENTRE, WHITE, g_game->m_fontText.get(), "%s %s", coach.m_firstName,
                       coach.m_surname);
}

const char* FormatDate(int day, int month, int year) {
    static char buffer[32];
    if (month < 1 || month > 12) return buffer;
    std::snprintf(buffer, sizeof buffer, "%02d %s %d", day, MonthShortName(month), year);
    return buffer;
}

const char* OrdinalText(int n) {
    static const char* const ORDINALS[] = {"-",    "1st",  "2nd",  "3rd",  "4th",  "5th",  "6th",
                                           "7th",  "8th",  "9th",  "10th", "11th", "12th", "13th",
                                           "14th", "15th", "16th", "17th", "18th", "19th", "20th",
                                           "21st", "22nd", "23rd", "24th"};
    constexpr int LAST = static_cast<int>(sizeof ORDINALS / sizeof ORDINALS[0]) - 1;
    return (n >= 1 && n <= LAST) ? ORDINALS[n] : ORDINALS[0];
}

}  // namespace ravel

#include "screens/menus/ScreenFrame.h"

#include <string>

#include "screens/menus/ScreenControls.h"
#include "shell/Game.h"
#include "shell/platform/System.h"
#include "world/GameDate.h"
#include "world/Records.h"

namespace ravel {

void DrawScreenFrame(bool withCoachName) {
    g_system->ShadeRect(203, 103, 1019, 695);
    DrawFrameBars(g_cricket.m_date.ClockText().c_str());
    if (withCoachName) DrawCoachName();
}

void DrawFullScreenFrame(const char* title) {
    CGame& game = *g_game;
    game.m_background.Draw(0, 0);
    g_system->ShadeRect(4, 103, 1019, 695);
    game.m_topBarMatch.Draw(0, 0);
    game.m_bottomBar.Draw(0, 704);
    g_system->DrawText(512, 15, ALIGN_CENTRE, TEXT_WHITE, game.m_fontTitle.get(), "%s", title);
}

void DrawCoachName() {
    const StaffMember* coach = CurrentUserStaff();
    if (!coach) return;
    g_system->DrawText(512, 50, ALIGN_CENTRE, TEXT_WHITE, g_game->m_fontText.get(), "%s %s",
                       coach->m_firstName, coach->m_surname);
}

std::string FormatDate(int day, int month, int year) {
    if (month < 1 || month > 12) return "";
    return DateLongText(day, month, year);
}

const char* OrdinalText(int n) {
    static const char* const ORDINALS[] = {"-",    "1st",  "2nd",  "3rd",  "4th",  "5th",  "6th",
                                           "7th",  "8th",  "9th",  "10th", "11th", "12th", "13th",
                                           "14th", "15th", "16th", "17th", "18th", "19th", "20th",
                                           "21st", "22nd", "23rd", "24th"};
    constexpr int LAST = static_cast<int>(sizeof ORDINALS / sizeof ORDINALS[0]) - 1;
    return (n >= 1 && n <= LAST) ? ORDINALS[n] : ORDINALS[0];
}

std::string CutToWidth(CFont* font, const char* text, int width) {
    std::string cut = text;
    if (CSystem::TextWidth(font, text) <= width) return cut;
    while (!cut.empty()) {
        cut.pop_back();
        if (CSystem::TextWidth(font, (cut + ".").c_str()) <= width) break;
    }
    return cut + ".";
}

}  // namespace ravel

#include "screens/team/TopRatedScreen.h"

#include <algorithm>
#include <cstring>

#include "screens/menus/ScreenControls.h"
#include "screens/menus/ScreenFrame.h"
#include "screens/team/PlayerDetailsScreen.h"
#include "screens/team/PlayerLists.h"
#include "season/PlayerIcons.h"
#include "shell/Game.h"
#include "shell/Screens.h"
#include "shell/gui/Button.h"
#include "shell/platform/System.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

namespace {

constexpr int ROW_TOP = 165;
constexpr int ICON_X = 250;
constexpr int NAME_X = 280;
constexpr int COUNTRY_X = 540;
constexpr int CLUB_X = 700;
constexpr int RATING_X = 880;

const char* TeamName(int id) {
    const Team* t = id > 0 ? TeamById(id) : nullptr;
    return t ? t->m_name : "-";
}

const char* CountryName(int id) {
    const Country* c = id > 0 ? CountryById(id) : nullptr;
    return c ? c->m_name : "-";
}

}  // namespace

std::vector<int32_t> TopRatedPlayers(int list, int count) {
    std::vector<int32_t> ids;
    for (const Player& p : g_world.mv_players)
        if (p.m_id > 0 && !p.m_retired) ids.push_back(p.m_id);
    const SortKey key = list == TOP_RATED_BOWLERS ? SortKey::BOWL_RATING : SortKey::BAT_RATING;
    SortPlayers(ids, SortKey::SURNAME, 0, false);
    std::stable_sort(ids.begin(), ids.end(),
                     [key](int32_t a, int32_t b) { return PlayerBefore(a, b, key, 0, true, {}); });
    if (ids.size() > static_cast<size_t>(std::max(count, 0)))
        ids.resize(static_cast<size_t>(std::max(count, 0)));
    return ids;
}

void CTopRatedScreen::ShowList(int32_t list) {
    m_kept.list = list;
    mv_players = TopRatedPlayers(list, TOP_RATED_ROWS);
    for (int k = 0; k < TOP_RATED_ROWS; ++k) ShowRow(m_rows[k], static_cast<size_t>(k) < mv_players.size());
}

void CTopRatedScreen::Enter() {
    m_controls.Begin();
    m_btnBatsmen = m_controls.Add<CButton>(307, 105, 300, 20, "Top Rated Batsmen");
    m_btnBowlers = m_controls.Add<CButton>(705, 105, 300, 20, "Top Rated Bowlers");
    for (int k = 0; k < TOP_RATED_ROWS; ++k)
        m_rows[k] = m_controls.Add<CHotSpot>(210, ROW_TOP + 20 * k, 790, 19, nullptr, "View player details");
    ShowList(m_kept.list);
    g_game->mb_screenFrame = 1;
}

void CTopRatedScreen::Update() {
    // Both in one tick: the bowlers, as the later test.
    const bool batsmen = TakeClick(m_btnBatsmen);
    const bool bowlers = TakeClick(m_btnBowlers);
    if (bowlers) return ShowList(TOP_RATED_BOWLERS);
    if (batsmen) return ShowList(TOP_RATED_BATSMEN);
    for (int k = 0; k < TOP_RATED_ROWS; ++k) {
        if (!TakeClick(m_rows[k]) || static_cast<size_t>(k) >= mv_players.size()) continue;
        return OpenPlayerDetails(mv_players[static_cast<size_t>(k)]);
    }
}

void CTopRatedScreen::Render() {
    CGame& game = *g_game;
    game.m_background.Draw(0, 0);
    g_system->ShadeRect(203, 103, 1019, 133);
    g_system->ShadeRect(203, 135, 1019, 695);
    DrawFrameBars(g_cricket.m_date.ClockText().c_str());
    const bool bowlers = m_kept.list == TOP_RATED_BOWLERS;
    g_system->DrawText(512, 15, ALIGN_CENTRE, TEXT_WHITE, game.m_fontTitle.get(), "%s",
                       bowlers ? "Top Rated Bowlers" : "Top Rated Batsmen");
    CFont* font = game.m_fontText.get();
    g_system->DrawText(NAME_X, 140, ALIGN_LEFT, TEXT_ORANGE, font, "%s", "Player");
    g_system->DrawText(COUNTRY_X, 140, ALIGN_LEFT, TEXT_ORANGE, font, "%s", "Country");
    g_system->DrawText(CLUB_X, 140, ALIGN_LEFT, TEXT_ORANGE, font, "%s", "Club");
    g_system->DrawText(RATING_X, 140, ALIGN_LEFT, TEXT_ORANGE, font, "%s", "Rating");
    for (size_t k = 0; k < mv_players.size() && k < static_cast<size_t>(TOP_RATED_ROWS); ++k) {
        const Player* p = PlayerById(mv_players[k]);
        if (!p || p->m_id != mv_players[k]) continue;
        const int y = ROW_TOP + 20 * static_cast<int>(k);
        g_system->DrawText(215, y, ALIGN_LEFT, TEXT_WHITE, font, "%d", static_cast<int>(k) + 1);
        if (CSprite* icon = game.Tile(PlayerRoleIconWithKeeper(p->m_id))) icon->Draw(ICON_X, y + 2);
        g_system->DrawText(NAME_X, y, ALIGN_LEFT, TEXT_WHITE, font, "%s %s", p->m_firstName, p->m_surname);
        g_system->DrawText(COUNTRY_X, y, ALIGN_LEFT, TEXT_WHITE, font, "%s", CountryName(p->m_country));
        g_system->DrawText(CLUB_X, y, ALIGN_LEFT, TEXT_WHITE, font, "%s", TeamName(p->CurrentClub()));
        g_system->DrawText(RATING_X, y, ALIGN_LEFT,
                           bowlers ? p->BowlingRatingColour() : p->BattingRatingColour(), font, "%s",
                           bowlers ? p->BowlingRatingWord() : p->BattingRatingWord());
    }
    if (g_system->mp_controlList) g_system->mp_controlList->Draw();
}

void CTopRatedScreen::Leave() {
    m_controls.Free();
    mv_players.clear();
    m_btnBatsmen = m_btnBowlers = nullptr;
    std::fill(std::begin(m_rows), std::end(m_rows), nullptr);
}

}  // namespace ravel

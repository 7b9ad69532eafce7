#include "screens/team/ElevenMenus.h"

#include <cstdio>
#include <iterator>

#include "screens/team/SquadRows.h"
#include "season/Eleven.h"
#include "shell/gui/MessageBox.h"
#include "shell/gui/PopupMenu.h"
#include "shell/platform/System.h"
#include "world/World.h"

namespace ravel {

namespace {

// The role pop-up's items in order, with the role each gives.
constexpr struct {
    const char* text;
    int role;
} ROLES[] = {
    {"Captain", XI_CAPTAIN},
    {"Wicket Keeper", XI_KEEPER},
    {"Opening Bowler 1", XI_OPEN_BOWLER1},
    {"Opening Bowler 2", XI_OPEN_BOWLER2},
};

void SlotText(char (&text)[ITEM_TEXT_SIZE], const Player* holder, int slot, SlotNames names) {
    if (names == SlotNames::SURNAMES)
        std::snprintf(text, sizeof text, "%s", holder ? holder->m_surname : "Empty");
    else if (holder)
        std::snprintf(text, sizeof text, "%s %s", holder->m_initials, holder->m_surname);
    else
        std::snprintf(text, sizeof text, "%d: empty place", slot + 1);
}

}  // namespace

void OpenPositionMenu(CPopupMenu& menu, const int32_t (&xi)[XI_SIZE], const Player& player, SlotNames names,
                      int x, int y) {
    menu.ClearListItems();
    char text[ITEM_TEXT_SIZE];
    std::snprintf(text, sizeof text, "Select who %s is to replace", player.m_surname);
    menu.AddListItem(text, POSITION_TITLE);
    for (int slot = 0; slot < XI_PLAYERS; ++slot) {
        SlotText(text, xi[slot] > 0 ? PlayerById(xi[slot]) : nullptr, slot, names);
        menu.AddListItem(text, slot);
    }
    menu.AddListItem("Cancel", POSITION_CANCEL);
    menu.Open(x, y);
}

void TakePositionChoice(CPopupMenu& menu, int32_t (*xi)[XI_SIZE], int32_t player) {
    if (menu.m_menuState != MENU_CHOSEN) return;
    const int slot = menu.GetChosenValue();
    menu.Close();
    if (xi && slot >= 0 && slot < XI_PLAYERS) PlaceInEleven(*xi, slot, player);
}

void FillRoleMenu(CPopupMenu& menu) {
    for (const auto& role : ROLES) menu.AddListItem(role.text, role.role);
}

void TrackElevenPanel(CPopupMenu& menu, const int32_t (*xi)[XI_SIZE], bool rightSelects, int32_t& battingSlot,
                      int32_t& roleRow) {
    const CSystem& sys = *g_system;
    const int x = sys.m_mouseX;
    const int y = sys.m_mouseY;
    const int slot = MessageBoxOpen() ? -1 : ElevenSlotAt(x, y);
    if (slot < 0) {
        if (menu.m_menuState == MENU_CLOSED) roleRow = -1;
        return;
    }
    if (sys.mb_leftDown && menu.m_menuState == MENU_CLOSED) battingSlot = slot;
    if (menu.m_menuState != MENU_CLOSED) return;
    roleRow = slot;
    if (!sys.mb_rightDown || !xi || (*xi)[slot] < 1) return;
    if (rightSelects) battingSlot = slot;
    for (size_t i = 0; i < std::size(ROLES); ++i)
        menu.mv_items[i].mb_greyed = RoleAllowed(*xi, slot, ROLES[i].role) ? 0 : 1;
    menu.Open(x, y);
}

void TakeRoleChoice(CPopupMenu& menu, int32_t (*xi)[XI_SIZE], int roleRow) {
    if (menu.m_menuState != MENU_CHOSEN) return;
    const int chosen = menu.m_chosen;
    menu.Close();
    if (xi && chosen >= 0 && static_cast<size_t>(chosen) < std::size(ROLES))
        AssignRole(*xi, roleRow, ROLES[chosen].role);
}

}  // namespace ravel

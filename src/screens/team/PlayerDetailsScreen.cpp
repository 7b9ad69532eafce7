#include "screens/team/PlayerDetailsScreen.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "match/Match.h"
#include "match/MatchLists.h"
#include "screens/menus/ScreenControls.h"
#include "screens/team/ContractScreen.h"
#include "season/Contracts.h"
#include "season/News.h"
#include "season/Squads.h"
#include "shell/Game.h"
#include "shell/Screens.h"
#include "shell/gui/Button.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/MessageBox.h"
#include "shell/gui/PopupMenu.h"
#include "shell/gui/ScrollBar.h"
#include "shell/platform/System.h"
#include "world/PlayerHistory.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

using PD = CPlayerDetailsScreen;

int32_t PD::s_player = 0;
int32_t PD::s_tab = DETAILS_TAB;
int32_t PD::s_historyView = HISTORY_FIRST_VIEW;
bool PD::s_evenSeason = false;
bool PD::s_pictureLoaded = false;
CSprite PD::s_picture;
int32_t PD::s_transferTeam = 0;
int32_t PD::s_lastApproach = SIGN_OK;
std::vector<PerformanceRef> PD::sv_recent;
std::vector<PlayerStats> PD::sv_history;
std::vector<PlayerStats> PD::sv_filtered;
std::vector<int32_t> PD::sv_offers;
CHotSpot* PD::s_spotNorth = nullptr;
CHotSpot* PD::s_spotSouth = nullptr;
CHotSpot* PD::s_spotCountry = nullptr;
CHotSpot* PD::s_spotCountry2 = nullptr;
CComboBox* PD::s_comboHistory = nullptr;
CScrollBar* PD::s_scroll = nullptr;
CButton* PD::s_tabs[6] = {};
CButton* PD::s_btnActions = nullptr;
CPopupMenu* PD::s_menuActions = nullptr;

namespace {

ScreenControls s_controls;

constexpr int SMALL_BUTTON = 1;
constexpr int PICTURE_SHIFT = 120;  // the hot spots move down beside a picture
// Approaches to a player with two seasons left read "more than a year" in
// the first month of the season.
constexpr int FIRST_MONTH_DAYS = 31;

using ButtonRow = ScreenControls::ButtonRow;

constexpr ButtonRow TAB_BUTTONS[] = {
    {&PD::s_tabs[0], "Details", "View personal details and skill ratings", 215, 105, 125},
    {&PD::s_tabs[1], "Form", "View latest performances", 350, 105, 125},
    {&PD::s_tabs[2], "Career", "View career statistics", 485, 105, 125},
    {&PD::s_tabs[3], "Current", "View seasonal statistics", 620, 105, 125},
    {&PD::s_tabs[4], "Contract", "View contract/transfer information", 755, 105, 125},
    {&PD::s_tabs[5], "History", "View player history", 890, 105, 125},
    {&PD::s_btnActions, "Actions", "Things to do with this player", 915, 25, 90},
};
constexpr int32_t TAB_OF_BUTTON[] = {DETAILS_TAB, FORM_TAB,     CAREER_TAB,
                                     CURRENT_TAB, CONTRACT_TAB, HISTORY_TAB};

constexpr const char* HISTORY_TITLES[] = {
    "First Class Batting", "First Class Bowling", "List A Batting",  "List A Bowling",
    "Test Match Batting",  "Test Match Bowling",  "One Day Batting", "One Day Bowling",
};
// The kind of cricket of each pair of history views.
constexpr int32_t HISTORY_KINDS[] = {KIND_FIRST_CLASS, KIND_LIST_A, KIND_TEST, KIND_ODI};

Player* Shown() {
    return PlayerById(PD::s_player);
}

int UserClub() {
    const StaffMember* user = CurrentUserStaff();
    return user && user->m_clubJob > 0 ? user->m_clubJob : 0;
}

int UserCountry() {
    const StaffMember* user = CurrentUserStaff();
    return user && user->m_nationalJob > 0 ? user->m_nationalJob : 0;
}

// The national side whose squad items the menu holds; nullptr for none.
Country* SquadCountry(const Player& p) {
    const int country = UserCountry();
    return country && p.IsOfCountry(country) ? CountryById(country) : nullptr;
}

// "Add to squad" while he is out of the current squad list, else "Remove".
void ShowMembership() {
    Player* p = Shown();
    Country* country = p ? SquadCountry(*p) : nullptr;
    if (!country) return;
    const std::vector<int32_t>& list = SquadList(*country, country->m_squadKind);
    const bool listed = std::find(list.begin(), list.end(), p->m_id) != list.end();
    for (ListItem& item : PD::s_menuActions->mv_items) {
        if (item.m_value == ACTION_ADD_TO_SQUAD) item.mb_greyed = listed ? 1 : 0;
        if (item.m_value == ACTION_REMOVE_FROM_SQUAD) item.mb_greyed = listed ? 0 : 1;
    }
}

void BuildActionsMenu(const Player& p) {
    CPopupMenu& menu = *PD::s_menuActions;
    if (const int club = UserClub(); club && !p.m_transferArranged) {
        if (p.m_northClub == club || p.m_southClub == club) {
            menu.AddListItem("Release from contract", ACTION_RELEASE);
            menu.AddListItem("Offer new contract", ACTION_RENEW);
        } else {
            menu.AddListItem("Approach to sign", ACTION_APPROACH);
            g_overseasCount = -1;
        }
    }
    if (Country* country = SquadCountry(p)) {
        country->m_squadKind = country->m_activeSquadKind;
        const uint8_t* lock = SquadLock(*country, country->m_squadKind);
        if (!lock || !*lock) {
            menu.AddListItem("Add to squad", ACTION_ADD_TO_SQUAD);
            menu.AddListItem("Remove from squad", ACTION_REMOVE_FROM_SQUAD);
            ShowMembership();
        }
    }
    if (menu.ItemCount() == 0) PD::s_btnActions->Disable();
}

void PlaceSpots(int shift) {
    PD::s_spotNorth->SetRect(809, 200 + shift, 199, 19);
    PD::s_spotSouth->SetRect(809, 180 + shift, 199, 19);
    PD::s_spotCountry->SetRect(400, 260 + shift, 200, 19);
    PD::s_spotCountry2->SetRect(400, 280 + shift, 200, 19);
}

// The hot spots whose target is set show on the Details tab.
void ShowSpots(bool shown) {
    const Player* p = Shown();
    const int32_t targets[] = {p ? p->m_northClub : 0, p ? p->m_southClub : 0, p ? p->m_country : 0,
                               p ? p->m_country2 : 0};
    CHotSpot* spots[] = {PD::s_spotNorth, PD::s_spotSouth, PD::s_spotCountry, PD::s_spotCountry2};
    for (int i = 0; i < 4; ++i) ShowRow(spots[i], shown && targets[i] > 0);
}

void MakeControls() {
    s_controls.Begin();
    PD::s_spotNorth = s_controls.Add<CHotSpot>(0, 0, 199, 19, nullptr, "Visit team page");
    PD::s_spotSouth = s_controls.Add<CHotSpot>(0, 0, 199, 19, nullptr, "Visit team page");
    PD::s_spotCountry = s_controls.Add<CHotSpot>(0, 0, 200, 19, nullptr, "Visit country page");
    PD::s_spotCountry2 = s_controls.Add<CHotSpot>(0, 0, 200, 19);
    PlaceSpots(0);
    PD::s_comboHistory =
        s_controls.Add<CComboBox>(720, 140, 250, 25, HISTORY_TITLES[0], "Select data to view");
    PD::s_comboHistory->m_collapsedHeight = 25;
    for (int i = 0; i < 8; ++i) PD::s_comboHistory->AddListItem(HISTORY_TITLES[i], i + 1);
    ShowRow(PD::s_comboHistory, false);
    PD::s_scroll = s_controls.Add<CScrollBar>(980, 140, 17, 500);
    PD::s_scroll->mb_horizontal = 0;
    PD::s_scroll->m_position = 0;
    PD::s_scroll->mb_visible = 0;
    s_controls.AddButtons(TAB_BUTTONS, SMALL_BUTTON);
    PD::s_menuActions = s_controls.Add<CPopupMenu>(1, 1, 200, 20);
    PD::s_menuActions->m_width = 200;
}

void LoadPicture(const Player& p) {
    char path[160];
    for (const char* ext : {"bmp", "jpg"}) {
        std::snprintf(path, sizeof path, "gfx/pics/players/%s %s %d %d %d.%s", p.m_firstName, p.m_surname,
                      p.m_birthDay, p.m_birthMonth, p.m_birthYear, ext);
        if (PD::s_picture.LoadFromFile(path)) {
            PD::s_pictureLoaded = true;
            PlaceSpots(PICTURE_SHIFT);
            return;
        }
    }
    PD::s_pictureLoaded = false;
}

// Batting entries he went in for and bowling entries with a ball, newest
// match first.
void FindRecentPerformances(int32_t playerId) {
    PD::sv_recent.clear();
    for (const auto& match : g_completedMatches) {
        for (int inns = 0; inns < 4; ++inns) {
            const Innings& innings = match->m_innings[inns];
            if (!innings.mb_started) continue;
            for (int slot = 0; slot < XI_PLAYERS; ++slot) {
                const BatsmanFigures& bat = innings.m_batsmen[slot];
                if (bat.mi_player == playerId && bat.mi_howOut != HOWOUT_DID_NOT_BAT)
                    PD::sv_recent.push_back({0, match->mi_id, inns, slot});
                const BowlerFigures& bowl = innings.m_bowlers[slot];
                if (bowl.mi_player == playerId && bowl.mi_balls > 0)
                    PD::sv_recent.push_back({1, match->mi_id, inns, slot});
            }
        }
    }
    std::stable_sort(PD::sv_recent.begin(), PD::sv_recent.end(),
                     [](const PerformanceRef& a, const PerformanceRef& b) { return a.m_match > b.m_match; });
}

void ReadHistory(Player& p) {
    ReadPlayerHistory(PD::sv_history, p.m_id);
    // The season blocks count this season's cricket of their kind, whatever
    // their own fields say.
    for (int block = STATS_SEASON_FC; block < STATS_BLOCKS; ++block) {
        PlayerStats season = p.m_stats[block];
        season.m_kind = HISTORY_KINDS[block - STATS_SEASON_FC];
        season.m_season = g_cricket.m_date.m_season;
        PD::sv_history.push_back(season);
    }
    for (PlayerStats& s : PD::sv_history) s.RecomputeAverages();
    std::stable_sort(PD::sv_history.begin(), PD::sv_history.end(),
                     [](const PlayerStats& a, const PlayerStats& b) { return a.m_season < b.m_season; });
}

// Offers not closed; the club of an agreed one is where he goes.
void FindOffers(int32_t playerId) {
    PD::sv_offers.clear();
    PD::s_transferTeam = 0;
    for (size_t i = 0; i < g_contractOffers.size(); ++i) {
        const ContractOffer& o = g_contractOffers[i];
        if (o.m_player != playerId) continue;
        if (o.m_state != OFFER_CLOSED) PD::sv_offers.push_back(static_cast<int32_t>(i));
        if (o.m_state == OFFER_AGREED) PD::s_transferTeam = o.m_team;
    }
}

void ShowTab(int32_t tab) {
    PD::s_tab = tab;
    ShowRow(PD::s_comboHistory, tab == HISTORY_TAB);
    if (tab != HISTORY_TAB) PD::s_scroll->mb_visible = 0;
    ShowSpots(tab == DETAILS_TAB);
    if (tab == HISTORY_TAB) PD::FilterPerformanceList();
}

// The user's club's open offer to him (made or countered), else a new one.
ContractOffer OfferToNegotiate(int renewal, int club) {
    ContractOffer offer;
    offer.m_renewal = renewal;
    for (const ContractOffer& o : g_contractOffers) {
        if (o.m_player == PD::s_player && o.m_team == club &&
            (o.m_state == OFFER_MADE || o.m_state == OFFER_COUNTER))
            return o;
    }
    return offer;
}

void Release(const Player& p) {
    const int club = UserClub();
    const int hemisphere = p.m_northClub == club ? HEMI_NORTH : (p.m_southClub == club ? HEMI_SOUTH : 0);
    if (!hemisphere) return;
    switch (ReleaseFromContract(p.m_id, hemisphere)) {
        case RELEASE_DONE:
            ShowMessage("Player has been released from contract", MSG_OK);
            break;
        case RELEASE_TOO_VALUABLE:
            ShowMessage(
                "The chairman has intervened, he says this player is too valuable to release, you should "
                "hold "
                "onto him",
                MSG_OK);
            break;
        case RELEASE_TOO_FEW:
            ShowMessage(
                "The chairman has intervened, he says you must have at least 16 players contracted at any "
                "one "
                "time",
                MSG_OK);
            break;
        default:
            break;
    }
}

// True when the contract screen opened.
bool Approach(const Player& p) {
    const int club = TeamById(UserClub()) ? UserClub() : 0;
    g_overseasCount = -1;
    const int result = CanSignPlayer(p.m_id, club, 1);
    PD::s_lastApproach = result;
    if (result == SIGN_OK) {
        OpenContractScreen(p.m_id, UserClub(), OfferToNegotiate(0, UserClub()));
        return true;
    }
    const std::string message = PD::ApproachMessage(p, result);
    if (!message.empty()) ShowMessage(message.c_str(), MSG_OK);
    return false;
}

// Update step 6: the Actions menu's choice; true when the screen changed.
bool HandleActions() {
    CPopupMenu& menu = *PD::s_menuActions;
    if (menu.m_menuState != MENU_CHOSEN) return false;
    Player* p = Shown();
    if (!p) return false;
    const int action = menu.GetChosenValue();
    Country* country = SquadCountry(*p);
    switch (action) {
        case ACTION_RELEASE:
            Release(*p);
            break;
        case ACTION_RENEW:
            OpenContractScreen(p->m_id, UserClub(), OfferToNegotiate(1, UserClub()));
            return true;
        case ACTION_ADD_TO_SQUAD:
            if (country) AddToSquad(*country, p->m_id);
            ShowMembership();
            break;
        case ACTION_REMOVE_FROM_SQUAD:
            if (country) RemoveFromSquad(*country, p->m_id);
            ShowMembership();
            break;
        case ACTION_APPROACH:
            if (Approach(*p)) return true;
            break;
        default:
            break;
    }
    menu.Close();
    return false;
}

bool HandleLinks() {
    const Player* p = Shown();
    if (!p) return false;
    const struct {
        CHotSpot* spot;
        int32_t target;
        int screen;
    } links[] = {{PD::s_spotNorth, p->m_northClub, SCREEN_TEAM},
                 {PD::s_spotSouth, p->m_southClub, SCREEN_TEAM},
                 {PD::s_spotCountry, p->m_country, SCREEN_COUNTRY},
                 {PD::s_spotCountry2, p->m_country2, SCREEN_COUNTRY}};
    for (const auto& link : links) {
        if (!TakeClick(link.spot) || link.target <= 0) continue;
        OpenScreen(link.screen, {link.target});
        return true;
    }
    return false;
}

}  // namespace

std::string PD::ApproachMessage(const Player& p, int result) {
    char text[400] = {};
    const bool odd = g_cricket.m_date.m_season % 2 != 0;
    switch (result) {
        case SIGN_RETIRING:
            std::snprintf(
                text, sizeof text,
                "%s %s's agent says his client is retiring at the end of the year. Therefore he isn't "
                "interested in a move",
                p.m_firstName, p.m_surname);
            break;
        case SIGN_OVERSEAS_FULL: {
            const Team* club = TeamById(UserClub());
            const Country* country = club ? CountryById(club->m_country) : nullptr;
            const int limit = country ? country->m_overseasLimit : 0;
            std::snprintf(
                text, sizeof text,
                "The chairman has stopped your approach for %s %s. He says you already have the maximum "
                "of %d foreign players.",
                p.m_firstName, p.m_surname, limit);
            break;
        }
        case SIGN_ARRANGED:
            std::snprintf(text, sizeof text,
                          "%s %s's agent says his client has already got a transfer to another club arranged",
                          p.m_firstName, p.m_surname);
            break;
        case SIGN_WINDOW:
            std::snprintf(
                text, sizeof text,
                "You cannot sign a player from another team outside of the transfer window. The transfer "
                "window is open between %s.",
                odd ? "October 14th and November 1st" : "April 14th and May 1st");
            break;
        case SIGN_NORTH_CONTRACT:
        case SIGN_SOUTH_CONTRACT: {
            const bool north = result == SIGN_NORTH_CONTRACT;
            const int seasons = north ? p.m_northSeasons : p.m_southSeasons;
            const Team* club = TeamById(north ? p.m_northClub : p.m_southClub);
            const char* name = club ? club->m_name : "-";
            if (g_cricket.m_date.m_dayOfSeason < FIRST_MONTH_DAYS && seasons == 2)
                std::snprintf(text, sizeof text,
                              "%s %s still has more than a year of his contract with %s to run",
                              p.m_firstName, p.m_surname, name);
            else
                std::snprintf(text, sizeof text,
                              "%s %s still has more than %d years of his contract with %s to run",
                              p.m_firstName, p.m_surname, seasons - 1, name);
            break;
        }
        case SIGN_OUT_OF_SEASON:
            std::snprintf(text, sizeof text,
                          "Your assistant says that you need to wait until next %s to pursue this transfer",
                          odd ? "April" : "October");
            break;
        default:
            break;
    }
    return text;
}

void PD::FilterPerformanceList() {
    sv_filtered.clear();
    const int pair = std::clamp((s_historyView - HISTORY_FIRST_VIEW) / 2, 0, 3);
    for (const PlayerStats& s : sv_history)
        if (s.m_kind == HISTORY_KINDS[pair]) sv_filtered.push_back(s);
    if (!s_scroll) return;
    s_scroll->m_position = 0;
    const int count = static_cast<int>(sv_filtered.size());
    FitScrollBar(*s_scroll, count, HISTORY_ROWS, true);
}

void OpenPlayerDetails(int32_t playerId) {
    OpenScreen(SCREEN_PLAYER, {playerId});
}

void PD::Enter() {
    s_player = g_linkSubjects.m_playerId;
    s_tab = DETAILS_TAB;
    s_historyView = HISTORY_FIRST_VIEW;
    MakeControls();
    sv_recent.clear();
    sv_history.clear();
    sv_filtered.clear();
    sv_offers.clear();
    s_transferTeam = 0;
    s_pictureLoaded = false;
    g_game->mb_screenFrame = 1;
    Player* p = Shown();
    if (p) {
        BuildActionsMenu(*p);
        LoadPicture(*p);
        for (PlayerStats& block : p->m_stats) block.RecomputeAverages();
        FindRecentPerformances(p->m_id);
        ReadHistory(*p);
        FindOffers(p->m_id);
    } else {
        s_btnActions->Disable();
    }
    s_evenSeason = g_cricket.m_date.m_season % 2 == 0;
    ShowSpots(true);
}

void PD::Update() {
    if (HandleLinks()) return;
    for (size_t i = 0; i < std::size(TAB_OF_BUTTON); ++i)
        if (TakeClick(s_tabs[i])) ShowTab(TAB_OF_BUTTON[i]);
    if (s_scroll->mb_visible) WheelScroll(*s_scroll);
    if (TakeClick(s_btnActions) && s_menuActions->m_menuState == MENU_CLOSED) {
        s_btnActions->m_state = STATE_NORMAL;
        // Left of the button as far as the menu needs to stay on the screen.
        const int x = std::min(s_btnActions->m_x - 70, SCREEN_WIDTH - s_menuActions->m_width);
        s_menuActions->Open(x, s_btnActions->m_y + s_btnActions->m_height + 1);
    }
    if (s_comboHistory->m_comboState == COMBO_CHOSEN) {
        const int item = s_comboHistory->GetSelectedValue();
        if (item >= 1 && item <= 8) {
            s_historyView = HISTORY_FIRST_VIEW + item - 1;
            FilterPerformanceList();
            s_comboHistory->SetCaption(HISTORY_TITLES[item - 1]);
        }
        s_comboHistory->Collapse();
    }
    HandleActions();
}

void PD::Leave() {
    sv_recent.clear();
    if (s_comboHistory) s_comboHistory->ClearListItems();
    if (s_menuActions) s_menuActions->ClearListItems();
    s_controls.Free();
    for (const ButtonRow& row : TAB_BUTTONS) *row.button = nullptr;
    s_spotNorth = s_spotSouth = s_spotCountry = s_spotCountry2 = nullptr;
    s_comboHistory = nullptr;
    s_scroll = nullptr;
    s_menuActions = nullptr;
    s_picture.Release();
    s_pictureLoaded = false;
}

}  // namespace ravel

#include "screens/menus/CustomTourScreen.h"

#include <initializer_list>

#include "screens/match/MatchViewScreen.h"
#include "screens/menus/CustomLeagueScreens.h"
#include "screens/menus/ScreenControls.h"
#include "screens/menus/ScreenFrame.h"
#include "screens/team/TeamDraw.h"
#include "season/Squads.h"
#include "shell/Game.h"
#include "shell/gui/Button.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/Dialog.h"
#include "shell/platform/System.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

using TS = CCustomTourScreen;

std::vector<TourEvent> CCustomTourScreen::s_itinerary;
int32_t CCustomTourScreen::s_touring = 0;
int32_t CCustomTourScreen::s_host = 0;
CButton* CCustomTourScreen::s_btnBack = nullptr;
CButton* CCustomTourScreen::s_btnPlay = nullptr;
CButton* CCustomTourScreen::s_btnAdd = nullptr;
CComboBox* CCustomTourScreen::s_comboTouring = nullptr;
CComboBox* CCustomTourScreen::s_comboHost = nullptr;
CComboBox* CCustomTourScreen::s_comboEvent = nullptr;
CDialog* CCustomTourScreen::s_dialog = nullptr;
CButton* CCustomTourScreen::s_btnAddEvent = nullptr;
CButton* CCustomTourScreen::s_btnCancel = nullptr;
CComboBox* CCustomTourScreen::s_comboKind = nullptr;

namespace {

constexpr int LINES_X = 10;
constexpr int ITINERARY_HEADING_Y = 250;
constexpr int FIRST_EVENT_Y = 305;
constexpr int EVENT_STEP = 25;

struct KindItem {
    const char* text;
    int value;
    int32_t kind;
};

// The screen's event drop-down and the dialog's kind drop-down list the same
// kinds in different orders.
constexpr KindItem EVENT_ITEMS[] = {{"Test Match", 1, TOUR_EVENT_TEST},
                                    {"4 day warm up match", 2, TOUR_EVENT_FOUR_DAY_WARM_UP},
                                    {"ODI Match", 3, TOUR_EVENT_ODI},
                                    {"1 day warm up match", 4, TOUR_EVENT_ONE_DAY_WARM_UP}};
constexpr KindItem DIALOG_ITEMS[] = {{"Test match", 1, TOUR_EVENT_TEST},
                                     {"ODI match", 2, TOUR_EVENT_ODI},
                                     {"4 day warm up", 3, TOUR_EVENT_FOUR_DAY_WARM_UP},
                                     {"1 day warm up", 4, TOUR_EVENT_ONE_DAY_WARM_UP}};

ScreenControls s_controls;

template <size_t N>
CComboBox* MakeCombo(int x, int y, int width, const KindItem (&items)[N]) {
    CComboBox* combo = s_controls.Make<CComboBox>(x, y, width, 30, items[0].text);
    combo->m_collapsedHeight = 30;
    for (const KindItem& item : items) combo->AddListItem(item.text, item.value);
    return combo;
}

// Right of the labels, which are wider than 130 pixels.
constexpr int COUNTRY_COMBO_X = 250;

CComboBox* MakeCountryCombo(int y, size_t captionItem) {
    CComboBox* combo = s_controls.Make<CComboBox>(COUNTRY_COMBO_X, y, 200, 30);
    combo->m_collapsedHeight = 30;
    for (const Country& c : g_world.mv_countries)
        if (c.m_nationalSide == 1) combo->AddListItem(c.m_name, c.m_id);
    if (captionItem < combo->mv_items.size()) combo->SetCaption(combo->mv_items[captionItem].m_text);
    return combo;
}

int32_t ValueAt(const CComboBox* combo, size_t index) {
    return index < combo->mv_items.size() ? combo->mv_items[index].m_value : 0;
}

// A country drop-down's choice: the caption names it, and it is kept.
void TakeCountry(CComboBox* combo, int32_t& chosen) {
    if (combo->m_comboState != COMBO_CHOSEN) return;
    chosen = combo->GetSelectedValue();
    const Country* c = CountryById(chosen);
    if (c) combo->SetCaption(c->m_name);
    combo->Collapse();
}

template <size_t N>
int32_t KindOf(const CComboBox* combo, const KindItem (&items)[N]) {
    const int value = combo->GetSelectedValue();
    for (const KindItem& item : items)
        if (item.value == value) return item.kind;
    return TOUR_EVENT_TEST;
}

// A kind drop-down's choice names it in the caption.
void TakeKind(CComboBox* combo) {
    if (combo->m_comboState != COMBO_CHOSEN) return;
    const int index = combo->m_selected;
    if (index >= 0 && index < combo->ItemCount()) combo->SetCaption(combo->mv_items[index].m_text);
    combo->Collapse();
}

// The dialog opens on the kind the screen's event drop-down shows.
void OpenDialog() {
    const int32_t kind = KindOf(TS::s_comboEvent, EVENT_ITEMS);
    for (int i = 0; i < TS::s_comboKind->ItemCount(); ++i) {
        if (DIALOG_ITEMS[i].kind != kind) continue;
        TS::s_comboKind->m_selected = i;
        TS::s_comboKind->SetCaption(DIALOG_ITEMS[i].text);
    }
    TS::s_dialog->mb_visible = 1;
    TS::s_dialog->mb_expanded = 1;
}

CustomTourPlan Plan() {
    return {TS::s_touring, TS::s_host, TS::s_itinerary};
}

void UpdateButtons() {
    SetEnabled(TS::s_btnAdd, TS::s_itinerary.size() < static_cast<size_t>(CUSTOM_TOUR_EVENTS));
    SetEnabled(TS::s_btnPlay, CanStartCustomTour(Plan()));
}

const char* CountryName(int32_t id) {
    const Country* c = CountryById(id);
    return c ? c->m_name : "-";
}

// "1st Test", "2nd ODI", "4 day warm up v <club>".
void DrawEvent(const TourEvent& e, int tests, int odis, int y) {
    CFont* font = g_game->m_fontText.get();
    if (e.m_kind == TOUR_EVENT_TEST) {
        g_system->DrawText(LINES_X, y, ALIGN_LEFT, TEXT_WHITE, font, "%s Test", OrdinalSuffix(tests));
    } else if (e.m_kind == TOUR_EVENT_ODI) {
        g_system->DrawText(LINES_X, y, ALIGN_LEFT, TEXT_WHITE, font, "%s ODI", OrdinalSuffix(odis));
    } else if (e.m_kind == TOUR_EVENT_FOUR_DAY_WARM_UP || e.m_kind == TOUR_EVENT_ONE_DAY_WARM_UP) {
        const char* length = e.m_kind == TOUR_EVENT_FOUR_DAY_WARM_UP ? "4 day" : "1 day";
        const Team* club = TeamById(WarmUpOpponent(TS::s_host));
        if (club)
            g_system->DrawText(LINES_X, y, ALIGN_LEFT, TEXT_WHITE, font, "%s warm up v %s", length,
                               club->m_name);
        else
            g_system->DrawText(LINES_X, y, ALIGN_LEFT, TEXT_NOTE, font, "%s warm up: %s has no club side",
                               length, CountryName(TS::s_host));
    }
}

}  // namespace

void CCustomTourScreen::Enter() {
    s_controls.Begin();
    s_btnBack = s_controls.Make<CButton>(10, 720, 160, 30, "Back");
    s_btnPlay = s_controls.Make<CButton>(900, 720, 110, 30, "Play");
    s_comboTouring = MakeCountryCombo(120, 0);
    s_comboHost = MakeCountryCombo(155, 1);
    s_touring = ValueAt(s_comboTouring, 0);
    s_host = ValueAt(s_comboHost, 1);
    // Beside the itinerary's heading, where the event list opens in full
    // above the bottom bar.
    s_comboEvent = MakeCombo(COUNTRY_COMBO_X, ITINERARY_HEADING_Y, 200, EVENT_ITEMS);
    s_btnAdd = s_controls.Make<CButton>(COUNTRY_COMBO_X + 210, ITINERARY_HEADING_Y, 100, 30, "Add");
    s_dialog = s_controls.Make<CDialog>(200, 200, 500, 400, "Create new event");
    s_dialog->mb_visible = 0;
    s_btnAddEvent = s_controls.Make<CButton>(10, 40, 120, 30, "Add Event");
    s_btnCancel = s_controls.Make<CButton>(140, 40, 120, 30, "Cancel");
    s_comboKind = MakeCombo(10, 80, 200, DIALOG_ITEMS);
    for (CControl* c : std::initializer_list<CControl*>{s_btnAdd, s_dialog, s_comboEvent, s_comboHost,
                                                        s_comboTouring, s_btnBack, s_btnPlay})
        s_controls.List(c);
    for (CControl* child : std::initializer_list<CControl*>{s_btnAddEvent, s_btnCancel, s_comboKind})
        s_dialog->AddChild(child);
    g_game->mb_screenFrame = 0;
    s_itinerary.clear();
    UpdateButtons();
}

void CCustomTourScreen::Update() {
    if (s_dialog->mb_visible) {
        TakeKind(s_comboKind);
        if (TakeClick(s_btnAddEvent)) {
            if (s_itinerary.size() < static_cast<size_t>(CUSTOM_TOUR_EVENTS))
                s_itinerary.push_back({KindOf(s_comboKind, DIALOG_ITEMS)});
            s_dialog->Close();
        }
        if (TakeClick(s_btnCancel)) {
            s_dialog->mb_visible = 0;
            s_dialog->mb_expanded = 0;
        }
    }
    TakeCountry(s_comboTouring, s_touring);
    TakeCountry(s_comboHost, s_host);
    TakeKind(s_comboEvent);
    if (TakeClick(s_btnAdd)) OpenDialog();
    UpdateButtons();
    if (TakeClick(s_btnBack)) return ChangeScreen(SCREEN_CUSTOM_GAME);
    if (!TakeClick(s_btnPlay)) return;
    if (!StartCustomTour(Plan())) {
        ShowMessage("The tour could not be started.", MSG_OK);
        return;
    }
    MatchView().PrepareForNewMatch();
    ChangeScreen(SCREEN_PRE_MATCH);
}

void CCustomTourScreen::Render() {
    CGame& game = *g_game;
    DrawFullScreenFrame("Setup Tour");
    CFont* heading = game.m_fontHeading.get();
    g_system->DrawText(LINES_X, 120, ALIGN_LEFT, TEXT_WHITE, heading, "Select touring country");
    g_system->DrawText(LINES_X, 155, ALIGN_LEFT, TEXT_WHITE, heading, "Select host country");
    g_system->DrawText(LINES_X, ITINERARY_HEADING_Y, ALIGN_LEFT, TEXT_WHITE, heading, "Itinery");
    CFont* font = game.m_fontText.get();
    g_system->DrawText(LINES_X, 280, ALIGN_LEFT, TEXT_WHITE, font, "Arrive in %s", s_comboHost->m_caption);
    int tests = 0;
    int odis = 0;
    int y = FIRST_EVENT_Y;
    for (const TourEvent& e : s_itinerary) {
        tests += e.m_kind == TOUR_EVENT_TEST;
        odis += e.m_kind == TOUR_EVENT_ODI;
        DrawEvent(e, tests, odis, y);
        y += EVENT_STEP;
    }
    g_system->DrawText(LINES_X, y, ALIGN_LEFT, TEXT_WHITE, font, "Fly home to %s", s_comboTouring->m_caption);
    g_system->mp_controlList->Draw();
}

void CCustomTourScreen::Leave() {
    s_controls.Free();
    s_btnBack = s_btnPlay = s_btnAdd = s_btnAddEvent = s_btnCancel = nullptr;
    s_comboTouring = s_comboHost = s_comboEvent = s_comboKind = nullptr;
    s_dialog = nullptr;
}

}  // namespace ravel

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

template <size_t N>
CComboBox* MakeCombo(ScreenControls& controls, int x, int y, int width, const KindItem (&items)[N]) {
    CComboBox* combo = controls.Make<CComboBox>(x, y, width, 30, items[0].text);
    combo->m_collapsedHeight = 30;
    for (const KindItem& item : items) combo->AddListItem(item.text, item.value);
    return combo;
}

// Right of the labels, which are wider than 130 pixels.
constexpr int COUNTRY_COMBO_X = 250;

CComboBox* MakeCountryCombo(ScreenControls& controls, int y, size_t captionItem) {
    CComboBox* combo = controls.Make<CComboBox>(COUNTRY_COMBO_X, y, 200, 30);
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

const char* CountryName(int32_t id) {
    const Country* c = CountryById(id);
    return c ? c->m_name : "-";
}

// "1st Test", "2nd ODI", "4 day warm up v <club>".
void DrawEvent(const TourEvent& e, int32_t host, int tests, int odis, int y) {
    CFont* font = g_game->m_fontText.get();
    if (e.m_kind == TOUR_EVENT_TEST) {
        g_system->DrawText(LINES_X, y, ALIGN_LEFT, TEXT_WHITE, font, "%s Test", OrdinalSuffix(tests));
    } else if (e.m_kind == TOUR_EVENT_ODI) {
        g_system->DrawText(LINES_X, y, ALIGN_LEFT, TEXT_WHITE, font, "%s ODI", OrdinalSuffix(odis));
    } else if (e.m_kind == TOUR_EVENT_FOUR_DAY_WARM_UP || e.m_kind == TOUR_EVENT_ONE_DAY_WARM_UP) {
        const char* length = e.m_kind == TOUR_EVENT_FOUR_DAY_WARM_UP ? "4 day" : "1 day";
        const Team* club = TeamById(WarmUpOpponent(host));
        if (club)
            g_system->DrawText(LINES_X, y, ALIGN_LEFT, TEXT_WHITE, font, "%s warm up v %s", length,
                               club->m_name);
        else
            g_system->DrawText(LINES_X, y, ALIGN_LEFT, TEXT_NOTE, font, "%s warm up: %s has no club side",
                               length, CountryName(host));
    }
}

}  // namespace

void CCustomTourScreen::OpenDialog() {
    const int32_t kind = KindOf(m_comboEvent, EVENT_ITEMS);
    for (int i = 0; i < m_comboKind->ItemCount(); ++i) {
        if (DIALOG_ITEMS[i].kind != kind) continue;
        m_comboKind->m_selected = i;
        m_comboKind->SetCaption(DIALOG_ITEMS[i].text);
    }
    m_dialog->mb_visible = 1;
    m_dialog->mb_expanded = 1;
}

CustomTourPlan CCustomTourScreen::Plan() const {
    return {m_touring, m_host, mv_itinerary};
}

void CCustomTourScreen::UpdateButtons() {
    SetEnabled(m_btnAdd, mv_itinerary.size() < static_cast<size_t>(CUSTOM_TOUR_EVENTS));
    SetEnabled(m_btnPlay, CanStartCustomTour(Plan()));
}

void CCustomTourScreen::Enter() {
    m_controls.Begin();
    m_btnBack = m_controls.Make<CButton>(10, 720, 160, 30, "Back");
    m_btnPlay = m_controls.Make<CButton>(900, 720, 110, 30, "Play");
    m_comboTouring = MakeCountryCombo(m_controls, 120, 0);
    m_comboHost = MakeCountryCombo(m_controls, 155, 1);
    m_touring = ValueAt(m_comboTouring, 0);
    m_host = ValueAt(m_comboHost, 1);
    // Beside the itinerary's heading, where the event list opens in full
    // above the bottom bar.
    m_comboEvent = MakeCombo(m_controls, COUNTRY_COMBO_X, ITINERARY_HEADING_Y, 200, EVENT_ITEMS);
    m_btnAdd = m_controls.Make<CButton>(COUNTRY_COMBO_X + 210, ITINERARY_HEADING_Y, 100, 30, "Add");
    m_dialog = m_controls.Make<CDialog>(200, 200, 500, 400, "Create new event");
    m_dialog->mb_visible = 0;
    m_btnAddEvent = m_controls.Make<CButton>(10, 40, 120, 30, "Add Event");
    m_btnCancel = m_controls.Make<CButton>(140, 40, 120, 30, "Cancel");
    m_comboKind = MakeCombo(m_controls, 10, 80, 200, DIALOG_ITEMS);
    for (CControl* c : std::initializer_list<CControl*>{m_btnAdd, m_dialog, m_comboEvent, m_comboHost,
                                                        m_comboTouring, m_btnBack, m_btnPlay})
        m_controls.List(c);
    for (CControl* child : std::initializer_list<CControl*>{m_btnAddEvent, m_btnCancel, m_comboKind})
        m_dialog->AddChild(child);
    g_game->mb_screenFrame = 0;
    mv_itinerary.clear();
    UpdateButtons();
}

void CCustomTourScreen::Update() {
    if (m_dialog->mb_visible) {
        TakeKind(m_comboKind);
        if (TakeClick(m_btnAddEvent)) {
            if (mv_itinerary.size() < static_cast<size_t>(CUSTOM_TOUR_EVENTS))
                mv_itinerary.push_back({KindOf(m_comboKind, DIALOG_ITEMS)});
            m_dialog->Close();
        }
        if (TakeClick(m_btnCancel)) {
            m_dialog->mb_visible = 0;
            m_dialog->mb_expanded = 0;
        }
    }
    TakeCountry(m_comboTouring, m_touring);
    TakeCountry(m_comboHost, m_host);
    TakeKind(m_comboEvent);
    if (TakeClick(m_btnAdd)) OpenDialog();
    UpdateButtons();
    if (TakeClick(m_btnBack)) return ChangeScreen(SCREEN_CUSTOM_GAME);
    if (!TakeClick(m_btnPlay)) return;
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
    g_system->DrawText(LINES_X, 280, ALIGN_LEFT, TEXT_WHITE, font, "Arrive in %s", m_comboHost->m_caption);
    int tests = 0;
    int odis = 0;
    int y = FIRST_EVENT_Y;
    for (const TourEvent& e : mv_itinerary) {
        tests += e.m_kind == TOUR_EVENT_TEST;
        odis += e.m_kind == TOUR_EVENT_ODI;
        DrawEvent(e, m_host, tests, odis, y);
        y += EVENT_STEP;
    }
    g_system->DrawText(LINES_X, y, ALIGN_LEFT, TEXT_WHITE, font, "Fly home to %s", m_comboTouring->m_caption);
    g_system->mp_controlList->Draw();
}

void CCustomTourScreen::Leave() {
    m_controls.Free();
    m_btnBack = m_btnPlay = m_btnAdd = m_btnAddEvent = m_btnCancel = nullptr;
    m_comboTouring = m_comboHost = m_comboEvent = m_comboKind = nullptr;
    m_dialog = nullptr;
}

}  // namespace ravel

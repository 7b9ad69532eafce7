#include "screens/match/Infobox.h"

#include "match/Match.h"
#include "match/MatchServices.h"
#include "screens/match/MatchViewControls.h"
#include "screens/match/MatchViewScreen.h"
#include "shell/gui/Button.h"
#include "shell/gui/Dialog.h"
#include "world/Services.h"

namespace ravel {

using MV = CMatchViewScreen;

namespace {

int QueueSize() {
    return static_cast<int>(MatchView().mv_infoboxes.size());
}

bool CurrentInside() {
    return MatchView().mv_infoboxCurrent >= 0 && MatchView().mv_infoboxCurrent < QueueSize();
}

// The window is titled for the pop-up on show from its first frame.
void TitleWindow() {
    CDialog* window = MatchView().m_ui.infobox.window;
    if (!window || !CurrentInside()) return;
    if (const char* title = InfoboxTitle(MatchView().mv_infoboxes[MatchView().mv_infoboxCurrent].mi_id))
        window->SetCaption(title);
}

void HideWindow(CDialog* window) {
    window->mb_visible = 0;
    window->mb_expanded = 0;
    DebugLog("Infobox has been hidden");
}

// The last pop-up has gone: a question waiting behind it comes forward, or
// the choice of a bowler or a batsman that play waits for opens.
void AfterLastInfobox() {
    CDialog* followOn = MatchView().m_ui.followOn.window;
    if (followOn && followOn->mb_visible) followOn->mb_expanded = 1;
    if (MatchView().mv_bowlerSelectPending) {
        MatchView().mv_bowlerSelectPending = 0;
        OpenSelectBowler();
    } else if (MatchView().mv_batsmanSelectPending) {
        MatchView().mv_batsmanSelectPending = 0;
        OpenSelectBatsman();
    }
}

}  // namespace

bool LaunchInfobox(int32_t id, int32_t first, int32_t second, int32_t third) {
    DebugLog("Launching infobox %d   %d %d %d", id, first, second, third);
    Infobox box;
    box.mi_id = id;
    box.mi_args[0] = first;
    box.mi_args[1] = second;
    box.mi_args[2] = third;
    MatchView().mv_infoboxes.push_back(box);
    MatchView().mv_overUnderWay = 0;  // a pop-up ends the over's run
    MatchView().mv_infoboxCurrent = QueueSize() - 1;
    DebugLog("Infobox count: %d Current: %d", QueueSize(), MatchView().mv_infoboxCurrent);
    TitleWindow();
    if (CDialog* window = MatchView().m_ui.infobox.window) {
        window->mb_visible = 1;
        window->mb_expanded = 1;
        DebugLog("Infobox has been made visible");
    }
    if (Match* match = UserMatch()) match->mi_decision = DECISION_INFOBOX;
    return true;
}

void HandleInfoboxClick() {
    CButton* ok = MatchView().m_ui.infobox.ok;
    if (!ok || ok->m_state != STATE_CLICKED) return;
    if (!CurrentInside()) {
        DebugLog(
            "Somehow infobox has been clicked on and yet there arent any to show Infoboxes: %d  Current: %d",
            QueueSize(), MatchView().mv_infoboxCurrent);
        return;
    }
    DebugLog("Abut to clear infobox");
    MatchView().mv_infoboxes[MatchView().mv_infoboxCurrent].mb_handled = 1;
    MatchView().mv_infoboxes.erase(MatchView().mv_infoboxes.begin() + MatchView().mv_infoboxCurrent);
    DebugLog("Erased infobox: Now down to %d", QueueSize());
    DebugLog("mv_infoboxCurrent was %d", MatchView().mv_infoboxCurrent);
    MatchView().mv_infoboxCurrent = QueueSize() - 1;
    DebugLog("mv_infoboxCurrent updated, now equals %d", MatchView().mv_infoboxCurrent);
    if (QueueSize() > 0) {
        TitleWindow();
        return;
    }

    MatchView().mv_infoboxCurrent = -1;
    HideWindow(MatchView().m_ui.infobox.window);
    ok->m_state = STATE_NORMAL;
    AfterLastInfobox();
}

void ClearInfoboxes() {
    MatchView().mv_infoboxes.clear();
    MatchView().mv_infoboxCurrent = -1;
}

}  // namespace ravel

// What the news page and the job market share: the controls a screen makes
// in Enter and frees in Leave, rows of hot spots shown to match a list, the
// skin bars with the date and clock, and the subjects of the player and coach
// pages that links open.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "shell/gui/Control.h"

namespace ravel {

class CButton;
class CScrollBar;
struct InboxMessage;
struct StaffMember;
struct UserCoach;

// The player details page reads its subject here.
struct LinkSubjects {
    int32_t m_playerId = 0;
};
extern LinkSubjects g_linkSubjects;

// The current human coach's record and inbox (CurrentProfile in
// season/News.h); nullptr without one.
const StaffMember* CurrentUserStaff();
std::vector<InboxMessage>* CurrentInbox();
// The side the current coach runs: his club, else his country, else 0.
int CurrentCoachSide();
// The side bar's Squad button names that side, or reads "No team" disabled.
void UpdateSquadButton();

inline constexpr int SCREEN_BUTTON_HEIGHT = 20;

// Controls owned by one screen from its Enter to its Leave, in the current
// screen's control list.
class ScreenControls {
public:
    // A button of a screen's table: where it is stored, caption, tooltip, place.
    struct ButtonRow {
        CButton** button;
        const char* caption;
        const char* tooltip;
        int x, y, width;
    };

    template <class T>
    T* Add(int x, int y, int width, int height, const char* caption = nullptr,
           const char* tooltip = nullptr) {
        T* control = Make<T>(x, y, width, height, caption, tooltip);
        List(control);
        return control;
    }
    // Owned but not listed: a dialog's child, or a control listed later.
    template <class T>
    T* Make(int x, int y, int width, int height, const char* caption = nullptr,
            const char* tooltip = nullptr) {
        auto owned = std::make_unique<T>();
        T* control = owned.get();
        control->SetRect(x, y, width, height);
        if (caption) control->SetCaption(caption);
        if (tooltip) control->SetTooltip(tooltip);
        mv_owned.push_back(std::move(owned));
        return control;
    }
    void List(CControl* control) {
        if (m_list) m_list->AddControl(control);
    }
    // The buttons of a table, each stored where its row says; style 1 is the
    // small (tab) look.
    void AddButtons(std::span<const ButtonRow> rows, int style = 0);
    // Takes the current screen's list; controls added later go into it.
    void Begin();
    // Takes them out of the list and deletes them.
    void Free();

private:
    ControlList* m_list = nullptr;
    std::vector<std::unique_ptr<CControl>> mv_owned;
};

// A row is visible and enabled while it shows something, else hidden,
// disabled and back to normal.
void ShowRow(CControl* row, bool shown);
// A hot spot or button clicked this tick; it is set back to normal.
bool TakeClick(CControl* control);
// A scroll bar for a list of `entries` rows of which `rows` show: enabled and
// visible with the range 0..entries - rows only when the list is longer; the
// position is kept inside the range. Returns the position.
int FitScrollBar(CScrollBar& bar, int entries, int rows, bool hideWhenShort);
// The scorecard of the match with that id, completed or in progress; a
// message when it is no longer held.
void OpenScorecardOfMatch(int matchId);
// The club team page of a club, the country page of a country.
void OpenSide(int sideId);
// The series overview of a tour series (or of the triangular tournament it
// belongs to); betweenCountries: a Series between countries.
void OpenSeriesOverview(int seriesId, bool betweenCountries);
// A wheel turn moves an enabled scroll bar one row (towards the user: down).
void WheelScroll(CScrollBar& bar);
// The skin's top, side, lower side and bottom bars, with the game date and a
// clock text at the top left.
void DrawFrameBars(const char* clockText);

}  // namespace ravel

// Screen 119, the custom tour's set-up: the touring and the host country, an
// itinerary of Tests, one-day internationals and warm-up matches built in a
// small dialog, shown as the tour's programme; Play starts the tour in the
// live match view with the user coaching the tourists.
#pragma once

#include <cstdint>
#include <vector>

#include "season/CustomTour.h"

namespace ravel {

class CButton;
class CComboBox;
class CDialog;

struct CCustomTourScreen {
    static void Enter();
    static void Update();
    static void Render();
    static void Leave();

    static std::vector<TourEvent> s_itinerary;
    static int32_t s_touring;  // the chosen countries' ids
    static int32_t s_host;
    static CButton* s_btnBack;
    static CButton* s_btnPlay;
    static CButton* s_btnAdd;
    static CComboBox* s_comboTouring;
    static CComboBox* s_comboHost;
    static CComboBox* s_comboEvent;
    static CDialog* s_dialog;
    static CButton* s_btnAddEvent;
    static CButton* s_btnCancel;
    static CComboBox* s_comboKind;
};

}  // namespace ravel

// Screen 119, the custom tour's set-up: the touring and the host country, an
// itinerary of Tests, one-day internationals and warm-up matches built in a
// small dialog, shown as the tour's programme; Play starts the tour in the
// live match view with the user coaching the tourists.
#pragma once

#include <cstdint>
#include <vector>

#include "screens/menus/ScreenControls.h"
#include "season/CustomTour.h"
#include "shell/Screen.h"

namespace ravel {

class CButton;
class CComboBox;
class CDialog;

class CCustomTourScreen : public CScreen {
public:
    void Enter() override;
    void Update() override;
    void Render() override;
    void Leave() override;

    const std::vector<TourEvent>& Itinerary() const { return mv_itinerary; }
    // The chosen countries' ids.
    int32_t Touring() const { return m_touring; }
    int32_t Host() const { return m_host; }

    // Made by Enter, freed by Leave.
    CButton* m_btnBack = nullptr;
    CButton* m_btnPlay = nullptr;
    CButton* m_btnAdd = nullptr;
    CComboBox* m_comboTouring = nullptr;
    CComboBox* m_comboHost = nullptr;
    CComboBox* m_comboEvent = nullptr;
    CDialog* m_dialog = nullptr;
    CButton* m_btnAddEvent = nullptr;
    CButton* m_btnCancel = nullptr;
    CComboBox* m_comboKind = nullptr;

private:
    std::vector<TourEvent> mv_itinerary;
    int32_t m_touring = 0;
    int32_t m_host = 0;
    ScreenControls m_controls;

    // The dialog opens on the kind the screen's event drop-down shows.
    void OpenDialog();
    CustomTourPlan Plan() const;
    void UpdateButtons();
};

}  // namespace ravel

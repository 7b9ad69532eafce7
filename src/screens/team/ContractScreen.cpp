#include "screens/team/ContractScreen.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "screens/menus/ScreenControls.h"
#include "screens/menus/ScreenFrame.h"
#include "screens/team/PlayerDetailsScreen.h"
#include "screens/team/TeamDraw.h"
#include "season/Finance.h"
#include "season/Squads.h"
#include "shell/Game.h"
#include "shell/gui/Button.h"
#include "shell/gui/Control.h"
#include "shell/gui/SideBar.h"
#include "shell/platform/System.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

using CS = CContractScreen;

int32_t CS::s_player = 0;
int32_t CS::s_team = 0;
ContractOffer CS::s_offer;
int32_t CS::s_allowance = 0;
CButton* CS::s_btnWageUp = nullptr;
CButton* CS::s_btnWageDown = nullptr;
CButton* CS::s_btnLengthUp = nullptr;
CButton* CS::s_btnLengthDown = nullptr;
CButton* CS::s_btnCancel = nullptr;
CButton* CS::s_btnOffer = nullptr;

namespace {

ScreenControls s_controls;

constexpr uint32_t TEXT_TERMS_BELOW = 0xff00c800u;
using ButtonRow = ScreenControls::ButtonRow;

constexpr ButtonRow SMALL_BUTTONS[] = {
    {&CS::s_btnWageUp, "+", "Increase basic wage", 880, 190, 50},
    {&CS::s_btnWageDown, "-", "Decrease basic wage", 700, 190, 50},
    {&CS::s_btnLengthUp, "+", "Increase contract length", 880, 230, 50},
    {&CS::s_btnLengthDown, "-", "Decrease contract length", 700, 230, 50},
};

void BackToPlayer() {
    OpenPlayerDetails(CS::s_player);
}

// The offer may be put while the board allows it.
void FitOfferButton() {
    CButton& offer = *CS::s_btnOffer;
    if (CS::s_allowance >= 1 && CS::s_offer.m_offerWage <= CS::s_allowance)
        offer.mb_disabled = 0;
    else
        offer.Disable();
}

// The offered figure against the demand: white equal, yellow above, green below.
uint32_t TermColour(int offered, int demanded) {
    if (offered == demanded) return TEXT_WHITE;
    return offered > demanded ? TEXT_YELLOW : TEXT_TERMS_BELOW;
}

}  // namespace

void OpenContractScreen(int playerId, int teamId, ContractOffer offer) {
    CS::s_player = playerId;
    CS::s_team = teamId;
    CS::s_offer = offer;
    ChangeScreen(SCREEN_CONTRACT);
}

void CS::Enter() {
    g_game->mb_screenFrame = 1;
    HoldSideBar();
    const StaffMember* user = CurrentUserStaff();
    const Team* club = user && user->m_clubJob > 0 ? TeamById(user->m_clubJob) : nullptr;
    s_allowance = club ? std::max(0, AvailableWageBudget(*club)) : 0;
    if (s_offer.m_team == -1) {
        s_offer.m_player = s_player;
        s_offer.m_team = s_team;
        ContractDemand(s_offer);
        s_offer.m_offerWage = s_offer.m_demandWage;
        s_offer.m_offerLength = s_offer.m_demandLength;
    }
    s_controls.Begin();
    s_controls.AddButtons(SMALL_BUTTONS, 1);
    s_btnCancel = s_controls.Add<CButton>(710, 500, 210, 30, "Cancel", "Leave without offering a contract");
    s_btnOffer = s_controls.Add<CButton>(710, 400, 210, 30, "Offer Contract",
                                         "Offer this contract to the player and his agent");
    FitOfferButton();
}

void CS::Update() {
    if (TakeClick(s_btnWageUp)) {
        s_offer.m_offerWage += WAGE_STEP;
        FitOfferButton();
    } else if (TakeClick(s_btnWageDown)) {
        s_offer.m_offerWage = std::max(0, s_offer.m_offerWage - WAGE_STEP);
        FitOfferButton();
    } else if (TakeClick(s_btnLengthUp)) {
        s_offer.m_offerLength = std::min(LONGEST_CONTRACT, s_offer.m_offerLength + 1);
    } else if (TakeClick(s_btnLengthDown)) {
        s_offer.m_offerLength = std::max(1, s_offer.m_offerLength - 1);
    } else if (TakeClick(s_btnCancel)) {
        BackToPlayer();
    } else if (!s_btnOffer->mb_disabled && TakeClick(s_btnOffer)) {
        s_btnOffer->Disable();
        PutUserOffer(s_offer, s_team);
        BackToPlayer();
    }
}

void CS::Render() {
    CGame& game = *g_game;
    game.m_background.Draw(0, 0);
    g_system->ShadeRect(203, 103, 650, 695);
    g_system->ShadeRect(652, 103, 1019, 695);
    DrawFrameBars(g_cricket.m_date.ClockText().c_str());
    CFont* text = game.m_fontText.get();
    CFont* heavy = game.m_fontHeading.get();
    const Player* p = PlayerById(s_player);
    g_system->DrawText(512, 15, ALIGN_CENTRE, TEXT_WHITE, game.m_fontTitle.get(), "%s %s",
                       p ? p->m_firstName : "", p ? p->m_surname : "");
    g_system->DrawText(512, 50, ALIGN_CENTRE, TEXT_WHITE, text, "Offer Contract");
    for (const auto& [label, y] : {std::pair{"Terms of the contract", 170}, std::pair{"Player requests", 310},
                                   std::pair{"Board allowance", 430}})
        g_system->DrawText(215, y, ALIGN_LEFT, TEXT_LIGHT_GREY, heavy, "%s", label);
    g_system->DrawText(215, 190, ALIGN_LEFT, TEXT_WHITE, text, "Basic wage");
    g_system->DrawText(790, 190, ALIGN_LEFT, TermColour(s_offer.m_offerWage, s_offer.m_demandWage), heavy,
                       "%d", s_offer.m_offerWage);
    g_system->DrawText(215, 230, ALIGN_LEFT, TEXT_WHITE, text, "Contract length (seasons)");
    g_system->DrawText(790, 230, ALIGN_LEFT, TermColour(s_offer.m_offerLength, s_offer.m_demandLength), heavy,
                       "%d", s_offer.m_offerLength);
    g_system->DrawTextInRect(215, 330, 648, 420, ALIGN_LEFT, TEXT_WHITE, heavy,
                             "%s's agent says his client would like a contract worth %d that lasts %d %s.",
                             p ? p->m_surname : "", s_offer.m_demandWage, s_offer.m_demandLength,
                             s_offer.m_demandLength == 1 ? "season" : "seasons");
    if (s_allowance >= 1)
        g_system->DrawTextInRect(215, 450, 648, 700, ALIGN_LEFT, TEXT_WHITE, heavy,
                                 "The board of directors will allow you %d on wages for this player.",
                                 s_allowance);
    else
        g_system->DrawTextInRect(
            215, 450, 648, 700, ALIGN_LEFT, TEXT_WHITE, heavy, "%s",
            "The board of directors regret to inform you that you have no money left in next "
            "seasons budget. You have no option but to break off negotiations.");
    if (g_system->mp_controlList) g_system->mp_controlList->Draw();
}

void CS::Leave() {
    LetGoSideBar();
    s_controls.Free();
    for (const ButtonRow& row : SMALL_BUTTONS) *row.button = nullptr;
    s_btnCancel = s_btnOffer = nullptr;
}

}  // namespace ravel

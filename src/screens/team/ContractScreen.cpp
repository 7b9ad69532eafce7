#include "screens/team/ContractScreen.h"

#include <algorithm>
#include <utility>

#include "screens/menus/ScreenControls.h"
#include "screens/menus/ScreenFrame.h"
#include "screens/menus/ScreenTable.h"
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

namespace {

constexpr uint32_t TEXT_TERMS_BELOW = 0xff00c800u;

// The offered figure against the demand: white equal, yellow above, green below.
uint32_t TermColour(int offered, int demanded) {
    if (offered == demanded) return TEXT_WHITE;
    return offered > demanded ? TEXT_YELLOW : TEXT_TERMS_BELOW;
}

}  // namespace

void OpenContractScreen(int playerId, int teamId, ContractOffer offer) {
    TheScreen<CContractScreen>().SetTalks(playerId, teamId, offer);
    ChangeScreen(SCREEN_CONTRACT);
}

void CContractScreen::SetTalks(int32_t playerId, int32_t teamId, const ContractOffer& offer) {
    m_kept.player = playerId;
    m_kept.team = teamId;
    m_kept.offer = offer;
}

void CContractScreen::FitOfferButton() {
    if (m_allowance >= 1 && m_kept.offer.m_offerWage <= m_allowance)
        m_btnOffer->mb_disabled = 0;
    else
        m_btnOffer->Disable();
}

void CContractScreen::Enter() {
    g_game->mb_screenFrame = 1;
    HoldSideBar();
    const StaffMember* user = CurrentUserStaff();
    const Team* club = user && user->m_clubJob > 0 ? TeamById(user->m_clubJob) : nullptr;
    m_allowance = club ? std::max(0, AvailableWageBudget(*club)) : 0;
    ContractOffer& offer = m_kept.offer;
    if (offer.m_team == -1) {
        offer.m_player = m_kept.player;
        offer.m_team = m_kept.team;
        ContractDemand(offer);
        offer.m_offerWage = offer.m_demandWage;
        offer.m_offerLength = offer.m_demandLength;
    }
    const ScreenControls::ButtonRow smallButtons[] = {
        {&m_btnWageUp, "+", "Increase basic wage", 880, 190, 50},
        {&m_btnWageDown, "-", "Decrease basic wage", 700, 190, 50},
        {&m_btnLengthUp, "+", "Increase contract length", 880, 230, 50},
        {&m_btnLengthDown, "-", "Decrease contract length", 700, 230, 50},
    };
    m_controls.Begin();
    m_controls.AddButtons(smallButtons, 1);
    m_btnCancel = m_controls.Add<CButton>(710, 500, 210, 30, "Cancel", "Leave without offering a contract");
    m_btnOffer = m_controls.Add<CButton>(710, 400, 210, 30, "Offer Contract",
                                         "Offer this contract to the player and his agent");
    FitOfferButton();
}

void CContractScreen::Update() {
    ContractOffer& offer = m_kept.offer;
    if (TakeClick(m_btnWageUp)) {
        offer.m_offerWage += WAGE_STEP;
        FitOfferButton();
    } else if (TakeClick(m_btnWageDown)) {
        offer.m_offerWage = std::max(0, offer.m_offerWage - WAGE_STEP);
        FitOfferButton();
    } else if (TakeClick(m_btnLengthUp)) {
        offer.m_offerLength = std::min(LONGEST_CONTRACT, offer.m_offerLength + 1);
    } else if (TakeClick(m_btnLengthDown)) {
        offer.m_offerLength = std::max(1, offer.m_offerLength - 1);
    } else if (TakeClick(m_btnCancel)) {
        OpenPlayerDetails(m_kept.player);
    } else if (!m_btnOffer->mb_disabled && TakeClick(m_btnOffer)) {
        m_btnOffer->Disable();
        PutUserOffer(offer, m_kept.team);
        OpenPlayerDetails(m_kept.player);
    }
}

void CContractScreen::Render() {
    CGame& game = *g_game;
    game.m_background.Draw(0, 0);
    g_system->ShadeRect(203, 103, 650, 695);
    g_system->ShadeRect(652, 103, 1019, 695);
    DrawFrameBars(g_cricket.m_date.ClockText().c_str());
    CFont* text = game.m_fontText.get();
    CFont* heavy = game.m_fontHeading.get();
    const Player* p = PlayerById(m_kept.player);
    const ContractOffer& offer = m_kept.offer;
    g_system->DrawText(512, 15, ALIGN_CENTRE, TEXT_WHITE, game.m_fontTitle.get(), "%s %s",
                       p ? p->m_firstName : "", p ? p->m_surname : "");
    g_system->DrawText(512, 50, ALIGN_CENTRE, TEXT_WHITE, text, "Offer Contract");
    for (const auto& [label, y] : {std::pair{"Terms of the contract", 170}, std::pair{"Player requests", 310},
                                   std::pair{"Board allowance", 430}})
        g_system->DrawText(215, y, ALIGN_LEFT, TEXT_LIGHT_GREY, heavy, "%s", label);
    g_system->DrawText(215, 190, ALIGN_LEFT, TEXT_WHITE, text, "Basic wage");
    g_system->DrawText(790, 190, ALIGN_LEFT, TermColour(offer.m_offerWage, offer.m_demandWage), heavy, "%d",
                       offer.m_offerWage);
    g_system->DrawText(215, 230, ALIGN_LEFT, TEXT_WHITE, text, "Contract length (seasons)");
    g_system->DrawText(790, 230, ALIGN_LEFT, TermColour(offer.m_offerLength, offer.m_demandLength), heavy,
                       "%d", offer.m_offerLength);
    g_system->DrawTextInRect(215, 330, 648, 420, ALIGN_LEFT, TEXT_WHITE, heavy,
                             "%s's agent says his client would like a contract worth %d that lasts %d %s.",
                             p ? p->m_surname : "", offer.m_demandWage, offer.m_demandLength,
                             offer.m_demandLength == 1 ? "season" : "seasons");
    if (m_allowance >= 1)
        g_system->DrawTextInRect(215, 450, 648, 700, ALIGN_LEFT, TEXT_WHITE, heavy,
                                 "The board of directors will allow you %d on wages for this player.",
                                 m_allowance);
    else
        g_system->DrawTextInRect(
            215, 450, 648, 700, ALIGN_LEFT, TEXT_WHITE, heavy, "%s",
            "The board of directors regret to inform you that you have no money left in next "
            "seasons budget. You have no option but to break off negotiations.");
    if (g_system->mp_controlList) g_system->mp_controlList->Draw();
}

void CContractScreen::Leave() {
    LetGoSideBar();
    m_controls.Free();
    m_btnWageUp = m_btnWageDown = m_btnLengthUp = m_btnLengthDown = nullptr;
    m_btnCancel = m_btnOffer = nullptr;
}

}  // namespace ravel

// Screen 116, a coach's profile: his details, skill and reputation words, his
// job security when he is the user, and his managerial record. The user's own
// profile resigns his jobs one at a time or, with none left, sends him on
// holiday for the rest of the season. Its subject: m_id, the coach's id.
#pragma once

#include <cstdint>

#include "screens/menus/ScreenControls.h"
#include "shell/Screen.h"

namespace ravel {

class CButton;
class CHotSpot;
struct StaffMember;

class CCoachProfileScreen : public CScreen {
public:
    void Enter() override;
    void Update() override;
    void Render() override;
    void Leave() override;
    void SetSubject(const ScreenSubject& subject) override { m_kept.coachId = subject.m_id; }
    ScreenSubject Subject() const override { return {m_kept.coachId}; }
    void Reset() override { m_kept = {}; }

    int32_t CoachId() const { return m_kept.coachId; }

    // Made by Enter, freed by Leave.
    CButton* m_btnResign = nullptr;
    CButton* m_btnHoliday = nullptr;
    CHotSpot* m_nationality = nullptr;
    CHotSpot* m_otherNationality = nullptr;
    CHotSpot* m_club = nullptr;
    CHotSpot* m_country = nullptr;

private:
    // Kept between visits.
    struct Kept {
        int32_t coachId = 0;
    } m_kept;

    ScreenControls m_controls;

    // The subject's record; nullptr when no coach has the id.
    StaffMember* Coach() const;
    // Links and buttons by the subject's jobs as they stand.
    void SetControls(const StaffMember* s);
};

// The profile of a coach; of the current human coach (nothing without one).
void OpenCoachProfile(int32_t coachId);
void OpenUserProfile();

}  // namespace ravel

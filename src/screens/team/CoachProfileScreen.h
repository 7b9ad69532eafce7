// Screen 116, a coach's profile: his details, skill and reputation words, his
// job security when he is the user, and his managerial record. The user's own
// profile resigns his jobs one at a time or, with none left, sends him on
// holiday for the rest of the season. Its subject is g_linkSubjects.m_coachId.
#pragma once

namespace ravel {

class CButton;
class CHotSpot;

struct CCoachProfileScreen {
    static void Enter();
    static void Update();
    static void Render();
    static void Leave();

    static CButton* s_btnResign;
    static CButton* s_btnHoliday;
    static CHotSpot* s_nationality;
    static CHotSpot* s_otherNationality;
    static CHotSpot* s_club;
    static CHotSpot* s_country;
};

}  // namespace ravel

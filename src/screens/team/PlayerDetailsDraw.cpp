// CPlayerDetailsScreen::Render: the name and clubs, then the tab shown.
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <span>
#include <string>

#include "match/Ball.h"
#include "match/Match.h"
#include "match/MatchLists.h"
#include "screens/menus/ScreenControls.h"
#include "screens/team/PlayerDetailsScreen.h"
#include "screens/team/TeamDraw.h"
#include "season/Contracts.h"
#include "season/PlayerIcons.h"
#include "season/Squads.h"
#include "shell/Game.h"
#include "shell/gui/Control.h"
#include "shell/gui/ScrollBar.h"
#include "shell/platform/System.h"
#include "world/GameDate.h"
#include "world/World.h"

namespace ravel {

namespace {

using PD = CPlayerDetailsScreen;

constexpr int BAT_ICON = 35;
constexpr int BOWL_ICON = 34;
constexpr int FORM_ROWS = 10;
// Tournaments and tours played between countries carry these competition ids.
constexpr int FIRST_TOUR_COMPETITION = 502;
constexpr int LAST_TOUR_COMPETITION = 504;
constexpr int FIRST_OTHER_COMPETITION = 505;
constexpr int LAST_OTHER_COMPETITION = 549;
constexpr int FIRST_INTERNATIONAL_MATCH = 600;
// The contract tab's "runs out soon" note shows in the season's first month.
constexpr int FIRST_MONTH_DAYS = 30;
// The contract tab: the interested clubs' first line, the note that a
// contract runs out soon, and the step between lines.
constexpr int CLUBS_TOP = 260;
constexpr int NOTE_TOP = 300, NOTE_BOTTOM = 400;
constexpr int LINE_STEP = 20;

void Text(int x, int y, int align, uint32_t colour, CFont* font, const char* format, ...)
    __attribute__((format(printf, 6, 7)));
void Text(int x, int y, int align, uint32_t colour, CFont* font, const char* format, ...) {
    va_list args;
    va_start(args, format);
    g_system->DrawTextV(x, y, align, colour, font, format, args);
    va_end(args);
}

// The fonts of the team pages' tables: values and labels.
CFont* Value() {
    return g_game->m_fontTable.get();
}
CFont* Heavy() {
    return g_game->m_fontSmallBold.get();
}

void Label(int x, int y, const char* text) {
    Text(x, y, ALIGN_LEFT, TEXT_LIGHT_GREY, Heavy(), "%s", text);
}

void Centred(int x, int y, uint32_t colour, const char* format, int value) {
    Text(x, y, ALIGN_CENTRE, colour, Value(), format, value);
}

// A figure or "-" for the no-value mark.
void Figure(int x, int y, double value, double none, uint32_t colour) {
    if (value == none)
        Text(x, y, ALIGN_CENTRE, TEXT_WHITE, Value(), "-");
    else
        Text(x, y, ALIGN_CENTRE, colour, Value(), "%1.2f", value);
}

void BestFigures(int x, int y, int wickets, int runs) {
    if (wickets < 1)
        Text(x, y, ALIGN_CENTRE, TEXT_WHITE, Value(), "-");
    else
        Text(x, y, ALIGN_CENTRE, TEXT_WHITE, Value(), "%d-%d", wickets, runs);
}

void Overs(int x, int y, int balls) {
    Text(x, y, ALIGN_CENTRE, TEXT_WHITE, Value(), "%d.%d", balls / 6, balls % 6);
}

const char* ClubName(int id) {
    const Team* t = id >= 1 ? TeamById(id) : nullptr;
    return t ? t->m_name : "-";
}

const Country* CountryOf(int id) {
    return id >= 1 ? CountryById(id) : nullptr;
}

void BlockHeading(int x, int y, const char* text) {
    Text(x, y, ALIGN_LEFT, TEXT_YELLOW, Heavy(), "%s", text);
    g_system->FillRect(210, y + 18, 980, y + 20, TEXT_WHITE);
}

void Rows(int labelX, int valueX, int top, std::span<const char* const> labels,
          std::span<const std::string> values) {
    for (size_t i = 0; i < labels.size(); ++i) {
        const int y = top + 20 * static_cast<int>(i);
        Label(labelX, y, labels[i]);
        Text(valueX, y, ALIGN_LEFT, TEXT_WHITE, Value(), "%s", values[i].c_str());
    }
}

std::string Number(int value) {
    return std::to_string(value);
}

std::string BirthText(const Player& p) {
    char text[48];
    if (p.m_birthDay == -1)
        std::snprintf(text, sizeof text, "%d.%d (%d)", p.m_birthMonth, p.m_birthYear, p.Age());
    else
        std::snprintf(text, sizeof text, "%d.%d.%d (%d)", p.m_birthDay, p.m_birthMonth, p.m_birthYear,
                      p.Age());
    return text;
}

void Availability(const Player& p, int x, int y) {
    BlockHeading(x, y, "Availability");
    const char* duty = "Not on international duty";
    uint32_t colour = TEXT_YELLOW;
    if (p.m_intlDuty)
        duty = "On international duty";
    else if (p.m_retiredTest && p.m_retiredOdi)
        duty = "Retired from test and one day international cricket";
    else if (p.m_retiredTest)
        duty = "Retired from test cricket";
    else if (p.m_retiredOdi)
        duty = "Retired from one day international cricket";
    else
        colour = TEXT_WHITE;
    Text(x, y + 20, ALIGN_LEFT, colour, Value(), "%s", duty);
    if (p.m_injured) {
        const InjuryType* injury = InjuryTypeById(p.m_injuryType);
        Text(x, y + 40, ALIGN_LEFT, TEXT_INJURED, Value(), "Out for %s with %s", p.InjuryLengthText().c_str(),
             injury ? injury->m_description : "an injury");
    } else {
        Text(x, y + 40, ALIGN_LEFT, TEXT_WHITE, Value(), "%d per cent fit", static_cast<int>(p.m_condition));
    }
    if (p.m_transferArranged && PD::s_transferTeam > 0)
        Text(x, y + 60, ALIGN_LEFT, TEXT_YELLOW, Value(), "Has signed a contract with %s",
             ClubName(PD::s_transferTeam));
}

void DrawPersonalDetails(const Player& p) {
    const int o = PD::s_pictureLoaded ? 120 : 0;
    BlockHeading(230, o + 140, "Personal");
    const Country* country = CountryOf(p.m_country);
    const Country* other = CountryOf(p.m_country2);
    static constexpr const char* LEFT[] = {"First Name",          "Initials",    "Surname",
                                           "Date of Birth (Age)", "Nationality", "Other Nationality"};
    const std::string left[] = {p.m_firstName,
                                p.m_initials,
                                p.m_surname,
                                BirthText(p),
                                country ? country->m_nationality : "-",
                                other ? other->m_nationality : "-"};
    Rows(230, 400, o + 180, LEFT, left);
    static constexpr const char* RIGHT[] = {"Club (SH)",    "Club (NH)",     "Batting Type",
                                            "Bowling Type", "Fielding Type", "Morale"};
    const std::string right[] = {ClubName(p.m_southClub), ClubName(p.m_northClub), p.BattingHandCode(),
                                 p.BowlingTypeText(),     p.FieldingText(),        p.MoraleText()};
    Rows(650, 810, o + 180, RIGHT, right);

    Text(230, o + 320, ALIGN_LEFT, TEXT_YELLOW, Heavy(), "Batting");
    Text(522, o + 320, ALIGN_LEFT, TEXT_YELLOW, Heavy(), "Bowling");
    Text(774, o + 320, ALIGN_LEFT, TEXT_YELLOW, Heavy(), "Fielding");
    g_system->FillRect(210, o + 338, 980, o + 340, TEXT_WHITE);
    static constexpr const char* BAT[] = {"Favourite position", "Front foot",   "Back foot",
                                          "Offside shots",      "Onside shots", "Playing pace",
                                          "Playing spin",       "Scoring speed"};
    std::string bat[8] = {p.BattingPositionCode()};
    for (int i = 0; i < 7; ++i) bat[i + 1] = Number(p.m_batSkill[i]);
    Rows(230, 400, o + 340, BAT, bat);
    static constexpr const char* BOWL[] = {"Skill", "Consistency", "Variation", "Movement"};
    std::string bowl[4];
    for (int i = 0; i < 4; ++i) bowl[i] = Number(p.m_bowlSkill[i]);
    Rows(522, 692, o + 340, BOWL, bowl);
    static constexpr const char* FIELD[] = {"Throwing accuracy", "Speed",
                                            "Catching (near)",   "Catching (far)",
                                            "Keeping Catching",  "Keeping Movement"};
    const std::string field[] = {Number(p.m_fieldSkill[0]), Number(p.m_fieldSkill[1]),
                                 Number(p.m_fieldSkill[2]), Number(p.m_fieldSkill[3]),
                                 Number(p.m_keepSkill[0]),  Number(p.m_keepSkill[1])};
    Rows(774, 954, o + 340, FIELD, field);
    if (PD::s_pictureLoaded) {
        PD::s_picture.Draw(230, 162);
        Availability(p, 450, 140);
    } else {
        Availability(p, 230, 560);
    }
}

const char* CompetitionText(int id) {
    if ((id >= 0 && id < 500) || (id >= FIRST_OTHER_COMPETITION && id <= LAST_OTHER_COMPETITION)) {
        const Competition* c = CompetitionById(id);
        return c ? c->m_name : "";
    }
    if (id >= FIRST_TOUR_COMPETITION && id <= LAST_TOUR_COMPETITION) return "Tour";
    if (id >= FIRST_INTERNATIONAL_MATCH) return id % 2 == 0 ? "ODI" : "Test";
    return "";
}

void MatchColumns(const Match& m, int y) {
    const GameDate& d = m.m_startDate;
    Text(245, y, ALIGN_LEFT, TEXT_WHITE, Value(), "%d/%d/%d", d.m_day, d.m_month, d.m_year);
    Text(350, y, ALIGN_LEFT, TEXT_WHITE, Value(), "%s v %s", m.TeamShortName(m.mi_team1),
         m.TeamShortName(m.mi_team2));
    Text(530, y, ALIGN_LEFT, TEXT_WHITE, Value(), "%s", CompetitionText(m.mi_competition));
}

void FormHeadings(int y, std::span<const std::pair<const char*, int>> headings) {
    for (const auto& [text, x] : headings) Text(x, y, ALIGN_LEFT, TEXT_ORANGE, Heavy(), "%s", text);
    g_system->FillRect(210, y + 18, 980, y + 20, TEXT_WHITE);
}

void DrawForm() {
    Text(612, 150, ALIGN_CENTRE, TEXT_WHITE, Value(), "Most Recent Batting Performances");
    Text(612, 420, ALIGN_CENTRE, TEXT_WHITE, Value(), "Most Recent Bowling Performances");
    using H = std::pair<const char*, int>;
    const H bat[] = {{"Date", 245},   {"Match", 350}, {"Competition", 530}, {"Score", 650},
                     {"Howout", 750}, {"4's", 850},   {"6's", 900}};
    const H bowl[] = {{"Date", 245}, {"Match", 350}, {"Competition", 530}, {"O", 650}, {"M", 700},
                      {"R", 750},    {"W", 800}};
    FormHeadings(180, bat);
    FormHeadings(450, bowl);
    int batRows = 0;
    int bowlRows = 0;
    for (const PerformanceRef& ref : PD::sv_recent) {
        const Match* m = MatchById(ref.m_match);
        if (!m || ref.m_innings < 0 || ref.m_innings > 3 || ref.m_slot < 0 || ref.m_slot >= SQUAD_SIZE)
            continue;
        const Innings& inns = m->m_innings[ref.m_innings];
        if (ref.m_kind == 0 && batRows < FORM_ROWS) {
            const int y = 200 + 20 * batRows++;
            const BatsmanFigures& f = inns.m_batsmen[ref.m_slot];
            int balls = 0;
            for (int n : f.mi_scored) balls += n;
            DrawTile(BAT_ICON, 220, y + 4);
            MatchColumns(*m, y);
            Text(650, y, ALIGN_LEFT, TEXT_YELLOW, Value(),
                 f.mi_howOut == HOWOUT_BATTING ? "%d* (%d)" : "%d (%d)", BatsmanRuns(f), balls);
            Text(750, y, ALIGN_LEFT, TEXT_WHITE, Value(), "%s", DismissalText(f.mi_howOut));
            Text(850, y, ALIGN_LEFT, TEXT_WHITE, Value(), "%d", f.mi_scored[4]);
            Text(900, y, ALIGN_LEFT, TEXT_WHITE, Value(), "%d", f.mi_scored[6]);
        } else if (ref.m_kind == 1 && bowlRows < FORM_ROWS) {
            const int y = 470 + 20 * bowlRows++;
            const BowlerFigures& f = inns.m_bowlers[ref.m_slot];
            DrawTile(BOWL_ICON, 220, y + 4);
            MatchColumns(*m, y);
            if (f.mi_balls % 6)
                Text(650, y, ALIGN_LEFT, TEXT_WHITE, Value(), "%d.%d", f.mi_balls / 6, f.mi_balls % 6);
            else
                Text(650, y, ALIGN_LEFT, TEXT_WHITE, Value(), "%d", f.mi_balls / 6);
            Text(700, y, ALIGN_LEFT, TEXT_WHITE, Value(), "%d", f.mi_maidens);
            Text(750, y, ALIGN_LEFT, TEXT_WHITE, Value(), "%d", f.mi_runs);
            Text(800, y, ALIGN_LEFT, TEXT_YELLOW, Value(), "%d", f.mi_wickets);
        }
    }
    if (!batRows) Text(612, 260, ALIGN_CENTRE, TEXT_NOTE, Value(), "Player hasn't batted yet this season");
    if (!bowlRows) Text(612, 540, ALIGN_CENTRE, TEXT_NOTE, Value(), "Player hasn't bowled yet this season");
}

constexpr int BAT_X[] = {430, 480, 530, 580, 680, 730, 780, 830, 880, 930};
constexpr const char* BAT_HEADINGS[] = {"Mat", "Inn",   "NO's", "Runs", "HS",
                                        "Ave", "100's", "50's", "Ca",   "St"};

void BattingLine(const PlayerStats& s, int y) {
    const int counts[] = {s.m_matches, s.m_innings, s.m_notOuts, s.m_runs};
    for (int i = 0; i < 4; ++i) Centred(BAT_X[i], y, TEXT_WHITE, "%d", counts[i]);
    Centred(680, y, TEXT_WHITE, s.m_highestNotOut ? "%d*" : "%d", s.m_highest);
    if (s.m_battingAverage == NO_BATTING_AVERAGE)
        Text(730, y, ALIGN_CENTRE, TEXT_YELLOW, Value(), "-");
    else
        Text(730, y, ALIGN_CENTRE, TEXT_YELLOW, Value(), "%1.2f", s.m_battingAverage);
    const int more[] = {s.m_hundreds, s.m_fifties, s.m_catches, s.m_stumpings};
    for (int i = 0; i < 4; ++i) Centred(BAT_X[6 + i], y, TEXT_WHITE, "%d", more[i]);
}

void YellowFigure(int x, int y, double value) {
    if (value == NO_BOWLING_AVERAGE)
        Text(x, y, ALIGN_CENTRE, TEXT_YELLOW, Value(), "-");
    else
        Text(x, y, ALIGN_CENTRE, TEXT_YELLOW, Value(), "%1.2f", value);
}

void CareerBowling(const PlayerStats& s, int y, bool limited) {
    Overs(430, y, s.m_balls);
    Centred(500, y, TEXT_WHITE, "%d", s.m_runsConceded);
    Centred(550, y, TEXT_WHITE, "%d", s.m_wickets);
    YellowFigure(605, y, s.m_bowlingAverage);
    BestFigures(670, y, s.m_bestInnsWickets, s.m_bestInnsRuns);
    if (limited)
        BestFigures(720, y, s.m_bestInnsWickets, s.m_bestInnsRuns);
    else
        BestFigures(720, y, s.m_bestMatchWickets, s.m_bestMatchRuns);
    Centred(780, y, TEXT_WHITE, "%d", s.m_haulsA);
    Centred(830, y, TEXT_WHITE, "%d", s.m_haulsB);
    YellowFigure(880, y, s.m_strikeRate);
    YellowFigure(930, y, s.m_economy);
}

void SeasonBowling(const PlayerStats& s, int y) {
    Overs(430, y, s.m_balls);
    Centred(480, y, TEXT_WHITE, "%d", s.m_maidens);
    Centred(530, y, TEXT_WHITE, "%d", s.m_runsConceded);
    Centred(580, y, TEXT_WHITE, "%d", s.m_wickets);
    YellowFigure(680, y, s.m_bowlingAverage);
    BestFigures(730, y, s.m_bestInnsWickets, s.m_bestInnsRuns);
    Centred(780, y, TEXT_WHITE, "%d", s.m_haulsA);
    Centred(830, y, TEXT_WHITE, "%d", s.m_haulsB);
    YellowFigure(880, y, s.m_strikeRate);
    YellowFigure(930, y, s.m_economy);
}

void BowlingHeadings(int y, bool season, bool limited) {
    struct H {
        const char* text;
        int x;
    };
    const H career[] = {{"Ov", 430},
                        {"Ru", 500},
                        {"Wi", 550},
                        {"Ave", 605},
                        {"BBI", 670},
                        {limited ? "BBI" : "BBM", 720},
                        {limited ? "4wi" : "5wi", 780},
                        {limited ? "5wi" : "10wm", 830},
                        {"SR", 880},
                        {"Econ", 930}};
    const H current[] = {{"Ov", 430},
                         {"Ma", 480},
                         {"Ru", 530},
                         {"Wi", 580},
                         {"Ave", 680},
                         {"BBI", 730},
                         {limited ? "4wm" : "5wi", 780},
                         {limited ? "5wm" : "10wm", 830},
                         {"SR", 880},
                         {"Econ", 930}};
    for (const H& h : season ? std::span<const H>(current) : std::span<const H>(career))
        Text(h.x, y, ALIGN_CENTRE, TEXT_ORANGE, Heavy(), "%s", h.text);
}

// Career (season false) or current-season tables of the four kinds of cricket.
void DrawTables(const Player& p, bool season) {
    static constexpr const char* TITLES[] = {"First Class", "List A Limited Overs", "Test Matches",
                                             "One Day Internationals"};
    g_system->ShadeRect(203, 103, 1019, 131);
    const int bodies[][2] = {{143, 273}, {275, 403}, {405, 533}, {535, 695}};
    for (const auto& b : bodies) {
        g_system->ShadeRect(203, b[0], 1019, b[1]);
        g_system->ShadeRect(203, b[0] + 2, 1019, b[0] + 32);
    }
    char first[64] = "Career";
    if (season)
        std::snprintf(first, sizeof first, "Current Season: %s",
                      SeasonLabel(g_cricket.m_date.m_season).c_str());
    Text(230, 150, ALIGN_LEFT, TEXT_YELLOW, Value(), "%s", first);
    for (int kind = 0; kind < 4; ++kind) {
        const int t = 150 + 130 * kind;
        const bool limited = kind == 1 || kind == 3;
        const PlayerStats& s = p.m_stats[(season ? STATS_SEASON_FC : STATS_CAREER_FC) + kind];
        Text(612, t, ALIGN_CENTRE, TEXT_WHITE, Value(), "%s", TITLES[kind]);
        for (int i = 0; i < 10; ++i)
            Text(BAT_X[i], t + 30, ALIGN_CENTRE, TEXT_ORANGE, Heavy(), "%s", BAT_HEADINGS[i]);
        BowlingHeadings(t + 80, season, limited);
        Text(230, t + 50, ALIGN_LEFT, TEXT_WHITE, Value(), "Batting & Fielding");
        Text(230, t + 100, ALIGN_LEFT, TEXT_WHITE, Value(), "Bowling");
        BattingLine(s, t + 50);
        if (season)
            SeasonBowling(s, t + 100);
        else
            CareerBowling(s, t + 100, limited);
    }
}

void ContractPanel(const Player& p, bool north) {
    const int centre = north ? 407 : 815;
    const int labelX = north ? 223 : 631;
    const int valueX = north ? 373 : 781;
    Text(centre, 140, ALIGN_CENTRE, TEXT_YELLOW, Heavy(), "%s",
         north ? "Northern Hemisphere contract" : "Southern Hemisphere Contract");
    Text(centre, 160, ALIGN_CENTRE, TEXT_YELLOW, Heavy(), "%s",
         north ? "April 1st - September 30th" : "October 1st - March 31st");
    const int club = north ? p.m_northClub : p.m_southClub;
    // The clubs interested in him go below the note that his contract runs out.
    int clubsTop = CLUBS_TOP;
    if (club < 1) {
        Label(valueX, 200, "No team");
    } else {
        Label(labelX, 200, "Team");
        Label(labelX, 220, "Salary");
        Label(labelX, 240, "Contract Ends");
        Text(valueX, 200, ALIGN_LEFT, TEXT_WHITE, Value(), "%s", ClubName(club));
        Text(valueX, 220, ALIGN_LEFT, TEXT_WHITE, Value(), "%d", north ? p.m_northWage : p.m_southWage);
        const int seasons = north ? p.m_northSeasons : p.m_southSeasons;
        const bool theirSeason = (g_cricket.m_date.m_season % 2 == 0) == north;
        const int kind = north ? HEMI_NORTH : HEMI_SOUTH;
        if (seasons == 1 && g_cricket.m_date.m_dayOfSeason < FIRST_MONTH_DAYS && theirSeason) {
            Text(valueX, 240, ALIGN_LEFT, TEXT_YELLOW, Value(), "%s", ContractEndDateText(kind, 1).c_str());
            g_system->DrawTextInRect(
                labelX, NOTE_TOP, labelX + 350, NOTE_BOTTOM, ALIGN_LEFT, TEXT_LIGHT_GREY, Heavy(), "%s",
                "Contract is due to run out soon, player will either sign a new deal, sign a "
                "deal with another club, or become a free agent");
            clubsTop = NOTE_BOTTOM + LINE_STEP / 2;
        } else {
            Text(valueX, 240, ALIGN_LEFT, TEXT_WHITE, Value(), "%s",
                 ContractEndDateText(kind, seasons).c_str());
        }
    }
    // Clubs interested in him, in the panel of the season being played.
    if (PD::sv_offers.empty()) {
        if (club >= 1) Text(valueX, 260, ALIGN_LEFT, TEXT_WHITE, Value(), "-");
        return;
    }
    if (north != PD::s_evenSeason) return;
    std::string names;
    for (size_t i = 0; i < PD::sv_offers.size(); ++i) {
        const ContractOffer& o = g_contractOffers[static_cast<size_t>(PD::sv_offers[i])];
        if (north) {
            Text(valueX, clubsTop + LINE_STEP * static_cast<int>(i), ALIGN_LEFT, TEXT_WHITE, Value(), "%s",
                 ClubName(o.m_team));
            continue;
        }
        if (!names.empty()) names += ", ";
        names += ClubName(o.m_team);
    }
    if (!north)
        g_system->DrawTextInRect(781, clubsTop, 1000, 600, ALIGN_LEFT, TEXT_WHITE, Value(), "%s",
                                 names.c_str());
}

void DrawContract(const Player& p) {
    g_system->FillRect(610, 140, 612, 540, TEXT_WHITE);
    ContractPanel(p, true);
    ContractPanel(p, false);
    if (p.m_transferArranged) {
        const Team* club = PD::s_transferTeam > 0 ? TeamById(PD::s_transferTeam) : nullptr;
        const bool north = club && HemisphereOf(*club) == HEMI_NORTH;
        if (north) {
            g_system->DrawTextInRect(373, 420, 610, 600, ALIGN_LEFT, TEXT_WHITE, Value(),
                                     "Signed contract with %s. Set to join them on May 1st",
                                     ClubName(PD::s_transferTeam));
            Text(781, 260, ALIGN_LEFT, TEXT_WHITE, Value(), "-");
        } else if (club) {
            g_system->DrawTextInRect(781, 420, 1000, 600, ALIGN_LEFT, TEXT_WHITE, Value(),
                                     "Signed contract with %s. Set to join them on November 1st.",
                                     ClubName(PD::s_transferTeam));
            Text(373, 240, ALIGN_LEFT, TEXT_WHITE, Value(), "-");
        }
    }
    if (p.m_retiring) {
        Text(223, 570, ALIGN_LEFT, TEXT_WHITE, Heavy(), "%s",
             "- This player is retiring at the end of the current season and is therefore not interested in "
             "any "
             "offers.");
        return;
    }
    Text(223, 550, ALIGN_LEFT, TEXT_YELLOW, Heavy(), "Transfer system explanation");
    static constexpr const char* LINES[] = {
        "- Only players out of contract or with one season remaining on their contracts can be approached.",
        "- Southern hemisphere clubs can approach players with contracts ending from 14th Oct - 1st Nov.",
        "- Northern hemisphere clubs can approach players with contracts ending from 14th Apr - 1st May.",
        "- Out of contract players can be signed at any time.",
    };
    for (int i = 0; i < 4; ++i) Text(223, 570 + 20 * i, ALIGN_LEFT, TEXT_WHITE, Heavy(), "%s", LINES[i]);
    if (PD::s_lastApproach == SIGN_OVERSEAS_FULL)
        Text(223, 650, ALIGN_LEFT, TEXT_ORANGE, Heavy(), "%s",
             "- You already have the maximum number of overseas players for next season.");
}

void HistoryLine(const PlayerStats& s, int y, bool bowling, bool withTeam, const char* season) {
    if (withTeam) {
        const Team* t = s.m_team >= 1 ? TeamById(s.m_team) : nullptr;
        Text(220, y, ALIGN_LEFT, TEXT_WHITE, Value(), "%s", t ? t->m_shortName : "-");
    }
    Text(380, y, ALIGN_LEFT, TEXT_WHITE, Value(), "%s", season);
    if (!bowling) {
        const int counts[] = {s.m_matches, s.m_innings, s.m_notOuts, s.m_runs};
        const int x[] = {485, 525, 565, 625};
        for (int i = 0; i < 4; ++i) Centred(x[i], y, TEXT_WHITE, "%d", counts[i]);
        Figure(690, y, s.m_battingAverage, NO_BATTING_AVERAGE, TEXT_YELLOW);
        Centred(755, y, TEXT_WHITE, s.m_highestNotOut ? "%d*" : "%d", s.m_highest);
        const int more[] = {s.m_hundreds, s.m_fifties, s.m_catches, s.m_stumpings};
        const int mx[] = {805, 855, 905, 955};
        for (int i = 0; i < 4; ++i) Centred(mx[i], y, TEXT_WHITE, "%d", more[i]);
        return;
    }
    Overs(505, y, s.m_balls);
    Centred(585, y, TEXT_WHITE, "%d", s.m_runsConceded);
    Centred(645, y, TEXT_WHITE, "%d", s.m_wickets);
    Figure(705, y, s.m_bowlingAverage, NO_BOWLING_AVERAGE, TEXT_YELLOW);
    BestFigures(765, y, s.m_bestInnsWickets, s.m_bestInnsRuns);
    Centred(815, y, TEXT_WHITE, "%d", s.m_haulsA);
    Centred(855, y, TEXT_WHITE, "%d", s.m_haulsB);
    Figure(905, y, s.m_strikeRate, NO_BOWLING_AVERAGE, TEXT_WHITE);
    Figure(955, y, s.m_economy, NO_BOWLING_AVERAGE, TEXT_WHITE);
}

void DrawHistory(const Player& p) {
    static constexpr const char* TITLES[] = {"Player History - First Class Batting Statistics by Season",
                                             "Player History - First Class Bowling Statistics by Season",
                                             "Player History - List A Batting Statistics by Season",
                                             "Player History - List A Bowling Statistics by Season",
                                             "Player History - Test Match Batting Statistics by Season",
                                             "Player History - Test Match Bowling Statistics by Season",
                                             "Player History - ODI Batting Statistics by Season",
                                             "Player History - ODI Bowling Statistics by Season"};
    const int view =
        std::clamp(PD::s_historyView, HISTORY_FIRST_VIEW, HISTORY_LAST_VIEW) - HISTORY_FIRST_VIEW;
    const bool bowling = view % 2 == 1;
    const bool withTeam = view < 4;
    using H = std::pair<const char*, int>;
    const H bat[] = {{"M", 485},  {"Inns", 525}, {"NO", 565},  {"Runs", 625}, {"Ave", 690},
                     {"HS", 755}, {"100s", 805}, {"50s", 855}, {"Ct", 905},   {"St", 955}};
    const H bowl[] = {{"Overs", 505}, {"Runs", 585}, {"W", 645},  {"Ave", 705}, {"BB", 765},
                      {"5w", 815},    {"10w", 855},  {"SR", 905}, {"Eco", 955}};
    Text(220, 180, ALIGN_LEFT, TEXT_ORANGE, Heavy(), "Team");
    Text(380, 180, ALIGN_LEFT, TEXT_ORANGE, Heavy(), "Season");
    for (const auto& [text, x] : bowling ? std::span<const H>(bowl) : std::span<const H>(bat))
        Text(x, 180, ALIGN_CENTRE, TEXT_ORANGE, Heavy(), "%s", text);
    g_system->FillRect(210, 198, 980, 200, TEXT_WHITE);
    const int count = static_cast<int>(PD::sv_filtered.size());
    const int first = PD::s_scroll && PD::s_scroll->mb_visible ? PD::s_scroll->m_position : 0;
    const int n = std::min(count, HISTORY_ROWS);
    for (int i = 0; i < n && first + i < count; ++i) {
        const PlayerStats& s = PD::sv_filtered[static_cast<size_t>(first + i)];
        HistoryLine(s, 200 + 20 * i, bowling, withTeam, SeasonLabel(s.m_season).c_str());
    }
    if (n > 0) {
        DrawTile(bowling ? BOWL_ICON : BAT_ICON, 220, 152);
        Text(240, 150, ALIGN_LEFT, TEXT_WHITE, Value(), "%s", TITLES[view]);
    }
    const int m = n + 2;
    g_system->FillRect(210, 20 * m + 198, 980, 20 * m + 200, TEXT_WHITE);
    g_system->FillRect(210, 20 * m + 218, 980, 20 * m + 220, TEXT_WHITE);
    HistoryLine(p.m_stats[STATS_CAREER_FC + view / 2], 200 + 20 * m, bowling, false, "Career");
}

const char* ClubLine(const Player& p, char* buffer, size_t size) {
    const bool north = p.m_northClub >= 1;
    const bool south = p.m_southClub >= 1;
    if (north && south)
        std::snprintf(buffer, size, "%s & %s", ClubName(p.m_northClub), ClubName(p.m_southClub));
    else if (north || south)
        std::snprintf(buffer, size, "%s", ClubName(north ? p.m_northClub : p.m_southClub));
    else
        std::snprintf(buffer, size, "Free agent");
    return buffer;
}

}  // namespace

void PD::Render() {
    CGame& game = *g_game;
    game.m_background.Draw(0, 0);
    DrawFrameBars(g_cricket.m_date.ClockText().c_str());
    const Player* p = PlayerById(s_player);
    if (p) {
        Text(512, 15, ALIGN_CENTRE, TEXT_WHITE, game.m_fontTitle.get(), "%s %s", p->m_firstName,
             p->m_surname);
        char clubs[100];
        Text(512, 50, ALIGN_CENTRE, TEXT_WHITE, Value(), "%s", ClubLine(*p, clubs, sizeof clubs));
        if (s_tab != CAREER_TAB && s_tab != CURRENT_TAB) {
            g_system->ShadeRect(203, 103, 1019, 131);
            g_system->ShadeRect(203, 133, 1019, 695);
        }
        switch (s_tab) {
            case DETAILS_TAB:
                DrawPersonalDetails(*p);
                break;
            case FORM_TAB:
                DrawForm();
                break;
            case CAREER_TAB:
                DrawTables(*p, false);
                break;
            case CURRENT_TAB:
                DrawTables(*p, true);
                break;
            case CONTRACT_TAB:
                DrawContract(*p);
                break;
            case HISTORY_TAB:
                DrawHistory(*p);
                break;
            default:
                break;
        }
    }
    if (g_system->mp_controlList) g_system->mp_controlList->Draw();
}

}  // namespace ravel

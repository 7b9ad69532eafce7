#include "match/Scorecard.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "match/Match.h"
#include "world/Text.h"
#include "world/World.h"

namespace ravel {

std::string HtmlEscape(const char* text) {
    std::string out;
    for (const char* c = text ? text : ""; *c; ++c) {
        switch (*c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += *c;
                break;
        }
    }
    return out;
}

namespace {

std::string Name(int32_t player) {
    const Player* p = PlayerById(player);
    if (!p) return "";
    std::string name = p->m_firstName;
    if (!name.empty()) name += ' ';
    name += p->m_surname;
    return HtmlEscape(name.c_str());
}

std::string Surname(int32_t player) {
    const Player* p = PlayerById(player);
    return p ? HtmlEscape(p->m_surname) : std::string();
}

std::string HowOutText(const Innings& in, const BatsmanFigures& f) {
    std::string bowler = f.mi_bowler >= 0 ? Surname(in.m_bowlers[SquadSlot(f.mi_bowler)].mi_player) : "";
    std::string fielder = Surname(f.mi_fielder);
    switch (f.mi_howOut) {
        case HOWOUT_BATTING:
            return "not out";
        case HOWOUT_BOWLED:
            return "b " + bowler;
        case HOWOUT_LBW:
            return "lbw b " + bowler;
        case HOWOUT_STUMPED:
            return "st " + fielder + " b " + bowler;
        case HOWOUT_CAUGHT:
            if (f.mi_fielder >= 0 && f.mi_fielder == in.m_bowlers[SquadSlot(f.mi_bowler)].mi_player)
                return "c &amp; b " + bowler;
            return "c " + fielder + " b " + bowler;
        case HOWOUT_RUN_OUT:
            return fielder.empty() ? "run out" : "run out (" + fielder + ")";
        default:
            return "";
    }
}

std::string OversText(int balls) {
    return balls % 6 ? Format("%d.%d", balls / 6, balls % 6) : Format("%d", balls / 6);
}

void WriteInnings(std::string& html, const Match& m, const Innings& in, int number) {
    // A one-day side has only the one innings.
    const char* which = !m.IsFirstClass() ? "" : number < 2 ? ", first" : ", second";
    html += Format("<h2>%s%s innings</h2>\n", HtmlEscape(m.TeamName(in.mi_battingTeam)).c_str(), which);
    html +=
        "<table class=\"batting\">\n<tr><th>Batsman</th><th>How out</th><th>R</th><th>B</th><th>4s</th>"
        "<th>6s</th><th>SR</th></tr>\n";
    std::string didNotBat;
    for (const BatsmanFigures& f : in.m_batsmen) {
        if (f.mi_player < 0) continue;
        if (f.mi_howOut == HOWOUT_DID_NOT_BAT) {
            if (!didNotBat.empty()) didNotBat += ", ";
            didNotBat += Name(f.mi_player);
            continue;
        }
        int runs = BatsmanRuns(f);
        int balls = f.Balls();
        html += "<tr><td>" + Name(f.mi_player) + "</td><td>" + HowOutText(in, f) + "</td>";
        html += Format("<td>%d</td><td>%d</td><td>%d</td><td>%d</td><td>%s</td></tr>\n", runs, balls,
                       f.mi_scored[4], f.mi_scored[6],
                       balls ? Format("%.1f", runs * 100.0 / balls).c_str() : "-");
    }
    int extras = in.mi_byes + in.mi_legByes + in.mi_wides + in.mi_noBalls;
    html += Format(
        "<tr><td>Extras</td><td>(b %d, lb %d, w %d, nb %d)</td><td>%d</td><td></td><td></td><td></td>"
        "<td></td></tr>\n",
        in.mi_byes, in.mi_legByes, in.mi_wides, in.mi_noBalls, extras);
    int wickets = in.Wickets();
    std::string status = wickets >= 10 ? "all out" : Format("%d wickets", wickets);
    if (in.mi_status == INNINGS_DECLARED) status += " declared";
    html += Format(
        "<tr class=\"total\"><td>Total</td><td>(%s, %s overs)</td><td>%d</td><td></td><td></td><td></td>"
        "<td></td></tr>\n</table>\n",
        status.c_str(), OversText(in.mi_legalBalls).c_str(), InningsTotal(in));
    if (!didNotBat.empty()) html += "<p>Did not bat: " + didNotBat + "</p>\n";

    std::string falls;
    for (const Partnership& p : in.m_partnerships) {
        if (p.mi_state != 2) continue;
        if (!falls.empty()) falls += ", ";
        falls += Format("%d-%d (", p.mi_wicket, p.mi_score) + Surname(p.mi_playerOut) +
                 Format(", %s ov)", OversText(p.mi_overs * 6 + p.mi_ballsOfOver).c_str());
    }
    if (!falls.empty()) html += "<p>Fall of wickets: " + falls + "</p>\n";

    html +=
        "<table class=\"bowling\">\n<tr><th>Bowler</th><th>O</th><th>M</th><th>R</th><th>W</th><th>NB</th>"
        "<th>Wd</th><th>Econ</th></tr>\n";
    for (int slot = 0; slot < SQUAD_SIZE; ++slot) {
        const BowlerFigures& b = in.m_bowlers[slot];
        if (b.mi_player < 0 || (b.mi_balls == 0 && b.mi_runs == 0)) continue;
        html += "<tr><td>" + Name(b.mi_player) + "</td>";
        html += Format("<td>%s</td><td>%d</td><td>%d</td><td>%d</td><td>%d</td><td>%d</td><td>%s</td></tr>\n",
                       OversText(b.mi_balls).c_str(), b.mi_maidens, b.mi_runs, b.mi_wickets, b.mi_noBalls,
                       b.mi_wides, b.mi_balls ? Format("%.2f", b.mi_runs * 6.0 / b.mi_balls).c_str() : "-");
    }
    html += "</table>\n";
}

}  // namespace

std::string ScorecardHtml(const Match& m) {
    std::string title = HtmlEscape(MatchTitle(m).c_str());
    std::string html =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + title +
        "</title>\n<style>\nbody { font-family: sans-serif; }\ntable { border-collapse: collapse; "
        "margin-bottom: 1em; }\nth, td { padding: 2px 8px; text-align: left; }\n"
        "tr.total td { font-weight: bold; }\n</style>\n</head>\n<body>\n";
    html += "<h1>" + title + "</h1>\n";
    if (const Ground* g = GroundById(m.mi_ground)) html += "<p>" + HtmlEscape(g->m_name) + "</p>\n";
    if (m.mi_tossWinner > 0) {
        html += "<p>Toss: " + HtmlEscape(m.TeamName(m.mi_tossWinner)) +
                (m.mi_tossChoice == 1 ? ", elected to bat" : ", elected to field") + "</p>\n";
    }
    html += "<p class=\"result\">" + HtmlEscape(m.ResultText().c_str()) + "</p>\n";
    const int ORDER[2][4] = {{0, 1, 2, 3}, {0, 1, 3, 2}};
    const int* order = ORDER[m.mi_followOnState == INNINGS_FOLLOW_ON ? 1 : 0];
    for (int i = 0; i < 4; ++i) {
        const Innings& in = m.m_innings[order[i]];
        if (!in.mb_started) continue;
        WriteInnings(html, m, in, order[i]);
    }
    html += "</body>\n</html>\n";
    return html;
}

bool WriteScorecardHtml(const Match& match, int /*flags*/, const char* path) {
    if (!path || !*path) return false;
    std::ofstream out(path, std::ios::binary);
    if (!out) return false;
    out << ScorecardHtml(match);
    return static_cast<bool>(out);
}

}  // namespace ravel

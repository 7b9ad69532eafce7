// The CSV rows the benchmarks write for every match they play: the match,
// each team innings, each batting innings and each bowling figure.
#pragma once

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "match/Match.h"

namespace ravel {

struct MatchCsv {
    FILE* matches = nullptr;
    FILE* innings = nullptr;
    FILE* batting = nullptr;
    FILE* bowling = nullptr;

    // Opens the four files in the folder (made if missing), headers first.
    void Open(const std::string& dir) {
        std::filesystem::create_directories(dir);
        matches =
            OpenFile(dir, "matches.csv", "match,kind,team1,team2,winner,result,margin,strength1,strength2\n");
        innings =
            OpenFile(dir, "innings.csv",
                     "match,innings,team,total,wickets,legal_balls,byes,leg_byes,wides,no_balls,status\n");
        batting =
            OpenFile(dir, "batting.csv",
                     "match,innings,position,player,runs,balls,fours,sixes,how_out,fielder,fielder_kept\n");
        bowling =
            OpenFile(dir, "bowling.csv", "match,innings,player,balls,maidens,runs,wickets,no_balls,wides\n");
    }

    void Close() {
        for (FILE** file : {&matches, &innings, &batting, &bowling}) {
            if (*file) std::fclose(*file);
            *file = nullptr;
        }
    }

    void Write(const Match& m, const char* kind, float strength1, float strength2) const {
        if (matches)
            std::fprintf(matches, "%d,%s,%d,%d,%d,%d,%d,%.1f,%.1f\n", m.mi_id, kind, m.mi_team1, m.mi_team2,
                         m.mi_winner, m.mi_resultKind, m.mi_margin, strength1, strength2);
        for (int i = 0; i < 4; ++i) {
            const Innings& in = m.m_innings[static_cast<size_t>(i)];
            if (!in.mb_started) continue;
            if (innings)
                std::fprintf(innings, "%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d\n", m.mi_id, i, in.mi_battingTeam,
                             InningsTotal(in), in.Wickets(), in.mi_legalBalls, in.mi_byes, in.mi_legByes,
                             in.mi_wides, in.mi_noBalls, in.mi_status);
            for (int pos = 0; pos < SQUAD_SIZE && batting; ++pos) {
                const BatsmanFigures& b = in.m_batsmen[static_cast<size_t>(pos)];
                if (b.mi_howOut == 0) continue;
                // The catcher (or the fielder of a stumping or run out), and whether he kept wicket.
                const int fielder = b.mi_howOut > 0 ? b.mi_fielder : -1;
                const MatchTeam& fielding = m.SideOf(in.mi_bowlingTeam);
                const int keeper =
                    fielding
                        .m_players[static_cast<size_t>(std::clamp(fielding.KeeperSlot(i), 0, SQUAD_SIZE - 1))]
                        .mi_player;
                std::fprintf(batting, "%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d\n", m.mi_id, i, pos + 1, b.mi_player,
                             BatsmanRuns(b), b.Balls(), b.mi_scored[4], b.mi_scored[6], b.mi_howOut, fielder,
                             fielder >= 0 && fielder == keeper ? 1 : 0);
            }
            for (const BowlerFigures& b : in.m_bowlers) {
                if (!bowling || b.mi_balls == 0) continue;
                std::fprintf(bowling, "%d,%d,%d,%d,%d,%d,%d,%d,%d\n", m.mi_id, i, b.mi_player, b.mi_balls,
                             b.mi_maidens, b.mi_runs, b.mi_wickets, b.mi_noBalls, b.mi_wides);
            }
        }
    }

private:
    static FILE* OpenFile(const std::string& dir, const char* name, const char* header) {
        FILE* file = std::fopen((dir + "/" + name).c_str(), "w");
        if (file) std::fputs(header, file);
        return file;
    }
};

}  // namespace ravel

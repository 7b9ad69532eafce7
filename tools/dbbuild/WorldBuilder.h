// Builds the world of 1 April 2006 from the readable sources under data/:
// countries, grounds, sides, competitions, tournaments, tours, fields and
// plans, with generated (fictional) players and coaches.
#pragma once

#include <string>

#include "world/RecordsTable.h"

namespace ravel {

struct BuildError {
    std::string m_message;
};

// Fills the world tables; throws BuildError on inconsistent sources.
void BuildWorld(const std::string& dataDir);
// Writes the database files, the name lists and the records tables.
void WriteWorld(const std::string& dataDir, const std::string& outDir);
// One line per table: its name and record count.
std::string WorldSummary();

// Players and coaches (PlayerFactory.cpp).
void GeneratePeople(const std::string& dataDir);

// The season-by-season histories of the players' careers before 2006, as the
// player history files, in the database folder (HistoryBuilder.cpp).
void WriteHistoriesBefore2006(const std::string& outDir);

// The records table of a kind (RECORDS_*) before the first season, from
// data/records (RecordsBuilder.cpp).
RecordsTable BuildRecordsTable(const std::string& dataDir, int kind);

}  // namespace ravel

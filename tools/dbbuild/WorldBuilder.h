// Builds the world of 1 April 2006 from the readable sources under data/:
// countries, grounds, sides, competitions, tournaments, tours, fields and
// plans, with generated (fictional) players and coaches.
#pragma once

#include <string>

namespace ravel {

struct BuildError {
    std::string m_message;
};

// Fills the world tables; throws BuildError on inconsistent sources.
void BuildWorld(const std::string& dataDir);
// Writes the database files, the name lists and the empty records tables.
void WriteWorld(const std::string& dataDir, const std::string& outDir);
// One line per table: its name and record count.
std::string WorldSummary();

// Players and coaches (PlayerFactory.cpp).
void GeneratePeople(const std::string& dataDir);

}  // namespace ravel

// The values of the loaded world, checked before anything plays with them:
// ids unique and within their tables, references to records that exist,
// numbers within what a cricket world can hold, and a roll-over event for
// every season. A damaged or hand-edited file is refused here, with the file
// and the record that failed, instead of breaking the game later.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ravel {

struct DatabaseFault {
    std::string m_file;         // "db240782.dbj", "fcrecs.csv"
    int32_t m_record = -1;      // from 0 in file order; -1 the file as a whole
    std::string m_problem;      // what is wrong with it
    std::string Where() const;  // "db240782.dbj, record 12"
};

// Checks the tables one database file filled, with the references they hold
// to the other tables; nothing when the file is sound.
std::optional<DatabaseFault> CheckDatabaseFile(int number);
// The four records tables.
std::optional<DatabaseFault> CheckRecordsTables();
// Every database file in loading order, then the records tables.
std::optional<DatabaseFault> CheckDatabase();

}  // namespace ravel

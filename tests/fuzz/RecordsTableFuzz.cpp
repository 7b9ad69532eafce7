// A records table from the fuzzer, read beside the built world: the reader
// takes anything, the checks name what they refuse, and a table they accept
// gives its texts and writes back the same way each time.
#include <iterator>

#include "FuzzSupport.h"
#include "world/Database.h"
#include "world/DatabaseChecks.h"
#include "world/Random.h"
#include "world/RecordsTable.h"
#include "world/World.h"

using namespace ravel;

namespace {

std::vector<uint8_t> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SetDatabaseDirectory(fuzz::BuiltDatabaseFolder());
    SeedRand(1);
    fuzz::Expect(!LoadDatabase(), "the built world fails its checks");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::ScratchPath("records.csv");
    fuzz::WriteInput(path, data, size);
    RecordsTable& table = g_world.mv_records[0];
    table.LoadCsvFrom(path);
    if (const auto fault = CheckRecordsTables()) {
        fuzz::Expect(!fault->m_problem.empty(), "a refusal that says nothing");
        fuzz::Report("refused: %s: %s", fault->Where().c_str(), fault->m_problem.c_str());
        return 0;
    }
    for (const auto& section : table.mv_sections)
        for (const RecordEntry& e : section) {
            fuzz::Expect(e.TeamText() != nullptr, "an entry without its team text");
        }
    const std::string once = fuzz::ScratchPath("records_once.csv"),
                      twice = fuzz::ScratchPath("records_twice.csv");
    fuzz::Expect(table.WriteCsv(once), "the table cannot be written");
    table.LoadCsvFrom(once);
    fuzz::Expect(table.WriteCsv(twice) && FileBytes(once) == FileBytes(twice),
                 "a table reads back otherwise");
    return 0;
}

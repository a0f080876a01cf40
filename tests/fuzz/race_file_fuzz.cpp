// The saved race file reader on any bytes, through `kestrova-cli races` (text and JSON): it always
// reads the file, every record encodes back to its own bytes, and the listing shows no number
// that is not finite. The free text fields (unit marks, comment) may hold any word, so the check
// runs on a copy with them blanked. A float field that holds NaN or infinity is listed as the
// file holds it ("NaN", "Inf") on purpose; JSON gives null for it, so the text listing is
// checked only when every float field is finite.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_run.hpp"
#include "files/saved_race_record.hpp"
#include "fuzz_support.hpp"

namespace {

std::filesystem::path scratch;

void WriteFile(const std::string& bytes) {
    std::ofstream file(scratch / "race.kst", std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Lists the file as text or as JSON; returns what it printed.
std::string ListRaces(bool json) {
    std::ostringstream out;
    std::ostringstream err;
    std::vector<std::string> args = {"races", "race.kst"};
    if (json) {
        args.emplace_back("--json");
    }
    const int status = kestrova::RunCli(args, scratch, out, err);
    fuzz_support::Require(status == 0, "races refused a readable file", err.str());
    return out.str() + err.str();
}

bool FloatsFinite(const kestrova::SavedRaceRecord& record) {
    return std::isfinite(record.hours) && std::isfinite(record.minutes) &&
           std::isfinite(record.seconds) && std::isfinite(record.number);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    scratch = fuzz_support::EnterScratchDirectory();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string raw(reinterpret_cast<const char*>(data), size);
    std::string blanked = raw;
    bool allFinite = true;
    for (std::size_t at = 0; at + kestrova::kRecordBytes <= size; at += kestrova::kRecordBytes) {
        kestrova::RecordBytes record{};
        std::memcpy(record.data(), data + at, record.size());
        const kestrova::SavedRaceRecord decoded = kestrova::DecodeRecord(record);
        fuzz_support::Require(kestrova::EncodeRecord(decoded) == record,
                              "a record did not encode back to its bytes");
        allFinite = allFinite && FloatsFinite(decoded);
        // Unit marks and comment: bytes 18 to 83.
        std::memset(blanked.data() + at + 18, ' ', kestrova::kRecordBytes - 18);
    }
    WriteFile(raw);
    ListRaces(false);
    ListRaces(true);
    WriteFile(blanked);
    fuzz_support::RequireFiniteText(ListRaces(true), "the race listing as JSON");
    if (allFinite) {
        fuzz_support::RequireFiniteText(ListRaces(false), "the race listing");
    }
    return 0;
}

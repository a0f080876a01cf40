// The saved race file reader on any bytes, through `kestrova-cli races` (text and JSON) and the
// file access window's own steps: it always reads the file, every record encodes back to its own
// bytes, the listing shows no number that is not finite, a file is refused only with a message and
// nothing on standard output, and no record that cannot be a race is ever copied into a race row.
// The free text fields (unit marks, comment) may hold any word, so the listing is checked on a
// copy with them blanked.
#include <cstdint>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_run.hpp"
#include "files/file_access.hpp"
#include "files/race_plausibility.hpp"
#include "files/saved_race_record.hpp"
#include "fuzz_support.hpp"

namespace {

// Selecting every race of a long file would take long; the first lines show every kind.
constexpr int kMostLinesSelected = 40;

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
    const bool refused =
        err.str().find("does not look like a saved race file") != std::string::npos;
    fuzz_support::Require(status == 0 || (status == 2 && refused && out.str().empty()),
                          "races failed on a readable file", err.str());
    return out.str() + err.str();
}

// Selects the races on the first lines of the list into empty rows, replacing without asking
// anything twice: a race that is copied must be one that can be a race.
void SelectEveryLine() {
    kestrova::FileAccessState state;
    kestrova::RecordingNotifier notifier;
    notifier.AnswerWith(true);
    kestrova::OpenExisting(state, "race.kst", notifier);
    fuzz_support::Require(!state.refused || state.listLines.empty(), "a refused file lists races");
    const int lines = std::min(static_cast<int>(state.listLines.size()), kMostLinesSelected);
    for (int line = 1; line <= lines; ++line) {
        kestrova::MainFormInputs form;
        kestrova::ClearRaceRows(form);
        kestrova::CopiedRaceRows copied;
        state.selectedRow = line;
        state.pickedCount = 0;
        const int race = state.listRaces.at(static_cast<std::size_t>(line - 1));
        const auto row = static_cast<std::size_t>(race);
        const bool damaged = state.damage.at(row).has_value();
        const bool plausible = !kestrova::ImplausibleBecause(state.raceTable.at(row), race);
        fuzz_support::Require(damaged != plausible, "a record's verdict changed");
        const std::optional<int> filled = kestrova::SelectRace(state, form, copied, notifier);
        fuzz_support::Require(filled.has_value() == plausible,
                              damaged ? "a damaged race was selected" : "a race was refused",
                              state.listLines.at(static_cast<std::size_t>(line - 1)));
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    scratch = fuzz_support::EnterScratchDirectory();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string raw(reinterpret_cast<const char*>(data), size);
    std::string blanked = raw;
    for (std::size_t at = 0; at + kestrova::kRecordBytes <= size; at += kestrova::kRecordBytes) {
        kestrova::RecordBytes record{};
        std::memcpy(record.data(), data + at, record.size());
        fuzz_support::Require(kestrova::EncodeRecord(kestrova::DecodeRecord(record)) == record,
                              "a record did not encode back to its bytes");
        // Unit marks and comment: bytes 18 to 83.
        std::memset(blanked.data() + at + 18, ' ', kestrova::kRecordBytes - 18);
    }
    WriteFile(raw);
    ListRaces(false);
    ListRaces(true);
    SelectEveryLine();
    WriteFile(blanked);
    fuzz_support::RequireFiniteText(ListRaces(true), "the race listing as JSON");
    fuzz_support::RequireFiniteText(ListRaces(false), "the race listing");
    SelectEveryLine();
    return 0;
}

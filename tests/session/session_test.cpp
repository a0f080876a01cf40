#include "session/session.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "files/settings_file.hpp"
#include "files/settings_reading.hpp"
#include "support/scratch_directory.hpp"

namespace kestrova {
namespace {

namespace fs = std::filesystem;
using test_support::ScratchDirectory;

// Runs the test in `directory` and goes back to where it was.
class InDirectory {
  public:
    explicit InDirectory(const fs::path& directory) : previous_(fs::current_path()) {
        fs::current_path(directory);
    }
    ~InDirectory() { fs::current_path(previous_); }
    InDirectory(const InDirectory&) = delete;
    InDirectory& operator=(const InDirectory&) = delete;

  private:
    fs::path previous_;
};

TEST(Session, SettingsStayWhereTheyWereReadWhateverTheCurrentDirectoryDoesLater) {
    const ScratchDirectory scratch;
    const fs::path first = scratch.Path() / "first";
    const fs::path second = scratch.Path() / "second";
    fs::create_directories(first);
    fs::create_directories(second);
    MainFormInputs form;
    form.txtage = "41";
    ASSERT_EQ(SaveSettingsFile(first / kSettingsFileName, form), std::nullopt);

    std::optional<Session> session;
    {
        InDirectory in(first);
        session.emplace(kSettingsFileName);
    }
    InDirectory in(second);
    MainFormInputs read;
    RecordingNotifier notifier;
    session->Start(read, notifier);
    EXPECT_TRUE(notifier.Messages().empty());
    EXPECT_EQ(read.txtage, "41");
    read.txtage = "52";
    ASSERT_TRUE(session->SaveSettings(read, notifier));
    EXPECT_FALSE(fs::exists(second / kSettingsFileName));
    MainFormInputs again;
    ASSERT_EQ(ReadSettingsFile(first / kSettingsFileName, again).outcome, SettingsLoad::Loaded);
    EXPECT_EQ(again.txtage, "52");
}

// A form whose first row cannot be calculated: its time is empty.
MainFormInputs StoppingForm() {
    MainFormInputs form;
    form.rows[0].Check1 = 1;
    form.rows[0].Text1 = form.rows[0].Text2 = form.rows[0].Text3 = "";
    return form;
}

MainFormInputs SlowerForm() {
    MainFormInputs form;
    SetWeeklyVolume(form, 35);
    for (RaceRowInputs& row : form.rows) {
        row.Text2 = row.Text2.empty() ? row.Text2 : std::to_string(std::stoi(row.Text2) + 1);
    }
    return form;
}

// Every Calculate tells the listener once and sets calculated; the fit is current after a run
// that completed and out of date after one that stopped, which keeps the older curve.
TEST(Session, CalculateTellsTheFitAndKeepsTheOlderCurveWhenItStops) {
    struct Step {
        MainFormInputs form;
        FitStatus status;
        bool curveChanges;
    };
    const std::vector<Step> steps = {
        {MainFormInputs{}, FitStatus::Current, true},
        {StoppingForm(), FitStatus::OutOfDate, false},
        {SlowerForm(), FitStatus::Current, true},
        {StoppingForm(), FitStatus::OutOfDate, false},
    };
    Session session("kestini.txt");
    MainFormInputs start;
    session.Begin(start);
    EXPECT_EQ(session.Fit(), FitStatus::None);
    std::vector<SessionChange> told;
    session.SetListener([&](SessionChange change) { told.push_back(change); });
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(i);
        const double before = session.State().aerobicPower;
        session.State().calculated = 0;
        MainFormInputs form = steps[i].form;
        LineBuffer picture;
        RecordingNotifier notifier;
        bool thenRan = false;
        const bool completed = session.CalculateThen(form, notifier, [&](ModelState& state) {
            thenRan = true;
            EXPECT_EQ(&state, &session.State());
        });
        EXPECT_EQ(completed, steps[i].status == FitStatus::Current);
        EXPECT_EQ(thenRan, completed);
        EXPECT_EQ(session.Fit(), steps[i].status);
        EXPECT_EQ(session.State().calculated, 1);
        EXPECT_EQ(session.State().aerobicPower != before, steps[i].curveChanges);
        EXPECT_EQ(told.size(), i + 1);
        EXPECT_EQ(told.back(), SessionChange::Fit);
    }
}

TEST(Session, WindowOptionsAreSetAndTold) {
    Session session("kestini.txt");
    std::vector<SessionChange> told;
    session.SetListener([&](SessionChange change) { told.push_back(change); });
    session.SetGraphScale(2);
    session.SetGraphUnits("e");
    session.SetWeightKg(60.0);
    EXPECT_EQ(session.State().graphScale, 2);
    EXPECT_EQ(session.State().graphUnits, "e");
    EXPECT_DOUBLE_EQ(session.State().weightKg, 60.0);
    EXPECT_EQ(told, std::vector<SessionChange>(3, SessionChange::Options));
}

}  // namespace
}  // namespace kestrova

#include "session/session.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrova {
namespace {

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

#include "app/activity_window.hpp"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QListWidget>

#include "app/open_or_raise.hpp"
#include "app/text_canvas.hpp"
#include "files/activity/activity_race_row.hpp"
#include "support/fit_file_builder.hpp"
#include "support/scratch_directory.hpp"
#include "window_context_fixture.hpp"

namespace kestrova {
namespace {

class ActivityWindowTest : public test_support::WindowTest {
  protected:
    void SetUp() override {
        // 1300 s at 4 m/s: 5200 m, best efforts from 400 m to 5 km.
        directory_.Write("run.fit",
                         test_support::FitRun(1093000000, 1301, 4.0, 1300, 1300, 5200).Text());
        directory_.Write("notes.txt", "ran 5 km today");
    }
    ActivityWindow* Open(const char* name) {
        return OpenActivityFile(context_.Context(),
                                QString::fromStdString((directory_.Path() / name).string()));
    }

    test_support::ScratchDirectory directory_;
};

TEST_F(ActivityWindowTest, ShowsTheActivityAndWhatCanGoIntoARow) {
    ActivityWindow* window = Open("run.fit");
    ASSERT_NE(window, nullptr);
    const std::vector<std::string>& lines = window->Canvas().Buffer().Lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Activity file: run.fit (FIT)");
    EXPECT_EQ(lines[2], "Distance:      5.20 km (3.23 miles)");
    ASSERT_EQ(window->Choices().count(), 7);  // the whole activity and six best efforts
    EXPECT_EQ(window->Choices().item(0)->text().toStdString(),
              "Whole activity: 21:40.0  (5.20 km)");
    EXPECT_EQ(window->Choices().item(6)->text().toStdString(), "5 km: 20:50.0  (5 km)");
    // Every row of the start-up inputs holds a race: the first is offered.
    EXPECT_EQ(window->Row().currentIndex(), 0);
}

TEST_F(ActivityWindowTest, FillsAFreeRowWithoutAsking) {
    ClearRaceRows(context_.Form());
    context_.Form().rows[0].Text4 = "400";
    ActivityWindow* window = Open("run.fit");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Row().currentIndex(), 1);
    window->Choices().setCurrentRow(6);  // 5 km
    window->FillRow();
    EXPECT_TRUE(context_.Notifier().Questions().empty());
    ASSERT_EQ(context_.RowsSet().size(), 1u);
    EXPECT_EQ(context_.RowsSet()[0].first, 1);
    EXPECT_EQ(context_.RowsSet()[0].second, ActivityRaceRow(5000, 1250));
}

TEST_F(ActivityWindowTest, AsksBeforeReplacingATypedRaceOnly) {
    RaceRowInputs& typed = context_.Form().rows[3];
    typed.Text1 = "";
    typed.Text2 = "40";
    typed.Text3 = "00";
    typed.Text4 = "10";
    typed.SelectUnit(DistanceUnit::Kilometers);
    ActivityWindow* window = Open("run.fit");
    ASSERT_NE(window, nullptr);
    window->Row().setCurrentIndex(3);
    window->Choices().setCurrentRow(0);
    context_.Notifier().AnswerWith(false);
    window->FillRow();
    ASSERT_EQ(context_.Notifier().Questions().size(), 1u);
    EXPECT_EQ(context_.Notifier().Questions()[0],
              (Question{"Row 4 holds 10 km in 40:00. Replace it with the whole activity?",
                        "Import race", "Replace", "Cancel"}));
    EXPECT_TRUE(context_.RowsSet().empty());
    context_.Notifier().AnswerWith(true);
    window->FillRow();
    ASSERT_EQ(context_.RowsSet().size(), 1u);
    EXPECT_EQ(context_.RowsSet()[0].first, 3);
    EXPECT_EQ(context_.RowsSet()[0].second.Text4, "5.20");
    // The imported race is not one the user typed: replacing it again asks nothing.
    window->Row().setCurrentIndex(3);
    window->FillRow();
    EXPECT_EQ(context_.Notifier().Questions().size(), 2u);
    EXPECT_EQ(context_.RowsSet().size(), 2u);
}

TEST_F(ActivityWindowTest, RefusesABadFileAndChangesNothing) {
    EXPECT_EQ(Open("notes.txt"), nullptr);
    EXPECT_EQ(FindOpenWindow<ActivityWindow>(context_.Owner()), nullptr);
    ASSERT_EQ(context_.Notifier().Messages().size(), 1u);
    EXPECT_EQ(context_.Notifier().Messages()[0].caption, "Import race");
    EXPECT_EQ(context_.Notifier().Messages()[0].text.rfind("notes.txt: The file is not", 0), 0u);
    EXPECT_TRUE(context_.RowsSet().empty());
    EXPECT_EQ(ImportRaceFromActivity(context_.Context()), nullptr);  // the chooser cancelled
    EXPECT_EQ(context_.Dialogs().openAsks.size(), 1u);
    EXPECT_EQ(context_.Notifier().Messages().size(), 1u);
}

}  // namespace
}  // namespace kestrova

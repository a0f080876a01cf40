#include <gtest/gtest.h>

#include "model/main_form_inputs.hpp"

namespace kestrova {
namespace {

TEST(MainFormInputs, ScrollBarBoxesAtTheirEnds) {
    MainFormInputs form;
    SetWeeklyVolume(form, 0);
    EXPECT_EQ(form.txtmi, "0");
    EXPECT_EQ(form.txtkm, "0");
    SetWeeklyVolume(form, 150);
    EXPECT_EQ(form.txtmi, "150");
    EXPECT_EQ(form.txtkm, "241");
    SetComparisonLevel(form, 999);
    EXPECT_EQ(form.Text5, "99.9");
    SetComparisonLevel(form, 0);
    EXPECT_EQ(form.Text5, "0");
    SetComparisonLevel(form, 1050);
    EXPECT_EQ(form.Text5, "105");
    SetWeight(form, 30);
    EXPECT_EQ(form.txlb, "30");
    EXPECT_EQ(form.txkg, "13.64");
    EXPECT_EQ(WeightKgShown(form), 13.64);
    SetWeight(form, 300);
    EXPECT_EQ(form.txkg, "136.36");
    EXPECT_EQ(WeightKgShown(form), 136.36);
    SetWeight(form, 161);
    EXPECT_EQ(form.txkg, "73.18");
}

TEST(MainFormInputs, ClearEmptiesTheRowsOnly) {
    MainFormInputs form;
    form.txtage = "41";
    SetWeeklyVolume(form, 33);
    ClearRaceRows(form);
    for (const RaceRowInputs& row : form.rows) {
        EXPECT_EQ(row.Check1, 0);
        EXPECT_TRUE(row.Text1.empty() && row.Text2.empty() && row.Text3.empty() &&
                    row.Text4.empty());
        EXPECT_EQ(row.SelectedUnit(), DistanceUnit::Meters);
        EXPECT_EQ(std::count(row.unitOption.begin(), row.unitOption.end(), true), 1);
    }
    EXPECT_EQ(form.txtage, "41");
    EXPECT_EQ(form.HScroll1, 33);
    EXPECT_EQ(form.txkg, "72.7");
}

}  // namespace
}  // namespace kestrova

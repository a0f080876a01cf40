#include "app/form_binding.hpp"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "app/form_controls.hpp"
#include "app/slip_marks.hpp"
#include "model/control_characters.hpp"

namespace kestrova {
namespace {

std::string TextOf(const QLineEdit* box) {
    return box->text().toStdString();
}

void ShowText(QLineEdit* box, const std::string& text) {
    {
        const QSignalBlocker block(box);
        box->setText(QString::fromStdString(text));
    }
    UpdateReadingMark(box);
}

void ShowOption(QRadioButton* button, bool selected) {
    const QSignalBlocker block(button);
    SetOptionState(button, selected);
}

void ShowBar(QScrollBar* bar, int value) {
    const QSignalBlocker block(bar);
    bar->setValue(value);
}

bool EnabledInWindow(const QWidget* widget) {
    return widget->isEnabledTo(widget->window());
}

// The option buttons of the profile, each with its field, in the order the settings file lists
// them (a later selected button of a group wins, as there).
void ShowProfileOptions(const MainFormInputs& form, const MainFormWidgets& widgets) {
    ShowOption(widgets.optmale, form.optmale);
    ShowOption(widgets.optfemale, form.optfemale);
    ShowOption(widgets.Option7, form.Option7);
    ShowOption(widgets.Option8, form.Option8);
    ShowOption(widgets.Option9, form.Option9);
    ShowOption(widgets.Option10, form.Option10);
}

void ShowBarsAndBoxes(const MainFormInputs& form, const MainFormWidgets& widgets) {
    ShowBar(widgets.HScroll1, form.HScroll1);
    ShowText(widgets.txtmi, form.txtmi);
    ShowText(widgets.txtkm, form.txtkm);
    ShowBar(widgets.HScroll2, form.HScroll2);
    ShowText(widgets.Text5, form.Text5);
    ShowBar(widgets.wtscrl, form.wtscrl);
    ShowText(widgets.txlb, form.txlb);
    ShowText(widgets.txkg, form.txkg);
}

void ShowEnabling(const MainFormInputs& form, const MainFormWidgets& widgets) {
    widgets.Option7->setEnabled(form.Option7Enabled);
    widgets.Command2->setEnabled(form.analysisButtonsEnabled);
    widgets.Command3->setEnabled(form.analysisButtonsEnabled);
    widgets.Command4->setEnabled(form.analysisButtonsEnabled);
    widgets.pfull->setEnabled(form.reportItemsEnabled);
    widgets.tfile->setEnabled(form.reportItemsEnabled);
}

}  // namespace

MainFormInputs ReadFormWidgets(const MainFormWidgets& widgets) {
    MainFormInputs form;
    // A name or age pasted with a line break or escape byte would break the report's first line.
    form.txtname = ControlCharactersAsBlanks(TextOf(widgets.txtname));
    form.txtage = ControlCharactersAsBlanks(TextOf(widgets.txtage));
    form.optmale = widgets.optmale->isChecked();
    form.optfemale = widgets.optfemale->isChecked();
    form.agecomp = CheckValue(widgets.agecomp);
    form.HScroll1 = widgets.HScroll1->value();
    form.txtmi = TextOf(widgets.txtmi);
    form.txtkm = TextOf(widgets.txtkm);
    form.HScroll2 = widgets.HScroll2->value();
    form.Text5 = TextOf(widgets.Text5);
    form.wtscrl = widgets.wtscrl->value();
    form.txlb = TextOf(widgets.txlb);
    form.txkg = TextOf(widgets.txkg);
    form.Option7 = widgets.Option7->isChecked();
    form.Option8 = widgets.Option8->isChecked();
    form.Option9 = widgets.Option9->isChecked();
    form.Option10 = widgets.Option10->isChecked();
    for (std::size_t row = 0; row < widgets.rows.size(); ++row) {
        form.rows[row] = ReadRaceRow(widgets.rows[row]);
    }
    form.Option7Enabled = EnabledInWindow(widgets.Option7);
    form.analysisButtonsEnabled = EnabledInWindow(widgets.Command3);
    form.reportItemsEnabled = widgets.pfull->isEnabled() && widgets.tfile->isEnabled();
    return form;
}

void ShowFormInputs(const MainFormInputs& form, const MainFormWidgets& widgets) {
    ShowText(widgets.txtname, form.txtname);
    ShowText(widgets.txtage, form.txtage);
    {
        const QSignalBlocker block(widgets.agecomp);
        SetCheckValue(widgets.agecomp, form.agecomp);
    }
    ShowBarsAndBoxes(form, widgets);
    ShowProfileOptions(form, widgets);
    ShowRaceRows(form, widgets);
    ShowEnabling(form, widgets);
}

void ShowRaceRows(const MainFormInputs& form, const MainFormWidgets& widgets) {
    for (std::size_t row = 0; row < widgets.rows.size(); ++row) {
        ShowRaceRow(form.rows[row], widgets.rows[row]);
    }
}

void ShowRunResults(const MainFormInputs& form, const MainFormWidgets& widgets) {
    widgets.Option7->setEnabled(form.Option7Enabled);
    ShowOption(widgets.Option7, form.Option7);
    ShowOption(widgets.Option8, form.Option8);
    if (form.analysisButtonsEnabled) {
        widgets.Command2->setEnabled(true);
        widgets.Command3->setEnabled(true);
        widgets.Command4->setEnabled(true);
    }
    if (form.reportItemsEnabled) {
        widgets.pfull->setEnabled(true);
        widgets.tfile->setEnabled(true);
    }
}

}  // namespace kestrova

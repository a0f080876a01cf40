#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>

#include <QDir>
#include <QMenuBar>
#include <QTemporaryDir>

#include "app/main_window.hpp"
#include "files/settings_file.hpp"
#include "model/model_state.hpp"
#include "model/notifier.hpp"
#include "recording_dialogs.hpp"
#include "session/session.hpp"
#include "support/scratch_directory.hpp"

namespace kestrova {

// Shows a form in a failed comparison: the parts the settings file leaves out, then its lines.
inline void PrintTo(const MainFormInputs& form, std::ostream* out) {
    *out << "\n  txtname=\"" << form.txtname << "\" txtmi=\"" << form.txtmi << "\" txtkm=\""
         << form.txtkm << "\" Text5=\"" << form.Text5 << "\" txlb=\"" << form.txlb << "\" txkg=\""
         << form.txkg << "\" Option7Enabled=" << form.Option7Enabled
         << " reportItemsEnabled=" << form.reportItemsEnabled
         << " analysisButtonsEnabled=" << form.analysisButtonsEnabled << "\n  settings:";
    const std::string text = SettingsText(form);
    for (char c : text) {
        if (c == '\n') {
            *out << '|';
        } else if (c != '\r') {
            *out << c;
        }
    }
}

// A main window started in an empty temporary directory (so it reads and writes its own
// settings file there), with its messages recorded and its program end counted.
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(directory_.isValid());
        previousDirectory_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(directory_.path()));
    }

    void TearDown() override {
        window_.reset();
        QDir::setCurrent(previousDirectory_);
    }

    // The window, started on first use.
    MainWindow& Window() {
        if (!window_) {
            window_ = std::make_unique<MainWindow>(session_, notifier_);
            window_->SetProgramEnd([this] { ++programEnds_; });
            window_->SetDialogs(dialogs_);
        }
        return *window_;
    }

    // Starts the window again, as the next run of the program, with a fresh state.
    MainWindow& Restart() {
        window_.reset();
        state_ = ModelState{};
        session_.special = SpecialFormMemory{};
        return Window();
    }

    template <typename T>
    T* Find(const QString& name) {
        T* control = Window().findChild<T*>(name);
        if (control == nullptr) {
            throw std::runtime_error("no control named " + name.toStdString());
        }
        return control;
    }

    std::string SettingsPath() const {
        return directory_.filePath(QStringLiteral("kestini.txt")).toStdString();
    }

    void WriteSettings(const std::string& text) const {
        std::ofstream file(SettingsPath(), std::ios::binary);
        file << text;
    }

    std::string ReadSettings() const { return test_support::FileBytes(SettingsPath()); }

    QTemporaryDir directory_;
    QString previousDirectory_;
    // The program's session, its settings file in the test's own directory.
    Session session_{directory_.filePath(QStringLiteral("kestini.txt")).toStdString()};
    ModelState& state_ = session_.State();
    RecordingNotifier notifier_;
    test_support::RecordingDialogs dialogs_;
    std::unique_ptr<MainWindow> window_;
    int programEnds_ = 0;
};

}  // namespace kestrova

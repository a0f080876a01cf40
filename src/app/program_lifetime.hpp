#pragma once

#include <QObject>
#include <functional>

namespace kestrova {

// Ends the program when its last window closes. The secondary windows belong to the main window,
// so Qt on its own would end the program as soon as the main window closes; closing the main
// window with its frame must instead leave the other windows open until the user closes them.
// ("Close" and "Exit" end the program at once by their own means.)
class ProgramLifetime : public QObject {
  public:
    // Takes over from Qt's own rule (quitOnLastWindowClosed) and watches every window; `end` is
    // called once no window is left visible (by default the event loop quits).
    explicit ProgramLifetime(std::function<void()> end);
    ProgramLifetime();
    ~ProgramLifetime() override;

    ProgramLifetime(const ProgramLifetime&) = delete;
    ProgramLifetime& operator=(const ProgramLifetime&) = delete;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void EndIfNoWindowIsLeft();

    std::function<void()> end_;
    bool checkQueued_ = false;
    bool ended_ = false;
};

}  // namespace kestrova

#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <cstdint>
#include <optional>

class QWidget;

namespace rac::gui {

class Desktop;

// The resident memory of this process in MB, from /proc/self/status; none where there is none.
std::optional<double> residentMegabytes();

// Logs to stderr when the splash is first drawn, when the main window is drawn after the splash
// has gone, how long each click on the main screen's or the costing screen's Calculate takes
// until its window is repainted with the results, and the resident memory at each of these. Times
// count from the launch instant given in nanoseconds since the epoch (a launcher's `date +%s%N`),
// or from the timer's start.
class StartupTimings final : public QObject {
    Q_OBJECT

  public:
    StartupTimings(Desktop& desktop, std::optional<std::int64_t> launchEpochNs);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    double sinceLaunchMs() const;
    void watchWindows();
    void painted(QWidget& window);
    void log(const char* what, double milliseconds) const;

    Desktop& desktop_;
    QElapsedTimer clock_;
    double offsetMs_ = 0;
    bool splashDrawn_ = false;
    bool mainDrawn_ = false;
    std::optional<double> splashGoneMs_;
    std::optional<double> calculateMs_;
};

} // namespace rac::gui

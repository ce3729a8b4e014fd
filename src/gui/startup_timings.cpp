#include "gui/startup_timings.h"

#include "gui/desktop.h"

#include <QEvent>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace rac::gui {

namespace {

// The Calculate buttons of the main screen and of the costing screen.
const QString kCalculateButtons[] = {QStringLiteral("cmdCalculate"),
                                     QStringLiteral("cmdCalculateCost")};

} // namespace

std::optional<double> residentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            const QList<QByteArray> parts = line.simplified().split(' ');
            bool ok = false;
            const double kilobytes = parts.value(1).toDouble(&ok);
            return ok ? std::optional<double>(kilobytes / 1024.0) : std::nullopt;
        }
    }
    return std::nullopt;
}

StartupTimings::StartupTimings(Desktop& desktop, std::optional<std::int64_t> launchEpochNs)
    : QObject(&desktop), desktop_(desktop) {
    clock_.start();
    if (launchEpochNs) {
        const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                             std::chrono::system_clock::now().time_since_epoch())
                             .count();
        offsetMs_ = static_cast<double>(now - *launchEpochNs) / 1e6;
    }
    // Windows are made as their forms load; look for new ones as the event loop turns.
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, &StartupTimings::watchWindows);
    poll->start(1);
    watchWindows();
}

double StartupTimings::sinceLaunchMs() const {
    return offsetMs_ + static_cast<double>(clock_.nsecsElapsed()) / 1e6;
}

void StartupTimings::log(const char* what, double milliseconds) const {
    const auto rss = residentMegabytes();
    std::fprintf(stderr, "rac-timing %s %.1f ms (resident %.1f MB)\n", what, milliseconds,
                 rss.value_or(0.0));
}

void StartupTimings::watchWindows() {
    for (const char* name : {"frmSplash", "frmMain", "frmCosting"}) {
        if (QWidget* window = desktop_.window(name);
            window && !window->property("racTimed").toBool()) {
            window->setProperty("racTimed", true);
            window->installEventFilter(this);
            for (const QString& button : kCalculateButtons) {
                if (auto* calculate = window->findChild<QPushButton*>(button)) {
                    calculate->installEventFilter(this);
                }
            }
        }
    }
    // A window outlives its form's unload, hidden: the splash has ended once its window is hidden.
    const QWidget* splash = desktop_.window("frmSplash");
    if (!splashGoneMs_ && splashDrawn_ && (splash == nullptr || !splash->isVisible())) {
        splashGoneMs_ = sinceLaunchMs();
    }
}

bool StartupTimings::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        (watched->objectName() == kCalculateButtons[0] ||
         watched->objectName() == kCalculateButtons[1])) {
        calculateMs_ = sinceLaunchMs();
    } else if (event->type() == QEvent::Paint) {
        if (auto* window = qobject_cast<QWidget*>(watched)) {
            // Stamped once the paint has finished and gone to the screen.
            QTimer::singleShot(0, this, [this, window] { painted(*window); });
        }
    }
    return false;
}

void StartupTimings::painted(QWidget& window) {
    const double now = sinceLaunchMs();
    if (window.objectName() == QStringLiteral("frmSplashWindow") && !splashDrawn_) {
        splashDrawn_ = true;
        log("splash drawn after launch:", now);
    } else if (window.objectName() == QStringLiteral("frmMainWindow")) {
        if (!mainDrawn_) {
            mainDrawn_ = true;
            watchWindows();
            log("main window drawn after launch:", now);
            if (splashGoneMs_) {
                log("main window ready after the splash ended:", now - *splashGoneMs_);
            }
        } else if (calculateMs_) {
            log("Calculate click to repainted results:", now - *calculateMs_);
            calculateMs_.reset();
        }
    } else if (window.objectName() == QStringLiteral("frmCostingWindow") && calculateMs_) {
        log("costing Calculate click to repainted prices:", now - *calculateMs_);
        calculateMs_.reset();
    }
}

} // namespace rac::gui

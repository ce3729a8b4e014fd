// Drives the real windows through start-up, a Selection Calculate, the summary and Rating mode,
// saving a screenshot of each (and the summary's PDF datasheet) and timing the steps a person
// waits for. Run under Xvfb:
//   xvfb-run -s "-screen 0 1600x1000x24" build/release/bench/rac_gui_tour docs/screenshots
#include "gui/desktop.h"
#include "gui/icons.h"
#include "gui/resources.h"
#include "gui/startup_timings.h"
#include "gui/window_printer.h"
#include "summary/frm_summary.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Waits until the window has been painted after the moment this is called.
double paintedWithinMs(QWidget& window, const std::function<void()>& action) {
    QElapsedTimer clock;
    clock.start();
    action();
    window.repaint(); // what the event loop would do next: the window drawn with its results
    QCoreApplication::processEvents();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

void save(QWidget& window, const QDir& folder, const char* name) {
    QCoreApplication::processEvents();
    const QString path = folder.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    }
}

// Median and worst of the times, sorted in place.
void report(const char* what, std::vector<double>& times) {
    std::sort(times.begin(), times.end());
    std::printf("%s: median %.1f ms, worst %.1f ms of %zu\n", what, times[times.size() / 2],
                times.back(), times.size());
}

// From the click on Print to the summary window on the screen and drawn with its document.
double summaryShownMs(rac::gui::Desktop& desktop, QPushButton& print) {
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(&print, Qt::LeftButton);
    QWidget* summary = desktop.window("frmSummary");
    if (summary == nullptr || !QTest::qWaitForWindowExposed(summary)) {
        std::fprintf(stderr, "the summary did not open\n");
        std::exit(1);
    }
    summary->repaint();
    QCoreApplication::processEvents();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// The summary opened 21 times from Print and closed again: the first opening makes its window.
void tourSummary(rac::gui::Desktop& desktop, QWidget& main, const QDir& folder) {
    auto* print = main.findChild<QPushButton*>(QStringLiteral("cmdPrint"));
    std::vector<double> times;
    for (int run = 0; run < 21; ++run) {
        times.push_back(summaryShownMs(desktop, *print));
        if (run == 0) {
            std::printf("Print click to the summary drawn, first opening: %.1f ms\n", times[0]);
        }
        if (run < 20) {
            QTest::mouseClick(
                desktop.window("frmSummary")->findChild<QPushButton*>(QStringLiteral("cmdclose")),
                Qt::LeftButton);
        }
    }
    report("Print click to the summary drawn", times);
    QWidget& summary = *desktop.window("frmSummary");
    save(summary, folder, "summary");
    const auto& form = desktop.application().form<rac::summary::FrmSummary>();
    rac::gui::QtPrinter printer([](const rac::platform::Form&) { return nullptr; });
    const QString pdf = folder.filePath(QStringLiteral("summary.pdf"));
    if (!printer.exportPdf(form.printedDocument(), pdf.toStdString())) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(pdf));
    }
    QTest::mouseClick(summary.findChild<QPushButton*>(QStringLiteral("cmdclose")), Qt::LeftButton);
}

} // namespace

int main(int argc, char* argv[]) {
    QStandardPaths::setTestModeEnabled(true); // leave the person's settings alone
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    rac::gui::initResources();
    QApplication::setWindowIcon(rac::gui::applicationIcon());
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    folder.mkpath(QStringLiteral("."));

    rac::gui::Desktop desktop;
    desktop.startWithSplash();
    QWidget* splash = desktop.window("frmSplash");
    if (!QTest::qWaitForWindowExposed(splash)) {
        return 1;
    }
    QTest::qWait(1100); // the bar half way, "Loading..." on show
    save(*splash, folder, "splash");

    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(splash, Qt::LeftButton);
    QWidget* main = desktop.window("frmMain");
    if (!QTest::qWaitForWindowExposed(main)) {
        return 1;
    }
    main->repaint();
    std::printf("main window drawn %.1f ms after the splash ended\n",
                static_cast<double>(clock.nsecsElapsed()) / 1e6);
    save(*main, folder, "main-startup");

    auto* calculate = main->findChild<QPushButton*>(QStringLiteral("cmdCalculate"));
    std::vector<double> times;
    for (int run = 0; run < 21; ++run) {
        times.push_back(
            paintedWithinMs(*main, [&] { QTest::mouseClick(calculate, Qt::LeftButton); }));
    }
    report("Calculate click to repainted results", times);
    QTest::qWait(1200); // the schematic's light on its way round the loop
    save(*main, folder, "main-selection-calculated");
    tourSummary(desktop, *main, folder);

    main->findChild<QAction*>(QStringLiteral("Toolbar1(2)"))->trigger();
    QTest::mouseClick(calculate, Qt::LeftButton);
    QTest::qWait(700);
    save(*main, folder, "main-rating");
    std::printf("resident memory %.1f MB\n", rac::gui::residentMegabytes().value_or(0.0));
    return 0;
}

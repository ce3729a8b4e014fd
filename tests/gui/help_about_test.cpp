// The help and About windows as they open from the main window.
#include "desktop_fixture.h"
#include "gui/help_topics.h"
#include "gui/help_window.h"
#include "gui/system_facts.h"
#include "mainscreen/os_name.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

namespace rac::gui::testing_support {
namespace {

using HelpAndAbout = DesktopStart;

TEST_F(HelpAndAbout, HelpTopicsAreListedWholeInANarrowWindow) {
    openMain();
    press(Qt::Key_F1);
    HelpWindow* help = desktop.help().window();
    ASSERT_NE(help, nullptr);
    help->resize(500, 400);
    ASSERT_TRUE(QTest::qWaitFor([help] { return help->size() == QSize(500, 400); }));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    auto* topics = help->findChild<QListWidget*>();
    ASSERT_NE(topics, nullptr);
    ASSERT_EQ(topics->count(), static_cast<int>(helpTopics().size()));
    for (int row = 0; row < topics->count(); ++row) {
        const QListWidgetItem* topic = topics->item(row);
        const QRect shown = topics->visualItemRect(topic);
        EXPECT_TRUE(topics->viewport()->rect().contains(shown)) << topic->text().toStdString();
        EXPECT_GE(shown.width(), topics->fontMetrics().horizontalAdvance(topic->text()))
            << topic->text().toStdString();
    }
}

TEST_F(HelpAndAbout, AboutIsAFixedSizeBoxWithoutMaximise) {
    openMain();
    widget<QAction>("mnuAbout").trigger();
    QWidget* about = desktop.window("frmAbout");
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
    EXPECT_FALSE(about->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(about->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(about->minimumSize(), about->maximumSize());
    EXPECT_EQ(about->size(), about->minimumSize());
}

TEST_F(HelpAndAbout, SystemInfoShowsThisMachine) {
    openMain();
    widget<QAction>("mnuAbout").trigger();
    QWidget* about = desktop.window("frmAbout");
    ASSERT_NE(about, nullptr);
    QTest::mouseClick(about->findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
    QWidget* info = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&info] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QStringLiteral("SystemInfoWindow") && window->isVisible()) {
                info = window;
            }
        }
        return info != nullptr;
    }));
    EXPECT_EQ(info->windowTitle(), "System Information");
    QStringList shown;
    for (const QLabel* label : info->findChildren<QLabel*>()) {
        shown << label->text();
    }
    EXPECT_TRUE(shown.contains(QString::fromLatin1(qVersion()))) << shown.join('|').toStdString();
    EXPECT_TRUE(shown.contains(QString::fromStdString(mainscreen::operatingSystemName())));
    // What this Linux machine has: a processor count and the memory.
    EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](const QString& text) {
        return text.contains(QStringLiteral("logical processor"));
    })) << shown.join('|').toStdString();
    EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](const QString& text) {
        return text.endsWith(QStringLiteral(" GB"));
    })) << shown.join('|').toStdString();
    EXPECT_FALSE(shown.contains(QStringLiteral("unknown")));
}

TEST(SystemFacts, ProcessorFromCpuInfo) {
    const std::pair<const char*, const char*> rows[] = {
        {"processor\t: 0\nvendor_id\t: AuthenticAMD\nmodel name\t: AMD EPYC\n\n"
         "processor\t: 1\nmodel name\t: AMD EPYC\n",
         "AMD EPYC, 2 logical processors"},
        {"processor : 0\nmodel name : Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz\n",
         "Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz, 1 logical processor"},
        // Some ARM kernels name no model.
        {"processor\t: 0\nBogoMIPS\t: 48.00\nCPU part\t: 0xd08\n\nprocessor\t: 1\n"
         "processor\t: 2\nprocessor\t: 3\n",
         "4 logical processors"},
        {"", ""},
        {"garbage without colons\n", ""},
    };
    for (const auto& [cpuInfo, processor] : rows) {
        EXPECT_EQ(processorFromCpuInfo(QString::fromLatin1(cpuInfo)).toStdString(), processor)
            << cpuInfo;
    }
}

TEST(SystemFacts, MemoryFromMemInfo) {
    const std::pair<const char*, const char*> rows[] = {
        {"MemTotal:       24683780 kB\nMemFree:        18840668 kB\n", "23.5 GB"},
        {"MemFree:   1 kB\nMemTotal:    1048576 kB\n", "1.0 GB"},
        {"MemTotal:       524288 kB", "0.5 GB"},
        {"MemTotal:       many kB\n", ""},
        {"MemTotal:       1048576 MB\n", ""},
        {"", ""},
    };
    for (const auto& [memInfo, memory] : rows) {
        EXPECT_EQ(memoryFromMemInfo(QString::fromLatin1(memInfo)).toStdString(), memory) << memInfo;
    }
}

} // namespace
} // namespace rac::gui::testing_support

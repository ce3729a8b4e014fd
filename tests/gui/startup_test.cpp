// The program's own windows as they open: the splash, the main window with its defaults and on
// screens of every size, the help and the About box.
#include "desktop_fixture.h"
#include "gui/form_binding.h"
#include "gui/help_topics.h"
#include "gui/help_window.h"
#include "gui/main_window.h"
#include "gui/system_facts.h"
#include "mainscreen/os_name.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QStyleOptionComboBox>

namespace rac::gui::testing_support {
namespace {

TEST_F(DesktopStart, SplashTimerOpensTheMainWindowByItself) {
    desktop.startWithSplash();
    EXPECT_TRUE(QTest::qWaitFor([this] { return desktop.window("frmMain") != nullptr; }, 10000));
    EXPECT_TRUE(main().isVisible());
}

TEST_F(DesktopStart, SplashClickOpensTheMainWindowBoundWithTheDefaults) {
    openMain(); // a click on the splash opens the main window at once
    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(main().windowTitle(), "ZYL RAC Version 1.1");
    EXPECT_FALSE(desktop.window("frmSplash")->isVisible());
    EXPECT_TRUE(static_cast<MainWindow&>(main()).unplaced().empty());
    EXPECT_TRUE(desktop.binding("frmMain")->unbound().empty());
    // The start-up entries are in the transcripts' dumps; here, that the widgets show them.
    EXPECT_EQ(text("cmbFinMatTypeExtract"), "Aluminium 0.15 louvre");
    EXPECT_EQ(text("txtTubesHighSupply"), "26");
    auto* total = main().findChild<QLineEdit*>("txtTotalMaxPD");
    EXPECT_EQ(total->palette().color(QPalette::Base), QColor(Qt::black));
    EXPECT_TRUE(total->isReadOnly());

    auto* tubes = main().findChild<QLineEdit*>("txtTubesHighSupply");
    tubes->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(tubes, Qt::Key_Return); // neither typed nor a press of Calculate
    EXPECT_EQ(tubes->text(), "26");
    EXPECT_EQ(text("txtEffectiveness"), "");
}

TEST_F(DesktopStart, F1OpensTheHelpContentsWithTheTopicsListedWholeInANarrowWindow) {
    openMain();
    press(Qt::Key_F1);
    HelpWindow* help = desktop.help().window();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->currentPage(), "index.html");
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

TEST_F(DesktopStart, AboutIsAFixedSizeBoxAndItsSystemInfoShowsThisMachine) {
    openMain();
    widget<QAction>("mnuAbout").trigger();
    QWidget* about = desktop.window("frmAbout");
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
    EXPECT_EQ(about->windowTitle(), "About ZYL RAC");
    EXPECT_FALSE(about->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(about->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(about->minimumSize(), about->maximumSize());
    EXPECT_EQ(about->size(), about->minimumSize());

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
    QStringList labels;
    for (const QLabel* label : info->findChildren<QLabel*>()) {
        labels << label->text();
    }
    const QString shown = '|' + labels.join('|') + '|'; // each label whole between bars
    // What this Linux machine has: Qt, the system, a processor count and the memory.
    for (const QString& fact :
         {'|' + QString::fromLatin1(qVersion()) + '|',
          '|' + QString::fromStdString(mainscreen::operatingSystemName()) + '|',
          QStringLiteral("logical processor"), QStringLiteral(" GB|")}) {
        EXPECT_TRUE(shown.contains(fact)) << fact.toStdString() << " in " << shown.toStdString();
    }
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

// The main window on small and large screens: every control within reach, nothing stretched.
const QString kLongestFinType = QStringLiteral("Aluminium vinyl coated 0.15 rippled");

class WindowSize : public DesktopStart {
  protected:
    void resizeTo(QSize size) {
        main().resize(size);
        ASSERT_TRUE(QTest::qWaitFor([&] { return main().size() == size; }));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    }
    std::vector<QWidget*> boundWidgets() {
        std::vector<QWidget*> found;
        FormBinding& binding = *desktop.binding("frmMain");
        for (const platform::Control* control : form().controls()) {
            QWidget* bound = binding.widgetOf(*control);
            if (bound != nullptr && bound->isVisibleTo(&main()) &&
                control->kind() != platform::ControlKind::StatusPanel) {
                found.push_back(bound);
            }
        }
        return found;
    }
};

// 1366x768 at 100 % and 1920x1080 at 150 % leave about 1280x720 for the window; a netbook less.
TEST_F(WindowSize, EveryControlCanBeScrolledIntoViewAndFinTypesShownWholeOnSmallScreens) {
    openMain();
    auto& area = widget<QScrollArea>("frmMainScroll");
    for (const QSize size : {QSize(1280, 720), QSize(1024, 600)}) {
        SCOPED_TRACE(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString());
        resizeTo(size);
        const std::vector<QWidget*> widgets = boundWidgets();
        ASSERT_GT(widgets.size(), 100u);
        for (QWidget* bound : widgets) {
            area.ensureWidgetVisible(bound, 0, 0);
            const QRect shown(bound->mapTo(area.viewport(), QPoint(0, 0)), bound->size());
            EXPECT_TRUE(area.viewport()->rect().contains(shown))
                << bound->objectName().toStdString();
        }
    }
    // The fin type lists still show the longest fin type whole.
    for (const char* name : {"cmbFinMatTypeSupply", "cmbFinMatTypeExtract"}) {
        auto& list = widget<QComboBox>(name);
        ASSERT_GE(list.findText(kLongestFinType), 0) << name;
        QStyleOptionComboBox option;
        option.initFrom(&list);
        const QRect field = list.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                         QStyle::SC_ComboBoxEditField, &list);
        EXPECT_GE(field.width() - 2, list.fontMetrics().horizontalAdvance(kLongestFinType)) << name;
    }
}

TEST_F(WindowSize, MaximisedTheFieldsAndFramesKeepTheirSize) {
    openMain();
    resizeTo(QSize(1920, 1080));
    std::vector<std::pair<QGroupBox*, QSize>> frames;
    for (QGroupBox* frame : main().findChildren<QGroupBox*>()) {
        frames.emplace_back(frame, frame->size());
    }
    resizeTo(QSize(2560, 1440));
    for (const auto& [frame, size] : frames) {
        EXPECT_EQ(frame->size(), size) << frame->objectName().toStdString();
    }
    // No field needs twice the width of the longest text the screen puts in one.
    const int widest = 2 * main().fontMetrics().horizontalAdvance(kLongestFinType);
    for (QWidget* bound : boundWidgets()) {
        if (qobject_cast<QLineEdit*>(bound) || qobject_cast<QComboBox*>(bound)) {
            EXPECT_LE(bound->width(), widest) << bound->objectName().toStdString();
        }
    }
}

} // namespace
} // namespace rac::gui::testing_support

// The main window on small and large screens: every control within reach, nothing stretched.
#include "desktop_fixture.h"
#include "gui/form_binding.h"

#include <QGroupBox>
#include <QScrollArea>
#include <QStyleOptionComboBox>

namespace rac::gui::testing_support {
namespace {

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
TEST_F(WindowSize, EveryControlCanBeScrolledIntoViewOnSmallScreens) {
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

TEST_F(WindowSize, FinTypeListsShowTheLongestFinTypeWhole) {
    openMain();
    resizeTo(QSize(1024, 600));
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

} // namespace
} // namespace rac::gui::testing_support

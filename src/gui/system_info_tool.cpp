#include "gui/system_info_tool.h"

#include "gui/icons.h"
#include "gui/system_facts.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace rac::gui {

namespace {

std::unique_ptr<QWidget> makeWindow() {
    auto window = std::make_unique<QWidget>(
        nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setObjectName(QStringLiteral("SystemInfoWindow"));
    window->setWindowTitle(QStringLiteral("System Information"));
    window->setWindowIcon(applicationIcon());

    const SystemFacts facts = currentSystemFacts();
    auto* rows = new QFormLayout;
    const std::pair<const char*, QString> shown[] = {
        {"Operating system", facts.operatingSystem},
        {"Kernel", facts.kernel},
        {"Qt version", facts.qt},
        {"Processor", facts.processor},
        {"Memory", facts.memory},
    };
    for (const auto& [name, value] : shown) {
        auto* fact = new QLabel(value);
        fact->setTextInteractionFlags(Qt::TextSelectableByMouse); // to copy into a report
        rows->addRow(QString::fromLatin1(name) + QLatin1Char(':'), fact);
    }

    auto* close = new QPushButton(QStringLiteral("Close"));
    QObject::connect(close, &QPushButton::clicked, window.get(), &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(window.get());
    layout->setContentsMargins(18, 18, 18, 14);
    layout->addLayout(rows);
    layout->addSpacing(10);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return window;
}

} // namespace

DesktopSystemInfo::DesktopSystemInfo() = default;
DesktopSystemInfo::~DesktopSystemInfo() = default;

bool DesktopSystemInfo::start() {
    if (!window_) {
        window_ = makeWindow();
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    return true;
}

} // namespace rac::gui

#include "gui/bin_chart_window.h"

#include "gui/chart_view.h"
#include "gui/form_binding.h"
#include "gui/form_widgets.h"
#include "gui/icons.h"
#include "gui/qt_text.h"
#include "payback/payback_layouts.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace rac::gui {

using platform::ControlKind;

BinChartWindow::BinChartWindow(platform::Form& form) {
    setObjectName(toQt(form.name() + "Window"));
    setWindowIcon(applicationIcon());
    FormWidgets widgets(form, *this);
    widgets.buildMenus(*menuBar());
    widgets.action("mnuPrintWindow")->setIcon(icon(QStringLiteral("print-window")));

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(10, 8, 10, 8);
    auto* chartRow = new QHBoxLayout;
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    // In the form's order: the chart, the savings chart's bin summaries, the commands.
    for (const platform::Control* control : form.controls()) {
        if (control->kind() == ControlKind::Chart) {
            chartRow->addWidget(widgets.take<ChartView>(control->name()), 1);
        } else if (control->name() == payback::layout::kSummaryFrame) {
            auto* frame = widgets.take<QGroupBox>(control->name());
            auto* summaries = new QVBoxLayout(frame);
            for (int bin = 1; bin <= paybackmodel::kBinCount; ++bin) {
                summaries->addWidget(widgets.take("lblBinSummary(" + std::to_string(bin) + ")"));
            }
            summaries->addStretch();
            // As wide as its longest summary: the rest goes to the chart, whose ten categories
            // need the room to be read whole.
            frame->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
            chartRow->addWidget(frame);
        } else if (control->kind() == ControlKind::CommandButton) {
            buttons->addWidget(widgets.take<QPushButton>(control->name()));
        }
    }
    layout->addLayout(chartRow, 1);
    layout->addLayout(buttons);
    setCentralWidget(page);
    resize(1100, 560);

    binding_ = new FormBinding(form, *this);
}

} // namespace rac::gui

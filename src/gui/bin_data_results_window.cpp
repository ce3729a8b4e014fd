#include "gui/bin_data_results_window.h"

#include "gui/bin_grid_layout.h"
#include "gui/field_layout.h"
#include "gui/form_binding.h"
#include "gui/form_widgets.h"
#include "gui/icons.h"
#include "payback/payback_layouts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace rac::gui {

namespace pl = payback::layout;

namespace {

// The grid column of a result column.
int columnOf(std::string_view array) {
    const auto* found = std::find_if(std::begin(pl::kResultColumns), std::end(pl::kResultColumns),
                                     [&](const auto& column) { return column.array == array; });
    return static_cast<int>(found - std::begin(pl::kResultColumns)) + 1;
}

QLineEdit* numberBox(FormWidgets& widgets, std::string_view name) {
    auto* box = widgets.take<QLineEdit>(name);
    fitNumberBox(*box, 7);
    return box;
}

QGroupBox* keyFrame(FormWidgets& widgets) {
    auto* frame = widgets.take<QGroupBox>(pl::kKeyFrame);
    auto* samples = new QVBoxLayout(frame);
    for (const std::string_view name : {pl::kHeatingKey, pl::kCoolingKey, pl::kNeitherKey}) {
        samples->addWidget(widgets.take(name));
    }
    return frame;
}

} // namespace

BinDataResultsWindow::BinDataResultsWindow(platform::Form& form) : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("frmBinDataResultsWindow"));
    setWindowIcon(applicationIcon());
    FormWidgets widgets(form, *this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    QGridLayout* grid = binGridLayout(widgets, pl::kResultColumns);
    const int totals = paybackmodel::kBinCount + 1;
    grid->addWidget(widgets.take("lblTotals"), totals, 0);
    grid->addWidget(numberBox(widgets, "txtSavingKWhTotal"), totals, columnOf("txtSavingKWh"));
    grid->addWidget(numberBox(widgets, "txtSavingCashTotal"), totals, columnOf("txtSavingCash"));
    layout->addLayout(grid);

    auto* below = new QHBoxLayout;
    below->addWidget(keyFrame(widgets));
    below->addStretch();
    auto* payback = new QGridLayout;
    addRow(*payback, 0, *widgets.take("lblCoilCost"), *numberBox(widgets, "txtCoilCost"));
    addRow(*payback, 1, *widgets.take("lblPayback"), *numberBox(widgets, "txtPayback"));
    below->addLayout(payback);
    layout->addLayout(below);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(widgets.take<QPushButton>("cmdShowGraphics"));
    buttons->addStretch();
    buttons->addWidget(widgets.take<QPushButton>("Command1"));
    buttons->addWidget(widgets.take<QPushButton>("cmdOK"));
    layout->addLayout(buttons);

    binding_ = new FormBinding(form, *this);
}

} // namespace rac::gui

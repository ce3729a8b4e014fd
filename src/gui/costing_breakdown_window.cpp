#include "gui/costing_breakdown_window.h"

#include "costing/breakdown_lines.h"
#include "gui/field_layout.h"
#include "gui/form_binding.h"
#include "gui/form_widgets.h"
#include "gui/icons.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <string>

namespace rac::gui {

namespace {

// Columns of every frame's grid: the caption, then per coil the value and, on the two option
// lines that have one, the labour beside it.
constexpr int kCaptionColumn = 0;
int valueColumn(int side, bool labour) {
    return 1 + side * 2 + (labour ? 1 : 0);
}
constexpr const char* kSides[] = {"Supply", "Extract"};

QLineEdit* valueBox(FormWidgets& widgets, const std::string& name) {
    auto* box = widgets.take<QLineEdit>(name);
    fitNumberBox(*box, 8);
    return box;
}

} // namespace

CostingBreakdownWindow::CostingBreakdownWindow(platform::Form& form)
    : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("frmCostingBreakdownWindow"));
    setWindowIcon(applicationIcon());
    FormWidgets widgets(form, *this);

    auto* page = new QWidget;
    auto* columns = new QHBoxLayout(page);
    columns->setContentsMargins(10, 8, 10, 8);
    const std::initializer_list<const char*> left{"fraBlockcost", "fraLabourOperations",
                                                  "fraSheetMetal"};
    const std::initializer_list<const char*> right{"fraOptions", "fraWeight",
                                                   "fraCostingBreakdown"};
    for (const auto& names : {left, right}) {
        auto* stack = new QVBoxLayout;
        for (const char* name : names) {
            stack->addWidget(frame(widgets, name));
        }
        stack->addStretch();
        columns->addLayout(stack);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(widgets.take<QPushButton>("cmdOK"));
    buttons->addWidget(widgets.take<QPushButton>("cmdPrint"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scrolling(*page, *this), 1);
    layout->addLayout(buttons);

    binding_ = new FormBinding(form, *this);
}

QGroupBox* CostingBreakdownWindow::frame(FormWidgets& widgets, std::string_view name) {
    auto* box = widgets.take<QGroupBox>(name);
    QGridLayout* grid = gridIn(*box);
    // The coil of each column, heading every frame so the columns read on their own.
    for (int side = 0; side < 2; ++side) {
        auto* heading = new QLabel(QString::fromLatin1(kSides[side]), box);
        grid->addWidget(heading, 0, valueColumn(side, false), Qt::AlignHCenter);
    }
    int row = 1;
    if (name == "fraBlockcost") {
        for (int side = 0; side < 2; ++side) {
            const std::string suffix = kSides[side];
            grid->addWidget(widgets.take("lblMat" + suffix), row, valueColumn(side, false),
                            Qt::AlignHCenter);
            grid->addWidget(widgets.take("lblLab" + suffix), row, valueColumn(side, true),
                            Qt::AlignHCenter);
        }
        ++row;
    }
    for (const costing::BreakdownLine& line : costing::kBreakdownLines) {
        if (line.frame != name) {
            continue;
        }
        grid->addWidget(widgets.take("lbl" + std::string(line.value.name)), row, kCaptionColumn);
        for (int side = 0; side < 2; ++side) {
            const coil::CoilSide coil = mainscreen::kBothSides[side];
            grid->addWidget(valueBox(widgets, costing::breakdownBox(line.value, coil)), row,
                            valueColumn(side, false));
            if (line.labour) {
                grid->addWidget(valueBox(widgets, costing::breakdownBox(*line.labour, coil)), row,
                                valueColumn(side, true));
            }
        }
        ++row;
    }
    if (name == "fraCostingBreakdown") {
        grid->addWidget(widgets.take("lblCarriageCost"), row, kCaptionColumn);
        grid->addWidget(valueBox(widgets, "txtCarriageCost"), row, valueColumn(0, false));
    }
    grid->setColumnStretch(kCaptionColumn, 1);
    return box;
}

} // namespace rac::gui

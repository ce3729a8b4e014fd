#include "gui/bin_grid_layout.h"

#include "gui/field_layout.h"
#include "gui/form_widgets.h"
#include "gui/qt_text.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace rac::gui {

QGridLayout* binGridLayout(FormWidgets& widgets, std::span<const payback::GridColumn> columns) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    for (int bin = 1; bin <= paybackmodel::kBinCount; ++bin) {
        grid->addWidget(widgets.take("lblBin(" + std::to_string(bin) + ")"), bin, 0);
    }
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        const payback::GridColumn& column = columns[static_cast<std::size_t>(c)];
        auto* heading = widgets.take<QLabel>(column.heading);
        heading->setAlignment(Qt::AlignCenter);
        heading->setWordWrap(true);
        grid->addWidget(heading, 0, c + 1);
        for (int bin = 1; bin <= paybackmodel::kBinCount; ++bin) {
            auto* cell = widgets.take<QLineEdit>(std::string(column.array) + "(" +
                                                 std::to_string(bin) + ")");
            fitNumberBox(*cell, 7);
            grid->addWidget(cell, bin, c + 1);
        }
        grid->setColumnStretch(c + 1, 1);
    }
    return grid;
}

} // namespace rac::gui

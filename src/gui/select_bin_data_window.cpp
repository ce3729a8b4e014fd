#include "gui/select_bin_data_window.h"

#include "gui/bin_grid_layout.h"
#include "gui/field_layout.h"
#include "gui/form_binding.h"
#include "gui/form_widgets.h"
#include "gui/icons.h"
#include "gui/qt_text.h"
#include "payback/payback_layouts.h"
#include "paybackmodel/bin_locations.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace rac::gui {

SelectBinDataWindow::SelectBinDataWindow(platform::Form& form) : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("frmSelectBinDataWindow"));
    setWindowIcon(applicationIcon());
    FormWidgets widgets(form, *this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    auto* location = new QHBoxLayout;
    auto* list = widgets.take<QComboBox>("cmbLocation");
    std::vector<std::string> names(paybackmodel::LocationNames().begin(),
                                   paybackmodel::LocationNames().end());
    fitLongestItem(*list, names);
    auto* caption = new QLabel(QStringLiteral("Location:"), this);
    caption->setBuddy(list);
    location->addWidget(caption);
    location->addWidget(list, 1);
    layout->addLayout(location);
    layout->addLayout(binGridLayout(widgets, payback::layout::kLocationColumns));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(widgets.take<QPushButton>("cmdSowGaphically"));
    buttons->addStretch();
    buttons->addWidget(widgets.take<QPushButton>("cmdPrint"));
    buttons->addWidget(widgets.take<QPushButton>("cmdOK"));
    layout->addLayout(buttons);

    binding_ = new FormBinding(form, *this);
}

} // namespace rac::gui

#include "gui/costing_window.h"

#include "costing/costing_layout.h"
#include "gui/field_layout.h"
#include "gui/form_binding.h"
#include "gui/form_widgets.h"
#include "gui/icons.h"
#include "gui/qt_text.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

namespace rac::gui {

namespace cl = costing::layout;

namespace {

std::string named(std::string_view base, std::string_view suffix) {
    return std::string(base) + std::string(suffix);
}

QLineEdit* numberBox(FormWidgets& widgets, std::string_view name, int digits = 8) {
    auto* box = widgets.take<QLineEdit>(name);
    fitNumberBox(*box, digits);
    return box;
}

// Selects the whole text of a box as it gains the focus, however it gains it, so that what is
// typed replaces it.
class SelectAllOnFocus final : public QObject {
  public:
    explicit SelectAllOnFocus(QLineEdit& box) : QObject(&box), box_(box) {
        box.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            // After the click that brought the focus has placed the cursor.
            QMetaObject::invokeMethod(&box_, &QLineEdit::selectAll, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    QLineEdit& box_;
};

// Check boxes two to a row, from the given grid row on.
int addChecks(QGridLayout& grid, int row, FormWidgets& widgets,
              const std::vector<std::string>& names) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        grid.addWidget(widgets.take(names[i]), row + static_cast<int>(i / 2),
                       static_cast<int>(i % 2) * 2, 1, 2);
    }
    return row + static_cast<int>((names.size() + 1) / 2);
}

} // namespace

CostingWindow::CostingWindow(platform::Form& form) {
    setObjectName(QStringLiteral("frmCostingWindow"));
    setWindowIcon(applicationIcon());
    FormWidgets widgets(form, *this);
    buildBars(widgets);

    auto* page = new QWidget;
    auto* columns = new QHBoxLayout(page);
    columns->setContentsMargins(10, 8, 10, 8);
    columns->setSpacing(8);
    columns->addWidget(coilColumn(widgets, "Supply"), 1);
    columns->addWidget(coilColumn(widgets, "Extract"), 1);
    auto* pair = new QVBoxLayout;
    pair->addWidget(pairColumn(widgets));
    pair->addStretch();
    pair->addWidget(commands(widgets));
    columns->addLayout(pair, 1);

    setCentralWidget(scrolling(*page, *this));

    unplaced_ = widgets.untaken();
    binding_ = new FormBinding(form, *this);
    orderTabs();
    if (auto* help = findChild<QAction*>(QStringLiteral("mnuHelpContents"))) {
        connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, help,
                &QAction::trigger);
    }
}

void CostingWindow::buildBars(FormWidgets& widgets) {
    widgets.buildMenus(*menuBar());
    widgets.action("mnuPrintWindow")->setIcon(icon(QStringLiteral("print-window")));
    widgets.action("mnuHelpContents")->setIcon(icon(QStringLiteral("help")));

    auto* toolbar = addToolBar(QStringLiteral("Toolbar1"));
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setMovable(false);
    toolbar->setIconSize(QSize(24, 24));
    widgets.buildToolbar(*toolbar, cl::isToolbarSeparator);
    const std::pair<int, const char*> icons[] = {
        {cl::kToolReport, "print-summary"},
        {cl::kToolCalculate, "calculate"},
        {cl::kToolClose, "exit"},
        {cl::kToolHelp, "help"},
    };
    for (const auto& [position, name] : icons) {
        widgets.action("Toolbar1(" + std::to_string(position) + ")")
            ->setIcon(icon(QString::fromLatin1(name)));
    }
}

QWidget* CostingWindow::coilColumn(FormWidgets& widgets, std::string_view side) {
    auto* column = new QWidget(this);
    auto* stack = new QVBoxLayout(column);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->addWidget(casingFrame(widgets, side));
    stack->addWidget(blockFrame(widgets, side));
    stack->addWidget(subTotalFrame(widgets, side));
    stack->addStretch();
    return column;
}

QGroupBox* CostingWindow::casingFrame(FormWidgets& widgets, std::string_view side) {
    auto* frame = widgets.take<QGroupBox>(named("fraCasing", side));
    QGridLayout* grid = gridIn(*frame);
    const auto take = [&](std::string_view base) { return widgets.take(named(base, side)); };
    int row = 0;
    for (const std::string_view base :
         {"CasingStyle", "CasingMaterial", "Drainpan", "DrainpanMaterial", "CasingDepthSelect"}) {
        addRow(*grid, row++, *take(named("lbl", base)), *take(named("cmb", base)), 3);
    }
    addRow(*grid, row++, *take("lblCasingDepth"),
           *numberBox(widgets, named("txtCasingDepth", side), 6));
    std::vector<std::string> checks;
    for (const std::string_view base :
         {"chkEliminators", "chkStiffeners", "chkNutserts", "chkGAM"}) {
        checks.push_back(named(base, side));
    }
    addChecks(*grid, row, widgets, checks);
    grid->setColumnStretch(1, 1);
    return frame;
}

QGroupBox* CostingWindow::blockFrame(FormWidgets& widgets, std::string_view side) {
    auto* frame = widgets.take<QGroupBox>(named("fraBlock", side));
    QGridLayout* grid = gridIn(*frame);
    const auto take = [&](std::string_view base) { return widgets.take(named(base, side)); };
    addRow(*grid, 0, *take("lblBrazeMat"), *take("cmbBrazeMat"), 3);
    std::vector<std::string> checks;
    for (const std::string_view base : {"chkVentDrain", "chkTestPoints", "chkBlygold", "chkETAM",
                                        "chkPreTinnedCopperFins", "chkThickTube"}) {
        checks.push_back(named(base, side));
    }
    const int row = addChecks(*grid, 1, widgets, checks);
    auto* flanges = new QHBoxLayout;
    flanges->addWidget(take("chkConnectionFlanges"));
    for (const std::string_view base : {"optWelded", "optScrewed"}) {
        QWidget* option = take(base);
        keepPlaceWhenHidden(*option);
        flanges->addWidget(option);
    }
    flanges->addStretch();
    grid->addLayout(flanges, row, 0, 1, 4);
    return frame;
}

QGroupBox* CostingWindow::subTotalFrame(FormWidgets& widgets, std::string_view side) {
    auto* frame = widgets.take<QGroupBox>(named("fraSubTotal", side));
    QGridLayout* grid = gridIn(*frame);
    int row = 0;
    addRow(*grid, row++, *widgets.take(named("lblCoilCode", side)),
           *widgets.take(named("txtCoilCode", side)));
    for (const std::string_view base : {"SellPrice", "TotalWeight", "InternalVolume"}) {
        addRow(*grid, row++, *widgets.take(named(named("lbl", base), side)),
               *numberBox(widgets, named(named("txt", base), side)));
    }
    grid->setColumnStretch(1, 1);
    return frame;
}

QWidget* CostingWindow::pairColumn(FormWidgets& widgets) {
    auto* column = new QWidget(this);
    auto* stack = new QVBoxLayout(column);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->addWidget(totalFrame(widgets));
    stack->addWidget(paybackFrame(widgets));
    return column;
}

QGroupBox* CostingWindow::totalFrame(FormWidgets& widgets) {
    auto* frame = widgets.take<QGroupBox>("fraRunAroundTotal");
    QGridLayout* grid = gridIn(*frame);
    const std::pair<std::string_view, std::string_view> rows[] = {
        {"lblExWorksPriceSterling", "txtTotalRACExWorksPriceSterling"},
        {"lblExWorksPriceForeign", "txtTotalRACExWorksPriceForeign"},
        {"lblTotalRACWeight", "txtTotalRACWeight"},
        {"lblTotalRACInternalVolume", "txtTotalRACInternalVolume"},
    };
    int row = 0;
    for (const auto& [label, box] : rows) {
        addRow(*grid, row++, *widgets.take(label), *numberBox(widgets, box, 10));
    }
    QWidget* tick = widgets.take("chkGrossMargin");
    QWidget* margin = numberBox(widgets, "txtGrossMargin", 6);
    keepPlaceWhenHidden(*tick);
    keepPlaceWhenHidden(*margin);
    addRow(*grid, row, *tick, *margin);
    grid->setColumnStretch(1, 1);
    return frame;
}

QGroupBox* CostingWindow::paybackFrame(FormWidgets& widgets) {
    auto* frame = widgets.take<QGroupBox>("fraPayback");
    QGridLayout* grid = gridIn(*frame);
    int row = 0;
    addRow(*grid, row++, *widgets.take("lblCountry"), *widgets.take("cmbCountry"));
    grid->addWidget(widgets.take("optPaybackDesign"), row++, 0, 1, 2);
    grid->addWidget(widgets.take("optBinPayback"), row++, 0, 1, 2);
    auto* location = new QHBoxLayout;
    for (const std::string_view name : {"cmdBinData", "txtSelectedBinCountry"}) {
        QWidget* widget = widgets.take(name);
        keepPlaceWhenHidden(*widget);
        location->addWidget(widget);
    }
    grid->addLayout(location, row++, 0, 1, 2);
    const std::pair<std::string_view, std::string_view> entries[] = {
        {"lblenergycost", "txtEnergyCost"},
        {"lblannual", "txtAnnualRunHours"},
        {"lblExchangeRate", "txtExchangeRate"},
        {"lblAnnualEnergySaving", "txtAnnualEnergySaving"},
        {"lblAnnualEnergyCostSaving", "txtAnnualEnergyCostSaving"},
        {"lblPayBackCost", "txtPayBackCost"},
    };
    for (const auto& [label, box] : entries) {
        QWidget* caption = widgets.take(label);
        QLineEdit* field = numberBox(widgets, box, 10);
        if (label == "lblenergycost" || label == "lblannual" || label == "lblExchangeRate") {
            new SelectAllOnFocus(*field); // the payback's entries
        }
        keepPlaceWhenHidden(*caption);
        keepPlaceWhenHidden(*field);
        addRow(*grid, row++, *caption, *field);
    }
    grid->setColumnStretch(1, 1);
    return frame;
}

QWidget* CostingWindow::commands(FormWidgets& widgets) {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const std::pair<const char*, const char*> buttons[] = {{"cmdCalculateCost", "calculate"},
                                                           {"cmdCostingBreakdown", nullptr},
                                                           {"cmdPrint", "print-summary"},
                                                           {"cmdclose", "exit"}};
    for (int i = 0; const auto& [name, iconName] : buttons) {
        auto* button = widgets.take<QPushButton>(name);
        if (iconName != nullptr) {
            button->setIcon(icon(QString::fromLatin1(iconName)));
        }
        grid->addWidget(button, i / 2, i % 2);
        ++i;
    }
    return box;
}

// The entries in reading order: the supply coil, the extract coil, then the pair.
void CostingWindow::orderTabs() {
    std::vector<std::string> order;
    for (const std::string_view side : {"Supply", "Extract"}) {
        const auto add = [&](std::string_view base) { order.push_back(named(base, side)); };
        std::for_each(std::begin(cl::kCasingEntries), std::end(cl::kCasingEntries), add);
        std::for_each(std::begin(cl::kOptionBoxes), std::begin(cl::kOptionBoxes) + 4, add);
        for (const std::string_view base :
             {"cmbBrazeMat", "chkVentDrain", "chkTestPoints", "chkBlygold", "chkETAM",
              "chkPreTinnedCopperFins", "chkThickTube", "chkConnectionFlanges", "optWelded",
              "optScrewed"}) {
            add(base);
        }
    }
    for (const std::string_view name :
         {"chkGrossMargin", "txtGrossMargin", "cmbCountry", "optPaybackDesign", "optBinPayback",
          "cmdBinData", "txtEnergyCost", "txtAnnualRunHours", "txtExchangeRate", "cmdCalculateCost",
          "cmdCostingBreakdown", "cmdPrint", "cmdclose"}) {
        order.emplace_back(name);
    }
    chainTabOrder(*this, order);
}

} // namespace rac::gui

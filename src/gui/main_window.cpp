#include "gui/main_window.h"

#include "coil/catalogue.h"
#include "gui/field_layout.h"
#include "gui/form_binding.h"
#include "gui/form_widgets.h"
#include "gui/icons.h"
#include "gui/qt_text.h"
#include "gui/schematic_view.h"
#include "gui/widget_state.h"
#include "mainscreen/main_layout.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>
#include <string>

namespace rac::gui {

namespace ml = mainscreen::layout;

namespace {

std::string named(std::string_view base, std::string_view suffix) {
    return std::string(base) + std::string(suffix);
}

QString toolbarName(int position) {
    return QStringLiteral("Toolbar1(%1)").arg(position);
}

QLineEdit* numberBox(FormWidgets& widgets, std::string_view name, int digits = 6) {
    auto* box = widgets.take<QLineEdit>(name);
    fitNumberBox(*box, digits);
    return box;
}

} // namespace

MainWindow::MainWindow(platform::Form& form) {
    setObjectName(QStringLiteral("frmMainWindow"));
    setWindowIcon(applicationIcon());
    FormWidgets widgets(form, *this);
    buildBars(widgets);

    content_ = new QWidget;
    auto* layout = new QVBoxLayout(content_);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(8);
    layout->addWidget(buildAirAndSchematic(widgets));
    layout->addWidget(buildCoilsAndFluid(widgets));
    setCentralWidget(scrolled(*content_));

    unplaced_ = widgets.untaken();
    binding_ = new FormBinding(form, *this);
    chainTabOrder();
    addShortcuts();
}

// Sized as it first shows, when its fields hold their texts and lists.
void MainWindow::showEvent(QShowEvent* event) {
    if (!opened_) {
        opened_ = true;
        resize(openingSize());
    }
    QMainWindow::showEvent(event);
}

// On a small screen the fields scroll into view; on a large one the screen keeps its natural
// size, centred, rather than stretching its fields across the window.
QScrollArea* MainWindow::scrolled(QWidget& content) {
    auto* holder = new QWidget;
    auto* centred = new QVBoxLayout(holder);
    centred->setContentsMargins(0, 0, 0, 0);
    centred->addWidget(&content, 0, Qt::AlignHCenter | Qt::AlignTop);
    auto* area = new QScrollArea(this);
    area->setObjectName(QStringLiteral("frmMainScroll"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(holder);
    return area;
}

// The whole screen without scrolling where the desktop has room for it.
QSize MainWindow::openingSize() const {
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int bars = menuBar()->sizeHint().height() + statusBar()->sizeHint().height() +
                     findChild<QToolBar*>(QStringLiteral("Toolbar1"))->sizeHint().height();
    const QSize wanted = content_->sizeHint() + QSize(scrollBar, bars + scrollBar);
    // Room for the window frame, which the window system adds around this size.
    const int frame = style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8;
    const QSize room = this->screen()->availableGeometry().size() - QSize(frame, frame);
    return wanted.boundedTo(room);
}

void MainWindow::buildBars(FormWidgets& widgets) {
    widgets.buildMenus(*menuBar());
    widgets.action("mnuPrint")->setIcon(icon(QStringLiteral("print-window")));
    widgets.action("mnuExit")->setIcon(icon(QStringLiteral("exit")));
    widgets.action("mnuRACHelp")->setIcon(icon(QStringLiteral("help")));

    auto* toolbar = addToolBar(QStringLiteral("Toolbar1"));
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setMovable(false);
    toolbar->setIconSize(QSize(24, 24));
    widgets.buildToolbar(*toolbar, ml::isToolbarSeparator);
    const std::pair<int, const char*> icons[] = {
        {ml::kToolSelection, "selection"},
        {ml::kToolRating, "rating"},
        {ml::kToolDry, "dry"},
        {ml::kToolWet, "wet"},
        {ml::kToolAirOffDB, "air-off-db"},
        {ml::kToolEffectiveness, "effectiveness"},
        {ml::kToolDuty, "duty"},
        {ml::kToolCalculate, "calculate"},
        {ml::kToolCosting, "costing"},
        {ml::kToolPrintSummary, "print-summary"},
        {ml::kToolExit, "exit"},
        {ml::kToolHelp, "help"},
    };
    for (const auto& [position, name] : icons) {
        widgets.action(fromQt(toolbarName(position)))->setIcon(icon(QString::fromLatin1(name)));
    }
    widgets.buildStatusBar(*statusBar());
}

// The supply duct runs left to right with Supply On before it and Supply Off after it; the extract
// duct runs right to left beneath it, from Extract On to Extract Off.
QWidget* MainWindow::buildAirAndSchematic(FormWidgets& widgets) {
    auto* band = new QWidget(this);
    auto* grid = new QGridLayout(band);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(airStateFrame(widgets, "SupplyOn"), 0, 0);
    grid->addWidget(airStateFrame(widgets, "ExtractOff"), 1, 0);
    grid->addWidget(schematicFrame(widgets), 0, 1, 2, 1);
    grid->addWidget(airStateFrame(widgets, "SupplyOff"), 0, 2);
    grid->addWidget(airStateFrame(widgets, "ExtractOn"), 1, 2);
    grid->setColumnStretch(1, 1);
    return band;
}

QGroupBox* MainWindow::airStateFrame(FormWidgets& widgets, std::string_view state) {
    auto* frame = widgets.take<QGroupBox>(named("fra", state));
    QGridLayout* grid = gridIn(*frame);
    int row = 0;
    for (const std::string_view quantity : {"DB", "WB", "RH"}) {
        addRow(*grid, row++, *widgets.take(named(named("lbl", quantity), state)),
               *numberBox(widgets, named(named("txt", quantity), state)));
    }
    return frame;
}

QGroupBox* MainWindow::schematicFrame(FormWidgets& widgets) {
    auto* frame = widgets.take<QGroupBox>("FrmSchematic");
    SchematicView::Pipe up{};
    SchematicView::Pipe down{};
    for (int segment = 0; segment < SchematicView::kSegments; ++segment) {
        const auto index = static_cast<std::size_t>(segment);
        up[index] = widgets.item("WhiteLineUp(" + std::to_string(segment) + ")");
        down[index] = widgets.item("WhiteLineDown(" + std::to_string(segment) + ")");
    }
    auto* view = new SchematicView(*widgets.item("shpSupplyDuct"), *widgets.item("shpExtractDuct"),
                                   up, down, frame);

    const auto ductRow = [&](std::string_view side) {
        auto* row = new QHBoxLayout;
        for (const std::string_view base : {"AirVol", "AirVel"}) {
            row->addWidget(widgets.take(named(named("lbl", base), side)));
            row->addWidget(numberBox(widgets, named(named("txt", base), side)));
            row->addSpacing(16);
        }
        row->addStretch();
        return row;
    };
    auto* totals = new QGridLayout;
    totals->setRowStretch(0, 1);
    for (const auto& [row, base] : {std::pair{1, "Effectiveness"}, std::pair{2, "Duty"}}) {
        addRow(*totals, row, *widgets.take(named("lbl", base)),
               *numberBox(widgets, named("txt", base)));
    }
    totals->setRowStretch(3, 1);

    auto* grid = gridIn(*frame);
    grid->addLayout(ductRow("Supply"), 0, 0);
    grid->addWidget(view, 1, 0);
    grid->addLayout(totals, 1, 1);
    grid->addLayout(ductRow("Extract"), 2, 0);
    grid->setColumnStretch(0, 1);
    return frame;
}

QWidget* MainWindow::buildCoilsAndFluid(FormWidgets& widgets) {
    auto* band = new QWidget(this);
    auto* row = new QHBoxLayout(band);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(coilFrame(widgets, "Supply"), 1);
    row->addWidget(coilFrame(widgets, "Extract"), 1);

    auto* side = new QVBoxLayout;
    side->addWidget(fluidSideFrame(widgets));
    side->addWidget(fluidPressureDropFrame(widgets));
    auto* inputValues = widgets.take<QGroupBox>("Frame3");
    auto* options = new QHBoxLayout(inputValues);
    options->addWidget(widgets.take("optWB"));
    options->addWidget(widgets.take("optRH"));
    options->addStretch();
    side->addWidget(inputValues);
    side->addStretch();
    side->addWidget(commands(widgets));
    row->addLayout(side);
    return band;
}

// Tube diameter comes before fin type: the tube size decides which fins are offered.
QGroupBox* MainWindow::coilFrame(FormWidgets& widgets, std::string_view side) {
    auto* frame = widgets.take<QGroupBox>(named(named("fra", side), "Coil"));
    QGridLayout* grid = gridIn(*frame);
    const auto take = [&](std::string_view base) { return widgets.take(named(base, side)); };
    const auto number = [&](std::string_view base) {
        return numberBox(widgets, named(base, side));
    };
    int row = 0;
    addRow(*grid, row++, *take("lblCoilCode"), *take("txtCoilCode"), 2);
    addRow(*grid, row++, *take("lblTubeDiameter"), *take("cmbTubeDiameter"));
    // Every fin type readable whole, whatever the tube size and however narrow the window.
    auto* finType = widgets.take<QComboBox>(named("cmbFinMatType", side));
    std::vector<std::string> finTypes = coil::finTypesOffered(coil::kTube12);
    std::ranges::copy(coil::finTypesOffered(coil::kTube16), std::back_inserter(finTypes));
    fitLongestItem(*finType, finTypes);
    addRow(*grid, row++, *take("lblFinMatType"), *finType, 2);
    addRow(*grid, row++, *take("lblTubesHigh"), *number("txtTubesHigh"));
    addRow(*grid, row++, *take("lblFinnedHeight"), *number("txtFinnedHeight"));
    addRow(*grid, row++, *take("lblFinnedLength"), *number("txtFinnedLength"));
    addRow(*grid, row, *take("lblFinDensity"), *take("cmbFinDensitySelect"));
    grid->addWidget(take("cmbFinDensity"), row++, 2);
    addRow(*grid, row, *take("lblCircuitType"), *take("cmbCircuitTypeSelect"));
    grid->addWidget(take("cmbCircuitType"), row++, 2);
    addRow(*grid, row++, *take("lblNumberSections"), *number("txtNumberSections"));
    addRow(*grid, row++, *take("lblNumberRows"), *number("txtNumberRows"));
    addRow(*grid, row++, *take("lblConnectionSize"), *number("txtConnectionSize"));
    addRow(*grid, row++, *take("lblAirPD"), *number("txtAirPD"));
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(row, 1);
    return frame;
}

QGroupBox* MainWindow::fluidSideFrame(FormWidgets& widgets) {
    auto* frame = widgets.take<QGroupBox>("fraFluidSideData");
    QGridLayout* grid = gridIn(*frame);
    int row = 0;
    for (const std::string_view base : {"FluidT1", "FluidT2", "FluidFlowRate"}) {
        addRow(*grid, row++, *widgets.take(named("lbl", base)),
               *numberBox(widgets, named("txt", base)), 2);
    }
    addRow(*grid, row, *widgets.take("lblGlycol"), *widgets.take("cmbGlycolSelect"));
    grid->addWidget(numberBox(widgets, "txtGlycol", 4), row, 2);
    return frame;
}

QGroupBox* MainWindow::fluidPressureDropFrame(FormWidgets& widgets) {
    auto* frame = widgets.take<QGroupBox>("fraFluidPressureDrop");
    QGridLayout* grid = gridIn(*frame);
    QWidget* maximum = widgets.take("lblFluidMaxPD");
    keepPlaceWhenHidden(*maximum);
    grid->addWidget(maximum, 0, 1, Qt::AlignHCenter);
    grid->addWidget(widgets.take("lblFluidActualPD"), 0, 2, Qt::AlignHCenter);
    const std::pair<std::string_view, std::string_view> rows[] = {
        {"lblFluidPDSupply", "Supply"}, {"lblFluidPDExtract", "Extract"}, {"lblFluidPDTotal", ""}};
    for (int row = 1; const auto& [label, side] : rows) {
        const std::string maxName = side.empty() ? "txtTotalMaxPD" : named("txtFluidMaxPD", side);
        const std::string actualName =
            side.empty() ? "txtTotalActualPD" : named("txtActualFluidPD", side);
        auto* max = numberBox(widgets, maxName, 5);
        keepPlaceWhenHidden(*max);
        grid->addWidget(widgets.take(label), row, 0);
        grid->addWidget(max, row, 1);
        grid->addWidget(numberBox(widgets, actualName, 5), row, 2);
        ++row;
    }
    return frame;
}

QWidget* MainWindow::commands(FormWidgets& widgets) {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch();
    struct Command {
        const char* name;
        const char* icon;
        char mnemonic;
    };
    const Command buttons[] = {{"cmdCalculate", "calculate", 'C'},
                               {"cmdCosting", "costing", 'o'},
                               {"cmdPrint", "print-summary", 'P'}};
    for (const auto& [name, iconName, mnemonic] : buttons) {
        auto* button = widgets.take<QPushButton>(name);
        button->setIcon(icon(QString::fromLatin1(iconName)));
        setMnemonic(*button, QLatin1Char(mnemonic));
        button->setMinimumWidth(
            button->fontMetrics().horizontalAdvance(QStringLiteral("Calculate")) + 48);
        row->addWidget(button);
    }
    return box;
}

// The entries in reading order; results take the focus only from the mouse.
void MainWindow::chainTabOrder() {
    std::vector<std::string> order{"txtDBSupplyOn",   "txtDBSupplyOff",   "txtDBExtractOn",
                                   "txtAirVolSupply", "txtAirVolExtract", "txtEffectiveness",
                                   "txtDuty"};
    for (const std::string_view side : {"Supply", "Extract"}) {
        for (const std::string_view base :
             {"cmbTubeDiameter", "cmbFinMatType", "txtTubesHigh", "txtFinnedHeight",
              "txtFinnedLength", "cmbFinDensitySelect", "cmbFinDensity", "cmbCircuitTypeSelect",
              "cmbCircuitType", "txtNumberSections", "txtNumberRows"}) {
            order.push_back(named(base, side));
        }
    }
    for (const std::string_view name :
         {"cmbGlycolSelect", "txtGlycol", "txtFluidMaxPDSupply", "txtFluidMaxPDExtract",
          "cmdCalculate", "cmdCosting", "cmdPrint"}) {
        order.emplace_back(name);
    }
    QWidget* previous = nullptr;
    for (const auto& name : order) {
        auto* widget = findChild<QWidget*>(toQt(name));
        if (previous != nullptr && widget != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget != nullptr ? widget : previous;
    }
}

// Calculate from anywhere in the window without reaching for the mouse; the menu entries show the
// keys of the usual commands.
void MainWindow::addShortcuts() {
    if (auto* calculate = findChild<QPushButton*>(QStringLiteral("cmdCalculate"))) {
        auto* run = new QShortcut(this);
        run->setKeys({QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_Return),
                      QKeySequence(Qt::CTRL | Qt::Key_Enter)});
        connect(run, &QShortcut::activated, calculate, &QPushButton::click);
    }
    const std::pair<const char*, QKeySequence> keys[] = {
        {"mnuPrint", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"mnuExit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"mnuRACHelp", QKeySequence(Qt::Key_F1)},
    };
    for (const auto& [name, key] : keys) {
        if (auto* entry = findChild<QAction*>(QString::fromLatin1(name))) {
            entry->setShortcut(key);
        }
    }
}

} // namespace rac::gui

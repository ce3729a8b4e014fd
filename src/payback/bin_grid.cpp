#include "payback/bin_grid.h"

#include "foundation/numbers.h"
#include "platform/form_building.h"

namespace rac::payback {

using numbers::Pattern;
using platform::ControlKind;

std::string binName(int bin) {
    return "Bin " + std::to_string(bin);
}

std::vector<std::string> binNames() {
    std::vector<std::string> names;
    for (int bin = 1; bin <= paybackmodel::kBinCount; ++bin) {
        names.push_back(binName(bin));
    }
    return names;
}

void addBinRows(platform::Form& form) {
    for (int bin = 1; bin <= paybackmodel::kBinCount; ++bin) {
        form.addElement(ControlKind::Label, "lblBin", bin).setCaption(binName(bin));
    }
}

void addBinColumn(platform::Form& form, const GridColumn& column) {
    platform::addCaptioned(form, ControlKind::Label, column.heading, std::string(column.caption));
    for (int bin = 1; bin <= paybackmodel::kBinCount; ++bin) {
        // Only the program writes the grid.
        form.addElement(ControlKind::TextBox, column.array, bin).setLocked(true);
    }
}

BinCells binCells(platform::Form& form, std::string_view array) {
    BinCells cells{};
    for (int bin = 1; bin <= paybackmodel::kBinCount; ++bin) {
        cells[static_cast<std::size_t>(bin - 1)] = &form.at(array, bin);
    }
    return cells;
}

std::vector<double> valuesShown(const BinCells& cells) {
    std::vector<double> values;
    for (const platform::Control* cell : cells) {
        values.push_back(numbers::leadingNumber(cell->text()));
    }
    return values;
}

WeatherColumns::WeatherColumns(platform::Form& form)
    : db(binCells(form, "txtBinDB")), wb(binCells(form, "txtBinWB")),
      rh(binCells(form, "txtBinRH")), hours(binCells(form, "txtBinHours")) {}

void ShowWeather(const WeatherColumns& columns, const paybackmodel::BinTables& bins) {
    for (std::size_t i = 0; i < bins.BinDB.size(); ++i) {
        columns.db[i]->setText(numbers::format(numbers::widen(bins.BinDB[i]), Pattern::OneDecimal));
        columns.wb[i]->setText(numbers::format(numbers::widen(bins.BinWB[i]), Pattern::OneDecimal));
        columns.rh[i]->setText(numbers::format(numbers::widen(bins.BinRH[i]), Pattern::OneDecimal));
        columns.hours[i]->setText(numbers::shortestText(bins.BinHours[i]));
    }
}

} // namespace rac::payback

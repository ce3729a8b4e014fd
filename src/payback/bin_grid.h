#pragma once

#include "paybackmodel/bin_tables.h"
#include "platform/form.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The grid of the ten weather bins that the location window and the results window share: a row
// per bin, labelled "Bin 1" to "Bin 10", and a headed column per text-box array, bin n in
// element n.
namespace rac::payback {

// The cells of one column, bin n at n - 1.
using BinCells = std::array<platform::Control*, paybackmodel::kBinCount>;

struct GridColumn {
    std::string_view array;   // the text-box array of the cells
    std::string_view heading; // the label above them
    std::string_view caption;
};

// "Bin 1" to "Bin 10": the rows' labels and the charts' categories.
std::string binName(int bin);
std::vector<std::string> binNames();

// The row labels lblBin(1) to lblBin(10).
void addBinRows(platform::Form& form);
// A column's heading and its ten read-only cells.
void addBinColumn(platform::Form& form, const GridColumn& column);
BinCells binCells(platform::Form& form, std::string_view array);

// The numbers the cells show: the number at the start of each text.
std::vector<double> valuesShown(const BinCells& cells);

// The four weather columns, in whatever order the grid shows them.
struct WeatherColumns {
    explicit WeatherColumns(platform::Form& form);
    BinCells db, wb, rh, hours;
};

// The bins as both windows show them: dry bulb, wet bulb and humidity to one decimal, the hours
// as a plain number.
void ShowWeather(const WeatherColumns& columns, const paybackmodel::BinTables& bins);

} // namespace rac::payback

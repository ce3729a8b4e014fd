#include "summary/costing_reader.h"

namespace rac::summary {

std::string CostingReader::text(std::string_view control) const {
    return current() ? costing_->at(control).text() : std::string(kNotAvailable);
}

bool CostingReader::chosen(std::string_view control) const {
    return current() && costing_->at(control).value() == 1;
}

bool CostingReader::chosenAndShown(std::string_view control) const {
    return chosen(control) && costing_->at(control).visible();
}

} // namespace rac::summary

#pragma once

#include <gtest/gtest.h>
#include <string>

namespace rac::paybackmodel {

// Names each row of a parameterised table by its label.
struct RowLabel {
    template <class Row> std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
        return row.param.label;
    }
};

} // namespace rac::paybackmodel

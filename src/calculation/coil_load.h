#pragma once

#include "calculation/calc_context.h"

namespace rac::calculation {

// Copies one coil's inputs from the calculation record into the working coil. The rows are the
// user's only when rating; a selection finds them.
enum class RowsSource { Searched, Entered };
void LoadCurrentCoil(CalcContext& ctx, coil::CoilSide side, RowsSource rows);

// Copies what selection and rating both report for a coil back into the calculation record:
// coil code, air and fluid pressure drops, connection size, headers, duty and loop flow.
void StoreCoilResults(CalcContext& ctx, coil::CoilSide side);

} // namespace rac::calculation

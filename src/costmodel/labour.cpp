#include "costmodel/labour.h"

#include "costmodel/block_geometry.h"
#include "foundation/numbers.h"

namespace rac::costmodel {

using numbers::store;
using numbers::widen;

namespace {

struct LabourTerms {
    double fins;   // F
    double rows;   // R
    double high;   // H
    double length; // L, mm
    double rowsByHigh;
    bool bundle;

    explicit LabourTerms(const CoilCosting& costing)
        : fins(costing.FinCount), rows(costing.Rows), high(costing.TubesHigh),
          length(costing.FinnedLength), rowsByHigh(rows * high),
          bundle(isBundleCircuit(costing.CircuitType)) {}
};

} // namespace

void CalcLabourTotal(CoilCosting& costing, const PriceTable& prices) {
    const LabourTerms t(costing);
    double minutes = t.fins / 11.0 + 10.0;                     // fins
    minutes += t.rowsByHigh / 5.0 + 10.0;                      // tubes
    minutes += t.rowsByHigh * (t.length / 1000.0) * 1.1 + 5.0; // casing
    minutes += t.rowsByHigh / 2.0 + 20.0;                      // expansion
    minutes += t.rowsByHigh / 2.0 + 10.0;                      // brazing
    if (!t.bundle) {
        minutes += 10.0 + t.high; // header brazing
    }
    minutes += 15.0;
    if (!t.bundle) {
        minutes += 10.0;
        minutes += 10.0 + t.high;
    }
    minutes += 10.0; // testing
    minutes += 10.0; // spraying
    minutes += 15.0;
    minutes += 30.0;
    minutes += 3.0 * t.high + 10.0; // header and connections
    costing.LabourCost = store(minutes / 60.0 * widen(prices.LabourRatePerHour));
}

void SetLabourOperations(CoilCosting& costing, const PriceTable& prices) {
    const LabourTerms t(costing);
    const double sections = costing.Sections;
    const double rate = prices.LabourRatePerHour;
    const auto priced = [rate](double minutes) { return store(minutes * rate / 60.0); };

    costing.FinsLabour = priced(t.fins / 11.0 + 10.0);
    costing.TubesLabour = priced(t.rowsByHigh / 5.0 + 10.0);
    costing.CasingLabour = priced(t.rowsByHigh * (t.length / 1000.0) * 1.1 + 5.0 * sections);
    // Expansion is priced at a fixed 6 per hour, whatever the labour rate.
    costing.ExpansionLabour = store(((t.high / 2.0) * t.rows + 20.0 * sections) * 6.0 / 60.0);
    costing.BrazingLabour =
        priced(t.bundle ? t.rowsByHigh / 2.0 + 10.0 * sections + 15.0
                        : t.rowsByHigh / 2.0 + 10.0 * sections + 2.0 * t.high + 45.0);
    costing.TestingLabour = priced(10.0 * sections);
    costing.SprayingLabour = priced(10.0 * sections);
    costing.FinishingLabour = priced(5.0 * sections);
    costing.PackagingLabour = priced(15.0 * sections);
    costing.HeaderConnectionLabour = priced(3.0 * t.high + 10.0 * sections);
}

} // namespace rac::costmodel

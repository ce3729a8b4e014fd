#pragma once

#include "cli/selection_terms.h"

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

namespace rac::cli {

class CalculateSession;

// `rac-cli calculate`: answers each request of the input with one JSON line on out, flushed at
// once, each on the program as it stands after start-up (one CalculateSession). A request that
// cannot be run gets {"error": "line N: ..."} and the same text on err, and the batch goes on.
// Returns 0, or 2 when any request failed.
int runCalculate(std::istream& in, std::ostream& out, std::ostream& err, const Launcher& launch);

// The same on a session kept from earlier batches, so that a caller running many batches (the
// fuzzer) launches the program once instead of once a batch.
// `source`, when given, names the input in front of each error ("batch.jsonl: line 4: ...").
int runCalculateBatch(std::istream& in, std::ostream& out, std::ostream& err,
                      CalculateSession& session, std::string_view source = {});

// One selection file as one request: one answer line, or {"error": "\"A.rac\": ..."} naming the
// file. Returns 0, or 2 when the file could not be run.
int runSelectionFile(const std::string& path, std::ostream& out, std::ostream& err,
                     CalculateSession& session);

} // namespace rac::cli

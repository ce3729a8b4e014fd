#pragma once

#include "foundation/file_output.h"
#include "selection/calculate_request.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// A selection file (.rac): a calculate request in UTF-8 JSON, with the file format's number and
// the version of the program that saved it, and never a password:
//
//   {"format": 1, "program": "1.1", "mode": "Selection", "target": "Air Off DB",
//    "fields": {...}, "costing": {"fields": {...}}}
namespace rac::selection {

inline constexpr int kSelectionFormat = 1;
// A selection is a few kilobytes; a file much larger is no selection and is refused unread.
inline constexpr std::uintmax_t kLargestSelectionFile = 1024 * 1024;

// A file that cannot be read as a selection: what() names the file and the fault
// ("\"a.rac\": it is not JSON: ...").
class SelectionFileError : public std::runtime_error {
  public:
    SelectionFileError(const std::string& path, const std::string& fault);
    const std::string& fault() const { return fault_; }

  private:
    std::string fault_;
};

// The request a selection file's text holds. Throws InputError: not UTF-8, not JSON, no format
// or another one, a key that is not a request's, a value of the wrong type, a password.
CalculateRequest readSelectionText(std::string_view text);

// The same from a file, refused by its size before it is read. Throws SelectionFileError.
CalculateRequest readSelectionFile(const std::string& path);

// The file's text: two-space indented JSON, members in a fixed order, the target only in
// Selection, the costing's entries only, no password.
std::string selectionText(const CalculateRequest& selection);

// Saves atomically: a failure leaves any earlier file as it was, and says why.
WriteResult writeSelectionFile(const std::string& path, const CalculateRequest& selection);

} // namespace rac::selection

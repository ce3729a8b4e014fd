#pragma once

#include "platform/dialog_answers.h"
#include "platform/form.h"

#include <optional>
#include <string>
#include <vector>

namespace rac::platform {

enum class DocumentFormat { PlainText, RichText };

struct PrintDocument {
    std::string title;
    std::string text;
    DocumentFormat format = DocumentFormat::PlainText;
    bool selection = false; // the text is the part the user selected, not the whole document
};

enum class PrintOutcome { Printed, Cancelled, Failed };

class Printer {
  public:
    virtual ~Printer() = default;
    // An image of the window on the default printer; false when printing failed.
    virtual bool printWindow(const Form& form) = 0;
    // Asks for a printer, then prints the document on it.
    virtual PrintOutcome printDocument(const PrintDocument& document) = 0;
};

struct PrintRecord {
    enum class Kind { Window, Document };
    Kind kind = Kind::Window;
    std::string name;                // the form's name or the document's title
    std::string text;                // a document's text
    std::optional<std::string> path; // where a document went
    PrintOutcome outcome = PrintOutcome::Printed;

    friend bool operator==(const PrintRecord&, const PrintRecord&) = default;
};

// Keeps every request. A document goes to the file that the answer to its printer dialog names,
// its text written as it stands; window images are recorded only, and succeed unless told to fail.
class RecordingPrinter final : public Printer {
  public:
    explicit RecordingPrinter(DialogAnswers& answers) : answers_(answers) {}
    bool printWindow(const Form& form) override;
    PrintOutcome printDocument(const PrintDocument& document) override;

    void setWindowPrintsFail(bool fail) { windowPrintsFail_ = fail; }
    const std::vector<PrintRecord>& printed() const { return printed_; }

  private:
    DialogAnswers& answers_;
    bool windowPrintsFail_ = false;
    std::vector<PrintRecord> printed_;
};

} // namespace rac::platform

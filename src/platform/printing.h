#pragma once

#include "foundation/file_output.h"
#include "platform/dialog_answers.h"
#include "platform/form.h"
#include "platform/rich_content.h"

#include <optional>
#include <string>
#include <vector>

namespace rac::platform {

// What heads every page of a printed document.
struct PageHeader {
    std::string left;
    std::string right;

    friend bool operator==(const PageHeader&, const PageHeader&) = default;
};

// A document as a rich-text box holds it: its text in one font.
struct PrintDocument {
    std::string title; // names the print job and the PDF file's title
    std::string text;  // the whole document
    // Defaults given, so that a document of a title and a text needs no more.
    TextFont font{};        // of the whole text; an empty name is the printer's default font
    std::string selected{}; // the part the user selected; empty when nothing is
    PageHeader header{};

    friend bool operator==(const PrintDocument&, const PrintDocument&) = default;
};

enum class PrintOutcome { Printed, Cancelled, Failed };

struct PrintResult {
    PrintOutcome outcome = PrintOutcome::Printed;
    std::string failure; // why it failed, in words for the user

    friend bool operator==(const PrintResult&, const PrintResult&) = default;
};

class Printer {
  public:
    virtual ~Printer() = default;
    // An image of the window on the default printer; false when printing failed.
    virtual bool printWindow(const Form& form) = 0;
    // Asks for a printer, offering to print the selection when there is one, and prints the
    // document on it: the selection when the user keeps that choice, else the whole text.
    virtual PrintResult printDocument(const PrintDocument& document) = 0;
    // Writes the document to a PDF file: A4 pages, each headed by the header and numbered at its
    // foot. The whole text, whatever is selected.
    virtual WriteResult exportPdf(const PrintDocument& document, const std::string& path) = 0;
};

struct PrintRecord {
    enum class Kind { Window, Document, Pdf };
    Kind kind = Kind::Window;
    std::string name;                // the form's name or the document's title
    std::string text;                // what a document printed or exported
    std::optional<std::string> path; // where a document went
    PrintOutcome outcome = PrintOutcome::Printed;

    friend bool operator==(const PrintRecord&, const PrintRecord&) = default;
};

// Keeps every request. A printed document goes to the file that the answer to its printer dialog
// names, and an exported one to its file, as a PDF of its text in a fixed-pitch font (the window
// system's printing, with the document's own font, is the desktop's). Window images are recorded
// only, and succeed unless told to fail.
class RecordingPrinter final : public Printer {
  public:
    explicit RecordingPrinter(DialogAnswers& answers) : answers_(answers) {}
    bool printWindow(const Form& form) override;
    PrintResult printDocument(const PrintDocument& document) override;
    WriteResult exportPdf(const PrintDocument& document, const std::string& path) override;

    void setWindowPrintsFail(bool fail) { windowPrintsFail_ = fail; }
    const std::vector<PrintRecord>& printed() const { return printed_; }

  private:
    DialogAnswers& answers_;
    bool windowPrintsFail_ = false;
    std::vector<PrintRecord> printed_;
};

} // namespace rac::platform

#pragma once

#include "platform/printing.h"

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace rac::gui {

// Asks the person where a print goes; false when they cancel. title names the print; selection
// offers "print the selection" in the dialog.
using PrinterChoice = std::function<bool(QPrinter& printer, const QString& title, bool selection)>;

// The print dialog, or, on a machine without any printer, a file dialog for a PDF file.
bool askForPrinter(QPrinter& printer, const QString& title, bool selection);

// Prints images of windows and documents on a printer the person chooses, documents in their own
// font with a header and page numbers. Cancelling is not a failure; a printer that cannot be
// opened or a PDF file that cannot be written is. Exports documents as A4 PDF files.
class QtPrinter final : public platform::Printer {
  public:
    using WindowOf = std::function<QWidget*(const platform::Form& form)>;
    explicit QtPrinter(WindowOf windowOf, PrinterChoice choose = askForPrinter)
        : windowOf_(std::move(windowOf)), choose_(std::move(choose)) {}

    bool printWindow(const platform::Form& form) override;
    platform::PrintResult printDocument(const platform::PrintDocument& document) override;
    WriteResult exportPdf(const platform::PrintDocument& document,
                          const std::string& path) override;

  private:
    WindowOf windowOf_;
    PrinterChoice choose_;
};

} // namespace rac::gui

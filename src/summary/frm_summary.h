#pragma once

#include "platform/form.h"
#include "platform/services.h"
#include "summary/summary_layout.h"
#include "summary/summary_shell.h"

#include <string>
#include <string_view>

namespace rac::summary {

// The summary window: the document of the main screen and, when a costing is current, of the
// costing screen, built afresh each time the window opens; a comment added at its end; printing,
// saving as Rich Text and exporting a PDF datasheet. It reads the other screens and changes
// nothing outside itself.
class FrmSummary final : public platform::Form {
  public:
    // costingDone is the program-wide flag, read when the window opens.
    FrmSummary(platform::Services services, const bool& costingDone, const SummaryShell& shell);

    // The document, from the screens as they are now.
    void BuildSummary();
    // The comment on a line of its own at the end of the document.
    void AddComment();
    // Each asks where the document goes; cancelling does nothing, a failure says why.
    void PrintSummary();
    void SaveSummary();
    void ExportPdf();

    // The document as it is printed and exported: the box's text and font, what is selected,
    // and the page header of the program, its version and today's date.
    platform::PrintDocument printedDocument() const;

  private:
    void tell(std::string title, std::string text);

    platform::Services services_;
    const bool& costingDone_;
    const SummaryShell& shell_;
    const layout::SummaryControls ui_;
};

} // namespace rac::summary

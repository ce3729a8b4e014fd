#include "summary/frm_summary.h"

#include "foundation/rtf_writer.h"
#include "foundation/utf8.h"
#include "mainscreen/identity.h"
#include "summary/summary_document.h"
#include "summary/summary_layout.h"

#include <filesystem>
#include <stdexcept>

namespace rac::summary {

using platform::Control;
using platform::Event;

namespace {

const platform::SaveDialog kSaveDialog{"Save Summary", "Rich Text Format (*.rtf)|*.rtf|", 1};
const platform::SaveDialog kExportDialog{"Export PDF", "PDF Document (*.pdf)|*.pdf|", 1};

// A name given without an extension gets the one of the file's kind.
std::string withExtension(const std::string& path, std::string_view extension) {
    const std::filesystem::path file(path);
    if (file.filename().empty() || file.has_extension()) {
        return path;
    }
    return path + std::string(extension);
}

std::string inQuotes(std::string_view path) {
    return "\"" + std::string(path) + "\"";
}

} // namespace

FrmSummary::FrmSummary(platform::Services services, const bool& costingDone,
                       const SummaryShell& shell)
    : Form("frmSummary", std::string(layout::kTitle)), services_(services),
      costingDone_(costingDone), shell_(shell), ui_(layout::buildSummaryLayout(*this)) {
    onLoad([this] { BuildSummary(); });
    const auto wire = [this](std::string_view name, void (FrmSummary::*command)()) {
        on(name, Event::Click, [this, command](Control&) { (this->*command)(); });
    };
    wire("cmdAddComment", &FrmSummary::AddComment);
    for (const std::string_view print : {"cmdPrint", "mnuPrint"}) {
        wire(print, &FrmSummary::PrintSummary);
    }
    for (const std::string_view save : {"Command1", "mnuSave"}) {
        wire(save, &FrmSummary::SaveSummary);
    }
    for (const std::string_view pdf : {"cmdExportPDF", "mnuExportPDF"}) {
        wire(pdf, &FrmSummary::ExportPdf);
    }
    for (const std::string_view close : {"cmdclose", "mnuClose"}) {
        on(close, Event::Click, [this](Control&) { unload(); });
    }
}

void FrmSummary::tell(std::string title, std::string text) {
    services_.messages.show(information(std::move(title), std::move(text)));
}

void FrmSummary::BuildSummary() {
    const platform::Form* main = shell_.loadedForm("frmMain");
    if (main == nullptr) {
        throw std::logic_error("the summary opened without the main screen");
    }
    ui_.document.setText(
        summaryText({*main, shell_.loadedForm("frmCosting"), costingDone_, services_.clock.now()}));
}

void FrmSummary::AddComment() {
    ui_.document.setText(withComment(ui_.document.text(), ui_.comment.text()));
    tell("Comment Added", "A comment has been added to the end of the summary.");
}

platform::PrintDocument FrmSummary::printedDocument() const {
    const platform::TextSelection& selection = ui_.document.selection();
    return {
        std::string(layout::kDocumentName),
        ui_.document.text(),
        ui_.document.font(),
        std::string(utf8::characters(ui_.document.text(), static_cast<std::size_t>(selection.start),
                                     static_cast<std::size_t>(selection.length))),
        {std::string(mainscreen::kMainWindowTitle), services_.clock.now().date}};
}

// A failed print or save says so: the window stays as it was, and the person knows that
// nothing reached the printer or the file.
void FrmSummary::PrintSummary() {
    const platform::PrintResult printed = services_.printer.printDocument(printedDocument());
    if (printed.outcome == platform::PrintOutcome::Failed) {
        tell("Summary Not Printed", "The summary could not be printed: " + printed.failure + ".");
    }
}

void FrmSummary::SaveSummary() {
    const auto chosen = services_.dialogs.saveFile(kSaveDialog);
    if (!chosen) {
        return;
    }
    const std::string path = withExtension(*chosen, ".rtf");
    const WriteResult written = writeWholeFile(path, rtfOfPlainText(ui_.document.text()));
    if (!written) {
        tell("Summary Not Saved",
             "The summary could not be saved to " + inQuotes(path) + ": " + written.failure + ".");
    }
}

void FrmSummary::ExportPdf() {
    const auto chosen = services_.dialogs.saveFile(kExportDialog);
    if (!chosen) {
        return;
    }
    const std::string path = withExtension(*chosen, ".pdf");
    const WriteResult written = services_.printer.exportPdf(printedDocument(), path);
    if (!written) {
        tell("Summary Not Exported", "The summary could not be exported to " + inQuotes(path) +
                                         ": " + written.failure + ".");
    }
}

} // namespace rac::summary

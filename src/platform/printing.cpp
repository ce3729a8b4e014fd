#include "platform/printing.h"

#include "foundation/text_pdf.h"

namespace rac::platform {

namespace {

// Without a window system a document goes to its file as a PDF of its text.
WriteResult writePdf(const PrintDocument& document, const std::string& text,
                     const std::string& path) {
    return writeWholeFile(path,
                          textPdf({document.title, document.header.left, document.header.right,
                                   text, document.font.points, document.font.bold}));
}

} // namespace

bool RecordingPrinter::printWindow(const Form& form) {
    const PrintOutcome outcome = windowPrintsFail_ ? PrintOutcome::Failed : PrintOutcome::Printed;
    printed_.push_back({PrintRecord::Kind::Window, form.name(), {}, std::nullopt, outcome});
    return outcome == PrintOutcome::Printed;
}

PrintResult RecordingPrinter::printDocument(const PrintDocument& document) {
    const std::optional<std::string> path = answers_.take(DialogKind::ChoosePrinter);
    const std::string& text = document.selected.empty() ? document.text : document.selected;
    PrintResult result{PrintOutcome::Cancelled, {}};
    if (path) {
        const WriteResult written = writePdf(document, text, *path);
        result = {written ? PrintOutcome::Printed : PrintOutcome::Failed, written.failure};
    }
    printed_.push_back({PrintRecord::Kind::Document, document.title, text, path, result.outcome});
    return result;
}

WriteResult RecordingPrinter::exportPdf(const PrintDocument& document, const std::string& path) {
    WriteResult written = writePdf(document, document.text, path);
    printed_.push_back({PrintRecord::Kind::Pdf, document.title, document.text, path,
                        written ? PrintOutcome::Printed : PrintOutcome::Failed});
    return written;
}

} // namespace rac::platform

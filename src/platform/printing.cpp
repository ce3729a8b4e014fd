#include "platform/printing.h"

namespace rac::platform {

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
        const WriteResult written = writeWholeFile(*path, text);
        result = {written ? PrintOutcome::Printed : PrintOutcome::Failed, written.failure};
    }
    printed_.push_back({PrintRecord::Kind::Document, document.title, text, path, result.outcome});
    return result;
}

WriteResult RecordingPrinter::exportPdf(const PrintDocument& document, const std::string& path) {
    WriteResult written = writeWholeFile(path, document.text);
    printed_.push_back({PrintRecord::Kind::Pdf, document.title, document.text, path,
                        written ? PrintOutcome::Printed : PrintOutcome::Failed});
    return written;
}

} // namespace rac::platform

#include "platform/printing.h"

#include "foundation/file_output.h"

namespace rac::platform {

bool RecordingPrinter::printWindow(const Form& form) {
    const PrintOutcome outcome = windowPrintsFail_ ? PrintOutcome::Failed : PrintOutcome::Printed;
    printed_.push_back({PrintRecord::Kind::Window, form.name(), {}, std::nullopt, outcome});
    return outcome == PrintOutcome::Printed;
}

PrintOutcome RecordingPrinter::printDocument(const PrintDocument& document) {
    const std::optional<std::string> path = answers_.take(DialogKind::ChoosePrinter);
    PrintOutcome outcome = PrintOutcome::Cancelled;
    if (path) {
        outcome =
            writeWholeFile(*path, document.text) ? PrintOutcome::Printed : PrintOutcome::Failed;
    }
    printed_.push_back({PrintRecord::Kind::Document, document.title, document.text, path, outcome});
    return outcome;
}

} // namespace rac::platform

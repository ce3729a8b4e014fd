#include "summary/summary_layout.h"

#include <string>

namespace rac::summary::layout {

using platform::ControlKind;
using platform::Form;

namespace {

void addButton(Form& form, std::string_view name, std::string caption, std::string toolTip = {}) {
    auto& button = form.add(ControlKind::CommandButton, name);
    button.setCaption(std::move(caption));
    button.setToolTip(std::move(toolTip));
}

void addMenuEntry(Form& form, std::string_view name, std::string caption,
                  std::string_view menu = {}) {
    form.add(ControlKind::MenuEntry, name, menu).setCaption(std::move(caption));
}

} // namespace

SummaryControls buildSummaryLayout(Form& form) {
    // Read-only: comments go in through the comment box, so the document stays a true record of
    // the screens it was made from.
    auto& document = form.add(ControlKind::RichTextBox, "RichTextBox1");
    document.setLocked(true);
    document.setFont({"Arial", 8.25, true});

    auto& comment = form.add(ControlKind::TextBox, "txtComment");
    comment.setToolTip("Place comment here to be added to end of summary");
    addButton(form, "cmdAddComment",
              "To add comment to end of summary place text in text box to left and press this "
              "button",
              "Press this button to add comment to summary");
    addButton(form, "cmdPrint", "Print", "Send a copy of the summary to a printer");
    addButton(form, "Command1", "Save", "Save file as rtf for viewing in word processor software");
    addButton(form, "cmdExportPDF", "Export PDF",
              "Write the summary to a PDF datasheet with the program, its version and the date "
              "at the top of each page");
    addButton(form, "cmdclose", "Close");

    addMenuEntry(form, "mnuFile", "&File");
    addMenuEntry(form, "mnuSave", "&Save...", "mnuFile");
    addMenuEntry(form, "mnuPrint", "&Print...", "mnuFile");
    addMenuEntry(form, "mnuExportPDF", "&Export PDF...", "mnuFile");
    addMenuEntry(form, "mnuFileBar", "-", "mnuFile");
    addMenuEntry(form, "mnuClose", "&Close", "mnuFile");
    return {document, comment};
}

} // namespace rac::summary::layout

#pragma once

#include "platform/form.h"

#include <string_view>

// The controls of frmSummary as the screen design has them: names, captions, tool tips, the
// document box's font, and the File menu.
namespace rac::summary::layout {

inline constexpr std::string_view kTitle = " Coil Selection / Rating Summary";
// What a printed or exported summary is called: the title without its leading blank.
inline constexpr std::string_view kDocumentName = kTitle.substr(1);

// The controls the summary's rules work with.
struct SummaryControls {
    platform::Control& document; // RichTextBox1
    const platform::Control& comment;
};

// Adds every control to the form; returns those the rules work with.
SummaryControls buildSummaryLayout(platform::Form& form);

} // namespace rac::summary::layout

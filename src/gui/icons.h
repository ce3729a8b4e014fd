#pragma once

#include <QIcon>
#include <QString>

namespace rac::gui {

// An icon drawn for the program, by file name without ".svg" ("calculate", "selection", ...).
QIcon icon(const QString& name);

// A picture of the forms' image list by its id: 1 Selection, 2 Rating, 3 Dry, 4 Wet, 5 Air Off
// DB, 6 Effectiveness, 7 Duty. 0 and unknown ids give a null icon.
QIcon pictureIcon(int picture);

QIcon applicationIcon();

} // namespace rac::gui

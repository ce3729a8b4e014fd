#include "gui/password_window.h"

#include "gui/form_binding.h"
#include "gui/form_widgets.h"
#include "gui/icons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace rac::gui {

PasswordWindow::PasswordWindow(platform::Form& form) : QWidget(nullptr, Qt::Dialog) {
    setObjectName(QStringLiteral("frmPasswordWindow"));
    setWindowIcon(applicationIcon());
    FormWidgets widgets(form, *this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    for (const char* name : {"lblExplanation", "lblEmployeesOnly", "lblInstruction"}) {
        auto* label = widgets.take<QLabel>(name);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    auto* entry = new QHBoxLayout;
    auto* caption = widgets.take<QLabel>("lblPassword");
    auto* box = widgets.take<QLineEdit>("txtPassword");
    box->setEchoMode(QLineEdit::Password);
    caption->setBuddy(box);
    entry->addWidget(caption);
    entry->addWidget(box, 1);
    layout->addSpacing(6);
    layout->addLayout(entry);
    layout->addWidget(widgets.take("chkRememberPassword"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(widgets.take<QPushButton>("cmdOK"));
    buttons->addWidget(widgets.take<QPushButton>("cmdclose"));
    layout->addLayout(buttons);
    setFixedWidth(420);

    binding_ = new FormBinding(form, *this);
    box->setFocus();
}

} // namespace rac::gui

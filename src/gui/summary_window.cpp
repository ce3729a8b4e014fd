#include "gui/summary_window.h"

#include "gui/form_binding.h"
#include "gui/form_widgets.h"
#include "gui/icons.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTextEdit>
#include <QVBoxLayout>

namespace rac::gui {

SummaryWindow::SummaryWindow(platform::Form& form) : QWidget(nullptr, Qt::Dialog) {
    setObjectName(QStringLiteral("frmSummaryWindow"));
    setWindowIcon(applicationIcon());
    FormWidgets widgets(form, *this);

    auto* bar = new QMenuBar(this);
    widgets.buildMenus(*bar);

    // The lines keep the columns the document was laid out in; a narrow window scrolls sideways.
    auto* document = widgets.take<QTextEdit>("RichTextBox1");
    document->setLineWrapMode(QTextEdit::NoWrap);
    document->setMinimumSize(640, 360);

    auto* comment = widgets.take<QLineEdit>("txtComment");
    auto* commentRow = new QHBoxLayout;
    commentRow->addWidget(comment, 1);
    commentRow->addWidget(widgets.take("cmdAddComment"));

    auto* close = widgets.take<QPushButton>("cmdclose");
    auto* commands = new QHBoxLayout;
    for (const char* name : {"cmdPrint", "Command1", "cmdExportPDF"}) {
        commands->addWidget(widgets.take(name));
    }
    commands->addStretch();
    commands->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addWidget(document, 1);
    layout->addLayout(commentRow);
    layout->addLayout(commands);
    resize(980, 720);

    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, close,
            &QPushButton::click);
    binding_ = new FormBinding(form, *this);
    comment->setFocus();
}

} // namespace rac::gui

#include "gui/about_window.h"

#include "gui/form_binding.h"
#include "gui/form_widgets.h"
#include "gui/icons.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace rac::gui {

// A box of fixed size: nothing in it gains from more room, so it has no maximise button.
AboutWindow::AboutWindow(platform::Form& form)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmAboutWindow"));
    setWindowIcon(applicationIcon());
    FormWidgets widgets(form, *this);

    auto* logo = widgets.take<QLabel>("imgIcon");
    logo->setPixmap(applicationIcon().pixmap(QSize(64, 64)));
    logo->setAlignment(Qt::AlignTop);
    auto* title = widgets.take<QLabel>("lblTitle");
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    title->setFont(big);
    auto* disclaimer = widgets.take<QLabel>("lblDisclaimer");
    disclaimer->setWordWrap(true);
    disclaimer->setFrameShape(QFrame::StyledPanel);
    disclaimer->setMargin(8);
    auto* description = widgets.take<QLabel>("lblDescription");
    description->setWordWrap(true);

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(widgets.take("lblVersion"));
    texts->addWidget(description);
    texts->addStretch();

    auto* top = new QHBoxLayout;
    top->setSpacing(18);
    top->addWidget(logo);
    top->addLayout(texts, 1);

    auto* buttons = new QHBoxLayout;
    auto* ok = widgets.take<QPushButton>("cmdOK");
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(widgets.take("cmdSysInfo"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->addLayout(top);
    layout->addSpacing(10);
    layout->addWidget(disclaimer);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    disclaimer->setFixedWidth(424); // the wrapped texts set the width of the box

    binding_ = new FormBinding(form, *this);
    ok->setFocus();
}

} // namespace rac::gui

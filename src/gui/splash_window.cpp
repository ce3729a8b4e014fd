#include "gui/splash_window.h"

#include "gui/form_binding.h"
#include "gui/form_widgets.h"
#include "gui/icons.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace rac::gui {

namespace {

void setPointSize(QWidget& widget, qreal factor, bool bold) {
    QFont font = widget.font();
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(bold);
    widget.setFont(font);
}

void setTextColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    widget.setPalette(palette);
}

} // namespace

SplashWindow::SplashWindow(platform::Form& form)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplashWindow"));
    setWindowIcon(applicationIcon());
    FormWidgets widgets(form, *this);

    auto* frame = widgets.take<QGroupBox>("fraSplash");
    frame->setStyleSheet(QStringLiteral(
        "QGroupBox#fraSplash { background: white; border: 2px solid #1f4e79; margin: 0; }"));
    auto* logo = widgets.take<QLabel>("imgLogo");
    logo->setPixmap(applicationIcon().pixmap(QSize(112, 112)));
    logo->setAlignment(Qt::AlignTop);

    auto* product = widgets.take<QLabel>("lblProductName");
    setPointSize(*product, 2.6, true);
    setTextColour(*product, QColor(0x1f, 0x4e, 0x79));
    auto* description = widgets.take<QLabel>("lblDescription");
    setPointSize(*description, 1.3, false);
    description->setWordWrap(true);
    auto* version = widgets.take<QLabel>("lblVersion");
    setPointSize(*version, 1.1, true);
    auto* platformName = widgets.take<QLabel>("lblPlatform");
    setTextColour(*platformName, QColor(0x55, 0x5f, 0x66));
    auto* loading = widgets.take<QLabel>("lblLoading");
    setTextColour(*loading, QColor(0x1f, 0x4e, 0x79));
    QSizePolicy keep = loading->sizePolicy();
    keep.setRetainSizeWhenHidden(true); // blinking must not shift the bar
    loading->setSizePolicy(keep);
    auto* progress = widgets.take<QProgressBar>("prgLoading");
    progress->setFixedHeight(progress->fontMetrics().height() / 2 + 4);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(6);
    texts->addWidget(product);
    texts->addWidget(description);
    texts->addSpacing(8);
    texts->addWidget(version);
    texts->addWidget(platformName);
    texts->addStretch();

    auto* top = new QHBoxLayout;
    top->setSpacing(24);
    top->addWidget(logo);
    top->addLayout(texts, 1);

    auto* inner = new QVBoxLayout(frame);
    inner->setContentsMargins(28, 28, 28, 20);
    inner->addLayout(top);
    inner->addSpacing(18);
    inner->addWidget(loading);
    inner->addWidget(progress);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    setMinimumWidth(640);

    binding_ = new FormBinding(form, *this);
}

} // namespace rac::gui

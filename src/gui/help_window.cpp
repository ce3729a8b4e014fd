#include "gui/help_window.h"

#include "gui/help_topics.h"
#include "gui/icons.h"
#include "gui/qt_text.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace rac::gui {

namespace {

QString plainTextOf(const QString& page) {
    QFile file(QStringLiteral(":/help/") + page);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    return document.toPlainText();
}

QToolButton* navigationButton(const QString& text, const QString& tip, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    return button;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), search_(new QLineEdit(this)), topics_(new QListWidget(this)),
      browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("ZYL RAC Help"));
    setWindowIcon(icon(QStringLiteral("help")));

    search_->setPlaceholderText(QStringLiteral("Search the help"));
    search_->setClearButtonEnabled(true);
    for (const auto& topic : helpTopics()) {
        auto* item = new QListWidgetItem(topic.title, topics_);
        item->setData(Qt::UserRole, topic.page);
        pageTexts_ << plainTextOf(topic.page);
    }
    browser_->setSearchPaths({QStringLiteral(":/help")});
    browser_->setOpenExternalLinks(false);

    auto* back = navigationButton(QStringLiteral("Back"), QStringLiteral("Previous page"), this);
    auto* forward = navigationButton(QStringLiteral("Forward"), QStringLiteral("Next page"), this);
    auto* contents =
        navigationButton(QStringLiteral("Contents"), QStringLiteral("Table of contents"), this);
    back->setEnabled(false);
    forward->setEnabled(false);

    auto* side = new QWidget(this);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(search_);
    sideLayout->addWidget(topics_);

    // The titles are read whole, the longest included: the list is never narrower than that.
    topics_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    topics_->setMinimumWidth(topics_->sizeHintForColumn(0) + 2 * topics_->frameWidth() +
                             style()->pixelMetric(QStyle::PM_ScrollBarExtent));

    auto* splitter = new QSplitter(this);
    splitter->addWidget(side);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 3);
    splitter->setCollapsible(0, false);

    auto* navigation = new QHBoxLayout;
    navigation->addWidget(back);
    navigation->addWidget(forward);
    navigation->addWidget(contents);
    navigation->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(navigation);
    layout->addWidget(splitter);
    resize(900, 640);

    connect(search_, &QLineEdit::textChanged, this, &HelpWindow::search);
    connect(topics_, &QListWidget::itemActivated, this, &HelpWindow::topicChosen);
    connect(topics_, &QListWidget::itemClicked, this, &HelpWindow::topicChosen);
    connect(back, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents, &QToolButton::clicked, this, [this] { showPage(helpTopics().front().page); });
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);
}

void HelpWindow::showPage(const QString& page) {
    browser_->setSource(QUrl(helpUrl(page)));
}

QString HelpWindow::currentPage() const {
    return browser_->source().fileName();
}

QStringList HelpWindow::listedTopics() const {
    QStringList titles;
    for (int row = 0; row < topics_->count(); ++row) {
        if (!topics_->item(row)->isHidden()) {
            titles << topics_->item(row)->text();
        }
    }
    return titles;
}

void HelpWindow::search(const QString& words) {
    if (search_->text() != words) {
        search_->setText(words); // runs this again through textChanged
        return;
    }
    const QStringList wanted = words.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int row = 0; row < topics_->count(); ++row) {
        const QString text = topics_->item(row)->text() + QLatin1Char(' ') + pageTexts_.value(row);
        const bool found = std::all_of(wanted.begin(), wanted.end(), [&](const QString& word) {
            return text.contains(word, Qt::CaseInsensitive);
        });
        topics_->item(row)->setHidden(!found);
    }
}

void HelpWindow::topicChosen() {
    if (const QListWidgetItem* item = topics_->currentItem()) {
        showPage(item->data(Qt::UserRole).toString());
    }
}

QtHelpViewer::QtHelpViewer() = default;
QtHelpViewer::~QtHelpViewer() = default;

void QtHelpViewer::show(const platform::HelpRequest& request) {
    const auto page = helpPageFor(request);
    if (!page) {
        QMessageBox::information(
            nullptr, QStringLiteral("ZYL RAC Help"),
            QStringLiteral("The help file \"%1\" cannot be found.").arg(toQt(request.file)));
        return;
    }
    if (!window_) {
        window_ = std::make_unique<HelpWindow>();
    }
    window_->showPage(*page);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

} // namespace rac::gui

#include "gui/selection_files.h"

#include "foundation/flag_while.h"
#include "gui/file_dialogs.h"
#include "gui/form_binding.h"
#include "gui/qt_text.h"
#include "mainscreen/main_layout.h"
#include "platform/user_actions.h"
#include "selection/screen_entries.h"
#include "selection/selection_file.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <algorithm>

namespace rac::gui {

namespace {

constexpr std::string_view kFilter = "ZYL RAC Selection (*.rac)|*.rac|";
constexpr std::string_view kRecentSection = "RecentFiles";

// The menu entries that choose the mode and the target: changing them changes the selection.
constexpr std::string_view kModeMenus[] = {"mnuSelection", "mnuRating", "mnuDBOff",
                                           "mnuEffectiveness", "mnuDuty"};

bool isEntry(const platform::Form& form, std::string_view name) {
    const auto& order = form.name() == "frmMain" ? selection::CalculateInputOrder()
                                                 : selection::CostingInputOrder();
    return std::find(order.begin(), order.end(), name) != order.end();
}

QString recentKey(int position) {
    return QStringLiteral("File%1").arg(position);
}

// The first local file of a drag, if it is a selection file.
QString droppedFile(const QMimeData* data) {
    if (data == nullptr) {
        return {};
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && url.toLocalFile().endsWith(QStringLiteral(".rac"))) {
            return url.toLocalFile();
        }
    }
    return {};
}

} // namespace

SelectionFiles::SelectionFiles(program::Application& application, platform::SettingsStore& settings)
    : application_(application), settings_(settings),
      newAction_(new QAction(QStringLiteral("&New"), this)),
      openAction_(new QAction(QStringLiteral("&Open..."), this)),
      saveAction_(new QAction(QStringLiteral("&Save"), this)),
      saveAsAction_(new QAction(QStringLiteral("Save &As..."), this)) {
    newAction_->setObjectName(QStringLiteral("actNewSelection"));
    openAction_->setObjectName(QStringLiteral("actOpenSelection"));
    saveAction_->setObjectName(QStringLiteral("actSaveSelection"));
    saveAsAction_->setObjectName(QStringLiteral("actSaveSelectionAs"));
    newAction_->setShortcut(QKeySequence::New);
    openAction_->setShortcut(QKeySequence::Open);
    saveAction_->setShortcut(QKeySequence::Save);
    saveAsAction_->setShortcut(QKeySequence::SaveAs);
    connect(newAction_, &QAction::triggered, this, [this] { newSelection(); });
    connect(openAction_, &QAction::triggered, this, [this] { openChosen(); });
    connect(saveAction_, &QAction::triggered, this, [this] { save(); });
    connect(saveAsAction_, &QAction::triggered, this, [this] { saveAs(); });
    // The location window holds the bin payback's location, an entry of the costing.
    for (const char* name : {"frmMain", "frmCosting", "frmSelectBinData"}) {
        if (platform::Form* form = application_.form(name)) {
            observe(*form);
        }
    }
}

SelectionFiles::~SelectionFiles() {
    for (const auto& [form, id] : observers_) {
        form->unobserve(id);
    }
}

void SelectionFiles::observe(platform::Form& form) {
    const std::size_t id =
        form.observe([this, &form](const platform::Control* control, platform::Property p) {
            entryChanged(form, control, p);
        });
    observers_.emplace_back(&form, id);
}

// A change is the user's when it lands on the entry they are in (a click or a pick gives the
// control the focus first), on a mode or target menu, or opens or closes the costing. What
// Calculate writes lands elsewhere: the focus is on its button.
void SelectionFiles::entryChanged(platform::Form& form, const platform::Control* control,
                                  platform::Property property) {
    using platform::Property;
    if (entering_ || modified_) {
        return;
    }
    bool changed = false;
    if (control == nullptr) {
        changed = property == Property::State && form.name() == "frmCosting";
    } else if (property == Property::Checked) {
        changed = std::find(std::begin(kModeMenus), std::end(kModeMenus), control->name()) !=
                  std::end(kModeMenus);
    } else if (property == Property::Text || property == Property::ListIndex ||
               property == Property::Value) {
        changed = form.focus() == control && isEntry(form, control->name());
    }
    if (changed) {
        setDocument(path_, true);
    }
}

void SelectionFiles::attach(QWidget& window, platform::Form& form) {
    addEntries(window);
    if (form.name() == "frmMain") {
        mainWindow_ = &window;
        window.setAcceptDrops(true);
        window.installEventFilter(this);
        guardExit(window, form);
        updateTitle();
    }
}

void SelectionFiles::addEntries(QWidget& window) {
    auto* fileEntry = window.findChild<QAction*>(QStringLiteral("mnuFile"));
    QMenu* file = fileEntry == nullptr ? nullptr : fileEntry->menu();
    if (file == nullptr) {
        return;
    }
    QAction* first = file->actions().value(0);
    file->insertActions(first, {newAction_, openAction_});
    auto* recent = new QMenu(QStringLiteral("Open &Recent"), file);
    recent->setObjectName(QStringLiteral("mnuRecentSelections"));
    file->insertMenu(first, recent);
    recentMenus_.push_back(recent);
    showRecent(*recent);
    file->insertActions(first, {saveAction_, saveAsAction_});
    file->insertSeparator(first);
}

// Exit from the menu or the toolbar asks first, as the close box does; the binding's own
// handling of those two entries is replaced by the same click once the question is answered.
void SelectionFiles::guardExit(QWidget& window, platform::Form& main) {
    const std::string toolbarExit =
        "Toolbar1(" + std::to_string(mainscreen::layout::kToolExit) + ")";
    for (const std::string& name : {std::string("mnuExit"), toolbarExit}) {
        auto* action = window.findChild<QAction*>(toQt(name));
        if (action == nullptr) {
            continue;
        }
        if (auto* binding = window.findChild<FormBinding*>()) {
            QObject::disconnect(action, &QAction::triggered, binding, nullptr);
        }
        connect(action, &QAction::triggered, this, [this, &main, name] {
            if (!maySave()) {
                return;
            }
            try {
                platform::user::click(main, name);
            } catch (const std::exception& fault) {
                warn(QStringLiteral("ZYL RAC"), toQt(fault.what()));
            }
        });
    }
}

void SelectionFiles::started() {
    application_.takeSnapshot();
}

bool SelectionFiles::eventFilter(QObject* watched, QEvent* event) {
    if (watched != mainWindow_) {
        return false;
    }
    switch (event->type()) {
    case QEvent::Close:
        // The close box; a close from the window system (log-off) is never held up.
        if (event->spontaneous() && !maySave()) {
            event->ignore();
            return true;
        }
        return false;
    case QEvent::DragEnter: {
        auto* drag = static_cast<QDragEnterEvent*>(event);
        if (!droppedFile(drag->mimeData()).isEmpty()) {
            drag->acceptProposedAction();
            return true;
        }
        return false;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = droppedFile(drop->mimeData());
        if (path.isEmpty()) {
            return false;
        }
        drop->acceptProposedAction();
        // Opening asks and shows message boxes: not inside the drag and drop.
        QMetaObject::invokeMethod(
            this, [this, path] { open(path); }, Qt::QueuedConnection);
        return true;
    }
    default:
        return false;
    }
}

bool SelectionFiles::maySave() {
    if (!modified_) {
        return true;
    }
    const QString name = path_.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(path_).fileName();
    QMessageBox box(QMessageBox::Warning, QStringLiteral("ZYL RAC"),
                    QStringLiteral("Do you want to save the changes to %1?").arg(name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, mainWindow_);
    box.button(QMessageBox::Discard)->setText(QStringLiteral("Don't Save"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool SelectionFiles::newSelection() {
    if (!maySave()) {
        return false;
    }
    {
        const FlagWhile entering(entering_);
        application_.restoreSnapshot();
    }
    setDocument({}, false);
    return true;
}

bool SelectionFiles::openChosen() {
    if (!maySave()) {
        return false;
    }
    const auto chosen = chooseFileToOpen("Open Selection", kFilter);
    if (!chosen) {
        return false;
    }
    // Already asked: the file opens without asking again.
    const bool wasModified = modified_;
    modified_ = false;
    if (!open(toQt(*chosen))) {
        modified_ = wasModified;
        return false;
    }
    return true;
}

bool SelectionFiles::open(const QString& path) {
    if (!maySave()) {
        return false;
    }
    selection::CalculateRequest read;
    try {
        read = selection::readSelectionFile(fromQt(path));
    } catch (const selection::SelectionFileError& bad) {
        // The screens keep what they show: a file that cannot be read changes nothing.
        warn(QStringLiteral("Open Selection"),
             QStringLiteral("The selection could not be opened.\n\n") + toQt(bad.what()));
        return false;
    }
    std::optional<std::string> refused;
    {
        const FlagWhile entering(entering_);
        application_.restoreSnapshot();
        refused = selection::openSelection(view_, read);
    }
    remember(path);
    if (refused) {
        // Saving what could be entered must not replace the file it came from.
        setDocument({}, true);
        warn(QStringLiteral("Open Selection"),
             QStringLiteral("%1 was opened as far as the screens allow.\n\n%2\n\nThe entries "
                            "shown are a new, unsaved selection: saving them does not replace "
                            "the file.")
                 .arg(QFileInfo(path).fileName(), toQt(*refused)));
        return true;
    }
    setDocument(path, false);
    return true;
}

bool SelectionFiles::save() {
    return path_.isEmpty() ? saveAs() : saveTo(path_);
}

bool SelectionFiles::saveAs() {
    QtFileDialogs dialogs;
    const auto chosen = dialogs.saveFile({"Save Selection As", std::string(kFilter), 1});
    return chosen && saveTo(toQt(*chosen));
}

bool SelectionFiles::saveTo(const QString& path) {
    const WriteResult written =
        selection::writeSelectionFile(fromQt(path), selection::shownSelection(view_));
    if (!written) {
        warn(QStringLiteral("Save Selection"),
             QStringLiteral("The selection could not be saved to %1: %2.")
                 .arg(path, toQt(written.failure)));
        return false;
    }
    remember(path);
    setDocument(path, false);
    return true;
}

void SelectionFiles::setDocument(const QString& path, bool modified) {
    path_ = path;
    modified_ = modified;
    updateTitle();
}

QStringList SelectionFiles::recentFiles() const {
    QStringList files;
    for (int position = 1; position <= kRecentFiles; ++position) {
        const std::string file = settings_.read(kRecentSection, fromQt(recentKey(position)));
        if (!file.empty()) {
            files << toQt(file);
        }
    }
    return files;
}

void SelectionFiles::remember(const QString& path) {
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    for (int position = 1; position <= kRecentFiles; ++position) {
        settings_.write(kRecentSection, fromQt(recentKey(position)),
                        fromQt(files.value(position - 1)));
    }
    for (QMenu* menu : recentMenus_) {
        showRecent(*menu);
    }
}

void SelectionFiles::showRecent(QMenu& menu) {
    menu.clear();
    const QStringList files = recentFiles();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction* entry = menu.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path));
        connect(entry, &QAction::triggered, this, [this, path] { open(path); });
    }
    menu.setEnabled(!files.isEmpty());
}

// "pair.rac* - ZYL RAC Version 1.1" while changed; the form's own title for an untouched new
// selection.
void SelectionFiles::updateTitle() {
    if (mainWindow_ == nullptr) {
        return;
    }
    const QString title = toQt(application_.form("frmMain")->title());
    if (path_.isEmpty() && !modified_) {
        mainWindow_->setWindowTitle(title);
    } else {
        const QString name =
            path_.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(path_).fileName();
        mainWindow_->setWindowTitle(name + QStringLiteral("[*] - ") + title);
    }
    mainWindow_->setWindowModified(modified_);
}

void SelectionFiles::warn(const QString& title, const QString& text) {
    QMessageBox::warning(QApplication::activeWindow(), title, text);
}

} // namespace rac::gui

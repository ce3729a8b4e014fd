// Selection files on the desktop as a person uses them: opened from the command line, the
// question before unsaved changes are lost, and files the screens cannot take.
#include "cli/application_program.h"
#include "cli/calculate_driver.h"
#include "desktop_fixture.h"
#include "dialog_driver.h"
#include "list_popup.h"
#include "selection/selection_file.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>

namespace rac::gui {
namespace {

using namespace testing_support;

class SelectionFilesOnTheDesktop : public DesktopStart {
  protected:
    QString path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
    QString write(const char* name, const selection::CalculateRequest& selection) const {
        EXPECT_TRUE(selection::writeSelectionFile(path(name).toStdString(), selection));
        return path(name);
    }
    // As a person changes an entry: a click into the box, its text selected and typed over,
    // and Tab to the next.
    static void retype(QLineEdit& box, const char* keys) {
        QTest::mouseClick(&box, Qt::LeftButton);
        press(Qt::Key_A, Qt::ControlModifier);
        type(keys);
        press(Qt::Key_Tab);
    }
    void retype(const char* box, const char* keys) { retype(widget<QLineEdit>(box), keys); }
    bool shown(const char* form) {
        return desktop.window(form) != nullptr && desktop.window(form)->isVisible();
    }
    // A message box has just closed: the main window is the active one again, as on a desktop.
    void pressOnMain(Qt::Key key) {
        QApplication::setActiveWindow(&main());
        QTest::keyClick(&main(), key, Qt::ControlModifier);
    }
    const QString& lastMessage() const { return dialogs.messages.back().text; }
    static bool has(const std::vector<std::pair<std::string, std::string>>& entries,
                    const char* entry, const char* text) {
        return std::ranges::find(entries, std::pair<std::string, std::string>{entry, text}) !=
               entries.end();
    }
    // The file as saved holds the costing entry with that text.
    static bool savedCostingHas(const QString& file, const char* entry, const char* text) {
        const auto saved = selection::readSelectionFile(file.toStdString());
        return saved.costing && has(saved.costing->fields, entry, text);
    }

    DialogDriver dialogs;
    QTemporaryDir folder;
};

selection::CalculateRequest ratingWithGlycol() {
    selection::CalculateRequest rating;
    rating.mode = selection::Mode::Rating;
    rating.fields = {
        {"txtNumberRowsSupply", "6"}, {"txtDBSupplyOn", "2"}, {"cmbGlycolSelect", "PGS"}};
    return rating;
}

// `rac FILE.rac`: the entries made and Calculate pressed, showing what rac-cli answers for the
// same file.
TEST_F(SelectionFilesOnTheDesktop, OpensTheFileGivenOnTheCommandLine) {
    const QString file = write("rating.rac", ratingWithGlycol());
    desktop.openWhenStarted(file);
    openMain();
    QTRY_COMPARE(text("txtNumberRowsSupply"), "6");
    EXPECT_EQ(text("cmbGlycolSelect"), "PGS");
    EXPECT_EQ(text("txtDBSupplyOn"), "2");
    const cli::CalculateOutcome answer =
        cli::calculate(selection::readSelectionFile(file.toStdString()), cli::launchApplication);
    ASSERT_FALSE(answer.aborted);
    for (const auto& [name, shown] : answer.fields) {
        EXPECT_EQ(text(std::string(name).c_str()), shown) << name;
    }
    EXPECT_EQ(main().windowTitle(), "rating.rac[*] - ZYL RAC Version 1.1");
    EXPECT_FALSE(main().isWindowModified());
    EXPECT_EQ(desktop.files().recentFiles().value(0), file);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SelectionFilesOnTheDesktop, NewExitAndTheCloseBoxAskFirstAndCancelKeepsTheEntries) {
    openMain();
    retype("txtDBSupplyOn", "5");
    EXPECT_TRUE(main().isWindowModified());
    EXPECT_EQ(main().windowTitle(), "Untitled[*] - ZYL RAC Version 1.1");

    dialogs.answerWith(QMessageBox::Cancel);
    pressOnMain(Qt::Key_N);
    EXPECT_EQ(lastMessage(), "Do you want to save the changes to Untitled?");
    dialogs.answerWith(QMessageBox::Cancel);
    main().findChild<QAction*>("mnuExit")->trigger();
    dialogs.answerWith(QMessageBox::Cancel);
    closeByTheCloseBox(main());
    EXPECT_FALSE(desktop.application().exited());
    EXPECT_TRUE(main().isVisible());
    ASSERT_EQ(dialogs.messages.size(), 3U);
    EXPECT_EQ(lastMessage(), "Do you want to save the changes to Untitled?");
    EXPECT_EQ(text("txtDBSupplyOn"), "5");
    EXPECT_TRUE(main().isWindowModified());

    dialogs.answerWith(QMessageBox::Discard);
    pressOnMain(Qt::Key_N);
    EXPECT_EQ(dialogs.messages.size(), 4U);
    EXPECT_EQ(text("txtDBSupplyOn"), "0");
    EXPECT_FALSE(main().isWindowModified());
    EXPECT_EQ(main().windowTitle(), "ZYL RAC Version 1.1");
    // Calculate writes results, not entries: nothing to save.
    QTest::mouseClick(&widget<QPushButton>("cmdCalculate"), Qt::LeftButton);
    EXPECT_FALSE(main().isWindowModified());

    QApplication::setActiveWindow(&main()); // the message box has closed
    retype("txtDBSupplyOn", "5");
    dialogs.answerWith(QMessageBox::Discard);
    closeByTheCloseBox(main());
    EXPECT_TRUE(desktop.application().exited());
}

TEST_F(SelectionFilesOnTheDesktop, OpenAsksFirstAndSaveWritesTheChangesBeforeOpening) {
    const QString other = write("other.rac", ratingWithGlycol());
    openMain();
    retype("txtDBSupplyOn", "5");
    dialogs.answerWith(QMessageBox::Save);
    dialogs.typeFileName(path("mine")); // Save As, for a selection never saved
    dialogs.typeFileName(other);        // then Open
    pressOnMain(Qt::Key_O);

    QTRY_COMPARE(text("txtNumberRowsSupply"), "6");
    EXPECT_EQ(text("txtDBSupplyOn"), "2");
    EXPECT_EQ(main().windowTitle(), "other.rac[*] - ZYL RAC Version 1.1");
    ASSERT_EQ(dialogs.fileDialogs.size(), 2U);
    EXPECT_EQ(dialogs.fileDialogs[0].title, "Save Selection As");
    EXPECT_EQ(dialogs.fileDialogs[1].title, "Open Selection");
    EXPECT_EQ(dialogs.fileDialogs[1].text, "ZYL RAC Selection (*.rac)");
    const auto saved = selection::readSelectionFile(path("mine.rac").toStdString());
    EXPECT_EQ(saved.mode, selection::Mode::Selection);
    EXPECT_TRUE(has(saved.fields, "txtDBSupplyOn", "5"));
    EXPECT_EQ(desktop.files().recentFiles().mid(0, 2), QStringList({other, path("mine.rac")}));
}

// A file dropped on the main window opens with its costing; Ctrl+S on the costing window saves
// the change made there into the same file.
TEST_F(SelectionFilesOnTheDesktop, ADroppedFileOpensWithItsCostingAndSavesFromTheCostingWindow) {
    selection::CalculateRequest costed = ratingWithGlycol();
    costed.costing = selection::CostingRequest{
        std::nullopt, {{"cmbCountry", "Kuwait"}, {"txtEnergyCost", "0.01"}}};
    const QString file = write("costed.rac", costed);
    openMain();
    QMimeData dragged;
    dragged.setUrls({QUrl::fromLocalFile(file)});
    const QPoint centre = main().rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&main(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(centre, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&main(), &drop);
    QTRY_VERIFY(shown("frmCosting"));
    QWidget& costing = *desktop.window("frmCosting");
    auto& energyCost = *costing.findChild<QLineEdit*>("txtEnergyCost");
    EXPECT_EQ(energyCost.text(), "0.01");
    EXPECT_NE(costing.findChild<QLineEdit*>("txtSellPriceSupply")->text(), "");

    QApplication::setActiveWindow(&costing);
    retype(energyCost, "0.02");
    EXPECT_TRUE(main().isWindowModified());
    QTest::keyClick(&costing, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(main().isWindowModified());
    EXPECT_TRUE(savedCostingHas(file, "txtEnergyCost", "0.02"));
    EXPECT_TRUE(savedCostingHas(file, "cmbCountry", "Kuwait"));
    EXPECT_TRUE(dialogs.messages.empty());
}

// A bin location picked in the location window is a change of the selection, saved with it.
TEST_F(SelectionFilesOnTheDesktop, ALocationPickedInTheLocationWindowIsAnUnsavedChange) {
    selection::CalculateRequest costed = ratingWithGlycol();
    costed.costing = selection::CostingRequest{std::nullopt, {{"optBinPayback", "1"}}};
    const QString file = write("bins.rac", costed);
    openMain();
    ASSERT_TRUE(desktop.files().open(file));
    QTRY_VERIFY(shown("frmCosting"));
    ASSERT_FALSE(main().isWindowModified());
    QWidget& costing = *desktop.window("frmCosting");
    QApplication::setActiveWindow(&costing);
    QTest::mouseClick(costing.findChild<QPushButton*>("cmdBinData"), Qt::LeftButton);
    QTRY_VERIFY(shown("frmSelectBinData"));
    QWidget& locations = *desktop.window("frmSelectBinData");
    QApplication::setActiveWindow(&locations);
    ASSERT_TRUE(testing_support::pickWithMouse(*locations.findChild<QComboBox*>("cmbLocation"),
                                               QStringLiteral("Germany - Frankfurt")));
    EXPECT_TRUE(main().isWindowModified());
    QTest::mouseClick(locations.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    QApplication::setActiveWindow(&costing);
    QTest::keyClick(&costing, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(main().isWindowModified());
    EXPECT_TRUE(savedCostingHas(file, "cmbLocation", "Germany - Frankfurt"));
}

// The folder went away (a removed drive): the save says why and the changes stay unsaved.
TEST_F(SelectionFilesOnTheDesktop, AFailedSaveSaysWhyAndKeepsTheChangesUnsaved) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("drive")));
    const QString file = write("drive/rating.rac", ratingWithGlycol());
    openMain();
    ASSERT_TRUE(desktop.files().open(file));
    retype("txtDBSupplyOn", "3");
    ASSERT_TRUE(QDir(path("drive")).removeRecursively());
    pressOnMain(Qt::Key_S);
    EXPECT_EQ(lastMessage(),
              "The selection could not be saved to " + file + ": No such file or directory.");
    EXPECT_TRUE(main().isWindowModified());
    EXPECT_EQ(main().windowTitle(), "rating.rac[*] - ZYL RAC Version 1.1");
}

// A file that is no selection changes nothing; one whose entry the screens refuse opens as far
// as it can, calculates nothing, and cannot be saved over by mistake.
TEST_F(SelectionFilesOnTheDesktop, FilesTheScreensCannotTakeAreReported) {
    QFile bad(path("bad.rac"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("{\"format\": 1,");
    bad.close();
    selection::CalculateRequest refused = ratingWithGlycol();
    refused.fields.insert(refused.fields.begin(), {"cmbTubeDiameterSupply", "20mm"});
    const QString partial = write("partial.rac", refused);
    openMain();
    retype("txtDBSupplyOn", "5");
    QTest::mouseClick(&widget<QPushButton>("cmdCalculate"), Qt::LeftButton);
    const std::string shownBefore = text("txtDBSupplyOff");

    dialogs.answerWith(QMessageBox::Discard);
    dialogs.typeFileName(bad.fileName());
    pressOnMain(Qt::Key_O);
    EXPECT_EQ(lastMessage(), "The selection could not be opened.\n\n\"" + bad.fileName() +
                                 "\": line 1: malformed JSON: syntax error while parsing object "
                                 "key - unexpected end of input; expected string literal");
    EXPECT_EQ(text("txtDBSupplyOn"), "5");
    EXPECT_EQ(text("txtDBSupplyOff"), shownBefore);

    dialogs.answerWith(QMessageBox::Discard);
    EXPECT_TRUE(desktop.files().open(partial));
    EXPECT_EQ(lastMessage(), "partial.rac was opened as far as the screens allow.\n\n"
                             "frmMain.cmbTubeDiameterSupply: the list has no item \"20mm\"\n\n"
                             "The entries shown are a new, unsaved selection: saving them does "
                             "not replace the file.");
    EXPECT_EQ(text("txtDBSupplyOn"), "0");
    EXPECT_EQ(text("txtDBSupplyOff"), "");
    EXPECT_EQ(main().windowTitle(), "Untitled[*] - ZYL RAC Version 1.1");
    EXPECT_TRUE(main().isWindowModified());
}

} // namespace
} // namespace rac::gui

// The Qt side of the platform services.
#include "file_contents.h"
#include "gui/file_dialogs.h"
#include "gui/help_topics.h"
#include "gui/help_window.h"
#include "gui/message_sink.h"
#include "gui/settings_store.h"
#include "gui/window_printer.h"
#include "platform/form.h"
#include "platform/platform_error.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace rac::gui {
namespace {

using testing_support::contentsOf;

TEST(QtSettingsStore, SectionsAreGroupsOfTheStore) {
    QTemporaryDir folder;
    const QString path = folder.filePath("ZYLRAC.ini");
    {
        QtSettingsStore store(path);
        store.write("PaybackCalc", "Country", "7");
        store.write("PaybackCalc", "EnergyCost", "0.12, peak");
        EXPECT_EQ(store.read("PaybackCalc", "Country"), "7");
        EXPECT_EQ(store.read("PaybackCalc", "BinLocation", "missing"), "missing");
    }
    const QByteArray text = contentsOf(path);
    EXPECT_TRUE(text.contains("[PaybackCalc]"));
    EXPECT_TRUE(text.contains("Country=7"));
    QtSettingsStore again(path); // what one run wrote, the next reads
    EXPECT_EQ(again.read("PaybackCalc", "EnergyCost"), "0.12, peak");
}

TEST(QtSettingsStore, BadStoresGiveTheDefaults) {
    QTemporaryDir folder;
    // Missing file.
    EXPECT_EQ(QtSettingsStore(folder.filePath("none.ini")).read("PaybackCalc", "Country", "d"),
              "d");
    // Unreadable: a folder where the file should be.
    QDir(folder.path()).mkdir("store.ini");
    QtSettingsStore unreadable(folder.filePath("store.ini"));
    EXPECT_EQ(unreadable.read("PaybackCalc", "Country", "d"), "d");
    EXPECT_NO_THROW(unreadable.write("PaybackCalc", "Country", "3"));
    // A hand-edited list reads as its one text; a garbled file gives the defaults.
    const auto handEdited = [&](const char* name, const char* text) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) > 0);
        return folder.filePath(name);
    };
    QtSettingsStore list(handEdited("list.ini", "[PaybackCalc]\nCountry=1, 2\n"));
    EXPECT_EQ(list.read("PaybackCalc", "Country", "d"), "1, 2");
    QtSettingsStore garbled(
        handEdited("garbled.ini", "[PaybackCalc]\nCountry=1\n\x01\x02garbage\n[broken\n"));
    EXPECT_EQ(garbled.read("PaybackCalc", "Country", "d"), "d");
    // Names the store cannot hold, even where Qt would find a value by them.
    EXPECT_EQ(list.read("", "PaybackCalc/Country", "d"), "d");
    EXPECT_THROW(list.write("", "Country", "1"), platform::PlatformError);
}

TEST(QtNameFilters, FormFiltersBecomeQtFilters) {
    const std::pair<const char*, QStringList> rows[] = {
        {"Rich Text Format (*.rtf)|*.rtf|", {"Rich Text Format (*.rtf)"}},
        {"Rich Text|*.rtf", {"Rich Text (*.rtf)"}},
        {"Documents|*.rtf;*.doc|All files (*.*)|*.*|",
         {"Documents (*.rtf *.doc)", "All files (*.*)"}},
        {"Text (plain)|*.txt|", {"Text (plain) (*.txt)"}},
        {"", {}},
        {"No pattern||", {}},
    };
    for (const auto& [filter, expected] : rows) {
        EXPECT_EQ(qtNameFilters(filter), expected) << filter;
    }
}

// Printing with a chooser that picks a PDF file, or cancels when given no path.
class PrintToPdf : public ::testing::Test {
  protected:
    PrintToPdf() : form("frmToy", "Toy window") {
        window.resize(300, 200);
        new QLabel("Printed", &window);
    }

    QtPrinter printerTo(const QString& path) {
        return QtPrinter([this](const platform::Form&) { return &window; },
                         [this, path](QPrinter& printer, const QString&, bool) {
                             ++asked;
                             printer.setOutputFormat(QPrinter::PdfFormat);
                             printer.setOutputFileName(path);
                             return !path.isEmpty();
                         });
    }

    QTemporaryDir folder;
    platform::Form form;
    QWidget window;
    int asked = 0;
};

TEST_F(PrintToPdf, WindowAndDocumentsGoToTheChosenFile) {
    const QString image = folder.filePath("window.pdf");
    const QString document = folder.filePath("document.pdf");
    EXPECT_TRUE(printerTo(image).printWindow(form));
    EXPECT_EQ(printerTo(document).printDocument({"Summary", "Supply coil\n12WH10.4-26Tx1000\n"}),
              (platform::PrintResult{platform::PrintOutcome::Printed, ""}));
    for (const QString& path : {image, document}) {
        EXPECT_TRUE(contentsOf(path).startsWith("%PDF")) << path.toStdString();
    }
}

TEST_F(PrintToPdf, CancelledIsNotAFailureAndFailureIsReported) {
    EXPECT_TRUE(printerTo({}).printWindow(form));
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(printerTo(folder.filePath("missing/window.pdf")).printWindow(form));
    QtPrinter noWindow([](const platform::Form&) -> QWidget* { return nullptr; },
                       [](QPrinter&, const QString&, bool) { return true; });
    EXPECT_FALSE(noWindow.printWindow(form));
    EXPECT_EQ(printerTo({}).printDocument({"Summary", "x"}),
              (platform::PrintResult{platform::PrintOutcome::Cancelled, ""}));
    EXPECT_EQ(printerTo(folder.filePath("missing/x.pdf")).printDocument({"Summary", "x"}),
              (platform::PrintResult{platform::PrintOutcome::Failed,
                                     "the PDF file cannot be written there"}));
}

TEST(Help, RequestsOpenTheContentsOrTheirTopicAndTheTextIsSearched) {
    EXPECT_EQ(helpPageFor(platform::helpContents("ZYLRAC.hlp")), "index.html");
    EXPECT_EQ(helpPageFor(platform::helpAtContext("C:\\Program Files\\ZYL\\zylrac.hlp", 1)),
              "circuiting.html");
    EXPECT_EQ(helpPageFor(platform::helpAtContext("ZYLRAC.hlp", 2)), "costing.html");
    EXPECT_EQ(helpPageFor(platform::helpAtContext("/opt/zyl/ZYLRAC.HLP", 99)), "index.html");
    EXPECT_EQ(helpPageFor(platform::helpContents("other.hlp")), std::nullopt);
    for (const auto& topic : helpTopics()) {
        EXPECT_FALSE(contentsOf(":/help/" + topic.page).isEmpty()) << topic.page.toStdString();
    }

    QtHelpViewer viewer;
    viewer.show(platform::helpAtContext("ZYLRAC.hlp", 1));
    ASSERT_NE(viewer.window(), nullptr);
    EXPECT_EQ(viewer.window()->currentPage(), "circuiting.html");
    viewer.show(platform::helpContents("ZYLRAC.hlp"));
    EXPECT_EQ(viewer.window()->currentPage(), "index.html");

    viewer.window()->search("uncircuitable");
    const QStringList found = viewer.window()->listedTopics();
    EXPECT_TRUE(found.contains("Circuit types and non-standard configurations"));
    EXPECT_FALSE(found.contains("Costing and payback"));
    viewer.window()->search("");
    EXPECT_EQ(viewer.window()->listedTopics().size(), static_cast<qsizetype>(helpTopics().size()));
}

TEST(MessageBoxes, LookAsTheMessageAsksAndHelpOpensAtItsContext) {
    auto info = makeMessageBox(information("Value Out Of Range", "<b>50</b> kPa"), nullptr);
    EXPECT_EQ(info->windowTitle(), "Value Out Of Range");
    EXPECT_EQ(info->icon(), QMessageBox::Information);
    EXPECT_EQ(info->textFormat(), Qt::PlainText); // a typed value is never markup
    EXPECT_EQ(info->standardButtons(), QMessageBox::Ok);

    auto plain = makeMessageBox(okOnly("", "System Information Is Unavailable"), nullptr);
    EXPECT_EQ(plain->windowTitle(), "ZYL RAC");
    EXPECT_EQ(plain->icon(), QMessageBox::NoIcon);

    const auto nonStandard = withHelpButton("Non-Standard", "text", "zylrac.hlp", 1);
    auto withHelp = makeMessageBox(nonStandard, nullptr);
    EXPECT_EQ(withHelp->standardButtons(), QMessageBox::Ok | QMessageBox::Help);
    EXPECT_EQ(withHelp->icon(), QMessageBox::NoIcon);

    platform::RecordingHelpViewer help;
    QtMessageSink sink(help);
    // Runs once the message box's own event loop is going: waits for the box, then clicks.
    const auto press = [](QMessageBox::StandardButton which) {
        QMetaObject::invokeMethod(
            qApp,
            [which] {
                QMessageBox* box = nullptr;
                if (QTest::qWaitFor([&box] {
                        box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                        return box != nullptr && box->isVisible();
                    })) {
                    QTest::mouseClick(box->button(which), Qt::LeftButton);
                }
            },
            Qt::QueuedConnection);
    };
    press(QMessageBox::Help);
    sink.show(nonStandard);
    press(QMessageBox::Ok);
    sink.show(nonStandard);
    ASSERT_EQ(help.requests().size(), 1u); // OK opens nothing
    EXPECT_EQ(help.requests().front(), platform::helpAtContext("zylrac.hlp", 1));
}

} // namespace
} // namespace rac::gui

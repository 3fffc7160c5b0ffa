#include "gui/QtDialogs.h"
#include "gui/QtServices.h"
#include "gui/TextCodec.h"

#include "WhenModalShows.h"
#include "core/AppState.h"
#include "shell/ShellServices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace corvalet;

TEST(TextCodecBytes, Windows1252RoundTrip)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(char(b));
    EXPECT_EQ(gui::toBytes(gui::fromBytes(all)), all);
    EXPECT_EQ(gui::fromBytes("\x80\x93\xE9"), QString::fromUtf8("\u20AC\u201C\u00E9"));
    EXPECT_EQ(gui::toBytes(QString::fromUtf8("\u4E2D")), "?");
}

TEST(QtClipboardText, KeepsEightBitTextThroughTheSystemClipboard)
{
    qtTestApp();
    gui::QtClipboard clipboard;
    const std::string text = "PlotvaneLoad: /w/caf\xE9 1.las\t\x80";
    clipboard.setText(text);
    EXPECT_EQ(clipboard.text(), text);
    clipboard.clear();
    EXPECT_EQ(clipboard.text(), "");
}

TEST(QtPointer, OverrideCursorOnlyForTheOutermostGuard)
{
    qtTestApp();
    gui::QtPointerDisplay display;
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        platform::BusyPointer outer(display);
        {
            platform::BusyPointer inner(display);
        }
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(QtPrinterPdf, PrintsEveryPageToTheFile)
{
    qtTestApp();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath("results.pdf");
    gui::QtPrinter printer(nullptr, file);
    ASSERT_TRUE(printer.startDoc("Certify results"));
    for (int i = 0; i < 150; ++i) // more than one sheet holds
        printer.printLine("line " + std::to_string(i));
    printer.newPage();
    printer.printText("last\r\npage");
    ASSERT_TRUE(printer.endDoc());
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    // At least three sheets: the long first page runs over, then the explicit new page.
    EXPECT_GE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 3);
    EXPECT_FALSE(printer.endDoc());
}

namespace {

// Without an installed printer the print dialog can only print to a PDF file.
bool onlyPrintsToFiles()
{
    return QPrinter().outputFormat() == QPrinter::PdfFormat;
}

// Answers the next print dialog: prints to `file`, keeping the file name the dialog offered in
// *offered, or cancels when `file` is empty.
void answerPrintDialog(const QString& file, QString* offered = nullptr)
{
    whenModalShows<QPrintDialog>([file, offered](QPrintDialog* dialog) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
        if (!name || file.isEmpty()) {
            dialog->reject();
            return;
        }
        if (offered)
            *offered = name->text();
        name->setText(file);
        dialog->accept();
    });
}

} // namespace

TEST(QtPrinterDialog, AcceptedPrintsToTheChosenFileCancelledPrintsNothing)
{
    qtTestApp();
    if (!onlyPrintsToFiles())
        GTEST_SKIP() << "a printer is installed: accepting the dialog would print on paper";
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const bool accept : {true, false}) {
        SCOPED_TRACE(accept ? "accepted" : "cancelled");
        const QString file = folder.filePath(accept ? "accepted.pdf" : "cancelled.pdf");
        QString offered;
        answerPrintDialog(accept ? file : QString(), &offered);
        gui::QtPrinter printer;
        EXPECT_EQ(printer.startDoc("Certify Results"), accept);
        printer.printText("Failed: x\r\n\r\n");
        EXPECT_EQ(printer.endDoc(), accept);
        EXPECT_EQ(QFile::exists(file), accept);
        if (accept) {
            // Printing to a file is all this machine offers; the file offered is named after the document.
            EXPECT_EQ(offered, gui::suggestedPdfFile("Certify Results"));
            QFile pdf(file);
            ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
            EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
        }
    }
}

TEST(QtPrinterDialog, TheSuggestedPdfFileIsAPlainNameAfterTheDocument)
{
    const struct {
        const char* docName;
        const char* file;
    } cases[] = {
        {"Certify Results", "Certify Results.pdf"},
        {"a/b\\c:d*e?", "a_b_c_d_e_.pdf"},
        {"  ", "print.pdf"},
        {".hidden", "print.hidden.pdf"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.docName);
        const QFileInfo suggested(gui::suggestedPdfFile(QString::fromLatin1(c.docName)));
        EXPECT_EQ(suggested.fileName(), QString::fromLatin1(c.file));
        EXPECT_TRUE(suggested.absoluteDir().exists());
    }
}

TEST(QtPrintCertifyResults, TheQuestionAndThePrintDialogLeadToThePrintedFile)
{
    qtTestApp();
    if (!onlyPrintsToFiles())
        GTEST_SKIP() << "a printer is installed: accepting the dialog would print on paper";
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath("results.pdf");
    core::AppState state;
    state.certifyOpen = true;
    state.certifyResults.redim(1, 3);
    for (int i = 1; i <= 3; ++i)
        state.certifyResults(1, i) = "Failed: file " + std::to_string(i);

    QString question;
    whenModalShows<QMessageBox>([&](QMessageBox* box) {
        question = box->windowTitle() + ": " + box->text();
        box->button(QMessageBox::Yes)->click();
    });
    answerPrintDialog(file);
    ModalWatchdog watchdog;
    gui::QtDialogs dialogs;
    gui::QtPrinter printer;
    EXPECT_TRUE(shell::printCertifyResults(state, dialogs, printer, 2));
    EXPECT_EQ(question, QStringLiteral("Print Certify Results: ") +
                            QString::fromStdString(shell::printCertifyQuestion(3)));
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
}

#include "gui/QtServices.h"
#include "gui/TextCodec.h"

#include "QtTestApp.h"

#include <QFile>
#include <QGuiApplication>
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

#include "platform/Printer.h"

#include <gtest/gtest.h>

using namespace corvalet::platform;

TEST(RecordingPrinterPages, KeepsPagesOfLinesPerDocument)
{
    RecordingPrinter printer;
    ASSERT_TRUE(printer.startDoc("Results"));
    printer.printText("first\r\nsecond\rthird\nfourth\n");
    printer.printLine("");
    printer.newPage();
    printer.printLine("page two");
    EXPECT_TRUE(printer.inDocument());
    ASSERT_TRUE(printer.endDoc());
    EXPECT_FALSE(printer.endDoc()); // nothing left to end

    ASSERT_EQ(printer.documents().size(), 1u);
    const auto& doc = printer.documents()[0];
    EXPECT_EQ(doc.name, "Results");
    ASSERT_EQ(doc.pages.size(), 2u);
    EXPECT_EQ(doc.pages[0], (std::vector<std::string>{"first", "second", "third", "fourth", ""}));
    EXPECT_EQ(doc.pages[1], std::vector<std::string>{"page two"});
}

TEST(RecordingPrinterPages, PrintingWithoutStartOpensADocument)
{
    RecordingPrinter printer;
    printer.printLine("x");
    ASSERT_TRUE(printer.endDoc());
    EXPECT_EQ(printer.documents().at(0).pages.at(0), std::vector<std::string>{"x"});
}

#pragma once
// Text printing: a document of pages of lines, sent to the printer when it ends.
#include <string>
#include <string_view>
#include <vector>

namespace corvalet::platform {

class Printer {
public:
    virtual ~Printer() = default;
    // Starts a document; false when no document can be printed (no printer, the user cancelled).
    virtual bool startDoc(const std::string& name) = 0;
    virtual void printLine(const std::string& line) = 0;
    virtual void newPage() = 0;
    // Sends the document to the printer; false when that failed.
    virtual bool endDoc() = 0;

    // Prints a text of several lines (CR LF, CR or LF between them) as separate lines; a line
    // end at the very end adds no empty line.
    void printText(std::string_view text);
};

// Tests: keeps every finished document as pages of lines.
class RecordingPrinter final : public Printer {
public:
    struct Document {
        std::string name;
        std::vector<std::vector<std::string>> pages;
    };

    bool startDoc(const std::string& name) override;
    void printLine(const std::string& line) override;
    void newPage() override;
    bool endDoc() override;

    [[nodiscard]] const std::vector<Document>& documents() const { return m_done; }
    [[nodiscard]] bool inDocument() const { return m_open; }

private:
    Document m_current;
    bool m_open = false;
    std::vector<Document> m_done;
};

} // namespace corvalet::platform

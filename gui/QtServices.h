#pragma once
// Qt's side of the small platform services: event pump, busy pointer, clipboard, printer.
#include "platform/BusyPointer.h"
#include "platform/Clipboard.h"
#include "platform/EventPump.h"
#include "platform/Printer.h"

#include <QString>

#include <memory>
#include <string>
#include <vector>

class QPrinter;
class QWidget;

namespace corvalet::gui {

class QtEventPump final : public platform::EventPump {
public:
    void doEvents() override;
};

// The wait cursor over the whole application.
class QtPointerDisplay final : public platform::PointerDisplay {
protected:
    void setBusy(bool busy) override;
};

// The system clipboard as Windows-1252 text.
class QtClipboard final : public platform::Clipboard {
public:
    [[nodiscard]] std::string text() const override;
    void setText(const std::string& text) override;
};

// Where a document printed to a PDF file goes unless the user names another file: the documents
// folder (or the home folder), the document's name made a plain file name, ".pdf".
[[nodiscard]] QString suggestedPdfFile(const QString& docName);

// Collects the document's lines and prints them when it ends, in a fixed-pitch font, starting a
// new sheet where a page is full. The print dialog is shown when the document starts; with an
// output file given, the document goes to that PDF file without a dialog.
class QtPrinter final : public platform::Printer {
public:
    explicit QtPrinter(QWidget* parent = nullptr, QString pdfFile = {});
    ~QtPrinter() override;

    bool startDoc(const std::string& name) override;
    void printLine(const std::string& line) override;
    void newPage() override;
    bool endDoc() override;

private:
    QWidget* m_parent;
    QString m_pdfFile;
    QString m_name;
    bool m_open = false;
    std::vector<std::vector<std::string>> m_pages;
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace corvalet::gui

#include "platform/Printer.h"

namespace corvalet::platform {

void Printer::printText(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            printLine(std::string(text.substr(start)));
            return;
        }
        printLine(std::string(text.substr(start, end - start)));
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
}

bool RecordingPrinter::startDoc(const std::string& name)
{
    m_current = Document{name, {{}}};
    m_open = true;
    return true;
}

// Printing without a started document starts one, as printing to the default printer does.
void RecordingPrinter::printLine(const std::string& line)
{
    if (!m_open)
        startDoc({});
    m_current.pages.back().push_back(line);
}

void RecordingPrinter::newPage()
{
    if (!m_open)
        startDoc({});
    m_current.pages.emplace_back();
}

bool RecordingPrinter::endDoc()
{
    if (!m_open)
        return false;
    m_done.push_back(std::move(m_current));
    m_current = {};
    m_open = false;
    return true;
}

} // namespace corvalet::platform

#include "gui/QtServices.h"

#include "gui/TextCodec.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QStandardPaths>

namespace corvalet::gui {

void QtEventPump::doEvents()
{
    QCoreApplication::processEvents();
}

void QtPointerDisplay::setBusy(bool busy)
{
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

std::string QtClipboard::text() const
{
    return toBytes(QGuiApplication::clipboard()->text());
}

void QtClipboard::setText(const std::string& text)
{
    QGuiApplication::clipboard()->setText(fromBytes(text));
}

QString suggestedPdfFile(const QString& docName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    QString name = docName.trimmed();
    // Keep the name a plain file name, whatever the document is called.
    static const QRegularExpression unsafe(QStringLiteral(R"([/\\:*?"<>|\x00-\x1f])"));
    name.replace(unsafe, QStringLiteral("_"));
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        name.prepend(QStringLiteral("print"));
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

QtPrinter::QtPrinter(QWidget* parent, QString pdfFile) : m_parent(parent), m_pdfFile(std::move(pdfFile)) {}

QtPrinter::~QtPrinter() = default;

bool QtPrinter::startDoc(const std::string& name)
{
    m_name = fromBytes(name);
    m_pages.assign(1, {});
    m_open = true;
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_printer->setDocName(m_name);
    if (!m_pdfFile.isEmpty()) {
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(m_pdfFile);
        return true;
    }
    // Without an installed printer the dialog can only print to a PDF file, and its file field
    // starts as the bare home folder, which cannot be written; offer a file named after the
    // document instead.
    if (m_printer->outputFormat() == QPrinter::PdfFormat && m_printer->outputFileName().isEmpty())
        m_printer->setOutputFileName(suggestedPdfFile(m_name));
    QPrintDialog dialog(m_printer.get(), m_parent ? m_parent : QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) {
        // The document stays open so the caller's lines go nowhere and endDoc reports it.
        m_printer.reset();
        return false;
    }
    return true;
}

void QtPrinter::printLine(const std::string& line)
{
    if (!m_open)
        startDoc({});
    m_pages.back().push_back(line);
}

void QtPrinter::newPage()
{
    if (!m_open)
        startDoc({});
    m_pages.emplace_back();
}

bool QtPrinter::endDoc()
{
    if (!m_open)
        return false;
    m_open = false;
    const std::unique_ptr<QPrinter> printer = std::move(m_printer);
    const std::vector<std::vector<std::string>> pages = std::move(m_pages);
    m_pages.clear();
    if (!printer)
        return false;

    QPainter painter;
    if (!painter.begin(printer.get()))
        return false;
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
    painter.setFont(font);
    const QFontMetrics metrics(font, printer.get());
    const int lineHeight = metrics.lineSpacing();
    const int pageHeight = painter.viewport().height();
    bool first = true;
    for (const auto& page : pages) {
        if (!first && !printer->newPage())
            return false;
        first = false;
        int y = 0;
        for (const std::string& line : page) {
            if (y + lineHeight > pageHeight && y > 0) {
                if (!printer->newPage())
                    return false;
                y = 0;
            }
            painter.drawText(0, y + metrics.ascent(), fromBytes(line));
            y += lineHeight;
        }
    }
    return painter.end();
}

} // namespace corvalet::gui

#include "gui/QtDialogs.h"

#include "gui/TextCodec.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace corvalet::gui {

using namespace platform;

namespace {

QMessageBox::StandardButton standardButton(int result)
{
    switch (result) {
    case MsgResult::Cancel: return QMessageBox::Cancel;
    case MsgResult::Abort: return QMessageBox::Abort;
    case MsgResult::Retry: return QMessageBox::Retry;
    case MsgResult::Ignore: return QMessageBox::Ignore;
    case MsgResult::Yes: return QMessageBox::Yes;
    case MsgResult::No: return QMessageBox::No;
    default: return QMessageBox::Ok;
    }
}

QMessageBox::Icon qtIcon(int style)
{
    switch (msgIcon(style)) {
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QString titleOf(const std::string& title)
{
    return title.empty() ? fromBytes(std::string(defaultDialogTitle)) : fromBytes(title);
}

} // namespace

QStringList qtNameFilters(const std::string& pipeFilter)
{
    QStringList filters;
    for (const FileFilter& entry : parseFileFilter(pipeFilter)) {
        QString description = fromBytes(entry.description).trimmed();
        // Qt reads the patterns from the last parentheses, so the original ones (which may
        // separate patterns with ";") are replaced by ours.
        if (description.endsWith(QLatin1Char(')'))) {
            const qsizetype open = description.lastIndexOf(QLatin1Char('('));
            if (open >= 0)
                description = description.left(open).trimmed();
        }
        QStringList patterns;
        for (const std::string& p : entry.patterns)
            patterns << (p == "*.*" ? QStringLiteral("*") : fromBytes(p));
        if (description.isEmpty())
            description = patterns.join(QLatin1Char(' '));
        filters << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters;
}

QtDialogs::QtDialogs(QWidget* parent) : m_parent(parent) {}

QWidget* QtDialogs::parentWidget() const
{
    return m_parent ? m_parent : QApplication::activeWindow();
}

int QtDialogs::msgBox(const std::string& text, int style, const std::string& title, int)
{
    QMessageBox box(qtIcon(style), titleOf(title), fromBytes(text), QMessageBox::NoButton, parentWidget());
    const std::vector<int> answers = msgButtons(style);
    const int defaultAnswer = msgDefaultAnswer(style);
    for (const int answer : answers) {
        QPushButton* button = box.addButton(standardButton(answer));
        if (answer == defaultAnswer)
            box.setDefaultButton(button);
    }
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (clicked) {
        const QMessageBox::StandardButton pressed = box.standardButton(clicked);
        for (const int answer : answers)
            if (standardButton(answer) == pressed)
                return answer;
    }
    // Closed without a button (Escape or the title bar): Cancel where the box has it.
    for (const int answer : answers)
        if (answer == MsgResult::Cancel)
            return answer;
    return defaultAnswer;
}

int QtDialogs::notify(const std::string& text, int style, const std::string& title, int quietAnswer)
{
    return msgBox(text, style, title, quietAnswer);
}

InputResult QtDialogs::inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parentWidget(), titleOf(title), fromBytes(prompt), QLineEdit::Normal,
                                               fromBytes(defaultText), &ok);
    if (!ok)
        return InputResult{{}, true};
    return InputResult{toBytes(text), false};
}

FileResult QtDialogs::fileDialog(const FileRequest& request, bool save)
{
    QFileDialog dialog(parentWidget(), titleOf(request.title), fromPath(request.folder));
    const QStringList filters = qtNameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.front());
    }
    if (!request.defaultExt.empty())
        dialog.setDefaultSuffix(fromBytes(request.defaultExt));
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(request.multiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    }
    if (!request.fileName.empty())
        dialog.selectFile(fromPath(request.fileName));
    FileResult result;
    if (dialog.exec() != QDialog::Accepted)
        return result;
    for (const QString& file : dialog.selectedFiles())
        result.paths.push_back(toPath(file));
    result.cancelled = result.paths.empty();
    return result;
}

FileResult QtDialogs::openFile(const FileRequest& request) { return fileDialog(request, false); }
FileResult QtDialogs::saveFile(const FileRequest& request) { return fileDialog(request, true); }

std::string QtDialogs::pickFolder(const std::string& title, const std::string& startFolder)
{
    // Qt would take the last part of a start folder that does not exist for a name typed into
    // the dialog, and then refuse the folder the user goes on to choose; such a start folder
    // leaves the dialog where it opens by default instead.
    const QString start = fromPath(startFolder);
    QFileDialog dialog(parentWidget(), titleOf(title), QFileInfo(start).isDir() ? start : QString());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? std::string() : toPath(chosen.front());
}

bool QtDialogs::chooseFont(FontChoice& font)
{
    QFont start(fromBytes(font.name));
    if (font.size > 0)
        start.setPointSizeF(font.size);
    start.setBold(font.bold);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, start, parentWidget());
    if (!ok)
        return false;
    font.name = toBytes(chosen.family());
    font.size = chosen.pointSizeF();
    font.bold = chosen.bold();
    return true;
}

} // namespace corvalet::gui

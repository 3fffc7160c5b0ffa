#include "platform/Dialogs.h"

#include "platform/Text.h"

#include <algorithm>
#include <iostream>

namespace corvalet::platform {

std::vector<int> msgButtons(int style)
{
    using namespace MsgResult;
    switch (style & MsgStyle::ButtonMask) {
    case MsgStyle::OkCancel: return {Ok, Cancel};
    case MsgStyle::AbortRetryIgnore: return {Abort, Retry, Ignore};
    case MsgStyle::YesNoCancel: return {Yes, No, Cancel};
    case MsgStyle::YesNo: return {Yes, No};
    case MsgStyle::RetryCancel: return {Retry, Cancel};
    default: return {Ok};
    }
}

MsgIcon msgIcon(int style)
{
    switch (style & MsgStyle::IconMask) {
    case MsgStyle::Critical: return MsgIcon::Critical;
    case MsgStyle::Question: return MsgIcon::Question;
    case MsgStyle::Exclamation: return MsgIcon::Exclamation;
    case MsgStyle::Information: return MsgIcon::Information;
    default: return MsgIcon::None;
    }
}

int msgDefaultAnswer(int style)
{
    const std::vector<int> buttons = msgButtons(style);
    const std::size_t index = std::size_t((style & MsgStyle::DefaultMask) >> 8);
    return index < buttons.size() ? buttons[index] : buttons.front();
}

std::vector<FileFilter> parseFileFilter(std::string_view filter)
{
    std::vector<std::string_view> parts;
    while (!filter.empty()) {
        const std::size_t bar = filter.find('|');
        parts.push_back(filter.substr(0, bar));
        if (bar == std::string_view::npos)
            break;
        filter.remove_prefix(bar + 1);
    }
    std::vector<FileFilter> entries;
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        FileFilter entry;
        entry.description = std::string(parts[i]);
        std::string_view patterns = i + 1 < parts.size() ? parts[i + 1] : std::string_view("*");
        while (!patterns.empty()) {
            const std::size_t semi = patterns.find(';');
            const std::string_view one = trimBlanks(patterns.substr(0, semi));
            if (!one.empty())
                entry.patterns.emplace_back(one);
            if (semi == std::string_view::npos)
                break;
            patterns.remove_prefix(semi + 1);
        }
        if (entry.patterns.empty())
            entry.patterns.emplace_back("*");
        entries.push_back(std::move(entry));
    }
    return entries;
}

// ---- QuietDialogs

QuietDialogs::QuietDialogs() : m_errors(&std::cerr) {}
QuietDialogs::QuietDialogs(std::ostream& errors) : m_errors(&errors) {}

int QuietDialogs::quietAnswerFor(int style, int quietAnswer)
{
    return quietAnswer != 0 ? quietAnswer : msgDefaultAnswer(style);
}

std::string QuietDialogs::oneLine(const std::string& title, const std::string& text)
{
    std::string line = title.empty() ? std::string(defaultDialogTitle) : title;
    line += ": ";
    // A CR LF pair becomes one blank, lone CR or LF one blank each.
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            line += ' ';
        } else {
            line += c;
        }
    }
    return line;
}

int QuietDialogs::msgBox(const std::string&, int style, const std::string&, int quietAnswer)
{
    return quietAnswerFor(style, quietAnswer);
}

int QuietDialogs::notify(const std::string& text, int style, const std::string& title, int quietAnswer)
{
    *m_errors << oneLine(title, text) << '\n';
    m_errors->flush();
    return quietAnswerFor(style, quietAnswer);
}

InputResult QuietDialogs::inputBox(const std::string&, const std::string&, const std::string&)
{
    return InputResult{{}, true};
}

FileResult QuietDialogs::openFile(const FileRequest&) { return {}; }
FileResult QuietDialogs::saveFile(const FileRequest&) { return {}; }
std::string QuietDialogs::pickFolder(const std::string&, const std::string&) { return {}; }
bool QuietDialogs::chooseFont(FontChoice&) { return false; }

// ---- ScriptedDialogs

int ScriptedDialogs::message(DialogKind kind, const std::string& text, int style, const std::string& title)
{
    DialogCall call{kind, title, text, style, {}, {}, !m_msgAnswers.empty()};
    m_calls.push_back(call);
    if (m_msgAnswers.empty())
        return msgDefaultAnswer(style);
    const int answer = m_msgAnswers.front();
    m_msgAnswers.pop_front();
    return answer;
}

int ScriptedDialogs::msgBox(const std::string& text, int style, const std::string& title, int)
{
    return message(DialogKind::Message, text, style, title);
}

int ScriptedDialogs::notify(const std::string& text, int style, const std::string& title, int)
{
    return message(DialogKind::Notify, text, style, title);
}

InputResult ScriptedDialogs::inputBox(const std::string& prompt, const std::string& title,
                                      const std::string& defaultText)
{
    m_calls.push_back(DialogCall{DialogKind::Input, title, prompt, 0, {}, defaultText, !m_inputAnswers.empty()});
    if (m_inputAnswers.empty())
        return InputResult{{}, true};
    std::optional<std::string> answer = std::move(m_inputAnswers.front());
    m_inputAnswers.pop_front();
    if (!answer)
        return InputResult{{}, true};
    return InputResult{std::move(*answer), false};
}

FileResult ScriptedDialogs::file(DialogKind kind, const FileRequest& request)
{
    m_calls.push_back(
        DialogCall{kind, request.title, request.filter, 0, request.folder, request.fileName, !m_fileAnswers.empty()});
    FileResult result;
    if (m_fileAnswers.empty())
        return result;
    std::optional<std::vector<std::string>> answer = std::move(m_fileAnswers.front());
    m_fileAnswers.pop_front();
    if (answer && !answer->empty()) {
        result.cancelled = false;
        result.paths = std::move(*answer);
    }
    return result;
}

FileResult ScriptedDialogs::openFile(const FileRequest& request) { return file(DialogKind::OpenFile, request); }
FileResult ScriptedDialogs::saveFile(const FileRequest& request) { return file(DialogKind::SaveFile, request); }

std::string ScriptedDialogs::pickFolder(const std::string& title, const std::string& startFolder)
{
    m_calls.push_back(DialogCall{DialogKind::Folder, title, startFolder, 0, startFolder, {}, !m_folderAnswers.empty()});
    if (m_folderAnswers.empty())
        return {};
    std::string answer = std::move(m_folderAnswers.front());
    m_folderAnswers.pop_front();
    return answer;
}

bool ScriptedDialogs::chooseFont(FontChoice& font)
{
    m_calls.push_back(DialogCall{DialogKind::Font, {}, font.name, 0, {}, {}, !m_fontAnswers.empty()});
    if (m_fontAnswers.empty())
        return false;
    std::optional<FontChoice> answer = std::move(m_fontAnswers.front());
    m_fontAnswers.pop_front();
    if (!answer)
        return false;
    font = *answer;
    return true;
}

std::size_t ScriptedDialogs::unansweredCount() const
{
    return std::size_t(std::count_if(m_calls.begin(), m_calls.end(), [](const DialogCall& c) { return !c.answered; }));
}

std::size_t ScriptedDialogs::pendingAnswers() const
{
    return m_msgAnswers.size() + m_inputAnswers.size() + m_fileAnswers.size() + m_folderAnswers.size() +
           m_fontAnswers.size();
}

} // namespace corvalet::platform

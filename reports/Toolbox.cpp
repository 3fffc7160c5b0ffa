#include "reports/Toolbox.h"

#include "core/FileKinds.h"
#include "core/FileUtils.h"
#include "core/TextUtils.h"
#include "platform/FileDialogs.h"
#include "platform/Text.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace corvalet::reports {

namespace fs = std::filesystem;
using namespace platform;

BytePage choosePage(int code, BytePage held, std::int64_t length)
{
    BytePage page = held;
    switch (code) {
    case pageCode::first:
        page.first = 1;
        page.last = std::min<std::int64_t>(kViewPageBytes, length);
        return page;
    case pageCode::last:
        page.last = length;
        page.first = std::max<std::int64_t>(1, length - (kViewPageBytes - 1));
        return page;
    case pageCode::previous:
        page.first = std::max<std::int64_t>(1, held.first - kViewPageBytes);
        break;
    case pageCode::next:
        if (held.first + kViewPageBytes <= length)
            page.first = held.first + kViewPageBytes;
        break;
    default:
        return page;
    }
    page.last = std::min<std::int64_t>(page.first + (kViewPageBytes - 1), length);
    return page;
}

Color byteColor(std::string_view page, std::size_t k, std::optional<char> before)
{
    const auto code = static_cast<unsigned char>(page[k]);
    if (code >= 32)
        return kByteWhite;
    if (k == 0) {
        // The page gives no context for its first cell, so control bytes there show as line-end
        // bytes; a line feed is judged by the byte in front of it in the file, so that a bare
        // one the termination check reports is red wherever the page starts.
        if (code == '\n' && before.value_or('\0') != '\r')
            return kByteRed;
        return kByteGreen;
    }
    if (code == '\n')
        return page[k - 1] == '\r' ? kByteGreen : kByteRed;
    if (code == '\r')
        return kByteGreen;
    return kByteMagenta;
}

std::string byteText(unsigned char code, bool characters)
{
    if (characters && code >= 32 && code <= 127)
        return std::string(1, char(code));
    std::string text(3, '0');
    text[0] = char('0' + code / 100);
    text[1] = char('0' + code / 10 % 10);
    text[2] = char('0' + code % 10);
    return text;
}

std::string characterHint(std::string_view cellText)
{
    int code = 0;
    if (cellText.size() == 3) {
        const auto [end, ec] = std::from_chars(cellText.data(), cellText.data() + 3, code);
        if (ec != std::errc() || end != cellText.data() + 3)
            code = 0;
    } else if (!cellText.empty()) {
        code = static_cast<unsigned char>(cellText.front());
    }
    switch (code) {
    case 9: return "Control character is TAB";
    case 10: return "Control character is LF";
    case 13: return "Control character is CR";
    case 32: return "Printable character is Space";
    default: break;
    }
    if (code < 32)
        return "Control character is Un-printable";
    return "Printable character is " + std::string(1, char(code));
}

std::optional<std::string> readByteRange(const std::string& path, std::int64_t first, std::int64_t last)
{
    if (first < 1 || last < first)
        return std::string();
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    in.seekg(static_cast<std::streamoff>(first - 1));
    std::string bytes(static_cast<std::size_t>(last - first + 1), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(0, in.gcount())));
    return bytes;
}

ParsedCodes parseAsciiCodes(std::string_view text)
{
    ParsedCodes parsed;
    text = trimBlanks(text);
    if (text.empty()) {
        parsed.error = CodesError::Empty;
        return parsed;
    }
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || (c >= '0' && c <= '9'); })) {
        parsed.error = CodesError::InvalidCharacters;
        return parsed;
    }
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ')
            ++i;
        const std::size_t start = i;
        while (i < text.size() && text[i] != ' ')
            ++i;
        if (start == i)
            break;
        int value = 0;
        const auto [end, ec] = std::from_chars(text.data() + start, text.data() + i, value);
        if (ec != std::errc() || value < 1 || value > 255) {
            parsed.bytes.clear();
            parsed.error = CodesError::InvalidCodes;
            return parsed;
        }
        parsed.bytes.push_back(static_cast<char>(value));
    }
    return parsed;
}

Toolbox::Toolbox(core::AppState& state, Dialogs& dialogs, PointerDisplay& pointer, EventPump* pump, ToolboxHooks hooks)
    : Window("tools", toolsCaption), m_state(state), m_dialogs(dialogs), m_pointer(pointer), m_pump(pump),
      m_hooks(std::move(hooks))
{
    m_tabb.setCaptions({"&Ascii View", "Search && &Replace"});
    m_taOpt.setCaptions({"Characters", "ASCII Codes"});
    m_taOpt.setValue(0);
    static const char* const moveCaptions[4] = {"&Top", "&Bot", "&Prev", "&Next"};
    for (int i = 0; i < 4; ++i)
        m_movebut[i].setCaption(moveCaptions[i]);
    m_but.setCaption("Find Bad Termination");
    m_inOpt.setCaptions({"As Typed (text)", "ASCII Codes (1-255)"});
    m_inOpt.setValue(0);
    m_repT[0].setTag("Search for this Text...");
    m_repT[1].setTag("and replace with this text");
    m_label1.setCaption(toolsCaution);
    m_asd.setEditable(false);

    addControl(m_tabb);
    addControl(m_asd);
    addControl(m_taOpt);
    for (auto& b : m_movebut)
        addControl(b);
    addControl(m_but);
    addControl(m_inOpt);
    addControl(m_repT[0]);
    addControl(m_repT[1]);
    addControl(m_repLab);
    addControl(m_label1);

    m_connections.push_back(load.connect([this] { onLoad(); }));
    m_connections.push_back(unload.connect([this] { onUnload(); }));
    m_connections.push_back(m_asd.mouseMove.connect([this](int, int, int r, int c) { onMouseMove(r, c); }));
    for (int i = 0; i < 4; ++i)
        m_connections.push_back(m_movebut[i].click.connect([this, i] { showAsciiCodes(i); }));
    m_connections.push_back(m_taOpt.click.connect([this](int) { showAsciiCodes(pageCode::first); }));
    m_connections.push_back(m_but.click.connect([this] { findBadTermination(); }));
    m_connections.push_back(m_inOpt.click.connect([this](int i) { onInOptClick(i); }));
    for (int i = 0; i < 2; ++i) {
        m_connections.push_back(m_repT[i].keyPress.connect([this, i](int& key) { onRepKeyPress(i, key); }));
        m_connections.push_back(m_repT[i].change.connect([this] { onRepChange(); }));
    }
    m_connections.push_back(m_tabb.click.connect([this] { onTabClick(); }));
}

void Toolbox::showAsciiCodes(int code)
{
    const std::string path = m_state.viewFile;
    if (path.empty() || !core::fileExists(path))
        return;
    BusyPointer busy(m_pointer);
    m_asd.setTag("Text or Ascii codes for: " + path);
    m_asd.setRedraw(false);

    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    const std::int64_t length = ec ? 0 : static_cast<std::int64_t>(size);
    const BytePage page = choosePage(code, {m_state.viewFirstByte, m_state.viewLastByte}, length);
    m_state.viewFirstByte = page.first;
    m_state.viewLastByte = page.last;

    // One byte in front of the page comes along, so the first cell's line feed can be judged.
    const bool withBefore = page.first > 1;
    std::string bytes = readByteRange(path, withBefore ? page.first - 1 : page.first, page.last).value_or(std::string());
    std::optional<char> before;
    if (withBefore && !bytes.empty()) {
        before = bytes.front();
        bytes.erase(0, 1);
    }
    m_state.viewFileLength = length;

    m_asd.clearAll();
    const bool characters = m_taOpt.value() == 0;
    const int cols = std::max(1, m_asd.cols());
    const std::size_t cells = std::min(bytes.size(), std::size_t(m_asd.rows()) * std::size_t(cols));
    for (std::size_t k = 0; k < cells; ++k) {
        const int row = int(k / std::size_t(cols));
        const int col = int(k % std::size_t(cols));
        m_asd.setText(row, col, byteText(static_cast<unsigned char>(bytes[k]), characters));
        m_asd.setBackColor(row, col, byteColor(bytes, k, before));
    }
    m_asd.setRedraw(true);
    m_asd.autoSizeCols(0, m_asd.cols() - 1);
    m_asd.requestRedraw();
}

void Toolbox::findBadTermination()
{
    std::int64_t p = 0;
    {
        BusyPointer busy(m_pointer);
        p = core::hasLfOnlyLines(m_state.searchFile);
    }
    if (p < 1) {
        m_dialogs.msgBox("No Isolated Line Feeds (ASCII 10) found.", MsgStyle::Information, "Termination Okay");
        return;
    }
    const int answer = m_dialogs.msgBox("Isolated Line Feed (ASCII 10) found at byte " + std::to_string(p) +
                                            ". Move grid to this position? (look for red cells)",
                                        MsgStyle::YesNo + MsgStyle::Critical, "Bad Termination Found", MsgResult::No);
    if (answer != MsgResult::Yes)
        return;
    m_state.viewFirstByte = p + kViewPageBytes / 2;
    showAsciiCodes(pageCode::previous);
}

void Toolbox::onMouseMove(int row, int col)
{
    m_asd.setToolTipText(characterHint(m_asd.text(row, col)));
}

void Toolbox::onInOptClick(int index)
{
    if (index == 0) {
        m_repT[0].setTag("Search for this Text...");
        m_repT[1].setTag("and replace with this text");
        m_repT[0].setText("");
        m_repT[1].setText("");
    } else if (index == 1) {
        m_repT[0].setTag("Search for these ASCII codes...");
        m_repT[1].setTag("and replace with ASCII these codes");
        m_repT[0].setText("10");
        m_repT[1].setText("13 10");
    }
}

void Toolbox::onRepKeyPress(int, int& key)
{
    key = core::filterKeyAscii(key, m_inOpt.value() == 1 ? 10 : 4);
}

void Toolbox::onRepChange()
{
    const bool search = !m_repT[0].text().empty();
    const bool replace = !m_repT[1].text().empty();
    setJobTools(m_inOpt.value() == 1 ? search && replace : search);
}

void Toolbox::onTabClick()
{
    if (m_tabb.currentTab() == 0) {
        setJobTools(false);
        return;
    }
    m_repT[0].setText("");
    m_repT[1].setText("");
    m_inOpt.setValue(0);
    m_repLab.setCaption(m_state.searchFile);
}

void Toolbox::setJobTools(bool on)
{
    if (m_hooks.setJobTools)
        m_hooks.setJobTools(on);
}

bool Toolbox::codesOf(int index, std::string& bytes)
{
    const ParsedCodes parsed = parseAsciiCodes(m_repT[index].text());
    switch (parsed.error) {
    case CodesError::None:
        bytes = parsed.bytes;
        return true;
    case CodesError::Empty:
        return false;
    case CodesError::InvalidCharacters:
        m_dialogs.msgBox("Only the space and numbers (0-9) are legal characters when using ASCII codes",
                         MsgStyle::Critical, "INVALID CHARACTERS");
        focusBox.send(index);
        return false;
    case CodesError::InvalidCodes:
        m_dialogs.msgBox("All ASCII code numbers must be between 1-255", MsgStyle::Critical, "INVALID ASCII CODES");
        return false;
    }
    return false;
}

int Toolbox::goSearRep()
{
    const auto resultOf = [this](core::ReplaceResult result) {
        if (result == core::ReplaceResult::Done)
            return -1;
        return m_state.userCancelled || result == core::ReplaceResult::Cancelled ? 1 : 0;
    };
    if (m_repT[0].text().empty() || trimBlanks(m_repT[1].text()).empty()) {
        m_dialogs.msgBox("There is nothing specifed to search for and/or replace. Specify something then click replace again.",
                         MsgStyle::Exclamation, "Nothing to Do!");
        return resultOf(core::ReplaceResult::Failed);
    }
    std::string folder = m_hooks.startFolder ? m_hooks.startFolder() : std::string();
    if (folder.empty())
        folder = core::folderOfPath(m_state.searchFile);
    std::string extension = "las";
    const std::string chosen = getFileName(m_dialogs, FileMode::SaveTyped, extension, "Specify File to Save", folder,
                                           m_state.searchFile, m_pump, m_state.quietMode);
    if (chosen.empty())
        return resultOf(core::ReplaceResult::Failed);
    m_state.replaceFile = chosen;
    if (sameFile(chosen, m_state.searchFile)) {
        m_dialogs.msgBox("Do not replace your original file! Specify a different name!", MsgStyle::Exclamation,
                         "Replace File is Same as Search File");
        return resultOf(core::ReplaceResult::Failed);
    }
    std::string search, replacement;
    if (m_inOpt.value() == 1) {
        if (!codesOf(0, search) || !codesOf(1, replacement))
            return resultOf(core::ReplaceResult::Failed);
    } else {
        search = m_repT[0].text();
        replacement = m_repT[1].text();
    }
    m_repLab.setVisible(false);
    core::JobHooks jobHooks;
    if (m_pump)
        jobHooks.doEvents = [this] { m_pump->doEvents(); };
    jobHooks.setBusy = [this](bool on) { on ? m_pointer.enterBusy() : m_pointer.leaveBusy(); };
    const core::ReplaceResult result =
        core::replaceInFile(m_state, m_state.searchFile, chosen, search, replacement, jobHooks);
    if (result == core::ReplaceResult::Failed && !m_state.userCancelled)
        m_dialogs.msgBox("Unable to write " + chosen + " from " + m_state.searchFile + ".", MsgStyle::Exclamation,
                         "Search and Replace Failed");
    return resultOf(result);
}

void Toolbox::onLoad()
{
    m_state.toolsOpen = true;
    if (m_hooks.initForm)
        m_hooks.initForm(*this);
    m_tabb.setCurrentTab(0);
    m_state.searchFile = m_state.currentLASFile;
    if (!m_state.quietMode && m_pump)
        m_pump->doEvents();
    if (!m_state.currentLASFile.empty()) {
        m_state.viewFile = m_state.currentLASFile;
        if (core::fileExists(m_state.viewFile))
            showAsciiCodes(pageCode::first);
    }
    if (m_hooks.applyGridFonts)
        m_hooks.applyGridFonts(*this);
}

void Toolbox::onUnload()
{
    m_state.toolsOpen = false;
}

} // namespace corvalet::reports

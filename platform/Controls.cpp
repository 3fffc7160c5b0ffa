#include "platform/Controls.h"

#include "platform/Text.h"

#include <algorithm>
#include <system_error>

namespace corvalet::platform {

namespace {
const std::string kEmpty;

bool lessNoCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return lowerAscii(x) < lowerAscii(y); });
}

// One glob, ASCII case ignored; iterative with one back-track point for the last "*".
bool globMatch(std::string_view name, std::string_view glob)
{
    std::size_t n = 0, g = 0, starG = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (g < glob.size() && (glob[g] == '?' || lowerAscii(glob[g]) == lowerAscii(name[n]))) {
            ++n, ++g;
        } else if (g < glob.size() && glob[g] == '*') {
            starG = g++, starN = n;
        } else if (starG != std::string_view::npos) {
            g = starG + 1, n = ++starN;
        } else {
            return false;
        }
    }
    while (g < glob.size() && glob[g] == '*')
        ++g;
    return g == glob.size();
}
// The names of the files (or sub-folders) of a folder, sorted without regard to case. Hidden
// entries (a leading ".") are left out; an unreadable folder lists nothing.
std::vector<std::string> folderEntries(const std::string& path, bool folders, std::string_view pattern)
{
    std::vector<std::string> names;
    std::error_code ec;
    if (!path.empty()) {
        for (std::filesystem::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec)) {
            std::error_code fec;
            std::string name = it->path().filename().string();
            if (name.empty() || name.front() == '.')
                continue;
            if (folders ? it->is_directory(fec) : (it->is_regular_file(fec) && matchesFilePattern(name, pattern)))
                names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end(), lessNoCase);
    return names;
}
} // namespace

// ---------------------------------------------------------------- TextBox

void TextBox::setText(std::string text)
{
    if (!assign(m_text, std::move(text)))
        return;
    const int size = int(m_text.size());
    m_selStart = std::min(m_selStart, size);
    m_selLength = std::min(m_selLength, size - m_selStart);
    change.send();
}

void TextBox::setSelection(int start, int length)
{
    const int size = int(m_text.size());
    start = std::clamp(start, 0, size);
    length = std::clamp(length, 0, size - start);
    if (start == m_selStart && length == m_selLength)
        return;
    m_selStart = start, m_selLength = length;
    changed.send();
}

int TextBox::userKeyPress(int keyAscii)
{
    keyPress.send(keyAscii);
    return keyAscii;
}

int TextBox::userKeyDown(int keyCode, int shift)
{
    keyDown.send(keyCode, shift);
    return keyCode;
}

// ---------------------------------------------------------------- CheckBox, OptionGroup

void CheckBox::setValue(int value)
{
    if (assign(m_value, std::clamp(value, 0, 2)))
        click.send();
}

void OptionGroup::setCaptions(std::vector<std::string> captions)
{
    assign(m_captions, std::move(captions));
    if (m_value >= int(m_captions.size()))
        assign(m_value, -1);
}

void OptionGroup::setValue(int index)
{
    if (index < 0 || index >= int(m_captions.size()))
        index = -1;
    if (assign(m_value, index))
        click.send(index);
}

// ---------------------------------------------------------------- ListBox

const std::string& ListBox::list(int i) const
{
    return (i >= 0 && i < listCount()) ? m_items[std::size_t(i)].text : kEmpty;
}

long ListBox::itemData(int i) const { return (i >= 0 && i < listCount()) ? m_items[std::size_t(i)].itemData : 0; }

void ListBox::setItemData(int i, long data)
{
    if (i >= 0 && i < listCount())
        m_items[std::size_t(i)].itemData = data; // not shown, so no notice
}

namespace {

// Keeps a list's current index on the same entry when an entry is inserted or removed before it;
// removing the current entry leaves no current entry (-1).
void followInsert(int& index, int at)
{
    if (index >= at)
        ++index;
}

void followRemove(int& index, int removed)
{
    if (index == removed)
        index = -1;
    else if (index > removed)
        --index;
}

} // namespace

void ListBox::addItem(std::string text, int at)
{
    if (at < 0 || at > listCount())
        at = listCount();
    m_items.insert(m_items.begin() + at, ListEntry{std::move(text)});
    followInsert(m_listIndex, at);
    changed.send();
}

void ListBox::removeItem(int i)
{
    if (i < 0 || i >= listCount())
        return;
    m_items.erase(m_items.begin() + i);
    followRemove(m_listIndex, i);
    m_topIndex = std::clamp(m_topIndex, 0, std::max(listCount() - 1, 0));
    changed.send();
}

void ListBox::clear()
{
    if (m_items.empty() && m_listIndex == -1)
        return;
    m_items.clear();
    m_listIndex = -1;
    m_topIndex = 0;
    changed.send();
}

void ListBox::setItems(std::vector<std::string> texts)
{
    std::vector<ListEntry> items;
    items.reserve(texts.size());
    for (auto& t : texts)
        items.push_back(ListEntry{std::move(t)});
    if (items == m_items && m_listIndex == -1)
        return;
    m_items = std::move(items);
    m_listIndex = -1;
    m_topIndex = 0;
    changed.send();
}

void ListBox::setMultiSelect(bool multi) { assign(m_multi, multi); }

bool ListBox::selected(int i) const { return i >= 0 && i < listCount() && m_items[std::size_t(i)].selected; }

void ListBox::setSelected(int i, bool on)
{
    if (i < 0 || i >= listCount())
        return;
    if (!m_multi) {
        // One selected entry: it is ListIndex.
        if (on)
            setListIndex(i);
        else if (m_listIndex == i)
            setListIndex(-1);
        return;
    }
    if (m_items[std::size_t(i)].selected == on)
        return;
    m_items[std::size_t(i)].selected = on;
    changed.send();
}

int ListBox::selCount() const
{
    return int(std::count_if(m_items.begin(), m_items.end(), [](const ListEntry& e) { return e.selected; }));
}

void ListBox::setListIndex(int i)
{
    if (i < -1 || i >= listCount())
        i = -1;
    bool changedAny = false;
    if (!m_multi) {
        for (int k = 0; k < listCount(); ++k) {
            const bool want = k == i;
            if (m_items[std::size_t(k)].selected != want) {
                m_items[std::size_t(k)].selected = want;
                changedAny = true;
            }
        }
    }
    if (i != m_listIndex) {
        m_listIndex = i;
        changedAny = true;
    }
    if (changedAny) {
        changed.send();
        click.send();
    }
}

void ListBox::setTopIndex(int i)
{
    assign(m_topIndex, std::clamp(i, 0, std::max(listCount() - 1, 0)));
}

void ListBox::userClick(int i, bool ctrl)
{
    if (i < 0 || i >= listCount())
        return;
    if (!m_multi) {
        setListIndex(i);
        return;
    }
    bool changedAny = false;
    for (int k = 0; k < listCount(); ++k) {
        const bool want = ctrl ? (k == i ? !m_items[std::size_t(k)].selected : m_items[std::size_t(k)].selected) : k == i;
        if (m_items[std::size_t(k)].selected != want) {
            m_items[std::size_t(k)].selected = want;
            changedAny = true;
        }
    }
    if (m_listIndex != i) {
        m_listIndex = i;
        changedAny = true;
    }
    if (changedAny)
        changed.send();
    click.send(); // a click is a click, even on the entry already selected
}

void ListBox::userSelect(const std::vector<int>& rows, int current)
{
    std::vector<char> want(m_items.size(), 0);
    for (int r : rows)
        if (r >= 0 && r < listCount())
            want[std::size_t(r)] = 1;
    if (!m_multi) {
        setListIndex(current);
        return;
    }
    bool changedAny = false;
    for (std::size_t k = 0; k < m_items.size(); ++k) {
        if (m_items[k].selected != bool(want[k])) {
            m_items[k].selected = want[k];
            changedAny = true;
        }
    }
    if (current < -1 || current >= listCount())
        current = -1;
    if (m_listIndex != current) {
        m_listIndex = current;
        changedAny = true;
    }
    if (changedAny) {
        changed.send();
        click.send();
    }
}

int ListBox::userKeyDown(int keyCode, int shift)
{
    keyDown.send(keyCode, shift);
    return keyCode;
}

// ---------------------------------------------------------------- ComboBox

const std::string& ComboBox::list(int i) const { return (i >= 0 && i < listCount()) ? m_items[std::size_t(i)] : kEmpty; }

void ComboBox::addItem(std::string text, int at)
{
    if (at < 0 || at > listCount())
        at = listCount();
    m_items.insert(m_items.begin() + at, std::move(text));
    followInsert(m_listIndex, at);
    changed.send();
}

void ComboBox::removeItem(int i)
{
    if (i < 0 || i >= listCount())
        return;
    m_items.erase(m_items.begin() + i);
    followRemove(m_listIndex, i);
    changed.send();
}

void ComboBox::clear()
{
    if (m_items.empty() && m_listIndex == -1 && m_text.empty())
        return;
    m_items.clear();
    m_listIndex = -1;
    if (m_style == 2)
        m_text.clear();
    changed.send();
}

void ComboBox::setItems(std::vector<std::string> items)
{
    if (items == m_items)
        return;
    m_items = std::move(items);
    m_listIndex = -1;
    changed.send();
}

void ComboBox::setListIndex(int i)
{
    if (i < -1 || i >= listCount())
        i = -1;
    if (i == m_listIndex)
        return;
    m_listIndex = i;
    if (i >= 0)
        m_text = m_items[std::size_t(i)];
    changed.send();
    click.send();
}

void ComboBox::setText(std::string text)
{
    if (text == m_text)
        return;
    m_text = std::move(text);
    const auto it = std::find(m_items.begin(), m_items.end(), m_text);
    m_listIndex = it == m_items.end() ? -1 : int(it - m_items.begin());
    changed.send();
    change.send();
}

int ComboBox::userKeyPress(int keyAscii)
{
    keyPress.send(keyAscii);
    return keyAscii;
}

// ---------------------------------------------------------------- FileList

bool matchesFilePattern(std::string_view name, std::string_view patterns)
{
    std::size_t pos = 0;
    while (pos <= patterns.size()) {
        const std::size_t semi = patterns.find(';', pos);
        std::string_view glob = trimBlanks(patterns.substr(pos, semi == std::string_view::npos ? std::string_view::npos : semi - pos));
        if (!glob.empty()) {
            // "*.*" names every file, as the file dialogs mean it.
            if (glob == "*.*" || glob == "*" || globMatch(name, glob))
                return true;
        }
        if (semi == std::string_view::npos)
            break;
        pos = semi + 1;
    }
    return false;
}

void FileList::setPath(std::string path)
{
    if (path == m_path)
        return;
    m_path = std::move(path);
    refresh();
    pathChange.send();
}

void FileList::setPattern(std::string pattern)
{
    if (pattern == m_pattern)
        return;
    m_pattern = std::move(pattern);
    refresh();
    patternChange.send();
}

void FileList::refresh()
{
    setItems(folderEntries(m_path, false, m_pattern));
}

std::string FileList::filePath(int i) const
{
    if (i < 0 || i >= listCount())
        return {};
    return (std::filesystem::path(m_path) / list(i)).string();
}

// ---------------------------------------------------------------- FolderList

void FolderList::setPath(std::string path)
{
    if (path == m_path)
        return;
    m_path = std::move(path);
    refresh();
    change.send();
}

void FolderList::refresh()
{
    std::vector<std::string> names = folderEntries(m_path, true, {});
    if (names == m_folders)
        return;
    m_folders = std::move(names);
    m_listIndex = -1;
    changed.send();
}

void FolderList::setListIndex(int i)
{
    if (i < -1 || i >= int(m_folders.size()))
        i = -1;
    if (assign(m_listIndex, i))
        click.send();
}

void FolderList::userOpen(int i)
{
    if (i < 0 || i >= int(m_folders.size()))
        return;
    setPath((std::filesystem::path(m_path) / m_folders[std::size_t(i)]).string());
}

// ---------------------------------------------------------------- TabControl

void TabControl::setCaptions(std::vector<std::string> captions)
{
    assign(m_captions, std::move(captions));
    if (m_current >= int(m_captions.size()))
        assign(m_current, 0);
}

void TabControl::setCurrentTab(int tab)
{
    if (tab < 0 || tab >= int(m_captions.size()))
        return;
    if (assign(m_current, tab))
        click.send();
}

// ---------------------------------------------------------------- Tool, ToolSet

Tool::Tool(std::string id, std::string caption, std::string category, std::string toolTip)
    : Control(std::move(id)), m_caption(std::move(caption)), m_category(std::move(category))
{
    if (!toolTip.empty())
        setToolTipText(std::move(toolTip));
}

Tool& ToolSet::add(std::string id, std::string caption, std::string category, std::string toolTip)
{
    m_tools.push_back(std::make_unique<Tool>(std::move(id), std::move(caption), std::move(category), std::move(toolTip)));
    return *m_tools.back();
}

Tool* ToolSet::find(std::string_view id)
{
    for (auto& t : m_tools)
        if (equalsNoCase(t->id(), id))
            return t.get();
    return nullptr;
}

void ToolSet::userClick(std::string_view id)
{
    Tool* tool = find(id);
    if (tool && tool->enabled())
        toolClick.send(tool->id());
}

} // namespace corvalet::platform

#include "platform/Settings.h"

#include "platform/Text.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

namespace corvalet::platform {

namespace {

// ---- ini quoting
// Values are always written quoted, so leading and trailing blanks, "=", "|", quotes and line
// breaks all survive: inside quotes \\ \" \r \n \t and \xHH stand for themselves. Names are
// written bare when nothing in them could be misread, quoted otherwise. A value read without
// quotes (a hand edit) is everything after the "=".

bool bareNameOk(const std::string& name)
{
    if (name.empty() || name.front() == ' ' || name.back() == ' ' || name.front() == ';' || name.front() == '#')
        return false;
    for (const char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F || c == '=' || c == '[' || c == ']' || c == '"' || c == '\\' || c == '/')
            return false;
    }
    return true;
}

void appendQuoted(std::string& out, const std::string& text)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    out += '"';
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default:
            if (u < 0x20 || u == 0x7F) {
                out += "\\x";
                out += hex[u >> 4];
                out += hex[u & 15];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

void appendName(std::string& out, const std::string& name)
{
    if (bareNameOk(name))
        out += name;
    else
        appendQuoted(out, name);
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = lowerAscii(c);
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Reads a quoted text starting at line[pos] == '"'; pos ends after the closing quote (or at the
// end of an unterminated line, which keeps what was there).
std::string readQuoted(const std::string& line, std::size_t& pos)
{
    std::string out;
    ++pos;
    while (pos < line.size()) {
        const char c = line[pos++];
        if (c == '"')
            return out;
        if (c != '\\' || pos >= line.size()) {
            out += c;
            continue;
        }
        const char e = line[pos++];
        switch (e) {
        case 'r': out += '\r'; break;
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'x':
            if (pos + 1 < line.size() && hexDigit(line[pos]) >= 0 && hexDigit(line[pos + 1]) >= 0) {
                out += char(hexDigit(line[pos]) * 16 + hexDigit(line[pos + 1]));
                pos += 2;
            } else {
                out += "\\x";
            }
            break;
        default: out += e;
        }
    }
    return out;
}

void skipBlanks(const std::string& line, std::size_t& pos)
{
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t'))
        ++pos;
}

// A name: quoted, or bare up to one of `stops` with blanks around it dropped.
std::string readName(const std::string& line, std::size_t& pos, std::string_view stops)
{
    skipBlanks(line, pos);
    if (pos < line.size() && line[pos] == '"') {
        std::string name = readQuoted(line, pos);
        skipBlanks(line, pos);
        return name;
    }
    const std::size_t start = pos;
    while (pos < line.size() && stops.find(line[pos]) == std::string_view::npos)
        ++pos;
    std::size_t end = pos;
    std::size_t first = start;
    while (first < end && (line[first] == ' ' || line[first] == '\t'))
        ++first;
    while (end > first && (line[end - 1] == ' ' || line[end - 1] == '\t'))
        --end;
    return line.substr(first, end - first);
}

} // namespace

// ---- SettingsTable

const SettingsTable::Section* SettingsTable::findSection(const std::string& application,
                                                         const std::string& section) const
{
    for (const Section& s : m_sections)
        if (equalsNoCase(s.application, application) && equalsNoCase(s.name, section))
            return &s;
    return nullptr;
}

SettingsTable::Section* SettingsTable::sectionFor(const std::string& application, const std::string& section)
{
    return const_cast<Section*>(std::as_const(*this).findSection(application, section));
}

const std::string* SettingsTable::find(const std::string& application, const std::string& section,
                                       const std::string& key) const
{
    if (const Section* s = findSection(application, section))
        for (const auto& [k, v] : s->entries)
            if (equalsNoCase(k, key))
                return &v;
    return nullptr;
}

bool SettingsTable::set(const std::string& application, const std::string& section, const std::string& key,
                        const std::string& value)
{
    Section* s = sectionFor(application, section);
    if (!s) {
        m_sections.push_back(Section{application, section, {}});
        s = &m_sections.back();
    }
    for (auto& [k, v] : s->entries) {
        if (equalsNoCase(k, key)) {
            if (v == value)
                return false;
            v = value;
            return true;
        }
    }
    s->entries.emplace_back(key, value);
    return true;
}

bool SettingsTable::erase(const std::string& application, const std::string& section, const std::string& key)
{
    Section* s = sectionFor(application, section);
    if (!s)
        return false;
    const auto removed = std::erase_if(s->entries, [&](const auto& e) { return equalsNoCase(e.first, key); });
    if (s->entries.empty())
        eraseSection(application, section);
    return removed != 0;
}

bool SettingsTable::eraseSection(const std::string& application, const std::string& section)
{
    return std::erase_if(m_sections, [&](const Section& s) {
               return equalsNoCase(s.application, application) && equalsNoCase(s.name, section);
           }) != 0;
}

std::string SettingsTable::toIni() const
{
    std::string out;
    for (const Section& s : m_sections) {
        if (!out.empty())
            out += '\n';
        out += '[';
        appendName(out, s.application);
        out += '/';
        appendName(out, s.name);
        out += "]\n";
        for (const auto& [k, v] : s.entries) {
            appendName(out, k);
            out += '=';
            appendQuoted(out, v);
            out += '\n';
        }
    }
    return out;
}

SettingsTable SettingsTable::fromIni(const std::string& text)
{
    SettingsTable table;
    std::string application, section;
    bool inSection = false;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::size_t pos = 0;
        skipBlanks(line, pos);
        if (pos >= line.size() || line[pos] == ';' || line[pos] == '#')
            continue;
        if (line[pos] == '[') {
            ++pos;
            std::string first = readName(line, pos, "/]");
            if (pos < line.size() && line[pos] == '/') {
                ++pos;
                application = std::move(first);
                section = readName(line, pos, "]");
            } else {
                application.clear();
                section = std::move(first);
            }
            inSection = true;
            continue;
        }
        if (!inSection)
            continue;
        std::string key = readName(line, pos, "=");
        if (pos >= line.size() || line[pos] != '=')
            continue; // not a key line: ignored rather than guessed at
        ++pos;
        std::string value;
        if (pos < line.size() && line[pos] == '"')
            value = readQuoted(line, pos);
        else
            value = line.substr(pos);
        table.set(application, section, key, value);
    }
    return table;
}

// ---- TableSettings

std::string TableSettings::getSetting(const std::string& application, const std::string& section,
                                      const std::string& key, const std::string& defaultValue) const
{
    beforeRead();
    const std::string* value = m_table.find(application, section, key);
    return value ? *value : defaultValue;
}

std::vector<std::pair<std::string, std::string>> TableSettings::getAllSettings(const std::string& application,
                                                                               const std::string& section) const
{
    beforeRead();
    const SettingsTable::Section* s = m_table.findSection(application, section);
    return s ? s->entries : std::vector<std::pair<std::string, std::string>>{};
}

void TableSettings::saveSetting(const std::string& application, const std::string& section, const std::string& key,
                                const std::string& value)
{
    beforeChange();
    if (m_table.set(application, section, key, value))
        changed();
}

void TableSettings::deleteSetting(const std::string& application, const std::string& section, const std::string& key)
{
    beforeChange();
    if (m_table.erase(application, section, key))
        changed();
}

void TableSettings::deleteSection(const std::string& application, const std::string& section)
{
    beforeChange();
    if (m_table.eraseSection(application, section))
        changed();
}

// ---- IniSettings

std::filesystem::path IniSettings::defaultPath()
{
    std::filesystem::path base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::filesystem::path(home) / ".config";
    else
        base = std::filesystem::current_path() / ".config";
    return base / "Corvalet" / "Corvalet.ini";
}

IniSettings::IniSettings() : IniSettings(defaultPath()) {}

IniSettings::IniSettings(std::filesystem::path file) : m_path(std::move(file)) {}

IniSettings::Stamp IniSettings::stampNow() const
{
    std::error_code ec;
    Stamp stamp;
    if (!std::filesystem::is_regular_file(m_path, ec))
        return stamp;
    stamp.exists = true;
    stamp.time = std::filesystem::last_write_time(m_path, ec);
    stamp.size = std::filesystem::file_size(m_path, ec);
    return stamp;
}

void IniSettings::beforeRead() const
{
    const Stamp now = stampNow();
    if (m_loaded && now == m_stamp)
        return;
    m_loaded = true;
    m_stamp = now;
    if (!now.exists) {
        m_table = SettingsTable();
        return;
    }
    std::ifstream in(m_path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    m_table = SettingsTable::fromIni(text.str());
}

// The time stamp alone could miss a rewrite within its resolution, so a change always reads
// the file afresh.
void IniSettings::beforeChange()
{
    m_loaded = false;
    beforeRead();
}

void IniSettings::changed()
{
    namespace fs = std::filesystem;
    std::error_code ec;
    m_lastError.clear();
    const fs::path folder = m_path.parent_path();
    if (!folder.empty())
        fs::create_directories(folder, ec);
    std::random_device random;
    const fs::path temp = folder / (m_path.filename().string() + ".~" + std::to_string(random()) + ".tmp");
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        const std::string text = m_table.toIni();
        out.write(text.data(), std::streamsize(text.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temp, ec);
            m_lastError = "Cannot write " + temp.string();
            return;
        }
    }
    fs::rename(temp, m_path, ec);
    if (ec) {
        fs::remove(temp, ec);
        m_lastError = "Cannot replace " + m_path.string();
        return;
    }
    m_stamp = stampNow();
}

} // namespace corvalet::platform

#include "manipulate/FilterLookups.h"

#include "core/AppState.h"
#include "core/FileUtils.h"
#include "core/HeaderLines.h"
#include "platform/Fields.h"
#include "platform/LineReader.h"
#include "platform/Text.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

namespace corvalet::manipulate {

namespace fs = std::filesystem;
using platform::containsNoCase;
using platform::equalsNoCase;
using platform::findNoCase;
using platform::trimBlanks;

namespace {

constexpr std::string_view kTableSeparators = ",\t";

std::string withoutChars(std::string_view text, std::string_view chars)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (chars.find(c) == std::string_view::npos)
            out += c;
    return out;
}

// The value after `keyword` in a part (to the end of the part), double quotes removed; nullopt
// when the part has no such keyword.
std::optional<std::string> keywordValue(std::string_view part, std::string_view keyword)
{
    const std::size_t at = findNoCase(part, keyword);
    if (at == std::string_view::npos)
        return std::nullopt;
    return withoutChars(part.substr(at + keyword.size()), "\"");
}

struct HeaderReference {
    std::string section; // "" or a word that is no section letter: every header section
    std::string mnemonic;
};

// "LAS(~W:UWI)" or "LAS(:WELL)" inside a key; nullopt when the key holds no reference.
std::optional<HeaderReference> headerReference(std::string_view key)
{
    const std::size_t open = findNoCase(key, "LAS(");
    if (open == std::string_view::npos || key.find(')', open + 4) == std::string_view::npos)
        return std::nullopt;
    const std::string_view inside = key.substr(open + 4);
    const std::size_t colon = inside.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    HeaderReference ref;
    const std::size_t tilde = inside.find('~');
    if (tilde != std::string_view::npos && tilde < colon)
        ref.section = std::string(trimBlanks(inside.substr(tilde + 1, colon - tilde - 1)));
    ref.mnemonic = std::string(trimBlanks(withoutChars(inside.substr(colon + 1), ")")));
    return ref;
}

std::string headerItem(const std::string& path, const HeaderReference& ref)
{
    if (ref.mnemonic.empty())
        return {};
    std::string status, unit;
    const std::string value = core::getHeaderItem(path, ref.mnemonic, ref.section, status, unit);
    // "NOT": the data came before the item, which is absent.
    return status == "NOT" ? std::string() : value;
}

// `relative` below `base`, each component matched without regard to case when the exact name is
// not there.
std::optional<fs::path> findNoCaseBelow(const fs::path& base, const fs::path& relative)
{
    std::error_code error;
    fs::path current = base;
    for (const fs::path& component : relative) {
        const std::string name = component.string();
        if (name.empty() || name == ".")
            continue;
        fs::path exact = current / component;
        if (name == ".." || fs::exists(exact, error)) {
            current = std::move(exact);
            continue;
        }
        std::optional<fs::path> match;
        for (fs::directory_iterator it(current, error), end; !error && it != end; it.increment(error)) {
            if (equalsNoCase(it->path().filename().string(), name)) {
                match = it->path();
                break;
            }
        }
        if (!match)
            return std::nullopt;
        current = *match;
    }
    if (!fs::is_regular_file(current, error))
        return std::nullopt;
    return current;
}

} // namespace

std::string resolveTablePath(const std::string& raw, const std::string& filterFile)
{
    if (raw.empty())
        return {};
    if (core::fileExists(raw))
        return raw;
    // Tables named in filters written elsewhere often use "\" and another case.
    std::string portable = raw;
    for (char& c : portable)
        if (c == '\\')
            c = '/';
    const fs::path wanted(portable);
    std::vector<fs::path> bases;
    if (wanted.is_absolute()) {
        bases.push_back(wanted.root_path());
    } else {
        const std::string filterFolder = core::folderOfPath(filterFile);
        if (!filterFolder.empty())
            bases.emplace_back(filterFolder);
        std::error_code error;
        bases.push_back(fs::current_path(error));
    }
    const fs::path relative = wanted.is_absolute() ? wanted.relative_path() : wanted;
    for (const fs::path& base : bases)
        if (const auto found = findNoCaseBelow(base, relative))
            return found->string();
    return {};
}

void getDBValue(const std::string& path, const std::string& key, const std::string& column, std::string& value)
{
    value.clear();
    platform::LineReader reader;
    if (!reader.open(path))
        return;
    platform::Fields fields;
    platform::Line line;
    int wanted = 0;
    while (reader.next(line)) {
        const std::string_view text = trimBlanks(line.text);
        if (text.empty() || text.front() == '#')
            continue;
        fields.split(text, kTableSeparators);
        if (wanted == 0) {
            for (int i = 1; i <= fields.count(); ++i) {
                if (equalsNoCase(trimBlanks(fields.field(i)), column)) {
                    wanted = i;
                    break;
                }
            }
            if (wanted == 0)
                return; // the header names no such column
            continue;
        }
        if (equalsNoCase(trimBlanks(fields.field(1)), key)) {
            value = std::string(trimBlanks(fields.field(wanted)));
            return;
        }
    }
}

void applyFilterSpecial(const core::AppState& state, const std::string& request, int& slot, std::string& answer)
{
    answer.clear();
    if (!containsNoCase(request, "Key=") && !containsNoCase(request, "File=") && !containsNoCase(request, "Col="))
        return;
    const std::string inputFile =
        slot >= 0 && slot < int(state.fileInfo.size()) ? state.fileInfo[std::size_t(slot)].filePath : std::string();

    std::string rawFile, rawKey, rawColumn;
    const std::string plain = withoutChars(request, "[]");
    std::string_view rest = plain;
    while (true) {
        const std::size_t end = rest.find(';');
        const std::string_view part = rest.substr(0, end);
        if (auto v = keywordValue(part, "File="))
            rawFile = std::move(*v);
        else if (auto k = keywordValue(part, "Key="))
            rawKey = std::move(*k);
        else if (auto c = keywordValue(part, "Col="))
            rawColumn = std::move(*c);
        if (end == std::string_view::npos)
            break;
        rest.remove_prefix(end + 1);
    }

    std::string table;
    if (equalsNoCase(rawFile, "File")) {
        std::string status, unit;
        const std::string named = core::getHeaderItem(state.filterFile, "File", "Filter", status, unit);
        table = resolveTablePath(std::string(trimBlanks(named)), state.filterFile);
    } else {
        table = resolveTablePath(rawFile, state.filterFile);
    }

    const std::optional<HeaderReference> ref = headerReference(rawKey);
    std::string key;
    if (ref)
        key = headerItem(inputFile, *ref);
    else if (equalsNoCase(rawKey, "ThisLASFileName"))
        key = core::fileNameOfPath(inputFile);
    else
        key = rawKey;

    if (!table.empty())
        getDBValue(table, key, rawColumn, answer);
    else if (ref && core::fileExists(inputFile))
        answer = headerItem(inputFile, *ref);
}

} // namespace corvalet::manipulate

#pragma once
// Per-user settings by (application, section, key). Application, section and key names are
// compared without regard to ASCII case; values are kept exactly as written, leading and
// trailing blanks included.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace corvalet::platform {

class Settings {
public:
    virtual ~Settings() = default;
    // The stored value, or `defaultValue` when the key is not there.
    [[nodiscard]] virtual std::string getSetting(const std::string& application, const std::string& section,
                                                 const std::string& key,
                                                 const std::string& defaultValue = {}) const = 0;
    // Every (key, value) of a section in the order first written; empty when it is not there.
    [[nodiscard]] virtual std::vector<std::pair<std::string, std::string>>
    getAllSettings(const std::string& application, const std::string& section) const = 0;
    virtual void saveSetting(const std::string& application, const std::string& section, const std::string& key,
                             const std::string& value) = 0;
    // Deleting what is not there does nothing.
    virtual void deleteSetting(const std::string& application, const std::string& section,
                               const std::string& key) = 0;
    virtual void deleteSection(const std::string& application, const std::string& section) = 0;
};

// The settings as a plain value: sections in the order first written, keys likewise.
class SettingsTable {
public:
    struct Section {
        std::string application;
        std::string name;
        std::vector<std::pair<std::string, std::string>> entries;
    };

    [[nodiscard]] const std::string* find(const std::string& application, const std::string& section,
                                          const std::string& key) const;
    [[nodiscard]] const Section* findSection(const std::string& application, const std::string& section) const;
    // Each returns whether anything changed.
    bool set(const std::string& application, const std::string& section, const std::string& key,
             const std::string& value);
    bool erase(const std::string& application, const std::string& section, const std::string& key);
    bool eraseSection(const std::string& application, const std::string& section);

    [[nodiscard]] const std::vector<Section>& sections() const { return m_sections; }

    // The ini text: "[application/section]" headers and key="value" lines; see Settings.cpp for
    // the quoting that lets any byte survive a round trip.
    [[nodiscard]] std::string toIni() const;
    [[nodiscard]] static SettingsTable fromIni(const std::string& text);

private:
    Section* sectionFor(const std::string& application, const std::string& section);
    std::vector<Section> m_sections;
};

// Settings kept in a SettingsTable; the hooks let a subclass keep the table in step with a file.
class TableSettings : public Settings {
public:
    std::string getSetting(const std::string& application, const std::string& section, const std::string& key,
                           const std::string& defaultValue = {}) const override;
    std::vector<std::pair<std::string, std::string>> getAllSettings(const std::string& application,
                                                                    const std::string& section) const override;
    void saveSetting(const std::string& application, const std::string& section, const std::string& key,
                     const std::string& value) override;
    void deleteSetting(const std::string& application, const std::string& section, const std::string& key) override;
    void deleteSection(const std::string& application, const std::string& section) override;

protected:
    // Before a read, before a change, and after a change that altered the table.
    virtual void beforeRead() const {}
    virtual void beforeChange() {}
    virtual void changed() {}

    mutable SettingsTable m_table;
};

class MemorySettings final : public TableSettings {};

// An ini file, written completely to a temporary file beside it and renamed over it on every
// change, so a crash never leaves half a file. Reads pick up what another instance wrote since;
// a change starts from the file as it is now, so two running instances do not undo each
// other's settings. A failed save keeps the change in memory until the next change and reports
// it through lastError().
class IniSettings final : public TableSettings {
public:
    // $XDG_CONFIG_HOME/Corvalet/Corvalet.ini, or ~/.config/Corvalet/Corvalet.ini.
    IniSettings();
    explicit IniSettings(std::filesystem::path file);

    [[nodiscard]] static std::filesystem::path defaultPath();
    [[nodiscard]] const std::filesystem::path& path() const { return m_path; }
    [[nodiscard]] const std::string& lastError() const { return m_lastError; }

protected:
    void beforeRead() const override;
    void beforeChange() override;
    void changed() override;

private:
    struct Stamp {
        bool exists = false;
        std::filesystem::file_time_type time{};
        std::uintmax_t size = 0;
        bool operator==(const Stamp&) const = default;
    };
    [[nodiscard]] Stamp stampNow() const;

    std::filesystem::path m_path;
    mutable Stamp m_stamp;
    mutable bool m_loaded = false;
    std::string m_lastError;
};

} // namespace corvalet::platform

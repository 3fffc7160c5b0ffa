#pragma once
// The simple controls as plain models. Each notifies its view through Control::changed on a
// real change; owner events (click, change …) are raised where the window models expect them:
// a program set of Value, ListIndex, Text or Tab raises the same event as the user's action,
// as the window models rely on (a hidden text box whose change handler reloads the editor).
#include "platform/Control.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace corvalet::platform {

class Label : public Control {
public:
    using Control::Control;
    [[nodiscard]] const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption) { assign(m_caption, std::move(caption)); }
    Signal<> click;
    Signal<> dblClick;

private:
    std::string m_caption;
};

class TextBox : public Control {
public:
    using Control::Control;
    [[nodiscard]] const std::string& text() const { return m_text; }
    // Raises change on a real change, whoever sets it.
    void setText(std::string text);
    [[nodiscard]] int selStart() const { return m_selStart; }
    [[nodiscard]] int selLength() const { return m_selLength; }
    // Clamped to the text.
    void setSelection(int start, int length);
    [[nodiscard]] bool locked() const { return m_locked; }
    void setLocked(bool locked) { assign(m_locked, locked); }

    // User actions.
    void userEdit(std::string text) { setText(std::move(text)); }
    // Returns the key after the owner's handler (0 = refused).
    int userKeyPress(int keyAscii);
    int userKeyDown(int keyCode, int shift);
    void userFocus(bool in) { (in ? gotFocus : lostFocus).send(); }

    Signal<> change;
    Signal<int&> keyPress;
    Signal<int&, int> keyDown;
    Signal<> gotFocus;
    Signal<> lostFocus;
    Signal<> dblClick;

private:
    std::string m_text;
    int m_selStart = 0;
    int m_selLength = 0;
    bool m_locked = false;
};

// Value 0 unchecked, 1 checked, 2 grayed.
class CheckBox : public Control {
public:
    using Control::Control;
    [[nodiscard]] const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption) { assign(m_caption, std::move(caption)); }
    [[nodiscard]] int value() const { return m_value; }
    // Raises click on a real change.
    void setValue(int value);
    // The user's click: checked becomes unchecked, anything else checked.
    void userClick() { setValue(m_value == 1 ? 0 : 1); }
    Signal<> click;

private:
    std::string m_caption;
    int m_value = 0;
};

// A group of option buttons; value() is the index of the chosen one, -1 for none.
class OptionGroup : public Control {
public:
    using Control::Control;
    [[nodiscard]] const std::vector<std::string>& captions() const { return m_captions; }
    void setCaptions(std::vector<std::string> captions);
    [[nodiscard]] int value() const { return m_value; }
    // Raises click(index) on a real change; an index outside the group chooses none.
    void setValue(int index);
    void userChoose(int index) { setValue(index); }
    Signal<int> click;

private:
    std::vector<std::string> m_captions;
    int m_value = -1;
};

class Button : public Control {
public:
    using Control::Control;
    [[nodiscard]] const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption) { assign(m_caption, std::move(caption)); }
    // A program "press" and the user's click both raise click, unless disabled.
    void press()
    {
        if (enabled())
            click.send();
    }
    void userClick() { press(); }
    Signal<> click;

private:
    std::string m_caption;
};

struct ListEntry {
    std::string text;
    long itemData = 0;
    bool selected = false;
    bool operator==(const ListEntry&) const = default;
};

// A list box. Single selection: the selected entry is ListIndex. Multi-selection: any set of
// entries, ListIndex the entry with the focus.
class ListBox : public Control {
public:
    using Control::Control;
    [[nodiscard]] int listCount() const { return int(m_items.size()); }
    [[nodiscard]] const std::vector<ListEntry>& items() const { return m_items; }
    [[nodiscard]] const std::string& list(int i) const;
    [[nodiscard]] long itemData(int i) const;
    void setItemData(int i, long data);
    void addItem(std::string text, int at = -1);
    void removeItem(int i);
    void clear();
    // Replaces every entry at once (one notice); the selection is cleared.
    void setItems(std::vector<std::string> texts);

    [[nodiscard]] bool multiSelect() const { return m_multi; }
    void setMultiSelect(bool multi);
    [[nodiscard]] bool selected(int i) const;
    // In a single-selection list selecting an entry moves ListIndex there.
    void setSelected(int i, bool on);
    [[nodiscard]] int selCount() const;
    [[nodiscard]] int listIndex() const { return m_listIndex; }
    // -1 = none. Raises click on a real change.
    void setListIndex(int i);
    [[nodiscard]] int topIndex() const { return m_topIndex; }
    void setTopIndex(int i);
    // The list's Text: the entry at ListIndex.
    [[nodiscard]] std::string text() const { return m_listIndex >= 0 ? m_items[std::size_t(m_listIndex)].text : std::string(); }

    // The user's click on entry i; with ctrl in a multi-selection list the entry toggles,
    // without it the selection becomes that entry alone.
    void userClick(int i, bool ctrl = false);
    // A rubber band or shift-click: the selection becomes exactly these entries.
    void userSelect(const std::vector<int>& rows, int current);
    int userKeyDown(int keyCode, int shift);

    Signal<> click;
    Signal<> dblClick;
    Signal<int&, int> keyDown;
    Signal<int, int> mouseDown; // button, shift
    Signal<int, int> mouseUp;

protected:
    std::vector<ListEntry> m_items;

private:
    bool m_multi = false;
    int m_listIndex = -1;
    int m_topIndex = 0;
};

// A combo box: a list plus an edit text. Style 0 drop-down combo, 1 simple combo, 2 drop-down
// list (no typing).
class ComboBox : public Control {
public:
    using Control::Control;
    [[nodiscard]] int style() const { return m_style; }
    void setStyle(int style) { assign(m_style, style); }
    [[nodiscard]] int listCount() const { return int(m_items.size()); }
    [[nodiscard]] const std::vector<std::string>& items() const { return m_items; }
    [[nodiscard]] const std::string& list(int i) const;
    void addItem(std::string text, int at = -1);
    void removeItem(int i);
    void clear();
    void setItems(std::vector<std::string> items);
    [[nodiscard]] int listIndex() const { return m_listIndex; }
    // Moves to entry i (its text becomes the Text) and raises click on a real change.
    void setListIndex(int i);
    [[nodiscard]] const std::string& text() const { return m_text; }
    // Raises change on a real change; ListIndex follows the entry with that text, if any.
    void setText(std::string text);
    // User actions: choosing from the list, typing.
    void userChoose(int i) { setListIndex(i); }
    void userEdit(std::string text) { setText(std::move(text)); }
    int userKeyPress(int keyAscii);
    Signal<> click;
    Signal<> change;
    Signal<int&> keyPress;

private:
    std::vector<std::string> m_items;
    int m_style = 0;
    int m_listIndex = -1;
    std::string m_text;
};

// The files of one folder that match a pattern, sorted by name without regard to case.
// The pattern is one or more globs separated by ";" ("*.las;*.txt"), matched without regard
// to case; "*" and "?" are the wildcards. Hidden files (a leading ".") and folders are left out.
class FileList : public ListBox {
public:
    using ListBox::ListBox;
    [[nodiscard]] const std::string& path() const { return m_path; }
    // Re-reads the folder; raises pathChange on a real change.
    void setPath(std::string path);
    [[nodiscard]] const std::string& pattern() const { return m_pattern; }
    // Re-reads the folder; raises patternChange on a real change.
    void setPattern(std::string pattern);
    // Re-reads the folder from disk. The selection is dropped (refreshFileList keeps it).
    void refresh();
    // The full path of entry i.
    [[nodiscard]] std::string filePath(int i) const;
    Signal<> pathChange;
    Signal<> patternChange;

private:
    std::string m_path;
    std::string m_pattern = "*.*";
};

// Whether a file name matches a ";"-separated glob list, ASCII case ignored. "*.*" matches
// every name, also one without a dot.
[[nodiscard]] bool matchesFilePattern(std::string_view name, std::string_view patterns);

// The sub-folders of one folder, sorted without regard to case.
class FolderList : public Control {
public:
    using Control::Control;
    [[nodiscard]] const std::string& path() const { return m_path; }
    // Re-reads the sub-folders; raises change on a real change.
    void setPath(std::string path);
    void refresh();
    [[nodiscard]] const std::vector<std::string>& folders() const { return m_folders; }
    [[nodiscard]] int listIndex() const { return m_listIndex; }
    void setListIndex(int i);
    // The user opens sub-folder i: the path moves into it.
    void userOpen(int i);
    Signal<> change;
    Signal<> click;

private:
    std::string m_path;
    std::vector<std::string> m_folders;
    int m_listIndex = -1;
};

class TabControl : public Control {
public:
    using Control::Control;
    [[nodiscard]] const std::vector<std::string>& captions() const { return m_captions; }
    void setCaptions(std::vector<std::string> captions);
    [[nodiscard]] int currentTab() const { return m_current; }
    // Raises click on a real change.
    void setCurrentTab(int tab);
    void userChoose(int tab) { setCurrentTab(tab); }
    Signal<> click;

private:
    std::vector<std::string> m_captions;
    int m_current = 0;
};

// A timer raises tick every interval while enabled; its view (or a test) drives it.
class Timer : public Control {
public:
    using Control::Control;
    [[nodiscard]] bool hasFont() const override { return false; }
    [[nodiscard]] int interval() const { return m_interval; }
    void setInterval(int ms) { assign(m_interval, ms < 0 ? 0 : ms); }
    [[nodiscard]] bool timerEnabled() const { return enabled() && m_interval > 0; }
    // Called by whatever keeps time; does nothing while disabled.
    void fire()
    {
        if (timerEnabled())
            tick.send();
    }
    Signal<> tick;

private:
    int m_interval = 0;
};

// One menu item or toolbar tool. State is the tool's toggle state (0 up, 1 down).
class Tool : public Control {
public:
    Tool(std::string id, std::string caption, std::string category = {}, std::string toolTip = {});
    [[nodiscard]] const std::string& id() const { return name(); }
    [[nodiscard]] const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption) { assign(m_caption, std::move(caption)); }
    [[nodiscard]] const std::string& category() const { return m_category; }
    [[nodiscard]] int state() const { return m_state; }
    void setState(int state) { assign(m_state, state); }
    [[nodiscard]] bool checked() const { return m_state != 0; }
    void setChecked(bool on) { setState(on ? 1 : 0); }

private:
    std::string m_caption;
    std::string m_category;
    int m_state = 0;
};

// The tools and menu items of a window, found by identifier ("ID_Open").
class ToolSet {
public:
    Tool& add(std::string id, std::string caption, std::string category = {}, std::string toolTip = {});
    [[nodiscard]] Tool* find(std::string_view id);
    [[nodiscard]] const std::vector<std::unique_ptr<Tool>>& tools() const { return m_tools; }
    // The user picks a tool: raises toolClick with its identifier, unless the tool is disabled.
    void userClick(std::string_view id);
    Signal<const std::string&> toolClick;

private:
    std::vector<std::unique_ptr<Tool>> m_tools;
};

} // namespace corvalet::platform

#include "platform/Controls.h"
#include "platform/WindowHost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace corvalet::platform;

namespace {
struct Counter {
    int n = 0;
    Connection c;
    explicit Counter(Signal<>& s) : c(s.connect([this] { ++n; })) {}
};
} // namespace

TEST(ControlsTest, SettersNotifyOncePerRealChange)
{
    TextBox box;
    Counter notices(box.changed), changes(box.change);
    box.setText("a");
    box.setText("a");
    box.setEnabled(true); // already enabled
    box.setToolTipText("tip");
    EXPECT_EQ(notices.n, 2);
    EXPECT_EQ(changes.n, 1);

    CheckBox check;
    Counter clicks(check.click), checkNotices(check.changed);
    check.setValue(1);
    check.setValue(1);
    check.userClick();
    EXPECT_EQ(check.value(), 0);
    EXPECT_EQ(clicks.n, 2);
    EXPECT_EQ(checkNotices.n, 2);

    TabControl tabs;
    tabs.setCaptions({"&Files/Channels", "&Visualization"});
    Counter tabClicks(tabs.click);
    tabs.setCurrentTab(1);
    tabs.setCurrentTab(1);
    tabs.setCurrentTab(5); // no such tab
    EXPECT_EQ(tabClicks.n, 1);
    EXPECT_EQ(tabs.currentTab(), 1);
}

TEST(ControlsTest, ComboTextFollowsTheListAndRaisesTheRightEvent)
{
    ComboBox combo;
    combo.setItems({"Canada", "Other"});
    Counter clicks(combo.click), changes(combo.change);
    combo.userChoose(1);
    EXPECT_EQ(combo.text(), "Other");
    combo.userEdit("Canada");
    EXPECT_EQ(combo.listIndex(), 0);
    combo.userEdit("Mars");
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(clicks.n, 1);
    EXPECT_EQ(changes.n, 2);
}

TEST(ControlsTest, ListSelectionSingleAndMulti)
{
    ListBox single;
    single.setItems({"a", "b", "c"});
    single.setSelected(1, true);
    single.setSelected(2, true);
    EXPECT_EQ(single.selCount(), 1);
    EXPECT_EQ(single.listIndex(), 2);

    ListBox multi;
    multi.setMultiSelect(true);
    multi.setItems({"a", "b", "c"});
    Counter clicks(multi.click);
    multi.userClick(0);
    multi.userClick(2, true);
    EXPECT_EQ(multi.selCount(), 2);
    multi.userClick(0, true);
    EXPECT_FALSE(multi.selected(0));
    EXPECT_EQ(clicks.n, 3);
    multi.removeItem(2);
    EXPECT_EQ(multi.selCount(), 0);
    EXPECT_EQ(multi.listIndex(), 0); // the focus stays on the entry last clicked
}

TEST(ControlsTest, FilePatternsIgnoreCase)
{
    struct Case {
        const char* name;
        const char* pattern;
        bool match;
    };
    const Case cases[] = {
        {"WELL.LAS", "*.las", true},     {"well.las", "*.LAS;*.txt", true}, {"well.txt", "*.las; *.txt", true},
        {"well.lasx", "*.las", false},   {"README", "*.*", true},           {"a1.las", "a?.las", true},
        {"ab1.las", "a?.las", false},    {"x.las", "", false},              {"las", "*.las", false},
        {"a.b.las", "*.las", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " / " + c.pattern);
        EXPECT_EQ(matchesFilePattern(c.name, c.pattern), c.match);
    }
}

TEST(ControlsTest, DisabledToolAndTimerDoNothing)
{
    ToolSet tools;
    tools.add("ID_Process", "Process!", "File", "Process the files");
    std::vector<std::string> clicked;
    auto c = tools.toolClick.connect([&](const std::string& id) { clicked.push_back(id); });
    tools.userClick("id_process");
    tools.find("ID_Process")->setEnabled(false);
    tools.userClick("ID_Process");
    tools.userClick("ID_Nothing");
    EXPECT_EQ(clicked, (std::vector<std::string>{"ID_Process"}));

    Timer timer;
    Counter ticks(timer.tick);
    timer.fire(); // no interval yet
    timer.setInterval(100);
    timer.fire();
    timer.setEnabled(false);
    timer.fire();
    EXPECT_EQ(ticks.n, 1);
}

TEST(ControlsTest, HeadlessHostRunsTheLifeCycle)
{
    HeadlessWindowHost host;
    Window w("prefs");
    std::vector<std::string> events;
    auto c1 = w.load.connect([&] { events.push_back("load"); });
    auto c2 = w.activate.connect([&] { events.push_back("activate"); });
    bool keep = true;
    auto c3 = w.queryUnload.connect([&](bool& cancel) { cancel = keep; events.push_back("query"); });
    auto c4 = w.unload.connect([&] { events.push_back("unload"); });

    host.show(w);
    host.show(w); // already shown and active
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(host.activeWindow(), &w);
    host.hide(w);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(w.loaded());
    EXPECT_FALSE(host.unload(w));
    EXPECT_TRUE(w.loaded());
    keep = false;
    EXPECT_TRUE(host.unload(w));
    EXPECT_FALSE(w.loaded());
    EXPECT_TRUE(host.loadedWindows().empty());
    EXPECT_EQ(events, (std::vector<std::string>{"load", "activate", "query", "query", "unload"}));

    // A modal run: the test acts while the window is up, the run ends when it is unloaded.
    bool sawModal = false;
    host.onModal = [&](Window& win) {
        sawModal = win.isModal() && win.isVisible();
        host.unload(win);
    };
    host.runModal(w);
    EXPECT_TRUE(sawModal);
    EXPECT_FALSE(w.loaded());
    EXPECT_FALSE(w.isModal());
}

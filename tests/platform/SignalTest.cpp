#include "platform/Signal.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using corvalet::platform::Connection;
using corvalet::platform::Signal;

TEST(Signal, SendsArgumentsToEveryConnectedHandlerInOrder)
{
    Signal<int, const std::string&> changed;
    std::vector<std::string> seen;
    Connection a = changed.connect([&](int n, const std::string& s) { seen.push_back("a" + std::to_string(n) + s); });
    Connection b = changed.connect([&](int n, const std::string& s) { seen.push_back("b" + std::to_string(n) + s); });
    changed.send(3, "x");
    EXPECT_EQ(seen, (std::vector<std::string>{"a3x", "b3x"}));
}

TEST(Signal, ConnectionDisconnectsOnDestructionAndOnRequest)
{
    Signal<> changed;
    int calls = 0;
    {
        Connection scoped = changed.connect([&] { ++calls; });
        changed.send();
    }
    changed.send();
    EXPECT_EQ(calls, 1);

    Connection c = changed.connect([&] { ++calls; });
    EXPECT_TRUE(c.connected());
    c.disconnect();
    EXPECT_FALSE(c.connected());
    changed.send();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(changed.connectionCount(), 0u);
}

TEST(Signal, MovedConnectionKeepsTheHandlerAndMoveAssignmentDropsTheOldOne)
{
    Signal<> changed;
    int first = 0, second = 0;
    Connection c = changed.connect([&] { ++first; });
    Connection moved = std::move(c);
    EXPECT_FALSE(c.connected());
    changed.send();
    EXPECT_EQ(first, 1);

    moved = changed.connect([&] { ++second; });
    changed.send();
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 1);
}

TEST(Signal, BlockedHandlerIsSkippedUntilUnblocked)
{
    Signal<int> changed;
    std::vector<int> seen;
    Connection c = changed.connect([&](int n) { seen.push_back(n); });
    c.block(true);
    EXPECT_TRUE(c.blocked());
    changed.send(1);
    c.block(false);
    changed.send(2);
    EXPECT_EQ(seen, std::vector<int>{2});
}

TEST(Signal, HandlerMayDisconnectItselfOrALaterHandlerDuringSend)
{
    Signal<> changed;
    std::vector<char> seen;
    std::optional<Connection> later;
    Connection self;
    self = changed.connect([&] {
        seen.push_back('s');
        self.disconnect();
        later.reset();
    });
    later.emplace(changed.connect([&] { seen.push_back('l'); }));
    changed.send();
    changed.send();
    EXPECT_EQ(seen, std::vector<char>{'s'});
}

TEST(Signal, HandlerConnectedDuringSendRunsFromTheNextSend)
{
    Signal<> changed;
    int added = 0;
    std::vector<Connection> keep;
    Connection c = changed.connect([&] {
        if (keep.empty())
            keep.push_back(changed.connect([&] { ++added; }));
    });
    changed.send();
    EXPECT_EQ(added, 0);
    changed.send();
    EXPECT_EQ(added, 1);
}

TEST(Signal, ConnectionOutlivingItsSignalIsHarmless)
{
    Connection c;
    {
        Signal<> changed;
        c = changed.connect([] {});
        EXPECT_TRUE(c.connected());
    }
    EXPECT_FALSE(c.connected());
    c.block(true);
    c.disconnect();
}

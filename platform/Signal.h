#pragma once
// A small change signal for the platform controls: a model sends, its views listen. A
// Connection is the listener's handle; dropping it disconnects, so a view that goes away never
// gets a call on a dead object. Sending walks a copy of the listener list, so a handler may
// connect or disconnect (itself or others) while a send is running.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace corvalet::platform {

namespace detail {
// What a Connection and its Signal share: the Signal drops its side when it dies, the
// Connection drops its side when it disconnects, so either may go first.
struct SlotState {
    bool connected = true;
    bool blocked = false;
};
} // namespace detail

class Connection {
public:
    Connection() = default;
    explicit Connection(std::weak_ptr<detail::SlotState> state) : m_state(std::move(state)) {}
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    Connection(Connection&& other) noexcept : m_state(std::exchange(other.m_state, {})) {}
    Connection& operator=(Connection&& other) noexcept
    {
        if (this != &other) {
            disconnect();
            m_state = std::exchange(other.m_state, {});
        }
        return *this;
    }
    ~Connection() { disconnect(); }

    void disconnect()
    {
        if (auto state = m_state.lock())
            state->connected = false;
        m_state.reset();
    }
    // While blocked the handler is skipped; the connection stays.
    void block(bool blocked)
    {
        if (auto state = m_state.lock())
            state->blocked = blocked;
    }
    [[nodiscard]] bool connected() const
    {
        auto state = m_state.lock();
        return state && state->connected;
    }
    [[nodiscard]] bool blocked() const
    {
        auto state = m_state.lock();
        return state && state->blocked;
    }

private:
    std::weak_ptr<detail::SlotState> m_state;
};

template <class... Args>
class Signal {
public:
    Signal() = default;
    Signal(const Signal&) = delete;
    Signal& operator=(const Signal&) = delete;
    ~Signal()
    {
        for (auto& slot : m_slots)
            slot.state->connected = false;
    }

    [[nodiscard]] Connection connect(std::function<void(Args...)> handler)
    {
        prune();
        auto state = std::make_shared<detail::SlotState>();
        m_slots.push_back(Slot{state, std::make_shared<std::function<void(Args...)>>(std::move(handler))});
        return Connection(state);
    }

    void send(Args... args)
    {
        // The copy keeps both the list and each handler alive through the calls, even when a
        // handler disconnects itself or the list grows.
        const std::vector<Slot> receivers = m_slots;
        for (const auto& slot : receivers) {
            if (slot.state->connected && !slot.state->blocked)
                (*slot.handler)(args...);
        }
        prune();
    }

    [[nodiscard]] std::size_t connectionCount() const
    {
        return std::size_t(std::count_if(m_slots.begin(), m_slots.end(),
                                         [](const Slot& s) { return s.state->connected; }));
    }

private:
    struct Slot {
        std::shared_ptr<detail::SlotState> state;
        std::shared_ptr<std::function<void(Args...)>> handler;
    };

    void prune()
    {
        std::erase_if(m_slots, [](const Slot& s) { return !s.state->connected; });
    }

    std::vector<Slot> m_slots;
};

} // namespace corvalet::platform

#pragma once
// Lets the user interface breathe during long work: the GUI processes pending events, a
// headless run has nothing to process.
namespace corvalet::platform {

class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void doEvents() = 0;
};

class NullEventPump final : public EventPump {
public:
    void doEvents() override {}
};

} // namespace corvalet::platform

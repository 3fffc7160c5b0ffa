#pragma once
// The hourglass while a job runs. Jobs nest (a job calls a job that also shows the busy
// pointer), so the display counts: only the outermost BusyPointer switches the pointer to busy
// and back, and an inner one ending never restores the pointer under a running outer job.
#include <vector>

namespace corvalet::platform {

class PointerDisplay {
public:
    virtual ~PointerDisplay() = default;
    void enterBusy()
    {
        if (m_depth++ == 0)
            setBusy(true);
    }
    void leaveBusy()
    {
        if (m_depth == 0)
            return;
        if (--m_depth == 0)
            setBusy(false);
    }
    [[nodiscard]] int depth() const { return m_depth; }
    // The pointer set by code rather than by a guard: a switch, so any number of "busy" calls is
    // undone by one "normal", while the guards of running jobs keep their own count.
    void setSwitchedBusy(bool busy)
    {
        if (busy == m_switched)
            return;
        m_switched = busy;
        if (busy)
            enterBusy();
        else
            leaveBusy();
    }

protected:
    virtual void setBusy(bool busy) = 0;

private:
    int m_depth = 0;
    bool m_switched = false;
};

// The busy pointer for the lifetime of the guard.
class BusyPointer {
public:
    explicit BusyPointer(PointerDisplay& display) : m_display(&display) { m_display->enterBusy(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
    ~BusyPointer() { m_display->leaveBusy(); }

private:
    PointerDisplay* m_display;
};

class NullPointerDisplay final : public PointerDisplay {
protected:
    void setBusy(bool) override {}
};

// Tests: every switch of the pointer, in order (true: busy, false: normal).
class RecordingPointerDisplay final : public PointerDisplay {
public:
    [[nodiscard]] const std::vector<bool>& changes() const { return m_changes; }
    [[nodiscard]] bool busy() const { return !m_changes.empty() && m_changes.back(); }

protected:
    void setBusy(bool busy) override { m_changes.push_back(busy); }

private:
    std::vector<bool> m_changes;
};

} // namespace corvalet::platform

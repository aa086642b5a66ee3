#pragma once

#include <functional>
#include <memory>
#include <optional>

class QTimer;

namespace lumina {

// The pause a live preview waits for after the last change; restarted by every change.
class PauseTimer {
public:
    virtual ~PauseTimer() = default;
    // (Re)starts the pause: it elapses once, that long after the last start.
    virtual void Start() = 0;
    virtual void Cancel() = 0;
    virtual bool Pending() const = 0;
    void SetOnElapsed(std::function<void()> onElapsed) { m_onElapsed = std::move(onElapsed); }

protected:
    void Elapse() {
        if (m_onElapsed)
            m_onElapsed();
    }

private:
    std::function<void()> m_onElapsed;
};

// A single-shot Qt timer.
class QtPauseTimer : public PauseTimer {
public:
    explicit QtPauseTimer(int milliseconds);
    ~QtPauseTimer() override;
    void Start() override;
    void Cancel() override;
    bool Pending() const override;

private:
    std::unique_ptr<QTimer> m_timer;
};

// What started a run of the art.
enum class RunCause {
    Button, // "更新(&R)", or the window's own first run
    Pause,  // a change in the grid, once the pause after it has passed
};

// The rule of the art window's live preview ("自動更新"): while it is on, a change in the settings
// (re)starts a short pause, and the art is made again once the pause has passed, not per
// keystroke. A change while a run is in progress tells that run to give up (its settings are
// stale); the next run follows the next pause. Runs are never queued: while one is in progress,
// at most one more is waiting, with whatever the settings are when it starts.
class LivePreview {
public:
    using Run = std::function<void(RunCause)>;
    LivePreview(std::unique_ptr<PauseTimer> timer, Run run);

    void SetOn(bool on);
    bool On() const { return m_on; }

    // A setting changed in the grid.
    void Changed();
    // A run now; while one is in progress, that one gives up and this one follows it.
    void Request(RunCause cause);
    // Gives up the run in progress and anything waiting (the window closes).
    void Stop();

    bool Running() const { return m_running; }
    // Asked by the run in progress between its rows.
    bool StopRequested() const { return m_stop; }
    bool PausePending() const { return m_timer->Pending(); }

private:
    void Start(RunCause cause);

    std::unique_ptr<PauseTimer> m_timer;
    Run m_run;
    bool m_on = false;
    bool m_running = false;
    bool m_stop = false;
    std::optional<RunCause> m_next;
};

} // namespace lumina

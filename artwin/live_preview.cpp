#include "artwin/live_preview.h"

#include <QTimer>

namespace lumina {

QtPauseTimer::QtPauseTimer(int milliseconds)
    : m_timer(std::make_unique<QTimer>()) {
    m_timer->setSingleShot(true);
    m_timer->setInterval(milliseconds);
    QObject::connect(m_timer.get(), &QTimer::timeout, [this] { Elapse(); });
}

QtPauseTimer::~QtPauseTimer() = default;

void QtPauseTimer::Start() {
    m_timer->start();
}

void QtPauseTimer::Cancel() {
    m_timer->stop();
}

bool QtPauseTimer::Pending() const {
    return m_timer->isActive();
}

LivePreview::LivePreview(std::unique_ptr<PauseTimer> timer, Run run)
    : m_timer(std::move(timer))
    , m_run(std::move(run)) {
    m_timer->SetOnElapsed([this] { Request(RunCause::Pause); });
}

void LivePreview::SetOn(bool on) {
    m_on = on;
    if (!on)
        m_timer->Cancel();
}

void LivePreview::Changed() {
    if (!m_on)
        return;
    if (m_running)
        m_stop = true;
    m_timer->Start();
}

void LivePreview::Request(RunCause cause) {
    // A run about to start makes a pending pause pointless.
    m_timer->Cancel();
    if (m_running) {
        m_stop = true;
        // The button's run reads the grid's open edit too; it wins over a pause's.
        if (!m_next || cause == RunCause::Button)
            m_next = cause;
        return;
    }
    Start(cause);
}

void LivePreview::Stop() {
    m_timer->Cancel();
    m_next.reset();
    if (m_running)
        m_stop = true;
}

void LivePreview::Start(RunCause cause) {
    for (std::optional<RunCause> next = cause; next;) {
        m_running = true;
        m_stop = false;
        m_next.reset();
        m_run(*next);
        m_running = false;
        next = m_next;
        m_next.reset();
    }
    m_stop = false;
}

} // namespace lumina

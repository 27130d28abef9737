#pragma once

#include "clock/TimesUpHost.h"

#include <QPointer>
#include <QWidget>

class Notifier;

// The time's-up steps as the program does them: the alert sound, the main window brought to the
// front and handed back, the Time's Up dialog and the overrun question.
class WindowHost final : public TimesUpHost {
public:
    // `window` is the main window; `owner` owns the overrun question.
    WindowHost(QWidget* window, QWidget* owner);
    ~WindowHost() override;

    // Nothing is shown once the program is shutting down; the questions get their Esc answers.
    void SetQuitting(bool quitting) { m_quitting = quitting; }
    // Where the questions are also sent as desktop notifications; nullptr for none.
    void SetNotifier(Notifier* notifier);

    void PlayAlert() override;
    void BringToFront() override;
    Answer AskTimesUp(const std::string& goalName) override;
    bool AskOverrun(const std::string& goalName, const std::string& question) override;
    void HandBack() override;

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_owner;
    QPointer<Notifier> m_notifier;
    Qt::WindowStates m_state;
    bool m_wasActive = true;
    bool m_quitting = false;
};

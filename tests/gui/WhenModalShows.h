#pragma once
// Answers a modal dialog from inside its own event loop: polls for the active modal widget of
// type Dialog and hands it to `act` once, which looks at it and closes it.
#include "QtTestApp.h"

#include <QDialog>
#include <QTimer>

#include <functional>

template <class Dialog>
void whenModalShows(std::function<void(Dialog*)> act)
{
    auto* timer = new QTimer(&qtTestApp());
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(dialog);
        }
    });
    timer->start(10);
}

// Keep one alive around a call that may leave a dialog open (a refused choice, an unexpected box):
// after two seconds it closes every modal dialog, so the test fails instead of hanging.
class ModalWatchdog {
public:
    ModalWatchdog()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                modal->reject();
        });
        m_timer.start(2000);
    }

private:
    QTimer m_timer;
};

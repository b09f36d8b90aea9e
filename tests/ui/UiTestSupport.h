#pragma once

#include <QApplication>
#include <QTimer>

#include <functional>

// Runs action on the first modal window of type T that opens, from inside
// its event loop: a modal exec() blocks the test until someone answers it.
template <typename T> void WhenModal(std::function<void(T*)> action) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (auto* w = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(w);
        }
    });
    timer->start();
}

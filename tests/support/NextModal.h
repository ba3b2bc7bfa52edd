#pragma once

#include <QApplication>
#include <QTimer>

#include <functional>

// Runs `step` once on the next modal window of type T to open (a dialog run with exec()
// from the code under test), from inside its event loop.
template <typename T>
void OnNextModal(std::function<void(T &)> step)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, step] {
        if (auto *window = qobject_cast<T *>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            step(*window);
        }
    });
    poll->start(5);
}

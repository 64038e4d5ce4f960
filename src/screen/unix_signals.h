// SPDX-License-Identifier: GPL-3.0-or-later
// SIGTERM, SIGINT and SIGHUP as a Qt signal: the handler only notes the signal and writes a byte to a pipe that
// the event loop reads. From the moment a signal has arrived, input still waiting is dropped.
#pragma once

#include <QObject>

class QSocketNotifier;
class QTimer;

namespace zorvik {

// Ends every open dialog, the one on top first (a question over a chooser): at a session's end the handler
// that opened them returns, and the window can close.
void closeOpenDialogs();

class UnixSignals : public QObject {
    Q_OBJECT
public:
    explicit UnixSignals(QObject* parent = nullptr);
    ~UnixSignals() override;

    // A signal to end has arrived and the game is to close as soon as it can.
    static bool endRequested();

signals:
    void received(int signalNumber);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void readPipe();
    void poll();

    QSocketNotifier* notifier_ = nullptr;
    QTimer* poller_ = nullptr;
};

} // namespace zorvik

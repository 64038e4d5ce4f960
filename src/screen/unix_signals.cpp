// SPDX-License-Identifier: GPL-3.0-or-later
// The self-pipe for the signals that end the game, and a timer that looks for them when no pipe can be had.
#include "screen/unix_signals.h"

#include "levels/file_access.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <iostream>
#include <unistd.h>

namespace zorvik {

namespace {

int pipeEnds[2] = {-1, -1};
volatile std::sig_atomic_t arrived = 0;
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
// How often the timer looks when there is no pipe: well within the half second a session manager waits.
constexpr int kPollMs = 100;

void onSignal(int number)
{
    const int saved = errno;
    arrived = number;
    if (pipeEnds[1] >= 0) {
        const unsigned char byte = static_cast<unsigned char>(number);
        [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    }
    errno = saved;
}

} // namespace

UnixSignals::UnixSignals(QObject* parent) : QObject(parent)
{
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) == 0) {
        notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &UnixSignals::readPipe);
    } else {
        // Too few descriptors left: the game still ends and saves as it should, a little later.
        std::cerr << "Zorvik: Die Signale zum Beenden kommen ohne Pipe an (" << germanReason(errno)
                  << "); das Spiel sieht alle " << kPollMs << " ms nach ihnen." << std::endl;
        poller_ = new QTimer(this);
        connect(poller_, &QTimer::timeout, this, &UnixSignals::poll);
        poller_->start(kPollMs);
    }
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : kSignals)
        ::sigaction(number, &action, nullptr);
    QCoreApplication::instance()->installEventFilter(this);
}

UnixSignals::~UnixSignals()
{
    for (int number : kSignals)
        std::signal(number, SIG_DFL);
    arrived = 0;
    if (pipeEnds[0] >= 0) {
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        pipeEnds[0] = pipeEnds[1] = -1;
    }
}

void closeOpenDialogs()
{
    for (QWidget* modal = QApplication::activeModalWidget(); modal;) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        QWidget* next = QApplication::activeModalWidget();
        modal = next == modal ? nullptr : next;  // one that will not go must not hold the loop
    }
}

bool UnixSignals::endRequested() { return arrived != 0; }

bool UnixSignals::eventFilter(QObject* watched, QEvent* event)
{
    // Keys and clicks that wait in the queue would each play a move: the game closes instead.
    if (arrived != 0 && event->isInputEvent()) {
        emit received(arrived);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void UnixSignals::readPipe()
{
    unsigned char byte = 0;
    while (::read(pipeEnds[0], &byte, 1) == 1)
        emit received(byte);
}

void UnixSignals::poll()
{
    if (arrived != 0) {
        poller_->stop();
        emit received(arrived);
    }
}

} // namespace zorvik

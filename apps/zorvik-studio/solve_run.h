// SPDX-License-Identifier: GPL-3.0-or-later
// One search for a solution on a thread of its own; its progress and result come back on the window's thread.
#pragma once

#include "solver/solver.h"

#include <QObject>

#include <atomic>
#include <string>
#include <thread>

namespace zorvik::studio {

class SolveRun : public QObject {
    Q_OBJECT
public:
    SolveRun(std::string levelText, std::chrono::milliseconds timeLimit, QObject* parent = nullptr,
             std::size_t memoryLimit = solver::Options{}.memoryLimit);
    // Stops the search and waits for its thread.
    ~SolveRun() override;

    const std::string& levelText() const { return levelText_; }
    // The search stops soon and reports what it has.
    void cancel() { cancel_ = true; }

signals:
    void progressed(const zorvik::solver::Progress& progress);
    void finished(const zorvik::solver::Result& result);
    // The search itself failed, e.g. for want of memory.
    void failed(const QString& reason);

private:
    std::string levelText_;
    std::atomic<bool> cancel_{false};
    std::thread thread_;
};

} // namespace zorvik::studio

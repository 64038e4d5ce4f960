// SPDX-License-Identifier: GPL-3.0-or-later
// The search on its thread.
#include "solve_run.h"

#include <QMetaObject>

namespace zorvik::studio {

SolveRun::SolveRun(std::string levelText, std::chrono::milliseconds timeLimit, QObject* parent, std::size_t memoryLimit)
    : QObject(parent), levelText_(std::move(levelText))
{
    solver::Options options;
    options.timeLimit = timeLimit;
    options.memoryLimit = memoryLimit;
    options.cancel = &cancel_;
    // Queued to this object: once it is gone, nothing more arrives.
    options.progress = [this](const solver::Progress& progress) {
        QMetaObject::invokeMethod(this, [this, progress] { emit progressed(progress); }, Qt::QueuedConnection);
    };
    thread_ = std::thread([this, options] {
        try {
            const solver::Result result = solver::solve(levelText_, options);
            QMetaObject::invokeMethod(this, [this, result] { emit finished(result); }, Qt::QueuedConnection);
        } catch (const std::exception& failure) {
            const QString reason = QString::fromUtf8(failure.what());
            QMetaObject::invokeMethod(this, [this, reason] { emit failed(reason); }, Qt::QueuedConnection);
        }
    });
}

SolveRun::~SolveRun()
{
    cancel_ = true;
    thread_.join();
}

} // namespace zorvik::studio

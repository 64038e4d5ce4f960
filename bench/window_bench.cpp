// SPDX-License-Identifier: GPL-3.0-or-later
// Level starts through the game's own window, offscreen: the raster canvas plus what the window does per
// drawing operation (keeping the rectangle that is to be shown).
#include "window_bench.h"

#include "dialogs.h"
#include "game_window.h"
#include "scene.h"
#include "model/game.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace zorvik::bench {
namespace {

// Choosers and messages that nobody answers.
struct NoDialogs : Dialogs {
    QString openFileName(QWidget*, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&) override { return {}; }
    std::optional<QColor> colour(QWidget*, const QColor&) override { return {}; }
    void message(QWidget*, const QString&) override {}
};

void windowLevelStart(benchmark::State& state, const Screen& screen, const Board& board)
{
    QTemporaryDir folder;
    QFile level(QDir(folder.path()).filePath("Level.ZVK"));
    level.open(QIODevice::WriteOnly);
    level.write(QByteArray::fromStdString(board.text + "\r\n"));
    level.close();
    NoDialogs dialogs;
    GameWindow window(folder.path().toStdString(), dialogs);
    window.load();
    window.resize(screen.width, screen.height);
    window.show();
    window.runPendingResize();
    window.backingImage();
    for (auto _ : state) {
        window.game().Beginn();
        window.backingImage();
    }
}

} // namespace

void registerWindowBenchmarks()
{
    for (const Board& board : boards())
        for (const Screen& screen : screens())
            if (screen.twipsPerPixel == 15)  // the offscreen window has one logical pixel to a device pixel
                benchmark::RegisterBenchmark(("LevelStart/window/" + board.name + "/" + screen.name).c_str(),
                                             windowLevelStart, screen, board)
                    ->Unit(benchmark::kMicrosecond);
}

} // namespace zorvik::bench

// GUI test support: one application for the test program, dialogs that answer from a script,
// and a started game window in a folder of its own.
#pragma once

#include "model/game.h"
#include "window/dialogs.h"
#include "window/game_window.h"

#include <QTemporaryDir>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zorvik::testing {

void ensureApplication();

// Records what was asked and answers as told; `whileOpen` runs as if during the dialog.
struct ScriptedDialogs : Dialogs {
    std::vector<QString> fileTitles;
    std::vector<std::string> fileKinds;  // "open" or "save"
    QString fileAnswer;
    int colourRequests = 0;
    std::optional<QColor> colourAnswer;
    std::vector<QString> messages;
    std::function<void()> whileOpen;

    QString openFileName(QWidget* parent, const QString& title) override;
    QString saveFileName(QWidget* parent, const QString& title) override;
    std::optional<QColor> colour(QWidget* parent, const QColor& initial) override;
    void message(QWidget* parent, const QString& text) override;
};

struct GuiGame {
    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<GameWindow> window;

    GuiGame();
    // Writes a level file into the folder, the level text given as UTF-8.
    void writeLevel(const std::string& name, const std::string& utf8Text);
    std::string folderFile(const std::string& name) const;
    // The window reads its level list when it is made: write the levels first.
    void create();
    // Form_load, the first showing and its resize.
    void start();
    Game& game() { return window->game(); }
    // Where the disc of board cell (x, y) is centred, in logical pixels.
    QPoint cellCentre(int x, int y);
    // The backing image's colour there, as a game colour.
    Colour colourAt(QPoint logical);
};

} // namespace zorvik::testing

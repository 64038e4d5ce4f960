// The GUI test support.
#include "gui_support.h"

#include "support/test_game.h"

#include <QApplication>

#include <fstream>

namespace zorvik::testing {

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "zorvik_window_tests";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr)
        new QApplication(argc, argv);
}

QString ScriptedDialogs::openFileName(QWidget*, const QString& title)
{
    fileKinds.push_back("open");
    fileTitles.push_back(title);
    if (whileOpen)
        whileOpen();
    return fileAnswer;
}

QString ScriptedDialogs::saveFileName(QWidget*, const QString& title)
{
    fileKinds.push_back("save");
    fileTitles.push_back(title);
    if (whileOpen)
        whileOpen();
    return fileAnswer;
}

std::optional<QColor> ScriptedDialogs::colour(QWidget*, const QColor&)
{
    ++colourRequests;
    if (whileOpen)
        whileOpen();
    return colourAnswer;
}

void ScriptedDialogs::message(QWidget*, const QString& text)
{
    messages.push_back(text);
    if (whileOpen)
        whileOpen();
}

GuiGame::GuiGame() { ensureApplication(); }

void GuiGame::create()
{
    if (!window)
        window = std::make_unique<GameWindow>(folder.path().toStdString(), dialogs);
}

std::string GuiGame::folderFile(const std::string& name) const { return folder.filePath(QString::fromStdString(name)).toStdString(); }

void GuiGame::writeLevel(const std::string& name, const std::string& utf8Text)
{
    std::ofstream file(folderFile(name), std::ios::binary);
    file << toGameText(utf8Text) << "\r\n";
}

void GuiGame::start()
{
    create();
    window->load();
    window->show();
    window->runPendingResize();
}

QPoint GuiGame::cellCentre(int x, int y)
{
    const double tpl = window->twipsPerLogicalPixel();
    const Game& g = game();
    return QPoint(int((x * g.Zellgroesse + g.Radius) / tpl), int((y * g.Zellgroesse + g.Radius) / tpl));
}

Colour GuiGame::colourAt(QPoint logical)
{
    const double ratio = window->devicePixelRatioF();
    const QRgb rgb = window->backingImage().pixel(int(logical.x() * ratio), int(logical.y() * ratio));
    return qRed(rgb) + 256 * qGreen(rgb) + 65536 * qBlue(rgb);
}

} // namespace zorvik::testing

// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing tools, the selection and the clipboard, each edit one undo step of the level document.
#include "edit_tools.h"

#include "board_view.h"
#include "level_document.h"
#include "levels/file_access.h"
#include "levels/text_encoding.h"
#include "model/cell_codes.h"
#include "selection_overlay.h"
#include "studio/level_edits.h"
#include "studio/level_formats.h"
#include "studio/level_shapes.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QToolBar>

namespace zorvik::studio {

namespace {

struct ToolDesign {
    EditTools::Tool tool;
    const char* name;
    const char* toolTip;
    QKeySequence keys;
};

const ToolDesign kTools[] = {
    {EditTools::Tool::Pen, "Stift", "Stift (S): malt Feld für Feld mit dem Feld der Palette; die rechte Maustaste malt leer", Qt::Key_S},
    {EditTools::Tool::Rectangle, "Rechteck", "Rechteck (R): von Ecke zu Ecke ziehen malt den Rand eines Rechtecks", Qt::Key_R},
    {EditTools::Tool::FilledRectangle, "Gefülltes Rechteck", "Gefülltes Rechteck (G): von Ecke zu Ecke ziehen füllt ein Rechteck",
     Qt::Key_G},
    {EditTools::Tool::Line, "Linie", "Linie (L): vom ersten Feld zum letzten ziehen malt eine gerade Linie", Qt::Key_L},
    {EditTools::Tool::Fill, "Füllen", "Füllen (F): ein Klick füllt die zusammenhängenden Felder derselben Art", Qt::Key_F},
    {EditTools::Tool::Select, "Auswahl", "Auswahl (A): ein Rechteck aufziehen; in die Auswahl klicken und ziehen verschiebt sie",
     Qt::Key_A},
};

Shape shapeOf(EditTools::Tool tool)
{
    switch (tool) {
    case EditTools::Tool::Rectangle: return Shape::Rectangle;
    case EditTools::Tool::FilledRectangle: return Shape::FilledRectangle;
    case EditTools::Tool::Fill: return Shape::Fill;
    default: return Shape::Line;
    }
}

// A small picture of what the tool draws, so that the tool bar reads at a glance.
QIcon toolIcon(EditTools::Tool tool)
{
    QPixmap picture(24, 24);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 2));
    switch (tool) {
    case EditTools::Tool::Pen:
        painter.drawLine(5, 19, 18, 6);
        painter.drawLine(4, 20, 6, 18);
        break;
    case EditTools::Tool::Rectangle: painter.drawRect(4, 6, 16, 12); break;
    case EditTools::Tool::FilledRectangle:
        painter.setBrush(QColor(90, 90, 90));
        painter.drawRect(4, 6, 16, 12);
        break;
    case EditTools::Tool::Line: painter.drawLine(4, 19, 20, 5); break;
    case EditTools::Tool::Fill:
        painter.setBrush(QColor(90, 90, 90));
        painter.drawPolygon(QPolygon({QPoint(5, 12), QPoint(12, 5), QPoint(19, 12), QPoint(12, 19)}));
        painter.drawEllipse(QPoint(20, 19), 2, 3);
        break;
    case EditTools::Tool::Select:
        painter.setPen(QPen(QColor(40, 40, 40), 2, Qt::DashLine));
        painter.drawRect(4, 6, 16, 12);
        break;
    }
    return QIcon(picture);
}

QClipboard& clipboard() { return *QGuiApplication::clipboard(); }

// Clipboard text as UTF-8, in composed form: some desktops hand over "ö" as "o" and a combining diaeresis.
std::string clipboardText() { return clipboard().text().normalized(QString::NormalizationForm_C).toStdString(); }

} // namespace

EditTools::EditTools(LevelDocument& document, BoardView& board, Hooks hooks, QObject* parent)
    : QObject(parent), document_(document), board_(board), hooks_(std::move(hooks)), overlay_(new SelectionOverlay(board))
{
    makeActions();
    board_.installEventFilter(this);
    connect(&board_, &BoardView::hovered, this, [this](int index) { hovered_ = index; });
    // A selection belongs to the board it was made on.
    connect(&document_, &LevelDocument::textChanged, this, [this] {
        if (onBoard(selection(), document_.side()) != selection())
            select({});
    });
    connect(&document_, &LevelDocument::pathChanged, this, [this] { select({}); });
}

void EditTools::makeActions()
{
    toolGroup_ = new QActionGroup(this);
    for (const ToolDesign& design : kTools) {
        auto* action = new QAction(toolIcon(design.tool), QString::fromUtf8(design.name), this);
        action->setToolTip(QString::fromUtf8(design.toolTip));
        action->setShortcut(design.keys);
        action->setCheckable(true);
        toolGroup_->addAction(action);
        tools_[design.tool] = action;
    }
    tools_.at(Tool::Pen)->setChecked(true);
    connect(toolGroup_, &QActionGroup::triggered, this, [this] {
        drag_ = Drag::None;
        updatePreview();
    });

    auto command = [this](const QString& name, const QString& tip, const QKeySequence& keys, auto slot) {
        auto* action = new QAction(name, this);
        action->setToolTip(tip);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    cut_ = command(QStringLiteral("Ausschneiden"), QStringLiteral("Ausschneiden (Strg+X): die Auswahl in die Zwischenablage, ihre Felder werden leer"),
                   QKeySequence(Qt::CTRL | Qt::Key_X), &EditTools::cut);
    copy_ = command(QStringLiteral("Kopieren"), QStringLiteral("Kopieren (Strg+C): die Auswahl als Textzeilen in die Zwischenablage"),
                    QKeySequence(Qt::CTRL | Qt::Key_C), &EditTools::copy);
    paste_ = command(QStringLiteral("Einfügen"),
                     QStringLiteral("Einfügen (Strg+V): Textzeilen aus der Zwischenablage an die Auswahl oder unter den Mauszeiger; "
                                    "danach lassen sie sich verschieben"),
                     QKeySequence(Qt::CTRL | Qt::Key_V), &EditTools::paste);
    delete_ = command(QStringLiteral("Auswahl leeren"), QStringLiteral("Macht die Felder der Auswahl leer"), QKeySequence(Qt::Key_Delete),
                      &EditTools::deleteSelection);
    unselect_ = command(QStringLiteral("Auswahl aufheben"), QStringLiteral("Nichts mehr ausgewählt"),
                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A), [this] { select({}); });
    const QString where = QStringLiteral(" die Auswahl oder, ohne Auswahl, das ganze Brett. Der Wurm bleibt ein Wurm: Kopf links, "
                                         "Körper als Reihe rechts davon.");
    turns_[Turn::MirrorLeftRight] = command(QStringLiteral("Spiegeln"), QStringLiteral("Spiegeln (Strg+M): links und rechts tauschen für") + where,
                                            QKeySequence(Qt::CTRL | Qt::Key_M), [this] { turn(Turn::MirrorLeftRight); });
    turns_[Turn::MirrorTopBottom] = command(QStringLiteral("Spiegeln oben–unten"),
                                            QStringLiteral("Spiegeln oben–unten (Strg+Umschalt+M): oben und unten tauschen für") + where,
                                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M), [this] { turn(Turn::MirrorTopBottom); });
    turns_[Turn::RotateClockwise] = command(QStringLiteral("Drehen"), QStringLiteral("Drehen (Strg+R): eine Vierteldrehung im Uhrzeigersinn für") + where,
                                            QKeySequence(Qt::CTRL | Qt::Key_R), [this] { turn(Turn::RotateClockwise); });
    turns_[Turn::RotateCounterClockwise] =
        command(QStringLiteral("Drehen gegen den Uhrzeigersinn"),
                QStringLiteral("Drehen gegen den Uhrzeigersinn (Strg+Umschalt+R): eine Vierteldrehung zurück für") + where,
                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R), [this] { turn(Turn::RotateCounterClockwise); });
    copyLevel_ = command(QStringLiteral("Level als Text kopieren"),
                         QStringLiteral("Das ganze Level als eine Zeile Text, wie das Spiel es liest, in die Zwischenablage: zum Teilen in "
                                        "einem Chat oder einer E-Mail"),
                         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &EditTools::copyLevelText);
    pasteLevel_ = command(QStringLiteral("Level aus Text einfügen"),
                          QStringLiteral("Öffnet ein Level aus der Zwischenablage: eine Levelzeile oder die Zeilen eines Textrasters"),
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), &EditTools::pasteLevelText);
    updateCommands();
}

void EditTools::install(QMainWindow& window, QMenu& edit)
{
    QMenu* tools = window.menuBar()->addMenu(QStringLiteral("&Zeichnen"));
    tools->addActions(toolGroup_->actions());

    edit.addSeparator();
    edit.addActions({cut_, copy_, paste_, delete_, unselect_});
    edit.addSeparator();
    for (const auto& [turn, action] : turns_)
        edit.addAction(action);
    edit.addSeparator();
    edit.addActions({copyLevel_, pasteLevel_});
}

void EditTools::addToolBar(QMainWindow& window)
{
    window.addToolBarBreak();
    auto* bar = new QToolBar(QStringLiteral("Zeichnen"), &window);
    bar->setObjectName(QStringLiteral("Zeichnen"));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->addActions(toolGroup_->actions());
    bar->addSeparator();
    bar->addActions({cut_, copy_, paste_});
    bar->addSeparator();
    bar->addActions({turns_.at(Turn::MirrorLeftRight), turns_.at(Turn::RotateClockwise)});
    window.addToolBar(Qt::TopToolBarArea, bar);
}

EditTools::Tool EditTools::tool() const
{
    for (const auto& [tool, action] : tools_)
        if (action->isChecked())
            return tool;
    return Tool::Pen;
}

Region EditTools::selection() const { return overlay_->selection(); }

void EditTools::select(Region region)
{
    overlay_->setSelection(onBoard(region, document_.side()));
    updateCommands();
}

void EditTools::updateCommands()
{
    const bool selected = !selection().empty();
    cut_->setEnabled(selected);
    copy_->setEnabled(selected);
    delete_->setEnabled(selected);
    unselect_->setEnabled(selected);
}

Region EditTools::target() const
{
    return selection().empty() ? Region{0, 0, document_.side(), document_.side()} : selection();
}

void EditTools::copy()
{
    if (selection().empty())
        return;
    clipboard().setText(QString::fromStdString(rowsFromClip(copyRegion(document_.text(), selection()))));
}

void EditTools::cut()
{
    if (selection().empty())
        return;
    copy();
    document_.change(clearRegion(document_.text(), selection()), QStringLiteral("Ausschneiden"));
}

void EditTools::deleteSelection()
{
    document_.change(clearRegion(document_.text(), selection()), QStringLiteral("Auswahl leeren"));
}

void EditTools::paste()
{
    const Clip clip = clipFromRows(clipboardText());
    if (clip.empty()) {
        hooks_.status(QStringLiteral("In der Zwischenablage stehen keine Felder zum Einfügen."));
        return;
    }
    const int side = document_.side();
    // A level line from a chat is no row of cells: it would land as one row, cut off at the board's edge.
    if (clip.height == 1 && clip.width > side) {
        try {
            levelFromPastedText(clip.cells);
            hooks_.status(QStringLiteral("In der Zwischenablage steht ein ganzes Level: „Level aus Text einfügen“ (Strg+Umschalt+V) öffnet es."));
            return;
        } catch (const FileError&) {
        }
    }
    const int at = !selection().empty() ? selection().y * side + selection().x : hovered_ >= 0 ? hovered_ : 0;
    document_.change(pasteClip(document_.text(), clip, at % side, at / side), QStringLiteral("Einfügen"));
    // What came in is selected, ready to be dragged where it belongs.
    select({at % side, at / side, clip.width, clip.height});
    tools_.at(Tool::Select)->setChecked(true);
}

void EditTools::turn(Turn turn)
{
    const bool mirror = turn == Turn::MirrorLeftRight || turn == Turn::MirrorTopBottom;
    const TurnResult turned = turnRegion(document_.text(), target(), turn);
    if (!turned.problem.empty()) {
        hooks_.message(QString::fromStdString(turned.problem));
        return;
    }
    document_.change(turned.text, mirror ? QStringLiteral("Spiegeln") : QStringLiteral("Drehen"));
    if (!selection().empty())
        select(turned.region);
    if (turned.wormRelaid)
        hooks_.status(QStringLiteral("Der Wurm liegt wieder als Reihe rechts vom Kopf, so nah wie möglich an seinem %1 Platz.")
                          .arg(mirror ? QStringLiteral("gespiegelten") : QStringLiteral("gedrehten")));
}

void EditTools::copyLevelText()
{
    const std::string line = windows1252ToUtf8(document_.text());
    clipboard().setText(QString::fromStdString(line));
    hooks_.status(QStringLiteral("Das Level steht als eine Zeile Text in der Zwischenablage (%1 Zeichen).").arg(document_.text().size()));
}

void EditTools::pasteLevelText()
{
    std::string text;
    try {
        text = levelFromPastedText(clipboardText());
    } catch (const FileError& failure) {
        hooks_.message(QStringLiteral("Der Text in der Zwischenablage ist kein Level: %1. Das offene Level bleibt, wie es war.")
                           .arg(QString::fromUtf8(failure.what())));
        return;
    }
    if (!hooks_.keepOrDropChanges())
        return;
    document_.openText(text);
    hooks_.status(QStringLiteral("Level aus der Zwischenablage: %1 × %1 Felder, noch ohne Namen.").arg(document_.side()));
}

bool EditTools::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &board_)
        return false;
    switch (event->type()) {
    case QEvent::Resize: overlay_->setGeometry(board_.rect()); return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (tool() == Tool::Pen || (mouse->button() != Qt::LeftButton && mouse->button() != Qt::RightButton))
            return false;
        if (drag_ == Drag::None)
            press(board_.cellAt(mouse->position()), mouse->button() == Qt::RightButton);
        return true;
    }
    case QEvent::MouseMove:
        // The board still shows where the pointer is.
        if (drag_ != Drag::None)
            dragTo(board_.cellAt(static_cast<QMouseEvent*>(event)->position()));
        return false;
    case QEvent::MouseButtonRelease: {
        if (drag_ == Drag::None)
            return tool() != Tool::Pen;
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != (erase_ ? Qt::RightButton : Qt::LeftButton))
            return true;
        dragTo(board_.cellAt(mouse->position()));
        release();
        return true;
    }
    default: return false;
    }
}

void EditTools::press(int cell, bool erase)
{
    if (cell < 0)
        return;
    if (!hooks_.startEdit()) {
        drag_ = Drag::Ignored;
        erase_ = erase;
        return;
    }
    from_ = to_ = cell;
    erase_ = erase;
    const int side = document_.side();
    if (tool() != Tool::Select)
        drag_ = Drag::Drawing;
    else if (erase)
        drag_ = Drag::Ignored;
    else if (selection().contains(cell % side, cell / side))
        drag_ = Drag::Moving;
    else
        drag_ = Drag::Selecting;
    updatePreview();
}

void EditTools::dragTo(int cell)
{
    if (cell < 0 || cell == to_ || drag_ == Drag::Ignored)
        return;
    to_ = cell;
    updatePreview();
}

void EditTools::updatePreview()
{
    const int side = document_.side();
    switch (drag_) {
    case Drag::Drawing: overlay_->setPreview(shapeCells(document_.text(), shapeOf(tool()), from_, to_)); break;
    case Drag::Selecting: select(regionBetween(side, from_, to_)); break;
    case Drag::Moving: {
        Region moved;
        moveRegion(document_.text(), selection(), to_ % side - from_ % side, to_ / side - from_ / side, &moved);
        overlay_->setPreview({}, moved);
        break;
    }
    default: overlay_->setPreview({}); break;
    }
}

void EditTools::release()
{
    const Drag drag = std::exchange(drag_, Drag::None);
    const int side = document_.side();
    if (drag == Drag::Drawing) {
        const Tool used = tool();
        const QString name = tools_.at(used)->text();
        document_.change(drawShape(document_.text(), shapeOf(used), from_, to_, erase_ ? kBlank : hooks_.brush()), name);
    } else if (drag == Drag::Selecting && from_ == to_) {
        // A click without a drag lets go of the selection.
        select({});
    } else if (drag == Drag::Moving && from_ != to_) {
        Region moved;
        const std::string text = moveRegion(document_.text(), selection(), to_ % side - from_ % side, to_ / side - from_ / side, &moved);
        document_.change(text, QStringLiteral("Verschieben"));
        select(moved);
    }
    updatePreview();
}

} // namespace zorvik::studio

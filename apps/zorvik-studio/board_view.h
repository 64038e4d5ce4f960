// SPDX-License-Identifier: GPL-3.0-or-later
// The board as the game draws it, centred in the widget at any size, with the cells of a problem marked;
// presses and drags over its cells become strokes of the brush.
#pragma once

#include "screen/paced_screen.h"

#include <QWidget>

#include <memory>
#include <vector>

namespace zorvik {
class Game;
}

namespace zorvik::studio {

// Its header reaches the game's window operations, which moc cannot read.
class BoardWindow;

class BoardView : public QWidget {
    Q_OBJECT
public:
    explicit BoardView(QWidget* parent = nullptr);
    ~BoardView() override;

    // What the games draw on; its size follows the widget's.
    BoardWindow& window() { return *window_; }
    // How a played level's moves reach the view.
    PacedScreen& screen() { return screen_; }
    // Shows what `game` has drawn; its geometry maps the pointer to cells from now on.
    void present(const Game& game);
    void setMarkedCells(std::vector<int> cells);
    const std::vector<int>& markedCells() const { return marked_; }

    // The level-text index of the inner cell under a point of the widget; -1 elsewhere.
    int cellAt(QPointF at) const;
    // Where a cell lies in the widget.
    QRectF cellRect(int index) const;

signals:
    // The picture has a new size: whatever is shown must be drawn again.
    void resized();
    void strokeStarted();
    void cellStroked(int index, bool erase);
    void strokeEnded();
    void hovered(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // Whole logical pixels, so that a part of the board repaints as the whole does.
    QPoint boardOrigin() const;
    int boardPixels() const;
    double twipsPerLogicalPixel() const;
    // Strokes every cell on the straight way from the last one, so a quick drag leaves no gaps.
    void strokeTo(int index);

    std::unique_ptr<BoardWindow> window_;
    PacedScreen screen_;
    int side_ = 0;            // inner cells a side of what is shown
    double cellTwips_ = 0;
    std::vector<int> marked_;
    int hover_ = -1;
    int lastStroked_ = -1;
    bool stroking_ = false;
    bool erasing_ = false;
};

} // namespace zorvik::studio

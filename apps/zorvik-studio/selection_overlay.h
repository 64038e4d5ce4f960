// SPDX-License-Identifier: GPL-3.0-or-later
// Drawn over the board: the selection's rectangle, and the cells a tool would change while it is dragged.
#pragma once

#include "studio/level_regions.h"

#include <QWidget>

#include <vector>

namespace zorvik::studio {

class BoardView;

class SelectionOverlay : public QWidget {
    Q_OBJECT
public:
    explicit SelectionOverlay(BoardView& board);

    // Cells as columns and rows of the level; an empty region draws nothing.
    void setSelection(Region region);
    const Region& selection() const { return selection_; }
    // The cells a drag would change, or where a dragged selection would land.
    void setPreview(std::vector<int> cells, Region moving = {});

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF regionRect(const Region& region) const;

    BoardView& board_;
    Region selection_;
    Region moving_;
    std::vector<int> preview_;
};

} // namespace zorvik::studio

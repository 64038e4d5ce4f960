// SPDX-License-Identifier: GPL-3.0-or-later
// The selection and a tool's preview, painted over the board.
#include "selection_overlay.h"

#include "board_view.h"

#include <QPainter>

namespace zorvik::studio {

namespace {

const QColor kSelection(255, 220, 0);
const QColor kPreview(80, 200, 255);

} // namespace

SelectionOverlay::SelectionOverlay(BoardView& board) : QWidget(&board), board_(board)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(board.rect());
    show();
}

void SelectionOverlay::setSelection(Region region)
{
    selection_ = region;
    update();
}

void SelectionOverlay::setPreview(std::vector<int> cells, Region moving)
{
    preview_ = std::move(cells);
    moving_ = moving;
    update();
}

QRectF SelectionOverlay::regionRect(const Region& region) const
{
    const QRectF first = board_.cellRect(0);
    if (region.empty() || first.isEmpty())
        return {};
    return QRectF(first.topLeft() + QPointF(region.x * first.width(), region.y * first.height()),
                  QSizeF(region.width * first.width(), region.height * first.height()));
}

void SelectionOverlay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor fill = kPreview;
    fill.setAlpha(90);
    painter.setPen(QPen(kPreview, 2));
    painter.setBrush(fill);
    for (const int index : preview_)
        painter.drawRect(board_.cellRect(index).adjusted(2, 2, -2, -2));
    // A dashed frame, drawn twice so that it shows on light and on dark cells.
    auto frame = [&](const Region& region, const QColor& colour) {
        const QRectF rect = regionRect(region).adjusted(1, 1, -1, -1);
        if (rect.isEmpty())
            return;
        QColor shade = colour;
        shade.setAlpha(40);
        painter.setBrush(shade);
        painter.setPen(QPen(Qt::black, 3));
        painter.drawRect(rect);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colour, 3, Qt::DashLine));
        painter.drawRect(rect);
    };
    frame(selection_, kSelection);
    frame(moving_, kPreview);
}

} // namespace zorvik::studio

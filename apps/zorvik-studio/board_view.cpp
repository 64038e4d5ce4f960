// SPDX-License-Identifier: GPL-3.0-or-later
// The board view: the game's picture centred, the marks over it, the pointer turned into cells.
#include "board_view.h"

#include "board_window.h"
#include "model/game.h"
#include "screen/twips.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zorvik::studio {

namespace {

const QColor kMark(255, 40, 200);
const QColor kHover(255, 255, 255, 160);

} // namespace

BoardView::BoardView(QWidget* parent)
    : QWidget(parent), window_(std::make_unique<BoardWindow>(1, 1)), screen_(*this, window_->canvas())
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(120, 120);
}

BoardView::~BoardView() = default;

double BoardView::twipsPerLogicalPixel() const { return twipsPerPixel(logicalDpiX()); }

void BoardView::present(const Game& game)
{
    side_ = std::max(0, int(game.Seitenzellen) - 2);
    cellTwips_ = game.Zellgroesse;
    screen_.place(boardOrigin(), devicePixelRatioF());
    update();
}

void BoardView::setMarkedCells(std::vector<int> cells)
{
    marked_ = std::move(cells);
    update();
}

int BoardView::boardPixels() const { return int(std::ceil((side_ + 2) * cellTwips_ / twipsPerLogicalPixel())); }

QPoint BoardView::boardOrigin() const
{
    const int board = boardPixels();
    return QPoint(std::max(0, (width() - board) / 2), std::max(0, (height() - board) / 2));
}

int BoardView::cellAt(QPointF at) const
{
    if (side_ <= 0 || cellTwips_ <= 0)
        return -1;
    const QPointF board = (at - boardOrigin()) * twipsPerLogicalPixel();
    const int x = int(std::floor(board.x() / cellTwips_)), y = int(std::floor(board.y() / cellTwips_));
    if (x < 1 || y < 1 || x > side_ || y > side_)
        return -1;
    return (y - 1) * side_ + x - 1;
}

QRectF BoardView::cellRect(int index) const
{
    if (side_ <= 0)
        return {};
    const double cell = cellTwips_ / twipsPerLogicalPixel();
    return QRectF(boardOrigin() + QPointF((index % side_ + 1) * cell, (index / side_ + 1) * cell), QSizeF(cell, cell));
}

void BoardView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgb(RasterCanvas::toRgb(kBackground)));
    screen_.paint(painter, event->region() & QRect(boardOrigin(), QSize(boardPixels(), boardPixels())));

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kMark, 3));
    for (int index : marked_)
        painter.drawRect(cellRect(index).adjusted(1.5, 1.5, -1.5, -1.5));
    if (hover_ >= 0) {
        painter.setPen(QPen(kHover, 1));
        painter.drawRect(cellRect(hover_).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void BoardView::resizeEvent(QResizeEvent*)
{
    const double ratio = devicePixelRatioF();
    window_->canvas().setTwipsPerPixel(twipsPerLogicalPixel() / ratio);
    window_->canvas().resize(int(std::ceil(width() * ratio)), int(std::ceil(height() * ratio)));
    screen_.dropFrames();
    screen_.place(boardOrigin(), ratio);
    emit resized();
}

void BoardView::strokeTo(int index)
{
    if (index < 0 || index == lastStroked_)
        return;
    if (lastStroked_ < 0) {
        emit cellStroked(index, erasing_);
    } else {
        const int x0 = lastStroked_ % side_, y0 = lastStroked_ / side_, x1 = index % side_, y1 = index / side_;
        const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
        for (int step = 1; step <= steps; ++step) {
            const int x = x0 + int(std::lround(double(x1 - x0) * step / steps));
            const int y = y0 + int(std::lround(double(y1 - y0) * step / steps));
            emit cellStroked(y * side_ + x, erasing_);
        }
    }
    lastStroked_ = index;
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    if (stroking_ || (event->button() != Qt::LeftButton && event->button() != Qt::RightButton))
        return;
    stroking_ = true;
    erasing_ = event->button() == Qt::RightButton;
    lastStroked_ = -1;
    emit strokeStarted();
    strokeTo(cellAt(event->position()));
}

void BoardView::mouseMoveEvent(QMouseEvent* event)
{
    const int index = cellAt(event->position());
    if (index != hover_) {
        hover_ = index;
        emit hovered(index);
        update();
    }
    if (stroking_)
        strokeTo(index);
}

void BoardView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!stroking_ || event->button() != (erasing_ ? Qt::RightButton : Qt::LeftButton))
        return;
    stroking_ = false;
    emit strokeEnded();
}

void BoardView::leaveEvent(QEvent*)
{
    hover_ = -1;
    emit hovered(-1);
    update();
}

} // namespace zorvik::studio

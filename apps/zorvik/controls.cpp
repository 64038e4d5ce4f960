// SPDX-License-Identifier: GPL-3.0-or-later
// Painting and clicking the frames and labels.
#include "controls.h"

#include "screen/twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace zorvik {

QFont designFont(const ControlDesign& design)
{
    QFont font;
    font.setFamilies(design.families);
    font.setPointSizeF(design.points);
    font.setWeight(static_cast<QFont::Weight>(design.weight));
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

CaptionedControl::CaptionedControl(Kind kind, const ControlDesign& design, double twipsPerPixel, QWidget* parent)
    : QWidget(parent), kind_(kind), design_(design), caption_(QString::fromUtf8(design.caption)), shown_(caption_)
{
    setToolTip(QString::fromUtf8(design.toolTip));
    setFocusPolicy(Qt::NoFocus);
    // The board below must not see moves or clicks made over a control.
    setAttribute(Qt::WA_NoMousePropagation);
    setMouseTracking(true);
    if (design.clickable)
        setCursor(Qt::PointingHandCursor);
    setTwipsPerPixel(twipsPerPixel);
}

void CaptionedControl::setCaption(const QString& caption)
{
    caption_ = caption;
    holdCaption(held_);
}

void CaptionedControl::holdCaption(bool held)
{
    held_ = held;
    if (held_ || shown_ == caption_)
        return;
    shown_ = caption_;
    update();
}

void CaptionedControl::setTwipsPerPixel(double tpp)
{
    // The left edge of a frame is the window's business after the first resize; keep it.
    const int left = kind_ == Kind::Frame && isVisible() ? x() : nearestPixels(design_.left, tpp);
    setGeometry(left, nearestPixels(design_.top, tpp), nearestPixels(design_.width, tpp),
                nearestPixels(design_.height, tpp));
    // The designed size in twips like everything else, also where the window is laid out smaller or larger.
    QFont font = designFont(design_);
    font.setPointSizeF(design_.points * twipsPerPixel(logicalDpiX()) / tpp);
    setFont(font);
}

void CaptionedControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), design_.background);
    painter.setFont(font());
    const QFontMetrics metrics(font());
    if (kind_ == Kind::Label) {
        painter.setPen(design_.text);
        painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, shown_);
        return;
    }
    // A frame: an etched border whose top line runs through the middle of the caption.
    const int lineY = metrics.height() / 2;
    const QRect border(0, lineY, width() - 2, height() - lineY - 2);
    painter.setPen(design_.background.darker(170));
    painter.drawRect(border);
    painter.setPen(design_.background.lighter(150));
    painter.drawRect(border.translated(1, 1));
    const int textLeft = metrics.averageCharWidth() / 2 + 2;
    const QRect textRect(textLeft, 0, metrics.horizontalAdvance(shown_) + 2, metrics.height());
    painter.fillRect(textRect, design_.background);
    painter.setPen(design_.text);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop, shown_);
}

void CaptionedControl::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void CaptionedControl::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click && design_.clickable)
        emit clicked();
}

void CaptionedControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click is no click of its own.
    pressed_ = false;
    event->accept();
}

void CaptionedControl::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

} // namespace zorvik

// SPDX-License-Identifier: GPL-3.0-or-later
// The frames and labels at the window's right edge: drawn in their design colours and fonts, clickable,
// never taking the keyboard focus and never passing the mouse on to the board beneath.
#pragma once

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QWidget>

namespace zorvik {

// One control as designed: position and size in twips, relative to its container.
struct ControlDesign {
    int left, top, width, height;
    const char* caption;  // UTF-8, leading blanks kept
    QColor background, text;
    QStringList families;  // the designed family first, then free look-alikes
    double points;
    int weight;  // QFont::Weight
    const char* toolTip;
    bool clickable;
};

QFont designFont(const ControlDesign& design);

// A frame or a label; a frame draws its caption on its border line, a label fills its rectangle.
class CaptionedControl : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Frame, Label };
    CaptionedControl(Kind kind, const ControlDesign& design, double twipsPerPixel, QWidget* parent);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    // While held, a new caption is not shown yet.
    void holdCaption(bool held);
    // Lays the control out again in pixels, fonts included, for another scale.
    void setTwipsPerPixel(double twipsPerPixel);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Kind kind_;
    ControlDesign design_;
    QString caption_;
    QString shown_;
    bool held_ = false;
    bool pressed_ = false;
};

} // namespace zorvik

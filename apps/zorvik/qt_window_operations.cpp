// SPDX-License-Identifier: GPL-3.0-or-later
// The window operations on the Qt window.
#include "qt_window_operations.h"

#include "game_window.h"
#include "screen/twips.h"

#include <QFile>

#include <algorithm>
#include <iostream>

namespace zorvik {

namespace {

QColor toQColor(Colour colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

Colour toColour(const QColor& colour) { return colour.red() + 256 * colour.green() + 65536 * colour.blue(); }

} // namespace

QtWindowOperations::QtWindowOperations(GameWindow& window) : window_(window), screen_(*window.screen_) {}

void QtWindowOperations::Cls() { screen_.Cls(); }

void QtWindowOperations::Line(float x1, float y1, float x2, float y2, Colour colour, LineKind kind)
{
    screen_.Line(x1, y1, x2, y2, colour, kind);
}

void QtWindowOperations::FillColor(Colour colour) { screen_.FillColor(colour); }

void QtWindowOperations::Circle(float x, float y, float radius, Colour colour) { screen_.Circle(x, y, radius, colour); }

std::string QtWindowOperations::Caption() const { return window_.windowTitle().toStdString(); }

void QtWindowOperations::SetCaption(const std::string& text) { window_.setWindowTitle(QString::fromStdString(text)); }

float QtWindowOperations::Width() const
{
    return float((window_.width() + window_.decoration().width()) * window_.twipsPerPixel_);
}

float QtWindowOperations::Height() const
{
    return float((window_.height() + window_.decoration().height()) * window_.twipsPerPixel_);
}

void QtWindowOperations::SetWidth(float twips)
{
    const int decoration = window_.decoration().width();
    window_.resize(std::max(1, pixelsHolding(twips, window_.twipsPerPixel_) - decoration), window_.height());
}

void QtWindowOperations::SetHeight(float twips)
{
    const int decoration = window_.decoration().height();
    window_.resize(window_.width(), std::max(1, pixelsHolding(twips, window_.twipsPerPixel_) - decoration));
}

int QtWindowOperations::WindowState() const
{
    if (window_.isMinimized())
        return 1;
    return window_.isMaximized() || window_.isFullScreen() ? 2 : 0;
}

float QtWindowOperations::ScaleWidth() const { return float(window_.width() * window_.twipsPerPixel_); }

float QtWindowOperations::ScaleHeight() const { return float(window_.height() * window_.twipsPerPixel_); }

float QtWindowOperations::ControlWidth(Control control) const
{
    return float(window_.control(control)->width() * window_.twipsPerPixel_);
}

void QtWindowOperations::SetControlLeft(Control control, float twips)
{
    CaptionedControl* widget = window_.control(control);
    widget->move(nearestPixels(twips, window_.twipsPerPixel_), widget->y());
}

std::string QtWindowOperations::ControlCaption(Control control) const
{
    return window_.control(control)->caption().toStdString();
}

void QtWindowOperations::SetControlCaption(Control control, const std::string& text)
{
    window_.control(control)->setCaption(QString::fromStdString(text));
}

void QtWindowOperations::DialogTitle(const std::string& title) { dialogTitle_ = QString::fromStdString(title); }

void QtWindowOperations::ShowOpen()
{
    screen_.showEverythingNow();
    fileName_ = QFile::encodeName(window_.dialogs_.openFileName(&window_, dialogTitle_)).toStdString();
}

void QtWindowOperations::ShowSave()
{
    screen_.showEverythingNow();
    fileName_ = QFile::encodeName(window_.dialogs_.saveFileName(&window_, dialogTitle_)).toStdString();
}

std::string QtWindowOperations::FileName() const { return fileName_; }

bool QtWindowOperations::ShowColor()
{
    screen_.showEverythingNow();
    const std::optional<QColor> chosen = window_.dialogs_.colour(&window_, toQColor(colour_));
    if (!chosen)
        return false;
    colour_ = toColour(*chosen);
    return true;
}

Colour QtWindowOperations::Color() const { return colour_; }

void QtWindowOperations::MsgBox(const std::string& text)
{
    screen_.showEverythingNow();
    window_.dialogs_.message(&window_, QString::fromStdString(text));
}

void QtWindowOperations::Warning(const std::string& text) { std::cerr << text << std::endl; }

void QtWindowOperations::AnimationFrame(Animation animation, int done, int total)
{
    screen_.animationFrame(*this, animation, done, total);
}

} // namespace zorvik

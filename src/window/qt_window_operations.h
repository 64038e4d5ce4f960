// SPDX-License-Identifier: GPL-3.0-or-later
// The game's window operations on the Qt window: drawing into the backing image while noting what changed,
// sizes in twips, captions, the choosers behind the dialog interface, and the frames of animations to be paced.
#pragma once

#include "model/window_operations.h"

#include <QRect>
#include <QString>

namespace zorvik {

class GameWindow;

class QtWindowOperations : public WindowOperations {
public:
    explicit QtWindowOperations(GameWindow& window);

    void Cls() override;
    void Line(float x1, float y1, float x2, float y2, Colour colour, LineKind kind) override;
    void FillColor(Colour colour) override;
    void Circle(float x, float y, float radius, Colour colour) override;

    std::string Caption() const override;
    void SetCaption(const std::string& text) override;
    float Width() const override;
    float Height() const override;
    void SetWidth(float twips) override;
    void SetHeight(float twips) override;
    int WindowState() const override;
    float ScaleWidth() const override;
    float ScaleHeight() const override;

    float ControlWidth(Control control) const override;
    void SetControlLeft(Control control, float twips) override;
    std::string ControlCaption(Control control) const override;
    void SetControlCaption(Control control, const std::string& text) override;

    void DialogTitle(const std::string& title) override;
    void ShowOpen() override;
    void ShowSave() override;
    std::string FileName() const override;
    bool ShowColor() override;
    Colour Color() const override;
    void MsgBox(const std::string& text) override;
    void Warning(const std::string& text) override;

    void AnimationFrame(Animation animation, int done, int total) override;

private:
    // Device pixels that a box from (x1, y1) to (x2, y2) in twips touches.
    QRect devicePixels(double x1, double y1, double x2, double y2) const;
    // The whole picture waits to be shown already, as after a clearing: nothing to add.
    bool allDirty() const;

    GameWindow& window_;
    bool pacing_;
    QString dialogTitle_;
    std::string fileName_;
    Colour colour_ = 0;
};

} // namespace zorvik

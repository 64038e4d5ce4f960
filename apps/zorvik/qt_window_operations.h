// SPDX-License-Identifier: GPL-3.0-or-later
// The game's window operations on the Qt window: drawing through its screen, sizes in twips, captions, and the
// choosers behind the dialog interface.
#pragma once

#include "model/window_operations.h"

#include <QString>

namespace zorvik {

class GameWindow;
class PacedScreen;

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
    GameWindow& window_;
    PacedScreen& screen_;
    QString dialogTitle_;
    std::string fileName_;
    Colour colour_ = 0;
};

} // namespace zorvik

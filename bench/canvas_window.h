// A screenless window over any canvas, so rasterisers can be compared and measured under the real game.
#pragma once

#include "model/window_operations.h"

#include <functional>
#include <map>
#include <string>

namespace zorvik {

class CanvasWindow : public WindowOperations {
public:
    // The client area in twips; the option frame takes its design width off the board's side.
    CanvasWindow(Canvas& canvas, float scaleWidth, float scaleHeight)
        : canvas_(canvas), scaleWidth_(scaleWidth), scaleHeight_(scaleHeight)
    {
        captions_[Control::SchnellFlüssig] = " schnell";
    }

    // Runs after every animation frame, where a real window would present the picture.
    std::function<void(Animation, int, int)> onFrame;

    void Cls() override { canvas_.Cls(); }
    void Line(float x1, float y1, float x2, float y2, Colour colour, LineKind kind) override
    {
        canvas_.Line(x1, y1, x2, y2, colour, kind);
    }
    void FillColor(Colour colour) override { canvas_.FillColor(colour); }
    void Circle(float x, float y, float radius, Colour colour) override { canvas_.Circle(x, y, radius, colour); }

    std::string Caption() const override { return caption_; }
    void SetCaption(const std::string& text) override { caption_ = text; }
    float Width() const override { return scaleWidth_; }
    float Height() const override { return scaleHeight_; }
    void SetWidth(float) override {}
    void SetHeight(float) override {}
    int WindowState() const override { return 0; }
    float ScaleWidth() const override { return scaleWidth_; }
    float ScaleHeight() const override { return scaleHeight_; }

    float ControlWidth(Control) const override { return 2295; }
    void SetControlLeft(Control, float) override {}
    std::string ControlCaption(Control control) const override
    {
        auto found = captions_.find(control);
        return found == captions_.end() ? std::string() : found->second;
    }
    void SetControlCaption(Control control, const std::string& text) override { captions_[control] = text; }

    void DialogTitle(const std::string&) override {}
    void ShowOpen() override {}
    void ShowSave() override {}
    std::string FileName() const override { return {}; }
    bool ShowColor() override { return false; }
    Colour Color() const override { return 0; }
    void MsgBox(const std::string&) override {}
    void Warning(const std::string&) override {}
    void AnimationFrame(Animation animation, int done, int total) override
    {
        if (onFrame)
            onFrame(animation, done, total);
    }

private:
    Canvas& canvas_;
    float scaleWidth_, scaleHeight_;
    std::string caption_;
    std::map<Control, std::string> captions_;
};

} // namespace zorvik

// A window without a screen: the game's window operations drawn into an image of a fixed size.
#pragma once

#include "model/window_operations.h"
#include "window/raster_canvas.h"

#include <map>
#include <string>

namespace zorvik {

inline constexpr Colour kBackground = 3 + 256 * 0 + 65536 * 67;  // the design's dark blue
inline constexpr float kFrameWidth = 2295;

class ImageWindow : public WindowOperations {
public:
    ImageWindow(int widthPixels, int heightPixels, double twipsPerPixel = 15);

    RasterCanvas& canvas() { return canvas_; }
    const QImage& image() const { return canvas_.image(); }

    void Cls() override { canvas_.Cls(); }
    void Line(float x1, float y1, float x2, float y2, Colour colour, LineKind kind) override
    {
        canvas_.Line(x1, y1, x2, y2, colour, kind);
    }
    void FillColor(Colour colour) override { canvas_.FillColor(colour); }
    void Circle(float x, float y, float radius, Colour colour) override { canvas_.Circle(x, y, radius, colour); }

    std::string Caption() const override { return caption_; }
    void SetCaption(const std::string& text) override { caption_ = text; }
    float Width() const override { return ScaleWidth(); }
    float Height() const override { return ScaleHeight(); }
    void SetWidth(float) override {}
    void SetHeight(float) override {}
    int WindowState() const override { return 0; }
    float ScaleWidth() const override;
    float ScaleHeight() const override;

    float ControlWidth(Control) const override { return kFrameWidth; }
    void SetControlLeft(Control, float) override {}
    std::string ControlCaption(Control control) const override;
    void SetControlCaption(Control control, const std::string& text) override { captions_[control] = text; }

    void DialogTitle(const std::string&) override {}
    void ShowOpen() override {}
    void ShowSave() override {}
    std::string FileName() const override { return {}; }
    bool ShowColor() override { return false; }
    Colour Color() const override { return 0; }
    void MsgBox(const std::string&) override {}
    void Warning(const std::string&) override {}
    void AnimationFrame(Animation, int, int) override {}

private:
    RasterCanvas canvas_;
    std::string caption_;
    std::map<Control, std::string> captions_;
};

} // namespace zorvik

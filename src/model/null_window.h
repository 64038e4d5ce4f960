// SPDX-License-Identifier: GPL-3.0-or-later
// A window that draws nothing, at the design's size: lets the game run without any screen.
#pragma once

#include "model/window_operations.h"

#include <map>
#include <string>

namespace zorvik {

class NullWindow : public WindowOperations {
public:
    float scaleWidth = 5895, scaleHeight = 3615;

    void Cls() override {}
    void Line(float, float, float, float, Colour, LineKind) override {}
    void FillColor(Colour) override {}
    void Circle(float, float, float, Colour) override {}

    std::string Caption() const override { return caption_; }
    void SetCaption(const std::string& text) override { caption_ = text; }
    float Width() const override { return scaleWidth + 120; }
    float Height() const override { return scaleHeight + 525; }
    void SetWidth(float twips) override { scaleWidth = twips - 120; }
    void SetHeight(float twips) override { scaleHeight = twips - 525; }
    int WindowState() const override { return 0; }
    float ScaleWidth() const override { return scaleWidth; }
    float ScaleHeight() const override { return scaleHeight; }

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
    void AnimationFrame(Animation, int, int) override {}

private:
    std::string caption_;
    std::map<Control, std::string> captions_{{Control::SchnellFlüssig, kFastCaption}};
};

} // namespace zorvik

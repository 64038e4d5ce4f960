// SPDX-License-Identifier: GPL-3.0-or-later
// A window that records every operation the game asks of it, with scripted sizes and dialog answers.
#pragma once

#include "model/window_operations.h"

#include <map>
#include <string>
#include <vector>

namespace zorvik::testing {

struct Call {
    enum Kind { Cls, Box, Line, Fill, Circle, MsgBox, Warning, Frame } kind;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Circle: x1, y1 centre, x2 radius
    Colour colour = 0;
    std::string text;
    bool operator==(const Call&) const = default;
};

// The calls as short text joined by "; ", e.g. "fill 255; circle 199 199 199 0"; numbers as %g prints them.
std::string describe(const std::vector<Call>& calls);

class RecordingWindow : public WindowOperations {
public:
    RecordingWindow();

    // What was recorded.
    std::vector<Call> calls;
    int count(Call::Kind kind) const;
    std::vector<Call> only(Call::Kind kind) const;
    void clear() { calls.clear(); }

    // Scripted state: sizes in twips, captions, and what the choosers answer.
    float scaleWidth = 5895, scaleHeight = 3615, width = 6015, height = 4140;
    int windowState = 0;
    std::map<Control, float> controlWidths{{Control::WurmFrame, 2295}, {Control::LevelFrame, 2295}};
    std::map<Control, float> controlLefts;
    std::map<Control, std::string> captions{{Control::SchnellFlüssig, " schnell"}};
    std::string caption = "Zorvik programmiert von Testern";
    std::string dialogTitle;
    std::vector<std::string> dialogsShown;  // "open" or "save", in order
    std::string chosenFile;
    bool colourChosen = false;
    Colour chosenColour = 0;

    void Cls() override;
    void Line(float x1, float y1, float x2, float y2, Colour colour, LineKind kind) override;
    void FillColor(Colour colour) override;
    void Circle(float x, float y, float radius, Colour colour) override;

    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& text) override { caption = text; }
    float Width() const override { return width; }
    float Height() const override { return height; }
    void SetWidth(float twips) override { width = twips; }
    void SetHeight(float twips) override { height = twips; }
    int WindowState() const override { return windowState; }
    float ScaleWidth() const override { return scaleWidth; }
    float ScaleHeight() const override { return scaleHeight; }

    float ControlWidth(Control control) const override;
    void SetControlLeft(Control control, float twips) override { controlLefts[control] = twips; }
    std::string ControlCaption(Control control) const override;
    void SetControlCaption(Control control, const std::string& text) override { captions[control] = text; }

    void DialogTitle(const std::string& title) override { dialogTitle = title; }
    void ShowOpen() override { dialogsShown.push_back("open"); }
    void ShowSave() override { dialogsShown.push_back("save"); }
    std::string FileName() const override { return chosenFile; }
    bool ShowColor() override { return colourChosen; }
    Colour Color() const override { return chosenColour; }
    void MsgBox(const std::string& text) override;
    void Warning(const std::string& text) override;
    void AnimationFrame(Animation animation, int done, int total) override;
};

} // namespace zorvik::testing

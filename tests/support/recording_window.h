// SPDX-License-Identifier: GPL-3.0-or-later
// A window that records every operation the game asks of it, with scripted sizes and dialog answers.
#pragma once

#include "model/null_window.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace zorvik::testing {

struct Call {
    enum Kind { Cls, Box, Line, Fill, Circle, MsgBox, Warning, Frame } kind;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Circle: x1, y1 centre, x2 radius; Frame: done, total, animation
    Colour colour = 0;
    std::string text;
    bool operator==(const Call&) const = default;
};

// The calls as short text joined by "; ", e.g. "fill 255; circle 199 199 199 0"; numbers as %g prints them.
std::string describe(const std::vector<Call>& calls);

inline std::vector<Call> only(Call::Kind kind, const std::vector<Call>& calls)
{
    std::vector<Call> out;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(out), [kind](const Call& c) { return c.kind == kind; });
    return out;
}

// The rest answers as the window without a screen does.
class RecordingWindow : public NullWindow {
public:
    std::vector<Call> calls;
    std::vector<std::string> messages;  // the message boxes' texts, also in calls
    int count(Call::Kind kind) const { return int(only(kind, calls).size()); }
    void clear() { calls.clear(), messages.clear(); }

    // Scripted state: sizes in twips, captions, and what the choosers answer.
    float width = 6015, height = 4140;
    int windowState = 0;
    std::map<Control, float> controlLefts;
    std::map<Control, std::string> captions{{Control::SchnellFlüssig, " schnell"}};
    std::string caption = "Zorvik programmiert von Testern", chosenFile;
    bool colourChosen = false;
    Colour chosenColour = 0;

    void Cls() override { calls.push_back({Call::Cls}); }
    void Line(float x1, float y1, float x2, float y2, Colour colour, LineKind kind) override
    {
        calls.push_back({kind == LineKind::FilledBox ? Call::Box : Call::Line, x1, y1, x2, y2, colour});
    }
    void FillColor(Colour colour) override { calls.push_back({Call::Fill, 0, 0, 0, 0, colour}); }
    void Circle(float x, float y, float radius, Colour colour) override { calls.push_back({Call::Circle, x, y, radius, 0, colour}); }

    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& text) override { caption = text; }
    float Width() const override { return width; }
    float Height() const override { return height; }
    void SetWidth(float twips) override { width = twips; }
    void SetHeight(float twips) override { height = twips; }
    int WindowState() const override { return windowState; }

    // Both frames are 2295 twips wide.
    float ControlWidth(Control control) const override { return control == Control::WurmFrame || control == Control::LevelFrame ? 2295 : 0; }
    void SetControlLeft(Control control, float twips) override { controlLefts[control] = twips; }
    std::string ControlCaption(Control control) const override { return captions.contains(control) ? captions.at(control) : ""; }
    void SetControlCaption(Control control, const std::string& text) override { captions[control] = text; }

    std::string FileName() const override { return chosenFile; }
    bool ShowColor() override { return colourChosen; }
    Colour Color() const override { return chosenColour; }
    void MsgBox(const std::string& text) override { calls.push_back({Call::MsgBox, 0, 0, 0, 0, 0, text}), messages.push_back(text); }
    void Warning(const std::string& text) override { calls.push_back({Call::Warning, 0, 0, 0, 0, 0, text}); }
    void AnimationFrame(Animation animation, int done, int total) override
    {
        calls.push_back({Call::Frame, float(done), float(total), float(static_cast<int>(animation))});
    }
};

} // namespace zorvik::testing

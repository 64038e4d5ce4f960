// SPDX-License-Identifier: GPL-3.0-or-later
// The recording window's log.
#include "support/recording_window.h"

#include <algorithm>
#include <sstream>

namespace zorvik::testing {

RecordingWindow::RecordingWindow() = default;

int RecordingWindow::count(Call::Kind kind) const
{
    return static_cast<int>(std::count_if(calls.begin(), calls.end(), [kind](const Call& c) { return c.kind == kind; }));
}

std::vector<Call> RecordingWindow::only(Call::Kind kind) const
{
    std::vector<Call> out;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(out), [kind](const Call& c) { return c.kind == kind; });
    return out;
}

void RecordingWindow::Cls() { calls.push_back({Call::Cls}); }

void RecordingWindow::Line(float x1, float y1, float x2, float y2, Colour colour, LineKind kind)
{
    calls.push_back({kind == LineKind::FilledBox ? Call::Box : Call::Line, x1, y1, x2, y2, colour, {}});
}

void RecordingWindow::FillColor(Colour colour) { calls.push_back({Call::Fill, 0, 0, 0, 0, colour, {}}); }

void RecordingWindow::Circle(float x, float y, float radius, Colour colour)
{
    calls.push_back({Call::Circle, x, y, radius, 0, colour, {}});
}

float RecordingWindow::ControlWidth(Control control) const
{
    auto found = controlWidths.find(control);
    return found == controlWidths.end() ? 0.0f : found->second;
}

std::string RecordingWindow::ControlCaption(Control control) const
{
    auto found = captions.find(control);
    return found == captions.end() ? std::string() : found->second;
}

void RecordingWindow::MsgBox(const std::string& text) { calls.push_back({Call::MsgBox, 0, 0, 0, 0, 0, text}); }

void RecordingWindow::Warning(const std::string& text) { calls.push_back({Call::Warning, 0, 0, 0, 0, 0, text}); }

void RecordingWindow::AnimationFrame(Animation animation, int done, int total)
{
    calls.push_back({Call::Frame, float(done), float(total), float(static_cast<int>(animation)), 0, 0, {}});
}

std::string describe(const std::vector<Call>& calls)
{
    static const char* const names[] = {"cls", "box", "line", "fill", "circle", "msgbox", "warning", "frame"};
    std::ostringstream out;
    for (const Call& c : calls) {
        out << (&c == calls.data() ? "" : "; ") << names[c.kind];
        if (c.kind == Call::Box || c.kind == Call::Line)
            out << ' ' << c.x1 << ' ' << c.y1 << ' ' << c.x2 << ' ' << c.y2 << ' ' << c.colour;
        else if (c.kind == Call::Circle)
            out << ' ' << c.x1 << ' ' << c.y1 << ' ' << c.x2 << ' ' << c.colour;
        else if (c.kind == Call::Fill)
            out << ' ' << c.colour;
        else if (c.kind == Call::Frame)
            out << ' ' << c.x1 << '/' << c.y1;
        else if (c.kind != Call::Cls)
            out << ' ' << c.text;
    }
    return out.str();
}

} // namespace zorvik::testing

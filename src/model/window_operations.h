// SPDX-License-Identifier: GPL-3.0-or-later
// Everything the game asks of its window: drawing, sizes, captions, the choosers and the message box.
#pragma once

#include "model/canvas.h"

#include <string>

namespace zorvik {

// The controls whose captions, widths or positions the game reads or sets.
enum class Control { WurmFrame, LevelFrame, LevelName, SchnellFlüssig };

// The captions of the label SchnellFlüssig, which are the animation option itself (UTF-8).
inline constexpr char kFastCaption[] = " schnell";
inline constexpr char kSmoothCaption[] = " fl\xC3\xBCssig";

// Which animation a drawn frame belongs to, so a window can pace what it presents. LevelEnd is the one
// frame of the finished board, just before the next level is drawn.
enum class Animation { Slide, Death, Removal, LevelEnd };

// Texts cross this interface as UTF-8; sizes and positions are twips.
class WindowOperations : public Canvas {
public:
    // The window itself.
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& text) = 0;
    virtual float Width() const = 0;  // outer size
    virtual float Height() const = 0;
    virtual void SetWidth(float twips) = 0;  // raises a resize event later
    virtual void SetHeight(float twips) = 0;
    virtual int WindowState() const = 0;  // 0 normal, 1 minimised, 2 maximised
    virtual float ScaleWidth() const = 0;  // client area
    virtual float ScaleHeight() const = 0;

    // Frames and labels.
    virtual float ControlWidth(Control control) const = 0;
    virtual void SetControlLeft(Control control, float twips) = 0;
    virtual std::string ControlCaption(Control control) const = 0;
    virtual void SetControlCaption(Control control, const std::string& text) = 0;

    // The common dialog: file choosers report an empty name when nothing was chosen.
    virtual void DialogTitle(const std::string& title) = 0;
    virtual void ShowOpen() = 0;
    virtual void ShowSave() = 0;
    virtual std::string FileName() const = 0;
    // Returns false when the chooser was closed without a choice.
    virtual bool ShowColor() = 0;
    virtual Colour Color() const = 0;

    // A modal message with an OK button.
    virtual void MsgBox(const std::string& text) = 0;
    // A warning for the terminal the game was started from.
    virtual void Warning(const std::string& text) = 0;

    // Called after each frame of an animation has been drawn: frame `done` of `total` (1-based).
    virtual void AnimationFrame(Animation animation, int done, int total) = 0;
};

} // namespace zorvik

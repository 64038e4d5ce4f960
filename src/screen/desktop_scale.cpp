// SPDX-License-Identifier: GPL-3.0-or-later
// Checking and taking over QT_SCALE_FACTOR, and fitting it to the screen.
#include "screen/desktop_scale.h"

#include "screen/program_texts.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace zorvik {

namespace {

// Beyond these the window is either too small to be seen or too large for the toolkit to make.
constexpr double kSmallest = 0.01;
constexpr double kLargest = 100;

constexpr char kVariable[] = "QT_SCALE_FACTOR";

} // namespace

DesktopScale takeDesktopScale()
{
    DesktopScale scale;
    const char* value = std::getenv(kVariable);
    if (value == nullptr || *value == '\0')
        return scale;
    // Read as Qt reads it: a number in C notation, blanks around it allowed.
    char* end = nullptr;
    const double factor = std::strtod(value, &end);
    while (*end == ' ' || *end == '\t')
        ++end;
    if (end == value || *end != '\0' || !std::isfinite(factor) || factor < kSmallest || factor > kLargest) {
        scale.warning = fill(translate("zorvik", "zorvik: QT_SCALE_FACTOR \"%1\" is no scale from 0.01 to 100; using 1"), {value});
        ::setenv(kVariable, "1", 1);
    } else if (factor < 1) {
        scale.own = factor;
        ::setenv(kVariable, "1", 1);
    }
    return scale;
}

void fitScaleToScreen(DesktopScale& scale, double toolkitScale, double dotsPerInch, int width, int height,
                      double areaWidth, double areaHeight)
{
    constexpr double kTwipsPerInch = 1440;
    if (areaWidth < 1 || areaHeight < 1 || dotsPerInch <= 0)
        return;
    // A window larger than the screen cannot be seen whole, and its picture alone may take gigabytes.
    const double fitting = std::min(areaWidth * kTwipsPerInch / (width * dotsPerInch),
                                    areaHeight * kTwipsPerInch / (height * dotsPerInch));
    if (scale.own <= fitting)
        return;
    auto number = [](double value) {
        std::ostringstream text;  // in C notation, as QT_SCALE_FACTOR is written
        text << value;
        return text.str();
    };
    scale.warning = fill(translate("zorvik", "zorvik: at a scale of %1 the window would be larger than the screen; it is shown at %2"),
                         {number(toolkitScale * scale.own), number(toolkitScale * fitting)});
    scale.own = fitting;
}

} // namespace zorvik

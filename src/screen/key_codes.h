// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's key numbers and modifiers turned into the virtual-key codes and shift state the game reads.
#pragma once

#include <Qt>

namespace zorvik {

// The virtual-key code of a Qt key; 0 for keys without one, so that no other key can pass for an arrow.
int virtualKeyCode(int qtKey);
// 1 Shift, 2 Ctrl, 4 Alt, added up.
int shiftState(Qt::KeyboardModifiers modifiers);
// 1 left, 2 right, 4 middle button, added up.
int buttonState(Qt::MouseButtons buttons);

} // namespace zorvik

// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmarks through the game window; they need a QApplication.
#pragma once

namespace zorvik::bench {

void registerWindowBenchmarks();

} // namespace zorvik::bench

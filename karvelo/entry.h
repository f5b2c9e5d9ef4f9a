// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's start: application, Czech texts, font, the window, the event loop.

#include <functional>

namespace karvelo {

class TForm1;

// Returns the exit code, 0 in every case. onShown runs once the window is shown, before the
// event loop (the start-up benchmark hooks in there).
int RunKarvelo(int argc, char** argv, const std::function<void(TForm1&)>& onShown = {});

}  // namespace karvelo

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start-up of the program, shared by the entry and the start-up benchmark.

#include <functional>

namespace zarn {

class TForm1;

// Runs the program until it is asked to end or its window is closed; afterShow runs once the
// window has been shown, before the event loop starts.
int RunZarn(int& argc, char** argv, const std::function<void(TForm1&)>& afterShow = {});

}  // namespace zarn

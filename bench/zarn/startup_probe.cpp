// SPDX-License-Identifier: GPL-3.0-or-later
// Starts Zarn exactly as its entry does and ends once the window has been painted for the first time.

#include "quit_after_first_paint.h"
#include "zarn/form1.h"
#include "zarn/startup.h"

int main(int argc, char** argv) {
    return zarn::RunZarn(argc, argv, [](zarn::TForm1& form) { new zarn::bench::QuitAfterFirstPaint(form); });
}

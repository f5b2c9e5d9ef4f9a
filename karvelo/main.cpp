// SPDX-License-Identifier: GPL-3.0-or-later
// Karvelo: five in a row against friends or the computer.

#include "karvelo/entry.h"

int main(int argc, char** argv) { return karvelo::RunKarvelo(argc, argv); }

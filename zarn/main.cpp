// SPDX-License-Identifier: GPL-3.0-or-later
// Zarn: find the safe fields of a minefield.

#include "zarn/startup.h"

int main(int argc, char** argv) { return zarn::RunZarn(argc, argv); }

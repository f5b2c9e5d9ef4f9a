# SPDX-License-Identifier: GPL-3.0-or-later
# Names and folders of the installed games, shared by the install rules, the package and its tests.
# The layout is Debian's for games: launchers in games/ (bin/ for a prefix outside /usr, such as
# ~/.local, whose bin/ is on the user's PATH), the programs in lib/games/<game>/, their shipped
# files in share/games/<game>/.
set(GAMES_VERSION 1.0)
set(GAMES_PACKAGE_NAME karvelo-zarn)
set(GAMES_LIBDIR "lib/games" CACHE STRING "Folder of the programs below the prefix, one sub-folder per game")
set(GAMES_DATADIR "share/games" CACHE STRING "Folder of the shipped files below the prefix, one sub-folder per game")
set(GAMES_BINDIR "" CACHE STRING
    "Folder of the launchers below the prefix; empty: games for /usr and /usr/local, bin for any other prefix")
set(KARVELO_DESKTOP_ID cz.karvelozarn.karvelo)
set(ZARN_DESKTOP_ID cz.karvelozarn.zarn)

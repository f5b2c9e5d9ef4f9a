# SPDX-License-Identifier: GPL-3.0-or-later
# Seeding of a game's working folder from its shipped files; sourced by the installed
# launchers (embedded at install time) and by run.sh.
#
# seed_folder SOURCE TARGET
#   Copies everything in SOURCE into TARGET, replacing older copies: artwork, tiles and help
#   follow the installed version. The roster data.dat is copied only when TARGET has none, so
#   a player's roster is never overwritten, also not after an upgrade.
#   Returns non-zero (with cp's or mkdir's message on stderr) when a copy fails.
seed_folder() {
    mkdir -p -- "$2" || return
    for seed_entry in "$1"/*; do
        [ -e "$seed_entry" ] || continue
        [ "${seed_entry##*/}" = data.dat ] && continue
        cp -Rf -- "$seed_entry" "$2/" || return
    done
    # A dangling link counts as the player's file too: copying through it would write elsewhere.
    if [ -e "$1/data.dat" ] && [ ! -e "$2/data.dat" ] && [ ! -L "$2/data.dat" ]; then
        cp -- "$1/data.dat" "$2/data.dat" || return
    fi
}

#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays both games by keyboard with the Orca screen reader listening, on a private desktop, and
checks what Orca speaks: every result and move is heard when it happens, a cursor step speaks one
field, pages, drop-downs, the player editor and the help window speak what a blind player
needs.

    orca_check.py BUILD_DIR DATA_DIR [--verbose] [--only zarn|karvelo]

Exits 0 when every check passes, 1 with the transcript around the failed check otherwise, 77 when
a tool it needs is missing. Needs the Debian packages orca, speech-dispatcher, espeak-ng,
speech-dispatcher-espeak-ng, python3-pyatspi, at-spi2-core, dbus-x11, xvfb, openbox, xdotool."""

import argparse
import os
import re
import shutil
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from orca_session import CheckFailed, OrcaSession  # noqa: E402

NEEDED = ['Xvfb', 'dbus-launch', 'openbox', 'xdotool', 'speech-dispatcher', '/usr/libexec/at-spi-bus-launcher']


def step(session, key, heard=None, timeout=10):
    """Presses a key; with `heard`, waits until Orca speaks it, else gives Orca a moment."""
    session.keys(key)
    if heard is None:
        time.sleep(0.8)
        return None
    match = session.expect(heard, timeout)
    time.sleep(0.3)  # Orca still answers the key's release; a key pressed now could be lost
    return match


class ReaderDeaf(Exception):
    """The reader runs but hears nothing of a game's window."""


def launch(s, program, data, first_words):
    """Starts a game and waits for Orca to speak its window. Once in a while a program started right
    after the reader is never seen by it; such a start is given a second try."""
    for attempt in (1, 2):
        s.skip()
        game = s.start_game(program, data)
        try:
            s.expect(first_words, 20)
            time.sleep(0.5)
            return game
        except CheckFailed:
            s.end_game(game)
            if attempt == 2:
                raise ReaderDeaf()
            print('  (the window was not spoken; starting the game again)')


def check_zarn(s, build, data):
    print('Zarn')
    game = launch(s, os.path.join(build, 'zarn', 'zarn'), data, r'Začít hru push button')
    step(s, 'space', r'Nová hra: pole 10 × 10, 12 min\.')
    print('  a new game says its size and mines')
    step(s, 'Tab', r'Řádek 1, sloupec 1: zakryté push button')
    print('  covered fields say so')

    count = r'(žádná mina|\d mina|\d miny|\d min) v okolí'
    row, column = 1, 1
    flood = rested = False
    for _ in range(60):
        s.keys('space')
        heard = s.expect(r'Řádek %d, sloupec %d: %s push button[^\n]*|%s'
                         % (row, column, count, re.escape('Mina! Prohráli jste!')), 10)
        time.sleep(0.3)
        if 'Prohráli' in heard.group(0):
            print('  a mine: the box is read')
            # The focus stays on the field, now covered again in the new game.
            step(s, 'Return', r'Nová hra: pole 10 × 10, 12 min\.')
            # Start again from the top left corner.
            for key in ['Up'] * 10 + ['Left'] * 10:
                s.keys(key)
            time.sleep(0.8)
            row, column = 1, 1
            s.skip()
            continue
        if 'Odkrytých polí' in s.text()[heard.start():heard.end() + 200]:
            s.expect(r'Odkrytých polí: \d+\.', 5)
            flood = True
        # The keyboard rests on the uncovered field and hears its count again from a neighbour.
        if not rested and column < 10:
            step(s, 'Right', r'Řádek %d, sloupec %d: ' % (row, column + 1))
            step(s, 'Left', r'Řádek %d, sloupec %d: %s' % (row, column, count))
            rested = True
        if flood and rested:
            break
        # On to the next field still covered, in the first direction that has one.
        heard = None
        for key in ('ctrl+Right', 'ctrl+Down', 'ctrl+Left', 'ctrl+Up'):
            try:
                heard = step(s, key, r'Řádek (\d+), sloupec (\d+): zakryté', timeout=2)
                break
            except CheckFailed:
                continue
        if heard is None:
            raise CheckFailed('no covered field left in reach of Ctrl and an arrow')
        row, column = int(heard.group(1)), int(heard.group(2))
    if not (flood and rested):
        raise CheckFailed('no flood fill heard (flood %s, rested %s)' % (flood, rested))
    print('  an uncovering speaks the count at once, a flood fill how many fields opened')
    print('  the keyboard rests on uncovered fields and hears their counts')
    s.end_game(game)


def check_editor(s):
    """The player editor, entered with the keyboard on its list. The shipped roster: Honza, Věra,
    Robůtek, Počítač, Profesor, Šimon, Mistr."""
    entry = r'%s, skóre \d+, typ %s'
    # The entry under the cursor is spoken on entering, not only after the first step.
    s.expect(entry % ('Honza', 'HUM'), 5)
    time.sleep(0.3)
    step(s, 'Down', entry % ('Věra', 'HUM'))
    step(s, 'Down', entry % ('Robůtek', 'CPU nováček'))
    print('  the list speaks the entry under the cursor on entering, each entry with score and type')

    for heard in (r'Vytvoření nového hráče: text', r'Typ nového hráče', r'Vytvořit push button',
                  r'Jméno vybraného hráče',
                  r'Přejmenovat push button', r'Odstranit push button'):
        step(s, 'Tab', heard)
    step(s, 'Tab', r'Nahoru push button')
    step(s, 'space', r'Hráč Robůtek posunut nahoru, je 2\. v seznamu\.')
    step(s, 'space', r'Hráč Robůtek posunut nahoru, je 1\. v seznamu\.')
    step(s, 'space', r'Hráč Robůtek je už první v seznamu\.')
    step(s, 'Tab', r'Dolů push button')
    step(s, 'space', r'Hráč Robůtek posunut dolů, je 2\. v seznamu\.')
    print('  up and down speak the moved player and where it stands, or that it cannot move')

    for heard in (r'Nahoru push button', r'Odstranit push button', r'Přejmenovat push button',
                  r'Jméno vybraného hráče'):
        step(s, 'shift+Tab', heard)
    s.keys('ctrl+a')
    for key in ('R', 'o', 'b', 'o', 't'):
        s.keys(key)
    time.sleep(0.5)
    step(s, 'Tab', r'Přejmenovat push button')
    step(s, 'space', r'Hráč Robůtek přejmenován na Robot\.')
    step(s, 'Tab', r'Odstranit push button')
    # The button goes with the details; the list takes the keyboard and says where its cursor is.
    step(s, 'space', r'Hráč Robot odstraněn\. ' + entry % ('Honza', 'HUM'))
    print('  rename and delete speak the player')

    step(s, 'Tab', r'Vytvoření nového hráče: text')
    step(s, 'Tab', r'Typ nového hráče')
    step(s, 'Tab', r'Vytvořit push button')
    step(s, 'space', r'Vytvořen hráč Jméno, skóre 500, typ HUM\.')
    step(s, 'shift+Tab', r'Typ nového hráče')
    step(s, 'shift+Tab', r'Vytvoření nového hráče: text')
    s.keys('ctrl+a')
    for key in 'Dlouhejmeno':
        s.keys(key)
    time.sleep(0.5)
    step(s, 'Tab', r'Typ nového hráče')
    step(s, 'Tab', r'Vytvořit push button')
    step(s, 'space', r'Jméno je příliš dlouhé')
    step(s, 'Return', r'Vytvořit push button')
    print('  create speaks the new player, a refusal is read from its box')

    step(s, 'Tab', r'Seřadit hráče podle skóre push button')
    # The match played before may have changed the order by score, or not.
    step(s, 'space', r'Seřazeno podle skóre: Honza \d+, |Seznam už byl seřazen podle skóre\.')
    step(s, 'space', r'Seznam už byl seřazen podle skóre\.')
    step(s, 'Tab', r'Seřadit hráče podle typu push button')
    step(s, 'space', r'Seřazeno podle typu: \w+ HUM, ')
    print('  the sorts speak the new order')


def check_karvelo(s, build, data):
    print('Karvelo')
    game = launch(s, os.path.join(build, 'karvelo', 'karvelo'), data, r'Karvelo frame')
    time.sleep(0.3)

    def open_setup():
        step(s, 'alt', r'Hra\.')
        step(s, 'Down', r'Hrát')
        return step(s, 'Return', r'Honza combo box\.\s*SPEECH: První hráč, skóre (\d+), typ HUM')

    score = int(open_setup().group(1))
    print('  the set-up page takes the focus; a drop-down says its value, purpose, score and type')
    step(s, 'Tab', r'\S+ combo box\.\s*SPEECH: Znak prvního hráče')
    step(s, 'Tab', r'Začíná první hráč')
    step(s, 'Tab', r'Věra combo box\.\s*SPEECH: Druhý hráč, skóre \d+, typ HUM')
    step(s, 'Down', r'Robůtek')
    step(s, 'Down', r'Počítač')
    step(s, 'Down', r'Profesor combo box\.\s*SPEECH: Druhý hráč, skóre \d+, typ CPU pokročilý')
    step(s, 'Tab', r'\S+ combo box\.\s*SPEECH: Znak druhého hráče')
    step(s, 'Tab', r'Zobrazovat hodnoty polí')
    step(s, 'Tab', r'Označit poslední tah')
    step(s, 'Tab', r'Začít souboj push button')
    step(s, 'space', r'Hrací plocha')

    # A step of the cursor speaks the one field it reaches.
    step(s, 'Down', r'Sloupec 10, řádek 10: prázdné')
    s.keys('Down')
    s.expect(r'SPEECH: Sloupec 10, řádek 11: prázdné\.?\n')
    s.expect_none(r'Sloupec (?!10,)\d+, řádek 11', 1.0)
    print('  a cursor step speaks one field')
    step(s, 'space', r'Honza: sloupec 10, řádek 11\. Profesor: sloupec \d+, řádek \d+\.')
    print('  a move and the computer\'s answer are spoken when made')

    # Two moves: the set-up page may open, and the board under it takes no key.
    open_setup()
    for key in ('Right', 'Left', 'Return'):  # keys that leave the page's first drop-down as it is
        s.keys(key)
    s.expect_none(r'Profesor: sloupec|Honza: sloupec|Sloupec \d+, řádek', 1.5)
    print('  the hidden board takes no key')

    step(s, 'Tab', r'Znak prvního hráče')
    step(s, 'Tab', r'Začíná první hráč')
    step(s, 'Tab', r'Profesor combo box')
    for name in ('Počítač', 'Robůtek', 'Věra'):
        step(s, 'Up', name)
    for _ in range(4):
        step(s, 'Tab')
    step(s, 'space', r'Hrací plocha')
    step(s, 'Down', r'Sloupec 10, řádek 10: prázdné')
    # Honza along row 10, Věra along row 11, until Honza has five.
    for column in range(10, 14):
        step(s, 'space', r'Honza: sloupec %d, řádek 10' % column)
        step(s, 'Down', r'Sloupec %d, řádek 11' % column)
        step(s, 'space', r'Věra: sloupec %d, řádek 11' % column)
        step(s, 'Up', r'Sloupec %d, řádek 10' % column)
        step(s, 'Right', r'Sloupec %d, řádek 10' % (column + 1))
    s.keys('space')
    # The box takes the reader at once: its caption says who won, and the five is spoken with it.
    s.expect(r'alert Vyhrál Honza\.\s*SPEECH: Chcete začít další zápas\?\s*SPEECH: Honza: sloupec 14, řádek 10, pětice\.')
    print('  a five says who won before the end-of-match question')
    new_score = int(step(s, 'Escape', r'Honza combo box\.\s*SPEECH: První hráč, skóre (\d+)').group(1))
    if new_score == score:
        raise CheckFailed('the score after a won match is still %d' % score)
    print('  the score after the match is heard (%d, was %d)' % (new_score, score))

    step(s, 'alt', r'Hra\.')
    step(s, 'Right', r'Nastavení')
    step(s, 'Down', r'Schéma')
    step(s, 'Return', r'Gothic combo box\.\s*SPEECH: Prostředí')
    step(s, 'alt', r'Hra\.')
    step(s, 'Right', r'Nastavení')
    step(s, 'Down', r'Schéma')
    step(s, 'Down', r'Edit hráčů')
    step(s, 'Return', r'Seznam hráčů')
    s.expect_none(r'Jméno vybraného hráče', 1.0)
    print('  every page takes the focus and speaks its first control')
    check_editor(s)

    step(s, 'alt', r'Hra\.')
    step(s, 'Right', r'Nastavení')
    step(s, 'Right', r'O programu')
    step(s, 'Down', r'Help')
    step(s, 'Return', r'Text nápovědy read only text\.\s*SPEECH: Obsah')
    step(s, 'Down', r'Karvelo je hra')
    step(s, 'Tab', r'Odkaz: Pravidla hry')
    step(s, 'Return', r'Text nápovědy read only text\.\s*SPEECH: Pravidla hry')
    step(s, 'ctrl+Down', r'SPEECH: \S')
    step(s, 'Escape', r'Karvelo frame')
    print('  the help reads by line and paragraph, speaks links and closes with Escape')
    s.end_game(game)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('build')
    parser.add_argument('data')
    parser.add_argument('--verbose', action='store_true')
    parser.add_argument('--only', choices=['zarn', 'karvelo'])
    args = parser.parse_args()
    missing = [tool for tool in NEEDED if shutil.which(tool) is None]
    try:
        import orca  # noqa: F401
    except ImportError:
        missing.append('orca (python3 module)')
    if missing:
        print('Missing: ' + ', '.join(missing))
        return 77
    build, data = os.path.abspath(args.build), os.path.abspath(args.data)
    started = time.monotonic()
    checks = [check for name, check in (('zarn', check_zarn), ('karvelo', check_karvelo))
              if args.only in (None, name)]
    session = None
    for check in checks:
        # Each game on a desktop of its own. Now and then the reader, though started, never hears
        # of the new window; that desktop is then started afresh, at most twice (once was seen
        # not to be enough).
        for attempt in (1, 2, 3):
            session = OrcaSession(args.verbose)
            try:
                session.start()
                check(session, build, data)
            except ReaderDeaf:
                session.stop()
                session.cleanup()
                if attempt == 3:
                    print('FAILED: the screen reader never heard of the game window')
                    return 1
                print('  (the screen reader heard nothing of the window; a fresh desktop)')
                continue
            except CheckFailed as failure:
                print('FAILED: %s' % failure)
                print('Logs kept in %s' % session.root)
                session.stop()
                return 1
            session.stop()
            session.cleanup()
            break
    print('All heard in %.0f s' % (time.monotonic() - started))
    return 0


if __name__ == '__main__':
    sys.exit(main())

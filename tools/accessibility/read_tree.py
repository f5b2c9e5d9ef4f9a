#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints what a screen reader finds in a running program: its windows and the controls now shown,
with role, name, description and state, as AT-SPI reports them. Tables are summed up with their
size and a few cells.

    read_tree.py karvelo            the tree of the program whose name contains "karvelo"
    read_tree.py zarn --depth 3     no deeper than three levels below the program
    read_tree.py zarn --all         also what is hidden

Needs python3-pyatspi and a running AT-SPI bus (see under_xvfb.sh)."""

import argparse
import sys

import pyatspi
from gi.repository import Atspi

STATES = [('showing', pyatspi.STATE_SHOWING), ('focused', pyatspi.STATE_FOCUSED),
          ('focusable', pyatspi.STATE_FOCUSABLE), ('sensitive', pyatspi.STATE_SENSITIVE),
          ('checked', pyatspi.STATE_CHECKED)]


def describe(acc):
    acc.clear_cache()
    state = acc.getState()
    flags = ','.join(name for name, st in STATES if state.contains(st))
    text = f"[{acc.getRoleName()}] '{acc.name}'"
    if acc.description:
        text += f" description='{acc.description}'"
    labels = [r.getTarget(0).name for r in acc.getRelationSet()
              if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
    if labels:
        text += f" labelled by {labels}"
    return (text + f' ({flags})').replace('\n', '\\n')


def dump(acc, depth, max_depth, show_all):
    if depth > 0 and not show_all and not acc.getState().contains(pyatspi.STATE_SHOWING):
        return
    indent = '  ' * depth
    print(indent + describe(acc))
    if depth >= max_depth:
        return
    if acc.getRoleName() == 'table':
        table = acc.queryTable()
        print(f'{indent}  {table.nRows} x {table.nColumns} cells, for example:')
        for row, column in [(0, 0), (table.nRows // 2, table.nColumns // 2)]:
            if row < table.nRows and column < table.nColumns:
                print(f'{indent}    ' + describe(table.getAccessibleAt(row, column)))
        return
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            dump(child, depth + 1, max_depth, show_all)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('program', help='part of the program name, e.g. karvelo or zarn')
    parser.add_argument('--depth', type=int, default=4)
    parser.add_argument('--all', action='store_true', help='also what is hidden')
    args = parser.parse_args()
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and args.program.lower() in (app.name or '').lower():
            app.set_cache_mask(Atspi.Cache.NONE)  # every property as it is now
            dump(app, 0, args.depth, args.all)
            return 0
    print(f'No program named like "{args.program}" on the accessibility bus.', file=sys.stderr)
    return 1


if __name__ == '__main__':
    sys.exit(main())

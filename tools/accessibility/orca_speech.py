#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the Orca screen reader with every utterance also written, as it is spoken, to a transcript:
one line each, "SPEECH: <text>" or "KEY: <key name>", flushed at once (Orca's own debug file is
written in blocks, too late to wait on).

    orca_speech.py TRANSCRIPT [PREFS_DIR]

Meant for orca_check.py, on a private display and session bus."""

import os
import sys

sys.prefix = '/usr'

from orca import debug  # noqa: E402
from orca import speech  # noqa: E402


def main():
    transcript = open(sys.argv[1], 'a', buffering=1, encoding='utf-8')
    prefs = sys.argv[2] if len(sys.argv) > 2 else None

    def record(kind, text):
        transcript.write('%s: %s\n' % (kind, ' '.join(str(text).split())))

    original_speak = speech._speak

    def speak(text, acss, interrupt):
        record('SPEECH', text)
        original_speak(text, acss, interrupt)

    original_key = speech.speakKeyEvent

    def speak_key(event, acss=None):
        record('KEY', event.getKeyName())
        original_key(event, acss)

    original_character = speech.speakCharacter

    def speak_character(character, acss=None):
        record('SPEECH', character)
        original_character(character, acss)

    speech._speak = speak
    speech.speakKeyEvent = speak_key
    speech.speakCharacter = speak_character

    debug.debugLevel = debug.LEVEL_SEVERE
    if os.environ.get('ORCA_CHECK_DEBUG'):  # Orca's own full log, for finding out why it said nothing
        debug.debugLevel = debug.LEVEL_ALL
        debug.debugFile = open(os.environ['ORCA_CHECK_DEBUG'], 'w', buffering=1)
    from orca import orca
    manager = orca.getSettingsManager()
    # No braille display here: without this Orca looks for one before every utterance.
    manager.activate(prefs, {'enableBraille': False, 'enableBrailleMonitor': False})
    sys.path.insert(0, manager.getPrefsDir())
    record('STATE', 'orca started')
    return orca.main()


if __name__ == '__main__':
    sys.exit(main())

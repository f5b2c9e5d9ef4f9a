// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the player editor tells a screen reader: each entry of the list with its score and type
// (the labels beside the list are out of a reader's reach), the entry under the cursor when the
// keyboard enters the list, and the outcome of every button.

#include "karvelo/roster/player_record.h"

#include <QString>

class QListWidget;

namespace karvelo {

// "Honza, skóre 508, typ HUM", as the set-up page speaks a contestant.
QString EntrySpeech(const PlayerRecord& entry);

// When the keyboard enters the list, the entry under its cursor is spoken with the list; a list
// without a cursor gets it on the first entry, still without selecting it.
void SpeakEntryOnEntering(QListWidget& list);

// The speech of the entry under the list's cursor, which is put on the first entry if there is
// none; empty for an empty list.
QString EntryUnderCursor(QListWidget& list);

// The outcomes of the buttons; positions count from 1.
QString CreatedSpeech(const PlayerRecord& entry);
QString RenamedSpeech(const QString& before, const QString& after);
QString DeletedSpeech(const QString& name);
QString MovedSpeech(const QString& name, bool up, int position);
QString NotMovedSpeech(const QString& name, bool up);
// `order` lists the names in the new order, each with what it was sorted by.
QString SortedSpeech(bool byScore, bool changed, const QStringList& order);

}  // namespace karvelo

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A match between roster entries 0 and 1 with everything the engine needs, driven without a window.

#include "karvelo/computer/computer_levels.h"
#include "karvelo/match/match_engine.h"
#include "karvelo/roster/roster_file.h"
#include "support/fake_match_host.h"
#include "support/scripted_random.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <memory>

namespace karvelo::test {

inline void SetEntry(Roster& r, int i, const char* name, int score, int type) {
    PlayerRecord& e = r.roster[i];
    std::strcpy(e.name, name);
    e.nameLength = int(std::strlen(name));
    e.score = score;
    e.type = type;
}

struct Table {
    QTemporaryDir dir;
    MatchState m;
    Roster roster;
    std::unique_ptr<RosterFile> file;
    ScriptedRandom random;
    FakeMatchHost host;
    ComputerLevels computer;
    std::unique_ptr<MatchEngine> engine;

    // With no generator given the scripted one draws.
    Table(int type1, int type2, int score1 = 500, int score2 = 500, RandomSource* generator = nullptr) {
        SetEntry(roster, 0, "Alfa", score1, type1);
        SetEntry(roster, 1, "Beta", score2, type2);
        roster.rosterCount = 2;
        file = std::make_unique<RosterFile>(dir.filePath("data.dat").toStdString());
        engine =
            std::make_unique<MatchEngine>(m, roster, *file, generator ? *generator : random, computer, host);
    }
    void Start(int firstMover) {
        m.matchRunning = 1;
        m.playerOnMove = firstMover;
        m.contestantType1 = roster.roster[0].type;
        m.contestantType2 = roster.roster[1].type;
        engine->StartMatch();
    }
    // The human on move plays field (x, y).
    void Click(int x, int y) { engine->HumanMove(x, y); }
    QByteArray FileBytes() {
        QFile f(dir.filePath("data.dat"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    int Stones() const {
        int n = 0;
        for (int x = 1; x <= boardSize; ++x)
            for (int y = 1; y <= boardSize; ++y) n += m.board[x][y].state != fsEmpty;
        return n;
    }
};

}  // namespace karvelo::test

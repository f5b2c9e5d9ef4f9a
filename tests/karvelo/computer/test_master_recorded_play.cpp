// SPDX-License-Identifier: GPL-3.0-or-later
// CPU mistr plays exactly as recorded: on scattered positions and in short games against itself,
// every move's equal fields and the nodes spent on it, and the value marks, must stay as they
// were, so that work on the speed of a node cannot change a single decision unnoticed.

#include "karvelo/computer/master/root_search.h"
#include "karvelo/computer/master_search.h"
#include "support/positions.h"

#include <QTest>
#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

using namespace karvelo;
using namespace karvelo::test;

namespace {

constexpr std::int64_t budget = 12000;

Board EmptyBoard() { return ComputerOnMove(CpuMaster).board; }

// The longest run of the stone on (x, y) through it.
int RunThrough(const Board& b, int x, int y) {
    constexpr int dx[] = {1, 1, 0, 1}, dy[] = {1, 0, 1, -1};
    int longest = 0;
    for (int d = 0; d < 4; ++d) {
        int n = 1;
        for (int k = 1; b[x + k * dx[d]][y + k * dy[d]].state == b[x][y].state; ++k) ++n;
        for (int k = 1; b[x - k * dx[d]][y - k * dy[d]].state == b[x][y].state; ++k) ++n;
        longest = std::max(longest, n);
    }
    return longest;
}

// `stones` stones, alternately of contestant 1 and 2, in a square around the centre that grows
// with their number, no run longer than `longest`: with two most moves need the full search,
// with three the threat searches decide many. Raw generator output only, so that every standard
// library makes the same positions.
Board Scattered(int stones, int longest, std::uint32_t seed) {
    std::mt19937 gen(seed);
    Board b = EmptyBoard();
    const int half = std::min(boardSize / 2, 2 + stones / 10);
    const auto coordinate = [&] { return boardSize / 2 - half + 1 + int(gen() % std::uint32_t(2 * half)); };
    for (int placed = 0; placed < stones;) {
        const int x = coordinate(), y = coordinate();
        if (b[x][y].state != fsEmpty) continue;
        b[x][y].state = placed % 2 + 1;
        if (RunThrough(b, x, y) > longest) {
            b[x][y].state = fsEmpty;
            continue;
        }
        ++placed;
    }
    return b;
}

// One search as "nodes: x,y x,y ..."; *best (if given) gets its fields.
std::string Record(const Board& b, int me, std::vector<BoardPoint>* best = nullptr) {
    MasterSearchEffort effort;
    const std::vector<BoardPoint> fields = master::SearchMove(b, me, budget, &effort);
    std::string r = std::to_string(effort.nodes) + ":";
    for (const BoardPoint& p : fields) r += " " + std::to_string(p.x) + "," + std::to_string(p.y);
    if (best) *best = fields;
    return r;
}

// The value marks for `me` folded into one number.
std::uint32_t MarksHash(Board b, int me) {
    ScoreFieldsForMaster(b, me);
    std::uint32_t h = 2166136261u;
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) h = (h ^ std::uint32_t(b[x][y].value)) * 16777619u;
    return h;
}

// Scattered positions of 8 to 60 stones, each searched and marked for both contestants.
std::vector<std::string> ScatteredRecords() {
    std::vector<std::string> out;
    for (auto [stones, longest] : {std::pair{8, 3}, {31, 2}, {31, 3}, {60, 2}})
        for (std::uint32_t seed = 1; seed <= 10; ++seed) {
            const Board b = Scattered(stones, longest, seed * 7919u + std::uint32_t(stones * longest));
            for (int me = 1; me <= 2; ++me)
                out.push_back(Record(b, me) + " | " + std::to_string(MarksHash(b, me)));
        }
    return out;
}

// Games of CPU mistr against itself from scattered openings, always the first of its equal
// fields, up to 30 plies or a five.
std::vector<std::string> GameRecords() {
    std::vector<std::string> out;
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        Board b = Scattered(4, 2, seed * 104729u);
        int mover = 1;
        for (int ply = 0; ply < 30; ++ply) {
            std::vector<BoardPoint> best;
            out.push_back(Record(b, mover, &best));
            if (best.empty()) break;
            b[best[0].x][best[0].y].state = mover;
            if (HasFive(b, mover)) break;
            mover = 3 - mover;
        }
        out.push_back("--");
    }
    return out;
}

// Compares line by line; on a difference prints the whole actual list, ready to paste after a
// deliberate change of play.
void CompareWithRecord(const std::vector<std::string>& got, const std::vector<std::string>& want) {
    bool same = got.size() == want.size();
    for (std::size_t i = 0; same && i < got.size(); ++i) same = got[i] == want[i];
    if (!same) {
        std::string all;
        for (const std::string& line : got) all += "        \"" + line + "\",\n";
        qWarning("%s", all.c_str());
    }
    for (std::size_t i = 0; i < got.size() && i < want.size(); ++i) QCOMPARE(got[i], want[i]);
    QCOMPARE(got.size(), want.size());
}

}  // namespace

class MasterRecordedPlayTest : public QObject {
    Q_OBJECT
private slots:
    void scatteredPositionsAreSearchedAndMarkedAsRecorded() {
        const std::vector<std::string> want = {
            "12000: 13,12 | 1742519769",
            "0: 9,8 13,12 | 1742519769",
            "7: 8,10 | 3812135973",
            "12000: 9,11 | 2386742302",
            "12000: 8,11 | 866277324",
            "12000: 8,11 | 2335295068",
            "12000: 12,10 | 946552097",
            "12000: 10,13 | 3233223787",
            "12000: 10,12 | 3433718967",
            "12000: 10,12 | 2354818725",
            "12000: 10,11 | 846249647",
            "12000: 9,8 10,11 | 56630307",
            "12000: 10,10 | 517263725",
            "4139: 13,11 | 3173368550",
            "2382: 9,9 | 206472509",
            "12000: 11,12 | 1941561011",
            "12000: 9,11 | 3324217623",
            "12000: 9,11 | 3206408286",
            "12000: 13,12 | 1636350515",
            "0: 9,8 13,12 | 1636350515",
            "0: 10,8 10,10 | 511359041",
            "0: 12,15 | 107736521",
            "0: 13,13 | 1016788716",
            "0: 13,13 | 2448242965",
            "0: 11,8 11,11 13,10 | 184525963",
            "0: 10,14 | 2272188021",
            "6: 9,9 | 517944570",
            "0: 9,9 | 1867761835",
            "4260: 10,12 13,8 | 601703046",
            "0: 10,9 | 601703046",
            "0: 7,6 15,9 15,12 | 1672421836",
            "0: 11,14 12,12 12,13 | 2476354946",
            "0: 13,9 | 424762456",
            "0: 13,9 | 424762456",
            "0: 9,12 | 4024315468",
            "2053: 13,7 13,8 13,12 | 2731919952",
            "0: 12,8 14,11 | 1349019473",
            "0: 15,11 | 1897173330",
            "0: 10,13 12,12 14,13 | 3148260551",
            "1627: 11,10 13,8 | 3711842436",
            "0: 8,11 | 1260429732",
            "0: 8,11 | 3029470156",
            "0: 6,8 10,8 11,6 14,10 15,10 | 1418044921",
            "2: 13,15 | 1940837921",
            "0: 10,6 | 3841382911",
            "0: 10,6 | 438697215",
            "0: 7,9 8,8 9,12 10,8 | 2298349927",
            "0: 7,9 8,8 9,12 10,8 | 2933765259",
            "2: 9,8 | 3586957999",
            "0: 5,12 9,16 | 434236996",
            "0: 11,8 | 2595061210",
            "0: 11,8 | 3319347666",
            "0: 8,14 | 3326110371",
            "0: 8,14 | 4267001347",
            "0: 8,11 | 1724069728",
            "0: 15,7 15,10 | 481828836",
            "2: 8,9 | 3324662987",
            "0: 8,9 12,13 | 3958816869",
            "0: 8,9 | 2833106454",
            "0: 8,9 | 3156359395",
            "0: 3,13 | 388780116",
            "0: 3,13 | 1028075130",
            "0: 10,12 | 1925760292",
            "4: 5,8 | 2835379660",
            "0: 6,15 | 707655368",
            "1829: 6,15 | 580359500",
            "0: 5,16 | 742992682",
            "0: 5,16 | 41935623",
            "2: 15,9 | 622225236",
            "0: 9,16 | 3665371773",
            "0: 14,4 | 131410102",
            "0: 5,13 7,15 9,11 12,14 | 901855864",
            "0: 8,14 | 1417929046",
            "0: 15,9 15,10 | 663840558",
            "0: 10,3 | 2044546218",
            "1621: 8,3 10,3 | 2044546218",
            "0: 6,12 | 3171761078",
            "2: 16,5 | 3413197378",
            "0: 4,5 6,15 7,8 | 2245818015",
            "0: 4,9 | 611794798",
        };
        CompareWithRecord(ScatteredRecords(), want);
    }

    void gamesAgainstItselfArePlayedAsRecorded() {
        const std::vector<std::string> want = {
            "12000: 14,10",
            "12000: 10,9",
            "12000: 13,11",
            "12000: 11,13",
            "12000: 10,12",
            "12000: 8,9",
            "12000: 11,9",
            "12000: 11,12",
            "12000: 9,10",
            "12000: 12,10",
            "12000: 13,13",
            "12000: 13,14",
            "12000: 13,9",
            "12000: 11,11",
            "12000: 12,8",
            "4734: 6,9 7,9 11,14 11,15 12,13 14,15",
            "0: 7,9",
            "2493: 11,14 11,15 12,13 14,15",
            "0: 11,15",
            "2514: 11,7 12,13 14,15 15,11",
            "5: 15,11",
            "0: 16,12",
            "4: 15,9",
            "0: 16,8",
            "3: 14,12",
            "0: 12,14",
            "2: 14,9",
            "0: 12,9",
            "0: 14,11 17,9",
            "0: 14,8 14,13",
            "--",
            "12000: 13,12",
            "12000: 14,13",
            "12000: 12,10",
            "12000: 12,12 13,10",
            "12000: 11,9",
            "12000: 10,12",
            "943: 10,9",
            "0: 9,8",
            "12000: 12,9",
            "4962: 9,9",
            "4729: 9,10",
            "1706: 9,12",
            "0: 8,12",
            "1647: 8,10 10,10 13,10",
            "2: 12,7",
            "0: 12,8",
            "0: 11,8",
            "0: 8,11 13,6",
            "0: 13,6",
            "--",
            "12000: 10,10",
            "12000: 10,11",
            "12000: 11,8",
            "12000: 11,12",
            "12000: 8,9",
            "12000: 13,10",
            "12000: 11,11",
            "12000: 12,12",
            "12000: 14,9",
            "12000: 13,9",
            "12000: 13,12",
            "12000: 11,7",
            "12000: 12,8",
            "12000: 13,7",
            "12000: 13,8",
            "12000: 14,8",
            "12000: 8,12 9,9",
            "0: 9,11",
            "12000: 9,8 9,9",
            "0: 10,8",
            "12000: 9,9",
            "0: 10,9",
            "12000: 8,8",
            "0: 7,7",
            "12000: 8,11",
            "0: 8,10",
            "12000: 9,7",
            "12000: 10,7",
            "12000: 9,5",
            "0: 9,6",
            "--",
            "12000: 10,8",
            "12000: 8,10",
            "12000: 9,10",
            "12000: 9,11 11,11",
            "12000: 10,12",
            "12000: 10,10",
            "12000: 8,12 12,8",
            "12000: 11,12",
            "12000: 11,8",
            "12000: 9,8",
            "12000: 10,14",
            "12000: 11,13",
            "12000: 11,11",
            "12000: 7,11 8,11",
            "12000: 8,11",
            "12000: 7,12",
            "12000: 7,13 12,11",
            "12000: 10,13",
            "12000: 12,11",
            "12000: 13,11",
            "12000: 13,13",
            "12000: 8,13",
            "12000: 9,14",
            "12000: 11,14",
            "12000: 11,15",
            "12000: 14,14",
            "12000: 9,13",
            "0: 12,16",
            "12000: 14,12",
            "12000: 10,16 12,8",
            "--",
            "12000: 12,8 13,9",
            "12000: 12,12",
            "12000: 10,10",
            "12000: 9,11",
            "12000: 8,10",
            "12000: 7,10",
            "12000: 8,11",
            "12000: 10,9",
            "12000: 8,9",
            "12000: 8,8",
            "12000: 10,11",
            "12000: 11,12",
            "12000: 13,12",
            "12000: 9,13",
            "12000: 11,11",
            "12000: 7,8",
            "12000: 11,10",
            "12000: 12,9",
            "12000: 8,12",
            "0: 8,13",
            "12000: 12,13",
            "12000: 10,13",
            "12000: 7,13",
            "12000: 6,8",
            "12000: 9,8",
            "12000: 5,8",
            "0: 4,8",
            "12000: 7,9",
            "12000: 7,11",
            "12000: 5,9",
            "--",
            "12000: 9,8",
            "12000: 10,8",
            "12000: 10,7 13,11",
            "12000: 11,7 11,9",
            "12000: 8,10 12,6",
            "12000: 11,6",
            "12000: 12,6",
            "12000: 11,9",
            "12000: 13,11",
            "12000: 9,6",
            "12000: 12,11",
            "12000: 8,7",
            "12000: 14,11",
            "12000: 11,11",
            "12000: 16,11",
            "0: 15,11",
            "12000: 13,8",
            "7002: 8,6 11,8",
            "0: 9,7",
            "9158: 10,6 11,8",
            "0: 7,6",
            "3052: 11,8",
            "0: 11,5",
            "2921: 14,7",
            "5: 13,12",
            "0: 10,9",
            "4: 13,10",
            "0: 13,9",
            "3: 14,13",
            "0: 15,14",
            "--",
        };
        CompareWithRecord(GameRecords(), want);
    }
};

QTEST_GUILESS_MAIN(MasterRecordedPlayTest)

#include "test_master_recorded_play.moc"

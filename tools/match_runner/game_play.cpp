// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/match_runner/game_play.h"

#include "tools/match_runner/engine_process.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <memory>
#include <stdexcept>
#include <utility>

namespace match_runner {

namespace {

struct Side {
    const Contestant* contestant = nullptr;
    Colour colour = Colour::none;
    std::unique_ptr<EngineProcess> engine;
    bool hasPosition = false;  // has had its BOARD
    double usedMs = 0;
    std::vector<double>* ms = nullptr;
};

bool StartsWith(std::string_view line, std::string_view word) {
    if (line.size() < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(line[i])) != word[i]) return false;
    return true;
}

// The next line that is meant for the manager: engines may write MESSAGE and DEBUG lines at
// any time.
EngineProcess::Read Answer(EngineProcess& engine, std::string& line, Clock::time_point deadline) {
    for (;;) {
        const EngineProcess::Read r = engine.ReadLine(line, deadline);
        if (r != EngineProcess::Read::line) return r;
        if (!StartsWith(line, "MESSAGE") && !StartsWith(line, "DEBUG")) return r;
    }
}

std::string Missing(EngineProcess::Read r) {
    return r == EngineProcess::Read::timeout ? "no answer in time" : "the engine closed its output";
}

Ending MissingEnding(EngineProcess::Read r) {
    return r == EngineProcess::Read::timeout ? Ending::timeout : Ending::noAnswer;
}

Colour Other(Colour c) { return c == Colour::black ? Colour::white : Colour::black; }

GameResult Forfeit(GameResult result, Colour loser, Ending ending, std::string detail) {
    result.winner = Other(loser);
    result.ending = ending;
    result.detail = std::move(detail);
    return result;
}

// START answered with OK; otherwise what went wrong.
std::optional<std::pair<Ending, std::string>> Start(Side& side, const TimeControl& time) {
    try {
        side.engine = std::make_unique<EngineProcess>(side.contestant->command);
    } catch (const std::runtime_error& e) {
        return std::pair{Ending::noAnswer, std::string(e.what())};
    }
    side.engine->Send("START " + std::to_string(boardSize));
    std::string line;
    const auto r = Answer(*side.engine, line, Clock::now() + std::chrono::milliseconds(time.startMs));
    if (r != EngineProcess::Read::line) return std::pair{MissingEnding(r), "START: " + Missing(r)};
    if (line != "OK") return std::pair{Ending::wrongMove, "START answered \"" + line + "\""};
    if (side.contestant->toldTime) {
        side.engine->Send("INFO timeout_turn " + std::to_string(time.turnMs));
        side.engine->Send("INFO timeout_match " + std::to_string(time.matchMs));
        side.engine->Send("INFO max_memory " + std::to_string(time.maxMemory));
    }
    side.engine->Send("INFO game_type 1");
    side.engine->Send("INFO rule 0");
    return std::nullopt;
}

}  // namespace

const char* EndingName(Ending e) {
    switch (e) {
    case Ending::five:
        return "five";
    case Ending::fullBoard:
        return "full board";
    case Ending::wrongMove:
        return "wrong move";
    case Ending::timeout:
        return "time";
    case Ending::noAnswer:
        return "no answer";
    }
    return "";
}

GameResult PlayGame(const Contestant& black, const Contestant& white, const Opening& opening,
                    const TimeControl& time) {
    GameResult result;
    Side sides[2];
    sides[0] = {&black, Colour::black, nullptr, false, 0, &result.blackMs};
    sides[1] = {&white, Colour::white, nullptr, false, 0, &result.whiteMs};
    for (Side& side : sides)
        if (auto failed = Start(side, time))
            return Forfeit(result, side.colour, failed->first, failed->second);

    MatchBoard board;
    std::vector<std::pair<Field, Colour>> history;
    for (std::size_t i = 0; i < opening.size(); ++i) {
        const Colour c = i % 2 ? Colour::white : Colour::black;
        board.Place(opening[i], c);
        history.push_back({opening[i], c});
    }

    for (int turn = 0;; turn ^= 1) {
        Side& side = sides[turn];
        EngineProcess& engine = *side.engine;
        double limitMs = time.turnMs;
        if (side.contestant->toldTime) {
            const double leftMs =
                time.matchMs > 0 ? std::max(0.0, time.matchMs - side.usedMs) : double(INT_MAX);
            engine.Send("INFO time_left " + std::to_string(static_cast<long long>(leftMs)));
            limitMs = std::min(limitMs, leftMs);
        } else if (time.matchMs > 0) {
            limitMs = std::min(limitMs, std::max(0.0, time.matchMs - side.usedMs));
        }
        if (!side.hasPosition) {
            engine.Send("BOARD");
            for (const auto& [field, colour] : history)
                engine.Send(Text(field) + (colour == side.colour ? ",1" : ",2"));
            engine.Send("DONE");
            side.hasPosition = true;
        } else {
            engine.Send("TURN " + Text(history.back().first));
        }
        const Clock::time_point sent = Clock::now();
        const auto deadline =
            sent + std::chrono::microseconds(static_cast<long long>((limitMs + time.toleranceMs) * 1000));
        std::string line;
        const EngineProcess::Read r = Answer(engine, line, deadline);
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - sent).count();
        if (r != EngineProcess::Read::line) return Forfeit(result, side.colour, MissingEnding(r), Missing(r));
        side.ms->push_back(ms);
        side.usedMs += ms;
        const std::optional<Field> move = ParseMove(line);
        if (!move || !MatchBoard::OnBoard(*move) || !board.IsEmpty(*move))
            return Forfeit(result, side.colour, Ending::wrongMove, "answered \"" + line + "\"");
        board.Place(*move, side.colour);
        history.push_back({*move, side.colour});
        ++result.moves;
        if (board.MakesFive(*move)) {
            result.winner = side.colour;
            result.ending = Ending::five;
            return result;
        }
        if (board.Full()) {
            result.ending = Ending::fullBoard;
            return result;
        }
    }
}

}  // namespace match_runner

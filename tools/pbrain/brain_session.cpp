// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/pbrain/brain_session.h"

#include "tools/pbrain/budget_planner.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <chrono>
#include <optional>

namespace karvelo::pbrain {

namespace {

std::string_view Trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

// Upper case; control characters (a CR inside the line) become '?', as the word may be echoed in
// an answer, which must stay one line.
std::string Upper(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return c < 0x20 || c == 0x7F ? '?' : char(std::toupper(c)); });
    return out;
}

template <typename T> std::optional<T> ParseNumber(std::string_view s) {
    s = Trim(s);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    T value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || error != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return value;
}

std::optional<int> Number(std::string_view s) { return ParseNumber<int>(s); }

// A line of BOARD ... DONE, if only a wrong one: it begins with a number or its first word holds
// a comma ("x,y,z"). A command's first word is a word.
bool IsStoneLine(std::string_view line) {
    const char first = line.empty() ? ' ' : line.front();
    return std::isdigit(static_cast<unsigned char>(first)) || first == '+' || first == '-' ||
           line.substr(0, line.find_first_of(" \t")).find(',') != std::string_view::npos;
}

// "a,b,c" split at the commas, each part trimmed.
std::vector<std::string_view> Fields(std::string_view s) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t comma = s.find(',');
        parts.push_back(Trim(s.substr(0, comma)));
        if (comma == std::string_view::npos) return parts;
        s.remove_prefix(comma + 1);
    }
}

struct Point {
    int x = 0;
    int y = 0;
};

std::optional<Point> ParsePoint(std::string_view a, std::string_view b) {
    const std::optional<int> x = Number(a), y = Number(b);
    if (!x || !y) return std::nullopt;
    return Point{*x, *y};
}

std::string Text(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

std::vector<std::string> Answer(std::string line) { return {std::move(line)}; }

// A field named by TURN, TAKEBACK or a BOARD line: its problem, or empty.
std::string FieldProblem(const BrainGame& game, std::optional<Point> p, bool mustBeEmpty) {
    if (!p) return "ERROR expected x,y";
    if (!BrainGame::OnBoard(p->x, p->y)) return "ERROR field " + Text(*p) + " is outside the board 0..19";
    if (mustBeEmpty && !game.IsEmpty(p->x, p->y)) return "ERROR field " + Text(*p) + " is occupied";
    if (!mustBeEmpty && game.IsEmpty(p->x, p->y)) return "ERROR field " + Text(*p) + " is empty";
    return {};
}

}  // namespace

double SteadyClockMs() {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

BrainSession::BrainSession(BrainGame& game, std::string version, ClockMs clock, GuardedSearch guard)
    : game_(game), version_(std::move(version)), clock_(std::move(clock)), guard_(std::move(guard)) {}

std::vector<std::string> BrainSession::Handle(std::string_view line) {
    line = Trim(line);
    if (ended_ || line.empty()) return {};
    const std::size_t space = line.find_first_of(" \t");
    const std::string word = Upper(line.substr(0, space));
    const std::string_view argument =
        space == std::string_view::npos ? std::string_view() : Trim(line.substr(space));
    if (inBoard_ && word != "DONE" && word != "END") {
        if (IsStoneLine(line)) return BoardLine(line);
        // A manager that lost the DONE would otherwise find the engine deaf to every command.
        inBoard_ = false;
        std::vector<std::string> answers = Answer("ERROR BOARD ended without DONE");
        for (std::string& a : Command(word, argument)) answers.push_back(std::move(a));
        return answers;
    }
    return Command(word, argument);
}

std::vector<std::string> BrainSession::Command(std::string_view word, std::string_view argument) {
    if (word == "START") {
        const std::optional<int> size = Number(argument);
        if (!size || *size != boardSize) return Answer("ERROR only the board size 20 is supported");
        game_.Clear();
        return Answer("OK");
    }
    if (word == "RECTSTART") {
        const std::vector<std::string_view> f = Fields(argument);
        if (f.size() != 2 || Number(f[0]) != boardSize || Number(f[1]) != boardSize)
            return Answer("ERROR only the board size 20 is supported");
        game_.Clear();
        return Answer("OK");
    }
    if (word == "RESTART") {
        game_.Clear();
        return Answer("OK");
    }
    if (word == "BEGIN") return OwnMove();
    if (word == "TURN") {
        const std::vector<std::string_view> f = Fields(argument);
        const std::optional<Point> p = f.size() == 2 ? ParsePoint(f[0], f[1]) : std::nullopt;
        if (std::string problem = FieldProblem(game_, p, true); !problem.empty()) return Answer(problem);
        game_.Place(p->x, p->y, Stone::opponent);
        return OwnMove();
    }
    if (word == "BOARD") {
        game_.Clear();
        inBoard_ = true;
        return {};
    }
    if (word == "DONE") {
        if (!inBoard_) return Answer("ERROR DONE without BOARD");
        inBoard_ = false;
        return OwnMove();
    }
    if (word == "TAKEBACK") {
        const std::vector<std::string_view> f = Fields(argument);
        const std::optional<Point> p = f.size() == 2 ? ParsePoint(f[0], f[1]) : std::nullopt;
        if (std::string problem = FieldProblem(game_, p, false); !problem.empty()) return Answer(problem);
        game_.Remove(p->x, p->y);
        return Answer("OK");
    }
    if (word == "INFO") return Info(argument);
    if (word == "ABOUT") return Answer(About());
    if (word == "END") {
        ended_ = true;
        return {};
    }
    return Answer("UNKNOWN command " + std::string(word));
}

std::vector<std::string> BrainSession::BoardLine(std::string_view line) {
    const std::vector<std::string_view> f = Fields(line);
    if (f.size() != 3) return Answer("ERROR expected x,y,who or DONE");
    const std::optional<Point> p = ParsePoint(f[0], f[1]);
    const std::optional<int> who = Number(f[2]);
    if (!who || *who < 1 || *who > 3) return Answer("ERROR who must be 1, 2 or 3");
    if (std::string problem = FieldProblem(game_, p, true); !problem.empty()) return Answer(problem);
    // 3 marks a stone of the continuous game's winning line; it is the opponent's to us.
    game_.Place(p->x, p->y, *who == 1 ? Stone::own : Stone::opponent);
    return {};
}

std::vector<std::string> BrainSession::Info(std::string_view argument) {
    const std::size_t space = argument.find_first_of(" \t");
    const std::string key = Upper(argument.substr(0, space));
    const std::string_view value =
        space == std::string_view::npos ? std::string_view() : Trim(argument.substr(space));
    if (key.empty()) return Answer("ERROR INFO needs a key and a value");
    if (value.empty()) return Answer("ERROR INFO " + key + " needs a value");
    if (key == "RULE") {
        const std::optional<int> rule = Number(value);
        if (rule != 0) return Answer("ERROR only the freestyle rule 0 (five or more wins) is supported");
        return {};
    }
    std::optional<std::int64_t>* limit = key == "TIMEOUT_TURN"    ? &limits_.turnMs
                                         : key == "TIMEOUT_MATCH" ? &limits_.matchMs
                                         : key == "TIME_LEFT"     ? &limits_.timeLeftMs
                                         : key == "MAX_MEMORY"    ? &limits_.maxMemory
                                                                  : nullptr;
    // Other keys are ignored, as the protocol asks.
    if (!limit) return {};
    const std::optional<std::int64_t> number = ParseNumber<std::int64_t>(value);
    if (!number || *number < 0) return Answer("ERROR INFO " + key + " needs a number of 0 or more");
    *limit = number;
    return {};
}

std::vector<std::string> BrainSession::OwnMove() {
    const std::optional<double> thinkingMs =
        game_.level() == maxLevel ? ThinkingTimeMs(limits_, game_.EmptyFields()) : std::nullopt;
    if (game_.level() == maxLevel && !thinkingMs) lastNodeBudget_ = masterNodeBudget;
    const FieldChoice move = thinkingMs ? TimedMove(*thinkingMs) : game_.PlayOwnMove();
    if (!move.found) return Answer("ERROR the board is full");
    return Answer(Text({move.x, move.y}));
}

FieldChoice BrainSession::TimedMove(double thinkingMs) {
    const double start = clock_();
    BudgetPlanner planner(thinkingMs, nodesPerMs_);
    std::vector<BoardPoint> best;
    for (std::int64_t budget = planner.First(); budget > 0;) {
        const double before = clock_();
        // The first search always finishes: the move needs one. A later one that would overrun
        // the time is dropped, and the last finished one answers.
        const std::optional<OwnSearch> found =
            best.empty() || !guard_
                ? game_.SearchOwnMove(budget)
                : guard_([this, budget] { return game_.SearchOwnMove(budget); }, start + thinkingMs - before);
        const double after = clock_();
        if (!found) break;
        best = found->fields;
        lastNodeBudget_ = budget;
        if (best.empty()) break;  // a full board
        // A search that never ran into its budget finds the same with any larger one: the time
        // left would only repeat it.
        if (!found->effort.cutShort) break;
        budget = planner.Next(budget, after - before, after - start);
    }
    nodesPerMs_ = planner.NodesPerMs();
    return game_.PlayOneOf(best);
}

std::string BrainSession::About() const {
    return "name=\"pbrain-karvelo\", version=\"" + version_ + " level " + std::to_string(game_.level()) +
           "\", author=\"Vyvojovy tym Karvela\", country=\"CZ\"";
}

}  // namespace karvelo::pbrain

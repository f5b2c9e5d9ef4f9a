// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/help/help_file.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

namespace karvelo::help {

namespace {

constexpr std::string_view topicKeyword = "@topic";
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// Tabs, stray CRs and other control bytes would only confuse the viewer; they read as spaces.
std::string WithoutControlCharacters(std::string_view line) {
    std::string clean(line);
    for (char& c : clean) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) c = ' ';
    }
    return clean;
}

std::optional<int> ParseContextNumber(std::string_view digits) {
    int value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || error != std::errc{} || stop != end || value < 0) return std::nullopt;
    return value;
}

std::optional<HelpSpan> ParseLink(std::string_view inner) {
    const auto bar = inner.find('|');
    if (bar == std::string_view::npos) return std::nullopt;
    const auto context = ParseContextNumber(Trim(inner.substr(0, bar)));
    const auto text = Trim(inner.substr(bar + 1));
    if (!context || text.empty()) return std::nullopt;
    return HelpSpan{std::string(text), *context};
}

std::vector<HelpSpan> ParseSpans(std::string_view text) {
    std::vector<HelpSpan> spans;
    std::string plain;
    const auto flushPlain = [&] {
        if (!plain.empty()) spans.push_back(HelpSpan{std::move(plain), noLink});
        plain.clear();
    };
    std::size_t pos = 0;
    std::size_t close = 0;  // the first "]]" after the last "[[" looked at; reused so long runs stay linear
    while (pos < text.size()) {
        const auto open = text.find("[[", pos);
        if (open == std::string_view::npos) break;
        if (close < open + 2) close = text.find("]]", open + 2);
        if (close == std::string_view::npos) break;
        const std::string_view inner = text.substr(open + 2, close - open - 2);
        // "[[" inside means the outer brackets are text and the inner ones may start a link.
        std::optional<HelpSpan> link;
        if (inner.find("[[") == std::string_view::npos) link = ParseLink(inner);
        if (link) {
            plain += text.substr(pos, open - pos);
            flushPlain();
            spans.push_back(std::move(*link));
            pos = close + 2;
        } else {  // not a link: keep the brackets as text and look further on
            plain += text.substr(pos, open + 2 - pos);
            pos = open + 2;
        }
    }
    plain += text.substr(std::min(pos, text.size()));
    flushPlain();
    return spans;
}

struct TopicHeader {
    bool isHeader = false;       // the line is meant as a topic line
    std::optional<int> context;  // empty when the line is malformed
    std::string title;
};

TopicHeader ReadTopicHeader(std::string_view line) {
    if (!line.starts_with(topicKeyword)) return {};
    std::string_view rest = line.substr(topicKeyword.size());
    if (!rest.empty() && rest.front() != ' ') return {};  // "@topics" and the like are notes
    rest = Trim(rest);
    const auto numberEnd = std::min(rest.find(' '), rest.size());
    return TopicHeader{true, ParseContextNumber(rest.substr(0, numberEnd)),
                       std::string(Trim(rest.substr(numberEnd)))};
}

}  // namespace

HelpFile HelpFile::Parse(std::string_view text) {
    if (text.starts_with(byteOrderMark)) text.remove_prefix(byteOrderMark.size());

    HelpFile file;
    HelpTopic* current = nullptr;  // null while text is ignored
    std::string paragraph;
    const auto flushParagraph = [&] {
        if (current != nullptr && !paragraph.empty())
            current->blocks.push_back(HelpBlock{HelpBlock::Kind::Paragraph, ParseSpans(paragraph)});
        paragraph.clear();
    };

    std::size_t lineStart = 0;
    while (lineStart <= text.size()) {
        const auto lineEnd = std::min(text.find('\n', lineStart), text.size());
        const std::string line = WithoutControlCharacters(text.substr(lineStart, lineEnd - lineStart));
        lineStart = lineEnd + 1;

        if (line.starts_with('@')) {
            const TopicHeader header = ReadTopicHeader(line);
            if (!header.isHeader) continue;
            flushParagraph();
            current = nullptr;
            if (header.context && file.index_.emplace(*header.context, file.topics_.size()).second) {
                file.topics_.push_back(HelpTopic{*header.context, header.title, {}});
                current = &file.topics_.back();
            }
            continue;
        }
        if (current == nullptr) continue;

        const std::string_view trimmed = Trim(line);
        if (trimmed.empty()) {
            flushParagraph();
        } else if (trimmed.starts_with("- ")) {
            flushParagraph();
            current->blocks.push_back(
                HelpBlock{HelpBlock::Kind::ListItem, ParseSpans(Trim(trimmed.substr(2)))});
        } else {
            if (!paragraph.empty()) paragraph += ' ';
            paragraph += trimmed;
        }
    }
    flushParagraph();
    return file;
}

const HelpTopic* HelpFile::FindTopic(int context) const {
    const auto found = index_.find(context);
    return found == index_.end() ? nullptr : &topics_[found->second];
}

HelpLoadResult LoadHelpFile(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code statusError;
    const fs::file_status status = fs::status(path, statusError);
    if (status.type() == fs::file_type::not_found) return {{}, HelpError::FileMissing};
    // Directories, devices and pipes are refused before opening: a pipe could block the program.
    if (statusError || status.type() != fs::file_type::regular) return {{}, HelpError::FileUnreadable};

    std::FILE* stream = std::fopen(path.c_str(), "rb");
    if (stream == nullptr) return {{}, HelpError::FileUnreadable};
    std::string content;
    char chunk[16384];
    bool tooLarge = false;
    while (const std::size_t got = std::fread(chunk, 1, sizeof chunk, stream)) {
        content.append(chunk, got);
        if (content.size() > maxHelpFileBytes) {
            tooLarge = true;
            break;
        }
    }
    const bool readFailed = std::ferror(stream) != 0;
    std::fclose(stream);
    if (readFailed) return {{}, HelpError::FileUnreadable};
    if (tooLarge) return {{}, HelpError::FileTooLarge};

    std::string_view text = content;
    if (text.starts_with(byteOrderMark)) text.remove_prefix(byteOrderMark.size());
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) return {{}, HelpError::FileEmpty};

    HelpLoadResult result{HelpFile::Parse(text), HelpError::None};
    if (result.file.Topics().empty()) return {{}, HelpError::NoTopics};
    return result;
}

std::string HelpErrorMessage(HelpError error, const std::string& path, int context) {
    const std::string file = "Soubor nápovědy „" + path + "“";
    switch (error) {
    case HelpError::None:
        return {};
    case HelpError::FileMissing:
        return file + " nebyl nalezen.";
    case HelpError::FileUnreadable:
        return file + " nelze přečíst.";
    case HelpError::FileTooLarge:
        return file + " je příliš velký.";
    case HelpError::FileEmpty:
        return file + " je prázdný.";
    case HelpError::NoTopics:
        return file + " je poškozený: neobsahuje žádné téma.";
    case HelpError::TopicMissing:
        return file + " neobsahuje téma číslo " + std::to_string(context) + ".";
    }
    return file + " nelze otevřít.";
}

}  // namespace karvelo::help

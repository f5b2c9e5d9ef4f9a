// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help file: topics by context number in a small text format of our own (UTF-8).
//
//   @topic <number> <title>     starts a topic; the lines up to the next "@topic" are its text
//   (blank line)                ends a paragraph; the lines of one paragraph are joined by spaces
//   - text                      a list item (one line)
//   [[<number>|<text>]]         a link to the topic with that context number
//
// Text before the first topic and any other line starting with "@" are notes for the author and are
// ignored. Whatever the bytes, parsing never fails: a malformed topic line drops the text that follows
// it up to the next topic, a malformed link stays as plain text, and the first of two topics with the
// same number wins.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace karvelo::help {

constexpr int noLink = -1;
constexpr std::size_t maxHelpFileBytes = 1024 * 1024;  // far more than any help text; stops a runaway read

struct HelpSpan {
    std::string text;   // UTF-8 as in the file, control characters turned into spaces
    int link = noLink;  // context number the span links to
};

struct HelpBlock {
    enum class Kind { Paragraph, ListItem };
    Kind kind = Kind::Paragraph;
    std::vector<HelpSpan> spans;
};

struct HelpTopic {
    int context = 0;
    std::string title;
    std::vector<HelpBlock> blocks;
};

class HelpFile {
public:
    static HelpFile Parse(std::string_view text);

    const HelpTopic* FindTopic(int context) const;  // nullptr when the file has no such topic
    const std::vector<HelpTopic>& Topics() const { return topics_; }

private:
    std::vector<HelpTopic> topics_;  // in file order
    // Context number to position in topics_: a damaged file can hold very many topics.
    std::unordered_map<int, std::size_t> index_;
};

enum class HelpError { None, FileMissing, FileUnreadable, FileTooLarge, FileEmpty, NoTopics, TopicMissing };

struct HelpLoadResult {
    HelpFile file;
    HelpError error = HelpError::None;
};

// Reads and parses the file at path; on any error the file part is empty.
HelpLoadResult LoadHelpFile(const std::string& path);

// What the user is told, in Czech (UTF-8); path as the user should see it, context for TopicMissing.
std::string HelpErrorMessage(HelpError error, const std::string& path, int context);

}  // namespace karvelo::help

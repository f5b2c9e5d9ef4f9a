// SPDX-License-Identifier: GPL-3.0-or-later
// NAPOVEDA.HLP as a careless copy may leave it: parsing never fails, stays inside the bytes, and
// what it produces is what the viewer relies on.

#include "fuzz_check.h"
#include "karvelo/help/help_file.h"

#include <string_view>
#include <unordered_set>

using namespace karvelo::help;

namespace {

void CheckText(const std::string& text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        FUZZ_CHECK(byte >= 0x20 && byte != 0x7F);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const HelpFile file = HelpFile::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    std::unordered_set<int> contexts;
    for (const HelpTopic& topic : file.Topics()) {
        FUZZ_CHECK(topic.context >= 0);
        FUZZ_CHECK(contexts.insert(topic.context).second);  // the first of two equal numbers wins
        FUZZ_CHECK(file.FindTopic(topic.context) == &topic);
        CheckText(topic.title);
        for (const HelpBlock& block : topic.blocks) {
            FUZZ_CHECK(!block.spans.empty());
            for (const HelpSpan& span : block.spans) {
                FUZZ_CHECK(!span.text.empty());
                FUZZ_CHECK(span.link == noLink || span.link >= 0);
                CheckText(span.text);
            }
        }
    }
    return 0;
}

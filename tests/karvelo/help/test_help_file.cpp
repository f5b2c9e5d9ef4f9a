// SPDX-License-Identifier: GPL-3.0-or-later
// The help file format: topics by number, its tolerance of bad text, the load errors and the shipped file.

#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <random>
#include <set>
#include <sys/stat.h>

#include "karvelo/help/help_file.h"
#include "karvelo/roster/player_record.h"

using karvelo::help::HelpBlock;
using karvelo::help::HelpError;
using karvelo::help::HelpFile;
using karvelo::help::HelpTopic;
using karvelo::help::LoadHelpFile;
using karvelo::help::noLink;
using namespace std::string_literals;

namespace {

// The text of a block with links written back as "[n|text]", so one comparison checks spans and links.
std::string Flatten(const HelpBlock& block) {
    std::string flat = block.kind == HelpBlock::Kind::ListItem ? "- " : "";
    // Appended piece by piece: gcc 12 warns falsely (-Wrestrict) on "[" + std::string&& at -O3.
    for (const auto& span : block.spans) {
        if (span.link == noLink) {
            flat += span.text;
        } else {
            flat.append("[").append(std::to_string(span.link)).append("|").append(span.text).append("]");
        }
    }
    return flat;
}

std::vector<std::string> FlattenTopic(const HelpTopic& topic) {
    std::vector<std::string> lines;
    for (const auto& block : topic.blocks) lines.push_back(Flatten(block));
    return lines;
}

void WriteFile(const QString& path, const std::string& bytes) {
    std::ofstream out(path.toStdString(), std::ios::binary);
    out << bytes;
}

void CollectLinks(const HelpTopic& topic, std::vector<int>& targets) {
    for (const auto& block : topic.blocks)
        for (const auto& span : block.spans)
            if (span.link != noLink) targets.push_back(span.link);
}

}  // namespace

class HelpFileTest : public QObject {
    Q_OBJECT

private slots:
    void topicsByNumber() {
        const HelpFile file = HelpFile::Parse("@topic 1 Obsah\n"
                                              "Úvodní řádek\n"
                                              "  pokračuje zde.\n"
                                              "\n"
                                              "- [[7|Pravidla]] a dál\n"
                                              "- druhá položka\n"
                                              "Nový odstavec.\n"
                                              "@topic 7   Pravidla hry  \n"
                                              "Pět v řadě vyhrává.\n");
        QCOMPARE(file.Topics().size(), std::size_t{2});
        const HelpTopic* contents = file.FindTopic(1);
        QVERIFY(contents != nullptr);
        QCOMPARE(contents->title, std::string("Obsah"));
        QCOMPARE(FlattenTopic(*contents),
                 (std::vector<std::string>{"Úvodní řádek pokračuje zde.", "- [7|Pravidla] a dál",
                                           "- druhá položka", "Nový odstavec."}));
        const HelpTopic* rules = file.FindTopic(7);
        QVERIFY(rules != nullptr);
        QCOMPARE(rules->title, std::string("Pravidla hry"));
        QCOMPARE(FlattenTopic(*rules), std::vector<std::string>{"Pět v řadě vyhrává."});
        QVERIFY(file.FindTopic(2) == nullptr);
        QVERIFY(file.FindTopic(-1) == nullptr);
    }

    void malformedLinesAreToleratedLocally() {
        const HelpFile file = HelpFile::Parse("\xEF\xBB\xBFPoznámka před prvním tématem\r\n"
                                              "@topic 1\r\n"
                                              "a\tb\x01"
                                              "c\r\n"
                                              "@poznámka se nezobrazí\r\n"
                                              "dál\r\n"
                                              "@topic x Špatné číslo\r\n"
                                              "zahozený text\r\n"
                                              "@topic 99999999999 Příliš velké\r\n"
                                              "také zahozený\r\n"
                                              "@topic -3 Záporné\r\n"
                                              "@topics 4 Není téma\r\n"
                                              "@topic 1 Druhá jednička\r\n"
                                              "zahozený duplikát\r\n"
                                              "@topic 2 Dva\r\n"
                                              "@topic\r\n");
        QCOMPARE(file.Topics().size(), std::size_t{2});
        const HelpTopic* one = file.FindTopic(1);
        QCOMPARE(one->title, std::string());
        // The "@" note and the "@topics" line neither show nor end the paragraph they sit in.
        QCOMPARE(FlattenTopic(*one), std::vector<std::string>{"a b c dál"});
        QCOMPARE(file.FindTopic(2)->title, std::string("Dva"));
        QVERIFY(file.FindTopic(2)->blocks.empty());
    }

    void linksAndTheirLookalikes() {
        const HelpFile file = HelpFile::Parse("@topic 1 T\n"
                                              "a [[2|dva]][[ 3 | tři ]] b\n"
                                              "[[4|přes\nřádek]]\n"
                                              "\n"
                                              "[[x|a]] [[2|]] [[2 bez]] [[|b]] [[2|a [[3|c]] [[5|konec\n");
        QCOMPARE(FlattenTopic(*file.FindTopic(1)),
                 (std::vector<std::string>{"a [2|dva][3|tři] b [4|přes řádek]",
                                           "[[x|a]] [[2|]] [[2 bez]] [[|b]] [[2|a [3|c] [[5|konec"}));
    }

    // Arbitrary bytes, rich in the format's own characters, must parse to something consistent.
    void garbledTextNeverBreaksTheParser() {
        const std::string alphabet = "@topic 0123456789[]|-\n\r\t\0\xC3\xA9\xFF abc"s;
        std::mt19937 random(20080421);
        for (int round = 0; round < 300; ++round) {
            std::string text(random() % 400, ' ');
            for (char& c : text) c = alphabet[random() % alphabet.size()];
            if (round % 3 == 0) text.insert(0, "@topic " + std::to_string(round) + " x\n");
            const HelpFile file = HelpFile::Parse(text);
            std::set<int> seen;
            for (const auto& topic : file.Topics()) {
                QVERIFY(topic.context >= 0);
                QVERIFY(seen.insert(topic.context).second);
                for (const auto& block : topic.blocks) {
                    QVERIFY(!block.spans.empty() || block.kind == HelpBlock::Kind::ListItem);
                    for (const auto& span : block.spans) {
                        QVERIFY(!span.text.empty());
                        QVERIFY(span.text.find_first_of("\n\r\t", 0) == std::string::npos);
                    }
                }
            }
            if (round % 3 == 0) QVERIFY(file.FindTopic(round) != nullptr);
        }
    }

    void loadErrors() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString empty = dir.filePath("empty.hlp");
        const QString blank = dir.filePath("blank.hlp");
        const QString garbled = dir.filePath("garbled.hlp");
        const QString huge = dir.filePath("huge.hlp");
        const QString pipe = dir.filePath("pipe.hlp");
        WriteFile(empty, "");
        WriteFile(blank, "\xEF\xBB\xBF \r\n\t\n");
        WriteFile(garbled, "\x89PNG\r\n\x1A\n\0\0[[1|x]]"s);
        WriteFile(huge, "@topic 1 Velký\n" + std::string(karvelo::help::maxHelpFileBytes, 'a'));
        QCOMPARE(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);  // opening it would wait for a writer

        QCOMPARE(LoadHelpFile(dir.filePath("missing.hlp").toStdString()).error, HelpError::FileMissing);
        QCOMPARE(LoadHelpFile("").error, HelpError::FileMissing);
        QCOMPARE(LoadHelpFile(dir.path().toStdString()).error, HelpError::FileUnreadable);
        QCOMPARE(LoadHelpFile(pipe.toStdString()).error, HelpError::FileUnreadable);
        QCOMPARE(LoadHelpFile(empty.toStdString()).error, HelpError::FileEmpty);
        QCOMPARE(LoadHelpFile(blank.toStdString()).error, HelpError::FileEmpty);
        QCOMPARE(LoadHelpFile(garbled.toStdString()).error, HelpError::NoTopics);
        QCOMPARE(LoadHelpFile(huge.toStdString()).error, HelpError::FileTooLarge);

        const QString good = dir.filePath("good.hlp");
        WriteFile(good, "@topic 3 Tři\ntext\n");
        const auto loaded = LoadHelpFile(good.toStdString());
        QCOMPARE(loaded.error, HelpError::None);
        QCOMPARE(loaded.file.FindTopic(3)->title, std::string("Tři"));
    }

    void errorMessagesNameTheFileAndTopic() {
        using karvelo::help::HelpErrorMessage;
        QCOMPARE(HelpErrorMessage(HelpError::None, "X.HLP", 1), std::string());
        for (const HelpError error :
             {HelpError::FileMissing, HelpError::FileUnreadable, HelpError::FileTooLarge,
              HelpError::FileEmpty, HelpError::NoTopics, HelpError::TopicMissing}) {
            const std::string message = HelpErrorMessage(error, "NAPOVEDA.HLP", 12);
            QVERIFY(message.starts_with("Soubor nápovědy „NAPOVEDA.HLP“ "));
            QVERIFY(message.ends_with("."));
        }
        QCOMPARE(HelpErrorMessage(HelpError::FileMissing, "NAPOVEDA.HLP", 1),
                 std::string("Soubor nápovědy „NAPOVEDA.HLP“ nebyl nalezen."));
        QCOMPARE(HelpErrorMessage(HelpError::TopicMissing, "NAPOVEDA.HLP", 12),
                 std::string("Soubor nápovědy „NAPOVEDA.HLP“ neobsahuje téma číslo 12."));
    }

    // Every topic has a title and text, every link leads somewhere, and the contents reach every topic.
    void shippedHelpFileIsComplete() {
        const auto loaded = LoadHelpFile(SHIPPED_HELP_FILE);
        QCOMPARE(loaded.error, HelpError::None);
        const HelpFile& file = loaded.file;
        QVERIFY(file.FindTopic(1) != nullptr);

        for (const auto& topic : file.Topics()) {
            QVERIFY2(!topic.title.empty() && !topic.blocks.empty(), std::to_string(topic.context).c_str());
            std::vector<int> targets;
            CollectLinks(topic, targets);
            for (const int target : targets)
                QVERIFY2(file.FindTopic(target) != nullptr, ("link to " + std::to_string(target)).c_str());
            for (const auto& block : topic.blocks)
                for (const auto& span : block.spans)
                    QVERIFY2(span.text.find("[[") == std::string::npos, span.text.c_str());
        }

        std::set<int> reached{1};
        std::vector<int> pending{1};
        while (!pending.empty()) {
            const HelpTopic* topic = file.FindTopic(pending.back());
            pending.pop_back();
            std::vector<int> targets;
            CollectLinks(*topic, targets);
            for (const int target : targets)
                if (reached.insert(target).second) pending.push_back(target);
        }
        QCOMPARE(reached.size(), file.Topics().size());
    }

    // Every player type, by the texts the pages show, is described in the topic of computer players.
    void shippedHelpNamesEveryType() {
        const auto loaded = LoadHelpFile(SHIPPED_HELP_FILE);
        const HelpTopic* computers = loaded.file.FindTopic(6);
        QVERIFY(computers != nullptr);
        std::string text;
        for (const auto& block : computers->blocks) text += Flatten(block) + "\n";
        for (std::int32_t type = karvelo::CpuNovice; karvelo::LongTypeText(type); ++type) {
            QVERIFY2(text.find(karvelo::LongTypeText(type)) != std::string::npos,
                     karvelo::LongTypeText(type));
            QVERIFY2(text.find(karvelo::ShortTypeText(type)) != std::string::npos,
                     karvelo::ShortTypeText(type));
        }
    }
};

QTEST_GUILESS_MAIN(HelpFileTest)
#include "test_help_file.moc"

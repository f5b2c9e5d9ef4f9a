// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers for the roster tests: entries, raw file bytes and folder listings.

#include "karvelo/roster/player_record.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <cstring>
#include <string>
#include <string_view>

namespace karvelo::test {

// Copies at most nine bytes, leaving the name NUL-terminated.
inline void CopyName(char (&target)[10], std::string_view name) {
    std::memset(target, 0, sizeof target);
    name = name.substr(0, sizeof target - 1);
    std::memcpy(target, name.data(), name.size());
}

inline void SetEntry(Roster& r, int i, const char* cp1250Name, int score, int type) {
    PlayerRecord& e = r.roster[i];
    CopyName(e.name, cp1250Name);
    e.nameLength = int(std::strlen(e.name));
    e.score = score;
    e.type = type;
}

inline Roster MakeRoster(std::initializer_list<PlayerRecord> entries) {
    Roster r;
    for (const PlayerRecord& e : entries) {
        SetEntry(r, r.rosterCount, e.name, e.score, e.type);
        ++r.rosterCount;
    }
    return r;
}

inline PlayerRecord Entry(const char* name, int score, int type) {
    PlayerRecord e;
    CopyName(e.name, name);
    e.score = score;
    e.type = type;
    return e;
}

inline void WriteBytes(const QString& path, const std::string& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write %s", qPrintable(path));
    f.write(bytes.data(), qint64(bytes.size()));
}

inline std::string ReadBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return "<missing>";
    const QByteArray all = f.readAll();
    return std::string(all.constData(), std::size_t(all.size()));
}

inline QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                                  QDir::Name);
}

inline std::string Name(const PlayerRecord& e) { return e.name; }

}  // namespace karvelo::test

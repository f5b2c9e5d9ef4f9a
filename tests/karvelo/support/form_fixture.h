// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A working folder with theme images and a roster, and the main window started in it.

#include "karvelo/form1.h"
#include "support/scripted_boxes.h"
#include "support/scripted_random.h"
#include "support/theme_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <memory>

namespace karvelo::test {

// Alfa and Beta are human, Gama and Delta computers; Gama's name is stored in code page 1250.
inline const QByteArray standardRoster = "Alfa      500x0\r\n"
                                         "Beta      620x0\r\n"
                                         "V\xec"
                                         "ra      480x2\r\n"
                                         "Delta     710x3\r\n#";

class FormFixture {
public:
    explicit FormFixture(const QByteArray& rosterBytes = standardRoster, bool writeImages = true) {
        previous_ = QDir::currentPath();
        if (writeImages) WriteThemeFiles(dir.path());
        if (!rosterBytes.isNull()) WriteFile("data.dat", rosterBytes);
        QDir::setCurrent(dir.path());
    }
    ~FormFixture() {
        form.reset();
        QDir::setCurrent(previous_);
    }
    FormFixture(const FormFixture&) = delete;
    FormFixture& operator=(const FormFixture&) = delete;

    TForm1& Start() {
        form = std::make_unique<TForm1>(boxes, random);
        return *form;
    }
    void WriteFile(const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    QByteArray ReadFile(const QString& name) const {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    ScriptedBoxes boxes;
    ScriptedRandom random;
    std::unique_ptr<TForm1> form;

private:
    QString previous_;
};

}  // namespace karvelo::test

// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar and the commands that are not pages of their own.

#include "karvelo/form1.h"

#include "karvelo/application.h"
#include "karvelo/help/help_viewer.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>

namespace karvelo {

void TForm1::BuildMenu() {
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    Hra1 = MainMenu1->addMenu(QStringLiteral("Hra"));
    Nastaveni1 = MainMenu1->addMenu(QStringLiteral("Nastavení"));
    Oprogramu1 = MainMenu1->addMenu(QStringLiteral("O programu"));
    Hra1->setObjectName(QStringLiteral("Hra1"));
    Nastaveni1->setObjectName(QStringLiteral("Nastaveni1"));
    Oprogramu1->setObjectName(QStringLiteral("Oprogramu1"));

    auto item = [this](QMenu* menu, const char* name, const QString& caption, void (TForm1::*handler)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, Guarded([this, handler] { (this->*handler)(); }));
        return action;
    };
    Hrat1 = item(Hra1, "Hrat1", QStringLiteral("Hrát"), &TForm1::Hrat1Click);
    Konechry1 = item(Hra1, "Konechry1", QStringLiteral("Konec"), &TForm1::Konechry1Click);
    Schema1 = item(Nastaveni1, "Schema1", QStringLiteral("Schéma"), &TForm1::Schema1Click);
    Edithracu1 = item(Nastaveni1, "Edithracu1", QStringLiteral("Edit hráčů"), &TForm1::Edithracu1Click);
    Help1 = item(Oprogramu1, "Help1", QStringLiteral("Help"), &TForm1::Help1Click);
    Info1 = item(Oprogramu1, "Info1", QStringLiteral("Info"), &TForm1::Info1Click);
}

void TForm1::Konechry1Click() {
    if (BoxOpen() || !GuardPasses()) return;
    close();
}

void TForm1::closeEvent(QCloseEvent* event) {
    // The program ends with its window, even when the help window is still open.
    event->accept();
    QCoreApplication::quit();
}

void TForm1::Edithracu1Click() {
    if (BoxOpen() || !GuardPasses()) return;
    editor_.Build();
    FocusPageStart();
}

void TForm1::Info1Click() {
    Inform(QStringLiteral("Informace o programu"), QStringLiteral("Program:\t\tKarvelo\n"
                                                                  "Autor:\t\tVývojový tým Karvela\n"
                                                                  "Datum vydání:\t21.4.2008\n"
                                                                  "Verze:\t\t1.0"));
}

void TForm1::Help1Click() {
    if (const QString failure = OpenHelp(QStringLiteral("NAPOVEDA.HLP"), 1); !failure.isEmpty())
        Inform(QStringLiteral("Nápověda"), failure);
}

}  // namespace karvelo

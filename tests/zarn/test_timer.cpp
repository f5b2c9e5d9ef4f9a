// SPDX-License-Identifier: GPL-3.0-or-later
// The seconds counter and the time limit of "Střední", against a clock the test sets.

#include "support/form_fixture.h"

#include <QLabel>

using namespace zarn;
using zarn::test::FormFixture;

class TimerTest : public QObject {
    Q_OBJECT

private slots:
    void countsFromProgramStartBeforeTheFirstGame() {
        FormFixture f;
        f.clock.milliseconds = 2999;
        f.form->Timer1Timer();
        QCOMPARE(f.form->Label2->text(), QStringLiteral("2"));
        QCOMPARE(f.form->Label2->width(), f.form->Label2->sizeHint().width());
    }

    void startGameRestartsTheCountAtWholeSeconds() {
        FormFixture f;
        f.clock.milliseconds = 3700;
        f.form->Button1Click();
        QCOMPARE(f.form->field.startSeconds, 3);
        f.clock.milliseconds = 4100;
        f.form->Timer1Timer();
        QCOMPARE(f.form->Label2->text(), QStringLiteral("1"));
        f.clock.milliseconds = 65000;
        f.form->Timer1Timer();
        QCOMPARE(f.form->Label2->text(), QStringLiteral("62"));
    }

    void limitAtStredniEndsTheGameAndRestartsTheTime() {
        FormFixture f;
        f.form->Stedn1Click();
        f.clock.milliseconds = 1000;
        f.form->Button1Click();
        const std::uint32_t generation = f.form->field.generation;
        f.clock.milliseconds = 450999;
        f.form->Timer1Timer();
        QVERIFY(f.boxes.shown.isEmpty());

        int startWhileOpen = -1;
        f.boxes.whileOpen = [&](const QString&) {
            startWhileOpen = f.form->field.startSeconds;
            f.clock.milliseconds = 460500;  // the player takes a while to close the box
        };
        f.clock.milliseconds = 451000;
        f.form->Timer1Timer();
        QCOMPARE(f.boxes.shown, QStringList{QStringLiteral("Uplynulo 7 minut a 30 sekund, KONEC HRY")});
        QCOMPARE(startWhileOpen, 451);
        QCOMPARE(f.form->field.startSeconds, 460);
        QCOMPARE(f.form->field.generation, generation + 1);
        QCOMPARE(f.VisibleFieldButtons(), 225);
        QCOMPARE(f.form->Label1->text(), QStringLiteral("Celkový počet min: 36"));
        f.clock.milliseconds = 461200;
        f.form->Timer1Timer();
        QCOMPARE(f.form->Label2->text(), QStringLiteral("1"));
    }

    void limitFollowsTheDifficultySelectedNow() {
        FormFixture f;
        f.form->Button1Click();  // Lehká
        f.clock.milliseconds = 500000;
        f.form->Timer1Timer();
        QVERIFY(f.boxes.shown.isEmpty());

        f.form->Stedn1Click();
        f.form->Timer1Timer();
        QCOMPARE(f.boxes.shown.size(), 1);
        QCOMPARE(f.VisibleFieldButtons(), 100);  // the size last applied by "Začít hru"
        QCOMPARE(f.form->Label1->text(), QStringLiteral("Celkový počet min: 12"));

        f.clock.milliseconds = 1500000;
        f.form->Lehk1Click();
        const std::uint32_t generation = f.form->field.generation;
        f.form->Timer1Timer();
        QCOMPARE(f.boxes.shown.size(), 1);
        QCOMPARE(f.form->field.generation, generation);
    }

    void noLimitBeforeTheFirstGame() {
        FormFixture f;
        f.form->Stedn1Click();
        f.clock.milliseconds = 500000;
        f.form->Timer1Timer();
        QVERIFY(f.boxes.shown.isEmpty());
        QCOMPARE(f.VisibleFieldButtons(), 0);
        QCOMPARE(f.form->Label2->text(), QStringLiteral("500"));
    }
};

ZARN_TEST_MAIN(TimerTest)
#include "test_timer.moc"

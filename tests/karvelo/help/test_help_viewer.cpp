// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: opening at a topic, following links, the single window, the messages on failure,
// and reading by keyboard (caret, paragraphs, links spoken, Escape).

#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>
#include <algorithm>
#include <fstream>

#include "karvelo/help/help_viewer.h"

using karvelo::FindHelpViewer;
using karvelo::HelpViewer;
using karvelo::OpenHelp;

namespace {

const char* const helpText = "@topic 1 Obsah\n"
                             "Začněte [[2|pravidly]].\n"
                             "@topic 2 Pravidla\n"
                             "Pět v řadě. Zpět na [[1|obsah]], nebo [[9|nikam]].\n";

QPushButton* Button(HelpViewer* viewer, const QString& caption) {
    for (QPushButton* button : viewer->findChildren<QPushButton*>())
        if (button->text() == caption) return button;
    return nullptr;
}

QString ShownText(HelpViewer* viewer) { return viewer->findChild<QTextEdit*>()->toPlainText(); }

// Focuses the next link of the page from the keyboard and activates it, as a reader would.
void ActivateNextLink(HelpViewer* viewer) {
    QTextEdit* browser = viewer->findChild<QTextEdit*>();
    QTest::keyClick(browser, Qt::Key_Tab);
    QTest::keyClick(browser, Qt::Key_Return);
}

}  // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString helpPath_;

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        helpPath_ = dir_.filePath("NAPOVEDA.HLP");
        std::ofstream(helpPath_.toStdString(), std::ios::binary) << helpText;
    }

    void cleanup() {
        delete FindHelpViewer();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(FindHelpViewer() == nullptr);
    }

    void opensAtContentsAndNavigates() {
        QCOMPARE(OpenHelp(helpPath_, 1), QString());
        HelpViewer* viewer = FindHelpViewer();
        QVERIFY(viewer != nullptr);
        QVERIFY(viewer->isVisible());
        QVERIFY(viewer->isWindow());
        QVERIFY(!viewer->isModal());
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Nápověda"));
        QCOMPARE(viewer->CurrentContext(), 1);
        QVERIFY(ShownText(viewer).startsWith(QStringLiteral("Obsah")));
        QVERIFY(!Button(viewer, QStringLiteral("Zpět"))->isEnabled());

        ActivateNextLink(viewer);
        QCOMPARE(viewer->CurrentContext(), 2);
        QVERIFY(ShownText(viewer).contains(QStringLiteral("Pět v řadě.")));
        // A link to a topic the file lacks is plain text, not a dead end.
        QVERIFY(ShownText(viewer).contains(QStringLiteral("nikam")));
        QVERIFY(!viewer->findChild<QTextEdit*>()->toHtml().contains(QStringLiteral("topic:9")));

        QTest::mouseClick(Button(viewer, QStringLiteral("Zpět")), Qt::LeftButton);
        QCOMPARE(viewer->CurrentContext(), 1);
        QVERIFY(!Button(viewer, QStringLiteral("Zpět"))->isEnabled());

        ActivateNextLink(viewer);
        QCOMPARE(viewer->CurrentContext(), 2);
        QTest::mouseClick(Button(viewer, QStringLiteral("Obsah")), Qt::LeftButton);
        QCOMPARE(viewer->CurrentContext(), 1);
        QTest::mouseClick(Button(viewer, QStringLiteral("Zpět")), Qt::LeftButton);
        QCOMPARE(viewer->CurrentContext(), 2);
    }

    void readsByKeyboardAndClosesWithEscape() {
        QCOMPARE(OpenHelp(helpPath_, 1), QString());
        HelpViewer* viewer = FindHelpViewer();
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        auto* text = viewer->findChild<QTextEdit*>();
        QCOMPARE(QApplication::focusWidget(), text);  // reading starts in the text, at its beginning
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->textCursor().position(), 0);
        // Ctrl+Down goes a paragraph on: from the heading to the line below it.
        QTest::keyClick(text, Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(text->textCursor().block().text(), QStringLiteral("Začněte pravidly."));
        QTest::keyClick(text, Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(text->textCursor().position(), 0);
        // Tab selects the link, which is spoken with the text's focus.
        QTest::keyClick(text, Qt::Key_Tab);
        QCOMPARE(text->textCursor().selectedText(), QStringLiteral("pravidly"));
        QCOMPARE(text->accessibleDescription(), QStringLiteral("Odkaz: pravidly"));
        QCOMPARE(viewer->CurrentContext(), 1);
        // A click on a link follows it, as before.
        QTextCursor onLink = text->textCursor();
        onLink.setPosition(onLink.selectionStart() + 2);
        const QPoint linkPoint = text->cursorRect(onLink).center();
        QTest::mouseClick(text->viewport(), Qt::LeftButton, Qt::NoModifier, linkPoint);
        QCOMPARE(viewer->CurrentContext(), 2);
        // Escape closes the window.
        QPointer<HelpViewer> closing(viewer);
        QTest::keyClick(text, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(closing.isNull() || !closing->isVisible());
    }

    void openingAgainReusesTheWindow() {
        QCOMPARE(OpenHelp(helpPath_, 1), QString());
        HelpViewer* first = FindHelpViewer();
        first->showMinimized();
        QCOMPARE(OpenHelp(helpPath_, 2), QString());
        QCOMPARE(FindHelpViewer(), first);
        QCOMPARE(first->CurrentContext(), 2);
        QVERIFY(!(first->windowState() & Qt::WindowMinimized));
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(),
                               [](QWidget* widget) { return qobject_cast<HelpViewer*>(widget) != nullptr; }),
                 1);

        // Closed, the window goes away; the next request opens a fresh one.
        QPointer<HelpViewer> closed = first;
        first->close();
        QVERIFY(FindHelpViewer() == nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(closed.isNull());
        QCOMPARE(OpenHelp(helpPath_, 1), QString());
        QVERIFY(FindHelpViewer() != nullptr);
    }

    void failuresReturnAMessageAndOpenNothing() {
        const QString missing = dir_.filePath("CHYBI.HLP");
        QCOMPARE(OpenHelp(missing, 1), QStringLiteral("Soubor nápovědy „%1“ nebyl nalezen.").arg(missing));
        QVERIFY(FindHelpViewer() == nullptr);
        QCOMPARE(OpenHelp(helpPath_, 5),
                 QStringLiteral("Soubor nápovědy „%1“ neobsahuje téma číslo 5.").arg(helpPath_));
        QVERIFY(FindHelpViewer() == nullptr);

        // An open window stays as it was when a later request fails.
        QCOMPARE(OpenHelp(helpPath_, 2), QString());
        QVERIFY(!OpenHelp(missing, 1).isEmpty());
        QVERIFY(FindHelpViewer() != nullptr);
        QCOMPARE(FindHelpViewer()->CurrentContext(), 2);
    }

    void quittingFreesAnOpenWindow() {
        QCOMPARE(OpenHelp(helpPath_, 1), QString());
        QPointer<HelpViewer> viewer = FindHelpViewer();
        QVERIFY(QMetaObject::invokeMethod(qApp, "aboutToQuit", Qt::DirectConnection));
        QVERIFY(viewer.isNull());
    }
};

QTEST_MAIN(HelpViewerTest)
#include "test_help_viewer.moc"

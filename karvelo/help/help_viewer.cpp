// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/help/help_viewer.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QUrl>

#include <algorithm>

#include "common/spoken_focus.h"
#include "karvelo/help/help_html.h"
#include "karvelo/help/help_text.h"

namespace karvelo {

namespace {

constexpr int margin = 8;
constexpr int buttonWidth = 90;
constexpr int buttonHeight = 26;
constexpr int textTop = margin + buttonHeight + margin;
constexpr int textPixelSize = 13;  // the game's 11 px font is too small for reading longer text
const QSize initialSize(560, 480);
const QSize smallestSize(320, 240);

QString MissingTopicHtml(int context) {
    return QStringLiteral("<h2>Nápověda</h2><p>Téma číslo %1 v nápovědě chybí. "
                          "Pokračujte tlačítkem „Obsah“.</p>")
        .arg(context);
}

// Beside the game window (which sits at the screen's top left corner) when the screen is wide enough.
void PlaceBesideGameWindow(QWidget& viewer) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect available = screen->availableGeometry();
    const int left =
        std::max(available.left(), std::min(available.left() + 510, available.right() - viewer.width()));
    viewer.move(left, available.top() + 30);
}

}  // namespace

HelpViewer::HelpViewer()
    : page_(new QWidget(this)), contentsButton_(new QPushButton(QStringLiteral("Obsah"), page_)),
      backButton_(new QPushButton(QStringLiteral("Zpět"), page_)), browser_(new HelpText(page_)) {
    setCentralWidget(page_);  // no menu, tool or status bar: the page fills the window
    setObjectName(QStringLiteral("helpViewer"));
    setWindowTitle(QStringLiteral("Nápověda"));
    setMinimumSize(smallestSize);
    resize(initialSize);

    contentsButton_->setGeometry(margin, margin, buttonWidth, buttonHeight);
    backButton_->setGeometry(margin + buttonWidth + margin, margin, buttonWidth, buttonHeight);
    backButton_->setEnabled(false);

    QFont textFont = browser_->font();
    textFont.setPixelSize(textPixelSize);
    browser_->setFont(textFont);
    browser_->setAccessibleName(QStringLiteral("Text nápovědy"));
    setFocusProxy(browser_);
    // Tab reaches a link by selecting it, which a screen reader does not speak as a link; the link
    // is spoken with the text's focus instead.
    connect(browser_, &HelpText::linkReached, this, [this](const QString& text) {
        if (browser_->hasFocus())
            spoken_focus::SpeakWithFocus(*browser_, QStringLiteral("Odkaz: %1").arg(text));
    });
    // Escape closes the help, as it closes any box.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    connect(contentsButton_, &QPushButton::clicked, this, [this] {
        if (current_ != helpContentsContext) ShowTopic(helpContentsContext);
    });
    connect(backButton_, &QPushButton::clicked, this, &HelpViewer::GoBack);
    connect(browser_, &HelpText::anchorClicked, this, &HelpViewer::FollowLink);
}

void HelpViewer::SetHelpFile(help::HelpFile file) {
    file_ = std::move(file);
    history_.clear();
    current_ = help::noLink;
    backButton_->setEnabled(false);
}

bool HelpViewer::ShowTopic(int context) {
    if (current_ != help::noLink) history_.push_back(current_);
    backButton_->setEnabled(!history_.empty());
    Display(context);
    return file_.FindTopic(context) != nullptr;
}

void HelpViewer::Display(int context) {
    current_ = context;
    const help::HelpTopic* topic = file_.FindTopic(context);
    browser_->setHtml(topic != nullptr ? HelpTopicToHtml(*topic, file_) : MissingTopicHtml(context));
    browser_->moveCursor(QTextCursor::Start);  // reading starts at the topic's beginning
    // A reader hears the new topic begin, as it would a new page.
    if (browser_->hasFocus()) spoken_focus::SpeakWithFocus(*browser_, QString());
}

void HelpViewer::FollowLink(const QUrl& url) {
    const int context = HelpTopicFromLinkUrl(url.toString());
    if (context != help::noLink) ShowTopic(context);
}

void HelpViewer::GoBack() {
    if (history_.empty()) return;
    const int previous = history_.back();
    history_.pop_back();
    backButton_->setEnabled(!history_.empty());
    Display(previous);
}

void HelpViewer::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    browser_->setGeometry(margin, textTop, width() - 2 * margin, height() - textTop - margin);
}

HelpViewer* FindHelpViewer() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        // A closed viewer is hidden and already on its way to deletion.
        if (auto* viewer = qobject_cast<HelpViewer*>(widget); viewer != nullptr && !viewer->isHidden())
            return viewer;
    }
    return nullptr;
}

QString OpenHelp(const QString& helpFile, int context) {
    help::HelpLoadResult loaded = help::LoadHelpFile(QFile::encodeName(helpFile).toStdString());
    if (loaded.error == help::HelpError::None && loaded.file.FindTopic(context) == nullptr)
        loaded.error = help::HelpError::TopicMissing;
    if (loaded.error != help::HelpError::None)
        return QString::fromStdString(help::HelpErrorMessage(loaded.error, helpFile.toStdString(), context));

    HelpViewer* viewer = FindHelpViewer();
    if (viewer == nullptr) {
        // No parent: the help stays open whatever page the game shows, and the game window stays usable.
        viewer = new HelpViewer;
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        // A window nobody closed would outlive the event loop; free it when the application quits.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, viewer, [viewer] { delete viewer; });
        PlaceBesideGameWindow(*viewer);
    }
    viewer->SetHelpFile(std::move(loaded.file));
    viewer->ShowTopic(context);
    viewer->setWindowState(viewer->windowState() & ~Qt::WindowMinimized);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    viewer->setFocus(Qt::OtherFocusReason);  // the text, so a reader starts reading it
    return {};
}

}  // namespace karvelo

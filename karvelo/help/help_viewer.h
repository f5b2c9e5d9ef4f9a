// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window: a single top-level window, not modal, that shows one topic of the help file at a time
// and follows the links between topics. The keyboard reads the text with a caret (Ctrl+Up/Down by
// paragraph), Tab goes from link to link, Enter follows one, Escape closes the window. A main window
// of its own, so assistive technology announces it as a window with its title.

#include <QMainWindow>
#include <QString>
#include <vector>

#include "karvelo/help/help_file.h"

class QPushButton;

class QUrl;

namespace karvelo {

class HelpText;

constexpr int helpContentsContext = 1;

class HelpViewer final : public QMainWindow {
    Q_OBJECT

public:
    HelpViewer();

    void SetHelpFile(help::HelpFile file);  // also forgets the way back
    bool ShowTopic(int context);            // false, with a note in the window, when the file lacks the topic
    int CurrentContext() const { return current_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FollowLink(const QUrl& url);
    void GoBack();
    void Display(int context);

    help::HelpFile file_;
    int current_ = help::noLink;
    std::vector<int> history_;  // topics shown before, newest last, for "Zpět"
    QWidget* page_;
    QPushButton* contentsButton_;
    QPushButton* backButton_;
    HelpText* browser_;
};

// The help window now on screen, or nullptr.
HelpViewer* FindHelpViewer();

// Opens the help window at the topic (or brings the open one to the front and shows the topic there).
// The window belongs to no other window and frees itself when closed or when the application quits.
// Returns an empty string on success, else a Czech message for the user; the file is read anew each time.
QString OpenHelp(const QString& helpFile, int context);

}  // namespace karvelo

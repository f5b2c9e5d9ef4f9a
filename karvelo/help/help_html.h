// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns one help topic into the HTML that the help viewer shows.

#include <QString>

#include "karvelo/help/help_file.h"

namespace karvelo {

// Link addresses look like "topic:7"; a link to a topic the file lacks is shown as plain text.
QString HelpTopicLinkUrl(int context);
int HelpTopicFromLinkUrl(const QString& url);  // help::noLink when url is not a topic link

QString HelpTopicToHtml(const help::HelpTopic& topic, const help::HelpFile& file);

}  // namespace karvelo

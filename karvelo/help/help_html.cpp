// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/help/help_html.h"

namespace karvelo {

namespace {

const QString linkScheme = QStringLiteral("topic:");

QString Escaped(const std::string& utf8) { return QString::fromStdString(utf8).toHtmlEscaped(); }

QString SpansToHtml(const std::vector<help::HelpSpan>& spans, const help::HelpFile& file) {
    QString html;
    for (const help::HelpSpan& span : spans) {
        if (span.link != help::noLink && file.FindTopic(span.link) != nullptr)
            html +=
                QStringLiteral("<a href=\"%1\">%2</a>").arg(HelpTopicLinkUrl(span.link), Escaped(span.text));
        else
            html += Escaped(span.text);
    }
    return html;
}

}  // namespace

QString HelpTopicLinkUrl(int context) { return linkScheme + QString::number(context); }

int HelpTopicFromLinkUrl(const QString& url) {
    if (!url.startsWith(linkScheme)) return help::noLink;
    bool ok = false;
    const int context = url.mid(linkScheme.size()).toInt(&ok);
    return ok && context >= 0 ? context : help::noLink;
}

QString HelpTopicToHtml(const help::HelpTopic& topic, const help::HelpFile& file) {
    const QString title =
        topic.title.empty() ? QStringLiteral("Téma %1").arg(topic.context) : Escaped(topic.title);
    QString html = QStringLiteral("<h2>%1</h2>").arg(title);
    bool inList = false;
    for (const help::HelpBlock& block : topic.blocks) {
        const bool listItem = block.kind == help::HelpBlock::Kind::ListItem;
        if (listItem != inList) html += listItem ? QStringLiteral("<ul>") : QStringLiteral("</ul>");
        inList = listItem;
        const QString content = SpansToHtml(block.spans, file);
        html +=
            listItem ? QStringLiteral("<li>%1</li>").arg(content) : QStringLiteral("<p>%1</p>").arg(content);
    }
    if (inList) html += QStringLiteral("</ul>");
    return html;
}

}  // namespace karvelo

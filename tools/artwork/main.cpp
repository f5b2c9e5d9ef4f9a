// SPDX-License-Identifier: GPL-3.0-or-later
// Draws all shipped bitmaps of both games into an output root:
//   artwork <root> [--preview <folder>]
// writes <root>/data/obr/<theme>/..., <root>/data/obr/karvelo.bmp, <root>/data/mina.bmp,
// <root>/data/zarn0.bmp ... zarn8.bmp, <root>/karvelo/karvelo.png, <root>/zarn/zarn.png and the
// menu icons <root>/packaging/icons/<size>/karvelo.png and zarn.png; beside every bitmap its twin
// drawn at twice the size ("Pole@2x.bmp", "karvelo@2x.bmp", "zarn1@2x.bmp").
#include "bmp_file.h"
#include "icons.h"
#include "lettering.h"
#include "match_preview.h"
#include "minefield_tiles.h"
#include "theme_art.h"
#include "theme_writer.h"
#include "title_picture.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

int Fail(const QString& message) {
    std::fprintf(stderr, "artwork: %s\n", qPrintable(message));
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || (args.size() != 1 && !(args.size() == 3 && args[1] == "--preview")))
        return Fail("usage: artwork <output root> [--preview <folder>]");
    const QString root = args[0];
    const QString data = root + "/data";
    const QString fontFamily = artwork::RegisterTextFont();

    QStringList written;
    QString error;
    QStringList names;
    // Every picture twice: the 1x file, and its twin drawn at twice the size for dense screens.
    for (const int scale : {1, 2}) {
        std::vector<std::unique_ptr<artwork::ThemeArt>> themes;
        themes.push_back(artwork::MakeGothicArt(scale));
        themes.push_back(artwork::MakeGardenArt(scale));
        themes.push_back(artwork::MakeOceanArt(scale));
        themes.push_back(artwork::MakeMysteryArt(scale));
        for (const auto& theme : themes)
            if (!artwork::WriteTheme(*theme, data + "/obr", &written, &error)) return Fail(error);
        const artwork::TitleThemes titleThemes{*themes[0], *themes[1], *themes[2], *themes[3]};
        const QString title = data + "/obr/" + artwork::ScaledFileName("karvelo.bmp", scale);
        if (!artwork::WriteTitlePicture(title, titleThemes, fontFamily, scale, &error)) return Fail(error);
        written.append(title);
        if (!artwork::WriteMinefieldTiles(data, scale, &written, &error)) return Fail(error);
        if (scale == 1)
            for (const auto& theme : themes) names.append(theme->folderName());
    }
    QStringList icons;
    if (!artwork::WriteIcons(root, &icons, &error)) return Fail(error);

    for (const QString& path : written)
        if (artwork::BmpBitCount(path) != 24) return Fail(path + " is not a 24-bit bitmap");
    std::printf("artwork: wrote %lld bitmaps and %lld icons under %s\n",
                static_cast<long long>(written.size()), static_cast<long long>(icons.size()),
                qPrintable(root));

    if (args.size() == 3) {
        if (!artwork::WritePreviews(root, args[2], names, &error)) return Fail(error);
        std::printf("artwork: previews in %s\n", qPrintable(args[2]));
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "match_preview.h"

#include "bmp_file.h"
#include "icons.h"

#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>

namespace artwork {

namespace {

class Loader {
public:
    explicit Loader(QString* error) : error_(error) {}
    QImage operator()(const QString& path) {
        QImage image(path);
        if (image.isNull() && ok_) {
            ok_ = false;
            *error_ = "cannot read " + path;
        }
        return image.isNull() ? QImage(20, 20, QImage::Format_RGB32)
                              : image.convertToFormat(QImage::Format_RGB32);
    }
    bool ok() const { return ok_; }

private:
    QString* error_;
    bool ok_ = true;
};

// The program's fill: the pattern repeats from the surface origin, not from the rectangle.
void Fill(QImage& surface, const QImage& pattern, int left, int top, int right, int bottom) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            surface.setPixel(x, y, pattern.pixel(x % pattern.width(), y % pattern.height()));
}

void FillField(QImage& surface, const QImage& pattern, int column, int row) {
    Fill(surface, pattern, (column + 1) * 20, (row + 1) * 20, (column + 2) * 20, (row + 2) * 20);
}

QImage MatchScreen(const QString& theme, Loader& load) {
    const QString t = theme + "/";
    static const std::array<const char*, 8> framePieces = {"LHroh", "PHroh", "PDroh", "LDroh",
                                                           "Hbok",  "Pbok",  "Dbok",  "Lbok"};
    static const std::array<QRect, 8> targets = {
        QRect(0, 0, 40, 40),   QRect(440, 0, 40, 40),   QRect(440, 440, 40, 40), QRect(0, 440, 40, 40),
        QRect(40, 0, 400, 40), QRect(440, 40, 40, 400), QRect(40, 440, 400, 40), QRect(0, 40, 40, 400)};
    QImage board(480, 480, QImage::Format_RGB32);
    board.fill(Qt::magenta);  // any gap would show
    for (std::size_t i = 0; i < framePieces.size(); ++i) {
        const QRect& r = targets[i];
        Fill(board, load(t + framePieces[i] + ".bmp"), r.left(), r.top(), r.right() + 1, r.bottom() + 1);
    }
    Fill(board, load(t + "infoa.bmp"), 120, 0, 360, 40);

    const QImage empty = load(t + "Pole.bmp");
    for (int i = 1; i <= 20; ++i)
        for (int j = 1; j <= 20; ++j) FillField(board, empty, i, j);

    auto symbol = [&](const char* set, int variant) {
        return load(t + set + "/znak" + QString::number(variant) + ".bmp");
    };
    // A game in progress: sets Kolo and Kriz in the middle, Kolo having won along a diagonal.
    static const int moves[][3] = {
        {8, 8, 0},   {9, 8, 1},  {9, 9, 0},   {10, 10, 0}, {8, 9, 1},   {11, 11, 0}, {7, 10, 1},
        {12, 12, 0}, {10, 9, 1}, {7, 7, 0},   {11, 8, 1},  {12, 7, 1},  {6, 8, 0},   {8, 11, 1},
        {9, 12, 0},  {13, 9, 1}, {10, 13, 1}, {6, 11, 0},  {12, 10, 1}, {5, 6, 0},   {13, 11, 1},
    };
    int n = 0;
    for (const auto& m : moves) {
        FillField(board, symbol(m[2] == 0 ? "Kolo" : "Kriz", 1 + (n++ % 3)), m[0], m[1]);
    }
    for (int k = 0; k < 5; ++k) FillField(board, symbol("Kolo", 0), 8 + k, 8 + k);
    // The third set, its highlight and both others' highlights, bottom left.
    for (int v = 1; v <= 3; ++v) {
        FillField(board, symbol("Znk1", v), v, 18);
        FillField(board, symbol("Kolo", v), v, 19);
        FillField(board, symbol("Kriz", v), v, 20);
    }
    FillField(board, symbol("Znk1", 0), 4, 18);
    FillField(board, symbol("Kolo", 0), 4, 19);
    FillField(board, symbol("Kriz", 0), 4, 20);
    // Znk1 against Kriz in the top right.
    static const int third[][3] = {{15, 3, 2}, {16, 3, 1}, {16, 4, 2}, {17, 5, 2},
                                   {15, 5, 1}, {17, 4, 1}, {14, 4, 2}};
    for (const auto& m : third)
        FillField(board, symbol(m[2] == 2 ? "Znk1" : "Kriz", 1 + (n++ % 3)), m[0], m[1]);
    // Every value mark along the bottom right.
    static const std::array<const char*, 12> marks = {"+", "1", "2", "3", "4",  "5",
                                                      "6", "7", "8", "9", "++", "+++"};
    for (std::size_t k = 0; k < marks.size(); ++k)
        FillField(board, load(t + "Cisla/" + marks[k] + ".bmp"), 8 + static_cast<int>(k % 6),
                  18 + static_cast<int>(k / 6));

    // The on-move icon and the panel labels, as the program places them.
    QPainter p(&board);
    p.drawImage(325, 10, symbol("Kriz", 0));
    QFont font("Tahoma");
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(Qt::black);
    auto label = [&](int x, int y, const QString& text) {
        p.drawText(QRect(x, y, 120, 13), Qt::AlignLeft | Qt::AlignTop, text);
    };
    label(130, 7, "Honza");
    label(130, 20, "Počítač");
    label(175, 7, "125");
    label(175, 20, "87");
    label(197, 7, "<");
    return board;
}

QImage TileSheet(const QString& theme, Loader& load) {
    const QString t = theme + "/";
    QStringList rows[5];
    rows[0] = {"Pole.bmp"};
    const char* sets[] = {"Kolo", "Kriz", "Znk1"};
    for (int s = 0; s < 3; ++s)
        for (int v = 0; v < 4; ++v) rows[1 + s].append(QString("%1/znak%2.bmp").arg(sets[s]).arg(v));
    for (const char* m : {"+", "1", "2", "3", "4", "5", "6", "7", "8", "9", "++", "+++"})
        rows[4].append(QString("Cisla/%1.bmp").arg(m));
    const int scale = 4, cell = 20 * scale, gap = 8;
    QImage sheet(12 * (cell + gap) + gap, 5 * (cell + gap) + gap, QImage::Format_RGB32);
    sheet.fill(QColor(70, 70, 70));
    QPainter p(&sheet);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            p.drawImage(QRect(gap + c * (cell + gap), gap + r * (cell + gap), cell, cell),
                        load(t + rows[r][c]));
    return sheet;
}

// The tiles at 4x above their twins at 2x (the same size, to compare the drawing), then both at
// their real size.
QImage MineTiles(const QString& data, Loader& load) {
    const int scale = 4, cell = 20 * scale, gap = 8;
    QImage sheet(10 * (cell + gap) + gap, 2 * (cell + gap) + 2 * (40 + gap) + gap, QImage::Format_RGB32);
    sheet.fill(QColor(192, 192, 192));
    QPainter p(&sheet);
    QStringList names = {"mina.bmp"};
    for (int k = 0; k <= 8; ++k) names.append(QString("zarn%1.bmp").arg(k));
    for (int k = 0; k < names.size(); ++k) {
        const int x = gap + k * (cell + gap);
        const QImage tile = load(data + "/" + names[k]);
        const QImage twin = load(data + "/" + ScaledFileName(names[k], 2));
        p.drawImage(QRect(x, gap, cell, cell), tile);
        p.drawImage(QRect(x, cell + 2 * gap, cell, cell), twin);
        p.drawImage(x, 2 * (cell + gap) + gap, tile);
        p.drawImage(x, 2 * (cell + gap) + 40 + 2 * gap, twin);
    }
    return sheet;
}

// Both window icons at their size and at 4x, on a light and a dark ground.
QImage Icons(const QString& root, Loader& load) {
    const QImage icons[] = {QImage(root + "/karvelo/karvelo.png"), QImage(root + "/zarn/zarn.png")};
    QImage sheet(2 * (256 + 64 + 24) + 8, 2 * 264 + 8, QImage::Format_RGB32);
    sheet.fill(QColor(236, 236, 236));
    QPainter p(&sheet);
    p.fillRect(0, 264, sheet.width(), 272, QColor(40, 44, 52));
    for (int i = 0; i < 2; ++i) {
        if (icons[i].isNull()) load(i == 0 ? root + "/karvelo/karvelo.png" : root + "/zarn/zarn.png");
        for (int row = 0; row < 2; ++row) {
            const int x = 8 + i * (256 + 64 + 24), y = 8 + row * 264;
            p.drawImage(QRect(x, y, 256, 256), icons[i]);
            p.drawImage(x + 256 + 8, y, icons[i]);
        }
    }
    return sheet;
}

// Every menu icon enlarged (4x, at most 256 pixels) above its real size, Karvelo and Zarn on a
// light and on a dark ground, as a menu or a launcher shows them.
QImage MenuIcons(const QString& root, Loader& load) {
    const QList<int>& sizes = MenuIconSizes();
    int width = 8;
    for (const int size : sizes) width += std::min(size * 4, 256) + 8;
    const int row = 256 + 8 + 256 + 8;
    QImage sheet(width, 8 + 4 * row, QImage::Format_RGB32);
    sheet.fill(QColor(236, 236, 236));
    QPainter p(&sheet);
    p.fillRect(0, 8 + 2 * row - 4, width, 2 * row + 4, QColor(40, 44, 52));
    int x = 8;
    for (const int size : sizes) {
        const QString folder = root + "/packaging/icons/" + QString::number(size);
        // Read directly: the loader's RGB32 would lose the transparent ground.
        const QString paths[] = {folder + "/karvelo.png", folder + "/zarn.png"};
        const QImage icons[] = {QImage(paths[0]), QImage(paths[1])};
        for (int i = 0; i < 2; ++i)
            if (icons[i].isNull()) load(paths[i]);
        const int shown = std::min(size * 4, 256);
        for (int ground = 0; ground < 2; ++ground)
            for (int i = 0; i < 2; ++i) {
                const int y = 8 + (2 * ground + i) * row;
                p.drawImage(QRect(x, y, shown, shown), icons[i]);
                p.drawImage(x, y + 256 + 8, icons[i]);
            }
        x += shown + 8;
    }
    return sheet;
}

QImage TitleWithRegions(const QImage& title) {
    QImage marked = title.convertToFormat(QImage::Format_RGB32);
    QPainter p(&marked);
    p.setPen(QPen(Qt::magenta, 1));
    p.drawLine(175, 0, 175, 479);          // x < 175 is Ocean
    p.drawLine(175, 260, 479, 260);        // y < 260 is Gothic
    p.drawRect(QRect(431, 301, 48, 178));  // x > 430 and y > 300 is Mystery
    return marked;
}

}  // namespace

bool WritePreviews(const QString& root, const QString& previewFolder, const QStringList& themes,
                   QString* error) {
    const QString dataFolder = root + "/data";
    QDir().mkpath(previewFolder);
    Loader load(error);
    for (const QString& theme : themes) {
        const QString folder = dataFolder + "/obr/" + theme;
        const QImage screen = MatchScreen(folder, load);
        screen.save(previewFolder + "/" + theme + "-match.png");
        screen.scaled(960, 960).save(previewFolder + "/" + theme + "-match-x2.png");
        TileSheet(folder, load).save(previewFolder + "/" + theme + "-tiles-x4.png");
    }
    const QImage title = load(dataFolder + "/obr/karvelo.bmp");
    title.save(previewFolder + "/title.png");
    TitleWithRegions(title).save(previewFolder + "/title-regions.png");
    MineTiles(dataFolder, load).save(previewFolder + "/minefield-x4.png");
    Icons(root, load).save(previewFolder + "/icons.png");
    MenuIcons(root, load).save(previewFolder + "/menu-icons.png");
    return load.ok();
}

}  // namespace artwork

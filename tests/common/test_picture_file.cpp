// SPDX-License-Identifier: GPL-3.0-or-later
// The picture loader both programs compile in: failures told apart, the @2x twins taken only on a
// dense screen and only when they are sound, and rows decoded in strips.

#include "common/picture_file.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

namespace {

void WritePicture(const QString& path, int side, QColor colour) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(colour);
    if (!image.save(path, "BMP")) qFatal("cannot write %s", qPrintable(path));
}

}  // namespace

class PictureFileTest : public QObject {
    Q_OBJECT
private slots:
    void twinNames() {
        QCOMPARE(picture_file::TwinPath("obr/Gothic/Pole.bmp"), QStringLiteral("obr/Gothic/Pole@2x.bmp"));
        QCOMPARE(picture_file::TwinPath("obr/Gothic/Cisla/+++.bmp"),
                 QStringLiteral("obr/Gothic/Cisla/+++@2x.bmp"));
        QCOMPARE(picture_file::TwinPath("zarn3.bmp"), QStringLiteral("zarn3@2x.bmp"));
        QCOMPARE(picture_file::TwinPath("a.b/name"), QStringLiteral("a.b/name@2x"));
    }

    void failuresAreToldApart() {
        QTemporaryDir dir;
        QCOMPARE(picture_file::Read(dir.filePath("none.bmp")).failure, picture_file::Failure::missing);
        QCOMPARE(picture_file::Read(dir.path()).failure, picture_file::Failure::notAFile);
        const QString cut = dir.filePath("cut.bmp");
        WritePicture(cut, 20, Qt::red);
        QFile(cut).resize(600);
        const picture_file::Picture damaged = picture_file::Read(cut);
        QCOMPARE(damaged.failure, picture_file::Failure::damaged);
        QVERIFY(damaged.image.isNull());
        QVERIFY2(damaged.detail.startsWith(QStringLiteral("má jen 600 z ")), qPrintable(damaged.detail));
    }

    void twinOnlyOnDenseScreensAndOnlyWhenSound_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("twinSide");  // 0: no twin; -1: a twin cut short
        QTest::addColumn<bool>("twinDrawn");
        QTest::newRow("ratio 1, sound twin") << 1.0 << 40 << false;
        QTest::newRow("ratio 1.5, sound twin") << 1.5 << 40 << true;
        QTest::newRow("ratio 2, sound twin") << 2.0 << 40 << true;
        QTest::newRow("ratio 3, sound twin") << 3.0 << 40 << true;
        QTest::newRow("ratio 2, no twin") << 2.0 << 0 << false;
        QTest::newRow("ratio 2, twin cut short") << 2.0 << -1 << false;
        QTest::newRow("ratio 2, twin of the same size") << 2.0 << 20 << false;
        QTest::newRow("ratio 2, twin three times the size") << 2.0 << 60 << false;
    }
    void twinOnlyOnDenseScreensAndOnlyWhenSound() {
        QFETCH(qreal, ratio);
        QFETCH(int, twinSide);
        QFETCH(bool, twinDrawn);
        QTemporaryDir dir;
        const QString path = dir.filePath("Pole.bmp");
        WritePicture(path, 20, Qt::green);
        if (twinSide != 0)
            WritePicture(dir.filePath("Pole@2x.bmp"), qAbs(twinSide) == 1 ? 40 : twinSide, Qt::blue);
        if (twinSide == -1) QFile(dir.filePath("Pole@2x.bmp")).resize(600);

        const picture_file::Picture single = picture_file::Read(path);
        QCOMPARE(single.failure, picture_file::Failure::none);
        const QImage drawn = picture_file::WithTwin(single.image, path, ratio);
        QCOMPARE(drawn.pixelColor(0, 0), twinDrawn ? QColor(Qt::blue) : QColor(Qt::green));
        QCOMPARE(drawn.devicePixelRatio(), twinDrawn ? 2.0 : 1.0);
        QCOMPARE(picture_file::LogicalSize(drawn), QSize(20, 20));
    }

    // The plain 24-bit pictures are decoded by the loader itself: pixel for pixel what the toolkit
    // decodes, for rows with padding and rows stored top-down, and the other depths still read.
    void decodesAsTheToolkitDoes_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("topDown");
        QTest::addColumn<QImage::Format>("format");
        for (int width : {1, 2, 3, 5, 21})
            QTest::addRow("24 bits, %d wide", width) << width << false << QImage::Format_RGB888;
        QTest::newRow("24 bits, top-down") << 7 << true << QImage::Format_RGB888;
        QTest::newRow("8 bits") << 5 << false << QImage::Format_Indexed8;
        QTest::newRow("32 bits") << 5 << false << QImage::Format_ARGB32;
    }
    void decodesAsTheToolkitDoes() {
        QFETCH(int, width);
        QFETCH(bool, topDown);
        QFETCH(QImage::Format, format);
        QImage source(width, 4, QImage::Format_RGB32);
        for (int y = 0; y < source.height(); ++y)
            for (int x = 0; x < width; ++x) source.setPixel(x, y, qRgb(x * 40 + y, 255 - x * 7, y * 60));
        QTemporaryDir dir;
        const QString path = dir.filePath("p.bmp");
        QVERIFY(source.convertToFormat(format).save(path, "BMP"));
        if (topDown) {
            // The same pixels with the rows stored from the top: a negative height, rows reversed.
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QByteArray bytes = file.readAll();
            const int rowBytes = (width * 3 + 3) / 4 * 4, at = 54, rows = source.height();
            QByteArray flipped = bytes.left(at);
            for (int y = rows - 1; y >= 0; --y) flipped += bytes.mid(at + y * rowBytes, rowBytes);
            const qint32 negative = -rows;
            flipped.replace(22, 4, reinterpret_cast<const char*>(&negative), 4);
            file.seek(0);
            file.write(flipped);
        }
        const picture_file::Picture read = picture_file::Read(path);
        QCOMPARE(read.failure, picture_file::Failure::none);
        const QImage expected = QImage(path, "BMP").convertToFormat(QImage::Format_RGB32);
        QVERIFY(!expected.isNull());
        QCOMPARE(read.image.convertToFormat(QImage::Format_RGB32), expected);
        if (format != QImage::Format_RGB888) return;
        QCOMPARE(read.image, source);

        // Any run of rows decoded on its own, as a large picture is drawn in strips; never a row
        // beyond the picture.
        QFile file(path);
        QByteArray head;
        QString detail;
        QCOMPARE(picture_file::OpenChecked(file, head, detail), picture_file::Failure::none);
        const std::string_view header(head.constData(), std::size_t(head.size()));
        for (int count = 1; count <= source.height(); ++count)
            for (int top = 0; top <= source.height(); ++top) {
                QImage strip(width, count, QImage::Format_RGB32);
                const bool inside = top + count <= source.height();
                QCOMPARE(picture_file::DecodePlain24Strip(file, header, top, strip), inside);
                if (inside) QCOMPARE(strip, source.copy(0, top, width, count));
            }
    }

    // Every shipped picture has a sound twin of exactly twice its size, so no dense screen falls
    // back to a stretched picture.
    void everyShippedPictureHasItsTwin() {
        int pictures = 0;
        QDirIterator files(QStringLiteral(SHIPPED_DATA_DIR), {QStringLiteral("*.bmp")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            if (path.endsWith(QLatin1String("@2x.bmp"))) continue;
            const picture_file::Picture single = picture_file::Read(path);
            const picture_file::Picture twin = picture_file::Read(picture_file::TwinPath(path));
            QVERIFY2(twin.failure == picture_file::Failure::none, qPrintable(path));
            QCOMPARE(twin.image.size(), single.image.size() * 2);
            ++pictures;
        }
        QCOMPARE(pictures, 4 * 34 + 1 + 10);  // four themes, the title picture, the minefield tiles
    }
};

QTEST_GUILESS_MAIN(PictureFileTest)
#include "test_picture_file.moc"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/qt/qt_canvas.h"

namespace tallyx {
namespace {

constexpr int kBitCountOffset = 28;  // in a BMP's file and information headers

TEST(ImageSaveTest, ExtensionChoosesPngOrTwentyFourBitBmpAndRefusesTheRest)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QtImage image(7, 5);
    image.Paint().FillRect(Rect::FromSize(0, 0, 7, 5), MakeColor(200, 40, 90));
    struct Case {
        const char* file;
        const char* format;  // null: refused
    };
    const Case cases[] = {
        {"shot.png", "PNG"}, {"shot.PNG", "PNG"}, {"shot.bmp", "BMP"}, {"shot.Bmp", "BMP"},
        {"shot.jpg", nullptr}, {"shot", nullptr}, {"shot.png.txt", nullptr},
    };
    for (const Case& item : cases) {
        SCOPED_TRACE(item.file);
        const QString path = folder.filePath(item.file);
        EXPECT_EQ(image.Save(path.toStdString()), item.format != nullptr);
        if (!item.format) {
            EXPECT_FALSE(QFile::exists(path));
            continue;
        }
        QImage read;
        ASSERT_TRUE(read.load(path, item.format));
        EXPECT_EQ(read.size(), QSize(7, 5));
        EXPECT_EQ(read.pixel(3, 2), qRgb(200, 40, 90));
        if (QString(item.format) == "BMP") {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray header = file.read(kBitCountOffset + 2);
            ASSERT_EQ(header.size(), kBitCountOffset + 2);
            EXPECT_EQ(header.left(2), QByteArray("BM"));
            EXPECT_EQ(static_cast<unsigned char>(header[kBitCountOffset]), 24);
            EXPECT_EQ(header[kBitCountOffset + 1], 0);
        }
    }
    EXPECT_FALSE(image.Save(folder.filePath("missing/shot.png").toStdString()));
}

}  // namespace
}  // namespace tallyx

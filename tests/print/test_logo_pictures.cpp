#include "print/LogoLoader.h"
#include "PictureFiles.h"

#include <QTemporaryDir>
#include <QTest>

class TestLogoPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readableKinds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");

        QTest::newRow("bitmap") << "logo.bmp" << QSize(40, 20);
        QTest::newRow("jpeg") << "logo.jpg" << QSize(30, 60);
        QTest::newRow("png") << "logo.png" << QSize(12, 12);
        QTest::newRow("gif") << "logo.gif" << QSize(4, 2);
        QTest::newRow("metafile keeps its proportions") << "logo.wmf" << QSize(1600, 800);
        QTest::newRow("bitmap named as jpeg") << "misnamed.jpg" << QSize(40, 20);
    }

    void readableKinds()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);

        const QString path = m_dir.filePath(name);
        if (name.endsWith(QLatin1String(".gif")))
            QVERIFY(PictureFiles::writeBytes(path, PictureFiles::gif4x2()));
        else if (name.endsWith(QLatin1String(".wmf")))
            QVERIFY(PictureFiles::writeBytes(path, PictureFiles::metafile400x200()));
        else if (name.startsWith(QLatin1String("misnamed")))
            QVERIFY(PictureFiles::writeRaster(path, size.width(), size.height(), "BMP"));
        else
            QVERIFY(PictureFiles::writeRaster(path, size.width(), size.height(), nullptr));

        const LogoLoad load = LoadLogoPicture(path);
        QVERIFY2(load.loaded(), qPrintable(load.message));
        QCOMPARE(load.picture.size(), size);
    }

    void metafileIsDrawn()
    {
        const QString path = m_dir.filePath(QStringLiteral("drawn.wmf"));
        QVERIFY(PictureFiles::writeBytes(path, PictureFiles::metafile400x200()));
        const QImage picture = LoadLogoPicture(path).picture;
        QVERIFY(!picture.isNull());
        const QColor centre = picture.pixelColor(picture.width() / 2, picture.height() / 2);
        QVERIFY2(centre.blue() > 200 && centre.red() < 60 && centre.green() < 60, qPrintable(centre.name()));
    }

    void unreadableInputIsRefusedWithAMessage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("messagePart");

        const int unreadable = int(LogoLoad::Status::Unreadable);
        QTest::newRow("enhanced metafile") << PictureFiles::enhancedMetafileHeader()
                                           << int(LogoLoad::Status::UnsupportedFormat) << "cannot be read on this platform";
        QTest::newRow("empty file") << QByteArray() << unreadable << "not a picture";
        QTest::newRow("text") << QByteArray("[Program]\r\nName=Routine\r\n") << unreadable << "not a picture";
        QTest::newRow("truncated bitmap header") << QByteArray("BM\x10\x00", 4) << unreadable << "not a picture";
        QTest::newRow("metafile header only") << PictureFiles::metafile400x200().left(40) << unreadable << "not a picture";
        QTest::newRow("metafile with garbage records")
            << PictureFiles::metafile400x200().left(40) + QByteArray(64, '\xFF') << unreadable << "not a picture";
    }

    void unreadableInputIsRefusedWithAMessage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, status);
        QFETCH(QString, messagePart);

        const QString path = m_dir.filePath(QStringLiteral("bad.pic"));
        QVERIFY(PictureFiles::writeBytes(path, bytes));
        const LogoLoad load = LoadLogoPicture(path);
        QCOMPARE(int(load.status), status);
        QVERIFY(load.picture.isNull());
        QVERIFY2(load.message.contains(messagePart), qPrintable(load.message));
        QVERIFY(load.message.contains(QLatin1String("bad.pic")));
    }

    void missingFileIsRefused()
    {
        const LogoLoad load = LoadLogoPicture(m_dir.filePath(QStringLiteral("gone.bmp")));
        QCOMPARE(load.status, LogoLoad::Status::Unreadable);
        QVERIFY(load.message.contains(QLatin1String("cannot be opened")));
        QCOMPARE(LoadLogoPicture(QString()).status, LogoLoad::Status::Unreadable);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestLogoPictures)
#include "test_logo_pictures.moc"

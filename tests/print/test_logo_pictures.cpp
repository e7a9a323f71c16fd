#include "print/LogoLoader.h"
#include "PictureFiles.h"

#include <QRandomGenerator>
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
        QTest::newRow("enhanced metafile keeps its proportions") << "logo.emf" << QSize(1600, 798);
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
        else if (name.endsWith(QLatin1String(".emf")))
            QVERIFY(PictureFiles::writeBytes(path, PictureFiles::enhancedMetafile400x200()));
        else if (name.startsWith(QLatin1String("misnamed")))
            QVERIFY(PictureFiles::writeRaster(path, size.width(), size.height(), "BMP"));
        else
            QVERIFY(PictureFiles::writeRaster(path, size.width(), size.height(), nullptr));

        const LogoLoad load = LoadLogoPicture(path);
        QVERIFY2(load.loaded(), qPrintable(load.message));
        QCOMPARE(load.picture.size(), size);
    }

    void metafilesAreDrawn_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("windows metafile") << PictureFiles::metafile400x200();
        QTest::newRow("enhanced metafile") << PictureFiles::enhancedMetafile400x200();
    }

    void metafilesAreDrawn()
    {
        QFETCH(QByteArray, bytes);
        const QString path = m_dir.filePath(QStringLiteral("drawn.pic"));
        QVERIFY(PictureFiles::writeBytes(path, bytes));
        const QImage picture = LoadLogoPicture(path).picture;
        QVERIFY(!picture.isNull());
        const QColor centre = picture.pixelColor(picture.width() / 2, picture.height() / 2);
        QVERIFY2(centre.blue() > 200 && centre.red() < 60 && centre.green() < 60, qPrintable(centre.name()));
    }

    void unreadableInputIsRefusedWithAMessage_data()
    {
        QTest::addColumn<QByteArray>("bytes");

        const QByteArray wmf = PictureFiles::metafile400x200();
        const QByteArray emf = PictureFiles::enhancedMetafile400x200();
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("text") << QByteArray("[Program]\r\nName=Routine\r\n");
        QTest::newRow("truncated bitmap header") << QByteArray("BM\x10\x00", 4);
        QTest::newRow("metafile header only") << wmf.left(40);
        QTest::newRow("metafile with garbage records") << wmf.left(40) + QByteArray(64, '\xFF');
        QTest::newRow("enhanced metafile header only") << emf.left(88);
        QTest::newRow("enhanced metafile cut in a record") << emf.left(100);
        QTest::newRow("enhanced metafile with garbage records") << emf.left(88) + QByteArray(64, '\xFF');
        QByteArray hugeRecord = emf;
        hugeRecord[92] = '\x7F'; // the first record claims almost 2 GiB
        hugeRecord[95] = '\x7F';
        QTest::newRow("enhanced metafile record larger than the file") << hugeRecord;
    }

    void unreadableInputIsRefusedWithAMessage()
    {
        QFETCH(QByteArray, bytes);

        const QString path = m_dir.filePath(QStringLiteral("bad.pic"));
        QVERIFY(PictureFiles::writeBytes(path, bytes));
        const LogoLoad load = LoadLogoPicture(path);
        QVERIFY(!load.loaded());
        QVERIFY2(load.message.contains(QLatin1String("bad.pic is not a picture that can be read")), qPrintable(load.message));
    }

    void damagedMetafilesNeverBringTheProgramDown_data()
    {
        QTest::addColumn<QByteArray>("original");
        QTest::newRow("windows metafile") << PictureFiles::metafile400x200();
        QTest::newRow("enhanced metafile") << PictureFiles::enhancedMetafile400x200();
    }

    void damagedMetafilesNeverBringTheProgramDown()
    {
        QFETCH(QByteArray, original);
        const int rounds = qEnvironmentVariableIntValue("CORVEX_DAMAGE_ROUNDS") > 0
            ? qEnvironmentVariableIntValue("CORVEX_DAMAGE_ROUNDS") : 150;
        QRandomGenerator random(20261206); // the same damage on every run
        const QString path = m_dir.filePath(QStringLiteral("damaged.pic"));
        for (int round = 0; round < rounds; ++round) {
            QByteArray bytes = original;
            const int changes = 1 + int(random.bounded(4));
            for (int i = 0; i < changes; ++i)
                bytes[int(random.bounded(bytes.size()))] = char(random.bounded(256));
            if (random.bounded(4) == 0)
                bytes.truncate(int(random.bounded(bytes.size())));
            QVERIFY(PictureFiles::writeBytes(path, bytes));
            const LogoLoad load = LoadLogoPicture(path);
            QVERIFY(load.loaded() || !load.message.isEmpty());
            if (load.loaded())
                QVERIFY(load.picture.width() <= 1600 && load.picture.height() <= 1600);
        }
    }

    void missingFileIsRefused()
    {
        const LogoLoad load = LoadLogoPicture(m_dir.filePath(QStringLiteral("gone.bmp")));
        QVERIFY(!load.loaded());
        QVERIFY(load.message.contains(QLatin1String("cannot be opened")));
        QVERIFY(!LoadLogoPicture(QString()).loaded());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestLogoPictures)
#include "test_logo_pictures.moc"

#include "LogoLoader.h"
#include "PictureFiles.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace corvex;

// A file name; its bytes, or a blue picture of `size` written as BMP, JPG... (empty: as its name says).
struct Readable { QString name; QByteArray bytes; QSize size; };
class TestLogoPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readableKinds_data()
    {
        QTest::addColumn<Readable>("row");
        QTest::newRow("bitmap") << Readable{"logo.bmp", QByteArray(), QSize(40, 20)};
        QTest::newRow("gif") << Readable{"logo.gif", PictureFiles::gif4x2(), QSize(4, 2)};
        QTest::newRow("metafile keeps its proportions") << Readable{"logo.wmf", PictureFiles::metafile400x200(), QSize(1600, 800)};
        QTest::newRow("enhanced metafile keeps its proportions") << Readable{"logo.emf", PictureFiles::enhancedMetafile400x200(), QSize(1600, 798)};
        QTest::newRow("told by content, not name") << Readable{"bitmap.jpg", QByteArray("BMP"), QSize(40, 20)};
    }

    void readableKinds()
    {
        QFETCH(Readable, row);
        const auto &[name, bytes, size] = row;
        const QString path = m_dir.filePath(name);
        QVERIFY(bytes.size() <= 3 ? PictureFiles::writeRaster(path, size.width(), size.height(), bytes.isEmpty() ? nullptr : bytes.constData())
                                  : writeBytes(path, bytes));
        const LogoLoad load = loadLogoPicture(path);
        QVERIFY2(load.loaded(), qPrintable(load.message));
        QCOMPARE(load.picture.size(), size);
        const QColor centre = load.picture.pixelColor(size.width() / 2, size.height() / 2);
        QVERIFY2(centre.blue() > 180 && centre.red() < 60 && centre.green() < 60, qPrintable(centre.name()));
    }

    void unreadableInputIsRefusedWithAMessage_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file at all
        QTest::addColumn<QString>("message");

        const QByteArray wmf = PictureFiles::metafile400x200();
        const QByteArray emf = PictureFiles::enhancedMetafile400x200();
        const QString unreadable = QStringLiteral("bad.pic is not a picture that can be read");
        QByteArray hugeRecord = emf;
        hugeRecord[92] = '\x7F'; // the first record claims almost 2 GiB
        hugeRecord[95] = '\x7F';
        QTest::newRow("missing file") << QByteArray() << "bad.pic cannot be opened";
        QTest::newRow("empty file") << QByteArray("") << unreadable;
        QTest::newRow("text, and why") << QByteArray("[Program]\r\nName=Routine\r\n") << unreadable + QStringLiteral(" (Unsupported image format).");
        QTest::newRow("metafile with garbage records") << wmf.left(40) + QByteArray(64, '\xFF') << unreadable;
        QTest::newRow("enhanced metafile cut in a record") << emf.left(100) << unreadable;
        QTest::newRow("enhanced metafile record larger than the file") << hugeRecord << unreadable;
    }

    void unreadableInputIsRefusedWithAMessage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);

        const QString path = m_dir.filePath(QStringLiteral("bad.pic"));
        QFile::remove(path);
        if (!bytes.isNull())
            QVERIFY(writeBytes(path, bytes));
        const LogoLoad load = loadLogoPicture(path);
        QVERIFY(!load.loaded());
        QVERIFY2(load.message.contains(message), qPrintable(load.message));
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
        const int seeds = qEnvironmentVariableIntValue("CORVEX_DAMAGE_ROUNDS") > 0 ? qEnvironmentVariableIntValue("CORVEX_DAMAGE_ROUNDS") : 6;
        const QString path = m_dir.filePath(QStringLiteral("damaged.pic"));
        for (int seed = 1; seed <= seeds; ++seed) {
            QRandomGenerator random(seed); // the same damage on every run
            QByteArray bytes = original;
            for (int i = 0, changes = 1 + int(random.bounded(4)); i < changes; ++i)
                bytes[int(random.bounded(bytes.size()))] = char(random.bounded(256));
            if (random.bounded(4) == 0)
                bytes.truncate(int(random.bounded(bytes.size())));
            QVERIFY(writeBytes(path, bytes));
            const LogoLoad load = loadLogoPicture(path);
            QVERIFY(load.loaded() ? load.picture.width() <= 1600 && load.picture.height() <= 1600 : !load.message.isEmpty());
        }
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestLogoPictures)
#include "test_logo_pictures.moc"

#include "IniDocument.h"
#include "IniFile.h"
#include "support/FileFixtures.h"

#include <QTemporaryDir>
#include <QTest>

using namespace corvex;

// A file as the Windows profile functions leave it after an earlier utility
// and a user's text editor have both been at it.
static const QByteArray windowsFile = "; CORVEX store\r\n[Reagents]\r\nR001=Xylene       \r\nr002 = Ethanol \xE9t\xE9  \r\n\r\n"
                                      "[ program07 ]  trailing words\r\nNAME=\"  Fix 1        \"\r\nDuration\t=\t95\r\nType=LM\r\n"
                                      ";V01Hrs=9\r\n  ; Name=commented\r\nno equals sign here\r\nNote=a;b=c\r\n"
                                      "Unmatched=\"open\r\nEmpty=\r\n";

// A key read from windowsFile: the result code and the value read into "unchanged".
using Code = IniFile::Result;
struct IniRead { const char *section, *key; Code code; QByteArray value; };
// A key written into a file: the file before and after save().
struct IniWrite { QByteArray before; const char *section, *key; QByteArray value, after; };

class TestIniFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString write(const QByteArray &bytes, const QString &name = QStringLiteral("file.ini"))
    {
        const QString path = m_dir.filePath(name);
        writeBytes(path, bytes);
        return path;
    }

private Q_SLOTS:
    void reading_data()
    {
        QTest::addColumn<IniRead>("read");
        QTest::newRow("plain, trailing spaces removed") << IniRead{"Reagents", "R001", Code::Ok, "Xylene"};
        QTest::newRow("key case and blanks, Windows-1252 kept") << IniRead{"REAGENTS", "R002", Code::Ok, "Ethanol \xE9t\xE9"};
        QTest::newRow("section in blanks, words after ], indented comment") << IniRead{"Program07", "Name", Code::Ok, "  Fix 1"};
        QTest::newRow("commented key") << IniRead{"Program07", "V01Hrs", Code::KeyMissing, "unchanged"};
        QTest::newRow("semicolon and equals inside a value") << IniRead{"Program07", "Note", Code::Ok, "a;b=c"};
        QTest::newRow("unmatched quote stays") << IniRead{"Program07", "Unmatched", Code::Ok, "\"open"};
        QTest::newRow("empty value is a value") << IniRead{"Program07", "Empty", Code::Ok, ""};
        QTest::newRow("missing section") << IniRead{"Program08", "Name", Code::KeyMissing, "unchanged"};
    }

    void reading()
    {
        QFETCH(IniRead, read);
        IniFile ini;
        ini.setFileName(write(windowsFile));
        ini.setSectionName(read.section);
        QByteArray value = "unchanged";
        QCOMPARE(ini.readString(read.key, value), read.code);
        QCOMPARE(value, read.value);
    }

    void writing_data()
    {
        QTest::addColumn<IniWrite>("write");
        QTest::newRow("replaced in place, spelling kept") << IniWrite{"[prog]\r\n  NAME = old \r\nX=1\r\n", "PROG", "Name", "new", "[prog]\r\nNAME=new\r\nX=1\r\n"};
        QTest::newRow("new key after the last key line") << IniWrite{"[A]\r\nx=1\r\n\r\n; end of A\r\n[B]\r\n", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n\r\n; end of A\r\n[B]\r\n"};
        QTest::newRow("new section at the end, no blank line") << IniWrite{"top\r\n[A]\r\nx=1\r\n", "B", "y", "2", "top\r\n[A]\r\nx=1\r\n[B]\r\ny=2\r\n"};
        QTest::newRow("line end added to a last line without one") << IniWrite{"[A]\r\nx=1", "B", "y", "2", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"};
        QTest::newRow("LF file stays LF") << IniWrite{"[A]\nx=1\n", "A", "y", "2", "[A]\nx=1\ny=2\n"};
        QTest::newRow("empty file gets CRLF") << IniWrite{"", "A", "x", "1", "[A]\r\nx=1\r\n"};
        QTest::newRow("value exactly as given") << IniWrite{"[A]\r\n", "A", "x", " \"q\" \xE9 ", "[A]\r\nx= \"q\" \xE9 \r\n"};
        QTest::newRow("line breaks in a value become spaces") << IniWrite{"[A]\r\nx=1\r\n", "A", "x", "a\r\n[B]\rb\nc", "[A]\r\nx=a  [B] b c\r\n"};
    }

    void writing()
    {
        QFETCH(IniWrite, write);
        const QString path = this->write(write.before);
        IniFile ini;
        ini.setFileName(path);
        ini.setSectionName(write.section);
        QCOMPARE(ini.writeString(write.key, write.value), Code::Ok);
        QVERIFY(readBytes(path) == write.before); // nothing is written before Save
        QVERIFY(ini.save());
        QCOMPARE(readBytes(path), write.after);
    }

    void badNamesAreRefusedAndAMissingFileIsMadeOnSave()
    {
        const QString missing = m_dir.filePath(QStringLiteral("missing.ini"));
        IniFile ini;
        QByteArray value = "kept";
        QCOMPARE(ini.writeString("k", "v"), Code::FileNotOk); // no file name
        ini.setFileName(missing);
        QCOMPARE(ini.readString("k", value), Code::FileNotOk);
        QCOMPARE(ini.writeString("", "v"), Code::NoSectionName);
        ini.setSectionName("S");
        for (const char *key : {"", "bad=key", "[bad", ";bad"})
            QCOMPARE(ini.writeString(key, "v"), Code::NoKeyName);
        ini.setSectionName("bad]section");
        QCOMPARE(ini.writeString("k", "v"), Code::NoSectionName);
        QVERIFY(value == "kept" && !QFile::exists(missing));

        ini.setSectionName("S");
        QVERIFY(ini.writeString("k", "v") == Code::Ok && ini.save());
        QCOMPARE(readBytes(missing), QByteArray("[S]\r\nk=v\r\n"));
    }

    void anythingReadWritesBackUnchanged_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Windows file") << windowsFile;
        QTest::newRow("garbage") << garbage(200'000, 7);
        QTest::newRow("huge line") << "[S]\r\n" + QByteArray(5'000'000, 'z');
    }

    void anythingReadWritesBackUnchanged()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(IniDocument::parse(bytes).serialize() == bytes);

        // A new key leaves every byte that was there before.
        const QString path = write(bytes);
        IniFile ini;
        ini.setFileName(path);
        ini.setSectionName("Added");
        QCOMPARE(ini.writeString("k", "v"), Code::Ok);
        QVERIFY(ini.save());
        const QByteArray saved = readBytes(path);
        QVERIFY(saved.startsWith(bytes));
        QVERIFY(saved.mid(bytes.size()).contains("[Added]"));
        IniFile again; // and reads back whatever the bytes before it were
        again.setFileName(path);
        again.setSectionName("added");
        QByteArray value;
        QVERIFY(again.readString("K", value) == Code::Ok && value == "v");
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "test_ini_file.moc"

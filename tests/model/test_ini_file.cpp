#include "model/IniDocument.h"
#include "model/IniFile.h"
#include "support/FileFixtures.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// A file as the Windows profile functions leave it after an earlier utility
// and a user's text editor have both been at it.
static const char WindowsText[] =
    "; CORVEX store\r\n"
    "orphan=before any section\r\n"
    "[Reagents]\r\n"
    "R001=Xylene       \r\n"
    "r002 = Ethanol \xE9t\xE9  \r\n"
    "\r\n"
    "[ program07 ]  trailing words\r\n"
    "NAME=\"  Fix 1        \"\r\n"
    "Duration\t=\t95\r\n"
    "Type=LM\r\n"
    ";V01Hrs=9\r\n"
    "  ; Name=commented\r\n"
    "#Hash=1\r\n"
    "no equals sign here\r\n"
    "Note=a;b=c\r\n"
    "Single='  kept  '\r\n"
    "Unmatched=\"open\r\n"
    "Mixed=\"ab'\r\n"
    "Lone=\"\r\n"
    "Empty=\r\n"
    "Blank=     \r\n"
    "Default=DefaultValue here\r\n"
    "Dup=first\r\n"
    "dup=second\r\n"
    "Nu\0l=with a NUL\r\n"
    "[Program07]\r\n"
    "Later=never read\r\n"
    "[Unclosed\r\n"
    "k=v\r\n";
// A read gives at most 254 characters, and trailing spaces go after the cut.
static const QByteArray WindowsFile = QByteArray(WindowsText, sizeof(WindowsText) - 1) + "[Long]\r\nLong="
    + QByteArray(252, 'x') + "  yz\r\n";

class TestIniFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString write(const QByteArray &bytes, const QString &name = QStringLiteral("file.ini"))
    {
        const QString path = m_dir.filePath(name);
        WriteBytes(path, bytes);
        return path;
    }

private Q_SLOTS:
    void reading_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("value");

        const auto row = [](const char *name, const char *section, const char *key, int code, const QByteArray &value) {
            QTest::newRow(name) << QByteArray(section) << QByteArray(key) << code << value;
        };
        row("plain, trailing spaces removed", "Reagents", "R001", 0, "Xylene");
        row("key case and blanks, Windows-1252 kept", "REAGENTS", "R002", 0, "Ethanol \xE9t\xE9");
        row("section in blanks, words after ], indented comment", "Program07", "Name", 0, "  Fix 1");
        row("tabs around key and value", "program07", "duration", 0, "95");
        row("commented key", "Program07", "V01Hrs", 4, "unchanged");
        row("hash is an ordinary character", "Program07", "#Hash", 0, "1");
        row("semicolon and equals inside a value", "Program07", "Note", 0, "a;b=c");
        row("single quotes removed, inner blanks kept", "Program07", "Single", 0, "  kept");
        row("unmatched quote stays", "Program07", "Unmatched", 0, "\"open");
        row("different quotes stay", "Program07", "Mixed", 0, "\"ab'");
        row("one quote alone stays", "Program07", "Lone", 0, "\"");
        row("empty value is a value", "Program07", "Empty", 0, "");
        row("blank value is empty", "Program07", "Blank", 0, "");
        row("DefaultValue is a value", "Program07", "Default", 0, "DefaultValue here");
        row("first duplicate wins", "Program07", "DUP", 0, "first");
        row("a read gives at most 254 characters, then trims", "Long", "Long", 0, QByteArray(252, 'x'));
        row("NUL bytes ignored", "Program07", "Nul", 0, "with a NUL");
        row("second section of a name not searched", "Program07", "Later", 4, "unchanged");
        row("lines before the first section", "", "orphan", 2, "unchanged");
        row("missing ] ends the name at the line end", "Unclosed", "k", 0, "v");
        row("missing section", "Program08", "Name", 4, "unchanged");
        row("empty key name", "Reagents", "", 3, "unchanged");
    }

    void reading()
    {
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(int, code);
        QFETCH(QByteArray, value);

        IniFile ini;
        ini.SetFileName(write(WindowsFile));
        ini.SetSectionName(section);
        QByteArray read = "unchanged";
        QCOMPARE(ini.ReadString(key, read), code);
        QCOMPARE(read, value);
    }

    void writing_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("after");

        const auto row = [](const char *name, const QByteArray &before, const char *section, const char *key,
                            const QByteArray &value, const QByteArray &after) {
            QTest::newRow(name) << before << QByteArray(section) << QByteArray(key) << value << after;
        };
        row("replaced in place, spelling kept", "[prog]\r\n  NAME = old \r\nX=1\r\n", "PROG", "Name", "new",
            "[prog]\r\nNAME=new\r\nX=1\r\n");
        row("new key after the last key line", "[A]\r\nx=1\r\n\r\n; end of A\r\n[B]\r\n", "A", "y", "2",
            "[A]\r\nx=1\r\ny=2\r\n\r\n; end of A\r\n[B]\r\n");
        row("new key in a section without keys", "[A]\r\n; only a comment\r\n", "A", "y", "2",
            "[A]\r\ny=2\r\n; only a comment\r\n");
        row("new section at the end, no blank line", "top\r\n[A]\r\nx=1\r\n", "B", "y", "2",
            "top\r\n[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
        row("line end added to a last line without one", "[A]\r\nx=1", "B", "y", "2", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
        row("key after a header that ends the file", "[A]", "a", "y", "2", "[A]\r\ny=2\r\n");
        row("LF file stays LF", "[A]\nx=1\n", "A", "y", "2", "[A]\nx=1\ny=2\n");
        row("CR file stays CR", "[A]\rx=1\r", "C", "y", "2", "[A]\rx=1\r[C]\ry=2\r");
        row("mixed line ends, no final one", "[A]\r\nx=1\ry=2", "A", "y", "3", "[A]\r\nx=1\ry=3");
        row("empty file gets CRLF", "", "A", "x", "1", "[A]\r\nx=1\r\n");
        row("first of duplicate sections", "[A]\r\nx=1\r\n[a]\r\nx=2\r\n", "A", "x", "3",
            "[A]\r\nx=3\r\n[a]\r\nx=2\r\n");
        row("value exactly as given", "[A]\r\n", "A", "x", " \"q\" \xE9 ", "[A]\r\nx= \"q\" \xE9 \r\n");
        row("line breaks in a value become spaces", "[A]\r\nx=1\r\n", "A", "x", "a\r\n[B]\rb\nc",
            "[A]\r\nx=a  [B] b c\r\n");
        row("a NUL ends the value", "[A]\r\nx=1\r\n", "A", "x", QByteArray("ab\0cd", 5), "[A]\r\nx=ab\r\n");
    }

    void writing()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, after);

        const QString path = write(before);
        IniFile ini;
        ini.SetFileName(path);
        ini.SetSectionName(section);
        QCOMPARE(ini.WriteString(key, value), 0);
        QVERIFY(ReadBytes(path) == before); // nothing is written before Save
        QVERIFY(ini.Save());
        QCOMPARE(ReadBytes(path), after);
    }

    void resultCodesComeInTheirOrder()
    {
        const QString missing = m_dir.filePath(QStringLiteral("missing.ini"));
        IniFile ini;
        QByteArray value = "kept";
        QCOMPARE(ini.ReadString("k", value), 1); // no file name
        QCOMPARE(ini.WriteString("k", "v"), 1);
        ini.SetFileName(missing);
        QCOMPARE(ini.ReadString("", value), 1); // missing file comes before the empty section and key
        QVERIFY(!ini.FileOk());
        QCOMPARE(ini.WriteString("", "v"), 2);
        ini.SetSectionName("S");
        QCOMPARE(ini.WriteString("", "v"), 3);
        QCOMPARE(ini.WriteString("bad=key", "v"), 3);
        QCOMPARE(ini.WriteString("[bad", "v"), 3);
        QCOMPARE(ini.WriteString(";bad", "v"), 3);
        ini.SetSectionName("bad]section");
        QCOMPARE(ini.WriteString("k", "v"), 2);
        QCOMPARE(value, QByteArray("kept"));
        QVERIFY(!QFile::exists(missing));

        ini.SetSectionName("S");
        QCOMPARE(ini.WriteString("k", "v"), 0);
        QCOMPARE(ini.ReadString("k", value), 0);
        QVERIFY(ini.Save());
        QCOMPARE(ReadBytes(missing), QByteArray("[S]\r\nk=v\r\n"));
    }

    void theFileIsReadOnce()
    {
        const QString path = write("[S]\r\nk=1\r\n");
        IniFile ini;
        ini.SetFileName(path);
        ini.SetSectionName("S");
        QByteArray value;
        QCOMPARE(ini.ReadString("k", value), 0);
        WriteBytes(path, "[S]\r\nk=2\r\n");
        QCOMPARE(ini.ReadString("k", value), 0);
        QCOMPARE(value, QByteArray("1"));
    }

    void anythingReadWritesBackUnchanged_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Windows file") << WindowsFile;
        QTest::newRow("garbage") << Garbage(200'000, 7);
        QTest::newRow("garbage with line ends") << Garbage(50'000, 11).replace('\x01', "\r\n[").replace('\x02', "=");
        QTest::newRow("huge line") << "[S]\r\n" + QByteArray(5'000'000, 'z');
    }

    void anythingReadWritesBackUnchanged()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(IniDocument::Parse(bytes).serialize() == bytes);

        // A new key leaves every byte that was there before.
        const QString path = write(bytes);
        IniFile ini;
        ini.SetFileName(path);
        ini.SetSectionName("Added");
        QCOMPARE(ini.WriteString("k", "v"), 0);
        QVERIFY(ini.Save());
        const QByteArray saved = ReadBytes(path);
        QVERIFY(saved.startsWith(bytes));
        QVERIFY(saved.mid(bytes.size()).contains("[Added]"));
        IniFile again;
        again.SetFileName(path);
        again.SetSectionName("added");
        QByteArray value;
        QCOMPARE(again.ReadString("K", value), 0);
        QCOMPARE(value, QByteArray("v"));
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "test_ini_file.moc"

#include "PictureFiles.h"
#include "PrintDialog.h"
#include "PrintStamp.h"
#include "SheetFixtures.h"
#include "support/TestEnvironment.h"
#include "TwipConversion.h"
#include "UserSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace corvex;

namespace {

const QDateTime now(QDate(2026, 12, 6), QTime(18, 30));

template <typename Widget>
Widget *child(QWidget *dialog, const QString &name)
{
    return dialog->findChild<Widget *>(name);
}

// The file chosen ("": cancelled), the size of its picture (empty: a text file), and whether it is taken.
struct LogoChoice { QString choice; QSize size; bool accepted; };

} // namespace

class TestPrintDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_folders = std::make_unique<IsolatedUserFolders>();
        m_files = std::make_unique<QTemporaryDir>();
        m_messages.clear();
        m_chosenFile.clear();
        m_recording = std::make_shared<RecordingSurface>();
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_data = sampleData();
        m_data.programs[7] = sampleProgram("Routine", typeEm);
    }

    void openingAndTheBoxes_data()
    {
        QTest::addColumn<QString>("stored"); // "" none, or a file in the temporary folder
        QTest::addColumn<bool>("logo");

        QTest::newRow("readable logo") << "wide.png" << true;
        QTest::newRow("no logo stored") << "" << false;
        QTest::newRow("stored logo no picture") << "notes.txt" << false;
    }

    void openingAndTheBoxes()
    {
        QFETCH(QString, stored);
        QFETCH(bool, logo);
        const QString path = stored.isEmpty() ? QString() : m_files->filePath(stored);
        if (!path.isEmpty())
            QVERIFY((logo ? PictureFiles::writeRaster(path, 400, 200) : writeBytes(path, "not a picture")) && writeUserSetting(UserSetting::logoPicture, path));
        writeUserSetting(UserSetting::comment, QStringLiteral("Lab 2, bench 3"));

        PrintDialog dialog(m_data, 7, nullptr, seams());
        QCOMPARE(checkBox(dialog, 0)->isChecked(), logo);
        QCOMPARE(dialog.logoPath(), logo ? path : QString());
        QVERIFY(checkBox(dialog, 1)->isChecked() && checkBox(dialog, 2)->isChecked() && child<QRadioButton>(&dialog, QStringLiteral("opt_1"))->isChecked());
        // A logo that fails does not end the opening: range and comment are restored.
        QCOMPARE(shownRequest(dialog), QStringLiteral("7-7 Lab 2, bench 3"));
        // A stored path that fails today is kept for tomorrow (a network drive may be back).
        QCOMPARE(readUserSetting(UserSetting::logoPicture).toString(), path);
        QVERIFY(m_messages.isEmpty());

        // Ticking Logo is refused without a picture.
        checkBox(dialog, 0)->setChecked(false);
        checkBox(dialog, 0)->click();
        QCOMPARE(checkBox(dialog, 0)->isChecked(), logo);
    }

    void choosingALogo_data()
    {
        QTest::addColumn<LogoChoice>("row");
        QTest::newRow("wider than high") << LogoChoice{"wide.bmp", QSize(400, 200), true};
        QTest::newRow("cancelled") << LogoChoice{"", QSize(), false};
        QTest::newRow("not a picture") << LogoChoice{"notes.bmp", QSize(), false};
    }

    void choosingALogo()
    {
        QFETCH(LogoChoice, row);
        const auto &[choice, size, accepted] = row;
        // A refused choice must leave the logo there was; an accepted one must tick the box itself.
        const QString previous = m_files->filePath(QStringLiteral("previous.png"));
        QVERIFY(PictureFiles::writeRaster(previous, 64, 32));
        if (!accepted)
            writeUserSetting(UserSetting::logoPicture, previous);
        PrintDialog dialog(m_data, 1, nullptr, seams());
        if (!choice.isEmpty()) {
            m_chosenFile = m_files->filePath(choice);
            QVERIFY(size.isEmpty() ? writeBytes(m_chosenFile, "hello") : PictureFiles::writeRaster(m_chosenFile, size.width(), size.height()));
        }
        child<QPushButton>(&dialog, QStringLiteral("cmdOpenPic"))->click();

        const QString logo = accepted ? m_chosenFile : previous;
        QCOMPARE(dialog.logoPath(), logo);
        QVERIFY(checkBox(dialog, 0)->isChecked());
        QCOMPARE(dialog.logoPicture().size(), accepted ? size : QSize(64, 32));
        // Stored at once, before anything is printed.
        QCOMPARE(readUserSetting(UserSetting::logoPicture).toString(), logo);
        QVERIFY(m_messages.isEmpty()); // silent, as every failure of loading a logo
    }

    void okPrintsWhatTheControlsSay_data()
    {
        QTest::addColumn<bool>("settingsWritable");

        QTest::newRow("comment kept") << true;
        // The sheets still go out; the user learns that the comment is lost.
        QTest::newRow("settings read-only") << false;
    }

    void okPrintsWhatTheControlsSay()
    {
        QFETCH(bool, settingsWritable);

        const QString logo = m_files->filePath(QStringLiteral("tall.png"));
        QVERIFY(PictureFiles::writeRaster(logo, 200, 400));
        QVERIFY(writeUserSetting(UserSetting::logoPicture, logo));
        if (!settingsWritable)
            QVERIFY(QFile::setPermissions(openUserSettings()->fileName(), QFile::ReadOwner | QFile::ReadUser));
        PrintDialog dialog(m_data, 3, nullptr, seams());
        rangeBox(dialog, 1)->setText(QStringLiteral("5"));
        checkBox(dialog, 2)->click(); // no time
        comment(dialog)->setPlainText(QStringLiteral("Lab 2"));
        const PrintRequest request = dialog.currentRequest();
        QVERIFY(request.content == PrintRequest::Content::Programs && request.logo && request.date && !request.time);
        QCOMPARE(QStringList({request.firstProgram, request.lastProgram, request.dateText, request.comment}), QStringList({"3", "5", footerDateText(now), "Lab 2"}));
        QCOMPARE(request.logoPicture.size(), QSize(200, 400));

        child<QRadioButton>(&dialog, QStringLiteral("opt_0"))->click();
        child<QPushButton>(&dialog, QStringLiteral("cmdPrint"))->click();
        QCOMPARE(m_recording->pageCount(), 1);
        QCOMPARE(m_recording->findText(QStringLiteral("Reagent List")).text, QStringLiteral("Reagent List"));
        QCOMPARE(m_recording->pictures().size(), 1); // the logo is on the reagent list too
        QCOMPARE(readUserSetting(UserSetting::comment).toString(), settingsWritable ? QStringLiteral("Lab 2") : QString());
        QVERIFY(settingsWritable ? m_messages.isEmpty()
                                 : m_messages.size() == 1 && m_messages[0].endsWith(QLatin1String("so it was not written; it stays as it is.|exclamation")));
    }

private:
    PrintDialogSeams seams()
    {
        PrintDialogSeams seams = PrintDialogSeams::system();
        seams.showMessage = [this](QWidget *, QMessageBox::Icon icon, const QString &title, const QString &text) {
            const char *iconName = icon == QMessageBox::Information ? "information" : icon == QMessageBox::Warning ? "exclamation" : "other";
            m_messages << title + QLatin1Char('|') + text + QLatin1Char('|') + QLatin1String(iconName);
        };
        seams.chooseLogoFile = [this](QWidget *) { return m_chosenFile; };
        seams.openSurface = [this](QPrinter &) { return m_recording; };
        seams.now = [] { return now; };
        seams.printer = m_printer.get();
        return seams;
    }

    static QCheckBox *checkBox(QWidget &dialog, int index)
    {
        return child<QCheckBox>(&dialog, QStringLiteral("chk_%1").arg(index));
    }
    static QLineEdit *rangeBox(QWidget &dialog, int index)
    {
        return child<QLineEdit>(&dialog, QStringLiteral("txtProgramID_%1").arg(index));
    }
    static QPlainTextEdit *comment(QWidget &dialog) { return child<QPlainTextEdit>(&dialog, QStringLiteral("txtComment")); }
    // The range and the comment as the dialog shows them: "first-last comment".
    static QString shownRequest(QWidget &dialog)
    {
        return rangeBox(dialog, 0)->text() + QLatin1Char('-') + rangeBox(dialog, 1)->text() + QLatin1Char(' ') + comment(dialog)->toPlainText();
    }

    std::unique_ptr<IsolatedUserFolders> m_folders;
    std::unique_ptr<QTemporaryDir> m_files;
    std::shared_ptr<RecordingSurface> m_recording;
    std::unique_ptr<QPrinter> m_printer;
    QStringList m_messages; // title|text|icon
    QString m_chosenFile;
    InstrumentData m_data;
};

QTEST_MAIN(TestPrintDialog)
#include "test_print_dialog.moc"

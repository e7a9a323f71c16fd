#include "model/UserSettings.h"
#include "print/RecordingSurface.h"
#include "print/frmPrint.h"
#include "support/TestEnvironment.h"
#include "PdfReading.h"
#include "PictureFiles.h"
#include "SheetFixtures.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <optional>

using Item = RecordingSurface::Item;

namespace {

// Hands the print run a surface that the test keeps and reads afterwards.
class SurfaceRef : public PrintSurface
{
public:
    explicit SurfaceRef(RecordingSurface &target) : m_target(target) {}
    bool setDrawingMode(int mode) override { return m_target.setDrawingMode(mode); }
    bool printText(QPointF at, const QString &text, const PrintTextStyle &style) override { return m_target.printText(at, text, style); }
    bool drawLine(const QLineF &line, const QColor &colour) override { return m_target.drawLine(line, colour); }
    bool drawPicture(const QRectF &target, const QImage &picture) override { return m_target.drawPicture(target, picture); }
    bool newPage() override { return m_target.newPage(); }
    bool endJob() override { return m_target.endJob(); }
    void discardJob() override { m_target.discardJob(); }

private:
    RecordingSurface &m_target;
};

struct Message
{
    QMessageBox::Icon icon;
    QString title;
    QString text;
};

const QString LogoMessage = QStringLiteral("If you want to print a Logo, you have to load a Picture File first.");

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
        m_recording = std::make_unique<RecordingSurface>();
        m_data = SampleData();
        m_data.programs[7] = SampleProgram("Routine", 1);
    }

    void openingWithAStoredLogo()
    {
        const QString logo = picture(QStringLiteral("wide.png"), 400, 200);
        WriteUserSetting(UserSetting::LogoPicture, logo);
        WriteUserSetting(UserSetting::Comment, QStringLiteral("Lab 2, bench 3"));

        frmPrint dialog(m_data, 7, nullptr, seams());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Print Program..."));
        QVERIFY(checkBox(dialog, 0)->isChecked());
        QVERIFY(checkBox(dialog, 1)->isChecked());
        QVERIFY(checkBox(dialog, 2)->isChecked());
        QVERIFY(option(dialog, 1)->isChecked());
        QCOMPARE(rangeBox(dialog, 0)->text(), QStringLiteral("7"));
        QCOMPARE(rangeBox(dialog, 1)->text(), QStringLiteral("7"));
        QCOMPARE(comment(dialog)->toPlainText(), QStringLiteral("Lab 2, bench 3"));
        QCOMPARE(dialog.logoPath(), logo);
        QCOMPARE(previewSize(dialog), pixels(dialog, 2715, 1357.5));
        QVERIFY(m_messages.isEmpty());
    }

    void openingWithoutAUsableLogo_data()
    {
        QTest::addColumn<QString>("stored"); // "" none, or a file name in the temporary folder

        QTest::newRow("no logo stored") << "";
        QTest::newRow("stored logo deleted") << "gone.bmp";
        QTest::newRow("stored logo no picture") << "notes.txt";
    }

    void openingWithoutAUsableLogo()
    {
        QFETCH(QString, stored);
        if (!stored.isEmpty()) {
            const QString path = m_files->filePath(stored);
            if (stored.endsWith(QLatin1String(".txt")))
                QVERIFY(PictureFiles::writeBytes(path, "not a picture"));
            WriteUserSetting(UserSetting::LogoPicture, path);
        }
        WriteUserSetting(UserSetting::Comment, QStringLiteral("kept"));

        frmPrint dialog(m_data, 12, nullptr, seams());
        QVERIFY(!checkBox(dialog, 0)->isChecked());
        QVERIFY(dialog.logoPath().isEmpty());
        QVERIFY(m_messages.isEmpty());
        // The rest of the opening is done: the range and the comment are restored.
        QCOMPARE(rangeBox(dialog, 0)->text(), QStringLiteral("12"));
        QCOMPARE(rangeBox(dialog, 1)->text(), QStringLiteral("12"));
        QCOMPARE(comment(dialog)->toPlainText(), QStringLiteral("kept"));
        // A stored path that fails today is kept for tomorrow (a network drive may be back).
        QCOMPARE(ReadUserSetting(UserSetting::LogoPicture).toString().isEmpty(), stored.isEmpty());
    }

    void tickingLogoWithoutAPictureIsRefused()
    {
        frmPrint dialog(m_data, 1, nullptr, seams());
        checkBox(dialog, 0)->click();
        QVERIFY(!checkBox(dialog, 0)->isChecked());
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages[0].icon, QMessageBox::Information);
        QCOMPARE(m_messages[0].title, QStringLiteral("Logo"));
        QCOMPARE(m_messages[0].text, LogoMessage);

        for (int box : {1, 2}) {
            checkBox(dialog, box)->click();
            checkBox(dialog, box)->click();
            QVERIFY(checkBox(dialog, box)->isChecked());
        }
        QCOMPARE(m_messages.size(), 1);
    }

    void optionButtonsEnableTheRange()
    {
        frmPrint dialog(m_data, 7, nullptr, seams());
        rangeBox(dialog, 1)->setText(QStringLiteral("9"));
        option(dialog, 0)->click();
        QVERIFY(!rangeBox(dialog, 0)->isEnabled());
        QVERIFY(!rangeBox(dialog, 1)->isEnabled());
        option(dialog, 1)->click();
        QVERIFY(rangeBox(dialog, 0)->isEnabled());
        QVERIFY(rangeBox(dialog, 1)->isEnabled());
        QCOMPARE(rangeBox(dialog, 0)->text(), QStringLiteral("7"));
        QCOMPARE(rangeBox(dialog, 1)->text(), QStringLiteral("9"));
    }

    void openingALogo_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("previewWidth");
        QTest::addColumn<double>("previewHeight");

        QTest::newRow("wider than high") << 400 << 200 << 2715.0 << 1357.5;
        QTest::newRow("higher than wide") << 200 << 400 << 1357.5 << 2715.0;
        QTest::newRow("square") << 64 << 64 << 2715.0 << 2715.0;
    }

    void openingALogo()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(double, previewWidth);
        QFETCH(double, previewHeight);

        frmPrint dialog(m_data, 1, nullptr, seams());
        m_chosenFile = picture(QStringLiteral("logo.bmp"), width, height);
        button(dialog, "cmdOpenPic")->click();

        QCOMPARE(dialog.logoPath(), m_chosenFile);
        QVERIFY(checkBox(dialog, 0)->isChecked());
        QCOMPARE(previewSize(dialog), pixels(dialog, previewWidth, previewHeight));
        // Stored at once, before anything is printed.
        QCOMPARE(ReadUserSetting(UserSetting::LogoPicture).toString(), m_chosenFile);
        QVERIFY(m_messages.isEmpty());
    }

    void aFailedLogoChoiceChangesNothing_data()
    {
        QTest::addColumn<QString>("choice"); // "" = cancelled
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("cancelled") << "" << QByteArray();
        QTest::newRow("not a picture") << "notes.bmp" << QByteArray("hello");
        QTest::newRow("broken enhanced metafile") << "logo.emf" << PictureFiles::enhancedMetafile400x200().left(100);
    }

    void aFailedLogoChoiceChangesNothing()
    {
        QFETCH(QString, choice);
        QFETCH(QByteArray, bytes);

        const QString logo = picture(QStringLiteral("first.png"), 400, 200);
        WriteUserSetting(UserSetting::LogoPicture, logo);
        frmPrint dialog(m_data, 1, nullptr, seams());
        const QSize before = previewSize(dialog);
        if (!choice.isEmpty()) {
            m_chosenFile = m_files->filePath(choice);
            QVERIFY(PictureFiles::writeBytes(m_chosenFile, bytes));
        }
        button(dialog, "cmdOpenPic")->click();

        QCOMPARE(dialog.logoPath(), logo);
        QVERIFY(checkBox(dialog, 0)->isChecked());
        QCOMPARE(previewSize(dialog), before);
        QCOMPARE(dialog.logoPicture().size(), QSize(400, 200));
        QCOMPARE(ReadUserSetting(UserSetting::LogoPicture).toString(), logo);
        // Silent, as every failure of loading a logo.
        QVERIFY(m_messages.isEmpty());
    }

    void cancelDoesNotStoreTheComment()
    {
        WriteUserSetting(UserSetting::Comment, QStringLiteral("before"));
        frmPrint dialog(m_data, 1, nullptr, seams());
        comment(dialog)->setPlainText(QStringLiteral("edited"));
        button(dialog, "cmdCancel")->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(ReadUserSetting(UserSetting::Comment).toString(), QStringLiteral("before"));
        QVERIFY(m_recording->items().isEmpty());
    }

    void okStoresTheCommentAndPrintsWhatTheControlsSay()
    {
        frmPrint dialog(m_data, 3, nullptr, seams());
        rangeBox(dialog, 1)->setText(QStringLiteral("5"));
        checkBox(dialog, 2)->click(); // no time
        comment(dialog)->setPlainText(QStringLiteral("Lab 2"));
        dialog.show();
        button(dialog, "cmdPrint")->click();

        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.keptAfterFailure());
        QCOMPARE(ReadUserSetting(UserSetting::Comment).toString(), QStringLiteral("Lab 2"));
        QVERIFY(m_recording->ended());
        QCOMPARE(m_recording->pageCount(), 3);
        QCOMPARE(m_recording->findText(QStringLiteral("Program 05"), 3).position, QPointF(1500, 2550));
        QCOMPARE(m_recording->findText(QStringLiteral("Lab 2"), 2).position, QPointF(0, 450));
        const QList<Item> footer = footerTexts();
        QCOMPARE(footer.size(), 3);
        for (const Item &item : footer)
            QCOMPARE(item.position, QPointF(750, 15000));
        QVERIFY(m_messages.isEmpty());
    }

    void okOnTheReagentListWithALogo()
    {
        WriteUserSetting(UserSetting::LogoPicture, picture(QStringLiteral("tall.png"), 200, 400));
        frmPrint dialog(m_data, 1, nullptr, seams());
        option(dialog, 0)->click();
        button(dialog, "cmdPrint")->click();

        QCOMPARE(m_recording->pageCount(), 1);
        QCOMPARE(m_recording->findText(QStringLiteral("Reagent List")).position, QPointF(1200, 1950));
        QCOMPARE(m_recording->pictures().size(), 1);
        QCOMPARE(m_recording->pictures()[0].target, QRectF(6750, 300, 1875, 3750));
        QCOMPARE(footerTexts().size(), 2);
    }

    void okPrintsOnThePrinterChosenInTheSetup()
    {
        PrintDialogSeams real = seams();
        real.openSurface = PrintDialogSeams::System().openSurface;
        frmPrint dialog(m_data, 7, nullptr, real);
        // What choosing "Print to File (PDF)" in the print setup leaves in the printer.
        const QString pdf = m_files->filePath(QStringLiteral("chosen.pdf"));
        dialog.printer().setOutputFormat(QPrinter::PdfFormat);
        dialog.printer().setOutputFileName(pdf);
        button(dialog, "cmdPrint")->click();

        QVERIFY(m_messages.isEmpty());
        QCOMPARE(PdfReading::pageCount(pdf), 1);
        QVERIFY(PdfReading::text(pdf).contains(QLatin1String("Program 07")));
    }

    void okStoresTheCommentEvenWhenTheRunFails()
    {
        WriteUserSetting(UserSetting::Comment, QStringLiteral("before"));
        frmPrint dialog(m_data, 1, nullptr, seams());
        comment(dialog)->setPlainText(QStringLiteral("after"));
        m_recording->failAt(Item::DrawingMode);
        dialog.show();
        button(dialog, "cmdPrint")->click();

        QCOMPARE(ReadUserSetting(UserSetting::Comment).toString(), QStringLiteral("after"));
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages[0].icon, QMessageBox::Warning);
        QCOMPARE(m_messages[0].title, QStringLiteral("Printer Error."));
        QCOMPARE(m_messages[0].text, QStringLiteral("Unknown Printer Error."));
        // Hidden and kept, as it was, for the next opening.
        QVERIFY(dialog.keptAfterFailure());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(m_recording->discarded());
        QCOMPARE(comment(dialog)->toPlainText(), QStringLiteral("after"));
    }

    void aBadReagentNumberFailsThePrint()
    {
        m_data.programs[7].vial(4).Reagent = 250;
        frmPrint dialog(m_data, 7, nullptr, seams());
        button(dialog, "cmdPrint")->click();
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages[0].text, QStringLiteral("Unknown Printer Error."));
        QVERIFY(dialog.keptAfterFailure());

        // Mended in the main window, the kept dialog prints on its next OK.
        m_data.programs[7].vial(4).Reagent = 2;
        m_recording = std::make_unique<RecordingSurface>();
        button(dialog, "cmdPrint")->click();
        QVERIFY(!dialog.keptAfterFailure());
        QVERIFY(m_recording->ended());
    }

    void previewDrawsWhatTheRunWouldPrint()
    {
        frmPrint dialog(m_data, 3, nullptr, seams());
        dialog.findChild<QLineEdit *>(QStringLiteral("txtProgramID_1"))->setText(QStringLiteral("5"));
        int pages = -1;
        auto *timer = new QTimer(&dialog);
        timer->setInterval(10);
        connect(timer, &QTimer::timeout, &dialog, [&] {
            QWidget *preview = QApplication::activeModalWidget();
            auto *pagesView = preview ? preview->findChild<QPrintPreviewWidget *>() : nullptr;
            if (!pagesView || pagesView->pageCount() == 0)
                return;
            pages = pagesView->pageCount();
            timer->stop();
            preview->close();
        });
        timer->start();
        button(dialog, "cmdPreview")->click();
        QCOMPARE(pages, 3);
        QVERIFY(m_messages.isEmpty());
        // A preview neither stores the comment nor prints.
        QVERIFY(!HasUserSetting(UserSetting::Comment));
        QVERIFY(m_recording->items().isEmpty());
    }

    void aDialogHiddenByAFailureIsShownAgainAsItWas()
    {
        QList<QPointer<QWidget>> shown;
        // Answers the modal dialog once it is up: `act` gets the dialog.
        auto whenShown = [&](std::function<void(QWidget *)> act) {
            auto *timer = new QTimer(this);
            timer->setInterval(10);
            connect(timer, &QTimer::timeout, this, [timer, act, &shown] {
                QWidget *dialog = QApplication::activeModalWidget();
                if (!dialog || !dialog->isVisible())
                    return;
                timer->stop();
                timer->deleteLater();
                shown.append(dialog);
                act(dialog);
            });
            timer->start();
        };

        m_recording->failAt(Item::NewPage);
        whenShown([](QWidget *dialog) {
            dialog->findChild<QLineEdit *>(QStringLiteral("txtProgramID_1"))->setText(QStringLiteral("9"));
            dialog->findChild<QPlainTextEdit *>(QStringLiteral("txtComment"))->setPlainText(QStringLiteral("edited"));
            dialog->findChild<QPushButton *>(QStringLiteral("cmdPrint"))->click();
        });
        frmPrint::ShowModal(m_data, 7, nullptr, seams());
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(shown.value(0));
        QVERIFY(!shown[0]->isVisible());

        // The next opening shows the same dialog, without the opening steps.
        QString range, text;
        whenShown([&](QWidget *dialog) {
            range = dialog->findChild<QLineEdit *>(QStringLiteral("txtProgramID_0"))->text()
                + QLatin1Char('-') + dialog->findChild<QLineEdit *>(QStringLiteral("txtProgramID_1"))->text();
            text = dialog->findChild<QPlainTextEdit *>(QStringLiteral("txtComment"))->toPlainText();
            dialog->findChild<QPushButton *>(QStringLiteral("cmdCancel"))->click();
        });
        frmPrint::ShowModal(m_data, 2, nullptr, seams());
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[1].data(), shown[0].data());
        QCOMPARE(range, QStringLiteral("7-9"));
        QCOMPARE(text, QStringLiteral("edited"));
        // Cancel unloaded it.
        QVERIFY(shown[0].isNull());

        whenShown([&](QWidget *dialog) {
            range = dialog->findChild<QLineEdit *>(QStringLiteral("txtProgramID_0"))->text();
            dialog->findChild<QPushButton *>(QStringLiteral("cmdCancel"))->click();
        });
        frmPrint::ShowModal(m_data, 2, nullptr, seams());
        QCOMPARE(range, QStringLiteral("2"));
    }

private:
    PrintDialogSeams seams()
    {
        PrintDialogSeams seams = PrintDialogSeams::System();
        seams.showMessage = [this](QWidget *, QMessageBox::Icon icon, const QString &title, const QString &text) {
            m_messages.append({icon, title, text});
        };
        seams.chooseLogoFile = [this](QWidget *) { return m_chosenFile; };
        seams.openSurface = [this](QPrinter &) -> std::unique_ptr<PrintSurface> {
            return std::make_unique<SurfaceRef>(*m_recording);
        };
        seams.now = [] { return QDateTime(QDate(2026, 12, 6), QTime(18, 30)); };
        return seams;
    }

    QString picture(const QString &name, int width, int height)
    {
        const QString path = m_files->filePath(name);
        if (!PictureFiles::writeRaster(path, width, height, nullptr))
            qFatal("cannot write a test picture");
        return path;
    }

    // Date and time texts of the footer, recognised by their line.
    QList<Item> footerTexts() const
    {
        QList<Item> found;
        for (const Item &item : m_recording->texts()) {
            if (item.position.y() == 15000)
                found.append(item);
        }
        return found;
    }

    static QCheckBox *checkBox(frmPrint &dialog, int index)
    {
        return dialog.findChild<QCheckBox *>(QStringLiteral("chk_%1").arg(index));
    }
    static QRadioButton *option(frmPrint &dialog, int index)
    {
        return dialog.findChild<QRadioButton *>(QStringLiteral("opt_%1").arg(index));
    }
    static QLineEdit *rangeBox(frmPrint &dialog, int index)
    {
        return dialog.findChild<QLineEdit *>(QStringLiteral("txtProgramID_%1").arg(index));
    }
    static QPlainTextEdit *comment(frmPrint &dialog) { return dialog.findChild<QPlainTextEdit *>(QStringLiteral("txtComment")); }
    static QPushButton *button(frmPrint &dialog, const char *name)
    {
        return dialog.findChild<QPushButton *>(QLatin1String(name));
    }
    static QSize previewSize(frmPrint &dialog) { return dialog.findChild<QLabel *>(QStringLiteral("LogoPicture"))->size(); }
    static QSize pixels(frmPrint &dialog, double widthTwips, double heightTwips)
    {
        return {frmPrint::TwipsToPixels(widthTwips, dialog.logicalDpiX()), frmPrint::TwipsToPixels(heightTwips, dialog.logicalDpiY())};
    }

    std::unique_ptr<IsolatedUserFolders> m_folders;
    std::unique_ptr<QTemporaryDir> m_files;
    std::unique_ptr<RecordingSurface> m_recording;
    QList<Message> m_messages;
    QString m_chosenFile;
    InstrumentData m_data;
};

QTEST_MAIN(TestPrintDialog)
#include "test_print_dialog.moc"

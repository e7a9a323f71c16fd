#include "print/frmPrint.h"

#include "model/ListTexts.h"
#include "model/Twips.h"
#include "model/UserSettings.h"
#include "print/LogoFit.h"
#include "print/LogoLoader.h"
#include "print/PrintLog.h"
#include "print/PrintLayout.h"
#include "print/PrintStamp.h"
#include "print/PrinterSurface.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

const QString LogoMessage = QStringLiteral("If you want to print a Logo, you have to load a Picture File first.");

template <typename Widget>
Widget *named(Widget *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

// A setting that cannot be kept is no reason not to go on, but the user
// learns that it will be lost.
void keepSetting(const PrintDialogSeams &seams, QWidget *parent, const char *key, const QVariant &value)
{
    if (const StoreResult saved = WriteUserSetting(key, value); !saved)
        seams.showMessage(parent, QMessageBox::Warning, utilityTitle(), saved.error);
}

} // namespace

frmPrint::frmPrint(const InstrumentData &data, int currentProgram, QWidget *parent, PrintDialogSeams seams)
    : QDialog(parent), m_data(data), m_seams(std::move(seams)),
      m_printer(m_seams.printer ? *m_seams.printer : SessionPrinter())
{
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(QStringLiteral("Print Program..."));
    setWindowModality(Qt::ApplicationModal);
    buildControls();
    runOpeningSteps(currentProgram);
}

void frmPrint::buildControls()
{
    Frame2 = named(new QGroupBox(QStringLiteral("Print What"), this), QStringLiteral("Frame2"));
    opt[0] = named(new QRadioButton(QStringLiteral("Reagent List"), Frame2), QStringLiteral("opt_0"));
    opt[1] = named(new QRadioButton(QStringLiteral("Program(s):"), Frame2), QStringLiteral("opt_1"));
    opt[1]->setChecked(true);
    for (int i = 0; i < 2; ++i) {
        txtProgramID[i] = named(new QLineEdit(QStringLiteral("1"), Frame2), QStringLiteral("txtProgramID_%1").arg(i));
        txtProgramID[i]->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    }
    Label2 = named(new QLabel(QStringLiteral("to"), Frame2), QStringLiteral("Label2"));
    const char *checkCaptions[] = {"Logo", "Current Date", "Current Time"};
    for (int i = 0; i < 3; ++i)
        chk[i] = named(new QCheckBox(QLatin1String(checkCaptions[i]), Frame2), QStringLiteral("chk_%1").arg(i));
    chk[1]->setChecked(true);
    chk[2]->setChecked(true);
    Label3 = named(new QLabel(QStringLiteral("Additional Text (Optional):"), Frame2), QStringLiteral("Label3"));
    txtComment = named(new QPlainTextEdit(Frame2), QStringLiteral("txtComment"));
    txtComment->setTabChangesFocus(true);
    Label3->setBuddy(txtComment);

    auto *what = new QGridLayout(Frame2);
    what->addWidget(opt[0], 0, 0, 1, 4);
    what->addWidget(opt[1], 1, 0);
    what->addWidget(txtProgramID[0], 1, 1);
    what->addWidget(Label2, 1, 2);
    what->addWidget(txtProgramID[1], 1, 3);
    for (int i = 0; i < 3; ++i)
        what->addWidget(chk[i], 2 + i, 0, 1, 4);
    what->addWidget(Label3, 5, 0, 1, 4);
    what->addWidget(txtComment, 6, 0, 1, 4);
    what->setColumnStretch(4, 1);

    Frame1 = named(new QGroupBox(QStringLiteral("Logo Preview"), this), QStringLiteral("Frame1"));
    const int side = twipsToPixels(LogoPreviewSide, logicalDpiX());
    auto *square = new QWidget(Frame1);
    square->setFixedSize(side, side);
    LogoPicture = named(new QLabel(square), QStringLiteral("LogoPicture"));
    LogoPicture->setScaledContents(true);
    LogoPicture->setGeometry(0, 0, side, side);
    auto *previewLayout = new QVBoxLayout(Frame1);
    previewLayout->addWidget(square);

    cmdOpenPic = named(new QPushButton(QStringLiteral("Open &Logo..."), this), QStringLiteral("cmdOpenPic"));
    cmdSetup = named(new QPushButton(QStringLiteral("&Print Setup..."), this), QStringLiteral("cmdSetup"));
    cmdPreview = named(new QPushButton(QStringLiteral("Print Pre&view..."), this), QStringLiteral("cmdPreview"));
    cmdPrint = named(new QPushButton(QStringLiteral("&OK"), this), QStringLiteral("cmdPrint"));
    cmdCancel = named(new QPushButton(QStringLiteral("&Cancel"), this), QStringLiteral("cmdCancel"));
    cmdPrint->setDefault(true);

    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {cmdOpenPic, cmdSetup, cmdPreview})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdCancel);

    auto *right = new QVBoxLayout;
    right->addWidget(Frame1);
    right->addStretch(1);
    auto *main = new QHBoxLayout(this);
    main->addWidget(Frame2, 1);
    main->addLayout(right);
    main->addLayout(buttons);

    // Toggled rather than clicked: arrow keys move the choice without a click.
    for (int i = 0; i < 2; ++i) {
        connect(opt[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                opt_Click(i);
        });
    }
    for (int i = 0; i < 3; ++i)
        connect(chk[i], &QCheckBox::toggled, this, [this, i] { chk_Click(i); });
    connect(cmdOpenPic, &QPushButton::clicked, this, &frmPrint::cmdOpenPic_Click);
    connect(cmdSetup, &QPushButton::clicked, this, &frmPrint::cmdSetup_Click);
    connect(cmdPreview, &QPushButton::clicked, this, &frmPrint::cmdPreview_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmPrint::cmdPrint_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPrint::cmdCancel_Click);
}

void frmPrint::runOpeningSteps(int currentProgram)
{
    // A stored logo that cannot be loaded any more (moved, deleted) leaves the
    // dialog without a logo; the rest of the opening still restores the range
    // and the comment, so that OK does not overwrite the stored comment.
    const QString stored = ReadUserSetting(UserSetting::LogoPicture).toString();
    if (!stored.isEmpty()) {
        const LogoLoad load = LoadLogoPicture(stored);
        if (load.loaded() && showLogo(load.picture)) {
            m_logoPath = stored;
            chk[0]->setChecked(true);
        }
    }
    const QString program = QString::number(currentProgram);
    txtProgramID[0]->setText(program);
    txtProgramID[1]->setText(program);
    txtComment->setPlainText(ReadUserSetting(UserSetting::Comment).toString());
}

bool frmPrint::showLogo(const QImage &picture)
{
    const std::optional<QSizeF> fitted = FitLogoPreview(picture.size());
    if (!fitted)
        return false;
    m_logo = picture;
    LogoPicture->setPixmap(QPixmap::fromImage(picture));
    LogoPicture->setGeometry(0, 0, twipsToPixels(fitted->width(), logicalDpiX()),
                             twipsToPixels(fitted->height(), logicalDpiY()));
    return true;
}

void frmPrint::opt_Click(int index)
{
    for (QLineEdit *box : txtProgramID)
        box->setEnabled(index != 0);
}

void frmPrint::chk_Click(int index)
{
    if (index != 0 || !chk[0]->isChecked() || !m_logoPath.isEmpty())
        return;
    chk[0]->setChecked(false);
    m_seams.showMessage(this, QMessageBox::Information, QStringLiteral("Logo"), LogoMessage);
}

void frmPrint::cmdOpenPic_Click()
{
    const QString file = m_seams.chooseLogoFile(this);
    // Cancelling the file dialog changes nothing, the preview included.
    if (file.isEmpty())
        return;
    const LogoLoad load = LoadLogoPicture(file);
    if (!load.loaded() || !showLogo(load.picture))
        return;
    m_logoPath = file;
    chk[0]->setChecked(true);
    keepSetting(m_seams, this, UserSetting::LogoPicture, m_logoPath);
}

void frmPrint::cmdSetup_Click()
{
    QPrintDialog setup(&m_printer, this);
    setup.setWindowTitle(QStringLiteral("Print Setup"));
    setup.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // Here the printer is only chosen; printing starts from this dialog's OK.
    if (auto *buttons = setup.findChild<QDialogButtonBox *>()) {
        if (QPushButton *accept = buttons->button(QDialogButtonBox::Ok))
            accept->setText(QStringLiteral("&OK"));
    }
    // The printer keeps its earlier settings when the setup is cancelled.
    setup.exec();
}

PrintRequest frmPrint::currentRequest() const
{
    PrintRequest request;
    request.content = opt[1]->isChecked() ? PrintRequest::Content::Programs : PrintRequest::Content::ReagentList;
    request.firstProgram = txtProgramID[0]->text();
    request.lastProgram = txtProgramID[1]->text();
    request.logo = chk[0]->isChecked();
    request.logoPicture = m_logo;
    request.date = chk[1]->isChecked();
    request.time = chk[2]->isChecked();
    const QDateTime now = m_seams.now();
    request.dateText = FooterDateText(now);
    request.timeText = FooterTimeText(now);
    request.comment = txtComment->toPlainText();
    return request;
}

void frmPrint::cmdPreview_Click()
{
    QPrintPreviewDialog preview(&m_printer, this);
    preview.setWindowTitle(QStringLiteral("Print Preview"));
    const PrintRequest request = currentRequest();
    bool failed = false;
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter *printer) {
        PrinterSurface surface(*printer);
        failed = !RunPrintLayout(m_data, request, surface).ok();
    });
    preview.exec();
    if (failed)
        m_seams.showMessage(this, QMessageBox::Warning, PrinterErrorTitle(), PrinterErrorText());
}

namespace {

// Where a print run goes, for the transfer log.
QString destinationOf(const QPrinter &printer)
{
    if (!printer.outputFileName().isEmpty())
        return QStringLiteral("\"%1\"").arg(printer.outputFileName());
    return QStringLiteral("the printer \"%1\"").arg(printer.printerName());
}

} // namespace

void frmPrint::cmdPrint_Click()
{
    hide();
    m_keptAfterFailure = false;
    keepSetting(m_seams, parentWidget(), UserSetting::Comment, txtComment->toPlainText());

    const PrintRequest request = currentRequest();
    m_printer.setDocName(PrintJobTitle(request));
    const std::shared_ptr<PrintSurface> surface = m_seams.openSurface(m_printer);
    const PrintResult printed = RunPrintLayout(m_data, request, *surface);
    LogPrintRun(m_data, request, destinationOf(m_printer), printed);
    if (!printed) {
        // The dialog stays loaded and hidden; the next opening shows it as it is.
        m_keptAfterFailure = true;
        m_seams.showMessage(parentWidget(), QMessageBox::Warning, PrinterErrorTitle(), PrinterErrorText());
        return;
    }
    accept();
}

void frmPrint::done(int result)
{
    m_keptAfterFailure = false;
    QDialog::done(result);
}

void frmPrint::cmdCancel_Click()
{
    reject();
}

void frmPrint::ShowModal(const InstrumentData &data, int currentProgram, QWidget *parent, PrintDialogSeams seams)
{
    static QPointer<frmPrint> kept;
    frmPrint *dialog = kept ? kept.data() : new frmPrint(data, currentProgram, parent, std::move(seams));
    kept = dialog;
    dialog->exec();
    if (!dialog->keptAfterFailure()) {
        kept.clear();
        delete dialog;
    }
}

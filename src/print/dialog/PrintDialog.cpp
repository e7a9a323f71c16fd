#include "PrintDialog.h"

#include "ListTexts.h"
#include "LogoFit.h"
#include "LogoLoader.h"
#include "PrinterSurface.h"
#include "PrintLayout.h"
#include "PrintLog.h"
#include "PrintService.h"
#include "PrintStamp.h"
#include "TwipConversion.h"
#include "UserSettings.h"

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

namespace corvex {

namespace {

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
    if (const StoreResult saved = writeUserSetting(key, value); !saved)
        seams.showMessage(parent, QMessageBox::Warning, utilityTitle(), saved.error);
}

} // namespace

PrintDialog::PrintDialog(const InstrumentData &data, int currentProgram, QWidget *parent, PrintDialogSeams seams)
    : QDialog(parent), m_data(data), m_seams(std::move(seams)),
      m_ownPrinter(m_seams.printer ? nullptr : std::make_unique<QPrinter>(QPrinter::HighResolution)),
      m_printer(m_seams.printer ? *m_seams.printer : *m_ownPrinter)
{
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(tr("Print Program..."));
    setWindowModality(Qt::ApplicationModal);
    buildControls();
    runOpeningSteps(currentProgram);
}

void PrintDialog::buildControls()
{
    m_printWhatGroup = named(new QGroupBox(tr("Print What"), this), QStringLiteral("Frame2"));
    m_reagentListOption =
        named(new QRadioButton(tr("Reagent List"), m_printWhatGroup), QStringLiteral("opt_0"));
    m_programsOption = named(new QRadioButton(tr("Program(s):"), m_printWhatGroup), QStringLiteral("opt_1"));
    m_programsOption->setChecked(true);
    m_firstProgramBox = named(new QLineEdit(QStringLiteral("1"), m_printWhatGroup), QStringLiteral("txtProgramID_0"));
    m_lastProgramBox = named(new QLineEdit(QStringLiteral("1"), m_printWhatGroup), QStringLiteral("txtProgramID_1"));
    for (QLineEdit *box : {m_firstProgramBox, m_lastProgramBox})
        box->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    m_toLabel = named(new QLabel(tr("to"), m_printWhatGroup), QStringLiteral("Label2"));
    m_logoCheck = named(new QCheckBox(tr("Logo"), m_printWhatGroup), QStringLiteral("chk_0"));
    m_dateCheck = named(new QCheckBox(tr("Current Date"), m_printWhatGroup), QStringLiteral("chk_1"));
    m_timeCheck = named(new QCheckBox(tr("Current Time"), m_printWhatGroup), QStringLiteral("chk_2"));
    m_dateCheck->setChecked(true);
    m_timeCheck->setChecked(true);
    m_commentLabel =
        named(new QLabel(tr("Additional Text (Optional):"), m_printWhatGroup), QStringLiteral("Label3"));
    m_commentBox = named(new QPlainTextEdit(m_printWhatGroup), QStringLiteral("txtComment"));
    m_commentBox->setTabChangesFocus(true);
    m_commentLabel->setBuddy(m_commentBox);

    auto *what = new QGridLayout(m_printWhatGroup);
    what->addWidget(m_reagentListOption, 0, 0, 1, 4);
    what->addWidget(m_programsOption, 1, 0);
    what->addWidget(m_firstProgramBox, 1, 1);
    what->addWidget(m_toLabel, 1, 2);
    what->addWidget(m_lastProgramBox, 1, 3);
    what->addWidget(m_logoCheck, 2, 0, 1, 4);
    what->addWidget(m_dateCheck, 3, 0, 1, 4);
    what->addWidget(m_timeCheck, 4, 0, 1, 4);
    what->addWidget(m_commentLabel, 5, 0, 1, 4);
    what->addWidget(m_commentBox, 6, 0, 1, 4);
    what->setColumnStretch(4, 1);

    m_logoPreviewGroup = named(new QGroupBox(tr("Logo Preview"), this), QStringLiteral("Frame1"));
    const int side = twipsToPixels(logoPreviewSide, logicalDpiX());
    auto *square = new QWidget(m_logoPreviewGroup);
    square->setFixedSize(side, side);
    m_logoPreview = named(new QLabel(square), QStringLiteral("LogoPicture"));
    m_logoPreview->setScaledContents(true);
    m_logoPreview->setGeometry(0, 0, side, side);
    auto *previewLayout = new QVBoxLayout(m_logoPreviewGroup);
    previewLayout->addWidget(square);

    m_openLogoButton = named(new QPushButton(tr("Open &Logo..."), this), QStringLiteral("cmdOpenPic"));
    m_setupButton = named(new QPushButton(tr("&Print Setup..."), this), QStringLiteral("cmdSetup"));
    m_previewButton = named(new QPushButton(tr("Print Pre&view..."), this), QStringLiteral("cmdPreview"));
    m_printButton = named(new QPushButton(tr("&OK"), this), QStringLiteral("cmdPrint"));
    m_cancelButton = named(new QPushButton(tr("&Cancel"), this), QStringLiteral("cmdCancel"));
    m_printButton->setDefault(true);

    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {m_openLogoButton, m_setupButton, m_previewButton})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(m_printButton);
    buttons->addWidget(m_cancelButton);

    auto *right = new QVBoxLayout;
    right->addWidget(m_logoPreviewGroup);
    right->addStretch(1);
    auto *main = new QHBoxLayout(this);
    main->addWidget(m_printWhatGroup, 1);
    main->addLayout(right);
    main->addLayout(buttons);

    // Toggled rather than clicked: arrow keys move the choice without a click.
    connect(m_programsOption, &QRadioButton::toggled, this, &PrintDialog::enableProgramRange);
    connect(m_logoCheck, &QCheckBox::toggled, this, &PrintDialog::refuseLogoWithoutPicture);
    connect(m_openLogoButton, &QPushButton::clicked, this, &PrintDialog::openLogo);
    connect(m_setupButton, &QPushButton::clicked, this, &PrintDialog::setUpPrinter);
    connect(m_previewButton, &QPushButton::clicked, this, &PrintDialog::showPreview);
    connect(m_printButton, &QPushButton::clicked, this, &PrintDialog::print);
    connect(m_cancelButton, &QPushButton::clicked, this, &PrintDialog::reject);
    setUpAccessibility();
}

void PrintDialog::setUpAccessibility()
{
    m_firstProgramBox->setAccessibleName(tr("First program"));
    m_firstProgramBox->setAccessibleDescription(tr("1 to 99"));
    m_lastProgramBox->setAccessibleName(tr("Last program"));
    m_lastProgramBox->setAccessibleDescription(tr("1 to 99"));
    m_logoPreview->setAccessibleName(tr("Logo preview"));
    m_printButton->setAccessibleName(tr("OK, print"));
}

void PrintDialog::runOpeningSteps(int currentProgram)
{
    // A stored logo that cannot be loaded any more (moved, deleted) leaves the
    // dialog without a logo; the rest of the opening still restores the range
    // and the comment, so that OK does not overwrite the stored comment.
    const QString stored = readUserSetting(UserSetting::logoPicture).toString();
    if (!stored.isEmpty()) {
        const LogoLoad load = loadLogoPicture(stored);
        if (load.loaded() && showLogo(load.picture)) {
            m_logoPath = stored;
            m_logoCheck->setChecked(true);
        }
    }
    const QString program = QString::number(currentProgram);
    m_firstProgramBox->setText(program);
    m_lastProgramBox->setText(program);
    m_commentBox->setPlainText(readUserSetting(UserSetting::comment).toString());
}

bool PrintDialog::showLogo(const QImage &picture)
{
    const std::optional<QSizeF> fitted = fitLogoPreview(picture.size());
    if (!fitted)
        return false;
    m_logo = picture;
    m_logoPreview->setPixmap(QPixmap::fromImage(picture));
    m_logoPreview->setGeometry(0, 0, twipsToPixels(fitted->width(), logicalDpiX()),
                               twipsToPixels(fitted->height(), logicalDpiY()));
    return true;
}

void PrintDialog::enableProgramRange(bool programs)
{
    m_firstProgramBox->setEnabled(programs);
    m_lastProgramBox->setEnabled(programs);
}

void PrintDialog::refuseLogoWithoutPicture()
{
    if (!m_logoCheck->isChecked() || !m_logoPath.isEmpty())
        return;
    m_logoCheck->setChecked(false);
    m_seams.showMessage(this, QMessageBox::Information, tr("Logo"),
                        tr("If you want to print a Logo, you have to load a Picture File first."));
}

void PrintDialog::openLogo()
{
    const QString file = m_seams.chooseLogoFile(this);
    // Cancelling the file dialog changes nothing, the preview included.
    if (file.isEmpty())
        return;
    const LogoLoad load = loadLogoPicture(file);
    if (!load.loaded() || !showLogo(load.picture))
        return;
    m_logoPath = file;
    m_logoCheck->setChecked(true);
    keepSetting(m_seams, this, UserSetting::logoPicture, m_logoPath);
}

void PrintDialog::setUpPrinter()
{
    QPrintDialog setup(&m_printer, this);
    setup.setWindowTitle(tr("Print Setup"));
    setup.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // Here the printer is only chosen; printing starts from this dialog's OK.
    if (auto *buttons = setup.findChild<QDialogButtonBox *>()) {
        if (QPushButton *accept = buttons->button(QDialogButtonBox::Ok))
            accept->setText(tr("&OK"));
    }
    // The printer keeps its earlier settings when the setup is cancelled.
    setup.exec();
}

PrintRequest PrintDialog::currentRequest() const
{
    PrintRequest request;
    request.content = m_programsOption->isChecked() ? PrintRequest::Content::Programs : PrintRequest::Content::ReagentList;
    request.firstProgram = m_firstProgramBox->text();
    request.lastProgram = m_lastProgramBox->text();
    request.logo = m_logoCheck->isChecked();
    request.logoPicture = m_logo;
    request.date = m_dateCheck->isChecked();
    request.time = m_timeCheck->isChecked();
    const QDateTime now = m_seams.now();
    request.dateText = footerDateText(now);
    request.timeText = footerTimeText(now);
    request.comment = m_commentBox->toPlainText();
    return request;
}

void PrintDialog::showPreview()
{
    QPrintPreviewDialog preview(&m_printer, this);
    preview.setWindowTitle(tr("Print Preview"));
    const PrintRequest request = currentRequest();
    bool failed = false;
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter *printer) {
        PrinterSurface surface(*printer);
        failed = !runPrintLayout(m_data, request, surface).ok();
    });
    preview.exec();
    if (failed)
        m_seams.showMessage(this, QMessageBox::Warning, printerErrorTitle(), printerErrorText());
}

namespace {

// Where a print run goes, for the transfer log.
QString destinationOf(const QPrinter &printer)
{
    if (!printer.outputFileName().isEmpty())
        return QStringLiteral("\"%1\"").arg(printer.outputFileName());
    return PrintService::printerText(printer.printerName());
}

} // namespace

void PrintDialog::print()
{
    hide();
    m_keptAfterFailure = false;
    keepSetting(m_seams, parentWidget(), UserSetting::comment, m_commentBox->toPlainText());

    const PrintRequest request = currentRequest();
    m_printer.setDocName(printJobTitle(request));
    const std::shared_ptr<PrintSurface> surface = m_seams.openSurface(m_printer);
    const PrintResult printed = runPrintLayout(m_data, request, *surface);
    if (m_seams.log)
        logPrintRun(*m_seams.log, m_data, request, destinationOf(m_printer), printed);
    if (!printed) {
        // The dialog stays loaded and hidden; the next opening shows it as it is.
        m_keptAfterFailure = true;
        m_seams.showMessage(parentWidget(), QMessageBox::Warning, printerErrorTitle(), printerErrorText());
        return;
    }
    accept();
}

void PrintDialog::done(int result)
{
    m_keptAfterFailure = false;
    QDialog::done(result);
}

} // namespace corvex

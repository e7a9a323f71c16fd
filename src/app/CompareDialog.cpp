#include "CompareDialog.h"

#include "BackupJob.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace corvex {

namespace {

QString sourceName(CompareDialog::Source source)
{
    switch (source) {
    case CompareDialog::Source::Instrument:
        return CompareDialog::tr("The Corvex");
    case CompareDialog::Source::LocalStore:
        return CompareDialog::tr("The local store");
    case CompareDialog::Source::File:
        break;
    }
    return CompareDialog::tr("A file");
}

} // namespace

QString compareTitle()
{
    return CompareDialog::tr("Compare");
}

CompareDialog::CompareDialog(QString storePath, int currentProgram, InstrumentReader readInstrument, QWidget *parent)
    : QDialog(parent)
    , m_storePath(std::move(storePath))
    , m_readInstrument(std::move(readInstrument))
{
    setObjectName(QStringLiteral("frmCompare"));
    setWindowTitle(compareTitle());

    m_program = new QSpinBox(this);
    m_program->setObjectName(QStringLiteral("spnProgram"));
    m_program->setRange(1, programCount);
    m_program->setValue(ProgramTable::isValidNumber(currentProgram) ? currentProgram : 1);
    auto *programRow = new QHBoxLayout;
    auto *programLabel = new QLabel(tr("A program file is compared with &program:"), this);
    programLabel->setBuddy(m_program);
    programRow->addWidget(programLabel);
    programRow->addWidget(m_program);
    programRow->addStretch();

    m_compare = new QPushButton(tr("&Compare"), this);
    m_compare->setObjectName(QStringLiteral("cmdCompare"));
    m_compare->setDefault(true);
    connect(m_compare, &QPushButton::clicked, this, [this] {
        if (m_reading)
            m_reading->stop();
        else
            compare();
    });

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("lstDifferences"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setHeaderLabels({tr("Item"), tr("Left"), tr("Right")});
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("pbCompare"));
    m_bar->hide();
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblSummary"));
    m_summary->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(m_compare, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *sides = new QHBoxLayout;
    sides->addWidget(makeSide(0, tr("Left")));
    sides->addWidget(makeSide(1, tr("Right")));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(sides);
    layout->addLayout(programRow);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_bar);
    layout->addWidget(m_summary);
    layout->addWidget(buttons);
    resize(720, 520);
    setUpAccessibility(buttons);

    setSide(0, Source::Instrument);
    setSide(1, Source::LocalStore);
    m_compare->setFocus();
}

QWidget *CompareDialog::makeSide(int side, const QString &title)
{
    auto *box = new QGroupBox(title, this);
    SideControls &controls = m_sides[side];
    controls.source = new QComboBox(box);
    controls.source->setObjectName(QStringLiteral("cbSource%1").arg(side));
    for (const Source source : {Source::Instrument, Source::LocalStore, Source::File})
        controls.source->addItem(sourceName(source), int(source));
    controls.file = new QLineEdit(box);
    controls.file->setObjectName(QStringLiteral("txtFile%1").arg(side));
    controls.file->setPlaceholderText(tr("A store, backup or program file"));
    controls.browse = new QPushButton(tr("Browse..."), box);
    connect(controls.source, &QComboBox::currentIndexChanged, this, [this, side] { sourceChanged(side); });
    connect(controls.browse, &QPushButton::clicked, this, [this, side] {
        const QString file = QFileDialog::getOpenFileName(this, tr("Compare with"), QString(),
                                                          tr("Corvex files (*.ini *.txt);;All files (*)"));
        if (!file.isEmpty())
            m_sides[side].file->setText(file);
    });

    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(controls.file, 1);
    fileRow->addWidget(controls.browse);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(controls.source);
    layout->addLayout(fileRow);
    return box;
}

void CompareDialog::setUpAccessibility(QDialogButtonBox *buttons)
{
    const QString names[2][3] = {
        {tr("Left side source"), tr("Left side file"), tr("Browse for the left side file")},
        {tr("Right side source"), tr("Right side file"), tr("Browse for the right side file")}};
    for (int side = 0; side < 2; ++side) {
        m_sides[side].source->setAccessibleName(names[side][0]);
        m_sides[side].source->setAccessibleDescription(names[side][0]); // announced by its item on Linux
        m_sides[side].file->setAccessibleName(names[side][1]);
        m_sides[side].browse->setAccessibleName(names[side][2]);
    }
    m_list->setAccessibleName(tr("Differences"));
    m_bar->setAccessibleName(tr("Transfer progress"));
    m_summary->setAccessibleDescription(tr("Compare status"));

    QList<QWidget *> order;
    for (const SideControls &side : m_sides)
        order << side.source << side.file << side.browse;
    order << m_program << m_list << buttons;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void CompareDialog::setSide(int side, Source source, const QString &file)
{
    m_sides[side].source->setCurrentIndex(m_sides[side].source->findData(int(source)));
    if (!file.isEmpty())
        m_sides[side].file->setText(file);
    sourceChanged(side);
}

void CompareDialog::sourceChanged(int side)
{
    const bool isFile = m_sides[side].source->currentData().toInt() == int(Source::File);
    m_sides[side].file->setEnabled(isFile);
    m_sides[side].browse->setEnabled(isFile);
}

std::optional<CompareSide> CompareDialog::loadFileSide(int side, QString &error) const
{
    const auto source = Source(m_sides[side].source->currentData().toInt());
    const QString file = source == Source::LocalStore ? m_storePath : m_sides[side].file->text();
    if (file.isEmpty()) {
        error = tr("Choose the file to compare.");
        return std::nullopt;
    }
    std::optional<CompareSide> loaded = loadCompareSide(file, error);
    if (loaded && source == Source::LocalStore)
        loaded->label = tr("Local store");
    return loaded;
}

void CompareDialog::compare()
{
    const bool instrument[2] = {m_sides[0].source->currentData().toInt() == int(Source::Instrument),
                                m_sides[1].source->currentData().toInt() == int(Source::Instrument)};
    if (instrument[0] && instrument[1]) {
        QMessageBox::warning(this, compareTitle(), tr("Compare the Corvex with the local store or a file."));
        return;
    }
    // The file side is read first, so that a wrong file is found before the Corvex is read for minutes.
    const int fileSide = instrument[0] ? 1 : 0;
    QString error;
    std::optional<CompareSide> sides[2];
    sides[fileSide] = loadFileSide(fileSide, error);
    if (sides[fileSide] && !instrument[1 - fileSide])
        sides[1 - fileSide] = loadFileSide(1 - fileSide, error);
    if (!sides[fileSide] || (!instrument[1 - fileSide] && !sides[1 - fileSide])) {
        QMessageBox::warning(this, compareTitle(), error);
        return;
    }
    if (!instrument[1 - fileSide]) {
        showDifferences(*sides[0], *sides[1]);
        return;
    }
    BackupJob *job = m_readInstrument();
    if (!job)
        return;
    setReading(job);
    connect(job, &TransferJob::progress, this, [this](int done, int total) {
        m_bar->setRange(0, total);
        m_bar->setValue(done);
        m_summary->setText(tr("Reading the Corvex: %1").arg(m_rate.progressText(done, total)));
    });
    connect(job, &TransferJob::finished, this, [this, job, fileSide, known = *sides[fileSide]](const TransferOutcome &outcome) {
        setReading(nullptr);
        if (outcome.status != TransferOutcome::Status::Done) {
            // A failure has its message box from the main window.
            m_summary->setText(outcome.status == TransferOutcome::Status::Stopped ? outcome.message : QString());
            return;
        }
        const CompareSide read{QStringLiteral("Corvex"), job->data(), false};
        showDifferences(fileSide == 0 ? known : read, fileSide == 0 ? read : known);
    });
}

void CompareDialog::showDifferences(const CompareSide &left, const CompareSide &right)
{
    m_list->clear();
    const CompareOutcome outcome = compareSides(left, right, left.programFile || right.programFile ? m_program->value() : 0);
    if (!outcome.error.isEmpty()) {
        m_summary->setText(outcome.error);
        return;
    }
    m_list->setHeaderLabels({tr("Item"), left.label, right.label});
    for (const DataDifference &difference : outcome.differences)
        new QTreeWidgetItem(m_list, {difference.item, difference.left, difference.right});
    m_list->header()->resizeSections(QHeaderView::ResizeToContents);
    m_summary->setText(outcome.differences.isEmpty() ? tr("No differences.")
                                                     : tr("%n differences.", nullptr, int(outcome.differences.size())));
}

void CompareDialog::setReading(BackupJob *job)
{
    m_reading = job;
    m_compare->setText(job ? tr("&Stop") : tr("&Compare"));
    m_bar->setVisible(job);
    m_list->clear();
    m_summary->setText(job ? tr("Reading the Corvex...") : QString());
    if (job)
        m_rate.start();
}

void CompareDialog::reject()
{
    if (m_reading)
        m_reading->stop();
    QDialog::reject();
}

} // namespace corvex

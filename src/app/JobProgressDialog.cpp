#include "JobProgressDialog.h"

#include "TransferJob.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvex {

JobProgressDialog::JobProgressDialog(TransferJob &job, const QString &title, QWidget *parent)
    : QDialog(parent)
    , m_job(job)
{
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(title);
    setWindowModality(Qt::WindowModal);
    m_label = new QLabel(tr("Starting..."), this);
    m_label->setObjectName(QStringLiteral("lblProgress"));
    m_label->setMinimumWidth(360);
    m_bar = new QProgressBar(this);
    m_bar->setAccessibleName(tr("Transfer progress"));
    m_label->setAccessibleDescription(tr("Transfer status"));
    m_stop = new QPushButton(tr("&Stop"), this);
    m_stop->setObjectName(QStringLiteral("cmdStop"));
    connect(m_stop, &QPushButton::clicked, this, &JobProgressDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_stop);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_bar);
    layout->addLayout(buttons);

    m_rate.start();
    connect(&job, &TransferJob::progress, this, &JobProgressDialog::showProgress);
    connect(&job, &TransferJob::retrying, this, [this](int attempt, int attempts) {
        m_label->setText(tr("The Corvex does not answer; trying again (%1 of %2)...").arg(attempt).arg(attempts));
    });
    connect(&job, &TransferJob::finished, this, [this] {
        // Closed for good: not a stop request.
        QDialog::done(Accepted);
    });
}

void JobProgressDialog::showProgress(int done, int total)
{
    // A few times a second is enough for the eye.
    constexpr qint64 showEveryMs = 200;
    if (done < total && m_sinceShown.isValid() && m_sinceShown.elapsed() < showEveryMs)
        return;
    m_sinceShown.start();
    m_bar->setRange(0, total);
    m_bar->setValue(done);
    if (!m_stopping)
        m_label->setText(m_rate.progressText(done, total));
}

void JobProgressDialog::reject()
{
    // The job decides when it can end (a restore finishes the program under way).
    m_job.stop();
    m_stopping = true;
    m_stop->setEnabled(false);
    m_label->setText(tr("Stopping..."));
    emit stopAsked();
}

} // namespace corvex

#pragma once

#include "TransferRate.h"

#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QProgressBar;
class QPushButton;

namespace corvex {

class TransferJob;

// The progress of a long job (a backup, a restore): bytes done, the time
// left at the rate measured so far, and Stop. It is window-modal unless the
// caller makes it a plain window beside a busy main window, and closes itself
// when the job finishes; closing it asks the job to stop, as Stop does.
class JobProgressDialog : public QDialog
{
    Q_OBJECT

public:
    JobProgressDialog(TransferJob &job, const QString &title, QWidget *parent);

Q_SIGNALS:
    // Stop was clicked or the window closed; the job has been asked to stop.
    void stopAsked();

protected:
    void reject() override;

private:
    void showProgress(int done, int total);

    TransferJob &m_job;
    TransferRate m_rate;
    QElapsedTimer m_sinceShown;
    QLabel *m_label = nullptr;
    QProgressBar *m_bar = nullptr;
    QPushButton *m_stop = nullptr;
    bool m_stopping = false;
};

} // namespace corvex

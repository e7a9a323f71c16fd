#pragma once

#include "CompareSide.h"
#include "TransferRate.h"

#include <QDialog>
#include <QPointer>

#include <functional>
#include <optional>
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace corvex {

class BackupJob;

// The dialog's title, also the title of what the Compare command reports.
QString compareTitle();


// File > Compare...: two sides, each the Corvex, the local store or a file
// (a store, a backup or a program file), and what differs between them as a
// list of items with the left and the right value side by side. The read of
// the Corvex shows its progress in the dialog, and Compare reads "Stop"
// meanwhile; closing the dialog stops the read too.
class CompareDialog : public QDialog
{
    Q_OBJECT

public:
    // Starts a read of the whole Corvex and gives the job, or nothing when
    // it cannot start now (having said why).
    using InstrumentReader = std::function<BackupJob *()>;

    enum class Source { Instrument, LocalStore, File };

    CompareDialog(QString storePath, int currentProgram, InstrumentReader readInstrument, QWidget *parent = nullptr);

    // Sets a side as the controls would (0 left, 1 right).
    void setSide(int side, Source source, const QString &file = {});
    // Reads both sides and shows what differs.
    void compare();

    QTreeWidget *list() const { return m_list; }
    QLabel *summary() const { return m_summary; }

protected:
    void reject() override;

private:
    struct SideControls
    {
        QComboBox *source = nullptr;
        QLineEdit *file = nullptr;
        QPushButton *browse = nullptr;
    };

    QWidget *makeSide(int side, const QString &title);
    // Names for screen readers and the Tab order, as the eye reads the dialog.
    void setUpAccessibility(QDialogButtonBox *buttons);
    void sourceChanged(int side);
    std::optional<CompareSide> loadFileSide(int side, QString &error) const;
    void showDifferences(const CompareSide &left, const CompareSide &right);
    void setReading(BackupJob *job);

    const QString m_storePath;
    InstrumentReader m_readInstrument;
    SideControls m_sides[2];
    QSpinBox *m_program = nullptr;
    QPushButton *m_compare = nullptr;
    QTreeWidget *m_list = nullptr;
    QProgressBar *m_bar = nullptr;
    QLabel *m_summary = nullptr;
    QPointer<BackupJob> m_reading;
    TransferRate m_rate;
};

} // namespace corvex

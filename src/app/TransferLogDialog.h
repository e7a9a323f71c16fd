#pragma once

#include "StoreResult.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace corvex {

// File > Transfer Log...: the transfer log as a table, newest line first,
// with a filter over every column and Export of the lines shown. The columns
// are in the order of the file; the selected line's message is shown whole,
// wrapped, under the table.
class TransferLogDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TransferLogDialog(const QString &logPath, QWidget *parent = nullptr);

    // Writes the lines shown (with the header line) as CSV, whole or not at all.
    StoreResult exportTo(const QString &file) const;

    QTableView *table() const { return m_table; }
    QLineEdit *filterBox() const { return m_filter; }
    QPlainTextEdit *messagePane() const { return m_message; }

private:
    void load(const QString &logPath);
    void exportClicked();
    void showMessage();

    QStandardItemModel *m_model = nullptr;
    QSortFilterProxyModel *m_shown = nullptr;
    QTableView *m_table = nullptr;
    QLineEdit *m_filter = nullptr;
    QPlainTextEdit *m_message = nullptr;
    QPushButton *m_export = nullptr;
};

} // namespace corvex

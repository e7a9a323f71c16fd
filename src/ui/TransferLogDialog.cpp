#include "TransferLogDialog.h"

#include "CsvText.h"
#include "TransferLogReader.h"
#include "WholeFile.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <deque>

namespace corvex {

namespace {

constexpr int messageColumn = 7;
// Wider would push the columns after it out of sight; the pane below shows all of it.
constexpr int messageColumnMaximum = 360;

// The log file's column names, which the dialog heads in the user's language.
[[maybe_unused]] constexpr const char *columnNames[] = {
    QT_TRANSLATE_NOOP("corvex::TransferLogDialog", "Time"),      QT_TRANSLATE_NOOP("corvex::TransferLogDialog", "User"),
    QT_TRANSLATE_NOOP("corvex::TransferLogDialog", "Host"),      QT_TRANSLATE_NOOP("corvex::TransferLogDialog", "Port"),
    QT_TRANSLATE_NOOP("corvex::TransferLogDialog", "Operation"), QT_TRANSLATE_NOOP("corvex::TransferLogDialog", "Covered"),
    QT_TRANSLATE_NOOP("corvex::TransferLogDialog", "Result"),    QT_TRANSLATE_NOOP("corvex::TransferLogDialog", "Message"),
    QT_TRANSLATE_NOOP("corvex::TransferLogDialog", "Fingerprint")};

QStringList shownColumns()
{
    QStringList shown;
    for (const QString &column : transferLogColumns())
        shown << TransferLogDialog::tr(column.toUtf8().constData());
    return shown;
}

QList<QStandardItem *> rowItems(const TransferLogLine &line)
{
    QStringList fields;
    if (line.damaged) {
        fields = QStringList(transferLogColumns().size(), QString());
        fields[0] = TransferLogDialog::tr("(damaged line)");
        fields[messageColumn] = line.text;
    } else {
        fields = transferLogFields(line.entry);
    }
    QList<QStandardItem *> items;
    for (const QString &field : fields) {
        auto *item = new QStandardItem(QString(field).replace(QLatin1Char('\n'), QLatin1Char(' ')));
        item->setToolTip(field);
        item->setEditable(false);
        if (line.damaged)
            item->setForeground(QColor(Qt::darkRed));
        items << item;
    }
    return items;
}

} // namespace

TransferLogDialog::TransferLogDialog(const QString &logPath, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmTransferLog"));
    setWindowTitle(tr("Transfer Log"));

    m_model = new QStandardItemModel(0, int(transferLogColumns().size()), this);
    m_model->setHorizontalHeaderLabels(shownColumns());
    m_shown = new QSortFilterProxyModel(this);
    m_shown->setSourceModel(m_model);
    m_shown->setFilterKeyColumn(-1);
    m_shown->setFilterCaseSensitivity(Qt::CaseInsensitive);

    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("txtFilter"));
    m_filter->setPlaceholderText(tr("Show only lines that contain..."));
    m_filter->setClearButtonEnabled(true);
    connect(m_filter, &QLineEdit::textChanged, m_shown, &QSortFilterProxyModel::setFilterFixedString);

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("tblLog"));
    m_table->setModel(m_shown);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setWordWrap(false);
    m_table->setAccessibleName(tr("Transfer log entries"));

    m_message = new QPlainTextEdit(this);
    m_message->setObjectName(QStringLiteral("txtMessage"));
    m_message->setReadOnly(true);
    m_message->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_message->setPlaceholderText(tr("The message of the selected line"));
    m_message->setAccessibleName(tr("Message of the selected line"));
    m_message->setMaximumHeight(m_message->fontMetrics().lineSpacing() * 5);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TransferLogDialog::showMessage);
    connect(m_shown, &QAbstractItemModel::modelReset, this, &TransferLogDialog::showMessage);
    connect(m_shown, &QAbstractItemModel::rowsRemoved, this, &TransferLogDialog::showMessage);

    auto *where = new QLabel(tr("Kept in %1").arg(logPath), this);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_export = new QPushButton(tr("&Export..."), this);
    m_export->setObjectName(QStringLiteral("cmdExport"));
    connect(m_export, &QPushButton::clicked, this, &TransferLogDialog::exportClicked);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(m_export, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *filterRow = new QHBoxLayout;
    filterRow->addWidget(new QLabel(tr("&Filter:"), this));
    filterRow->addWidget(m_filter, 1);
    static_cast<QLabel *>(filterRow->itemAt(0)->widget())->setBuddy(m_filter);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_message);
    layout->addWidget(where);
    layout->addWidget(buttons);
    resize(1000, 480);

    load(logPath);
}

void TransferLogDialog::load(const QString &logPath)
{
    // Read as a stream, keeping only the newest lines, so that a log of
    // years costs no more memory than a table can sensibly show.
    constexpr qsizetype shownAtMost = 20000;
    std::deque<TransferLogLine> newest;
    qint64 lines = 0;
    const QString error = forEachTransferLogLine(logPath, [&](const TransferLogLine &line) {
        ++lines;
        newest.push_back(line);
        if (qsizetype(newest.size()) > shownAtMost)
            newest.pop_front();
    });
    for (auto line = newest.crbegin(); line != newest.crend(); ++line)
        m_model->appendRow(rowItems(*line));
    m_table->resizeColumnsToContents();
    m_table->setColumnWidth(messageColumn, std::min(m_table->columnWidth(messageColumn), messageColumnMaximum));
    m_table->selectRow(0);
    if (!error.isEmpty())
        m_table->setToolTip(error);
    else if (lines > shownAtMost)
        m_table->setToolTip(tr("The newest %1 of %2 lines are shown; \"corvexctl log\" shows them all.")
                                .arg(QLocale().toString(shownAtMost), QLocale().toString(lines)));
}

StoreResult TransferLogDialog::exportTo(const QString &file) const
{
    QByteArray bytes = csvRecord(transferLogColumns());
    for (int row = 0; row < m_shown->rowCount(); ++row) {
        QStringList fields;
        for (int column = 0; column < m_shown->columnCount(); ++column)
            fields << m_shown->index(row, column).data(Qt::ToolTipRole).toString();
        bytes += csvRecord(fields);
    }
    return writeWholeFile(file, bytes);
}

void TransferLogDialog::showMessage()
{
    const QModelIndex current = m_table->currentIndex();
    m_message->setPlainText(current.isValid() ? current.siblingAtColumn(messageColumn).data(Qt::ToolTipRole).toString()
                                              : QString());
}

void TransferLogDialog::exportClicked()
{
    const QString file = QFileDialog::getSaveFileName(this, tr("Export Transfer Log"), QString(),
                                                      tr("CSV (*.csv)"));
    if (file.isEmpty())
        return;
    const StoreResult written = exportTo(file);
    if (!written)
        QMessageBox::critical(this, tr("Export Transfer Log"), written.error);
}

} // namespace corvex

#include "SettingsDialog.h"

#include "DeviceConnection.h"
#include "PortAccess.h"
#include "PortTable.h"
#include "UserSettings.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace corvex {

namespace {

constexpr int deviceRole = Qt::UserRole;

// The device of a port as the list shows it, marked when this user may not
// open it.
QString listedDevice(int port)
{
    const QString device = portDevice(port);
    return deviceAccess(device) == DeviceAccess::Denied ? SettingsDialog::tr("%1 (no access)").arg(device) : device;
}

// Draws each port's item text ("COM3") and, right-aligned beside it in a
// quieter colour, the device that port opens here.
class PortItemDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        const QString device = index.data(deviceRole).toString();
        painter->save();
        painter->setPen(option.palette.color(option.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                                   : QPalette::PlaceholderText));
        painter->drawText(option.rect.adjusted(0, 0, -6, 0), Qt::AlignRight | Qt::AlignVCenter, device);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rwidth() += option.fontMetrics.horizontalAdvance(index.data(deviceRole).toString()) + 24;
        return size;
    }
};

} // namespace

SettingsDialog::SettingsDialog(DeviceConnection &connection, QWidget *parent)
    : QDialog(parent)
    , m_connection(connection)
{
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(tr("Settings"));

    auto *frame = new QGroupBox(tr("Communication Port"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    m_ports = new QComboBox(frame);
    m_ports->setObjectName(QStringLiteral("cbComm"));
    m_ports->setItemDelegate(new PortItemDelegate(m_ports));
    int widest = 0;
    for (int port = firstPort; port <= lastPort; ++port) {
        const QString device = listedDevice(port);
        m_ports->addItem(portName(port));
        m_ports->setItemData(port - 1, device, deviceRole);
        m_ports->setItemData(port - 1, device, Qt::ToolTipRole);
        widest = std::max(widest, m_ports->fontMetrics().horizontalAdvance(portName(port) + device));
    }
    m_ports->view()->setMinimumWidth(widest + 60);

    m_device = new QLabel(frame);
    m_device->setObjectName(QStringLiteral("lblDevice"));
    m_device->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_device->setWordWrap(true);

    m_found = new QLabel(frame);
    m_found->setObjectName(QStringLiteral("lblFound"));
    m_found->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_found->setWordWrap(true);
    m_found->setHidden(true);

    m_find = new QPushButton(tr("Find Device"), frame);
    m_find->setObjectName(QStringLiteral("cmdFindDevice"));
    m_cancelSearch = new QPushButton(tr("Cancel"), frame);
    m_cancelSearch->setObjectName(QStringLiteral("cmdCancelSearch"));
    m_cancelSearch->setEnabled(false);

    // The dialog keeps the width it opens with: the label and the button
    // have room for the longest text they show from the start (a dialog
    // that has grown does not shrink back).
    int widestDevice = 0;
    for (int line = -1; line < lastPort; ++line) {
        showDevice(line);
        widestDevice = std::max(widestDevice, m_device->sizeHint().width());
    }
    m_device->setMinimumWidth(widestDevice);
    m_find->setText(tr("Looking for Device..."));
    m_find->setMinimumWidth(m_find->sizeHint().width());
    m_find->setText(tr("Find Device"));

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));

    auto *grid = new QGridLayout(frame);
    grid->addWidget(m_ports, 0, 0);
    grid->addWidget(m_find, 0, 1);
    grid->addWidget(m_cancelSearch, 0, 2);
    grid->addWidget(m_device, 1, 0, 1, 3);
    grid->addWidget(m_found, 2, 0, 1, 3);
    grid->setColumnStretch(0, 1);

    // Kept only when the dialog is confirmed.
    auto *verify = new QCheckBox(tr("Verify every transfer: read each byte until two readings agree,\n"
                                    "read back each byte sent (takes about twice as long)"),
                                 this);
    verify->setObjectName(QStringLiteral("chkVerify"));
    verify->setChecked(readUserSetting(UserSetting::verifyTransfers, false).toBool());
    connect(this, &QDialog::accepted, this,
            [verify] { writeUserSetting(UserSetting::verifyTransfers, verify->isChecked()); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(verify);
    layout->addLayout(buttons);

    connect(m_ports, &QComboBox::currentIndexChanged, this, &SettingsDialog::showDevice);
    connect(m_find, &QPushButton::clicked, this, &SettingsDialog::findDevice);
    connect(m_cancelSearch, &QPushButton::clicked, this, &SettingsDialog::cancelSearch);
    connect(&m_connection, &DeviceConnection::stateChanged, this, [this](DeviceConnection::State state) {
        if (state != DeviceConnection::State::Searching)
            searchEnded(m_connection.connectedPort());
    });
    connect(m_ok, &QPushButton::clicked, this, &SettingsDialog::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &SettingsDialog::reject);

    if (hasUserSetting(UserSetting::commPort))
        m_storedPort = readUserSetting(UserSetting::commPort);
    m_ports->setCurrentIndex(storedCommPort().value_or(1) - 1);
    showDevice(m_ports->currentIndex());
    setUpAccessibility(verify);
}

void SettingsDialog::setUpAccessibility(QCheckBox *verify)
{
    m_ports->setAccessibleName(tr("Serial port"));
    // Announced by its current item on Linux: the description says what it chooses.
    m_ports->setAccessibleDescription(tr("Serial port, COM1 to COM16; the device it opens is shown below"));
    m_device->setAccessibleDescription(tr("Device of the port"));
    m_cancelSearch->setAccessibleName(tr("Cancel the search"));
    verify->setAccessibleName(tr("Verify every transfer"));
    verify->setAccessibleDescription(tr("Read each byte until two readings agree, read back each byte sent (takes "
                                        "about twice as long)"));

    const QList<QWidget *> order{m_ports, m_find, m_cancelSearch, verify, m_ok, m_cancel};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void SettingsDialog::showDevice(int line)
{
    if (line < 0) {
        m_device->setText(tr("Device: (search all ports)"));
        return;
    }
    const QString device = portDevice(line + 1);
    QString text = tr("Device: %1").arg(device);
    if (deviceAccess(device) == DeviceAccess::Denied)
        text += QLatin1Char('\n') + accessDeniedMessage(device);
    m_device->setText(text);
}

void SettingsDialog::reject()
{
    cancelSearch();
    if (m_storedPortChanged)
        writeUserSetting(UserSetting::commPort, m_storedPort);
    QDialog::reject();
}

void SettingsDialog::confirm()
{
    cancelSearch();
    storeCommPort(m_ports->currentIndex() + 1);
    // The main window shows the outcome when it comes.
    m_connection.connectDevice();
    accept();
}

void SettingsDialog::findDevice()
{
    if (m_searching)
        return;
    m_found->setHidden(true);
    storeCommPort(0);
    m_storedPortChanged = true;
    showSearching(true);
    m_connection.connectDevice();
}

void SettingsDialog::cancelSearch()
{
    if (!m_searching)
        return;
    showSearching(false);
    m_connection.cancelSearch();
}

void SettingsDialog::searchEnded(int port)
{
    if (!m_searching)
        return;
    showSearching(false);
    if (port != 0) {
        m_ports->setCurrentIndex(port - 1);
        showFound(port);
        return;
    }
    auto *box = new QMessageBox(QMessageBox::Critical, tr("Find Device"),
                                tr("Device couldn't be found."), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void SettingsDialog::showFound(int port)
{
    m_found->setText(tr("The Corvex answers on %1.").arg(portDescription(port, portDevice(port))));
    m_found->setHidden(false);
}

void SettingsDialog::showSearching(bool searching)
{
    m_searching = searching;
    // The focus goes over to the button that is enabled, instead of to the next control.
    QPushButton *enabled = searching ? m_cancelSearch : m_find;
    QPushButton *disabled = searching ? m_find : m_cancelSearch;
    enabled->setEnabled(true);
    if (disabled->hasFocus())
        enabled->setFocus();
    disabled->setEnabled(false);
    m_find->setText(searching ? tr("Looking for Device...") : tr("Find Device"));
}

} // namespace corvex

#include "link/dialog/SettingsDialog.h"

#include "link/DeviceConnection.h"
#include "link/PortAccess.h"
#include "link/PortTable.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

const QString FindCaption = QStringLiteral("Find Device");
constexpr int DeviceRole = Qt::UserRole;

// The device of a port as the list shows it, marked when this user may not
// open it.
QString listedDevice(int port)
{
    const QString device = PortDevice(port);
    return deviceAccess(device) == DeviceAccess::Denied ? device + QStringLiteral(" (no access)") : device;
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
        const QString device = index.data(DeviceRole).toString();
        painter->save();
        painter->setPen(option.palette.color(option.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                                   : QPalette::PlaceholderText));
        painter->drawText(option.rect.adjusted(0, 0, -6, 0), Qt::AlignRight | Qt::AlignVCenter, device);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rwidth() += option.fontMetrics.horizontalAdvance(index.data(DeviceRole).toString()) + 24;
        return size;
    }
};

} // namespace

SettingsDialog::SettingsDialog(DeviceConnection &connection, QWidget *parent)
    : QDialog(parent)
    , m_connection(connection)
{
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(QStringLiteral("Settings"));

    auto *frame = new QGroupBox(QStringLiteral("Communication Port"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    m_ports = new QComboBox(frame);
    m_ports->setObjectName(QStringLiteral("cbComm"));
    m_ports->setItemDelegate(new PortItemDelegate(m_ports));
    int widest = 0;
    for (int port = FirstPort; port <= LastPort; ++port) {
        const QString device = listedDevice(port);
        m_ports->addItem(PortName(port));
        m_ports->setItemData(port - 1, device, DeviceRole);
        m_ports->setItemData(port - 1, device, Qt::ToolTipRole);
        widest = std::max(widest, m_ports->fontMetrics().horizontalAdvance(PortName(port) + device));
    }
    m_ports->view()->setMinimumWidth(widest + 60);

    m_device = new QLabel(frame);
    m_device->setObjectName(QStringLiteral("lblDevice"));
    m_device->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_device->setWordWrap(true);

    m_find = new QPushButton(FindCaption, frame);
    m_find->setObjectName(QStringLiteral("cmdFindDevice"));

    // The dialog keeps the width it opens with: the label and the button
    // have room for the longest text they show from the start (a dialog
    // that has grown does not shrink back).
    int widestDevice = 0;
    for (int line = -1; line < LastPort; ++line) {
        showDevice(line);
        widestDevice = std::max(widestDevice, m_device->sizeHint().width());
    }
    m_device->setMinimumWidth(widestDevice);
    m_find->setText(QStringLiteral("Looking for Device..."));
    m_find->setMinimumWidth(m_find->sizeHint().width());
    m_find->setText(FindCaption);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));

    auto *grid = new QGridLayout(frame);
    grid->addWidget(m_ports, 0, 0);
    grid->addWidget(m_find, 0, 1);
    grid->addWidget(m_device, 1, 0, 1, 2);
    grid->setColumnStretch(0, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    connect(m_ports, &QComboBox::currentIndexChanged, this, &SettingsDialog::showDevice);
    connect(m_find, &QPushButton::clicked, this, &SettingsDialog::findDevice);
    connect(m_ok, &QPushButton::clicked, this, &SettingsDialog::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &SettingsDialog::reject);

    m_ports->setCurrentIndex(StoredCommPort().value_or(1) - 1);
    showDevice(m_ports->currentIndex());
}

void SettingsDialog::showDevice(int line)
{
    if (line < 0) {
        m_device->setText(QStringLiteral("Device: (search all ports)"));
        return;
    }
    const QString device = PortDevice(line + 1);
    QString text = QStringLiteral("Device: ") + device;
    if (deviceAccess(device) == DeviceAccess::Denied)
        text += QLatin1Char('\n') + accessDeniedMessage(device);
    m_device->setText(text);
}

void SettingsDialog::reject()
{
    if (!m_connecting)
        QDialog::reject();
}

void SettingsDialog::setConnecting(bool connecting)
{
    m_connecting = connecting;
    for (QWidget *control : std::initializer_list<QWidget *>{m_ports, m_find, m_ok, m_cancel})
        control->setEnabled(!connecting);
}

void SettingsDialog::confirm()
{
    StoreCommPort(m_ports->currentIndex() + 1);
    setConnecting(true);
    m_connection.ConnectDevice();
    setConnecting(false);
    accept();
}

void SettingsDialog::findDevice()
{
    setConnecting(true);
    m_find->setText(QStringLiteral("Looking for Device..."));
    QApplication::processEvents();

    StoreCommPort(0);
    m_connection.ConnectDevice();
    const int port = StoredCommPort().value_or(1);
    if (port != 0)
        m_ports->setCurrentIndex(port - 1);
    else
        QMessageBox::critical(this, QStringLiteral("Find Device"), QStringLiteral("Device couldn't be found."));

    setConnecting(false);
    m_find->setText(FindCaption);
}

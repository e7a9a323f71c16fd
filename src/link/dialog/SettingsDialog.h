#pragma once

#include <QDialog>

class DeviceConnection;
class QComboBox;
class QLabel;
class QPushButton;

// frmSettings: the port the instrument is on, "COM1".."COM16", each shown
// with the device it opens on this machine, and Find Device to search them
// all. Ok stores the choice and connects on it; Cancel changes nothing.
class SettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SettingsDialog(DeviceConnection &connection, QWidget *parent = nullptr);

    // Cancel, Esc and the close box; ignored while a connection attempt runs.
    void reject() override;

private:
    void showDevice(int line);
    void confirm();
    void findDevice();
    // While a connection attempt runs, which can take a while, nothing in
    // the dialog can start another one or close it.
    void setConnecting(bool connecting);

    DeviceConnection &m_connection;
    QComboBox *m_ports = nullptr;
    QLabel *m_device = nullptr;
    QPushButton *m_find = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    bool m_connecting = false;
};

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

private:
    void showDevice(int line);
    void confirm();
    void findDevice();

    DeviceConnection &m_connection;
    QComboBox *m_ports = nullptr;
    QLabel *m_device = nullptr;
    QPushButton *m_find = nullptr;
};

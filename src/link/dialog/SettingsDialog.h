#pragma once

#include <QDialog>
#include <QVariant>
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace corvex {

class DeviceConnection;

// frmSettings: the port the instrument is on, "COM1".."COM16", each shown
// with the device it opens on this machine, and Find Device to search them
// all. Ok stores the choice and connects on it; Cancel changes nothing: it
// puts back the stored port that a search has changed.
//
// The search runs while the dialog stays usable: "Cancel" beside it ends
// it, and OK or Cancel of the dialog end it first. A search that finds the
// Corvex says where it answers (also when it was connected already).
class SettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SettingsDialog(DeviceConnection &connection, QWidget *parent = nullptr);

    // Cancel, Esc and the close box; a search under way ends first.
    void reject() override;

private:
    void showDevice(int line);
    void confirm();
    void findDevice();
    void cancelSearch();
    void searchEnded(int port);
    void showSearching(bool searching);
    void showFound(int port);
    // Names for screen readers and the Tab order, as the eye reads the dialog.
    void setUpAccessibility(QCheckBox *verify);

    DeviceConnection &m_connection;
    QComboBox *m_ports = nullptr;
    QLabel *m_device = nullptr;
    QLabel *m_found = nullptr;
    QPushButton *m_find = nullptr;
    QPushButton *m_cancelSearch = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    bool m_searching = false;
    // The stored port as the dialog found it (invalid: none), for Cancel.
    QVariant m_storedPort;
    bool m_storedPortChanged = false;
};

} // namespace corvex

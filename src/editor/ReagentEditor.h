#pragma once

#include "InstrumentData.h"

#include <QMap>
#include <QWidget>
class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QProgressBar;
class QPushButton;

namespace corvex {

class ConnectionFrame;
class NameBox;
class SpinBar;

// The "Reagents" tab: the list of the 200 reagent names, the name box with
// "Send reagent", copy/paste/delete of names, and the number selector and
// buttons of the reagent transfers (which it only requests).
class ReagentEditor : public QWidget
{
    Q_OBJECT

public:
    explicit ReagentEditor(InstrumentData &data, QWidget *parent = nullptr);

    // Fills the list from the table (start-up).
    void fillList();
    // Rewrites the line of reagent `number` from the table and selects it.
    void refreshLine(int number);
    void selectReagent(int number);

    // The reagent that "Read from Corvex" reads: the number box, 1..200.
    int numberToRead() const;
    void setNumberToRead(int number);
    // Runs the number box's change handler, which sets the spin from it.
    void showNumberToRead();
    // The selected reagent, 1..200, or 0 when no line is selected.
    int selectedReagent() const;
    // The name box in its 13-character stored form.
    QByteArray typedName() const;

    // The send operation of "Send reagent" (also run by paste and delete):
    // asks first for reagent 1, then requests the send of the typed name.
    void sendTypedName();

    void setReadAllProgress(int reagent);
    // A note in place of the percentage (a retry, how a transfer ended) until the next progress.
    void showProgressNote(const QString &note);
    void resetReadAllProgress();

    // While a job runs no name can be chosen, typed, sent, copied or pasted.
    void setEditingEnabled(bool enabled);
    // The transfer buttons: usable when `canStart`; the button of the
    // transfer `running` (Read or ReadAll) reads "Stop" while `canStop`.
    enum class Transfer { None, Read, ReadAll, Send };
    void setTransferState(bool canStart, Transfer running, bool canStop);
    // The keyboard focus into the name box, ready for the next name.
    void focusNameBox();

    // Reagents whose name was typed but not sent, in ascending order. A
    // typed name stays with its line when another one is chosen, until it
    // is sent, typed back as it was, or dropped with Esc in the name box.
    QList<int> unsentReagents() const { return m_unsent.keys(); }

signals:
    void readReagentRequested();
    void readAllRequested();
    // "Stop" on the button of the transfer under way.
    void stopRequested();
    // Reagent `number` is to become `storedName` and be sent to the instrument.
    void sendReagentRequested(int number, const QByteArray &storedName);
    // The set of unsent names has changed.
    void unsentEditsChanged();

private:
    QWidget *buildConnectionFrame();
    QWidget *buildNameRow();
    void buildMenu();
    // Names for screen readers and the Tab order, as the eye reads the tab.
    void setUpAccessibility();

    void reagentSelected(int row);
    void numberTyped(const QString &text);
    void copyReagent();
    void pasteReagent();
    void deleteReagent();
    void nameTyped();
    void dropTypedName();
    // Forgets the typed name of `number` when the table now holds it.
    void dropIfHeld(int number);
    // Rewrites the line of `number` from the table and its typed name.
    void markLine(int number);

    InstrumentData &m_data;
    int m_copiedReagent = 0;
    QMap<int, QString> m_unsent; // reagent number -> the name box's text

    ConnectionFrame *m_frame = nullptr;
    QLineEdit *m_number = nullptr;
    SpinBar *m_spin = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_percent = nullptr;
    QListWidget *m_list = nullptr;
    QLabel *m_nameLabel = nullptr;
    NameBox *m_name = nullptr;
    QPushButton *m_send = nullptr;
    QAction *m_pasteAction = nullptr;
    QMenu *m_listMenu = nullptr;
};

} // namespace corvex

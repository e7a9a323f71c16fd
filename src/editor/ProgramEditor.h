#pragma once

#include "InstrumentData.h"
#include "NameBox.h"

#include <QWidget>

#include <map>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace corvex {

class ConnectionFrame;
class SpinBar;
class VialEditor;

// The "Programs" tab: choosing a program by number, its name and type, the
// vial list with the vial editor, copy/paste/delete of programs and vials,
// and the buttons and progress display of the program transfers (which it
// only requests: the transfers themselves run elsewhere).
//
// Setting a control from code runs its change handler when the value really
// changes, just as a user action would; showProgram() relies on that chain.
class ProgramEditor : public QWidget
{
    Q_OBJECT

public:
    explicit ProgramEditor(InstrumentData &data, QWidget *parent = nullptr);

    // Start-up: the agitation texts, the reagent drop-down and the type list.
    void fillAgitation();
    void fillReagents();
    void fillTypes();

    // The program number in the number box, limited to 1..99.
    int currentProgram() const;
    // The selected vial, 1..24, or 0 when no line is selected.
    int currentVial() const;

    // Redisplays the current program (run by every change of the number box).
    void showProgram();
    // Coming back from the "Reagents" tab: takes over renamed reagents.
    void reagentsRenamed();

    // Progress of a program transfer: `done` bytes of `maximum`, and back to idle.
    void showProgress(int done, int maximum);
    // A note in place of the percentage (a retry) until the next step.
    void showProgressNote(const QString &note);
    void resetProgress();

    // Programs changed here since they were last read, sent, imported or
    // exported, in ascending order; a program changed back is not listed.
    QList<int> unsentPrograms() const;
    bool hasUnsentEdits(int program) const { return m_unchanged.contains(program); }
    // Program `program` now matches the Corvex or a file: its edits count as kept.
    void settle(int program);
    void settleAll();

    // While a job runs no program or vial can be chosen, edited, copied or pasted.
    void setEditingEnabled(bool enabled);
    // The transfer buttons: usable when `canStart`; while a read runs its
    // button reads "Stop", usable while `canStop` (a send always finishes).
    enum class Transfer { None, Read, Send };
    void setTransferState(bool canStart, Transfer running, bool canStop);
    // Shows `n` in the number box as the box would show it typed.
    void setCurrentProgram(int n);

signals:
    void readProgramRequested();
    void sendProgramRequested();
    // "Stop" on the button of the read under way.
    void stopRequested();
    // The set of programs with unsent edits has changed.
    void unsentEditsChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *buildConnectionFrame();
    QWidget *buildProgramFrame();
    void buildVialMenu();
    // Names for screen readers and the Tab order, as the eye reads the tab.
    void setUpAccessibility();

    void nameEdited(const QString &text);
    void typeChosen(int index);
    void showDuration();
    void vialSelected(int row);
    void applyVial();
    void addVialLine(int program);
    void selectVial(int row);

    void copyProgram();
    void pasteProgram();
    void deleteProgram();
    void copyVial();
    void pasteVial();
    void deleteVial();
    // Stores vial v of the current program, recomputes the total time and
    // shows the program again with vial v selected.
    void storeVial(int v, const VialStep &vial);
    // Around each edit of the current program: keeps the program as it was
    // before its first unsent edit, and forgets it when the edit undoes them.
    void beginEdit();
    void endEdit();

    InstrumentData &m_data;
    std::map<int, ProgramRecord> m_unchanged;
    bool m_showing = false;

    int m_copiedProgram = 0;
    struct VialReference
    {
        int program = 0;
        int vial = 0;
    } m_copiedVial;

    ConnectionFrame *m_frame = nullptr;
    QLineEdit *m_number = nullptr;
    SpinBar *m_spin = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_percent = nullptr;
    QGroupBox *m_programFrame = nullptr;
    NameBox *m_name = nullptr;
    QComboBox *m_type = nullptr;
    QLabel *m_duration = nullptr;
    QPushButton *m_copy = nullptr;
    QPushButton *m_paste = nullptr;
    QPushButton *m_delete = nullptr;
    QListWidget *m_vials = nullptr;
    VialEditor *m_vialEditor = nullptr;
    QAction *m_vialPaste = nullptr;
};

} // namespace corvex

#pragma once

#include "CompareSide.h"

#include <QDialog>

#include <functional>
#include <optional>
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace corvex {

// The dialog's title, also the title of what the Compare command reports.
QString compareTitle();


// File > Compare...: two sides, each the Corvex, the local store or a file
// (a store, a backup or a program file), and what differs between them as a
// list of items with the left and the right value side by side.
class CompareDialog : public QDialog
{
    Q_OBJECT

public:
    // Reads the Corvex and calls back once, from the event loop, with its
    // data, or with nothing when it could not be read (having said why).
    using InstrumentReader = std::function<void(std::function<void(std::optional<InstrumentData>)>)>;

    enum class Source { Instrument, LocalStore, File };

    CompareDialog(QString storePath, int currentProgram, InstrumentReader readInstrument, QWidget *parent = nullptr);

    // Sets a side as the controls would (0 left, 1 right).
    void setSide(int side, Source source, const QString &file = {});
    // Reads both sides and shows what differs.
    void compare();

    QTreeWidget *list() const { return m_list; }
    QLabel *summary() const { return m_summary; }

private:
    struct SideControls
    {
        QComboBox *source = nullptr;
        QLineEdit *file = nullptr;
        QPushButton *browse = nullptr;
    };

    QWidget *makeSide(int side, const QString &title);
    void sourceChanged(int side);
    std::optional<CompareSide> loadFileSide(int side, QString &error) const;
    void showDifferences(const CompareSide &left, const CompareSide &right);
    void setBusy(bool busy);

    const QString m_storePath;
    InstrumentReader m_readInstrument;
    SideControls m_sides[2];
    QSpinBox *m_program = nullptr;
    QPushButton *m_compare = nullptr;
    QTreeWidget *m_list = nullptr;
    QLabel *m_summary = nullptr;
};

} // namespace corvex

#pragma once

#include "InstrumentData.h"
#include "PrintDialogSeams.h"
#include "PrintRequest.h"

#include <QDialog>
#include <QImage>
#include <QPrinter>

#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace corvex {

// "Print Program...": chooses the reagent list or a range of programs, the
// logo, date and time and a comment line, previews the logo, and runs the
// print. Logo file and comment are remembered as user settings. A dialog whose
// print run failed stays hidden (keptAfterFailure), for PrintSession to show
// it again as it was.
class PrintDialog : public QDialog
{
    Q_OBJECT

public:
    // Creates the dialog and runs its opening steps; `currentProgram` presets
    // the range. `data` must outlive the dialog.
    PrintDialog(const InstrumentData &data, int currentProgram, QWidget *parent = nullptr,
             PrintDialogSeams seams = PrintDialogSeams::system());

    QString logoPath() const { return m_logoPath; }
    const QImage &logoPicture() const { return m_logo; }
    // True after a print run that failed: the dialog is hidden but kept.
    bool keptAfterFailure() const { return m_keptAfterFailure; }
    // The request the controls describe now, stamped with the time of `now`.
    PrintRequest currentRequest() const;
    // The printer Print Setup sets up and OK prints on (the seams' one).
    QPrinter &printer() { return m_printer; }

    // Closing the dialog in any way (OK, Cancel, Escape, the close box) unloads it.
    void done(int result) override;

private:
    void buildControls();
    // Names for screen readers.
    void setUpAccessibility();
    void runOpeningSteps(int currentProgram);
    bool showLogo(const QImage &picture);
    void enableProgramRange(bool programs);
    void refuseLogoWithoutPicture();
    void openLogo();
    void setUpPrinter();
    void showPreview();
    void print();

    const InstrumentData &m_data;
    PrintDialogSeams m_seams;
    std::unique_ptr<QPrinter> m_ownPrinter;
    QPrinter &m_printer;
    QString m_logoPath;
    QImage m_logo; // the picture the preview shows and the run draws
    bool m_keptAfterFailure = false;

    QGroupBox *m_printWhatGroup = nullptr;
    QRadioButton *m_reagentListOption = nullptr;
    QRadioButton *m_programsOption = nullptr;
    QLineEdit *m_firstProgramBox = nullptr;
    QLabel *m_toLabel = nullptr;
    QLineEdit *m_lastProgramBox = nullptr;
    QCheckBox *m_logoCheck = nullptr;
    QCheckBox *m_dateCheck = nullptr;
    QCheckBox *m_timeCheck = nullptr;
    QLabel *m_commentLabel = nullptr;
    QPlainTextEdit *m_commentBox = nullptr;
    QGroupBox *m_logoPreviewGroup = nullptr;
    QLabel *m_logoPreview = nullptr;
    QPushButton *m_openLogoButton = nullptr;
    QPushButton *m_setupButton = nullptr;
    QPushButton *m_previewButton = nullptr;
    QPushButton *m_printButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};

} // namespace corvex

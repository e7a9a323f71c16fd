#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace corvex {

// "System Requirements": one read-only text box, closed with the window's
// close box. Each opening builds the text anew.
class RequirementsWindow : public QDialog
{
    Q_OBJECT

public:
    explicit RequirementsWindow(QWidget *parent = nullptr);

    static QString requirementsText();
    QString text() const;

private:
    QPlainTextEdit *m_text = nullptr;
};

} // namespace corvex

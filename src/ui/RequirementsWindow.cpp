#include "RequirementsWindow.h"

#include "Twips.h"

#include <QFont>
#include <QPlainTextEdit>

namespace corvex {

RequirementsWindow::RequirementsWindow(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmRequirements"));
    setWindowTitle(tr("System Requirements"));
    setFixedSize(twipsToPixels(QSize(6420, 4140), this));

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("txt"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9.75);
    font.setStyleHint(QFont::SansSerif);
    m_text->setFont(font);
    m_text->setReadOnly(true);
    m_text->setAccessibleName(tr("System requirements"));
    m_text->setGeometry(twipsToPixels(QRect(120, 120, 6135, 3855), this));
    m_text->setPlainText(m_text->toPlainText() + requirementsText());
}

QString RequirementsWindow::requirementsText()
{
    const QString lineBreak = QStringLiteral("\r\n");
    const QString blankLine = lineBreak + lineBreak;
    return tr("Minimum Requirements:") + lineBreak + tr(" - Intel 80486 CPU") + lineBreak
        + tr(" - 16 MB RAM") + lineBreak + tr(" - 4 MB free HD Space") + blankLine
        + tr("Recommended:") + lineBreak + tr(" - 133 MHz CPU or faster") + lineBreak
        + tr(" - 32 MB RAM") + blankLine + tr("Supported Operating Systems:") + lineBreak
        + tr(" - Windows 95, Windows 98, Windows 98 SE, Windows ME") + lineBreak
        + tr(" - Windows NT 4.0 (SP 6 or higher), Windows 2000, Windows XP") + blankLine
        + tr("Serial Port (COM) is required for connection.");
}

QString RequirementsWindow::text() const
{
    return m_text->toPlainText();
}

} // namespace corvex

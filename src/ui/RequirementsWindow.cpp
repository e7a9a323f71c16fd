#include "RequirementsWindow.h"

#include "Twips.h"

#include <QFont>
#include <QPlainTextEdit>

namespace corvex {

RequirementsWindow::RequirementsWindow(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmRequirements"));
    setWindowTitle(QStringLiteral("System Requirements"));
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
    return QStringLiteral("Minimum Requirements:") + lineBreak + QStringLiteral(" - Intel 80486 CPU") + lineBreak
        + QStringLiteral(" - 16 MB RAM") + lineBreak + QStringLiteral(" - 4 MB free HD Space") + blankLine
        + QStringLiteral("Recommended:") + lineBreak + QStringLiteral(" - 133 MHz CPU or faster") + lineBreak
        + QStringLiteral(" - 32 MB RAM") + blankLine + QStringLiteral("Supported Operating Systems:") + lineBreak
        + QStringLiteral(" - Windows 95, Windows 98, Windows 98 SE, Windows ME") + lineBreak
        + QStringLiteral(" - Windows NT 4.0 (SP 6 or higher), Windows 2000, Windows XP") + blankLine
        + QStringLiteral("Serial Port (COM) is required for connection.");
}

QString RequirementsWindow::text() const
{
    return m_text->toPlainText();
}

} // namespace corvex

#include "PrintSession.h"

#include "PrintDialog.h"

namespace corvex {

PrintSession::PrintSession(TransferLog &log, QObject *parent)
    : QObject(parent)
    , m_log(log)
{
}

PrintSession::~PrintSession()
{
    delete m_kept.data();
}

void PrintSession::showModal(const InstrumentData &data, int currentProgram, QWidget *parent, PrintDialogSeams seams)
{
    if (!seams.printer)
        seams.printer = &m_printer;
    if (!seams.log)
        seams.log = &m_log;
    PrintDialog *dialog = m_kept ? m_kept.data() : new PrintDialog(data, currentProgram, parent, std::move(seams));
    m_kept = dialog;
    dialog->exec();
    if (!dialog->keptAfterFailure()) {
        m_kept.clear();
        delete dialog;
    }
}

} // namespace corvex

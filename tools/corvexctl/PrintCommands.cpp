#include "PrintCommands.h"

#include "StoreOption.h"

#include "SheetOrder.h"

namespace corvex {

namespace {

QList<CommandOption> sheetOptions()
{
    return {
        {QStringLiteral("printer"), QStringLiteral("NAME"), QStringLiteral("Print on this queue of the print service instead of the default printer")},
        {QStringLiteral("pdf"), QStringLiteral("FILE"), QStringLiteral("Write a PDF file instead of printing")},
        {QStringLiteral("logo"), QStringLiteral("FILE"), QStringLiteral("Print this picture as the logo (BMP, JPEG, GIF, PNG, WMF, EMF)")},
        {QStringLiteral("date"), QString(), QStringLiteral("Print the current date in the footer")},
        {QStringLiteral("time"), QString(), QStringLiteral("Print the current time in the footer")},
        {QStringLiteral("comment"), QStringLiteral("TEXT"), QStringLiteral("Print TEXT at the top of every sheet")},
        storeOption(),
    };
}

int printSheets(CommandContext &context, SheetOrder order)
{
    const bool named = context.hasOption(QStringLiteral("printer"));
    if (named && context.hasOption(QStringLiteral("pdf")))
        return context.usageError(QStringLiteral("Give either --printer or --pdf, not both."));
    if (named && context.option(QStringLiteral("printer")).isEmpty())
        return context.usageError(QStringLiteral("--printer needs the name of a printer."));
    InstrumentData data;
    if (!loadStoreFor(context, data, false))
        return exitFailed;
    order.pdfFile = context.option(QStringLiteral("pdf"));
    order.printer = context.option(QStringLiteral("printer"));
    order.logoFile = context.option(QStringLiteral("logo"));
    order.date = context.hasOption(QStringLiteral("date"));
    order.time = context.hasOption(QStringLiteral("time"));
    order.comment = context.option(QStringLiteral("comment"));
    order.moment = QDateTime::currentDateTime();
    const SheetOrderResult result = printSheetOrder(data, order, context.log);
    if (!result.ok)
        return context.fail(result.message);
    context.out << result.message << '\n';
    return exitDone;
}

int printPrograms(CommandContext &context)
{
    int first = 0, last = 0;
    if (!context.numberArgument(0, 1, programCount, QStringLiteral("The first program"), first)
        || !context.numberArgument(1, first, programCount, QStringLiteral("The last program"), last))
        return exitUsage;
    SheetOrder order;
    order.content = PrintRequest::Content::Programs;
    order.firstProgram = QString::number(first);
    order.lastProgram = QString::number(last);
    return printSheets(context, order);
}

int printReagents(CommandContext &context)
{
    SheetOrder order;
    order.content = PrintRequest::Content::ReagentList;
    return printSheets(context, order);
}

} // namespace

QList<Command> printCommands()
{
    return {
        {QStringLiteral("print-programs"), QStringLiteral("FIRST LAST"),
         QStringLiteral("Print the sheets of programs FIRST to LAST (1 to 99) of the store, one page each"), 2, 2,
         sheetOptions(), printPrograms},
        {QStringLiteral("print-reagents"), QString(), QStringLiteral("Print the reagent list of the store on one page"),
         0, 0, sheetOptions(), printReagents},
    };
}

} // namespace corvex

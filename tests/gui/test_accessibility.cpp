// What a screen reader finds in the main window and each dialog: every
// control that takes the focus has a name of its own, told apart from the
// other controls of its page.
#include "BackupJob.h"
#include "CompareDialog.h"
#include "JobProgressDialog.h"
#include "PrintDialog.h"
#include "RequirementsWindow.h"
#include "SettingsDialog.h"
#include "TransferLogDialog.h"

#include "support/FakeMemory.h"
#include "support/WindowFixture.h"

#include <QAccessible>
#include <QGroupBox>
#include <QStackedWidget>
#include <QTest>

using namespace corvex;

namespace {

// The page a control is on: its tab, or its window.
const QWidget *pageOf(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (qobject_cast<const QStackedWidget *>(w->parentWidget()) || w->isWindow())
            return w;
    }
    return nullptr;
}

bool namedAfterItsGroup(const QWidget *widget, const QString &name)
{
    for (const QWidget *w = widget->parentWidget(); w; w = w->parentWidget()) {
        const auto *group = qobject_cast<const QGroupBox *>(w);
        if (group && QString(group->title()).remove(QLatin1Char('&')).compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// Screen readers on Linux announce a drop-down by its current item, then by
// its label or its description.
bool labelled(QAccessibleInterface *node)
{
    for (const auto &[label, relation] : node->relations(QAccessible::Label)) {
        if (label->role() == QAccessible::StaticText)
            return true;
    }
    return !node->text(QAccessible::Description).isEmpty();
}

// The focusable controls of the tree below `node` that a screen reader could
// not tell apart: without a name, with the title of the group around them
// (which is what a control without a name of its own is announced as), or
// with the name of another control on the same page.
using PageNames = QHash<const QWidget *, QHash<QString, QString>>;

void findUnnamed(const QWidget *root, QAccessibleInterface *node, PageNames &names, QStringList &problems)
{
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface *child = node->child(i))
            findUnnamed(root, child, names, problems);
    }
    const auto *widget = qobject_cast<const QWidget *>(node->object());
    // A drop-down's list belongs to its own pop-up window, read while it is
    // open; a control hidden on its page is read once shown.
    if (!widget || !node->state().focusable || widget->window() != root || !widget->isVisibleTo(pageOf(widget)))
        return;
    const QString control = QStringLiteral("%1 %2").arg(QLatin1String(widget->metaObject()->className()), widget->objectName());
    const QString name = node->text(QAccessible::Name);
    QString &other = names[pageOf(widget)][name.toLower()];
    if (name.isEmpty())
        problems << control + QStringLiteral(": no name");
    else if (node->role() == QAccessible::ComboBox && !labelled(node))
        problems << control + QStringLiteral(": only its item, ") + name;
    else if (namedAfterItsGroup(widget, name))
        problems << control + QStringLiteral(": the name of its group, ") + name;
    else if (!other.isEmpty())
        problems << control + QStringLiteral(": the name of ") + other + QStringLiteral(", ") + name;
    other = control;
}

QStringList unnamedControls(QWidget *window)
{
    PageNames names;
    QStringList problems;
    findUnnamed(window, QAccessible::queryAccessibleInterface(window), names, problems);
    return problems;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyControlHasANameOfItsOwn_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *window : {"main window", "settings", "print", "compare", "transfer log", "backup progress", "requirements"})
            QTest::newRow(window) << QString::fromLatin1(window);
    }
    void everyControlHasANameOfItsOwn()
    {
        QFETCH(QString, window);
        AppFixture app;
        FakeMemory memory;
        std::unique_ptr<MainWindow> main = app.loadWindow();
        QWidget *shown = main.get();
        if (window == QLatin1String("settings"))
            shown = new SettingsDialog(app.connection, main.get());
        else if (window == QLatin1String("print"))
            shown = new PrintDialog(app.data, 1, main.get());
        else if (window == QLatin1String("compare"))
            shown = new CompareDialog(app.storePath, 1, {}, main.get());
        else if (window == QLatin1String("transfer log"))
            shown = new TransferLogDialog(app.folders.path() + QStringLiteral("/log.csv"), main.get());
        else if (window == QLatin1String("backup progress"))
            shown = new JobProgressDialog(*new BackupJob(memory, QString(), {}, main.get()), QStringLiteral("Back Up"), main.get());
        else if (window == QLatin1String("requirements"))
            shown = new RequirementsWindow(main.get());
        shown->show();
        const QStringList unnamed = unnamedControls(shown);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"

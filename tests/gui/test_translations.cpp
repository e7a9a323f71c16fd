// The window in German: which language start-up chooses, and that the main
// window and every dialog show no English text and clip none of their German
// ones, and that every control that takes the focus has a name of its own for
// screen readers. Runs with LANG=de_DE.UTF-8, set by main().
#include "CompareDialog.h"
#include "JobProgressDialog.h"
#include "LoadWindow.h"
#include "MemoryMap.h"
#include "PrintDialog.h"
#include "RequirementsWindow.h"
#include "SettingsDialog.h"
#include "TransferLogDialog.h"
#include "Translations.h"
#include "UserSettings.h"
#include "WholeInstrumentJobs.h"

#include "support/FakeMemory.h"
#include "support/WindowFixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>

#include <functional>
#include <memory>

using namespace corvex;

namespace {

// One text a window shows, with the control that shows it.
struct ShownText
{
    QString text;
    QWidget *control;
};

QList<ShownText> shownTexts(QWidget *window)
{
    QList<ShownText> texts{{window->windowTitle(), window}};
    const auto add = [&texts](const QString &text, QWidget *control) { texts.append({text, control}); };
    for (QWidget *control : window->findChildren<QWidget *>()) {
        // What a screen reader says of a control is shown text too.
        add(control->accessibleName(), control);
        add(control->accessibleDescription(), control);
        if (auto *label = qobject_cast<QLabel *>(control))
            add(label->text(), control);
        else if (auto *button = qobject_cast<QAbstractButton *>(control))
            add(button->text(), control);
        else if (auto *box = qobject_cast<QGroupBox *>(control))
            add(box->title(), control);
        else if (auto *line = qobject_cast<QLineEdit *>(control))
            add(line->placeholderText(), control);
        else if (auto *bar = qobject_cast<QTabBar *>(control)) {
            for (int i = 0; i < bar->count(); ++i)
                add(bar->tabText(i), control);
        } else if (auto *header = qobject_cast<QHeaderView *>(control); header && header->model()) {
            for (int i = 0; i < header->count(); ++i)
                add(header->model()->headerData(i, header->orientation()).toString(), control);
        } else if (qobject_cast<QMenu *>(control) || qobject_cast<QMenuBar *>(control)) {
            for (const QAction *action : control->actions())
                add(action->text(), control);
        }
    }
    return texts;
}

// Texts that are the same in both languages, and texts without a word.
bool sameInGerman(const QString &text)
{
    static const QStringList same = {QStringLiteral("OK"), QStringLiteral("&OK"), QStringLiteral("Pause"),
                                     QStringLiteral("Logo"), QStringLiteral("h"), QStringLiteral("min")};
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    return same.contains(text) || !word.match(text).hasMatch();
}

void removeTranslations()
{
    for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

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

class TestTranslations : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> m_app;
    FakeMemory m_memory;
    TransferLog m_log;

    // The window of a row, made afresh in the language installed now.
    std::unique_ptr<QWidget> makeWindow(const QString &name)
    {
        if (name == QLatin1String("main"))
            return m_app->loadWindow();
        if (name == QLatin1String("reagents tab")) {
            std::unique_ptr<MainWindow> window = m_app->loadWindow();
            window->findChild<QTabWidget *>()->setCurrentIndex(1);
            return window;
        }
        if (name == QLatin1String("settings"))
            return std::make_unique<SettingsDialog>(m_app->connection);
        if (name == QLatin1String("print"))
            return std::make_unique<PrintDialog>(m_app->data, 1);
        if (name == QLatin1String("compare"))
            return std::make_unique<CompareDialog>(m_app->storePath, 1, []() -> BackupJob * { return nullptr; });
        if (name == QLatin1String("transfer log"))
            return std::make_unique<TransferLogDialog>(m_app->folders.path() + QStringLiteral("/log.csv"));
        if (name == QLatin1String("requirements"))
            return std::make_unique<RequirementsWindow>();
        if (name == QLatin1String("loading"))
            return std::make_unique<LoadWindow>();
        BackupJob *job = makeBackup(m_memory, m_log, QString(), QString(), &m_memory);
        return std::make_unique<JobProgressDialog>(*job, QString(), nullptr);
    }

private slots:
    void init() { m_app = std::make_unique<AppFixture>(); }
    void cleanup()
    {
        removeTranslations();
        m_app.reset();
    }

    void chosenLanguage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<bool>("german");
        const QString corvex = QStringLiteral("corvex");
        QTest::newRow("the system's") << QStringList{corvex} << QString() << true;
        QTest::newRow("setting over the system") << QStringList{corvex} << QStringLiteral("en") << false;
        QTest::newRow("option over the setting") << QStringList{corvex, QStringLiteral("--language=de")}
                                                  << QStringLiteral("en") << true;
    }

    void chosenLanguage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, setting);
        QFETCH(bool, german);
        if (!setting.isEmpty())
            QVERIFY(writeUserSetting(UserSetting::language, setting));
        QCOMPARE(installTranslations(*qApp, corvex::chosenLanguage(arguments)), german);
        QCOMPARE(QCoreApplication::translate("corvex::MainWindow", "Programs"),
                 german ? QStringLiteral("Programme") : QStringLiteral("Programs"));
    }

    void everyTextGerman_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *window : {"main", "reagents tab", "settings", "print", "compare", "transfer log", "requirements", "loading",
                                   "progress"})
            QTest::newRow(window) << QString::fromLatin1(window);
    }

    void everyTextGerman()
    {
        QFETCH(QString, window);
        const std::unique_ptr<QWidget> english = makeWindow(window);
        const QList<ShownText> englishTexts = shownTexts(english.get());

        QVERIFY(installTranslations(*qApp, QLocale(QLocale::German)));
        const std::unique_ptr<QWidget> german = makeWindow(window);
        german->show();
        QVERIFY(QTest::qWaitForWindowExposed(german.get()));
        const QList<ShownText> germanTexts = shownTexts(german.get());

        QCOMPARE(germanTexts.size(), englishTexts.size());
        QStringList untranslated, clipped;
        for (qsizetype i = 0; i < germanTexts.size(); ++i) {
            const ShownText &shown = germanTexts.at(i);
            if (shown.text == englishTexts.at(i).text && !sameInGerman(shown.text))
                untranslated << shown.text;
        }
        for (QWidget *control : german->findChildren<QWidget *>()) {
            const auto *label = qobject_cast<QLabel *>(control);
            const bool captioned = label || qobject_cast<QAbstractButton *>(control) || qobject_cast<QGroupBox *>(control);
            if (captioned && !(label && label->wordWrap()) && control->isVisible()
                && control->width() < control->minimumSizeHint().width())
                clipped << control->objectName();
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(QStringLiteral("in English: ") + untranslated.join(u" | ")));
        QVERIFY2(clipped.isEmpty(), qPrintable(QStringLiteral("clipped: ") + clipped.join(u" | ")));
        QVERIFY2(unnamedControls(german.get()).isEmpty(), qPrintable(unnamedControls(german.get()).join(u"; ")));
    }

    // A message of the transfer layer, as the window shows it.
    void coreMessagesGerman()
    {
        QVERIFY(installTranslations(*qApp, QLocale(QLocale::German)));
        FakeMemory memory;
        memory.failing << programAddress(1);
        BackupJob *backup = makeBackup(memory, m_log, QString(), QString(), &memory);
        const QString failed = JobRecorder().run(*backup).message;
        QVERIFY2(failed.startsWith(u"Das Lesen des Corvex für den Vergleich brach bei Program01 ab (Adresse ")
                     && failed.endsWith(u"nach 5 Versuchen).\nEs wurde nichts verglichen."),
                 qPrintable(failed));
    }
};

int main(int argc, char *argv[])
{
    // The system's language as a German lab sets it, before Qt reads it.
    qputenv("LANG", "de_DE.UTF-8");
    for (const char *overriding : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        qunsetenv(overriding);
    QApplication application(argc, argv);
    TestTranslations test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_translations.moc"

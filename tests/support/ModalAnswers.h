#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>

namespace corvex {

// Answers the modal windows a test provokes, in order. Arm the answers before
// the action that opens the windows. Each window answered is noted in seen()
// as "title|text|icon" for a message box (icons ? ! x i, none empty),
// "title|filters|file" for a file dialog, "title|label|input" for an input
// box and "title|class" for any other window.
class ModalAnswers : public QObject
{
public:
    ModalAnswers() { m_timer.callOnTimeout(this, &ModalAnswers::look); m_timer.start(5); }

    void click(QMessageBox::StandardButton button)
    {
        handle([button](QWidget *window) {
            auto *box = qobject_cast<QMessageBox *>(window);
            box && box->button(button) ? box->button(button)->click() : static_cast<void>(window->close());
        });
    }

    // Chooses `path` in the next file dialog, or cancels it for an empty path. Typed as a user
    // would (selectFile() does not take a file that does not exist yet), and accepted with the
    // dialog's own checks.
    void chooseFile(const QString &path)
    {
        handle([path](QWidget *window) {
            auto *name = window->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            if (!qobject_cast<QFileDialog *>(window) || !name || path.isEmpty())
                return static_cast<void>(window->close());
            name->setText(path);
            static_cast<QDialog *>(window)->accept();
        });
    }

    void handle(std::function<void(QWidget *)> answer) { m_answers.push_back(std::move(answer)); }

    bool allAnswered() const { return m_answers.empty() && m_pending == 0; }
    const QStringList &seen() const { return m_seen; }

    static QString describe(QWidget *window)
    {
        const QString title = window->windowTitle() + QLatin1Char('|');
        if (auto *box = qobject_cast<QMessageBox *>(window))
            return title + box->text() + QLatin1Char('|') + QStringLiteral(" i!x?").mid(box->icon(), 1).trimmed();
        if (auto *dialog = qobject_cast<QFileDialog *>(window))
            return title + dialog->nameFilters().join(QLatin1Char(';')) + QStringLiteral("|file");
        if (auto *input = qobject_cast<QInputDialog *>(window))
            return title + input->labelText() + QStringLiteral("|input");
        return title + QString::fromLatin1(window->metaObject()->className());
    }

private:
    void look()
    {
        QWidget *window = QApplication::activeModalWidget();
        if (!window || !window->isVisible() || m_answers.empty() || m_busy.contains(window))
            return;
        m_seen.append(describe(window));
        m_busy.append(window);
        ++m_pending;
        // Answered outside this tick, so that a window the answer opens in turn
        // is seen by the next one; the window stays busy until its answer returns.
        QTimer::singleShot(0, this, [this, window = QPointer<QWidget>(window), answer = std::move(m_answers.front())]() mutable {
            if (window)
                answer(window);
            else
                m_answers.push_front(std::move(answer)); // gone before its turn: keep the answer
            m_busy.removeAll(window);
            --m_pending;
        });
        m_answers.pop_front();
    }

    QTimer m_timer;
    std::deque<std::function<void(QWidget *)>> m_answers;
    QList<QPointer<QWidget>> m_busy;
    int m_pending = 0;
    QStringList m_seen;
};

// Runs `action` with `button` armed for the one message box it opens, and
// returns how ModalAnswers saw that box ("no question" when none came).
inline QString asked(QMessageBox::StandardButton button, const std::function<void()> &action)
{
    ModalAnswers answers;
    answers.click(button);
    action();
    if (!QTest::qWaitFor([&answers] { return answers.allAnswered(); }))
        return QStringLiteral("no question");
    return answers.seen().value(0);
}

} // namespace corvex

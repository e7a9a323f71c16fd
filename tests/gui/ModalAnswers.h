#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QLineEdit>
#include <QTimer>

#include <deque>
#include <functional>

// Answers the modal windows a test provokes, in order. Arm the answers before
// the action that opens the windows; each answer handles the next modal window
// that appears and records what a message box showed.
class ModalAnswers : public QObject
{
public:
    struct Seen
    {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString windowClass;
    };

    ModalAnswers()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { look(); });
        m_timer.start();
    }

    // Clicks `button` of the next message box.
    void click(QMessageBox::StandardButton button)
    {
        m_answers.push_back([this, button](QWidget *window) {
            auto *box = qobject_cast<QMessageBox *>(window);
            if (!box) {
                m_unexpected.append(QString::fromLatin1(window->metaObject()->className()));
                window->close();
                return;
            }
            QAbstractButton *target = box->button(button);
            if (!target) {
                m_unexpected.append(QStringLiteral("no such button in: ") + box->text());
                box->close();
                return;
            }
            target->click();
        });
    }

    // Chooses `path` in the next file dialog, or cancels it for an empty path.
    void chooseFile(const QString &path)
    {
        m_answers.push_back([this, path](QWidget *window) {
            auto *dialog = qobject_cast<QFileDialog *>(window);
            if (!dialog) {
                m_unexpected.append(QString::fromLatin1(window->metaObject()->className()));
                window->close();
                return;
            }
            m_fileDialogTitles.append(dialog->windowTitle());
            m_fileDialogFilters.append(dialog->nameFilters().join(QLatin1Char(';')));
            if (path.isEmpty()) {
                dialog->reject();
                return;
            }
            // Typed into the name box, as a user would: selectFile() does not
            // take a file that does not exist yet.
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            if (!name) {
                m_unexpected.append(QStringLiteral("file dialog without a name box"));
                dialog->reject();
                return;
            }
            name->setText(path);
            static_cast<QDialog *>(dialog)->accept(); // runs the file dialog's own checks
        });
    }

    // Types `text` into the next input box and accepts it (empty: cancels).
    void enterText(const QString &text)
    {
        m_answers.push_back([this, text](QWidget *window) {
            auto *input = qobject_cast<QInputDialog *>(window);
            if (!input) {
                m_unexpected.append(QString::fromLatin1(window->metaObject()->className()));
                window->close();
                return;
            }
            m_inputTitles.append(input->windowTitle() + QLatin1Char('|') + input->labelText());
            if (text.isEmpty()) {
                input->reject();
                return;
            }
            input->setTextValue(text);
            input->accept();
        });
    }

    // Any other window: the test decides.
    void handle(std::function<void(QWidget *)> answer) { m_answers.push_back(std::move(answer)); }

    bool allAnswered() const { return m_answers.empty() && m_pending == 0; }
    const QList<Seen> &seen() const { return m_seen; }
    const QStringList &unexpected() const { return m_unexpected; }
    const QStringList &fileDialogTitles() const { return m_fileDialogTitles; }
    const QStringList &fileDialogFilters() const { return m_fileDialogFilters; }
    const QStringList &inputTitles() const { return m_inputTitles; }

private:
    void look()
    {
        QWidget *window = QApplication::activeModalWidget();
        if (!window || !window->isVisible() || m_answers.empty() || m_busy.contains(window))
            return;
        if (auto *box = qobject_cast<QMessageBox *>(window))
            m_seen.append({box->windowTitle(), box->text(), box->icon(), QStringLiteral("QMessageBox")});
        else
            m_seen.append({window->windowTitle(), QString(), QMessageBox::NoIcon,
                           QString::fromLatin1(window->metaObject()->className())});
        auto answer = std::move(m_answers.front());
        m_answers.pop_front();
        m_busy.append(window);
        ++m_pending;
        // Run outside this timer's own tick, so that a window the answer
        // opens in turn (an overwrite question) is seen by the next tick.
        // The window stays busy until its answer has returned: a tick may
        // come between closing a nested question and the answer going on.
        QTimer::singleShot(0, this, [this, window = QPointer<QWidget>(window), answer = std::move(answer)]() mutable {
            if (window)
                answer(window);
            else
                m_answers.push_front(std::move(answer)); // gone before its turn: keep the answer
            m_busy.removeAll(window);
            m_busy.removeAll(nullptr);
            --m_pending;
        });
    }

    QTimer m_timer;
    std::deque<std::function<void(QWidget *)>> m_answers;
    QList<QPointer<QWidget>> m_busy;
    int m_pending = 0;
    QList<Seen> m_seen;
    QStringList m_unexpected;
    QStringList m_fileDialogTitles;
    QStringList m_fileDialogFilters;
    QStringList m_inputTitles;
};

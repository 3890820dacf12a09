#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class QFileDialog;

namespace TestSupport {

// Writes the settings file of the data folder with the given language.
void writeLanguage(const QString &language);

} // namespace TestSupport

// Answers the modal dialogs the code under test opens: fills and accepts a
// file dialog, records and closes every shared message. Runs from a timer, so
// it works inside the nested event loops of exec() and static dialogs.
class DialogPump : public QObject
{
    Q_OBJECT
public:
    explicit DialogPump(QObject *parent = nullptr);

    // Called once per file dialog that appears; it may select files and
    // must accept or reject the dialog.
    std::function<void(QFileDialog *)> onFileDialog;

    struct Message
    {
        QString message;
        QString name;          // the file name as plain text
        bool progressVisible;  // a progress dialog was on screen at that moment
    };
    QList<Message> messages;
    int fileDialogs = 0;
    QStringList prompts;    // texts of the shared prompt, each time it was shown
    QStringList unexpected; // texts of message boxes nobody expected
    bool sawProgress = false;

    void start() { m_timer.start(10); }
    void stop() { m_timer.stop(); }

private:
    void tick();
    QTimer m_timer;
    QList<QPointer<QFileDialog>> m_answered;
    int m_waitTicks = 0;
};

// Selects the given files in a file dialog and accepts it.
void chooseFiles(QFileDialog *dialog, const QString &folder, const QStringList &names);

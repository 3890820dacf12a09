#pragma once

#include <QObject>
#include <QString>

class QTranslator;

// Process-wide path operations, the translator holder and the style-sheet
// loader. Created on first use, deleted by the main window's destructor.
class Session : public QObject
{
    Q_OBJECT
public:
    static Session *instance();
    static void deleteInstance();

    // The per-user data folder, created folder by folder; empty when a folder
    // cannot be created.
    QString getDataPath() const;
    // Creates each missing folder of path, one by one; on failure returns
    // false with the folder that could not be made in failedFolder. A folder
    // another process makes meanwhile counts as made.
    static bool makeFolders(const QString &path, QString *failedFolder);
    // A path beside the executable, in native separators.
    QString appDirFile(const QString &name) const;

    // Replaces the installed translator by the one of the language code, and
    // Qt's own catalogue of that language (the file dialog's texts) when the
    // system has one.
    void loadTranslator(const QString &code);
    QTranslator *translator() const { return m_translator; }
    static QString translationFileName(const QString &code);

    // Appends qss/<name> to the application style sheet; a missing file changes nothing.
    void loadStyleSheet(const QString &name) const;

private:
    explicit Session(QObject *parent = nullptr);
    ~Session() override;

    QTranslator *m_translator = nullptr;
    QTranslator *m_qtTranslator = nullptr;
};

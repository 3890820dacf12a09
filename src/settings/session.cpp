#include "session.h"

#include "platform/platform.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
Session *g_session = nullptr;
}

Session *Session::instance()
{
    if (!g_session)
        g_session = new Session;
    return g_session;
}

void Session::deleteInstance()
{
    delete g_session;
    g_session = nullptr;
}

Session::Session(QObject *parent) : QObject(parent) {}

Session::~Session()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator);
}

QString Session::getDataPath() const
{
    const QString path = Platform::dataRoot();
    QString failed;
    if (!makeFolders(path, &failed)) {
        qWarning() << "getDataPath: cannot create folder" << failed;
        return QString();
    }
    return path;
}

bool Session::makeFolders(const QString &path, QString *failedFolder)
{
    // Folder by folder, so a failure is found at the folder that cannot be made.
    const QStringList pieces = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current = path.startsWith(QLatin1Char('/')) ? QString() : QStringLiteral(".");
    for (const QString &piece : pieces) {
        current += QLatin1Char('/') + piece;
        // A copy starting at the same moment may make the folder between the
        // test and mkdir: the folder being there afterwards is what counts.
        if (!QFileInfo(current).isDir() && !QDir().mkdir(current) && !QFileInfo(current).isDir()) {
            *failedFolder = current;
            return false;
        }
    }
    return true;
}

QString Session::appDirFile(const QString &name) const
{
    return QDir::toNativeSeparators(QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(name));
}

QString Session::translationFileName(const QString &code)
{
    static const struct { const char *code; const char *file; } table[] = {
        {"cn", "corvane_zh.qm"},       {"us", "corvane_en.qm"},       {"jp", "corvane_ja.qm"},
        {"fr", "corvane_fr.qm"},       {"it", "corvane_it.qm"},       {"de", "corvane_de.qm"},
        {"es", "corvane_es.qm"},       {"ko", "corvane_ko.qm"},       {"pt-PT", "corvane_pt-PT.qm"},
        {"ru", "corvane_ru.qm"},       {"th", "corvane_th.qm"},       {"zh-HK", "corvane_zh-HK.qm"},
        {"zh-TW", "corvane_zh-TW.qm"},
    };
    for (const auto &entry : table) {
        if (code == QLatin1String(entry.code))
            return QString::fromLatin1(entry.file);
    }
    return QStringLiteral("corvane_zh.qm");
}

void Session::loadTranslator(const QString &code)
{
    for (QTranslator **held : {&m_translator, &m_qtTranslator}) {
        if (*held) {
            QCoreApplication::removeTranslator(*held);
            delete *held;
            *held = nullptr;
        }
    }
    m_translator = new QTranslator(this);
    const QString file = translationFileName(code);
    const QString path = appDirFile(QStringLiteral("translation/") + file);
    if (!QFile::exists(path) || !m_translator->load(path))
        return;
    QCoreApplication::installTranslator(m_translator);

    // Qt's catalogues are named by locale: corvane_zh-HK -> qt_zh_TW (the
    // traditional script is what matters for Hong Kong too).
    QString locale = file.mid(int(qstrlen("corvane_")));
    locale.chop(int(qstrlen(".qm")));
    locale.replace(QLatin1Char('-'), QLatin1Char('_'));
    if (locale == QLatin1String("zh"))
        locale = QStringLiteral("zh_CN");
    else if (locale == QLatin1String("zh_HK"))
        locale = QStringLiteral("zh_TW");
    m_qtTranslator = new QTranslator(this);
    if (m_qtTranslator->load(QStringLiteral("qt_") + locale, QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(m_qtTranslator);
}

void Session::loadStyleSheet(const QString &name) const
{
    const QString path = appDirFile(QStringLiteral("qss/") + name);
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return;
    auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (!app)
        return;
    // styleSheet is a property of QApplication; reach it without linking widgets.
    const QString current = app->property("styleSheet").toString();
    app->setProperty("styleSheet", current + QString::fromUtf8(file.readAll()));
}

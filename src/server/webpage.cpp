#include "server/webpage.h"

#include <QDebug>
#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
const char kTextsStart[] = "/*CORVANE_TEXTS*/";
const char kTextsEnd[] = "/*END*/";
const char kPageResource[] = ":/Corvane/web/index.html";
} // namespace

// The page is compiled into the core library: referencing its initialiser
// keeps the linker from dropping it. (Outside any namespace, as the macro needs.)
static void initWebResource()
{
    Q_INIT_RESOURCE(web);
}

QString WebPage::htmlLanguage(const QString &languageSetting)
{
    static const QHash<QString, QString> tags = {
        {"cn", "zh-CN"}, {"us", "en"}, {"jp", "ja"}, {"fr", "fr"}, {"it", "it"},
        {"de", "de"}, {"es", "es"}, {"ko", "ko"}, {"pt-PT", "pt-PT"}, {"ru", "ru"},
        {"th", "th"}, {"zh-HK", "zh-HK"}, {"zh-TW", "zh-TW"},
    };
    return tags.value(languageSetting, QStringLiteral("zh-CN"));
}

QByteArray WebPage::textsJson(const QString &languageSetting)
{
    QJsonObject texts;
    texts.insert(QStringLiteral("lang"), htmlLanguage(languageSetting));
    texts.insert(QStringLiteral("title"), tr("Video library"));
    texts.insert(QStringLiteral("loading"), tr("Loading the library…"));
    texts.insert(QStringLiteral("empty"), tr("The library is empty."));
    texts.insert(QStringLiteral("failed"), tr("The library could not be loaded."));
    texts.insert(QStringLiteral("choose"), tr("Choose a video to play it here."));
    //: File size in megabytes on the web page; %1 is the number.
    texts.insert(QStringLiteral("size"), tr("%1 MB"));
    //: Web page; %1 is the addresses to type into the DeoVR and HereSphere players.
    texts.insert(QStringLiteral("players"), tr("Other players: %1"));
    QByteArray json = QJsonDocument(texts).toJson(QJsonDocument::Compact);
    // "<" only ever appears inside JSON strings, where \u003c means the same.
    json.replace("<", "\\u003c");
    return json;
}

QByteArray WebPage::render(const QString &languageSetting)
{
    static const bool resourceReady = (initWebResource(), true);
    Q_UNUSED(resourceReady)
    QFile file(QString::fromLatin1(kPageResource));
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning() << "web page: cannot read" << file.fileName() << file.errorString();
        return QByteArray();
    }
    QByteArray page = file.readAll();
    const int start = page.indexOf(kTextsStart);
    const int end = page.indexOf(kTextsEnd, start);
    if (start < 0 || end < 0) {
        qWarning() << "web page: the resource has no place for its texts; serving it untranslated";
        return page;
    }
    const int from = start + int(sizeof(kTextsStart)) - 1;
    page.replace(from, end - from, textsJson(languageSetting));
    return page;
}

#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// The page a browser on the LAN gets at GET /: it lists the library from
// /list and plays a video from /video/{id} in the browser's own player. The
// page is a resource of the program; its few words are put in at render
// time, translated like every other text of the program.
class WebPage
{
    Q_DECLARE_TR_FUNCTIONS(WebPage)
public:
    // The page with the texts of the installed translator and the page
    // language of the given `language` setting; empty (and logged) when the
    // resource is missing.
    static QByteArray render(const QString &languageSetting);

    // The BCP 47 tag of a `language` setting (unknown codes, like the
    // translator, fall back to Simplified Chinese).
    static QString htmlLanguage(const QString &languageSetting);

    // The translated texts as a JSON object that is safe inside a script
    // element: no "<" survives, so no text can close the element.
    static QByteArray textsJson(const QString &languageSetting);
};

#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class CNuvoHomeDataProc;
class Prompt;
class FormMessage;

// Process-wide helper: owns the shared dialogs and the online-data facade,
// and carries the start-up routines of telemetry and the local address.
class Utils : public QObject
{
    Q_OBJECT
public:
    static Utils &instance();

    // Gathers this installation's identity and initialises telemetry.
    static void InitTavrel();
    // The PC's LAN IPv4 address as shown to the user.
    static QString getLocalIp();
    // The style sheets name "Microsoft YaHei", which Linux does not have:
    // map it to a CJK-capable sans serif that Debian ships, in the shapes of
    // the language code's script.
    static void installFontSubstitutes(const QString &language = QString());

    // The shared dialogs, created (without parent) with the instance. Needs
    // a QApplication.
    Prompt *getPrompt() const;
    FormMessage *getFormMessage() const;
    // The online-data facade, created (and its background work started) on
    // first use, kept until the application object goes.
    CNuvoHomeDataProc *getNuvoHomeDataProc();

    // The page container over which the shared dialogs centre themselves.
    QWidget *mainWidget() const { return m_mainWidget; }
    void setMainWidget(QWidget *widget) { m_mainWidget = widget; }

    // Where a shared dialog of the given size goes: centred over the parent
    // of the registered page container, else over the primary screen's
    // full geometry.
    QPoint dialogPosition(const QSize &dialogSize) const;

private:
    Utils();
    ~Utils() override;
    void deleteDialogs();

    QPointer<QWidget> m_mainWidget;
    QPointer<Prompt> m_prompt;
    QPointer<FormMessage> m_formMessage;
    QPointer<CNuvoHomeDataProc> m_dataProc;
};

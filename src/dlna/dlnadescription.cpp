#include "dlna/dlnadescription.h"

#include <QDebug>
#include <QDir>
#include <QSaveFile>
#include <QSysInfo>
#include <QUuid>

namespace {

struct Argument
{
    const char *name;
    bool in;
    const char *variable;
};
struct Action
{
    const char *name;
    QVector<Argument> arguments;
};
struct Variable
{
    const char *name;
    const char *type;
    bool evented;
    QStringList allowed;
};

QByteArray scpd(const QVector<Action> &actions, const QVector<Variable> &variables)
{
    QString xml = QStringLiteral("<?xml version=\"1.0\"?>\n<scpd xmlns=\"urn:schemas-upnp-org:service-1-0\">"
                                 "<specVersion><major>1</major><minor>0</minor></specVersion><actionList>");
    for (const Action &action : actions) {
        xml += QStringLiteral("<action><name>%1</name><argumentList>").arg(QLatin1String(action.name));
        for (const Argument &arg : action.arguments)
            xml += QStringLiteral("<argument><name>%1</name><direction>%2</direction>"
                                  "<relatedStateVariable>%3</relatedStateVariable></argument>")
                       .arg(QLatin1String(arg.name), arg.in ? QLatin1String("in") : QLatin1String("out"),
                            QLatin1String(arg.variable));
        xml += QStringLiteral("</argumentList></action>");
    }
    xml += QStringLiteral("</actionList><serviceStateTable>");
    for (const Variable &var : variables) {
        xml += QStringLiteral("<stateVariable sendEvents=\"%1\"><name>%2</name><dataType>%3</dataType>")
                   .arg(var.evented ? QLatin1String("yes") : QLatin1String("no"), QLatin1String(var.name),
                        QLatin1String(var.type));
        if (!var.allowed.isEmpty()) {
            xml += QStringLiteral("<allowedValueList>");
            for (const QString &value : var.allowed)
                xml += QStringLiteral("<allowedValue>%1</allowedValue>").arg(value);
            xml += QStringLiteral("</allowedValueList>");
        }
        xml += QStringLiteral("</stateVariable>");
    }
    xml += QStringLiteral("</serviceStateTable></scpd>\n");
    return xml.toUtf8();
}

QByteArray contentDirectory()
{
    return scpd(
        {{"Browse",
          {{"ObjectID", true, "A_ARG_TYPE_ObjectID"},
           {"BrowseFlag", true, "A_ARG_TYPE_BrowseFlag"},
           {"Filter", true, "A_ARG_TYPE_Filter"},
           {"StartingIndex", true, "A_ARG_TYPE_Index"},
           {"RequestedCount", true, "A_ARG_TYPE_Count"},
           {"SortCriteria", true, "A_ARG_TYPE_SortCriteria"},
           {"Result", false, "A_ARG_TYPE_Result"},
           {"NumberReturned", false, "A_ARG_TYPE_Count"},
           {"TotalMatches", false, "A_ARG_TYPE_Count"},
           {"UpdateID", false, "A_ARG_TYPE_UpdateID"}}},
         {"GetSystemUpdateID", {{"Id", false, "SystemUpdateID"}}},
         {"GetSortCapabilities", {{"SortCaps", false, "SortCapabilities"}}},
         {"GetSearchCapabilities", {{"SearchCaps", false, "SearchCapabilities"}}}},
        {{"A_ARG_TYPE_ObjectID", "string", false, {}},
         {"A_ARG_TYPE_BrowseFlag", "string", false,
          {QStringLiteral("BrowseMetadata"), QStringLiteral("BrowseDirectChildren")}},
         {"A_ARG_TYPE_Filter", "string", false, {}},
         {"A_ARG_TYPE_Index", "ui4", false, {}},
         {"A_ARG_TYPE_Count", "ui4", false, {}},
         {"A_ARG_TYPE_SortCriteria", "string", false, {}},
         {"A_ARG_TYPE_Result", "string", false, {}},
         {"A_ARG_TYPE_UpdateID", "ui4", false, {}},
         {"SystemUpdateID", "ui4", true, {}},
         {"ContainerUpdateIDs", "string", true, {}},
         {"SortCapabilities", "string", false, {}},
         {"SearchCapabilities", "string", false, {}}});
}

QByteArray connectionManager()
{
    return scpd({{"GetProtocolInfo",
                  {{"Source", false, "SourceProtocolInfo"}, {"Sink", false, "SinkProtocolInfo"}}},
                 {"GetCurrentConnectionIDs", {{"ConnectionIDs", false, "CurrentConnectionIDs"}}},
                 {"GetCurrentConnectionInfo",
                  {{"ConnectionID", true, "A_ARG_TYPE_ConnectionID"},
                   {"RcsID", false, "A_ARG_TYPE_RcsID"},
                   {"AVTransportID", false, "A_ARG_TYPE_AVTransportID"},
                   {"ProtocolInfo", false, "A_ARG_TYPE_ProtocolInfo"},
                   {"PeerConnectionManager", false, "A_ARG_TYPE_ConnectionManager"},
                   {"PeerConnectionID", false, "A_ARG_TYPE_ConnectionID"},
                   {"Direction", false, "A_ARG_TYPE_Direction"},
                   {"Status", false, "A_ARG_TYPE_ConnectionStatus"}}}},
                {{"SourceProtocolInfo", "string", true, {}},
                 {"SinkProtocolInfo", "string", true, {}},
                 {"CurrentConnectionIDs", "string", true, {}},
                 {"A_ARG_TYPE_ConnectionStatus", "string", false,
                  {QStringLiteral("OK"), QStringLiteral("ContentFormatMismatch"),
                   QStringLiteral("InsufficientBandwidth"), QStringLiteral("UnreliableChannel"),
                   QStringLiteral("Unknown")}},
                 {"A_ARG_TYPE_ConnectionManager", "string", false, {}},
                 {"A_ARG_TYPE_Direction", "string", false, {QStringLiteral("Input"), QStringLiteral("Output")}},
                 {"A_ARG_TYPE_ProtocolInfo", "string", false, {}},
                 {"A_ARG_TYPE_ConnectionID", "i4", false, {}},
                 {"A_ARG_TYPE_AVTransportID", "i4", false, {}},
                 {"A_ARG_TYPE_RcsID", "i4", false, {}}});
}

QByteArray registrar()
{
    return scpd({{"IsAuthorized", {{"DeviceID", true, "A_ARG_TYPE_DeviceID"}, {"Result", false, "A_ARG_TYPE_Result"}}},
                 {"IsValidated", {{"DeviceID", true, "A_ARG_TYPE_DeviceID"}, {"Result", false, "A_ARG_TYPE_Result"}}},
                 {"RegisterDevice",
                  {{"RegistrationReqMsg", true, "A_ARG_TYPE_RegistrationReqMsg"},
                   {"RegistrationRespMsg", false, "A_ARG_TYPE_RegistrationRespMsg"}}}},
                {{"A_ARG_TYPE_DeviceID", "string", false, {}},
                 {"A_ARG_TYPE_Result", "int", false, {}},
                 {"A_ARG_TYPE_RegistrationReqMsg", "bin.base64", false, {}},
                 {"A_ARG_TYPE_RegistrationRespMsg", "bin.base64", false, {}},
                 {"AuthorizationGrantedUpdateID", "ui4", true, {}},
                 {"AuthorizationDeniedUpdateID", "ui4", true, {}},
                 {"ValidationSucceededUpdateID", "ui4", true, {}},
                 {"ValidationRevokedUpdateID", "ui4", true, {}}});
}

QString service(const char *type, const char *id, const char *file)
{
    return QStringLiteral("<service><serviceType>%1</serviceType><serviceId>%2</serviceId>"
                          "<SCPDURL>/scpd/%3</SCPDURL><controlURL>/control/%2</controlURL>"
                          "<eventSubURL>/event/%2</eventSubURL></service>")
        .arg(QLatin1String(type), QLatin1String(id), QLatin1String(file));
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        qWarning() << "dlna: cannot write" << path << file.errorString();
        return false;
    }
    return true;
}
} // namespace

QString DlnaDescription::friendlyName()
{
    return QStringLiteral("Corvane on %1").arg(QSysInfo::machineHostName());
}

QString DlnaDescription::udn()
{
    // Renderers remember a server by its uuid: derive it from the machine so
    // it survives restarts without being stored anywhere.
    static const QUuid ns(QStringLiteral("{6f1c3c6e-8a4b-4f55-9a55-3d2b7c1e0a11}"));
    QByteArray machine = QSysInfo::machineUniqueId();
    if (machine.isEmpty())
        machine = QSysInfo::machineHostName().toUtf8();
    return QStringLiteral("uuid:") + QUuid::createUuidV5(ns, machine).toString(QUuid::WithoutBraces);
}

QString DlnaDescription::deviceXml(const QString &friendlyName, const QString &udn)
{
    return QStringLiteral(
               "<?xml version=\"1.0\"?>\n"
               "<root xmlns=\"urn:schemas-upnp-org:device-1-0\" xmlns:dlna=\"urn:schemas-dlna-org:device-1-0\">"
               "<specVersion><major>1</major><minor>0</minor></specVersion><device>"
               "<deviceType>urn:schemas-upnp-org:device:MediaServer:1</deviceType>"
               "<dlna:X_DLNADOC>DMS-1.50</dlna:X_DLNADOC>"
               "<friendlyName>%1</friendlyName><manufacturer>NuvoVR</manufacturer>"
               "<modelDescription>Corvane video library</modelDescription>"
               "<modelName>Corvane</modelName><modelNumber>1</modelNumber><UDN>%2</UDN><serviceList>")
               .arg(friendlyName.toHtmlEscaped(), udn)
        + service("urn:schemas-upnp-org:service:ContentDirectory:1", "urn:upnp-org:serviceId:ContentDirectory",
                  "ContentDirectory.xml")
        + service("urn:schemas-upnp-org:service:ConnectionManager:1", "urn:upnp-org:serviceId:ConnectionManager",
                  "ConnectionManager.xml")
        + service("urn:microsoft.com:service:X_MS_MediaReceiverRegistrar:1",
                  "urn:microsoft.com:serviceId:X_MS_MediaReceiverRegistrar", "X_MS_MediaReceiverRegistrar.xml")
        + QStringLiteral("</serviceList></device></root>\n");
}

bool DlnaDescription::writeAll(const QString &folder, const QString &friendlyName, const QString &udn)
{
    const QDir dir(folder);
    return writeFile(dir.filePath(QLatin1String(kDeviceFile)), deviceXml(friendlyName, udn).toUtf8())
        && writeFile(dir.filePath(QStringLiteral("ContentDirectory.xml")), contentDirectory())
        && writeFile(dir.filePath(QStringLiteral("ConnectionManager.xml")), connectionManager())
        && writeFile(dir.filePath(QStringLiteral("X_MS_MediaReceiverRegistrar.xml")), registrar());
}

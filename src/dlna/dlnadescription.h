#pragma once

#include <QString>

// The device description and service descriptions the media server
// publishes, written as files for GUPnP to serve.
namespace DlnaDescription {

const char kDeviceFile[] = "MediaServer.xml";
// The service descriptions, each served at /scpd/<name>.
const char *const kServiceFiles[] = {"ContentDirectory.xml", "ConnectionManager.xml", "X_MS_MediaReceiverRegistrar.xml"};

// "Corvane on <host name>".
QString friendlyName();
// A stable uuid: URN of this machine, the same at every start.
QString udn();

QString deviceXml(const QString &friendlyName, const QString &udn);
// Writes the device description and the three SCPD files into folder.
bool writeAll(const QString &folder, const QString &friendlyName, const QString &udn);

} // namespace DlnaDescription

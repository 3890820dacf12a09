#pragma once

#include <QtGlobal>
#include <QString>

class QMessageLogContext;

// The process's Qt message handler: drops a few noisy Qt warnings and hands
// every other line, with its level word, to the telemetry library's alog.
// Prints nothing itself.
void alogMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message);

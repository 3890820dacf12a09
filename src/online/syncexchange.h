#pragma once

#include <QByteArray>
#include <QNetworkReply>
#include <QString>
#include <QVariant>

#include <functional>

class QNetworkRequest;

// One blocking HTTP exchange with the web API: the request is sent, a nested
// event loop waits for the answer up to a time-out, and a failed attempt is
// tried again a bounded number of times. The caller judges each attempt (and
// logs it as it sees fit); the exchange only moves bytes.
namespace SyncExchange {

struct Attempt
{
    bool finished = false; // false: no answer within the time-out
    QNetworkReply::NetworkError error = QNetworkReply::NoError;
    QVariant status; // the HTTP status attribute as Qt reports it (invalid without one)
    QByteArray body;
    QString errorText; // the reply's error text, or "no answer in time"

    // No network error and status 200.
    bool isOk() const { return finished && error == QNetworkReply::NoError && status.toInt() == 200; }
};

// Sends request (a POST of *postBody when given, else a GET), waits up to
// seconds for each attempt and calls accept with it; stops at the first
// attempt accept takes (returns true) or after attempts tries. Returns
// whether one was taken.
bool run(const QNetworkRequest &request, const QByteArray *postBody, int seconds, int attempts,
         const std::function<bool(const Attempt &)> &accept);

} // namespace SyncExchange

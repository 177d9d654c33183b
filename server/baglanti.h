// The server connection: one keep-alive HTTP/1.1 connection to the application
// server (see protocol.md), with the settings of the original DataSnap connection.
// The main window owns one (`bagc`); every background task works on a clone.
#pragma once

#include <QMap>
#include <QString>

#include <functional>
#include <memory>
#include <stdexcept>

namespace dorvanto {

class HttpBaglantisi;

// A failure of a server call or of the connection, with the platform's or the
// server's message (the login shows it as it stands).
class ServerError : public std::runtime_error {
public:
    explicit ServerError(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

class ServerConnection {
public:
    ServerConnection();
    ~ServerConnection();
    ServerConnection(const ServerConnection &) = delete;
    ServerConnection &operator=(const ServerConnection &) = delete;

    // Settings: "ConnectionName", "DriverName", "CommunicationProtocol", "Port",
    // "DatasnapContext", "DSProxyPort", "Filters", "HostName".
    QMap<QString, QString> &params() { return m_params; }
    const QMap<QString, QString> &params() const { return m_params; }
    QString hostName() const { return m_params.value(QStringLiteral("HostName")); }
    void setHostName(const QString &host) { m_params[QStringLiteral("HostName")] = host; }
    int port() const { return m_params.value(QStringLiteral("Port")).toInt(); }
    void setPort(int port) { m_params[QStringLiteral("Port")] = QString::number(port); }
    bool loginPrompt() const { return false; }

    // Time-outs in milliseconds. The read time-out bounds how long one call may wait
    // for its answer, so a server that never answers cannot freeze a screen.
    int connectTimeoutMs = 5000;
    int readTimeoutMs = 60000;

    // A new connection with the same settings, opened at once if this one is open.
    std::unique_ptr<ServerConnection> Clone() const;

    // Opens the TCP connection; throws ServerError when the server cannot be reached.
    void Open();
    void Close();
    bool Connected() const;

    // One request of the protocol over this connection: POST of `body` to `path`.
    // Answers the status and fills `answer`; throws ServerError when the connection
    // fails or drops before a complete answer.
    int Post(const QString &path, const QByteArray &body, QByteArray &answer);

private:
    QMap<QString, QString> m_params;
    std::unique_ptr<HttpBaglantisi> m_client;
    bool m_open = false;
};

// Hook through which the connection check shows its failure message. The GUI layer
// installs one that shows the message dialog on the GUI thread and makes a worker
// thread wait until it is closed. Without a hook nothing is shown.
void SetBaglantiMesajKancasi(std::function<void(const QString &mesaj)> kanca);

inline constexpr const char *BaglantiKurulamiyorMesaji = "Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!";

// The connection check before every use: close, then up to 11 opens 500 ms apart.
// Answers whether the connection is open; never raises for a failed open. With
// `mesajGoster` a full failure shows BaglantiKurulamiyorMesaji once.
bool BaglantiAc(ServerConnection &baglanti, bool mesajGoster);

// Wait between attempts (500 ms); tests may shorten it.
void SetBaglantiBeklemesiMs(int ms);
int BaglantiBeklemesiMs();

// The wait itself (a sleep of the given milliseconds). Tests install one that
// counts the waits instead of sleeping; an empty function restores the sleep.
void SetBaglantiBekleyicisi(std::function<void(int ms)> bekle);

} // namespace dorvanto

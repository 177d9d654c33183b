#include "baglanti.h"

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

namespace dorvanto {

// cpp-httplib connects lazily, on the first request. Opening a connection here is a
// real TCP connect, so a server that cannot be reached fails in Open() and the
// connection check can retry it; the requests then reuse that socket (keep-alive).
class HttpBaglantisi : public httplib::ClientImpl {
public:
    using httplib::ClientImpl::ClientImpl;

    bool baglan(httplib::Error &hata)
    {
        std::lock_guard<std::mutex> kilit(socket_mutex_);
        if (socket_.is_open())
            return true;
        return create_and_connect_socket(socket_, hata);
    }

    void kapat()
    {
        std::lock_guard<std::mutex> kilit(socket_mutex_);
        if (!socket_.is_open())
            return;
        shutdown_socket(socket_);
        close_socket(socket_);
    }
};

namespace {

std::mutex kancaKilidi;
std::function<void(const QString &)> mesajKancasi;
std::atomic<int> beklemeMs{500};
std::function<void(int)> bekleyici;

constexpr int kAcmaDenemesi = 11;
// Answers are read into buffers with this much room behind them, so the JSON parser
// can read them in place.
constexpr qsizetype kCevapDolgusu = 64;

void zamanAsimi(HttpBaglantisi &c, int connectMs, int readMs)
{
    c.set_connection_timeout(connectMs / 1000, (connectMs % 1000) * 1000);
    c.set_read_timeout(readMs / 1000, (readMs % 1000) * 1000);
    c.set_write_timeout(readMs / 1000, (readMs % 1000) * 1000);
}

QString hataMetni(httplib::Error e)
{
    switch (e) {
    case httplib::Error::Connection: return QStringLiteral("bağlantı kurulamadı");
    case httplib::Error::ConnectionTimeout: return QStringLiteral("bağlantı zaman aşımına uğradı");
    case httplib::Error::Read: return QStringLiteral("cevap okunamadı; bağlantı koptu ya da sunucu zamanında cevap vermedi");
    case httplib::Error::Write: return QStringLiteral("istek gönderilemedi");
    case httplib::Error::Canceled: return QStringLiteral("istek iptal edildi");
    default: return QString::fromStdString(httplib::to_string(e));
    }
}

} // namespace

ServerConnection::ServerConnection()
{
    m_params[QStringLiteral("ConnectionName")] = QStringLiteral("DataSnapCONNECTION");
    m_params[QStringLiteral("DriverName")] = QStringLiteral("DataSnap");
    m_params[QStringLiteral("CommunicationProtocol")] = QStringLiteral("tcp/ip");
    m_params[QStringLiteral("Port")] = QStringLiteral("9090");
    m_params[QStringLiteral("DatasnapContext")] = QStringLiteral("datasnap/");
    m_params[QStringLiteral("DSProxyPort")] = QStringLiteral("8090");
    m_params[QStringLiteral("Filters")] = QStringLiteral("{}");
    m_params[QStringLiteral("HostName")] = QString();
}

ServerConnection::~ServerConnection() { Close(); }

std::unique_ptr<ServerConnection> ServerConnection::Clone() const
{
    auto k = std::make_unique<ServerConnection>();
    k->m_params = m_params;
    k->connectTimeoutMs = connectTimeoutMs;
    k->readTimeoutMs = readTimeoutMs;
    if (Connected()) {
        // A clone that cannot be opened stays closed: every user runs the connection
        // check on it first, which retries and reports.
        try {
            k->Open();
        } catch (const ServerError &) {
        }
    }
    return k;
}

void ServerConnection::Open()
{
    if (m_open && m_client)
        return;
    const QString host = hostName().trimmed();
    bool portTamam = false;
    const int p = m_params.value(QStringLiteral("Port")).trimmed().toInt(&portTamam);
    if (host.isEmpty())
        throw ServerError(QStringLiteral("Sunucu adresi belirtilmemiş"));
    if (!portTamam || p <= 0 || p > 65535)
        throw ServerError(QStringLiteral("Geçersiz sunucu portu: %1").arg(m_params.value(QStringLiteral("Port"))));
    auto c = std::make_unique<HttpBaglantisi>(host.toStdString(), p);
    c->set_keep_alive(true);
    c->set_tcp_nodelay(true);  // no 40 ms wait for the delayed acknowledgement per call
    zamanAsimi(*c, connectTimeoutMs, readTimeoutMs);
    httplib::Error e = httplib::Error::Success;
    if (!c->baglan(e))
        throw ServerError(QStringLiteral("%1:%2 sunucusuna bağlanılamadı: %3").arg(host).arg(p).arg(hataMetni(e)));
    m_client = std::move(c);
    m_open = true;
}

void ServerConnection::Close()
{
    if (m_client)
        m_client->kapat();
    m_client.reset();
    m_open = false;
}

bool ServerConnection::Connected() const { return m_open && m_client; }

int ServerConnection::Post(const QString &path, const QByteArray &body, QByteArray &answer)
{
    if (!Connected())
        throw ServerError(QStringLiteral("Sunucu bağlantısı açık değil"));
    // A test or a screen may have changed the time-outs since the connection opened.
    zamanAsimi(*m_client, connectTimeoutMs, readTimeoutMs);
    httplib::Headers basliklar{{"Accept", "application/json"}};
    auto sonuc = m_client->Post(path.toStdString(), basliklar, body.constData(), std::size_t(body.size()),
                                "application/json; charset=utf-8");
    if (!sonuc) {
        // The socket's state is unknown after a failed exchange: drop it, so the next
        // request starts on a fresh one.
        m_client->kapat();
        throw ServerError(QStringLiteral("Sunucuyla iletişim kurulamadı: %1").arg(hataMetni(sonuc.error())));
    }
    const std::string &govde = sonuc->body;
    answer.clear();
    answer.reserve(qsizetype(govde.size()) + kCevapDolgusu);
    answer.append(govde.data(), qsizetype(govde.size()));
    return sonuc->status;
}

void SetBaglantiMesajKancasi(std::function<void(const QString &mesaj)> kanca)
{
    std::lock_guard<std::mutex> kilit(kancaKilidi);
    mesajKancasi = std::move(kanca);
}

void SetBaglantiBeklemesiMs(int ms) { beklemeMs = ms < 0 ? 0 : ms; }

void SetBaglantiBekleyicisi(std::function<void(int ms)> bekle)
{
    std::lock_guard<std::mutex> kilit(kancaKilidi);
    bekleyici = std::move(bekle);
}

namespace {
void bekle()
{
    std::function<void(int)> b;
    {
        std::lock_guard<std::mutex> kilit(kancaKilidi);
        b = bekleyici;
    }
    if (b)
        b(beklemeMs);
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(int(beklemeMs)));
}
} // namespace
int BaglantiBeklemesiMs() { return beklemeMs; }

bool BaglantiAc(ServerConnection &baglanti, bool mesajGoster)
{
    baglanti.Close();
    for (int deneme = 0; deneme < kAcmaDenemesi; ++deneme) {
        try {
            baglanti.Open();
            break;
        } catch (const ServerError &) {
            baglanti.Close();
            bekle();
        }
    }
    const bool acik = baglanti.Connected();
    if (!acik && mesajGoster) {
        std::function<void(const QString &)> kanca;
        {
            std::lock_guard<std::mutex> kilit(kancaKilidi);
            kanca = mesajKancasi;
        }
        if (kanca)
            kanca(QString::fromUtf8(BaglantiKurulamiyorMesaji));
    }
    return acik;
}

} // namespace dorvanto

#include "testsunucusu.h"

#include <httplib.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <vector>

TestSunucusu::TestSunucusu() : m_sunucu(std::make_unique<httplib::Server>())
{
    m_sunucu->Post(R"(/datasnap/rest/TServerMethods1/([A-Za-z0-9_]+))",
                   [this](const httplib::Request &istek, httplib::Response &cevap) {
                       std::lock_guard<std::mutex> k(m_kilit);
                       const QString metot = QString::fromStdString(istek.matches[1]);
                       m_sonYol = QString::fromStdString(istek.path);
                       m_cagrilar.append({metot, QByteArray::fromStdString(istek.body)});
                       const auto c = m_cevaplar.value(metot, {404, QByteArray("{\"error\":\"Bilinmeyen metot\"}")});
                       cevap.status = c.first;
                       cevap.set_content(c.second.toStdString(), "application/json; charset=utf-8");
                   });
    m_port = m_sunucu->bind_to_any_port("127.0.0.1");
    m_is = std::thread([this] { m_sunucu->listen_after_bind(); });
    while (!m_sunucu->is_running())
        std::this_thread::yield();
}

TestSunucusu::~TestSunucusu()
{
    m_sunucu->stop();
    m_is.join();
}

void TestSunucusu::cevapla(const QString &method, const QByteArray &govde, int durum)
{
    std::lock_guard<std::mutex> k(m_kilit);
    m_cevaplar[method] = {durum, govde};
}

QList<QPair<QString, QByteArray>> TestSunucusu::cagrilar() const
{
    std::lock_guard<std::mutex> k(m_kilit);
    return m_cagrilar;
}

QByteArray TestSunucusu::sonGovde() const
{
    std::lock_guard<std::mutex> k(m_kilit);
    return m_cagrilar.isEmpty() ? QByteArray() : m_cagrilar.last().second;
}

QString TestSunucusu::sonYol() const
{
    std::lock_guard<std::mutex> k(m_kilit);
    return m_sonYol;
}

namespace {
int dinle(int &port)
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = 0;
    ::bind(s, reinterpret_cast<sockaddr *>(&a), sizeof a);
    socklen_t n = sizeof a;
    ::getsockname(s, reinterpret_cast<sockaddr *>(&a), &n);
    port = ntohs(a.sin_port);
    return s;
}
} // namespace

HamSunucu::HamSunucu(Davranis d) : m_davranis(d)
{
    m_dinleyici = dinle(m_port);
    ::listen(m_dinleyici, 8);
    m_is = std::thread([this] { calis(); });
}

HamSunucu::~HamSunucu()
{
    m_dur = true;
    m_is.join();
    ::close(m_dinleyici);
}

void HamSunucu::calis()
{
    std::vector<int> tutulan;
    while (!m_dur) {
        std::vector<pollfd> fds{{m_dinleyici, POLLIN, 0}};
        for (int s : tutulan)
            fds.push_back({s, POLLIN, 0});
        if (::poll(fds.data(), fds.size(), 20) <= 0)
            continue;
        if (fds[0].revents & POLLIN) {
            const int s = ::accept(m_dinleyici, nullptr, nullptr);
            if (s >= 0) {
                ++m_kabul;
                tutulan.push_back(s);
            }
        }
        for (std::size_t i = 1; i < fds.size(); ++i) {
            if (!(fds[i].revents & (POLLIN | POLLHUP)))
                continue;
            char tampon[4096];
            const auto n = ::read(fds[i].fd, tampon, sizeof tampon);
            if (n <= 0 || m_davranis == Kopar) {
                // A request arrived (or the peer left): drop the connection unanswered.
                ::close(fds[i].fd);
                std::erase(tutulan, fds[i].fd);
            }
        }
    }
    for (int s : tutulan)
        ::close(s);
}

int KapaliPort()
{
    int port = 0;
    const int s = dinle(port);
    ::close(s); // bound but never listening, now released: connects are refused
    return port;
}

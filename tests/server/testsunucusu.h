// Small peers for the proxy tests, inside the test process: an HTTP server that
// answers canned bodies per method and records the calls, and a raw TCP peer that
// drops or holds every request. Both listen on a free loopback port.
#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace httplib { class Server; }

class TestSunucusu {
public:
    TestSunucusu();
    ~TestSunucusu();
    int port() const { return m_port; }

    // The answer of `method` (status and body); unknown methods answer 404.
    void cevapla(const QString &method, const QByteArray &govde, int durum = 200);
    // The calls received so far: method and request body.
    QList<QPair<QString, QByteArray>> cagrilar() const;
    QByteArray sonGovde() const;
    QString sonYol() const;

private:
    std::unique_ptr<httplib::Server> m_sunucu;
    std::thread m_is;
    int m_port = 0;
    mutable std::mutex m_kilit;
    QMap<QString, QPair<int, QByteArray>> m_cevaplar;
    QList<QPair<QString, QByteArray>> m_cagrilar;
    QString m_sonYol;
};

class HamSunucu {
public:
    enum Davranis { Kopar, Sustur };   // close without an answer / never answer
    explicit HamSunucu(Davranis d);
    ~HamSunucu();
    int port() const { return m_port; }
    int kabulSayisi() const { return m_kabul; }

private:
    void calis();
    Davranis m_davranis;
    int m_dinleyici = -1;
    int m_port = 0;
    std::atomic<bool> m_dur{false};
    std::atomic<int> m_kabul{0};
    std::thread m_is;
};

// A loopback port on which nothing listens.
int KapaliPort();

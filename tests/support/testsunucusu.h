// Test fixture: a running dorvanto-appserver on a free loopback port with a fresh
// copy of the demo database and test control on.
//
//   TestSunucusu sunucu;                 // seeds once per test program, copies, starts
//   QVERIFY2(sunucu.basladi(), qPrintable(sunucu.hata()));
//   baglanti.setHostName("127.0.0.1"); baglanti.setPort(sunucu.port());
//   sunucu.fault("SepetVer2", "error");  // the next SepetVer2 fails with 500
//   QJsonArray c = sunucu.calls();       // [{"method": ..., "params": [...]}, ...]
//
// The demo data has registered machines "DEMO-BAYI" (BAYI / 1234, type 3),
// "DEMO-BAYI4" (type 4), "DEMO-SATICI" (type 1), "DEMO-YONETICI" (type 2),
// "DEMO-PASIF" (inactive) and "DEMO-ESKI" (expects version 5); the passwords are "1234".
#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace dorvanto::test {

class TestSunucusu {
public:
    // Starts at once. `ekArgumanlar` are added to the server's command line.
    explicit TestSunucusu(const QStringList &ekArgumanlar = {});
    ~TestSunucusu();
    TestSunucusu(const TestSunucusu &) = delete;
    TestSunucusu &operator=(const TestSunucusu &) = delete;

    bool basladi() const { return m_port > 0; }
    QString hata() const { return m_hata; }
    int port() const { return m_port; }
    QString host() const { return QStringLiteral("127.0.0.1"); }
    QString adres() const;           // "http://127.0.0.1:<port>"
    QString veritabani() const { return m_db; }

    // The call log, oldest first; an empty array when it cannot be read.
    QJsonArray calls();
    // Empties the call log and clears the armed faults.
    bool reset();
    // The next `count` calls of `method` ("*" = any) fail in the given way:
    // "error", "drop", "delay" (after `ms`), "truncate", "garbage".
    bool fault(const QString &method, const QString &kind, int count = 1, int ms = 0);
    // Registers a machine on this server's database (works while it runs).
    bool registerMachine(const QString &id, const QString &user, const QString &pass, int type, int customer = 0,
                         int version = 4);
    void stop();

    struct Cevap {
        int durum = 0;  // 0 when no answer came
        QByteArray govde;
        QByteArray icerikTuru;
    };
    // One plain HTTP/1.1 request on a new connection (Connection: close).
    Cevap istek(const QByteArray &yontem, const QByteArray &yol, const QByteArray &govde = {},
                int zamanAsimiMs = 30000) const;
    // POST /datasnap/rest/TServerMethods1/<method> with {"_parameters": params}.
    Cevap cagir(const QString &yontem, const QJsonArray &parametreler) const;

    static QString sunucuProgrami();
    // The seeded demo database shared by the test program (made on first use).
    static QString demoVeritabani();

private:
    std::unique_ptr<QTemporaryDir> m_dizin;
    QString m_db;
    QProcess m_surec;
    int m_port = 0;
    QString m_hata;
};

} // namespace dorvanto::test

// Figures of the stand-in server on this machine: start-up time with a fresh demo
// database, and requests per second of SepetVer2 and of a 5,000-row StokAraGetir
// with 8 concurrent clients, each on its own keep-alive connection through the
// client's own proxy.
//
//   bench_appserver [saniye=5] [istemci=8]
#include <baglanti.h>
#include <servermethods.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

using namespace dorvanto;

namespace {

struct Surec {
    QProcess p;
    int port = 0;
    qint64 ms = 0;
};

// Starts the server on a fresh database with the demo seed; answers the time until
// it listens.
bool baslat(Surec &s, const QString &db, int parca)
{
    QElapsedTimer t;
    t.start();
    s.p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    s.p.start(QStringLiteral(DORVANTO_APPSERVER_YOLU),
              {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--db"), db, QStringLiteral("--seed"),
               QStringLiteral("demo"), QStringLiteral("--parts"), QString::number(parca)});
    static const QRegularExpression satir(QStringLiteral("listening on 127\\.0\\.0\\.1:(\\d+)"));
    while (s.p.waitForReadyRead(600000)) {
        while (s.p.canReadLine()) {
            const auto m = satir.match(QString::fromUtf8(s.p.readLine()));
            if (m.hasMatch()) {
                s.port = m.captured(1).toInt();
                s.ms = t.elapsed();
                return true;
            }
        }
    }
    return false;
}

void durdur(Surec &s)
{
    s.p.terminate();
    s.p.waitForFinished(10000);
}

template <class F> void olc(const char *ad, int port, int istemci, int saniye, F cagri)
{
    std::atomic<long> toplam{0}, hata{0};
    std::atomic<bool> dur{false};
    std::vector<std::thread> isler;
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < istemci; ++i)
        isler.emplace_back([&, i] {
            ServerConnection b;
            b.setHostName(QStringLiteral("127.0.0.1"));
            b.setPort(port);
            b.Open();
            TServerMethods1Client v(b);
            while (!dur.load()) {
                try {
                    cagri(v, i);
                    ++toplam;
                } catch (const std::exception &) {
                    ++hata;
                }
            }
        });
    std::this_thread::sleep_for(std::chrono::seconds(saniye));
    dur = true;
    for (auto &i : isler)
        i.join();
    const double s = t.elapsed() / 1000.0;
    std::printf("%-40s %8.1f istek/s  (%ld istek, %ld hata, %d istemci, %.1f s)\n", ad, toplam / s, toplam.load(), hata.load(),
                istemci, s);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int saniye = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    const int istemci = argc > 2 ? std::max(1, atoi(argv[2])) : 8;
    QTemporaryDir d;

    Surec s;
    if (!baslat(s, d.filePath(QStringLiteral("demo.db")), 5000)) {
        std::fprintf(stderr, "sunucu başlamadı\n");
        return 1;
    }
    std::printf("start-up with a fresh demo database (5,000 parts): %lld ms\n", static_cast<long long>(s.ms));

    TSonucBilgisi bilgi;
    bilgi.SetCARINO(1001);
    bilgi.SetMusteriTipi(3);
    {
        ServerConnection b;
        b.setHostName(QStringLiteral("127.0.0.1"));
        b.setPort(s.port);
        b.Open();
        TServerMethods1Client v(b);
        std::printf("StokAraGetir(\"\") rows: %d\n", v.StokAraGetir(QString(), bilgi.Kopya())->data.rowCount);
    }
    olc("SepetVer2", s.port, istemci, saniye, [](TServerMethods1Client &v, int i) { v.SepetVer2(1001 + i % 20); });
    olc("StokAraGetir (5,000 rows)", s.port, istemci, saniye,
        [&](TServerMethods1Client &v, int) { v.StokAraGetir(QString(), bilgi.Kopya()); });
    olc("StokAraGetir (\"FREN BALATASI\")", s.port, istemci, saniye,
        [&](TServerMethods1Client &v, int) { v.StokAraGetir(QStringLiteral("FREN BALATASI"), bilgi.Kopya()); });
    durdur(s);

    Surec b;
    if (baslat(b, d.filePath(QStringLiteral("buyuk.db")), 100000)) {
        std::printf("start-up with a fresh demo database (100,000 parts): %lld ms\n", static_cast<long long>(b.ms));
        olc("StokAraGetir (\"FREN BALATASI\", 100k)", b.port, istemci, saniye,
            [&](TServerMethods1Client &v, int) { v.StokAraGetir(QStringLiteral("FREN BALATASI"), bilgi.Kopya()); });
        durdur(b);
    }
    return 0;
}

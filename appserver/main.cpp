// dorvanto-appserver: the stand-in application server of the Dorvanto B2B client.
//
//   dorvanto-appserver [--listen HOST:PORT] --db FILE [--seed demo] [--parts N]
//                      [--search-limit N] [--test-control] [--allow-remote] [--init-only]
//   dorvanto-appserver --db FILE --register COMPUTERID --user NAME --password PASS
//                      --type N [--customer CARINO] [--version V]
//
// --search-limit N: the most rows one StokAraGetir answers (default 10000, at least 1).
#include "demoveri.h"
#include "sema.h"
#include "sunucu.h"
#include "veritabani.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QHostAddress>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <iostream>
#include <pthread.h>
#include <thread>

using namespace dorvanto::appserver;

namespace {

int kullanim(const char *neden)
{
    std::cerr << "dorvanto-appserver: " << neden << "\n"
              << "kullanım:\n"
                 "  dorvanto-appserver [--listen HOST:PORT] --db FILE [--seed demo] [--parts N] [--search-limit N]\n"
                 "                     [--test-control] [--allow-remote] [--init-only]\n"
                 "  dorvanto-appserver --db FILE --register COMPUTERID --user NAME --password PASS --type N\n"
                 "                     [--customer CARINO] [--version V]\n";
    return 2;
}

bool geriDonusAdresi(const QString &host)
{
    if (host == QLatin1String("localhost"))
        return true;
    QHostAddress a;
    return a.setAddress(host) && a.isLoopback();
}

} // namespace

int main(int argc, char **argv)
{
    // The server draws pictures but never shows a window.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();

    QString dinle = QStringLiteral("127.0.0.1:9090"), db, seed, kayitId, kullanici, sifre;
    int parca = 5000, tip = -1, cari = 0, surum = 4, aramaSiniri = SunucuAyari{}.aramaSiniri;
    bool test = false, uzak = false, sadeceKur = false, kayit = false, sifreVar = false, kullaniciVar = false;
    for (int i = 1; i < args.size(); ++i) {
        const QString &a = args[i];
        auto deger = [&](QString &hedef) {
            if (i + 1 >= args.size())
                return false;
            hedef = args[++i];
            return true;
        };
        auto sayi = [&](int &hedef) {
            QString s;
            bool ok = false;
            if (!deger(s))
                return false;
            hedef = s.toInt(&ok);
            return ok;
        };
        bool ok = true;
        if (a == QLatin1String("--listen")) ok = deger(dinle);
        else if (a == QLatin1String("--db")) ok = deger(db);
        else if (a == QLatin1String("--seed")) ok = deger(seed);
        else if (a == QLatin1String("--parts")) ok = sayi(parca) && parca >= 10;
        else if (a == QLatin1String("--search-limit")) {
            if (!sayi(aramaSiniri) || aramaSiniri < 1)
                return kullanim("--search-limit 1 ya da daha büyük bir tam sayı olmalı");
        }
        else if (a == QLatin1String("--test-control")) test = true;
        else if (a == QLatin1String("--allow-remote")) uzak = true;
        else if (a == QLatin1String("--init-only")) sadeceKur = true;
        else if (a == QLatin1String("--register")) { ok = deger(kayitId); kayit = true; }
        else if (a == QLatin1String("--user")) { ok = deger(kullanici); kullaniciVar = true; }
        else if (a == QLatin1String("--password")) { ok = deger(sifre); sifreVar = true; }
        else if (a == QLatin1String("--type")) ok = sayi(tip);
        else if (a == QLatin1String("--customer")) ok = sayi(cari);
        else if (a == QLatin1String("--version")) ok = sayi(surum);
        else return kullanim(("bilinmeyen seçenek: " + a.toStdString()).c_str());
        if (!ok)
            return kullanim(("eksik ya da hatalı değer: " + a.toStdString()).c_str());
    }
    if (db.isEmpty())
        return kullanim("--db FILE gerekli");
    if (!seed.isEmpty() && seed != QLatin1String("demo"))
        return kullanim("--seed yalnızca 'demo' alır");

    try {
        QElapsedTimer sure;
        sure.start();
        {
            Vt vt(db);
            SemayiKur(vt);
            if (kayit) {
                if (!kullaniciVar || !sifreVar || tip < 0)
                    return kullanim("--register için --user, --password ve --type gerekli");
                MakineKaydi k{kayitId, kullanici, sifre, tip, cari, surum};
                const int no = MakineyiKaydet(vt, k);
                std::cout << "dorvanto-appserver: registered " << kayitId.toStdString() << " as user " << no << std::endl;
                return 0;
            }
            if (seed == QLatin1String("demo")) {
                if (vt.hazirla("SELECT COUNT(*) FROM stok").tekTam() > 0) {
                    std::cout << "dorvanto-appserver: the database already holds data; demo seed skipped" << std::endl;
                } else {
                    DemoVeriYukle(vt, TohumAyari{parca});
                    std::cout << "dorvanto-appserver: demo data loaded (" << parca << " parts) in " << sure.elapsed()
                              << " ms" << std::endl;
                }
            }
        }
        if (sadeceKur)
            return 0;

        const int iki = int(dinle.lastIndexOf(u':'));
        bool ok = false;
        const int port = iki > 0 ? dinle.mid(iki + 1).toInt(&ok) : 0;
        QString host = iki > 0 ? dinle.left(iki) : QString();
        if (host.startsWith(u'[') && host.endsWith(u']'))
            host = host.mid(1, host.size() - 2);
        if (!ok || port < 0 || port > 65535 || host.isEmpty())
            return kullanim("--listen HOST:PORT biçiminde olmalı");
        if (!geriDonusAdresi(host) && !uzak)
            return kullanim("yalnızca geri dönüş (loopback) adresinde dinlenir; başka adres için --allow-remote verin");

        // SIGINT/SIGTERM end the server through a waiting thread.
        sigset_t sinyaller;
        sigemptyset(&sinyaller);
        sigaddset(&sinyaller, SIGINT);
        sigaddset(&sinyaller, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &sinyaller, nullptr);
        std::signal(SIGPIPE, SIG_IGN);

        SunucuAyari ayar{db, test};
        ayar.aramaSiniri = aramaSiniri;
        Sunucu sunucu(ayar);
        const int gercekPort = sunucu.bagla(host.toStdString(), port);
        if (gercekPort <= 0) {
            std::cerr << "dorvanto-appserver: " << dinle.toStdString() << " adresinde dinlenemiyor" << std::endl;
            return 1;
        }
        std::thread bekci([&] {
            int s = 0;
            sigwait(&sinyaller, &s);
            sunucu.durdur();
        });
        bekci.detach();
        std::cout << "dorvanto-appserver: listening on " << host.toStdString() << ":" << gercekPort << std::endl;
        std::fflush(stdout);
        sunucu.calistir();
        return 0;
    } catch (const std::exception &e) {
        std::cerr << "dorvanto-appserver: " << e.what() << std::endl;
        return 1;
    }
}

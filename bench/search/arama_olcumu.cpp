// The stock search from Enter to the grid painted, against the stand-in server on
// loopback (empty search text: every part, up to the server's row limit). Prints the
// end-to-end time, its shares (server + wire, decoding, grid) and the longest time the
// GUI thread was kept from its event loop during a search.
//
//   arama_olcumu [parts...]      default: 5000 50000
#include "baglanti.h"
#include "datagrid.h"
#include "mesajgoster.h"
#include "sepetislemleri.h"
#include "servermethods.h"
#include "sonuctablosu.h"
#include "stoklistesi.h"
#include "tablojson.h"
#include "testsunucusu.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>

using namespace dorvanto;

static void olc(int parca)
{
    test::TestSunucusu sunucu({"--parts", QString::number(parca)});
    if (!sunucu.basladi()) {
        std::printf("%d parts: server did not start: %s\n", parca, qPrintable(sunucu.hata()));
        return;
    }
    ServerConnection bagc;
    bagc.setHostName(sunucu.host());
    bagc.setPort(sunucu.port());
    TSonucBilgisi sbilgi;
    {
        BaglantiAc(bagc, false);
        TServerMethods1Client c(bagc);
        sbilgi.Kopyala(*c.BuyukGetir("DEMO-BAYI"));
    }
    bagc.Close();
    ResultTable stok, sepet;
    SepetIslemleri sepetIs(bagc, sbilgi, sepet);
    QWidget ana;
    auto *l = new QVBoxLayout(&ana);
    auto *araedit = new QLineEdit(&ana);
    auto *sayfalar = new QTabWidget(&ana);
    auto *sayfaW = new QWidget;
    sayfalar->addTab(sayfaW, "Stok Listesi");
    l->addWidget(araedit);
    l->addWidget(sayfalar, 1);
    StokSayfasiParcalari p;
    p.anaPencere = &ana;
    p.araedit = araedit;
    p.sPageControl1 = sayfalar;
    p.sstoklistesi = sayfaW;
    p.stok = &stok;
    p.bagc = &bagc;
    p.sbilgi = &sbilgi;
    p.sepet = &sepetIs;
    StokListesiSayfasi s(p);
    s.MusteriTipiUygula(3);
    ana.resize(1400, 800);
    ana.show();
    QCoreApplication::processEvents();

    // Server + wire: the raw call; decoding: the table codec on the same body.
    QElapsedTimer t;
    t.start();
    const auto cevap = sunucu.cagir("StokAraGetir", QJsonArray{"", sbilgi.Json()});
    const double sunucuTel = t.nsecsElapsed() / 1e6;
    const int basla = cevap.govde.indexOf('[') + 1;
    t.restart();
    TableData td = TabloJsonOku(std::string_view(cevap.govde.constData() + basla, size_t(cevap.govde.size() - basla - 2)));
    const double cozme = t.nsecsElapsed() / 1e6;

    for (int tur = 0; tur < 3; ++tur) {
        // Longest gap of the GUI thread's event loop during the search (a 1 ms ticker).
        QElapsedTimer nabiz;
        double enUzun = 0;
        QTimer ticker;
        ticker.setInterval(1);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            enUzun = std::max(enUzun, nabiz.nsecsElapsed() / 1e6);
            nabiz.restart();
        });
        QSignalSpy bitti(&s, &StokListesiSayfasi::aramaBitti);
        QElapsedTimer uc;
        uc.start();
        nabiz.start();
        ticker.start();
        s.SpeedButton2Click();
        bitti.wait(60000);
        const double aramaBitti = uc.nsecsElapsed() / 1e6;
        QElapsedTimer g;
        g.start();
        s.grid()->view()->viewport()->repaint();
        const double boya = g.nsecsElapsed() / 1e6;
        ticker.stop();
        const double toplam = uc.nsecsElapsed() / 1e6;
        std::printf("%6d parts asked, %6d rows: end to end %8.1f ms (search done %8.1f, paint %6.1f); "
                    "raw call (server+wire) %8.1f ms, decoding %8.1f ms; longest GUI-thread gap %6.1f ms\n",
                    parca, stok.recordCount(), toplam, aramaBitti, boya, sunucuTel, cozme, enUzun);
    }
    (void)td;
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    MesajSinama::Ac();
    QList<int> parcalar;
    for (int i = 1; i < argc; ++i)
        parcalar << QString::fromLocal8Bit(argv[i]).toInt();
    if (parcalar.isEmpty())
        parcalar = {5000, 50000};
    for (int n : parcalar)
        olc(n);
    return 0;
}

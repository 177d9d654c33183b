// Writes pictures of the stock list (wide at 1400 px and narrow at 1100 px, in the main
// window's look and font, a campaign row focused so that its four-line price block is in
// view) and of the add-to-basket dialog for a campaign part into the folder given as
// argument, against a stand-in server.
//
//   catalogue_ekran_goruntuleri docs/screenshots
#include "adresler.h"
#include "asyncresim.h"
#include "baglanti.h"
#include "datagrid.h"
#include "gorunum.h"
#include "mesajgoster.h"
#include "sepetislemleri.h"
#include "servermethods.h"
#include "sonuctablosu.h"
#include "stokayarinti.h"
#include "stoklistesi.h"
#include "testsunucusu.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace dorvanto;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    GorunumUygula(app);
    const QString klasor = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    MesajSinama::Ac();
    test::TestSunucusu sunucu;
    if (!sunucu.basladi())
        return 1;
    SetResimTabanAdresi(sunucu.adres() + "/resimgoster.ashx?id=");
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
    // the main window's font: every control of it inherits this one
    QFont yazi(QStringLiteral("Tahoma"));
    yazi.setPointSize(10);
    yazi.setBold(true);
    ana.setFont(yazi);
    auto *l = new QVBoxLayout(&ana);
    auto *araedit = new QLineEdit(&ana);
    auto *sayfalar = new QTabWidget(&ana);
    auto *stokSayfasi = new QWidget;
    sayfalar->addTab(stokSayfasi, "Stok Listesi");
    sayfalar->addTab(new QWidget, "Sepet");
    l->addWidget(araedit);
    l->addWidget(sayfalar, 1);
    StokSayfasiParcalari p;
    p.anaPencere = &ana;
    p.araedit = araedit;
    p.sPageControl1 = sayfalar;
    p.sstoklistesi = stokSayfasi;
    p.stok = &stok;
    p.bagc = &bagc;
    p.sbilgi = &sbilgi;
    p.sepet = &sepetIs;
    StokListesiSayfasi s(p);
    s.MusteriTipiUygula(sbilgi.MusteriTipi());
    ana.resize(1400, 700);
    ana.show();
    QSignalSpy bitti(&s, &StokListesiSayfasi::aramaBitti);
    s.SpeedButton2Click();
    bitti.wait(20000);
    s.StokKolonlariAyarla();
    int satir = -1;
    for (int r = 0; r < stok.recordCount() && satir < 0; ++r)
        if (AlanTamsayi(stok, r, "K") > 0 && AlanTamsayi(stok, r, "RESIM") == 1)
            satir = r;
    if (satir < 0)
        return 2;
    s.grid()->focusRow(satir);
    QCoreApplication::processEvents();
    ana.grab().save(klasor + "/stok_listesi_genis.png");
    ana.resize(1100, 700);
    QCoreApplication::processEvents();
    s.StokKolonlariAyarla();
    s.grid()->focusRow(satir);
    QCoreApplication::processEvents();
    ana.grab().save(klasor + "/stok_listesi_dar.png");

    Tstokayarinti d(&ana, AlanTamsayi(stok, satir, "STOK_STOKNO"));
    d.Doldur(stok, satir, Kaynak::StokListesi, sbilgi.MusteriTipi());
    QSignalSpy resim(d.AsyncResim1, &TAsyncResim::yuklemeBitti);
    d.show();
    resim.wait(10000);
    QCoreApplication::processEvents();
    d.grab().save(klasor + "/stokayarinti_kampanyali.png");
    return 0;
}

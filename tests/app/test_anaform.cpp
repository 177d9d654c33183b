// The main window: login at creation against the stand-in server, customer-type
// layout, tab captions, the close confirmation, the message dialog's look. With
// DORVANTO_EKRAN_DIZINI set it also writes screenshots of the windows there.
#include "anaform.h"
#include "anaformgiris.h"

#include "girisform.h"
#include "gorunum.h"
#include "mesajgoster.h"
#include "rozetlisekmeler.h"
#include "seccari.h"

#include "ayardosyasi.h"
#include "testsunucusu.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using namespace dorvanto;
using dorvanto::test::Kayitci;
using dorvanto::test::ModalIsle;
using dorvanto::test::TestSunucusu;

class AnaFormTesti : public QObject {
    Q_OBJECT
    std::unique_ptr<TestSunucusu> sunucu;
    Kayitci kayit;

    void Kaydet(QWidget *w, const char *ad) { QVERIFY(dorvanto::test::EkranKaydet(w, ad)); }
    std::unique_ptr<TForm1> Giris(const QString &id, const QString &ad, bool cariSec)
    {
        return dorvanto::test::AnaFormuAc(id, ad, cariSec);
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        GorunumUygula(*qApp);
        sunucu = std::make_unique<TestSunucusu>();
        QVERIFY2(sunucu->basladi(), qPrintable(sunucu->hata()));
        dorvanto::test::SunucuOrtami(*sunucu);
        kayit.Kur();
    }
    void init()
    {
        MesajSinama::Ac();
        kayit.Sifirla();
        QFile::remove(AyarDosyasiYolu());
    }

    void tip3()
    {
        auto f = Giris(QStringLiteral("DEMO-BAYI"), QStringLiteral("BAYI"), false);
        QVERIFY(f);
        QTRY_COMPARE(f->kullanicilbl()->text(), QStringLiteral("BAYI"));
        QCOMPARE(f->windowTitle(), QStringLiteral("Dorvanto Otomotiv B2B Programı"));
        QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Dorvanto Otomotiv B2B"));
        QVERIFY(f->saticilbl()->text().contains(QStringLiteral(" Telefonu: ")));
        QVERIFY(f->musteritus()->isHidden());
        QVERIFY(!f->R1()->isVisible());
        QCOMPARE(f->sPageControl1()->count(), 9);
        const QStringList basliklar = {"Stok Listesi", "Sepet", "Önceki Siparişler", "Cari Ekstre", "Yeni Stoklar",
                                       "Kampanyalı Stoklar", "Duyurular", "Bakiyeler", "Sanal Pos"};
        for (int i = 0; i < 9; ++i)
            QCOMPARE(f->sPageControl1()->tabText(i), basliklar[i]);
        QCOMPARE(f->WebSitesi1()->text(), qEnvironmentVariable("DORVANTO_WEBSITE", QString()).isEmpty()
                                              ? f->WebSitesi1()->text() : qEnvironmentVariable("DORVANTO_WEBSITE"));
        QVERIFY(!f->WebSitesi1()->text().isEmpty());
        f->SekmeBasligiYaz(f->ssepet(), QStringLiteral("12=Sepet"));
        QTest::qWait(50);
        Kaydet(f.get(), "ana-pencere-tip3");
        QCOMPARE(f->SutunKurallari().size(), 1);
        QCOMPARE(f->SutunKurallari().first().sutun, QStringLiteral("Durum"));
        QVERIFY(!f->SutunKurallari().first().gorunur);

        // "Çıkış" asks; No keeps the window, Yes ends the program
        MesajSinama::SonrakiCevap(mrNo);
        f->G1()->trigger();
        QVERIFY(f->isVisible());
        QCOMPARE(kayit.cikis, 0);
        QCOMPARE(MesajSinama::Kayitlar().last().metin, QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"));
        QCOMPARE(MesajSinama::Kayitlar().last().varsayilan, QStringLiteral("Evet"));
        MesajSinama::SonrakiCevap(mrYes);
        f->close();
        QCOMPARE(kayit.cikis, 1);

        f->WebSitesi1Click();
        QCOMPARE(kayit.acilanAdresler, QStringList{sunucu->adres() + QStringLiteral("/")});
    }

    void tip1()
    {
        auto f = Giris(QStringLiteral("DEMO-SATICI"), QStringLiteral("SATICI"), true);
        QVERIFY(f);
        QTRY_COMPARE(f->kullanicilbl()->text(), QStringLiteral("SATICI"));
        QVERIFY(!f->musteritus()->isHidden());
        QVERIFY(f->R1()->isVisible());
        QCOMPARE(f->SutunKurallari().size(), 10);
        QVERIFY(f->sbilgi.CARINO() > 0);
        QCOMPARE(f->cariadilbl()->text(), f->sbilgi.CariAdi());
        QTest::qWait(50);
        Kaydet(f.get(), "ana-pencere-tip1");
        // "Başka Cari Seç": choosing refreshes the header and empties the stock caption
        ModalIsle<Tseccari>([](Tseccari *s) { s->reject(); });
        f->SekmeBasligiYaz(f->sstoklistesi(), QStringLiteral("5=Stok Listesi"));
        f->sPageControl1()->setCurrentIndex(3);
        f->musteritus()->click();
        QCOMPARE(f->SekmeBasligi(f->sstoklistesi()), QStringLiteral("0=Stok Listesi"));
        QCOMPARE(f->sPageControl1()->currentIndex(), 0);
        QCOMPARE(kayit.cikis, 0);
    }

    void tip4KampanyaSekmesiGizli()
    {
        TForm1 f;
        f.MusteriTipiDuzeni(4);
        QVERIFY(!f.sPageControl1()->isTabVisible(5));
        f.MusteriTipiDuzeni(0);
        TForm1 g;
        g.MusteriTipiDuzeni(5);
        QVERIFY(g.sPageControl1()->isTabVisible(5));
        QVERIFY(g.musteritus()->isHidden());
        QVERIFY(g.SutunKurallari().isEmpty());
    }

    // A badge on one tab leaves the tabs after it as they are drawn without it.
    void rozetSonrakiSekmeleriOrtmez()
    {
        auto renkler = [](const QString &ilk) {
            RozetliSekmeler s;
            s.Cubuk()->SetSekmeBoyutu(QSize(120, 50));
            for (const QString &b : {ilk, QStringLiteral("Önceki Siparişler"), QStringLiteral("Cari Ekstre")})
                s.addTab(new QWidget(&s), b);
            s.resize(500, 200);
            s.setCurrentIndex(2);
            s.show();
            QTest::qWait(20);
            const QImage im = s.tabBar()->grab().toImage();
            QList<QRgb> l;
            for (int i = 0; i < 3; ++i)
                l << im.pixel(s.tabBar()->tabRect(i).center().x(), s.tabBar()->tabRect(i).top() + 8);
            return l;
        };
        const QList<QRgb> rozetsiz = renkler(QStringLiteral("Stok Listesi"));
        const QList<QRgb> rozetli = renkler(QStringLiteral("520=Stok Listesi"));
        QCOMPARE(rozetli, rozetsiz);
        QCOMPARE(rozetli[0], rozetli[1]);   // two unselected tabs look alike
        QVERIFY(rozetli[1] != rozetli[2]);  // the selected one stands out
    }

    void mesajKutusu_data()
    {
        QTest::addColumn<int>("tur");
        QTest::addColumn<bool>("evetHayir");
        QTest::addColumn<int>("varsayilan");
        QTest::addColumn<QString>("baslik");
        QTest::addColumn<QString>("odak");
        QTest::newRow("soru hayir") << int(mtSoru) << true << int(vdHayir) << "Soru" << "Hayır";
        QTest::newRow("soru evet") << int(mtSoru) << true << int(vdEvet) << "Soru" << "Evet";
        QTest::newRow("hata") << int(mtHata) << false << int(vdTamam) << "Hata" << "Tamam";
        QTest::newRow("uyari") << int(mtUyari) << false << int(vdTamam) << "Uyarı" << "Tamam";
        QTest::newRow("bilgi") << int(mtBilgi) << false << int(vdTamam) << "Bilgi" << "Tamam";
    }
    void mesajKutusu()
    {
        QFETCH(int, tur);
        QFETCH(bool, evetHayir);
        QFETCH(int, varsayilan);
        QFETCH(QString, baslik);
        QFETCH(QString, odak);
        QWidget sahip;
        sahip.setGeometry(100, 100, 600, 400);
        sahip.show();
        auto k = MesajKutusuOlustur(QStringLiteral("Deneme"), tur, evetHayir ? EvetHayir : YalnizTamam, varsayilan, &sahip);
        QCOMPARE(k->windowTitle(), baslik);
        QCOMPARE(k->font().pointSize(), 15);
        QCOMPARE(k->buttons().size(), evetHayir ? 2 : 1);
        k->show();
        QTRY_VERIFY(k->focusWidget());
        QCOMPARE(qobject_cast<QAbstractButton *>(k->focusWidget())->text(), odak);
        QVERIFY(qAbs(k->frameGeometry().center().x() - sahip.frameGeometry().center().x()) <= 2);
        k->close();
        // through the seam: the answer, the sound
        MesajSinama::SonrakiCevap(evetHayir ? mrNo : mrOk);
        QCOMPARE(MesajGoster(QStringLiteral("Deneme"), tur, evetHayir ? EvetHayir : YalnizTamam, varsayilan),
                 evetHayir ? int(mrNo) : int(mrOk));
        const QString ses[] = {"exclamation", "hand", "asterisk", "question"};
        QCOMPARE(MesajSinama::Kayitlar().last().ses, ses[tur]);
    }
};

QTEST_MAIN(AnaFormTesti)
#include "test_anaform.moc"

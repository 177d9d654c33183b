// The main window with its screens attached, against the stand-in server: the road of
// an order from the login through the search box, the add dialog, the basket tab, the
// ticks, the order form and the confirmation to the stored order; the banners of the
// start-up task; the "Sanal Pos" tab; the customer change reloading the basket.
#include "anaformgiris.h"

#include "datagrid.h"
#include "gorunum.h"
#include "kayanserit.h"
#include "mesajgoster.h"
#include "odeme.h"
#include "radiogrubu.h"
#include "rozetlisekmeler.h"
#include "sepetislemleri.h"
#include "sepethesap.h"
#include "sepetsayfasi.h"
#include "servermethods.h"
#include "sonuctablosu.h"
#include "stokayarinti.h"
#include "stoklistesi.h"

#include "ayardosyasi.h"
#include "baglanti.h"

#include <QComboBox>
#include <QJsonObject>
#include <QLabel>
#include <QMovie>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabBar>
#include <QTableView>
#include <QToolButton>
#include <QUrl>
#include <QUrlQuery>

using namespace dorvanto;
using dorvanto::test::AnaFormuAc;
using dorvanto::test::EkranKaydet;
using dorvanto::test::Kayitci;
using dorvanto::test::ModalIsle;
using dorvanto::test::TestSunucusu;

namespace {

// A user's double click on the cell of table row `satir`, column `kolon`.
void CiftTikla(DataGrid *grid, int satir, const QString &kolon)
{
    QTableView *v = grid->view();
    const QModelIndex i = v->model()->index(satir, grid->columnIndex(kolon));
    v->scrollTo(i);
    const QPoint yer = v->visualRect(i).center();
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, yer);
    QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, yer);
}

void SekmeyeTikla(TForm1 &f, QWidget *sayfa)
{
    QTabBar *cubuk = f.sPageControl1()->tabBar();
    QTest::mouseClick(cubuk, Qt::LeftButton, {}, cubuk->tabRect(f.sPageControl1()->indexOf(sayfa)).center());
}

} // namespace

class SiparisYoluTesti : public QObject {
    Q_OBJECT
    std::unique_ptr<TestSunucusu> sunucu;
    Kayitci kayit;

    QJsonArray cagrilar(const QString &yontem)
    {
        QJsonArray sonuc;
        for (const QJsonValue v : sunucu->calls())
            if (v.toObject().value(QStringLiteral("method")).toString() == yontem)
                sonuc.append(v.toObject().value(QStringLiteral("params")));
        return sonuc;
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        GorunumUygula(*qApp);
        SetBaglantiBekleyicisi([](int) {});
    }
    void init()
    {
        sunucu = std::make_unique<TestSunucusu>();
        QVERIFY2(sunucu->basladi(), qPrintable(sunucu->hata()));
        dorvanto::test::SunucuOrtami(*sunucu);
        kayit.Kur();
        kayit.Sifirla();
        MesajSinama::Ac();
        QFile::remove(AyarDosyasiYolu());
    }
    void cleanup()
    {
        SetSiparisOnayKancasi({});
        SetTarayiciBulucu({});
        MesajSinama::Kapat();
        sunucu.reset();
    }

    void siparisinYolu()
    {
        auto f = AnaFormuAc(QStringLiteral("DEMO-BAYI"), QStringLiteral("BAYI"), false, {1350, 900});
        QVERIFY(f);
        QSignalSpy baslangic(f.get(), &TForm1::baslangicBitti);
        QVERIFY(baslangic.wait(10000));
        const int carino = f->sbilgi.CARINO();
        QVERIFY(carino > 0);

        // The dealer types a search into the box and presses Enter.
        sunucu->reset();
        QSignalSpy arama(f->StokSayfasi(), &StokListesiSayfasi::aramaBitti);
        f->araedit()->setFocus();
        QTest::keyClicks(f->araedit(), QStringLiteral("fren"));
        QCOMPARE(f->araedit()->text(), QStringLiteral("FREN"));
        QTest::keyClick(f->araedit(), Qt::Key_Return);
        QVERIFY(arama.wait(10000));
        QCOMPARE(arama.first().first().toBool(), true);
        QJsonArray c = cagrilar(QStringLiteral("StokAraGetir"));
        QCOMPARE(c.size(), 1);
        QCOMPARE(c[0].toArray()[0].toString(), QStringLiteral("FREN"));
        const int bulunan = f->stok->recordCount();
        QVERIFY(bulunan > 0);
        QCOMPARE(f->SekmeBasligi(f->sstoklistesi()), QString::number(bulunan) + QStringLiteral("=Stok Listesi"));
        QTest::qWait(50);
        QVERIFY(EkranKaydet(f.get(), "ana-pencere-arama"));

        // A part not yet in the basket: the double click opens the add dialog.
        f->sepet->emptyTable();
        SepetIslemleri &islem = *f->SepetIslem();
        QVERIFY(islem.SepetYukle());
        const int ilkSatirSayisi = f->sepet->recordCount();
        int satir = -1, stokno = 0, yok = 0;
        for (int r = 0; r < bulunan && satir < 0; ++r) {
            const int s = f->stok->asInteger(r, f->stok->fieldIndex(QStringLiteral("STOK_STOKNO")));
            if (!islem.SatirBul(s, yok)) {
                satir = r;
                stokno = s;
            }
        }
        QVERIFY(satir >= 0);
        bool eklendi = false;
        ModalIsle<Tstokayarinti>([&](Tstokayarinti *d) {
            QCOMPARE(d->ParcaliTus1->text(), QStringLiteral("Sipariş ekle"));
            QCOMPARE(d->stokno(), stokno);
            d->adet->setValue(2);
            eklendi = true;
            d->ParcaliTus1->click();
        });
        sunucu->reset();
        CiftTikla(f->StokSayfasi()->grid(), satir, QStringLiteral("ADI"));
        QVERIFY(eklendi);
        c = cagrilar(QStringLiteral("SepetEkle2"));
        QCOMPARE(c.size(), 1);
        QCOMPARE(c[0].toArray()[1].toInt(), carino);
        QCOMPARE(c[0].toArray()[2].toInt(), stokno);
        QCOMPARE(c[0].toArray()[5].toDouble(), 2.0);
        QCOMPARE(f->sepet->recordCount(), ilkSatirSayisi + 1);

        // The basket tab: shown by a click on its tab; the new line's quantity is changed
        // through the change dialog opened by a double click on the line.
        sunucu->reset();
        SekmeyeTikla(*f, f->ssepet());
        QCOMPARE(f->sPageControl1()->currentWidget(), f->ssepet());
        TSepetSayfasi *sayfa = f->SepetSayfasi();
        QTRY_COMPARE(f->SekmeBasligi(f->ssepet()), QString::number(ilkSatirSayisi + 1) + QStringLiteral("=Sepet"));
        QVERIFY(cagrilar(QStringLiteral("SepetVer2")).size() >= 1);
        QVERIFY(!cagrilar(QStringLiteral("TeslimVer")).isEmpty());
        sayfa->Button5->click();   // "Seçimleri Kaldır": the order holds exactly the ticks below
        int sirano = 0;
        QVERIFY(islem.SatirBul(stokno, sirano));
        ModalIsle<Tstokayarinti>([](Tstokayarinti *d) {
            d->adet->setValue(4);
            d->ParcaliTus1->click();
        });
        sunucu->reset();
        CiftTikla(sayfa->cxGrid2, f->sepet->recNo(), QStringLiteral("STOKADI"));
        c = cagrilar(QStringLiteral("SepetGuncelle2"));
        QCOMPARE(c.size(), 1);
        QCOMPARE(c[0].toArray()[2].toInt(), 0);
        QCOMPARE(c[0].toArray()[5].toDouble(), 4.0);
        QCOMPARE(c[0].toArray()[10].toInt(), sirano);
        QVERIFY(f->sepet->locate(QStringLiteral("SIRANO"), sirano));
        QCOMPARE(f->sepet->fieldByName(QStringLiteral("MIKTAR")).asFloat(), 4.0);

        // Two ticks by double clicks on the "Seç" column: the new line and another one.
        QList<int> secilen{sirano};
        const int siraKolonu = f->sepet->fieldIndex(QStringLiteral("SIRANO"));
        for (int r = 0; r < f->sepet->recordCount(); ++r)
            if (f->sepet->asInteger(r, siraKolonu) != sirano) {
                secilen << f->sepet->asInteger(r, siraKolonu);
                break;
            }
        QCOMPARE(secilen.size(), 2);
        sunucu->reset();
        for (int s : secilen) {
            QVERIFY(f->sepet->locate(QStringLiteral("SIRANO"), s));
            CiftTikla(sayfa->cxGrid2, f->sepet->recNo(), QStringLiteral("SEC"));
        }
        c = cagrilar(QStringLiteral("SepetSecimGuncelle"));
        QCOMPARE(c.size(), 2);
        QCOMPARE(c[0].toArray(), (QJsonArray{secilen[0], 1}));
        QCOMPARE(c[1].toArray(), (QJsonArray{secilen[1], 1}));

        // Delivery, cargo type, firm and a note; "Gönder"; the confirmation says yes.
        sayfa->teslimbox->dugme(0)->click();
        sayfa->boxkargo->dugme(0)->click();
        QVERIFY(sayfa->kargocombo->count() >= 2);
        sayfa->kargocombo->setCurrentIndex(1);
        QVERIFY(f->kargo->locate(QStringLiteral("ADI"), sayfa->kargocombo->currentText()));
        const int firmaId = f->kargo->fieldByName(QStringLiteral("SIRANO")).asInteger();
        sayfa->aciklamagir->setPlainText(QStringLiteral("Sabah teslim\nKapıda ödeme yok"));
        QTest::qWait(50);
        QVERIFY(EkranKaydet(f.get(), "sepet"));
        QString ozet;
        SetSiparisOnayKancasi([&](TONAYSIP &d) {
            ozet = d.Label2->text();
            EkranKaydet(&d, "siparis-onay");
            return int(QDialog::Accepted);
        });
        const int toplam = f->sepet->recordCount();
        sunucu->reset();
        MesajSinama::Temizle();
        QTest::mouseClick(sayfa->Button1, Qt::LeftButton);
        QVERIFY(ozet.contains(QStringLiteral("Açıklama : Sabah teslim\r\nKapıda ödeme yok")));
        c = cagrilar(QStringLiteral("SiparisKaydet"));
        QCOMPARE(c.size(), 1);
        const QJsonArray p = c[0].toArray();
        QCOMPARE(p[1].toInt(), carino);
        QCOMPARE(p[2].toInt(), sayfa->teslimbox->secenekler()[0].id);
        QCOMPARE(p[3].toInt(), sayfa->boxkargo->secenekler()[0].id);
        QCOMPARE(p[4].toString(), QStringLiteral("Sabah teslim\r\nKapıda ödeme yok"));
        QCOMPARE(p[5].toInt(), f->sbilgi.Sirano());
        QCOMPARE(p[6].toInt(), firmaId);
        QCOMPARE(MesajSinama::Kayitlar().last().metin, QStringLiteral("Siparişiniz Gönderildi !"));
        QCOMPARE(sayfa->aciklamagir->toPlainText(), QString());

        // The server holds one new order with exactly the ticked lines; the basket the rest.
        QCOMPARE(f->sepet->recordCount(), toplam - 2);
        for (int s : secilen)
            QVERIFY(!f->sepet->locate(QStringLiteral("SIRANO"), s));
        ServerConnection b;
        b.setHostName(sunucu->host());
        b.setPort(sunucu->port());
        b.Open();
        TServerMethods1Client proxy(b);
        TableReader *onceki = proxy.OncekiSiparisler(carino);
        QVERIFY(onceki && onceki->data.rowCount > 0);
        ResultTable siparisler;
        siparisler.loadFromReader(std::move(*onceki));
        siparisler.setRecNo(0);
        const int idno = siparisler.fieldByName(QStringLiteral("IDNO")).asInteger();
        QCOMPARE(siparisler.fieldByName(QStringLiteral("VERENINNOTU")).asString(),
                 QStringLiteral("Sabah teslim\r\nKapıda ödeme yok"));
        TableReader *satirlar = proxy.SiparisAyrintisi2(carino, idno);
        QVERIFY(satirlar);
        ResultTable ayrinti;
        ayrinti.loadFromReader(std::move(*satirlar));
        QCOMPARE(ayrinti.recordCount(), 2);
        QVERIFY(ayrinti.locate(QStringLiteral("STOKNO"), stokno));
        QCOMPARE(ayrinti.fieldByName(QStringLiteral("MIKTAR")).asFloat(), 4.0);
    }

    void baslangicBannerlari()
    {
        auto f = AnaFormuAc(QStringLiteral("DEMO-BAYI"), QStringLiteral("BAYI"), false);
        QVERIFY(f);
        QSignalSpy baslangic(f.get(), &TForm1::baslangicBitti);
        QVERIFY(baslangic.wait(10000));
        // The header banner animates, the strip takes the GIF's height, the bottom strip
        // shows the bitmap on its marquee and the bottom panel grows by its height.
        QVERIFY(f->RxGIFAnimator1()->movie());
        QVERIFY(f->RxGIFAnimator2()->height() > 0);
        QVERIFY(f->RxGIFAnimator2()->movie());
        QVERIFY(!f->Image3()->pixmap().isNull());
        QVERIFY(f->RealTimeMarquee1()->isVisible());
        const int yukseklik = f->Image3()->pixmap().height();
        QCOMPARE(f->RealTimeMarquee1()->height(), yukseklik);
        QCOMPARE(f->Panel5()->height(), yukseklik + 40);
        const int once = f->RealTimeMarquee1()->konum();
        QTRY_VERIFY(f->RealTimeMarquee1()->konum() > once);
    }

    void bannerHatasiGorunmez()
    {
        sunucu->fault(QStringLiteral("BannerResimVer3"), QStringLiteral("error"));
        sunucu->fault(QStringLiteral("BannerResimVer2"), QStringLiteral("truncate"));
        auto f = AnaFormuAc(QStringLiteral("DEMO-BAYI"), QStringLiteral("BAYI"), false);
        QVERIFY(f);
        QSignalSpy baslangic(f.get(), &TForm1::baslangicBitti);
        QVERIFY(baslangic.wait(10000));
        QVERIFY(f->RxGIFAnimator1()->movie());
        QCOMPARE(f->RxGIFAnimator2()->height(), 0);
        QVERIFY(!f->RealTimeMarquee1()->isVisible());
        QCOMPARE(f->Panel5()->height(), 40);
        for (const auto &m : MesajSinama::Kayitlar())
            QVERIFY2(false, qPrintable(QStringLiteral("unexpected message: ") + m.metin));
    }

    void sanalPosSekmesi()
    {
        auto f = AnaFormuAc(QStringLiteral("DEMO-BAYI"), QStringLiteral("BAYI"), false);
        QVERIFY(f);
        QSignalSpy baslangic(f.get(), &TForm1::baslangicBitti);
        QVERIFY(baslangic.wait(10000));
        SetTarayiciBulucu([] { return QStringLiteral("/opt/tarayici/chrome"); });

        // Every activation asks the balance and starts the browser with the address.
        for (int tur = 0; tur < 2; ++tur) {
            kayit.Sifirla();
            sunucu->reset();
            SekmeyeTikla(*f, f->ss());
            QCOMPARE(cagrilar(QStringLiteral("CariDurumVer")), (QJsonArray{QJsonArray{f->sbilgi.CARINO()}}));
            QCOMPARE(kayit.baslatilan.size(), 1);
            QCOMPARE(kayit.baslatilan[0].first, QStringLiteral("/opt/tarayici/chrome"));
            const QUrl adres(kayit.baslatilan[0].second.last());
            const QUrlQuery q(adres);
            QCOMPARE(q.queryItemValue(QStringLiteral("carino")), QString::number(f->sbilgi.CARINO()));
            QCOMPARE(q.queryItemValue(QStringLiteral("firmasi"), QUrl::FullyDecoded), f->sbilgi.CariAdi());
            QVERIFY(!q.queryItemValue(QStringLiteral("bakiye")).isEmpty());
            QCOMPARE(f->sPageControl1()->currentWidget(), f->ss());
            SekmeyeTikla(*f, f->sstoklistesi());
        }

        // No balance: the message, back to the stock list, no browser.
        kayit.Sifirla();
        sunucu->fault(QStringLiteral("CariDurumVer"), QStringLiteral("error"));
        SekmeyeTikla(*f, f->ss());
        QCOMPARE(kayit.baslatilan.size(), 0);
        QCOMPARE(MesajSinama::Kayitlar().last().metin, QString::fromUtf8(BakiyeAlinamadiMesaji));
        QCOMPARE(f->sPageControl1()->currentWidget(), f->sstoklistesi());
    }

    void cariDegisinceSepetYuklenir()
    {
        auto f = AnaFormuAc(QStringLiteral("DEMO-SATICI"), QStringLiteral("SATICI"), true);
        QVERIFY(f);
        QSignalSpy baslangic(f.get(), &TForm1::baslangicBitti);
        QVERIFY(baslangic.wait(10000));
        const int once = f->sbilgi.CARINO();
        // The sales representative takes another customer (the second in the list).
        ModalIsle<Tseccari>([](Tseccari *s) {
            s->TumCariler();
            QTest::qWait(50);
            QTableView *v = s->findChild<QTableView *>();
            QVERIFY(v && v->model()->rowCount() > 1);
            v->setCurrentIndex(v->model()->index(1, 0));
            s->findChild<QPushButton *>(QStringLiteral("secbtn"))->click();
        });
        sunucu->reset();
        f->SekmeBasligiYaz(f->sstoklistesi(), QStringLiteral("5=Stok Listesi"));
        f->musteritus()->click();
        QVERIFY(f->sbilgi.CARINO() != once);
        QCOMPARE(cagrilar(QStringLiteral("SepetVer2")), (QJsonArray{QJsonArray{f->sbilgi.CARINO()}}));
        QCOMPARE(f->SekmeBasligi(f->sstoklistesi()), QStringLiteral("0=Stok Listesi"));
        QCOMPARE(f->cariadilbl()->text(), f->sbilgi.CariAdi());
    }
};

QTEST_MAIN(SiparisYoluTesti)
#include "test_siparis_yolu.moc"

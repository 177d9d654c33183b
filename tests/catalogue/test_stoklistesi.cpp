// The stock page against the stand-in server: search, captions, folding, failures,
// the guards of a running search, the layout switch, the customer-type rules and the
// opening of a row in the add or change dialog.
#include "baglanti.h"
#include "datagrid.h"
#include "mesajgoster.h"
#include "sepetislemleri.h"
#include "servermethods.h"
#include "sonuctablosu.h"
#include "stokayarinti.h"
#include "stoklistesi.h"
#include "testsunucusu.h"

#include <QJsonObject>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

using namespace dorvanto;

namespace {

// The parts of the main window the stock page works with.
struct Pencere {
    QWidget ana;
    QLineEdit *araedit;
    QToolButton *ara, *temizle;
    QLabel *gif;
    QTabWidget *sayfalar;
    QWidget *stokSayfasi;
    Pencere()
    {
        auto *l = new QVBoxLayout(&ana);
        araedit = new QLineEdit(&ana);
        araedit->setObjectName("araedit");
        ara = new QToolButton(&ana);
        temizle = new QToolButton(&ana);
        gif = new QLabel(&ana);
        gif->hide();
        sayfalar = new QTabWidget(&ana);
        stokSayfasi = new QWidget;
        sayfalar->addTab(stokSayfasi, "Stok Listesi");
        sayfalar->addTab(new QWidget, "Sepet");
        l->addWidget(araedit);
        l->addWidget(sayfalar, 1);
        ana.resize(1300, 700);
    }
};

// Types `metin` into `w` one character at a time, as the keyboard would deliver it.
void yaz(QWidget *w, const QString &metin)
{
    for (QChar c : metin) {
        QKeyEvent bas(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &bas);
        QKeyEvent birak(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &birak);
    }
}

} // namespace

class TestStokListesi : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestSunucusu> sunucu;
    std::unique_ptr<ServerConnection> bagc;
    std::unique_ptr<TSonucBilgisi> sbilgi;
    std::unique_ptr<ResultTable> stok, sepet;
    std::unique_ptr<SepetIslemleri> sepetIs;
    std::unique_ptr<Pencere> w;
    std::unique_ptr<StokListesiSayfasi> sayfa;

    QJsonArray cagrilar(const QString &yontem)
    {
        QJsonArray s;
        for (const auto &c : sunucu->calls())
            if (c.toObject().value("method").toString() == yontem)
                s.append(c);
        return s;
    }
    QString baslik() const { return w->sayfalar->tabText(0); }
    bool ara()
    {
        QSignalSpy bitti(sayfa.get(), &StokListesiSayfasi::aramaBitti);
        QTest::keyClick(w->araedit, Qt::Key_Return);
        if (!bitti.wait(20000))
            return false;
        return bitti.first().first().toBool();
    }
    void kur(const QString &makine)
    {
        bagc = std::make_unique<ServerConnection>();
        bagc->setHostName(sunucu->host());
        bagc->setPort(sunucu->port());
        {
            BaglantiAc(*bagc, false);
            TServerMethods1Client c(*bagc);
            sbilgi = std::make_unique<TSonucBilgisi>();
            sbilgi->Kopyala(*c.BuyukGetir(makine));
        }
        bagc->Close();
        stok = std::make_unique<ResultTable>();
        sepet = std::make_unique<ResultTable>();
        sepetIs = std::make_unique<SepetIslemleri>(*bagc, *sbilgi, *sepet);
        w = std::make_unique<Pencere>();
        StokSayfasiParcalari p;
        p.anaPencere = &w->ana;
        p.araedit = w->araedit;
        p.SpeedButton2 = w->ara;
        p.SpeedButton1 = w->temizle;
        p.gifstokara = w->gif;
        p.sPageControl1 = w->sayfalar;
        p.sstoklistesi = w->stokSayfasi;
        p.stok = stok.get();
        p.bagc = bagc.get();
        p.sbilgi = sbilgi.get();
        p.sepet = sepetIs.get();
        sayfa = std::make_unique<StokListesiSayfasi>(p);
        sayfa->MusteriTipiUygula(sbilgi->MusteriTipi());
        w->ana.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w->ana));
        w->araedit->setFocus();
        sunucu->reset();
        MesajSinama::Temizle();
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        MesajSinama::Ac();
        SetBaglantiBeklemesiMs(5);
        sunucu = std::make_unique<test::TestSunucusu>();
        QVERIFY2(sunucu->basladi(), qPrintable(sunucu->hata()));
    }
    void init() { kur("DEMO-BAYI"); }
    void cleanup()
    {
        SetStokAyrintiKancasi({});
        sayfa.reset();
        w.reset();
        sepetIs.reset();
    }

    void bosKutuBosKodGonderir()
    {
        QCOMPARE(baslik(), QString("Stok Listesi"));
        QVERIFY(ara());
        const QJsonArray c = cagrilar("StokAraGetir");
        QCOMPARE(c.size(), 1);
        QCOMPARE(c[0].toObject()["params"].toArray()[0].toString(), QString(""));
        QVERIFY(stok->recordCount() > 0);
        QCOMPARE(baslik(), QString::number(stok->recordCount()) + "=Stok Listesi");
        QCOMPARE(sayfa->grid()->rowCount(), stok->recordCount());
        QVERIFY(sayfa->grid()->isAttached());
        QVERIFY(!sayfa->grid()->inUpdate());
        QVERIFY(w->araedit->isEnabled());
        QVERIFY(w->gif->isHidden());
        QCOMPARE(sayfa->grid()->footerText("OEM1"), QString::number(stok->recordCount()));
        // Float fields carry the money format.
        QCOMPARE(stok->fieldDef(stok->fieldIndex("FIYAT")).displayFormat, QString("#,###,##0.00"));
        QVERIFY(MesajSinama::Kayitlar().isEmpty());
    }

    void aramaSekmeyiOneGetirir()
    {
        w->sayfalar->setCurrentIndex(1);
        QVERIFY(ara());
        QCOMPARE(w->sayfalar->currentIndex(), 0);
    }

    void turkceHarflerKatlanir()
    {
        yaz(w->araedit, QString::fromUtf8("şğıİ"));
        QCOMPARE(w->araedit->text(), QString("SGII"));
        w->araedit->clear();
        yaz(w->araedit, QString::fromUtf8("fren çöü"));
        QCOMPARE(w->araedit->text(), QString("FREN COU"));
        w->araedit->setText("SGII");
        ara();
        const QJsonArray c = cagrilar("StokAraGetir");
        QCOMPARE(c.size(), 1);
        QCOMPARE(c[0].toObject()["params"].toArray()[0].toString(), QString("SGII"));
    }

    void sonucsuzAramaSifirBaslik()
    {
        w->araedit->setText("ZZZZQQQQ-YOK");
        QVERIFY(ara());
        QCOMPARE(stok->recordCount(), 0);
        QCOMPARE(baslik(), QString("0=Stok Listesi"));
    }

    void basarisizArama_data()
    {
        QTest::addColumn<QString>("tur");
        QTest::newRow("server error") << "error";
        QTest::newRow("dropped") << "drop";
        QTest::newRow("not json") << "garbage";
    }
    void basarisizArama()
    {
        QFETCH(QString, tur);
        QVERIFY(ara());
        QVERIFY(stok->recordCount() > 0);
        QVERIFY(sunucu->fault("StokAraGetir", tur, 1));
        MesajSinama::Temizle();
        w->araedit->setText("FREN");
        QVERIFY(!ara());
        QCOMPARE(stok->recordCount(), 0);
        QCOMPARE(baslik(), QString("Stok Listesi"));
        const auto m = MesajSinama::Kayitlar();
        QCOMPARE(m.size(), 1);
        QCOMPARE(m[0].metin, QString::fromUtf8("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"));
        QCOMPARE(m[0].tur, int(mtHata));
        QVERIFY(w->araedit->isEnabled());
        QCOMPARE(w->araedit->selectedText(), QString("FREN"));
        QVERIFY(sayfa->grid()->isAttached());
    }

    void ilkAramaBasarisizsaBosaltilacakTabloYok()
    {
        QVERIFY(sunucu->fault("StokAraGetir", "error", 1));
        QVERIFY(!ara());
        QVERIFY(!stok->active());
        QCOMPARE(baslik(), QString("Stok Listesi"));
        QCOMPARE(MesajSinama::Kayitlar().size(), 1);
    }

    void aramaSirasindaDugmelerDurur()
    {
        QVERIFY(ara());
        const int satir = stok->recordCount();
        sunucu->reset();
        QVERIFY(sunucu->fault("StokAraGetir", "delay", 1, 700));
        w->araedit->setText("FILTRE");
        QSignalSpy bitti(sayfa.get(), &StokListesiSayfasi::aramaBitti);
        QTest::keyClick(w->araedit, Qt::Key_Return);
        QVERIFY(!w->araedit->isEnabled());
        QVERIFY(w->gif->isVisible());
        QVERIFY(!sayfa->grid()->isAttached());
        w->temizle->click();             // ignored
        w->ara->click();                 // ignored
        sayfa->SpeedButton2Click();      // a second Enter: ignored
        const int genislik = sayfa->grid()->columnWidth("ADI");
        w->ana.resize(1100, 700);        // no relayout during the search
        QCoreApplication::processEvents();
        QCOMPARE(sayfa->grid()->columnWidth("ADI"), genislik);
        QVERIFY(sayfa->genisDuzen());
        QVERIFY(bitti.wait(20000));
        QCOMPARE(cagrilar("StokAraGetir").size(), 1);
        QVERIFY(stok->recordCount() > 0);
        QVERIFY(stok->recordCount() <= satir);
        QCOMPARE(w->araedit->text(), QString("FILTRE"));
        // After the search the layout follows the new size.
        QVERIFY(!sayfa->genisDuzen());
    }

    void temizle()
    {
        QVERIFY(ara());
        w->sayfalar->setCurrentIndex(1);
        w->araedit->setText("ABC");
        w->temizle->click();
        QCOMPARE(stok->recordCount(), 0);
        QCOMPARE(baslik(), QString("Stok Listesi"));
        QCOMPARE(w->sayfalar->currentIndex(), 0);
        QCOMPARE(w->araedit->text(), QString());
    }

    void cariDegisti()
    {
        QVERIFY(ara());
        sayfa->CariDegisti();
        QCOMPARE(stok->recordCount(), 0);
        QCOMPARE(baslik(), QString("0=Stok Listesi"));
    }

    void genisDarDuzen_data()
    {
        QTest::addColumn<int>("genislik");
        QTest::addColumn<bool>("genis");
        QTest::newRow("1152 narrow") << 1152 << false;
        QTest::newRow("1153 wide") << 1153 << true;
        QTest::newRow("1100 narrow") << 1100 << false;
        QTest::newRow("1000 narrow") << 1000 << false;
        QTest::newRow("800 narrow") << 800 << false;
        QTest::newRow("1600 wide") << 1600 << true;
    }
    void genisDarDuzen()
    {
        QFETCH(int, genislik);
        QFETCH(bool, genis);
        QVERIFY(ara());
        w->ana.resize(genislik, 700);
        QTRY_COMPARE(w->ana.width(), genislik);
        sayfa->StokKolonlariAyarla();
        DataGrid *g = sayfa->grid();
        QCOMPARE(sayfa->genisDuzen(), genis);
        for (const char *a : {"LISTEFIYAT1", "KAMPFIYAT", "NETFIYAT", "KDVDAHIL"})
            QCOMPARE(g->isColumnVisible(a), genis);
        QCOMPARE(g->isColumnVisible("FiyatBilgisi"), !genis);
        QCOMPARE(g->rowHeight(), genis ? 60 : 100);
        QCOMPARE(g->view()->verticalHeader()->defaultSectionSize(), genis ? 60 : 100);
        // Weighted widths of the visible columns.
        int toplam = 0;
        for (const auto &k : StokKolonlari())
            if (g->isColumnVisible(k.alan))
                toplam += k.agirlik;
        const int birim = AgirlikBirimi(g->width(), toplam);
        for (const auto &k : StokKolonlari()) {
            if (!g->isColumnVisible(k.alan))
                continue;
            if (!genis && k.alan == "FiyatBilgisi")
                QCOMPARE(g->columnWidth(k.alan), 150);
            else if (genis || k.alan != "ADI")
                QVERIFY2(g->columnWidth(k.alan) == k.agirlik * birim, qPrintable(k.alan));
        }
        // every column in view: no sideways scrolling, the price block whole
        QTableView *v = g->view();
        QTRY_VERIFY(!v->horizontalScrollBar()->isVisible());
        QHeaderView *h = v->horizontalHeader();
        int son = 0;
        for (int c = 0; c < h->count(); ++c)
            if (!h->isSectionHidden(c))
                son = std::max(son, h->sectionViewportPosition(c) + h->sectionSize(c));
        QVERIFY2(son <= v->viewport()->width(), qPrintable(QString("%1 > %2").arg(son).arg(v->viewport()->width())));
        if (!genis) {
            // "Açıklama" gave up only what the fixed price block took beyond its weight's share
            QVERIFY(g->columnWidth("ADI") < 4 * birim);
            QVERIFY(g->columnWidth("ADI") >= 4 * birim - (150 - 2 * birim) - 4);
        }
    }

    void darDuzenOemGenislikleri()
    {
        sayfa->grid()->setColumnVisible("OEM1", true);
        w->ana.resize(1000, 700);
        QTRY_COMPARE(w->ana.width(), 1000);
        sayfa->StokKolonlariAyarla();
        QCOMPARE(sayfa->grid()->columnWidth("OEM1"), 80);
    }

    void tip4KampanyaGormez()
    {
        cleanup();
        kur("DEMO-BAYI4");
        QCOMPARE(sbilgi->MusteriTipi(), 4);
        QVERIFY(ara());
        for (int genislik : {1600, 1000, 1153, 1152}) {
            w->ana.resize(genislik, 700);
            QTRY_COMPARE(w->ana.width(), genislik);
            sayfa->StokKolonlariAyarla();
            QVERIFY(!sayfa->grid()->isColumnVisible("KAMPFIYAT"));
            QVERIFY(!sayfa->grid()->isColumnVisible("K"));
            QVERIFY(!sayfa->grid()->isColumnOffered("KAMPFIYAT"));
            QVERIFY(!sayfa->grid()->isColumnOffered("K"));
            QVERIFY(!sayfa->grid()->isColumnVisible("KALAN"));
        }
    }

    void tip1KalanGorur()
    {
        cleanup();
        kur("DEMO-SATICI");
        QCOMPARE(sbilgi->MusteriTipi(), 1);
        for (const char *a : {"KALAN", "ALINANSIPARIS", "VERILENSIPARIS", "K"}) {
            QVERIFY(sayfa->grid()->isColumnVisible(a));
            QVERIFY(sayfa->grid()->isColumnOffered(a));
        }
        w->ana.resize(1600, 700);
        QTRY_COMPARE(w->ana.width(), 1600);
        sayfa->StokKolonlariAyarla();
        QVERIFY(sayfa->grid()->isColumnVisible("KAMPFIYAT"));
        QVERIFY(sayfa->grid()->isColumnVisible("KALAN"));  // the layout rule keeps the type's columns
    }

    void bosListedeCiftTiklamaHicbirSeyYapmaz()
    {
        int acilan = 0;
        SetStokAyrintiKancasi([&](Tstokayarinti *) { ++acilan; });
        sayfa->cxGrid1DBTableView1DblClick();
        QCOMPARE(acilan, 0);
        QCOMPARE(cagrilar("SepetVer2").size(), 0);
    }

    void sepetteOlmayanParcaEklenir()
    {
        QVERIFY(ara());
        sayfa->grid()->focusRow(0);
        stok->setRecNo(0);
        const int stokno = stok->fieldByName("STOK_STOKNO").asInteger();
        // Make sure the part is not in the basket yet.
        {
            BaglantiAc(*bagc, false);
            TServerMethods1Client c(*bagc);
            c.SepetHepsiniSil(sbilgi->Kopya());
        }
        bagc->Close();
        sunucu->reset();
        QString etiket;
        SetStokAyrintiKancasi([&](Tstokayarinti *d) {
            etiket = d->Label2->text();
            QTimer::singleShot(0, d, [d] {
                d->adet->setValue(2);
                d->ParcaliTus1->click();
            });
        });
        sayfa->cxGrid1DBTableView1DblClick();
        QCOMPARE(cagrilar("SepetVer2").size(), 2);   // loaded once before, again after the add
        const QJsonArray ekle = cagrilar("SepetEkle2");
        QCOMPARE(ekle.size(), 1);
        const QJsonArray par = ekle[0].toObject()["params"].toArray();
        QCOMPARE(par[2].toInt(), stokno);
        QCOMPARE(par[5].toDouble(), 2.0);
        int sirano = 0;
        QVERIFY(sepetIs->SatirBul(stokno, sirano));
    }

    void sepettekiParcaDegisiklikAcar()
    {
        QVERIFY(ara());
        stok->setRecNo(3);
        const int stokno = stok->fieldByName("STOK_STOKNO").asInteger();
        {
            BaglantiAc(*bagc, false);
            TServerMethods1Client c(*bagc);
            c.SepetHepsiniSil(sbilgi->Kopya());
            c.SepetEkle2(sbilgi->Kopya(), sbilgi->CARINO(), stokno, stok->fieldByName("BARKOD").asString(),
                         stok->fieldByName("ADI").asString(), 3, 18, stok->fieldByName("FIYAT").asFloat(), 0,
                         sbilgi->Sirano(), 0, 0, 0, 0);
        }
        bagc->Close();
        sunucu->reset();
        sayfa->grid()->focusRow(3);
        int adet = 0;
        bool salt = false;
        SetStokAyrintiKancasi([&](Tstokayarinti *d) {
            adet = d->adet->value();
            salt = d->birimfiyat->isReadOnly();
            QTimer::singleShot(0, d, [d] { d->ParcaliTus2->click(); });
        });
        sayfa->cxGrid1DBTableView1DblClick();
        QCOMPARE(adet, 3);      // the change dialog of the existing line
        QVERIFY(salt);
        QCOMPARE(cagrilar("SepetEkle2").size(), 0);
        QCOMPARE(cagrilar("SepetGuncelle2").size(), 0);   // cancelled: nothing handed over
        QCOMPARE(cagrilar("SepetVer2").size(), 1);        // the first load only, no reload
    }

    void menu()
    {
        QMenu *m = sayfa->menu();
        QStringList metinler;
        for (QAction *a : m->actions())
            metinler << (a->isSeparator() ? QString("-") : a->text());
        QCOMPARE(metinler, QStringList({QString::fromUtf8("Sepete Ekle"), "-", QString::fromUtf8("Sipariş Bakiyeleriniz"),
                                        "-", QString::fromUtf8("Siparişleri Göster")}));
        QVERIFY(ara());
        sayfa->grid()->focusRow(1);
        int gelen = -1;
        sayfa->siparisleriGosterAc = [&](int s) { gelen = s; };
        m->actions().last()->trigger();
        QCOMPARE(gelen, stok->asInteger(1, stok->fieldIndex("STOK_STOKNO")));
    }
};

QTEST_MAIN(TestStokListesi)
#include "test_stoklistesi.moc"

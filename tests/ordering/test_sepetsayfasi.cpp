// The basket tab against the stand-in server: load, totals, selection, the checks of
// "Gönder", the confirmation, deleting, and the road of an order from a stock row to
// a stored order.
#include "datagrid.h"
#include "gridexcel.h"
#include "mesajgoster.h"
#include "radiogrubu.h"
#include "sepethesap.h"
#include "sepetsayfasi.h"
#include "servermethods.h"
#include "stokayarinti.h"
#include "testsunucusu.h"

#include <QComboBox>
#include <QDir>
#include <QJsonObject>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace dorvanto;
using dorvanto::test::TestSunucusu;

class TestSepetSayfasi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void sekmeGosterilinceSepetYuklenir();
    void secKolonundaCiftTiklamaSecimiDegistirir();
    void digerKolondaDegistirmeDiyaloguAcilir();
    void sunucuYokkenHepsiniSecHerSatirdaMesaj();
    void gonderKontrolleri();
    void hayirHicbirSeyGondermez();
    void bosSepetteHepsiniSilSormaz();
    void satirSilHayirGondermez();
    void tekFirmaKendiligindenSecilir();
    void siparisinYolu();
    void genislikKurali();
    void excelKaydet();

private:
    QJsonArray cagrilar(const QString &yontem);
    void sayfaKur(int carino);

    std::unique_ptr<TestSunucusu> sunucu;
    std::unique_ptr<ServerConnection> bagc;
    TSonucBilgisi sbilgi;
    std::unique_ptr<ResultTable> sepet, kargo;
    std::unique_ptr<SepetIslemleri> islem;
    std::unique_ptr<TSepetSayfasi> sayfa;
    QStringList baglantiMesajlari;
    QString baslik;
};

void TestSepetSayfasi::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    SetBaglantiBekleyicisi([](int) {});
}

void TestSepetSayfasi::init()
{
    sunucu = std::make_unique<TestSunucusu>();
    QVERIFY2(sunucu->basladi(), qPrintable(sunucu->hata()));
    MesajSinama::Ac();
    baglantiMesajlari.clear();
    SetBaglantiMesajKancasi([this](const QString &m) { baglantiMesajlari.append(m); });
    sayfaKur(1001);
}

void TestSepetSayfasi::sayfaKur(int carino)
{
    sayfa.reset();
    islem.reset();
    bagc = std::make_unique<ServerConnection>();
    bagc->setHostName(sunucu->host());
    bagc->setPort(sunucu->port());
    bagc->connectTimeoutMs = 1000;
    sbilgi = TSonucBilgisi();
    sbilgi.SetCARINO(carino);
    sbilgi.SetSirano(1);
    sbilgi.SetADI(QStringLiteral("BAYI"));
    sbilgi.SetCariAdi(QStringLiteral("Özgür Oto Yedek Parça"));
    sbilgi.SetMusteriTipi(3);
    sepet = std::make_unique<ResultTable>();
    kargo = std::make_unique<ResultTable>();
    islem = std::make_unique<SepetIslemleri>(*bagc, sbilgi, *sepet);
    sayfa = std::make_unique<TSepetSayfasi>(*islem, *kargo);
    sayfa->setBaslikYazici([this](const QString &b) { baslik = b; });
    sayfa->setEkranGenisligi([] { return 1280; });
    sayfa->resize(1200, 700);
    sayfa->MusteriTipiUygula(3);
}

void TestSepetSayfasi::cleanup()
{
    sayfa.reset();
    islem.reset();
    SetSiparisOnayKancasi({});
    SetStokAyrintiKancasi({});
    SetBaglantiMesajKancasi({});
    MesajSinama::Kapat();
    sunucu.reset();
}

QJsonArray TestSepetSayfasi::cagrilar(const QString &yontem)
{
    QJsonArray sonuc;
    for (const QJsonValue v : sunucu->calls())
        if (v.toObject().value(QStringLiteral("method")).toString() == yontem)
            sonuc.append(v.toObject().value(QStringLiteral("params")));
    return sonuc;
}

void TestSepetSayfasi::sekmeGosterilinceSepetYuklenir()
{
    QSignalSpy uyari(sayfa.get(), &TSepetSayfasi::uyariYazildi);
    sayfa->lbluyarbakiye->setText(QStringLiteral("eski"));
    sayfa->ssepetShow();
    QVERIFY(sayfa->lbluyarbakiye->text() != QStringLiteral("eski") || uyari.count() > 0);
    QCOMPARE(sepet->recordCount(), 5);
    QCOMPARE(baslik, QStringLiteral("5=Sepet"));
    // The totals are those of the ticked lines, the footer counts every line.
    const SepetToplamMetinleri m = SepetToplamMetni(SepetToplamHesapla(*sepet));
    QCOMPARE(sayfa->geneltoplaml->text(), m.genel);
    QCOMPARE(sayfa->aratoplaml->text(), m.toplam);
    QVERIFY(sayfa->geneltoplaml->text() != QStringLiteral("0.00"));
    QCOMPARE(sayfa->cxGrid2->footerText(QStringLiteral("VERILISTARIHI")), QStringLiteral("5"));
    // Second delivery status preselected, no cargo type chosen.
    QCOMPARE(sayfa->teslimbox->count(), 3);
    QCOMPARE(sayfa->teslimbox->itemIndex(), 1);
    QCOMPARE(sayfa->boxkargo->count(), 3);
    QCOMPARE(sayfa->boxkargo->itemIndex(), -1);
    // Customer type 3 does not see the status column.
    QVERIFY(!sayfa->cxGrid2->isColumnVisible(QStringLiteral("DURUM")));
    // The overdue check lands in the label, as the server says it.
    QVERIFY(uyari.count() > 0 || uyari.wait(10000));
    bagc->Open();
    TServerMethods1Client dogrudan(*bagc);
    QCOMPARE(sayfa->lbluyarbakiye->text(), dogrudan.CariVadeGunGecmismiBul(1001));
    QCOMPARE(cagrilar(QStringLiteral("CariVadeGunGecmismiBul")).size(), 2);
}

void TestSepetSayfasi::secKolonundaCiftTiklamaSecimiDegistirir()
{
    int diyalog = 0;
    SetStokAyrintiKancasi([&](Tstokayarinti *d) { ++diyalog; QMetaObject::invokeMethod(d, &QDialog::reject, Qt::QueuedConnection); });
    sayfa->ssepetShow();
    const int secKolonu = sepet->fieldIndex(QStringLiteral("SEC"));
    int satir = -1;
    for (int r = 0; r < sepet->recordCount() && satir < 0; ++r)
        if (sepet->asInteger(r, secKolonu) == 0)
            satir = r;
    QVERIFY(satir >= 0);
    const QString onceki = sayfa->geneltoplaml->text();
    sunucu->reset();
    sayfa->cxGrid2->focusRow(satir);
    sayfa->cxGrid2->setFocusedColumn(QStringLiteral("SEC"));
    sayfa->Deitir1Click();
    QCOMPARE(diyalog, 0);
    QCOMPARE(sepet->asInteger(satir, secKolonu), 1);
    const QJsonArray c = cagrilar(QStringLiteral("SepetSecimGuncelle"));
    QCOMPARE(c.size(), 1);
    const int sirano = sepet->asInteger(satir, sepet->fieldIndex(QStringLiteral("SIRANO")));
    QCOMPARE(c[0].toArray(), (QJsonArray{sirano, 1}));
    QVERIFY(sayfa->geneltoplaml->text() != onceki);
    // No reload: the flag was written locally.
    QCOMPARE(cagrilar(QStringLiteral("SepetVer2")).size(), 0);
}

void TestSepetSayfasi::digerKolondaDegistirmeDiyaloguAcilir()
{
    int diyalog = 0;
    SetStokAyrintiKancasi([&](Tstokayarinti *d) { ++diyalog; QMetaObject::invokeMethod(d, &QDialog::reject, Qt::QueuedConnection); });
    sayfa->ssepetShow();
    sunucu->reset();
    sayfa->cxGrid2->focusRow(0);
    sayfa->cxGrid2->setFocusedColumn(QStringLiteral("BARKOD"));
    sayfa->Deitir1Click();
    QCOMPARE(diyalog, 1);
    QCOMPARE(cagrilar(QStringLiteral("SepetSecimGuncelle")).size(), 0);
}

void TestSepetSayfasi::sunucuYokkenHepsiniSecHerSatirdaMesaj()
{
    sayfa->ssepetShow();
    const int satirlar = sepet->recordCount();
    QVERIFY(satirlar > 1);
    sunucu->stop();
    baglantiMesajlari.clear();
    sayfa->Button4Click();
    QCOMPARE(baglantiMesajlari.size(), satirlar);
    for (const QString &m : baglantiMesajlari)
        QCOMPARE(m, QString::fromUtf8(BaglantiKurulamiyorMesaji));
    const int sec = sepet->fieldIndex(QStringLiteral("SEC"));
    for (int r = 0; r < satirlar; ++r)
        QCOMPARE(sepet->asInteger(r, sec), 1);
    // The totals follow the local ticks.
    const SepetToplamMetinleri m = SepetToplamMetni(SepetToplamHesapla(*sepet));
    QCOMPARE(sayfa->geneltoplaml->text(), m.genel);
}

void TestSepetSayfasi::gonderKontrolleri()
{
    sayfa->ssepetShow();
    auto sonMesaj = [] {
        const auto k = MesajSinama::Kayitlar();
        return k.isEmpty() ? QString() : k.last().metin;
    };
    // 1. nothing ticked
    sayfa->Button5Click();
    MesajSinama::Temizle();
    sayfa->Button1Click();
    QCOMPARE(sonMesaj(), QStringLiteral("Gönderilecek Parça Yok "));
    QCOMPARE(MesajSinama::Kayitlar().size(), 1);
    QCOMPARE(MesajSinama::Kayitlar().last().tur, int(mtUyari));
    // 2. no delivery status
    sayfa->Button4Click();
    sayfa->teslimbox->setItemIndex(-1);
    sayfa->Button1Click();
    QCOMPARE(sonMesaj(), QStringLiteral("Lütfen Teslim Durumu Seçiniz !"));
    // 3. no cargo type
    sayfa->teslimbox->setItemIndex(0);
    sayfa->Button1Click();
    QCOMPARE(sonMesaj(), QStringLiteral("Lütfen Kargo Türünü Seçiniz !"));
    // 4. a type with several firms: none chosen; the blank counts as none
    sayfa->boxkargo->dugme(0)->click();
    QVERIFY(sayfa->kargocombo->count() > 2);
    QCOMPARE(sayfa->kargocombo->currentIndex(), 0);
    sayfa->Button1Click();
    QCOMPARE(sonMesaj(), QStringLiteral("Lütfen Kargo  Seçiniz !"));
    QCOMPARE(cagrilar(QStringLiteral("SiparisKaydet")).size(), 0);
}

void TestSepetSayfasi::hayirHicbirSeyGondermez()
{
    QString ozet;
    SetSiparisOnayKancasi([&](TONAYSIP &d) {
        ozet = d.Label2->text();
        return int(QDialog::Rejected);
    });
    sayfa->ssepetShow();
    sayfa->boxkargo->dugme(1)->click();   // one firm: chosen at once
    sayfa->aciklamagir->setPlainText(QStringLiteral("not"));
    sayfa->Button1Click();
    QVERIFY(ozet.startsWith(QStringLiteral("Kullanıcı: BAYI\r\nCari     : Özgür Oto Yedek Parça\r\n")));
    QVERIFY(ozet.contains(QStringLiteral("Tutar    : ") + sayfa->geneltoplaml->text()));
    QCOMPARE(cagrilar(QStringLiteral("SiparisKaydet")).size(), 0);
    QCOMPARE(sayfa->aciklamagir->toPlainText(), QStringLiteral("not"));
}

void TestSepetSayfasi::bosSepetteHepsiniSilSormaz()
{
    // Not loaded yet: nothing asked.
    sayfa->HepsiniSil1Click();
    QCOMPARE(MesajSinama::Kayitlar().size(), 0);
    sayfaKur(1004);   // a customer without basket lines
    sayfa->ssepetShow();
    QCOMPARE(sepet->recordCount(), 0);
    QCOMPARE(baslik, QStringLiteral("0=Sepet"));
    QCOMPARE(sayfa->geneltoplaml->text(), QStringLiteral("0.00"));
    MesajSinama::Temizle();
    sayfa->HepsiniSil1Click();
    QCOMPARE(MesajSinama::Kayitlar().size(), 0);
    QCOMPARE(cagrilar(QStringLiteral("SepetHepsiniSil")).size(), 0);
}

void TestSepetSayfasi::satirSilHayirGondermez()
{
    sayfa->ssepetShow();
    sayfa->cxGrid2->focusRow(0);
    MesajSinama::Temizle();
    MesajSinama::SonrakiCevap(mrNo);
    sayfa->SatrSil1Click();
    QCOMPARE(MesajSinama::Kayitlar().size(), 1);
    QCOMPARE(MesajSinama::Kayitlar()[0].metin, QStringLiteral("Satırı silmek istiyor musunuz "));
    QCOMPARE(cagrilar(QStringLiteral("SepetSatirSil")).size(), 0);
    // Yes deletes, reloads, then reports.
    const int sirano = sayfa->cxGrid2->focusedValue(QStringLiteral("SIRANO")).toInt();
    MesajSinama::SonrakiCevap(mrYes);
    sayfa->SatrSil1Click();
    const QJsonArray c = cagrilar(QStringLiteral("SepetSatirSil"));
    QCOMPARE(c.size(), 1);
    QCOMPARE(c[0].toArray()[1].toInt(), sirano);
    QCOMPARE(sepet->recordCount(), 4);
    QCOMPARE(MesajSinama::Kayitlar().last().metin, QStringLiteral("Satır silindi !"));
}

void TestSepetSayfasi::tekFirmaKendiligindenSecilir()
{
    sayfa->ssepetShow();
    sayfa->boxkargo->dugme(1)->click();   // "Ambar": one firm
    QCOMPARE(sayfa->kargocombo->count(), 2);
    QCOMPARE(sayfa->kargocombo->itemText(0), QStringLiteral(" "));
    QCOMPARE(sayfa->kargocombo->currentIndex(), 1);
    QCOMPARE(sayfa->uyarikargo->text(), QStringLiteral("Ambar teslimatları Salı ve Cuma günleri yapılır."));
    // Choosing the blank clears the warning.
    sayfa->kargocombo->setCurrentIndex(0);
    QCOMPARE(sayfa->uyarikargo->text(), QString());
}

void TestSepetSayfasi::siparisinYolu()
{
    sayfa->ssepetShow();
    // Untick everything so that the order holds exactly the lines ticked below.
    sayfa->Button5Click();
    // A part from the stock search goes into the basket.
    ResultTable stok;
    {
        bagc->Open();
        TServerMethods1Client proxy(*bagc);
        DataPacket *p = proxy.StokAraGetir(QStringLiteral("FREN"), sbilgi.Kopya());
        QVERIFY(p && p->data.rowCount > 0);
        stok.loadFromPacket(std::move(p->data));
        bagc->Close();
    }
    stok.setRecNo(0);
    const int stokno = stok.fieldByName(QStringLiteral("STOK_STOKNO")).asInteger();
    int var = 0;
    QVERIFY(!islem->SatirBul(stokno, var));
    sunucu->reset();
    islem->SepeteEkle(stok, 2);
    QJsonArray c = cagrilar(QStringLiteral("SepetEkle2"));
    QCOMPARE(c.size(), 1);
    QJsonArray p = c[0].toArray();
    QCOMPARE(p.size(), 14);
    QCOMPARE(p[1].toInt(), 1001);
    QCOMPARE(p[2].toInt(), stokno);
    QCOMPARE(p[3].toString(), stok.fieldByName(QStringLiteral("BARKOD")).asString());
    QCOMPARE(p[5].toDouble(), 2.0);
    QCOMPARE(p[7].toDouble(), stok.fieldByName(QStringLiteral("FIYAT")).asFloat());
    QCOMPARE(p[9].toInt(), 1);   // verenid = Sirano
    QCOMPARE(sepet->recordCount(), 6);
    QCOMPARE(baslik, QStringLiteral("6=Sepet"));

    // Its quantity is changed from the basket through the change dialog.
    int sirano = 0;
    QVERIFY(islem->SatirBul(stokno, sirano));
    const int satir = sepet->recNo();
    auto oran = [&](const char *f) { return sepet->asFloat(satir, sepet->fieldIndex(QString::fromLatin1(f))); };
    const double ind[4] = {oran("INDIRIMORANI1"), oran("INDIRIMORANI2"), oran("INDIRIMORANI3"), oran("INDIRIMORANI4")};
    SetStokAyrintiKancasi([](Tstokayarinti *d) {
        d->adet->setValue(4);
        QMetaObject::invokeMethod(d, &QDialog::accept, Qt::QueuedConnection);
    });
    sunucu->reset();
    sayfa->cxGrid2->focusRow(satir);
    sayfa->cxGrid2->setFocusedColumn(QStringLiteral("MIKTAR"));
    sayfa->Deitir1Click();
    c = cagrilar(QStringLiteral("SepetGuncelle2"));
    QCOMPARE(c.size(), 1);
    p = c[0].toArray();
    QCOMPARE(p[2].toInt(), 0);          // stokno 0
    QCOMPARE(p[5].toDouble(), 4.0);     // miktar
    QCOMPARE(p[8].toDouble(), ind[0]);
    QCOMPARE(p[9].toInt(), 1);          // verenid
    QCOMPARE(p[10].toInt(), sirano);    // _sepetsirano
    QCOMPARE(p[11].toDouble(), ind[1]);
    QCOMPARE(p[12].toDouble(), ind[2]);
    QCOMPARE(p[13].toDouble(), ind[3]);
    QVERIFY(sepet->locate(QStringLiteral("SIRANO"), sirano));
    QCOMPARE(sepet->fieldByName(QStringLiteral("MIKTAR")).asFloat(), 4.0);

    // Two lines are ticked: the new one and the first other one.
    const int secKolonu = sepet->fieldIndex(QStringLiteral("SEC"));
    const int siraKolonu = sepet->fieldIndex(QStringLiteral("SIRANO"));
    QList<int> secilenler;
    sunucu->reset();
    for (int r = 0; r < sepet->recordCount() && secilenler.size() < 2; ++r) {
        const int s = sepet->asInteger(r, siraKolonu);
        if (s != sirano && !secilenler.isEmpty())
            continue;
        if (s != sirano && secilenler.isEmpty() && r != 0)
            continue;
        sayfa->cxGrid2->focusRow(r);
        sayfa->cxGrid2->setFocusedColumn(QStringLiteral("SEC"));
        sayfa->Deitir1Click();
        QCOMPARE(sepet->asInteger(r, secKolonu), 1);
        secilenler.append(s);
    }
    if (!secilenler.contains(sirano)) {
        QVERIFY(sepet->locate(QStringLiteral("SIRANO"), sirano));
        sayfa->cxGrid2->focusRow(sepet->recNo());
        sayfa->cxGrid2->setFocusedColumn(QStringLiteral("SEC"));
        sayfa->Deitir1Click();
        secilenler.append(sirano);
    }
    QCOMPARE(secilenler.size(), 2);
    c = cagrilar(QStringLiteral("SepetSecimGuncelle"));
    QCOMPARE(c.size(), 2);
    QCOMPARE(c[0].toArray(), (QJsonArray{secilenler[0], 1}));
    QCOMPARE(c[1].toArray(), (QJsonArray{secilenler[1], 1}));

    // Delivery, cargo type and firm; a note of three lines; send and confirm.
    sayfa->teslimbox->setItemIndex(0);
    sayfa->boxkargo->dugme(0)->click();
    sayfa->kargocombo->setCurrentIndex(2);
    const QString firma = sayfa->kargocombo->currentText();
    QVERIFY(kargo->locate(QStringLiteral("ADI"), firma));
    const int firmaId = kargo->fieldByName(QStringLiteral("SIRANO")).asInteger();
    sayfa->aciklamagir->setPlainText(QStringLiteral("birinci\nikinci\nüçüncü"));
    QString ozet;
    SetSiparisOnayKancasi([&](TONAYSIP &d) {
        ozet = d.Label2->text();
        return int(QDialog::Accepted);
    });
    const int toplamSatir = sepet->recordCount();
    sunucu->reset();
    MesajSinama::Temizle();
    sayfa->Button1Click();
    QVERIFY(ozet.endsWith(QStringLiteral("Açıklama : birinci\r\nikinci\r\nüçüncü")));
    c = cagrilar(QStringLiteral("SiparisKaydet"));
    QCOMPARE(c.size(), 1);
    p = c[0].toArray();
    QCOMPARE(p[1].toInt(), 1001);
    QCOMPARE(p[2].toInt(), sayfa->teslimbox->secenekler()[0].id);
    QCOMPARE(p[3].toInt(), sayfa->boxkargo->secenekler()[0].id);
    QCOMPARE(p[4].toString(), QStringLiteral("birinci\r\nikinci\r\nüçüncü"));
    QCOMPARE(p[5].toInt(), 1);          // _verenid = Sirano
    QCOMPARE(p[6].toInt(), firmaId);    // _kargoyeni = the firm's SIRANO
    QCOMPARE(MesajSinama::Kayitlar().last().metin, QStringLiteral("Siparişiniz Gönderildi !"));
    QCOMPARE(sayfa->aciklamagir->toPlainText(), QString());
    // The basket holds the rest, the order exactly the ticked lines.
    QCOMPARE(sepet->recordCount(), toplamSatir - 2);
    for (int s : secilenler)
        QVERIFY(!sepet->locate(QStringLiteral("SIRANO"), s));
    {
        bagc->Open();
        TServerMethods1Client proxy(*bagc);
        TableReader *onceki = proxy.OncekiSiparisler(1001);
        QVERIFY(onceki && onceki->data.rowCount > 0);
    }
}

// At 1153 screen pixels or more the grid's width is shared out by the columns' weights;
// below it every column takes the width of its content.
void TestSepetSayfasi::genislikKurali()
{
    sayfa->show();
    sayfa->ssepetShow();
    QVERIFY(sepet->recordCount() > 0);
    DataGrid *g = sayfa->cxGrid2;
    auto genislikler = [g] {
        QList<int> l;
        for (int c = 0; c < g->columnCount(); ++c)
            l << (g->isColumnVisible(g->column(c).field) ? g->columnWidth(g->column(c).field) : -1);
        return l;
    };

    sayfa->setEkranGenisligi([] { return 1153; });
    sayfa->SepetKolonlariAyarla();
    int S = 0;
    for (int c = 0; c < g->columnCount(); ++c)
        if (g->isColumnVisible(g->column(c).field) && !g->column(c).fixedWidth)
            S += g->column(c).weight;
    QVERIFY(S > 0);
    const int u = (g->width() - 30) / S;
    for (int c = 0; c < g->columnCount(); ++c) {
        const GridColumn &k = g->column(c);
        if (g->isColumnVisible(k.field) && !k.fixedWidth)
            QCOMPARE(g->columnWidth(k.field), k.weight * u);
    }
    const QList<int> agirlikli = genislikler();

    // 1152: content widths. The description column is as wide as its longest text.
    sayfa->setEkranGenisligi([] { return 1152; });
    sayfa->SepetKolonlariAyarla();
    QVERIFY(genislikler() != agirlikli);
    const QFontMetrics fm(g->view()->font());
    const int ad = sepet->fieldIndex(QStringLiteral("STOKADI"));
    int enUzun = 0;
    for (int r = 0; r < sepet->recordCount(); ++r)
        enUzun = qMax(enUzun, fm.horizontalAdvance(sepet->asString(r, ad)));
    QVERIFY2(g->columnWidth(QStringLiteral("STOKADI")) >= enUzun,
             qPrintable(QStringLiteral("%1 < %2").arg(g->columnWidth(QStringLiteral("STOKADI"))).arg(enUzun)));
    // A resize of the grid applies the rule again.
    sayfa->setEkranGenisligi([] { return 1280; });
    sayfa->resize(sayfa->width() + 100, sayfa->height());
    QTRY_COMPARE(g->columnWidth(QStringLiteral("STOKADI")) % qMax(1, (g->width() - 30) / S), 0);
}

// "Excel Kaydet" writes every basket line to the chosen file (as .xlsx); cancelling
// writes nothing.
void TestSepetSayfasi::excelKaydet()
{
    sayfa->ssepetShow();
    QTemporaryDir dizin;
    const QString secilen = dizin.filePath(QStringLiteral("sepet.xls"));
    SetKaydetDiyalogu([&](QWidget *, const QString &) { return secilen; });
    QTest::mouseClick(sayfa->Button2, Qt::LeftButton);
    SetKaydetDiyalogu({});
    const QString yazilan = dizin.filePath(QStringLiteral("sepet.xlsx"));
    QVERIFY(QFile::exists(yazilan));
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), yazilan, QStringLiteral("xl/sharedStrings.xml")});
    QVERIFY(unzip.waitForFinished(30000));
    const QString metinler = QString::fromUtf8(unzip.readAllStandardOutput());
    const int ad = sepet->fieldIndex(QStringLiteral("STOKADI"));
    for (int r = 0; r < sepet->recordCount(); ++r)
        QVERIFY2(metinler.contains(sepet->asString(r, ad).toHtmlEscaped()), qPrintable(sepet->asString(r, ad)));

    SetKaydetDiyalogu([](QWidget *, const QString &) { return QString(); });
    QFile::remove(yazilan);
    QTest::mouseClick(sayfa->Button2, Qt::LeftButton);
    SetKaydetDiyalogu({});
    QVERIFY(!QFile::exists(yazilan));
    QVERIFY(QDir(dizin.path()).isEmpty());
}

QTEST_MAIN(TestSepetSayfasi)
#include "test_sepetsayfasi.moc"

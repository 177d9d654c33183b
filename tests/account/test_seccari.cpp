// The customer selection against the stand-in server, as the sales representative of
// the demo data ("DEMO-SATICI", customer type 1): the counters on the status buttons,
// the search text that is sent, the status lists, the grid's columns, "Cari
// Bilgileri" following the focused row, choosing (only a CARINO above 0), failures
// that keep what was shown, the money format and the window's place.
#include "seccari.h"

#include "cikis.h"
#include "datagrid.h"
#include "gridmodel.h"
#include "mesajgoster.h"
#include "sayibicimi.h"
#include "servermethods.h"
#include "sonuctablosu.h"
#include "testsunucusu.h"

#include <QAbstractItemView>
#include <QGroupBox>
#include <QHeaderView>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace dorvanto;
using dorvanto::test::TestSunucusu;

namespace {

// The grid's columns as the window shows them at first, and the hidden ones.
const QStringList GorunenKolonlar = {
    "CARIKOD", "CARIADI", "SATICISI", "TLBAKIYE", "DURUM", "SEPET", "ALINDI", "ONAYLANDI", "GORULDU", "HAZIRLANDI",
    "PARCALIHAZIRLANDI",
};
const QStringList GizliKolonlar = {
    "CARINO", "OZELKOD", "KOD1", "KOD2", "KOD3", "KOD4", "KOD5", "TEL1", "TEL2", "ILCE", "IL", "GSM", "YETKILI",
    "INDIRIM", "VADE", "VADEKONTROLGUN", "VADEKONTROLAY", "VERGIDAIRESI", "VERGINO", "ADRES1", "ADRES2", "ANAGRUP",
    "ALTGRUP", "FAX1", "FAX2", "EMAIL",
};

} // namespace

class SeccariTesti : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void sayaclarSunucununDegerleri();
    void sayaclarSifirken();
    void aramaMetni_data();
    void aramaMetni();
    void tumCarilerAramayiTemizler();
    void durumDugmeleri_data();
    void durumDugmeleri();
    void kolonlar();
    void gizliKolonSecicidenAcilir();
    void bilgilerOdakliSatiriIzler();
    void sonucsuzAramaBilgileriGizler();
    void secim_data();
    void secim();
    void hataOncekiniKorur();
    void paraBicimiBolgeAyiraclariyla();
    void pencereYeriVeOdak();
    void acilirMenu();

private:
    std::unique_ptr<Tseccari> Pencere(bool goster = true);
    QJsonArray cagrilar(const QString &yontem);
    QToolButton *Dugme(Tseccari *s, const char *ad);
    QLineEdit *Arama(Tseccari *s) { return s->findChild<QLineEdit *>(QStringLiteral("NEdit1")); }
    QGroupBox *BilgiKutusu(Tseccari *s) { return s->findChild<QGroupBox *>(QStringLiteral("caribilgileri")); }
    QString Deger(Tseccari *s, const QString &etiket)
    {
        auto *l = s->findChild<QLabel *>(QStringLiteral("deger_") + etiket);
        return l ? l->text() : QStringLiteral("<yok>");
    }
    // With DORVANTO_EKRAN_DIZINI set, writes the window at `boyut` as <ad>.png there.
    void ResimKaydet(Tseccari *s, QSize boyut, const char *ad)
    {
        const QString dizin = qEnvironmentVariable("DORVANTO_EKRAN_DIZINI");
        if (dizin.isEmpty())
            return;
        s->resize(boyut);
        QCoreApplication::processEvents();
        QVERIFY(s->grab().save(dizin + QLatin1Char('/') + QLatin1String(ad) + QStringLiteral(".png")));
    }
    int Sutun(Tseccari *s, const char *alan) { return s->CARILER()->fieldIndex(QLatin1String(alan)); }

    std::unique_ptr<TestSunucusu> sunucu;
    std::unique_ptr<ServerConnection> bag;
    TSonucBilgisi bilgi;
    int cikis = 0;
};

void SeccariTesti::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    SetCikisKancasi([this] { ++cikis; });
}

void SeccariTesti::init()
{
    sunucu = std::make_unique<TestSunucusu>();
    QVERIFY2(sunucu->basladi(), qPrintable(sunucu->hata()));
    bag = std::make_unique<ServerConnection>();
    bag->setHostName(sunucu->host());
    bag->setPort(sunucu->port());
    bag->connectTimeoutMs = 2000;
    // The logged-in record of the sales representative, as the login gets it.
    bag->Open();
    {
        TServerMethods1Client c(*bag);
        TSonucBilgisi *b = c.BuyukGetir(QStringLiteral("DEMO-SATICI"));
        QVERIFY(b);
        bilgi = TSonucBilgisi();
        bilgi.Kopyala(*b);
    }
    bag->Close();
    QCOMPARE(bilgi.MusteriTipi(), 1);
    MesajSinama::Ac();
    cikis = 0;
    QVERIFY(sunucu->reset());
}

void SeccariTesti::cleanup()
{
    MesajSinama::Kapat();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    bag.reset();
    sunucu.reset();
}

std::unique_ptr<Tseccari> SeccariTesti::Pencere(bool goster)
{
    auto s = std::make_unique<Tseccari>(*bag, bilgi);
    if (goster) {
        s->show();
        s->activateWindow();
        if (!QTest::qWaitForWindowActive(s.get()))
            qWarning("the window did not become active");
    }
    return s;
}

QJsonArray SeccariTesti::cagrilar(const QString &yontem)
{
    QJsonArray sonuc;
    for (const QJsonValue v : sunucu->calls())
        if (v.toObject().value(QStringLiteral("method")).toString() == yontem)
            sonuc.append(v.toObject().value(QStringLiteral("params")));
    return sonuc;
}

QToolButton *SeccariTesti::Dugme(Tseccari *s, const char *ad)
{
    return s->findChild<QToolButton *>(QLatin1String(ad));
}

// The captions are the server's numbers for this user, asked once each.
void SeccariTesti::sayaclarSunucununDegerleri()
{
    int sepetSayisi = 0;
    TTusSonuclari t;
    bag->Open();
    {
        TServerMethods1Client c(*bag);
        sepetSayisi = c.SepetSayisi(bilgi.Kopya());
        TTusSonuclari *r = c.TusSonuclariVer(bilgi.Kopya());
        QVERIFY(r);
        t.Kopyala(*r);
    }
    bag->Close();
    QVERIFY(sepetSayisi > 0);
    QVERIFY(t.Alindi() + t.Onaylandi() + t.SevkEdildi() > 0);
    QVERIFY(sunucu->reset());

    auto s = Pencere(false);
    for (const char *ad : {"sepettus", "alinditus", "onaylanditus", "goruldutus", "parcalihazirlandi", "hazirlanditus",
                           "sevktus"})
        QVERIFY2(Dugme(s.get(), ad)->text().isEmpty(), ad);
    s->SepetSayisiYaz();
    s->TusSonuclari();
    QCOMPARE(Dugme(s.get(), "sepettus")->text(), QString::number(sepetSayisi));
    QCOMPARE(Dugme(s.get(), "alinditus")->text(), QString::number(t.Alindi()));
    QCOMPARE(Dugme(s.get(), "onaylanditus")->text(), QString::number(t.Onaylandi()));
    QCOMPARE(Dugme(s.get(), "goruldutus")->text(), QString::number(t.Goruldu()));
    QCOMPARE(Dugme(s.get(), "parcalihazirlandi")->text(), QString::number(t.ParcaliHazirlandi()));
    QCOMPARE(Dugme(s.get(), "hazirlanditus")->text(), QString::number(t.Hazirlandi()));
    QCOMPARE(Dugme(s.get(), "sevktus")->text(), QString::number(t.SevkEdildi()));
    QVERIFY(Dugme(s.get(), "sBitBtn2")->text().isEmpty());
    QCOMPARE(cagrilar(QStringLiteral("SepetSayisi")).size(), 1);
    QCOMPARE(cagrilar(QStringLiteral("TusSonuclariVer")).size(), 1);
    // the record is sent as it is: the user's own customer number
    QCOMPARE(cagrilar(QStringLiteral("SepetSayisi")).at(0).toArray().at(0).toObject().value("fields").toObject().value("FCARINO").toInt(),
             bilgi.CARINO());
    QVERIFY(MesajSinama::Kayitlar().isEmpty());
}

// No customer to act for: the basket button stays blank, the six others show "0".
void SeccariTesti::sayaclarSifirken()
{
    bilgi.SetSaticiNo(0);
    bilgi.SetCARINO(987654);
    auto s = Pencere(false);
    Dugme(s.get(), "sepettus")->setText(QStringLiteral("eski"));
    s->SepetSayisiYaz();
    s->TusSonuclari();
    QCOMPARE(Dugme(s.get(), "sepettus")->text(), QString());
    for (const char *ad : {"alinditus", "onaylanditus", "goruldutus", "parcalihazirlandi", "hazirlanditus", "sevktus"})
        QCOMPARE(Dugme(s.get(), ad)->text(), QStringLiteral("0"));
}

void SeccariTesti::aramaMetni_data()
{
    QTest::addColumn<QString>("yazilan");
    QTest::addColumn<QString>("giden");
    QTest::addColumn<bool>("satirVar");
    QTest::newRow("bos") << "" << "" << true;
    QTest::newRow("yalniz bosluk") << "   \t  " << "" << true;
    QTest::newRow("kenar bosluklari") << "  ANKARA \t" << "ANKARA" << true;
    QTest::newRow("noktasiz i") << QString::fromUtf8("KAYSERı") << "KAYSERi" << true;
    QTest::newRow("her noktasiz i") << QString::fromUtf8(" ıIı ") << "iIi" << false;
    QTest::newRow("sonucsuz") << "YOKBOYLEBIRCARI" << "YOKBOYLEBIRCARI" << false;
}

// Enter in the search edit sends the prepared text, then selects the edit's text.
void SeccariTesti::aramaMetni()
{
    QFETCH(QString, yazilan);
    QFETCH(QString, giden);
    QFETCH(bool, satirVar);
    auto s = Pencere();
    QLineEdit *e = Arama(s.get());
    e->setText(yazilan);
    e->setCursorPosition(0);
    QTest::keyClick(e, Qt::Key_Return);
    const QJsonArray c = cagrilar(QStringLiteral("CariAra"));
    QCOMPARE(c.size(), 1);
    QCOMPARE(c.at(0).toArray().at(1).toString(), giden);
    QCOMPARE(s->CARILER()->recordCount() > 0, satirVar);
    QCOMPARE(e->text(), yazilan);
    QCOMPARE(e->selectedText(), yazilan);
    QCOMPARE(QApplication::focusWidget(), e);
    QVERIFY(MesajSinama::Kayitlar().isEmpty());
}

void SeccariTesti::tumCarilerAramayiTemizler()
{
    int hepsi = 0;
    bag->Open();
    {
        TServerMethods1Client c(*bag);
        TableReader *r = c.CariAra(bilgi.Kopya(), QString());
        QVERIFY(r);
        hepsi = r->data.rowCount;
    }
    bag->Close();
    QVERIFY(hepsi > 1);
    QVERIFY(sunucu->reset());

    auto s = Pencere();
    QLineEdit *e = Arama(s.get());
    e->setText(QStringLiteral("ANKARA"));
    QTest::keyClick(e, Qt::Key_Enter);
    const int ankara = s->CARILER()->recordCount();
    QVERIFY(ankara > 0 && ankara < hepsi);
    // the user sorted the grid by the code, descending
    s->Izgara()->view()->horizontalHeader()->setSortIndicator(s->Izgara()->columnIndex(QStringLiteral("CARIKOD")),
                                                                Qt::DescendingOrder);
    Dugme(s.get(), "sBitBtn2")->click();
    QCOMPARE(e->text(), QString());
    const QJsonArray c = cagrilar(QStringLiteral("CariAra"));
    QCOMPARE(c.size(), 2);
    QCOMPARE(c.at(1).toArray().at(1).toString(), QString());
    QCOMPARE(s->CARILER()->recordCount(), hepsi);
    QCOMPARE(s->Izgara()->footerText(QStringLiteral("CARIKOD")), QString::number(hepsi));
    // the first row shown has the focus and fills "Cari Bilgileri"
    const int ilk = s->Izgara()->gridModel()->tableRow(0);
    QCOMPARE(ilk, hepsi - 1);
    QCOMPARE(s->Izgara()->focusedRow(), ilk);
    QVERIFY(BilgiKutusu(s.get())->isVisible());
    QCOMPARE(Deger(s.get(), QStringLiteral("CariKod:")), s->CARILER()->asString(ilk, Sutun(s.get(), "CARIKOD")));
    QCOMPARE(QApplication::focusWidget(), e);
}

void SeccariTesti::durumDugmeleri_data()
{
    QTest::addColumn<QString>("dugme");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("kolon");   // the count column of that status, if the table has one
    QTest::addColumn<bool>("aramayaDoner");
    QTest::newRow("sepet") << "sepettus" << 1 << "SEPET" << true;
    QTest::newRow("alindi") << "alinditus" << 2 << "ALINDI" << false;
    QTest::newRow("onaylandi") << "onaylanditus" << 3 << "ONAYLANDI" << false;
    QTest::newRow("goruldu") << "goruldutus" << 4 << "GORULDU" << false;
    QTest::newRow("parcali") << "parcalihazirlandi" << 5 << "PARCALIHAZIRLANDI" << false;
    QTest::newRow("hazirlandi") << "hazirlanditus" << 6 << "HAZIRLANDI" << false;
    QTest::newRow("sevk") << "sevktus" << 7 << "" << false;
}

// Each button lists the customers of its status, and only those.
void SeccariTesti::durumDugmeleri()
{
    QFETCH(QString, dugme);
    QFETCH(int, n);
    QFETCH(QString, kolon);
    QFETCH(bool, aramayaDoner);
    auto s = Pencere();
    s->TumCariler();
    ResultTable *t = s->CARILER();
    int beklenen = -1;
    if (!kolon.isEmpty()) {
        const int k = t->fieldIndex(kolon);
        QVERIFY(k >= 0);
        beklenen = 0;
        for (int r = 0; r < t->recordCount(); ++r)
            beklenen += t->asInteger(r, k) > 0;
    }
    QVERIFY(sunucu->reset());
    QLineEdit *e = Arama(s.get());
    e->setText(QStringLiteral("ABC"));
    e->deselect();
    s->Izgara()->view()->setFocus();
    Dugme(s.get(), dugme.toLatin1().constData())->click();

    const QJsonArray c = cagrilar(QStringLiteral("CariSepetVer"));
    QCOMPARE(c.size(), 1);
    QCOMPARE(c.at(0).toArray().at(1).toInt(), n);
    QVERIFY(cagrilar(QStringLiteral("CariAra")).isEmpty());
    if (beklenen >= 0) {
        QCOMPARE(t->recordCount(), beklenen);
        const int k = t->fieldIndex(kolon);
        for (int r = 0; r < t->recordCount(); ++r)
            QVERIFY2(t->asInteger(r, k) > 0, qPrintable(t->asString(r, Sutun(s.get(), "CARIKOD"))));
    }
    QCOMPARE(BilgiKutusu(s.get())->isVisible(), t->recordCount() > 0);
    QCOMPARE(s->Izgara()->focusedRow() >= 0, t->recordCount() > 0);
    // the basket list gives the search edit back, the others leave it as it was
    QCOMPARE(e->text(), QStringLiteral("ABC"));
    QCOMPARE(e->selectedText(), aramayaDoner ? QStringLiteral("ABC") : QString());
    QCOMPARE(QApplication::focusWidget() == e, aramayaDoner);
}

void SeccariTesti::kolonlar()
{
    auto s = Pencere();
    auto *g = s->findChild<DataGrid *>(QStringLiteral("cxGrid1"));
    QVERIFY(g);
    QCOMPARE(g, s->Izgara());
    s->TumCariler();
    QTableView *v = g->view();
    QHeaderView *h = v->horizontalHeader();
    QStringList gorunen, gizli;
    for (int vi = 0; vi < h->count(); ++vi) {
        const int c = h->logicalIndex(vi);
        const QString alan = g->column(c).field;
        // captions are the field names
        QCOMPARE(v->model()->headerData(c, Qt::Horizontal).toString(), alan);
        (v->isColumnHidden(c) ? gizli : gorunen) << alan;
        QVERIFY2(g->isColumnOffered(alan), qPrintable(alan));
    }
    QCOMPARE(gorunen, GorunenKolonlar);
    QCOMPARE(gizli, GizliKolonlar);
    QVERIFY(g->footerVisible());
    QCOMPARE(g->footerText(QStringLiteral("CARIKOD")), QString::number(s->CARILER()->recordCount()));
    QVERIFY(!g->groupByBoxVisible());
    QVERIFY(g->incrementalSearch());
    QCOMPARE(v->editTriggers(), QAbstractItemView::NoEditTriggers);
    // every column has at least the width of its caption after the fit
    for (const QString &alan : GorunenKolonlar)
        QVERIFY2(g->columnWidth(alan) >= h->fontMetrics().horizontalAdvance(alan), qPrintable(alan));
    // typing in the grid goes to the first customer whose code starts with it
    const int kod = Sutun(s.get(), "CARIKOD");
    const int son = s->CARILER()->recordCount() - 1;
    const QString hedef = s->CARILER()->asString(son, kod);
    g->focusRow(s->Izgara()->gridModel()->tableRow(0));
    v->setFocus();
    QTest::keyClicks(v, hedef);
    QCOMPARE(s->CARILER()->asString(g->focusedRow(), kod), hedef);
    QCOMPARE(Deger(s.get(), QStringLiteral("CariKod:")), hedef);
    // pictures of the window on a common desktop and on a small laptop screen
    ResimKaydet(s.get(), QSize(1820, 980), "cari-secimi-genis");
    ResimKaydet(s.get(), QSize(1266, 668), "cari-secimi-dar");
}

void SeccariTesti::gizliKolonSecicidenAcilir()
{
    auto s = Pencere();
    s->TumCariler();
    DataGrid *g = s->Izgara();
    QVERIFY(!g->isColumnVisible(QStringLiteral("TEL1")));
    g->showColumnChooser();
    QTRY_VERIFY(g->columnChooser());
    auto *liste = g->columnChooser()->findChild<QListWidget *>(QStringLiteral("kolonListesi"));
    QVERIFY(liste);
    QStringList secenekler;
    for (int i = 0; i < liste->count(); ++i)
        secenekler << liste->item(i)->text();
    QCOMPARE(secenekler, GorunenKolonlar + GizliKolonlar);
    const QList<QListWidgetItem *> tel = liste->findItems(QStringLiteral("TEL1"), Qt::MatchExactly);
    QCOMPARE(tel.size(), 1);
    QCOMPARE(tel.first()->checkState(), Qt::Unchecked);
    tel.first()->setCheckState(Qt::Checked);
    QVERIFY(g->isColumnVisible(QStringLiteral("TEL1")));
    QVERIFY(!g->view()->isColumnHidden(g->columnIndex(QStringLiteral("TEL1"))));
    // a later load keeps the user's choice
    s->TumCariler();
    QVERIFY(g->isColumnVisible(QStringLiteral("TEL1")));
    g->columnChooser()->close();
}

void SeccariTesti::bilgilerOdakliSatiriIzler()
{
    auto s = Pencere();
    s->TumCariler();
    ResultTable *t = s->CARILER();
    DataGrid *g = s->Izgara();
    QVERIFY(t->recordCount() > 3);
    auto satiriDenetle = [&](int r) {
        QCOMPARE(g->focusedRow(), r);
        QCOMPARE(Deger(s.get(), QStringLiteral("CariKod:")), t->asString(r, Sutun(s.get(), "CARIKOD")));
        QCOMPARE(Deger(s.get(), QStringLiteral("Cari Adı:")), t->asString(r, Sutun(s.get(), "CARIADI")));
        QCOMPARE(Deger(s.get(), QStringLiteral("Yetkili:")), t->asString(r, Sutun(s.get(), "YETKILI")));
        QCOMPARE(Deger(s.get(), QStringLiteral("Adres:")),
                 t->asString(r, Sutun(s.get(), "ADRES1")) + "\n" + t->asString(r, Sutun(s.get(), "ADRES2")) + "\n"
                     + t->asString(r, Sutun(s.get(), "ILCE")) + "/" + t->asString(r, Sutun(s.get(), "IL")));
        QCOMPARE(Deger(s.get(), QStringLiteral("Bakiye:")),
                 FormatFloat(QLatin1String(ParaBicimi), t->asFloat(r, Sutun(s.get(), "TLBAKIYE"))) + " "
                     + t->asString(r, Sutun(s.get(), "DURUM")));
    };
    g->focusRow(2);
    satiriDenetle(2);
    // the arrow key moves the focus and the group follows
    g->view()->setFocus();
    const int sonraki = g->gridModel()->tableRow(g->gridModel()->gridRow(2) + 1);
    QTest::keyClick(g->view(), Qt::Key_Down);
    satiriDenetle(sonraki);
    // a mouse click too
    const QModelIndex hucre = g->view()->model()->index(0, g->columnIndex(QStringLiteral("CARIADI")));
    QTest::mouseClick(g->view()->viewport(), Qt::LeftButton, {}, g->view()->visualRect(hucre).center());
    satiriDenetle(g->gridModel()->tableRow(0));
}

// A list without rows hides "Cari Bilgileri", and "Seç" then does nothing.
void SeccariTesti::sonucsuzAramaBilgileriGizler()
{
    auto s = Pencere();
    s->TumCariler();
    QVERIFY(BilgiKutusu(s.get())->isVisible());
    Arama(s.get())->setText(QStringLiteral("YOKBOYLEBIRCARI"));
    s->Ara();
    QCOMPARE(s->CARILER()->recordCount(), 0);
    QCOMPARE(s->Izgara()->focusedRow(), -1);
    QVERIFY(!BilgiKutusu(s.get())->isVisible());
    QCOMPARE(s->Izgara()->footerText(QStringLiteral("CARIKOD")), QStringLiteral("0"));
    const int eskiNo = bilgi.CARINO();
    const QString eskiAdi = bilgi.CariAdi();
    s->findChild<QPushButton *>(QStringLiteral("secbtn"))->click();
    QVERIFY(s->isVisible());
    QCOMPARE(s->result(), int(QDialog::Rejected));
    QCOMPARE(bilgi.CARINO(), eskiNo);
    QCOMPARE(bilgi.CariAdi(), eskiAdi);
}

void SeccariTesti::secim_data()
{
    QTest::addColumn<QString>("yol");
    QTest::newRow("Seç") << "sec";
    QTest::newRow("çift tıklama") << "cift";
    QTest::newRow("Enter") << "enter";
}

// A row whose CARINO is not above 0 cannot be chosen; a proper one writes the record.
void SeccariTesti::secim()
{
    QFETCH(QString, yol);
    auto s = Pencere();
    s->TumCariler();
    ResultTable *t = s->CARILER();
    DataGrid *g = s->Izgara();
    const int no = Sutun(s.get(), "CARINO");
    QVERIFY(t->recordCount() > 3);
    // the server never sends such a row; the table is changed here to have one
    const int sifir = g->gridModel()->tableRow(1);
    t->setValue(sifir, no, 0);
    const int iyi = g->gridModel()->tableRow(3);
    const int carino = t->asInteger(iyi, no);
    QVERIFY(carino > 0 && carino != bilgi.CARINO());
    const QString kod = t->asString(iyi, Sutun(s.get(), "CARIKOD"));
    const QString adi = t->asString(iyi, Sutun(s.get(), "CARIADI"));
    const int eskiNo = bilgi.CARINO();
    const QString eskiAdi = bilgi.CariAdi();

    auto sec = [&](int tabloSatiri) {
        g->focusRow(tabloSatiri);
        if (yol == QLatin1String("sec")) {
            s->findChild<QPushButton *>(QStringLiteral("secbtn"))->click();
        } else if (yol == QLatin1String("cift")) {
            const QModelIndex hucre =
                g->view()->model()->index(g->gridModel()->gridRow(tabloSatiri), g->columnIndex(QStringLiteral("CARIADI")));
            // a user's double click: press and release, then the double-click event
            const QPoint yer = g->view()->visualRect(hucre).center();
            QTest::mouseClick(g->view()->viewport(), Qt::LeftButton, {}, yer);
            QTest::mouseDClick(g->view()->viewport(), Qt::LeftButton, {}, yer);
        } else {
            g->view()->setFocus();
            QTest::keyClick(g->view(), Qt::Key_Return);
        }
    };
    QSignalSpy ciftler(g, &DataGrid::rowDoubleClicked);
    sec(sifir);
    // the attempt reached the window (for the double click: the grid reported it)
    QCOMPARE(ciftler.count(), yol == QLatin1String("cift") ? 1 : 0);
    QCOMPARE(g->focusedRow(), sifir);
    QVERIFY(s->isVisible());
    QCOMPARE(s->result(), int(QDialog::Rejected));
    QCOMPARE(bilgi.CARINO(), eskiNo);
    QCOMPARE(bilgi.CariAdi(), eskiAdi);

    sec(iyi);
    QVERIFY(!s->isVisible());
    QCOMPARE(s->result(), int(QDialog::Accepted));
    QCOMPARE(bilgi.CARINO(), carino);
    QCOMPARE(bilgi.carikod(), kod);
    QCOMPARE(bilgi.CariAdi(), adi);
    QCOMPARE(cikis, 0);
    QVERIFY(MesajSinama::Kayitlar().isEmpty());
}

// A failed call shows the error and leaves the rows and captions as they were.
void SeccariTesti::hataOncekiniKorur()
{
    auto s = Pencere();
    s->SepetSayisiYaz();
    s->TusSonuclari();
    const QString sepet = Dugme(s.get(), "sepettus")->text();
    const QString alindi = Dugme(s.get(), "alinditus")->text();
    QVERIFY(!sepet.isEmpty());
    s->TumCariler();
    const int satir = s->CARILER()->recordCount();
    QVERIFY(satir > 0);
    const QString kod = Deger(s.get(), QStringLiteral("CariKod:"));

    QVERIFY(sunucu->fault(QStringLiteral("CariAra"), QStringLiteral("error")));
    Arama(s.get())->setText(QStringLiteral("ANKARA"));
    s->Ara();
    QCOMPARE(MesajSinama::Kayitlar().size(), 1);
    QVERIFY(MesajSinama::Kayitlar().first().standart);
    QCOMPARE(s->CARILER()->recordCount(), satir);
    QVERIFY(BilgiKutusu(s.get())->isVisible());
    QCOMPARE(Deger(s.get(), QStringLiteral("CariKod:")), kod);

    QVERIFY(sunucu->fault(QStringLiteral("CariSepetVer"), QStringLiteral("drop")));
    Dugme(s.get(), "alinditus")->click();
    QCOMPARE(MesajSinama::Kayitlar().size(), 2);
    QCOMPARE(s->CARILER()->recordCount(), satir);

    QVERIFY(sunucu->fault(QStringLiteral("SepetSayisi"), QStringLiteral("error")));
    QVERIFY(sunucu->fault(QStringLiteral("TusSonuclariVer"), QStringLiteral("garbage")));
    s->SepetSayisiYaz();
    s->TusSonuclari();
    QCOMPARE(MesajSinama::Kayitlar().size(), 4);
    QCOMPARE(Dugme(s.get(), "sepettus")->text(), sepet);
    QCOMPARE(Dugme(s.get(), "alinditus")->text(), alindi);

    // the connection is usable again afterwards: the next search refreshes the rows
    s->Ara();
    QCOMPARE(MesajSinama::Kayitlar().size(), 4);
    QVERIFY(s->CARILER()->recordCount() > 0);
    QVERIFY(s->CARILER()->recordCount() < satir);
    const int ilk = s->Izgara()->gridModel()->tableRow(0);
    QCOMPARE(s->Izgara()->focusedRow(), ilk);
    QCOMPARE(Deger(s.get(), QStringLiteral("CariKod:")), s->CARILER()->asString(ilk, Sutun(s.get(), "CARIKOD")));
}

// Floating-point columns are shown in the money format with the regional separators.
void SeccariTesti::paraBicimiBolgeAyiraclariyla()
{
    const QLocale tr(QLocale::Turkish, QLocale::Turkey);
    QLocale::setDefault(tr);
    auto s = Pencere();
    s->TumCariler();
    ResultTable *t = s->CARILER();
    for (int c = 0; c < t->fieldCount(); ++c)
        if (t->fieldDef(c).type == FieldType::Float)
            QCOMPARE(t->fieldDef(c).displayFormat, QString::fromLatin1(ParaBicimi));
    DataGrid *g = s->Izgara();
    const int bakiye = g->columnIndex(QStringLiteral("TLBAKIYE"));
    const int tb = Sutun(s.get(), "TLBAKIYE");
    const QRegularExpression para(QStringLiteral("^-?\\d{1,3}(\\.\\d{3})*,\\d\\d$"));
    int binlik = 0;
    for (int gr = 0; gr < g->rowCount(); ++gr) {
        const int r = g->gridModel()->tableRow(gr);
        const QString metin = g->view()->model()->index(gr, bakiye).data(Qt::DisplayRole).toString();
        QCOMPARE(metin, FormatFloat(QLatin1String(ParaBicimi), t->asFloat(r, tb), tr));
        QVERIFY2(para.match(metin).hasMatch(), qPrintable(metin));
        binlik += std::abs(t->asFloat(r, tb)) >= 1000;
    }
    QVERIFY(binlik > 0);   // the grouping separator was seen at least once
    // the numbers stand right in their cells
    const int hiza = g->view()->model()->index(0, bakiye).data(Qt::TextAlignmentRole).toInt();
    QVERIFY(hiza & Qt::AlignRight);
}

void SeccariTesti::pencereYeriVeOdak()
{
    auto s = Pencere();
    QCOMPARE(s->windowTitle(), QStringLiteral("Cari Seçimi"));
    // 50 pixels off the work area's left and top edges, 100 smaller than it (not below
    // the window's minimum size, which a very small test screen can be)
    const QRect alan = s->screen()->availableGeometry();
    const QSize enAz = s->minimumSizeHint();
    QCOMPARE(s->geometry(), QRect(alan.left() + 50, alan.top() + 50, std::max(alan.width() - 100, enAz.width()),
                                  std::max(alan.height() - 100, enAz.height())));
    QCOMPARE(QApplication::focusWidget(), Arama(s.get()));
    QCOMPARE(Arama(s.get())->width(), 620);
    QCOMPARE(Dugme(s.get(), "sevktus")->size(), QSize(155, 60));
    QVERIFY(!BilgiKutusu(s.get())->isVisible());
    // typed text is upper case
    QTest::keyClicks(Arama(s.get()), QStringLiteral("ankara"));
    QCOMPARE(Arama(s.get())->text(), QStringLiteral("ANKARA"));
}

void SeccariTesti::acilirMenu()
{
    auto s = Pencere(false);
    QStringList ogeler;
    for (QAction *a : s->Popup()->actions())
        ogeler << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(ogeler, (QStringList{"Cari Özeti Göster", "-", "Bakiyelerini Göster", "-",
                                  "Cari Alış Satış Tablosu (Satıcılı)", "Cari Toplu Alacak Vadeleri"}));
    QCOMPARE(s->Izgara()->view()->contextMenuPolicy(), Qt::CustomContextMenu);
}

QTEST_MAIN(SeccariTesti)
#include "test_seccari.moc"

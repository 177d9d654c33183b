#include "transfernesneleri.h"

#include <QJsonDocument>
#include <QtTest>

using namespace dorvanto;

namespace {
QByteArray J(const char *s) { return QByteArray(s).replace(char(39), char(34)); }

template <class T> QByteArray metni(const T &n)
{
    QByteArray o;
    n.JsonYaz(o, 1);
    return o;
}

template <class T> std::unique_ptr<T> metindenOku(const QByteArray &metin)
{
    const QJsonDocument d = QJsonDocument::fromJson(metin);
    if (!d.isObject())
        throw TransferError(QStringLiteral("JSON değil"));
    return T::JsondanOku(QJsonValue(d.object()));
}

TSonucBilgisi doluKayit()
{
    TSonucBilgisi s;
    s.SetBILGISAYARID("PC-1");
    s.SetSaticiMail("satis@example.com");
    s.SetSirano(11);
    s.SetCariAdi("Öz Oto Yedek Parça");
    s.SetSIFRE("gizli");
    s.SetSaticiNo(3);
    s.SetCARINO(1200);
    s.SetAKTIF(1);
    s.SetKullanicimail("k@example.com");
    s.SetADI("ayşe");
    s.SetSaticiTelefon("0212");
    s.Setcarikod("120.01");
    s.SetVarmi(true);
    s.SetSaticiAdi("Mehmet");
    s.SetBilgiSayarAdi("MAGAZA");
    s.SetDisip("203.0.113.5");
    s.SetIcip("10.0.0.2");
    s.SetBilgisayarKullanici("kasa");
    s.SetMusteriTipi(2);
    s.SetVersion(4);
    return s;
}
} // namespace

class TestTransferNesneleri : public QObject {
    Q_OBJECT
private slots:
    void sonucBilgisiDefaults()
    {
        TSonucBilgisi s;
        QCOMPARE(s.MusteriTipi(), 1);
        QCOMPARE(s.Version(), 1);
        QCOMPARE(s.CARINO(), 0);
        QVERIFY(!s.Varmi());
        QVERIFY(s.ADI().isEmpty());
    }

    void mobilStokDefaults()
    {
        TMobilStok m;
        QCOMPARE(m.Birim(), QString("ADET"));
        QCOMPARE(m.KDV(), 20.0);
        QCOMPARE(m.Fiyat(), 0.0);
        QVERIFY(m.Adi().isEmpty());
    }

    void otherDefaults()
    {
        QCOMPARE(TTusSonuclari().Goruldu(), 0);
        QVERIFY(TSiparisDipAyrinti().SaticiNotu().isEmpty());
        QCOMPARE(TMobilCariBilgisi().TLBAKIYE(), 0.0);
        QCOMPARE(TMobilSepet().SIRANO(), 0);
        QCOMPARE(TAcilisEkran().SiraNo(), 0);
        QVERIFY(TAcilisEkranlariki().Ekranlar().isEmpty());
    }

    void kopyalaCopiesEveryField()
    {
        const TSonucBilgisi kaynak = doluKayit();
        TSonucBilgisi hedef;
        hedef.Kopyala(kaynak);
        QCOMPARE(metni(hedef), metni(kaynak));
        const auto kopya = kaynak.Kopya();
        QCOMPARE(metni(*kopya), metni(kaynak));
    }

    void mobilStokKopyalaLeavesCodes()
    {
        TMobilStok kaynak;
        kaynak.SetStokNo(5);
        kaynak.SetAdi("Fren balatası");
        kaynak.SetFiyat(12.5);
        kaynak.SetPKod("KAYNAK-P");
        kaynak.SetDpKod("KAYNAK-DP");
        kaynak.SetBirim("TAKIM");
        TMobilStok hedef;
        hedef.SetPKod("HEDEF-P");
        hedef.SetDpKod("HEDEF-DP");
        hedef.Kopyala(kaynak);
        QCOMPARE(hedef.StokNo(), 5);
        QCOMPARE(hedef.Adi(), QString("Fren balatası"));
        QCOMPARE(hedef.Fiyat(), 12.5);
        QCOMPARE(hedef.Birim(), QString("TAKIM"));
        QCOMPARE(hedef.PKod(), QString("HEDEF-P"));
        QCOMPARE(hedef.DpKod(), QString("HEDEF-DP"));
    }

    void wireOrderAndEmptyStrings()
    {
        const QByteArray m = metni(TSonucBilgisi());
        QVERIFY(m.startsWith(J("{'type':'baglantiu.TSonucBilgisi','id':1,'fields':{'FBILGISAYARID':'',"
                               "'FSaticiMail':'','FSirano':0,'FCariAdi':'','FSIFRE':'','FSaticiNo':0,'FCARINO':0,")));
        QVERIFY(!m.contains("null"));
        QVERIFY(m.endsWith(J("'FMusteriTipi':1,'FVersion':1}}")));
        // declaration order of the fields, not sorted
        QVERIFY(m.indexOf("FVarmi") < m.indexOf("FSaticiAdi"));
    }

    void roundTrip()
    {
        const TSonucBilgisi s = doluKayit();
        QCOMPARE(metni(*metindenOku<TSonucBilgisi>(metni(s))), metni(s));

        TMobilSepet sepet;
        sepet.SetTARIH(45000.5);
        sepet.SetSTOKADI("Yağ \"filtresi\"\n");
        sepet.SetTUTAR(-0.1);
        QCOMPARE(metni(*metindenOku<TMobilSepet>(metni(sepet))), metni(sepet));

        TAcilisEkranlariki ekranlar;
        TAcilisEkran e;
        e.SetSiraNo(2);
        e.SetArama("#KAMPANYA#");
        ekranlar.SetEkranlar({e, TAcilisEkran()});
        const auto geri = metindenOku<TAcilisEkranlariki>(metni(ekranlar));
        QCOMPARE(geri->Ekranlar().size(), 2);
        QCOMPARE(geri->Ekranlar()[0].Arama(), QString("#KAMPANYA#"));
        QCOMPARE(metni(*geri), metni(ekranlar));
    }

    void missingFieldsKeepDefaults()
    {
        const auto s = metindenOku<TSonucBilgisi>(J("{'type':'baglantiu.TSonucBilgisi','id':1,'fields':{'FADI':'x'}}"));
        QCOMPARE(s->ADI(), QString("x"));
        QCOMPARE(s->MusteriTipi(), 1);
        QCOMPARE(s->Version(), 1);
        const auto m = metindenOku<TMobilStok>(J("{'type':'mobilstokunit.TMobilStok','id':1}"));
        QCOMPARE(m->Birim(), QString("ADET"));
        QCOMPARE(m->KDV(), 20.0);
    }

    void nullGivesNoObject() { QVERIFY(!TSonucBilgisi::JsondanOku(QJsonValue(QJsonValue::Null))); }

    void rejected_data()
    {
        QTest::addColumn<QByteArray>("metin");
        QTest::newRow("wrong type") << J("{'type':'baglantiu.TTusSonuclari','id':1,'fields':{}}");
        QTest::newRow("no type") << J("{'id':1,'fields':{}}");
        QTest::newRow("string for int") << J("{'type':'baglantiu.TSonucBilgisi','id':1,'fields':{'FCARINO':'5'}}");
        QTest::newRow("fraction for int") << J("{'type':'baglantiu.TSonucBilgisi','id':1,'fields':{'FCARINO':1.5}}");
        QTest::newRow("number for bool") << J("{'type':'baglantiu.TSonucBilgisi','id':1,'fields':{'FVarmi':1}}");
        QTest::newRow("number for string") << J("{'type':'baglantiu.TSonucBilgisi','id':1,'fields':{'FADI':5}}");
        QTest::newRow("fields not object") << J("{'type':'baglantiu.TSonucBilgisi','id':1,'fields':[]}");
    }
    void rejected()
    {
        QFETCH(QByteArray, metin);
        QVERIFY_THROWS_EXCEPTION(TransferError, metindenOku<TSonucBilgisi>(metin));
    }
};

QTEST_GUILESS_MAIN(TestTransferNesneleri)
#include "test_transfernesneleri.moc"

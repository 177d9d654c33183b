// The add-to-basket dialog on its own: what it shows for each source, its totals, its
// keys and its results. No server: the photo address points nowhere.
#include "adresler.h"
#include "asyncresim.h"
#include "mesajgoster.h"
#include "sonuctablosu.h"
#include "stokayarinti.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using namespace dorvanto;

namespace {

TableData stokSatiri(int k, double kdvDahil = 118.0)
{
    TableData t;
    const QList<QPair<QString, FieldType>> alanlar = {
        {"STOK_STOKNO", FieldType::Int}, {"BARKOD", FieldType::String}, {"ADI", FieldType::String},
        {"MARKA", FieldType::String},    {"FINISHKOD", FieldType::String}, {"MODEL", FieldType::String},
        {"FIYAT", FieldType::Float},     {"NETFIYAT", FieldType::Float}, {"KDVDAHIL", FieldType::Float},
        {"KDV", FieldType::Float},       {"INDIRIMYAZI", FieldType::String}, {"K", FieldType::Int}};
    for (const auto &a : alanlar)
        t.addColumn(FieldDef(a.first, a.second));
    const int r = t.appendRow();
    const QVariantList v = {1042, "AB-1200", QString::fromUtf8("FREN BALATASI"), "BOSCH", "FK-9", "CORSA",
                            150.0, 100.0, kdvDahil, 18.0, "25", k};
    for (int c = 0; c < v.size(); ++c)
        t.set(r, c, v[c]);
    return t;
}

TableData sepetTablosu(double miktar)
{
    TableData t;
    const QList<QPair<QString, FieldType>> alanlar = {
        {"SIRANO", FieldType::Int},      {"STOKNO", FieldType::Int},   {"BARKOD", FieldType::String},
        {"STOKADI", FieldType::String},  {"MARKA", FieldType::String}, {"FINISHKOD", FieldType::String},
        {"MODEL", FieldType::String},    {"BIRIMFIYAT", FieldType::Float}, {"NETBIRIMFIYAT", FieldType::Float},
        {"KDV", FieldType::Float},       {"MIKTAR", FieldType::Float}};
    for (const auto &a : alanlar)
        t.addColumn(FieldDef(a.first, a.second));
    const int r = t.appendRow();
    const QVariantList v = {7, 2001, "XY-1", "YAG FILTRESI", "MANN", "F1", "ASTRA", 50.0, 33.33, 18.0, miktar};
    for (int c = 0; c < v.size(); ++c)
        t.set(r, c, v[c]);
    return t;
}

} // namespace

class TestStokAyrinti : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        SetResimTabanAdresi("http://127.0.0.1:1/resimgoster.ashx?id=");
        MesajSinama::Ac();
    }
    void init() { MesajSinama::Temizle(); }

    void kontroller()
    {
        Tstokayarinti d(nullptr, 5);
        QCOMPARE(d.windowTitle(), QString("Sepete Ekle"));
        for (const char *ad : {"barkod", "adi", "finishkod", "marka", "model", "AsyncResim1", "adet", "Label2",
                               "indirimoran", "birimfiyat", "indtutar", "kdvdahiltutar", "geneltutar",
                               "ParcaliTus1", "ParcaliTus2"})
            QVERIFY2(d.findChild<QWidget *>(ad), ad);
        QCOMPARE(d.adet->minimum(), 1);
        QCOMPARE(d.adet->maximum(), 10000);
        QCOMPARE(d.adet->value(), 1);
        QCOMPARE(d.ParcaliTus1->text(), QString::fromUtf8("Sipariş ekle"));
        QCOMPARE(d.ParcaliTus2->text(), QString::fromUtf8("Vazgeç"));
        QCOMPARE(d.Label2->text(), QString("Fiyat:"));
        QCOMPARE(d.indirimoran->text(), QString::fromUtf8("İndirim:"));
    }

    void kaynagaGore_data()
    {
        QTest::addColumn<int>("kaynak");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("tip");
        QTest::addColumn<QString>("fiyatEtiketi");
        QTest::addColumn<QString>("indirim");
        QTest::addColumn<QString>("kdvDahil");
        QTest::addColumn<bool>("duzenlenir");
        QTest::newRow("stock type 1") << int(Kaynak::StokListesi) << 0 << 1 << "Fiyat:"
                                      << QString::fromUtf8("İndirim: %25") << "118.01" << true;
        QTest::newRow("stock type 3") << int(Kaynak::StokListesi) << 0 << 3 << "Fiyat:"
                                      << QString::fromUtf8("İndirim: %25") << "118.01" << false;
        QTest::newRow("stock campaign") << int(Kaynak::StokListesi) << 1 << 3
                                        << QString::fromUtf8("Kampanyalı Fiyat:")
                                        << QString::fromUtf8("Kampanyalı 25") << "118.01" << false;
        QTest::newRow("new products client tax") << int(Kaynak::YeniStoklar) << 0 << 2 << "Fiyat:"
                                                 << QString::fromUtf8("İndirim:  % 25") << "118.00" << true;
        QTest::newRow("campaign list type 1") << int(Kaynak::KampanyaListesi) << 0 << 1
                                              << QString::fromUtf8("Kampanyalı Fiyat:")
                                              << QString::fromUtf8("Kampanyalı 25") << "118.01" << false;
    }
    void kaynagaGore()
    {
        QFETCH(int, kaynak);
        QFETCH(int, k);
        QFETCH(int, tip);
        QFETCH(QString, fiyatEtiketi);
        QFETCH(QString, indirim);
        QFETCH(QString, kdvDahil);
        QFETCH(bool, duzenlenir);
        ResultTable t;
        t.loadFromPacket(stokSatiri(k, 118.01));
        Tstokayarinti d(nullptr, 1042);
        d.Doldur(t, 0, Kaynak(kaynak), tip);
        QCOMPARE(d.barkod->text(), QString("AB-1200"));
        QCOMPARE(d.adi->text(), QString::fromUtf8("FREN BALATASI"));
        QCOMPARE(d.marka->text(), QString("BOSCH"));
        QCOMPARE(d.finishkod->text(), QString("FK-9"));
        QCOMPARE(d.model->text(), QString("CORSA"));
        QCOMPARE(d.birimfiyat->text(), QString("150.00"));
        QCOMPARE(d.indtutar->text(), QString("100.00"));
        QCOMPARE(d.kdvdahiltutar->text(), kdvDahil);
        QCOMPARE(d.Label2->text(), fiyatEtiketi);
        QCOMPARE(d.indirimoran->text(), indirim);
        QCOMPARE(!d.birimfiyat->isReadOnly(), duzenlenir);
        QVERIFY(d.indtutar->isReadOnly());
        QVERIFY(d.kdvdahiltutar->isReadOnly());
        QVERIFY(d.geneltutar->isReadOnly());
        // The first total starts from the server's tax-inclusive price...
        d.show();
        QCOMPARE(d.geneltutar->text(), QString("118.01"));
        // ...a quantity change from the field's value.
        d.adet->setValue(2);
        QCOMPARE(d.geneltutar->text(), kdvDahil == "118.00" ? QString("236.00") : QString("236.02"));
    }

    void miktarDegisince()
    {
        ResultTable t;
        t.loadFromPacket(stokSatiri(0, 118.0));
        Tstokayarinti d(nullptr, 1042);
        d.Doldur(t, 0, Kaynak::StokListesi, 3);
        d.show();
        QCOMPARE(d.geneltutar->text(), QString("118.00"));
        d.adet->setValue(4);
        QCOMPARE(d.geneltutar->text(), QString("472.00"));
        // Typing in the box: select all, type 10.
        d.adet->setFocus();
        d.adet->selectAll();
        QTest::keyClicks(d.adet, "10");
        QCOMPARE(d.adet->text(), QString("10"));
        QCOMPARE(d.geneltutar->text(), QString("1,180.00"));
    }

    void birimFiyatDuzenlemesiToplamiDegistirmez()
    {
        ResultTable t;
        t.loadFromPacket(stokSatiri(0, 118.0));
        Tstokayarinti d(nullptr, 1042);
        d.Doldur(t, 0, Kaynak::StokListesi, 1);
        d.show();
        QVERIFY(!d.birimfiyat->isReadOnly());
        d.birimfiyat->setFocus();
        d.birimfiyat->selectAll();
        QTest::keyClicks(d.birimfiyat, "99");
        QTest::keyClick(d.birimfiyat, Qt::Key_Return);  // consumed: the dialog stays open
        QVERIFY(d.isVisible());
        QCOMPARE(d.result(), 0);
        QCOMPARE(d.birimfiyat->deger(), 99.0);
        QCOMPARE(d.kdvdahiltutar->text(), QString("118.00"));
        QCOMPARE(d.geneltutar->text(), QString("118.00"));
    }

    void sepetSatiri()
    {
        ResultTable t;
        t.loadFromPacket(sepetTablosu(3));
        Tstokayarinti d(nullptr, 2001);
        d.Doldur(t, 0, Kaynak::SepetSatiri, 1);
        d.show();
        QCOMPARE(d.adet->value(), 3);
        QCOMPARE(d.adi->text(), QString("YAG FILTRESI"));
        QVERIFY(d.birimfiyat->isReadOnly());
        QCOMPARE(d.kdvdahiltutar->text(), QString("39.33"));
        QCOMPARE(d.geneltutar->text(), QString("117.99"));
    }

    void enterHemenOnaylar()
    {
        ResultTable t;
        t.loadFromPacket(stokSatiri(0));
        Tstokayarinti d(nullptr, 1042);
        d.Doldur(t, 0, Kaynak::StokListesi, 3);
        QTimer::singleShot(0, &d, [&d] { QTest::keyClick(d.adet->findChild<QLineEdit *>(), Qt::Key_Return); });
        QCOMPARE(d.exec(), int(QDialog::Accepted));
        double m = 0;
        QVERIFY(d.Miktar(m));
        QCOMPARE(m, 1.0);
    }

    void escapeHicbirSeyYapmaz()
    {
        Tstokayarinti d(nullptr, 1);
        QTimer::singleShot(0, &d, [&d] {
            QTest::keyClick(&d, Qt::Key_Escape);
            QTest::keyClick(d.adet->findChild<QLineEdit *>(), Qt::Key_Escape);
            QVERIFY(d.isVisible());
            d.ParcaliTus2->click();
        });
        QCOMPARE(d.exec(), int(QDialog::Rejected));
    }

    void kapatmaVazgecer()
    {
        Tstokayarinti d(nullptr, 1);
        QTimer::singleShot(0, &d, [&d] { d.close(); });
        QCOMPARE(d.exec(), int(QDialog::Rejected));
    }

    void bosAdetOnaylanmaz()
    {
        Tstokayarinti d(nullptr, 1);
        QTimer::singleShot(0, &d, [&d] {
            d.adet->findChild<QLineEdit *>()->clear();
            d.ParcaliTus1->click();   // refused with a warning, the dialog stays
            QVERIFY(d.isVisible());
            d.ParcaliTus2->click();
        });
        QCOMPARE(d.exec(), int(QDialog::Rejected));
        const auto k = MesajSinama::Kayitlar();
        QCOMPARE(k.size(), 1);
        QCOMPARE(k[0].metin, QString::fromUtf8(AdetGirinizMesaji));
        QCOMPARE(k[0].tur, int(mtUyari));
    }

    void resimAdresiEtkinlesinceKurulur()
    {
        Tstokayarinti d(nullptr, 1042);
        QVERIFY(d.AsyncResim1->Url().isEmpty());
        d.show();
        QTRY_COMPARE(d.AsyncResim1->Url(), QString("http://127.0.0.1:1/resimgoster.ashx?id=1042"));
    }
};

QTEST_MAIN(TestStokAyrinti)
#include "test_stokayarinti.moc"

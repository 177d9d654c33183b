// The price block of the stock grid's narrow layout: the font it is drawn in and the
// painted cells themselves, 150 pixels wide and 100 high, in several grid fonts: the
// lines stay whole inside the cell and its 10-pixel margins, right-aligned, and a
// block of ordinary amounts is not wrapped.
#include "baglanti.h"
#include "datagrid.h"
#include "fiyatsunumu.h"
#include "gorunum.h"
#include "sepetislemleri.h"
#include "sonuctablosu.h"
#include "stokkolonlari.h"
#include "stoklistesi.h"
#include "transfernesneleri.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <QtTest>

#include <optional>

using namespace dorvanto;

namespace {

const QSize Hucre(DarFiyatBilgisiGenisligi, DarSatirYuksekligi);

QFont yazi(const QString &aile, double punto, bool kalin)
{
    QFont f(aile);
    f.setPointSizeF(punto);
    f.setBold(kalin);
    return f;
}

QString blok(std::optional<double> liste, std::optional<double> kamp, std::optional<double> net,
             std::optional<double> kdvli)
{
    return FiyatBilgisiMetni(liste, kamp, net, kdvli, QLocale::c());
}

QString satirlar(QString s)
{
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (s.endsWith(u'\n'))
        s.chop(1);
    return s;
}

// Bands of rows holding text pixels in `r` of `im` (text lines as painted).
struct Murekkep {
    QRect kutu;      // bounding box of the text pixels
    int satir = 0;   // bands of text rows separated by empty rows
};

Murekkep murekkep(const QImage &im, const QRect &r, const QColor &zemin)
{
    Murekkep m;
    bool oncekiDolu = false;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        bool dolu = false;
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = im.pixelColor(x, y);
            // text is dark; the cell's background and anti-aliasing fringes are light
            if (qGray(c.rgb()) < qGray(zemin.rgb()) - 90) {
                dolu = true;
                m.kutu = m.kutu.isNull() ? QRect(x, y, 1, 1) : m.kutu.united(QRect(x, y, 1, 1));
            }
        }
        if (dolu && !oncekiDolu)
            ++m.satir;
        oncekiDolu = dolu;
    }
    return m;
}

} // namespace

class TestFiyatBilgisi : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // the program's look: Tahoma stands in as the condensed DejaVu face here
        GorunumUygula(*qApp);
        QVERIFY(QFontDatabase::families().contains(QStringLiteral("DejaVu Sans")));
    }

    void blokYazisi_data()
    {
        QTest::addColumn<QFont>("taban");
        QTest::newRow("main window: Tahoma 10 bold") << yazi("Tahoma", 10, true);
        QTest::newRow("DejaVu Sans 9") << yazi("DejaVu Sans", 9, false);
        QTest::newRow("DejaVu Sans 12 bold") << yazi("DejaVu Sans", 12, true);
        QTest::newRow("DejaVu Serif 11") << yazi("DejaVu Serif", 11, false);
        QFont piksel(QStringLiteral("DejaVu Sans"));
        piksel.setPixelSize(16);
        QTest::newRow("pixel-sized 16 px") << piksel;
    }
    void blokYazisi()
    {
        QFETCH(QFont, taban);
        const int en = Hucre.width() - 2 * FiyatBilgisiKenarBosluk;
        const QString olagan = blok(2639.63, 0.0, 1781.75, 2102.47);
        const QString besHane = blok(99999.99, 0.0, 88888.88, 99999.99);
        const QStringList bloklar{olagan, besHane, blok(2639.63, 2227.2, 1781.75, 2102.47),
                                  blok(98765.43, 87654.32, 76543.21, 99999.99),
                                  blok(12345678.9, 11111111.11, 10000000.0, 11800000.0),
                                  blok(std::nullopt, std::nullopt, std::nullopt, std::nullopt)};
        for (const QString &b : bloklar) {
            const QFont f = FiyatBilgisiYazisi(taban, b, Hucre);
            QCOMPARE(f.family(), taban.family());
            QCOMPARE(f.bold(), taban.bold());
            if (taban.pointSizeF() > 0)
                QVERIFY(f.pointSizeF() <= taban.pointSizeF() && f.pointSizeF() >= 6);
            else
                QVERIFY(f.pixelSize() <= taban.pixelSize() && f.pixelSize() >= 8);
            // wrapped as it is drawn, the block fits the cell inside its margins
            const QRect r = QFontMetrics(f).boundingRect(QRect(0, 0, en, 100000), FiyatBilgisiHizasi, satirlar(b));
            QVERIFY2(r.width() <= en && r.height() <= Hucre.height() - 2,
                     qPrintable(QStringLiteral("%1: %2x%3").arg(satirlar(b)).arg(r.width()).arg(r.height())));
        }
        // ordinary and five-digit amounts: no line of a block without campaign wraps
        for (const QString &b : {olagan, besHane}) {
            const QFontMetrics m(FiyatBilgisiYazisi(taban, b, Hucre));
            for (const QString &s : satirlar(b).split(u'\n'))
                QVERIFY2(m.horizontalAdvance(s) <= en, qPrintable(s));
        }
        // every block of ordinary amounts gets the same size
        QCOMPARE(FiyatBilgisiYazisi(taban, olagan, Hucre), FiyatBilgisiYazisi(taban, besHane, Hucre));
    }

    void kucukYaziAynenKalir()
    {
        // a font in which the block already fits is used as it is
        const QFont f = yazi("DejaVu Sans", 6.5, false);
        QCOMPARE(FiyatBilgisiYazisi(f, blok(2639.63, 2227.2, 1781.75, 2102.47), Hucre), f);
    }

    void enKucukBoyuttaDurur()
    {
        // a cell far too low: the smallest size, not less, and no endless loop
        const QFont f = FiyatBilgisiYazisi(yazi("DejaVu Sans", 10, false), blok(2639.63, 2227.2, 1781.75, 2102.47),
                                           QSize(150, 20));
        QCOMPARE(f.pointSizeF(), 6.0);
        // no room at all between the margins: the grid's font stays
        const QFont taban = yazi("DejaVu Sans", 10, false);
        QCOMPARE(FiyatBilgisiYazisi(taban, blok(1, 0.0, 1, 1), QSize(20, 100)), taban);
    }

    // The painted cells of a grid in the narrow layout.
    void boyananHucreler_data()
    {
        QTest::addColumn<QFont>("pencereYazisi");
        QTest::newRow("main window: Tahoma 10 bold") << yazi("Tahoma", 10, true);
        QTest::newRow("DejaVu Sans 9") << yazi("DejaVu Sans", 9, false);
        QTest::newRow("DejaVu Sans 12 bold") << yazi("DejaVu Sans", 12, true);
    }
    void boyananHucreler()
    {
        QFETCH(QFont, pencereYazisi);
        struct Fiyat {
            std::optional<double> liste, kamp, net, kdvli;
            int satirMin, satirMax;   // expected text lines as painted
        };
        const std::vector<Fiyat> fiyatlar = {
            {2639.63, 0.0, 1781.75, 2102.47, 3, 3},
            {758.07, 644.36, 644.36, 773.23, 4, 5},       // the campaign line may wrap after its label
            {99999.99, 0.0, 88888.88, 99999.99, 3, 3},
            {12345678.9, 11111111.11, 10000000.0, 11800000.0, 4, 8},
            {std::nullopt, std::nullopt, std::nullopt, std::nullopt, 3, 3},
        };
        TableData d;
        d.addColumn(FieldDef(QStringLiteral("STOK_STOKNO"), FieldType::Int));
        for (const char *a : {"LISTEFIYAT1", "KAMPFIYAT", "NETFIYAT", "KDVDAHIL", "IND1"})
            d.addColumn(FieldDef(QLatin1String(a), FieldType::Float));
        for (int i = 0; i < int(fiyatlar.size()); ++i) {
            const int r = d.appendRow();
            d.set(r, 0, i + 1);
            const Fiyat &f = fiyatlar[size_t(i)];
            int c = 1;
            for (const std::optional<double> &v : {f.liste, f.kamp, f.net, f.kdvli}) {
                if (v)
                    d.set(r, c, *v);
                ++c;
            }
            d.set(r, 5, 0.0);
        }
        ResultTable stok, sepet;
        stok.assign(std::move(d));
        ServerConnection bagc;
        TSonucBilgisi sbilgi;
        SepetIslemleri sepetIs(bagc, sbilgi, sepet);
        QWidget ana;
        ana.setFont(pencereYazisi);
        auto *l = new QVBoxLayout(&ana);
        auto *araedit = new QLineEdit(&ana);
        auto *sayfalar = new QTabWidget(&ana);
        auto *sayfaW = new QWidget;
        sayfalar->addTab(sayfaW, QStringLiteral("Stok Listesi"));
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
        ana.resize(1100, 700);
        ana.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ana));
        s.StokKolonlariAyarla();
        QVERIFY(!s.genisDuzen());
        DataGrid *g = s.grid();
        QTableView *v = g->view();
        QCOMPARE(g->columnWidth(QLatin1String(FiyatBilgisiKolonu)), 150);
        QCoreApplication::processEvents();
        const int sutun = g->columnIndex(QLatin1String(FiyatBilgisiKolonu));
        QVERIFY(sutun >= 0);

        for (int r = 0; r < int(fiyatlar.size()); ++r) {
            v->scrollTo(v->model()->index(r, sutun));
            QCoreApplication::processEvents();
            const QImage im = v->viewport()->grab().toImage();
            const QRect hucre = v->visualRect(v->model()->index(r, sutun));
            const QString ad = QStringLiteral("row %1").arg(r);
            // the cell lies in view
            QVERIFY2(hucre.left() >= 0 && hucre.right() < im.width(), qPrintable(ad));
            QVERIFY2(hucre.top() >= 0 && hucre.bottom() < im.height(), qPrintable(ad));
            const QColor zemin = FiyatHucreRengi(r, v->selectionModel()->isRowSelected(r, QModelIndex()));
            QVERIFY2(im.pixelColor(hucre.left() + 2, hucre.top() + 2) == zemin,
                     qPrintable(ad + " " + im.pixelColor(hucre.left() + 2, hucre.top() + 2).name() + " " + zemin.name()));
            const Murekkep m = murekkep(im, hucre.adjusted(0, 0, -1, -1), zemin);
            QVERIFY2(!m.kutu.isNull(), qPrintable(ad + " has no text"));
            // inside the margins, right-aligned on the right one, clear of top and bottom
            QVERIFY2(m.kutu.left() >= hucre.left() + FiyatBilgisiKenarBosluk, qPrintable(ad));
            QVERIFY2(m.kutu.right() <= hucre.right() - FiyatBilgisiKenarBosluk, qPrintable(ad));
            QVERIFY2(m.kutu.right() >= hucre.right() - FiyatBilgisiKenarBosluk - 4, qPrintable(ad));
            QVERIFY2(m.kutu.top() > hucre.top() + 1 && m.kutu.bottom() < hucre.bottom() - 1,
                     qPrintable(QStringLiteral("%1: text %2..%3 in cell %4..%5")
                                    .arg(ad)
                                    .arg(m.kutu.top())
                                    .arg(m.kutu.bottom())
                                    .arg(hucre.top())
                                    .arg(hucre.bottom())));
            // vertically centred (within a line's leading)
            const int ust = m.kutu.top() - hucre.top(), alt = hucre.bottom() - m.kutu.bottom();
            QVERIFY2(qAbs(ust - alt) <= 8, qPrintable(QStringLiteral("%1: %2 above, %3 below").arg(ad).arg(ust).arg(alt)));
            const Fiyat &f = fiyatlar[size_t(r)];
            QVERIFY2(m.satir >= f.satirMin && m.satir <= f.satirMax,
                     qPrintable(QStringLiteral("%1: %2 lines").arg(ad).arg(m.satir)));
        }
    }
};

QTEST_MAIN(TestFiyatBilgisi)
#include "test_fiyatbilgisi.moc"

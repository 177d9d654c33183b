#include "belgeler.h"

#include "ortak.h"
#include "pdfyazici.h"

namespace dorvanto::appserver {

namespace {
QString tarihYazisi(double gun) { return GundenTarih(gun).toString(QStringLiteral("dd.MM.yyyy")); }

void baslik(PdfBelge &pdf, const QString &ust, const QString &alt)
{
    pdf.yazi(50, 790, 18, QStringLiteral("DORVANTO OTOMOTİV"), true);
    pdf.yazi(50, 770, 13, ust, true);
    pdf.yazi(50, 752, 10, alt);
    pdf.cizgi(50, 745, 545, 745);
}

struct SatirYazici {
    PdfBelge &pdf;
    double y = 725;
    void gerekirseSayfa()
    {
        if (y < 60) {
            pdf.yeniSayfa();
            y = 800;
        }
    }
};
} // namespace

QByteArray SanalPosMakbuzu(Vt &vt, int sirano)
{
    if (sirano <= 0)
        return {};
    auto k = vt.hazirla("SELECT h.tarih, h.saat, h.evrak, h.alacak, h.cins, c.carikod, c.cariadi, h.idno FROM hareket h"
                        " JOIN cari c ON c.carino=h.carino WHERE h.sanalpos=?");
    k.bagla(1, sirano);
    if (!k.adim())
        return {};
    PdfBelge pdf;
    baslik(pdf, QStringLiteral("Sanal POS Tahsilat Makbuzu"), QStringLiteral("Makbuz No: %1").arg(sirano));
    double y = 715;
    auto satir = [&](const QString &a, const QString &b) {
        pdf.yazi(60, y, 11, a, true);
        pdf.yazi(200, y, 11, b);
        y -= 20;
    };
    satir(QStringLiteral("Tarih:"), tarihYazisi(k.reel(0)) + u' ' + k.metin(1));
    satir(QStringLiteral("Evrak No:"), k.metin(2));
    satir(QStringLiteral("Cari Kod:"), k.metin(5));
    satir(QStringLiteral("Cari Adı:"), k.metin(6));
    satir(QStringLiteral("Ödeme Şekli:"), k.metin(4));
    satir(QStringLiteral("Tutar:"), ParaYazisi(k.reel(3)) + QStringLiteral(" TL"));
    satir(QStringLiteral("İşlem No:"), QString::number(k.tam(7)));
    pdf.cizgi(50, y, 545, y);
    pdf.yazi(60, y - 20, 9, QStringLiteral("Bu makbuz kredi kartı ile yapılan tahsilatın bilgisi için düzenlenmiştir."));
    return pdf.bitir();
}

QByteArray RaporPdf(Vt &vt, int raporno, int carino, const QString &saticiadi, double tarih1, double tarih2)
{
    PdfBelge pdf;
    SatirYazici sy{pdf};
    if (raporno == 6 && carino > 0) {
        auto c = vt.hazirla("SELECT carikod, cariadi, il, ilce, tel1, vade FROM cari WHERE carino=?");
        c.bagla(1, carino);
        if (!c.adim())
            throw VtHatasi("Cari bulunamadı");
        baslik(pdf, QStringLiteral("Cari Özeti"), c.metin(0) + QStringLiteral(" - ") + c.metin(1));
        pdf.yazi(50, sy.y, 10, QStringLiteral("Tarih: %1   Satıcı: %2   %3/%4   Vade: %5 gün")
                                   .arg(tarihYazisi(tarih1), saticiadi, c.metin(3), c.metin(2))
                                   .arg(c.tam(5)));
        sy.y -= 24;
        auto h = vt.hazirla("SELECT tarih, turadi, evrak, borc, alacak FROM hareket WHERE carino=? AND tarih<=?"
                            " ORDER BY tarih, idno");
        h.bagla(1, carino).bagla(2, tarih1 + 1);
        pdf.yazi(50, sy.y, 9, QStringLiteral("Tarih"), true);
        pdf.yazi(120, sy.y, 9, QStringLiteral("Tür"), true);
        pdf.yazi(270, sy.y, 9, QStringLiteral("Evrak"), true);
        pdf.sagaYasli(420, sy.y, 9, QStringLiteral("Borç"), true);
        pdf.sagaYasli(480, sy.y, 9, QStringLiteral("Alacak"), true);
        pdf.sagaYasli(545, sy.y, 9, QStringLiteral("Bakiye"), true);
        sy.y -= 14;
        double bakiye = 0, borc = 0, alacak = 0;
        while (h.adim()) {
            sy.gerekirseSayfa();
            bakiye += h.reel(3) - h.reel(4);
            borc += h.reel(3);
            alacak += h.reel(4);
            pdf.yazi(50, sy.y, 9, tarihYazisi(h.reel(0)));
            pdf.yazi(120, sy.y, 9, h.metin(1));
            pdf.yazi(270, sy.y, 9, h.metin(2));
            pdf.sagaYasli(420, sy.y, 9, ParaYazisi(h.reel(3)));
            pdf.sagaYasli(480, sy.y, 9, ParaYazisi(h.reel(4)));
            pdf.sagaYasli(545, sy.y, 9, ParaYazisi(bakiye));
            sy.y -= 13;
        }
        sy.gerekirseSayfa();
        pdf.cizgi(50, sy.y + 8, 545, sy.y + 8);
        pdf.yazi(50, sy.y - 6, 10, QStringLiteral("Toplam Borç: %1   Toplam Alacak: %2   Bakiye: %3")
                                       .arg(ParaYazisi(borc), ParaYazisi(alacak), ParaYazisi(bakiye)), true);
        return pdf.bitir();
    }
    if (raporno == 6) {
        baslik(pdf, QStringLiteral("Cari Toplu Alacak Vadeleri"),
               QStringLiteral("Tarih: %1   Satıcı: %2").arg(tarihYazisi(tarih1), saticiadi == QStringLiteral(".") ? QStringLiteral("Tümü") : saticiadi));
        auto c = vt.hazirla("SELECT c.carikod, c.cariadi, c.vade, COALESCE(SUM(h.borc - h.alacak), 0) AS b FROM cari c"
                            " LEFT JOIN satici s ON s.saticino=c.saticino LEFT JOIN hareket h ON h.carino=c.carino"
                            " AND h.tarih<=?1 WHERE ?2='.' OR s.adi=?2 OR c.saticino IN (SELECT saticino FROM kullanici"
                            " WHERE adi=?2 AND tip=1 AND saticino>0) GROUP BY c.carino HAVING b > 0 ORDER BY c.carikod");
        // "." lists every customer; otherwise the representative's name or the user name of a representative
        c.bagla(1, tarih1 + 1).bagla(2, saticiadi);
        pdf.yazi(50, sy.y, 9, QStringLiteral("Cari Kod"), true);
        pdf.yazi(130, sy.y, 9, QStringLiteral("Cari Adı"), true);
        pdf.sagaYasli(470, sy.y, 9, QStringLiteral("Vade"), true);
        pdf.sagaYasli(545, sy.y, 9, QStringLiteral("Alacak"), true);
        sy.y -= 14;
        double toplam = 0;
        while (c.adim()) {
            sy.gerekirseSayfa();
            toplam += c.reel(3);
            pdf.yazi(50, sy.y, 9, c.metin(0));
            pdf.yazi(130, sy.y, 9, c.metin(1).left(52));
            pdf.sagaYasli(470, sy.y, 9, QStringLiteral("%1 gün").arg(c.tam(2)));
            pdf.sagaYasli(545, sy.y, 9, ParaYazisi(c.reel(3)));
            sy.y -= 13;
        }
        sy.gerekirseSayfa();
        pdf.yazi(50, sy.y - 6, 10, QStringLiteral("Toplam Alacak: %1 TL").arg(ParaYazisi(toplam)), true);
        return pdf.bitir();
    }
    if (raporno == 7) {
        auto c = vt.hazirla("SELECT carikod, cariadi FROM cari WHERE carino=?");
        c.bagla(1, carino);
        const bool var = c.adim();
        baslik(pdf, QStringLiteral("Cari Alış Satış Tablosu (Satıcılı)"),
               (var ? c.metin(0) + QStringLiteral(" - ") + c.metin(1) : QStringLiteral("Cari: %1").arg(carino))
                   + QStringLiteral("   %1 - %2   Satıcı: %3").arg(tarihYazisi(tarih1), tarihYazisi(tarih2), saticiadi));
        auto s = vt.hazirla("SELECT st.barkod, st.adi, SUM(ss.miktar), SUM(ROUND(ss.miktar*netfiyat(ss.birimfiyat,"
                            " ss.ind1, ss.ind2, ss.ind3, ss.ind4), 2)) FROM siparis sp JOIN siparissatir ss ON"
                            " ss.idno=sp.idno JOIN stok st ON st.stokno=ss.stokno WHERE sp.carino=? AND sp.tarih>=?"
                            " AND sp.tarih<? GROUP BY st.stokno ORDER BY 4 DESC");
        s.bagla(1, carino).bagla(2, tarih1).bagla(3, tarih2 + 1);
        pdf.yazi(50, sy.y, 9, QStringLiteral("Barkod"), true);
        pdf.yazi(150, sy.y, 9, QStringLiteral("Açıklama"), true);
        pdf.sagaYasli(470, sy.y, 9, QStringLiteral("Miktar"), true);
        pdf.sagaYasli(545, sy.y, 9, QStringLiteral("Net Tutar"), true);
        sy.y -= 14;
        double toplam = 0;
        while (s.adim()) {
            sy.gerekirseSayfa();
            toplam += s.reel(3);
            pdf.yazi(50, sy.y, 9, s.metin(0));
            pdf.yazi(150, sy.y, 9, s.metin(1).left(50));
            pdf.sagaYasli(470, sy.y, 9, QString::number(s.reel(2), 'f', 0));
            pdf.sagaYasli(545, sy.y, 9, ParaYazisi(s.reel(3)));
            sy.y -= 13;
        }
        sy.gerekirseSayfa();
        pdf.yazi(50, sy.y - 6, 10, QStringLiteral("Toplam Satış: %1 TL").arg(ParaYazisi(toplam)), true);
        return pdf.bitir();
    }
    throw VtHatasi("Bilinmeyen rapor numarası: " + std::to_string(raporno));
}

} // namespace dorvanto::appserver

#include "pdfyazici.h"

#include <cstdio>

namespace dorvanto::appserver {

namespace {
QByteArray sayi(double v)
{
    char b[32];
    std::snprintf(b, sizeof b, "%.2f", v);
    return QByteArray(b);
}
} // namespace

PdfBelge::PdfBelge() { yeniSayfa(); }

void PdfBelge::yeniSayfa() { m_sayfalar.emplace_back(); }

QByteArray PdfBelge::kodla(const QString &metin)
{
    QByteArray c;
    for (QChar ch : metin) {
        const char16_t u = ch.unicode();
        char b;
        switch (u) {
        case u'Ğ': b = char(0x80); break;
        case u'ğ': b = char(0x81); break;
        case u'Ş': b = char(0x82); break;
        case u'ş': b = char(0x83); break;
        case u'İ': b = char(0x84); break;
        case u'ı': b = char(0x85); break;
        default:
            if (u < 0x20)
                b = ' ';
            else if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
                b = char(u);
            else
                b = '?';
        }
        if (b == '(' || b == ')' || b == '\\')
            c.append('\\');
        c.append(b);
    }
    return c;
}

void PdfBelge::yazi(double x, double y, double boy, const QString &metin, bool kalin)
{
    QByteArray &s = m_sayfalar.back();
    s += "BT /" + QByteArray(kalin ? "F2 " : "F1 ") + sayi(boy) + " Tf " + sayi(x) + " " + sayi(y) + " Td ("
        + kodla(metin) + ") Tj ET\n";
}

double YaziGenisligi(const QString &metin, double boy)
{
    double w = 0;
    for (QChar ch : metin) {
        if (ch.isDigit() || ch == u'.' || ch == u',')
            w += ch.isDigit() ? 0.556 : 0.278;
        else if (ch.isUpper())
            w += 0.667;
        else if (ch == u' ')
            w += 0.278;
        else
            w += 0.5;
    }
    return w * boy;
}

void PdfBelge::sagaYasli(double sagX, double y, double boy, const QString &metin, bool kalin)
{
    yazi(sagX - YaziGenisligi(metin, boy), y, boy, metin, kalin);
}

void PdfBelge::cizgi(double x1, double y1, double x2, double y2)
{
    m_sayfalar.back() += sayi(x1) + " " + sayi(y1) + " m " + sayi(x2) + " " + sayi(y2) + " l S\n";
}

QByteArray PdfBelge::bitir() const
{
    // objects: 1 catalog, 2 pages, 3 F1, 4 F2, 5 encoding, then page/content pairs
    std::vector<QByteArray> nesneler;
    const int n = int(m_sayfalar.size());
    QByteArray kids;
    for (int i = 0; i < n; ++i)
        kids += QByteArray::number(6 + 2 * i) + " 0 R ";
    nesneler.push_back("<< /Type /Catalog /Pages 2 0 R >>");
    nesneler.push_back("<< /Type /Pages /Kids [" + kids + "] /Count " + QByteArray::number(n) + " >>");
    nesneler.push_back("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding 5 0 R >>");
    nesneler.push_back("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold /Encoding 5 0 R >>");
    nesneler.push_back("<< /Type /Encoding /BaseEncoding /WinAnsiEncoding /Differences [128 /Gbreve /gbreve "
                       "/Scedilla /scedilla /Idotaccent /dotlessi] >>");
    for (int i = 0; i < n; ++i) {
        nesneler.push_back("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Resources << /Font << /F1 3 0 R "
                           "/F2 4 0 R >> >> /Contents "
                           + QByteArray::number(7 + 2 * i) + " 0 R >>");
        const QByteArray &icerik = m_sayfalar[size_t(i)];
        nesneler.push_back("<< /Length " + QByteArray::number(icerik.size()) + " >>\nstream\n" + icerik
                           + "\nendstream");
    }
    QByteArray c("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
    std::vector<qsizetype> yer;
    for (size_t i = 0; i < nesneler.size(); ++i) {
        yer.push_back(c.size());
        c += QByteArray::number(qsizetype(i + 1)) + " 0 obj\n" + nesneler[i] + "\nendobj\n";
    }
    const qsizetype xref = c.size();
    c += "xref\n0 " + QByteArray::number(qsizetype(nesneler.size() + 1)) + "\n0000000000 65535 f \n";
    for (qsizetype y : yer) {
        char b[24];
        std::snprintf(b, sizeof b, "%010lld 00000 n \n", static_cast<long long>(y));
        c += b;
    }
    c += "trailer\n<< /Size " + QByteArray::number(qsizetype(nesneler.size() + 1)) + " /Root 1 0 R >>\nstartxref\n"
         + QByteArray::number(xref) + "\n%%EOF\n";
    return c;
}

} // namespace dorvanto::appserver

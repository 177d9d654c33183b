// A minimal PDF 1.4 writer for receipts and reports: A4 pages, Helvetica and
// Helvetica-Bold, text and lines. Turkish letters outside WinAnsi (ğ, ş, ı, İ, Ğ, Ş)
// are mapped through the font's encoding differences, so the text stays Turkish.
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace dorvanto::appserver {

class PdfBelge {
public:
    PdfBelge();
    void yeniSayfa();
    // x, y in points from the bottom left; size in points.
    void yazi(double x, double y, double boy, const QString &metin, bool kalin = false);
    void sagaYasli(double sagX, double y, double boy, const QString &metin, bool kalin = false);
    void cizgi(double x1, double y1, double x2, double y2);
    QByteArray bitir() const;
    int sayfaSayisi() const { return int(m_sayfalar.size()); }

    // Text as bytes of the font's encoding, with ( ) \ escaped.
    static QByteArray kodla(const QString &metin);

private:
    std::vector<QByteArray> m_sayfalar;
};

// Rough width of a text in Helvetica (for right alignment).
double YaziGenisligi(const QString &metin, double boy);

} // namespace dorvanto::appserver

// Tstokayarinti: the modal dialog "Sepete Ekle" in which the user sets the quantity of
// one part before it goes into the basket, with the part's identity, its photo, its
// prices and a running total. Opened for a row of the stock, new-products or campaign
// list (a new basket line) or for an existing basket line (a change of its quantity).
#pragma once

#include "fiyatsunumu.h"

#include <QDialog>
#include <QLineEdit>

#include <functional>

class QLabel;
class QPushButton;
class QSpinBox;

namespace dorvanto {

class ResultTable;
class SepetIslemleri;
class TAsyncResim;
class TSonucBilgisi;

// An amount field with the money format "#,###,##0.00".
class TutarAlani : public QLineEdit {
    Q_OBJECT
public:
    explicit TutarAlani(QWidget *parent = nullptr);
    double deger() const;             // the text read in the regional format; 0 when unreadable
    void setDeger(double d);
};

class Tstokayarinti : public QDialog {
    Q_OBJECT
public:
    // AC: the dialog owned by `AOwner`, showing the photo of `stoknosu`.
    Tstokayarinti(QWidget *AOwner, int stoknosu);
    ~Tstokayarinti() override;

    // Header texts and prices from row `satir` of `tablo` (a stock-type row, or a basket
    // line for Kaynak::SepetSatiri, whose STOKADI is the description).
    void Doldur(const ResultTable &tablo, int satir, Kaynak kaynak, int musteriTipi);

    // The quantity text as a number; false for an empty or unreadable text.
    bool Miktar(double &miktar) const;

    int stokno() const { return _stokno; }
    double kdvlifiyatDegeri() const { return kdvlifiyat; }

    // Controls, by their designer names.
    QLineEdit *barkod, *adi, *finishkod, *marka, *model;
    TAsyncResim *AsyncResim1;
    QSpinBox *adet;
    QLabel *Label2, *indirimoran, *Label3, *Label4;
    TutarAlani *birimfiyat, *indtutar, *kdvdahiltutar, *geneltutar;
    QPushButton *ParcaliTus1, *ParcaliTus2;

    // The total from the tax-inclusive field × the quantity (quantity changes, key release).
    void ToplamHesapla();

    // Confirms; an empty or unreadable quantity is not confirmed: a warning is shown and
    // the dialog stays open.
    void accept() override;

protected:
    void showEvent(QShowEvent *e) override;
    bool event(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void FormShow();
    void FormActivate();

    int _stokno;
    double kdvlifiyat = 0;
    bool m_gosterildi = false;
};

// Test seam: called with every dialog the openers below create, right before it is
// shown modally (a test posts its answer from here). Empty: nothing is called.
void SetStokAyrintiKancasi(std::function<void(Tstokayarinti *)> kanca);

// Shows the dialog modally (through the seam above) and answers its result.
int StokAyrintiGoster(Tstokayarinti &d);

inline constexpr const char *AdetGirinizMesaji = "Lütfen adet giriniz !";

// Opens the dialog for the current row of `kaynak` (a stock, new-products or campaign
// table positioned on the row); on confirmation hands the row and the quantity to
// SepeteEkle. Answers whether something was handed over.
bool SatirdanSepeteEkle(QWidget *sahip, ResultTable &kaynak, Kaynak kaynakTuru, const TSonucBilgisi &sbilgi,
                        SepetIslemleri &sepet);

// Opens the change dialog for the basket line `sirano` (its basket table is positioned
// on it); on confirmation hands quantity and unit price to SepetSatirGuncelle and then
// reloads the basket whatever the result. Answers whether something was handed over.
bool SepetSatiriDegistir(QWidget *sahip, int sirano, const TSonucBilgisi &sbilgi, SepetIslemleri &sepet);

} // namespace dorvanto

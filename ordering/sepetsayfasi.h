// The basket tab "Sepet": the basket grid with its menu, the selection bar with the
// overdue-balance warning, and the order form (delivery status, cargo type, cargo firm,
// note, totals, "Gönder", "Excel Kaydet") with the confirmation window TONAYSIP.
//
// The page works on the main window's basket table through SepetIslemleri and on the
// window's cargo-firm table `kargo`. It is thin: the rules live in sepethesap.h, the
// server calls in sepetislemleri.h.
#pragma once

#include "sepetislemleri.h"

#include <QDialog>
#include <QFutureWatcher>
#include <QThreadPool>
#include <QWidget>

#include <functional>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace dorvanto {

class DataGrid;
class RadioGrubu;

// The order confirmation "Sipariş Onay": the summary, the overdue warning, the
// question and the buttons "Evet" (accepted) and "Hayır" (rejected).
class TONAYSIP : public QDialog {
    Q_OBJECT
public:
    explicit TONAYSIP(QWidget *sahip);
    QLabel *Label2;   // the order summary
    QLabel *Label3;   // the overdue warning
    QLabel *Label1;   // the question
    QPushButton *Evet;
    QPushButton *Hayir;
};

// Test seam: when set, the confirmation window is not run modally; the function gets
// the filled window and answers its result (QDialog::Accepted or Rejected).
void SetSiparisOnayKancasi(std::function<int(TONAYSIP &)> kanca);

class TSepetSayfasi : public QWidget {
    Q_OBJECT
public:
    TSepetSayfasi(SepetIslemleri &islemler, ResultTable &kargo, QWidget *parent = nullptr);
    ~TSepetSayfasi() override;

    SepetIslemleri &islemler() { return m_islem; }

    // Where the page writes its tab caption ("3=Sepet"); the shell's caption writer.
    void setBaslikYazici(std::function<void(const QString &)> yazici) { m_baslikYazici = std::move(yazici); }
    // The main window's search edit, focused after "Hepsini Seç" / "Seçimleri Kaldır".
    void setAramaKutusu(QLineEdit *araedit) { m_araedit = araedit; }
    // The screen width the column rule looks at (tests fix it).
    void setEkranGenisligi(std::function<int()> f) { m_ekranGenisligi = std::move(f); }
    // Column visibility by customer type: 3 hides "Durum", 1 and 2 show and offer "Kalan".
    void MusteriTipiUygula(int musteriTipi);

    // ---- handlers, by their designer names ------------------------------------------
    void ssepetShow();
    void SepetYukle();
    void SepetToplamHesapla();
    void SepetKolonlariAyarla();
    void Button4Click();      // "Hepsini Seç"
    void Button5Click();      // "Seçimleri Kaldır"
    void Button2Click();      // "Excel Kaydet"
    void Deitir1Click();      // "Satır Değiştir", the grid's double click
    void SatrSil1Click();     // "Satır Sil"
    void HepsiniSil1Click();  // "Hepsini Sil"
    void TeslimKargoDoldur();
    void boxkargoClick();
    void KargolarDoldur(int gn);
    void kargocomboChange();
    void Button1Click();      // "Gönder"
    // The overdue check on its own thread; its text lands in lbluyarbakiye.
    void CariBakiyeUyariBaslat();

    // ---- controls ---------------------------------------------------------------------
    DataGrid *cxGrid2;
    QMenu *PopupMenu1;
    QAction *Deitir1, *SatrSil1, *HepsiniSil1;
    QWidget *panelsec;
    QPushButton *Button4, *Button5;
    QLabel *lbluyarbakiye;
    QWidget *Panel4;
    RadioGrubu *teslimbox, *boxkargo;
    QComboBox *kargocombo;
    QLabel *uyarikargo;
    QPlainTextEdit *aciklamagir;
    QLabel *aratoplaml, *indiriml, *nettutarl, *vergil, *geneltoplaml;
    QPushButton *Button1, *Button2;

signals:
    // The overdue check has written its text (possibly empty) into lbluyarbakiye.
    void uyariYazildi();

private:
    void Kur();
    void SepetYuklendi();

    SepetIslemleri &m_islem;
    ResultTable &m_kargo;
    std::function<void(const QString &)> m_baslikYazici;
    std::function<int()> m_ekranGenisligi;
    QLineEdit *m_araedit = nullptr;
    QThreadPool m_uyariHavuzu;
};

} // namespace dorvanto

// Tseccari, "Cari Seçimi": users who act for many dealers (customer types 1 and 2)
// choose the customer the main window works for. Choosing writes CARINO, carikod
// and CariAdi into the caller's logged-in record.
#pragma once

#include <QDialog>
#include <QMap>

class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;
class QGroupBox;

namespace dorvanto {

class DataGrid;
class ResultTable;
class ServerConnection;
class TSonucBilgisi;
class TableReader;

class Tseccari : public QDialog {
    Q_OBJECT
public:
    Tseccari(ServerConnection &bag, TSonucBilgisi &bilgim, QWidget *owner = nullptr);
    ~Tseccari() override;

    // Called by the opener before the modal showing, in this order.
    void SepetSayisiYaz();
    void TusSonuclari();

    // User actions
    void Ara();                // search with the edit's text
    void TumCariler();         // "Tüm Carileri Listeler"
    void DurumListesi(int n);  // CariSepetVer with a status list code
    void Sec();                // choose the focused customer
    void Vazgec();             // ends the program

    ResultTable *CARILER() const { return m_cariler; }
    DataGrid *Izgara() const { return cxGrid1; }
    QMenu *Popup() const { return m_popup; }

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    template <typename F>
    bool SunucuIslemi(F &&islem);
    void TabloyuDoldur(const TableReader &okuyucu);
    void SutunlariDuzenle();
    void BilgileriGoster();
    void AramaKutusunaDon();
    QToolButton *DurumDugmesi(const QString &ad, const QString &ipucu, const QString &simge);

    ServerConnection &bag;
    TSonucBilgisi &bilgim;
    ResultTable *m_cariler;
    DataGrid *cxGrid1;
    QLineEdit *NEdit1;
    QGroupBox *m_bilgiKutusu;
    QMap<QString, QLabel *> m_degerler;
    QMap<QString, QToolButton *> m_dugmeler;
    QMenu *m_popup;
};

} // namespace dorvanto

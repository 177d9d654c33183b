// The stock page: the search through `araedit` ("Ara", Enter, "Temizle"), the
// background search StokListesiGetir on a cloned connection, the stock grid `cxGrid1`
// with its columns, price block, layout rule, footer and menu, and the opening of a
// row in the add-to-basket or change dialog.
//
// The page works on controls and tables of the main window, handed over in
// StokSayfasiParcalari; it creates the stock grid inside the stock tab page.
#pragma once

#include "stokkolonlari.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QAbstractButton;
class QLineEdit;
class QMenu;
class QTabWidget;
class QWidget;

namespace dorvanto {

class DataGrid;
class ResultTable;
class SepetIslemleri;
class ServerConnection;
class TSonucBilgisi;

struct StokSayfasiParcalari {
    QWidget *anaPencere = nullptr;        // its width decides the layout
    QLineEdit *araedit = nullptr;
    QAbstractButton *SpeedButton2 = nullptr;  // "Ara"
    QAbstractButton *SpeedButton1 = nullptr;  // "Temizle"
    QWidget *gifstokara = nullptr;        // busy indicator (a QLabel with a QMovie, or any widget)
    QTabWidget *sPageControl1 = nullptr;
    QWidget *sstoklistesi = nullptr;      // the stock tab page; the grid goes into it
    ResultTable *stok = nullptr;
    ServerConnection *bagc = nullptr;
    TSonucBilgisi *sbilgi = nullptr;
    SepetIslemleri *sepet = nullptr;
};

struct TableData;

// The background step of a search: clones `bagc`, opens the clone through the
// connection check without its message, calls StokAraGetir with `kod` and `bilgi`
// (consumed) and gives the packet, its float fields in the money format, in `hedef`.
// False when the connection cannot be opened, the call or the load fails, or the
// answer has no IND1 field. Touches no control; any thread.
bool StokListesiGetir(const ServerConnection &bagc, const QString &kod, std::unique_ptr<TSonucBilgisi> bilgi,
                      TableData &hedef);

// The stock tab's captions.
inline constexpr const char *StokListesiBasligi = "Stok Listesi";
QString StokListesiSayiBasligi(int satirSayisi);   // "25=Stok Listesi"

class StokListesiSayfasi : public QObject {
    Q_OBJECT
public:
    explicit StokListesiSayfasi(const StokSayfasiParcalari &p, QObject *parent = nullptr);
    ~StokListesiSayfasi() override;

    DataGrid *grid() const { return cxGrid1; }
    QMenu *menu() const { return popstok; }

    // The customer-type rules, once after login (KALAN, ALINANSIPARIS, VERILENSIPARIS
    // for types 1 and 2; no KAMPFIYAT and K for type 4).
    void MusteriTipiUygula(int musteriTipi);

    // Enter / "Ara": starts a search of the box's text; ignored while the box is disabled.
    void SpeedButton2Click();
    // "Temizle": ignored while the box is disabled.
    void SpeedButton1Click();
    // Double click / "Sepete Ekle" on the focused row.
    void cxGrid1DBTableView1DblClick();
    // The layout rule, run on every resize of the grid while the box is enabled.
    void StokKolonlariAyarla();
    // After a customer change: empty list, caption "0=Stok Listesi", tab to front, box focused.
    void CariDegisti();
    // Puts `metin` into the box as it stands and searches it (announcement tags).
    void MetinleAra(const QString &metin);

    bool araniyor() const { return m_araniyor; }
    bool genisDuzen() const { return m_genis; }

    // Actions of the menu entries that open windows of other screens (may stay empty):
    // "Sipariş Bakiyeleriniz" and "Siparişleri Göster" (with the row's STOK_STOKNO).
    std::function<void()> siparisBakiyeleriAc;
    std::function<void(int stokno)> siparisleriGosterAc;

signals:
    // The completion step of a search has run (after the caption and any message).
    void aramaBitti(bool basarili);

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void MenuKur();
    void AramayaBasla();
    void AramaBitti(bool basarili, int sure);
    void MesgulGoster(bool goster);
    void BaslikYaz(const QString &baslik);
    void SekmeyiOneGetir();
    int SutunAlani() const;   // the width the columns have in view, -1 before the grid is shown

    StokSayfasiParcalari p;
    DataGrid *cxGrid1 = nullptr;
    QMenu *popstok = nullptr;
    int m_musteriTipi = 0;
    bool m_genis = true;
    bool m_araniyor = false;
    struct Sonuc;
};

} // namespace dorvanto

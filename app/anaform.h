// TForm1, the main window: header, search bar, banner strip, the nine tab pages, the
// status legend and the ticker bar, the general menu, the close confirmation, the
// login at creation and the start-up background task.
//
// Screens of the catalogue, ordering and account subsystems plug into it through the
// accessors below: their tab pages, the logged-in record `sbilgi`, the connection
// `bagc`, the result tables the window owns, the header and search-bar controls, and
// the start-up steps they fill in.
#pragma once

#include "baglanti.h"
#include "transfernesneleri.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;
class QWidget;

namespace dorvanto {

class KayanSerit;
class MesgulGostergesi;
class ResultTable;
class RozetliSekmeler;
class SepetIslemleri;
class StokListesiSayfasi;
class TOdemeSekmesi;
class TSepetSayfasi;

// Visibility of a grid column by customer type: the stock ("stok"), basket
// ("sepet"), new products ("YENILER") and campaign ("kampstok") grids apply these
// when they are built; `gorunur` also decides whether the column chooser offers it.
struct SutunKurali {
    QString izgara;
    QString sutun;
    bool gorunur;
};
QList<SutunKurali> MusteriTipiSutunKurallari(int musteriTipi);

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // Steps 1-7 of the window's creation: identity, connection, the login; false when
    // the program ended (the exit hook of the tests returns).
    bool FormCreate();
    bool GirisYap();
    // The customer-type layout of GirisYap.
    void MusteriTipiDuzeni(int musteriTipi);
    // The start-up background task; `bitti` is emitted after its continuation.
    void BaslangicGoreviniBaslat();
    void AnaBilgiAl();
    void musteritusClick();
    void WebSitesi1Click();

    // Shared state
    ServerConnection bagc;
    TSonucBilgisi sbilgi;
    int _acilisadet = 0;
    QWidget *benimbakiyesiparisler = nullptr;

    // Result tables owned by the window
    ResultTable *stok;
    ResultTable *sepet;
    ResultTable *kargo;
    ResultTable *ONCEKILER;
    ResultTable *EKSTRE;
    ResultTable *YENILER;
    ResultTable *kampstok;

    // Start-up steps 2-7 and the continuation, filled in by the screens that own them
    // (ticker, banners, advertisement count, badges, opening advertisements).
    std::function<void()> KayanYaziAl;
    std::function<void()> BannerREsimAl;
    std::function<void()> BannerREsimAlUst;
    std::function<void()> BannerREsimAlAlt;
    std::function<void()> AcilisReklamAdetAl;
    std::function<void()> BalonYaz;
    std::function<void()> AcilisReklamGoster;
    // The basket reload of the basket tab (after a customer change).
    std::function<void()> SepetYukle;

    // Column rules of the current customer type (see MusteriTipiSutunKurallari).
    const QList<SutunKurali> &SutunKurallari() const { return m_sutunKurallari; }

    // Controls
    QLabel *kullanicilbl() const { return m_kullanicilbl; }
    QLabel *cariadilbl() const { return m_cariadilbl; }
    QLabel *saticilbl() const { return m_saticilbl; }
    QLabel *RxGIFAnimator1() const { return m_banner1; }
    QLabel *RxGIFAnimator2() const { return m_banner2; }
    QToolButton *menutus() const { return m_menutus; }
    QMenu *Genelmenu() const { return m_genelmenu; }
    QAction *M1() const { return m_M1; }
    QAction *N4() const { return m_N4; }
    QAction *WebSitesi1() const { return m_WebSitesi1; }
    QAction *G1() const { return m_G1; }
    QAction *R1() const { return m_R1; }
    QLineEdit *araedit() const { return m_araedit; }
    QToolButton *SpeedButton2() const { return m_ara; }
    QToolButton *SpeedButton1() const { return m_temizle; }
    QToolButton *musteritus() const { return m_musteritus; }
    MesgulGostergesi *gifstokara() const { return m_gif[0]; }
    MesgulGostergesi *gifyeniler() const { return m_gif[1]; }
    MesgulGostergesi *gifkampanyali() const { return m_gif[2]; }
    MesgulGostergesi *gifduyuru() const { return m_gif[3]; }
    MesgulGostergesi *gifoncekiler() const { return m_gif[4]; }
    MesgulGostergesi *gifekstre() const { return m_gif[5]; }
    RozetliSekmeler *sPageControl1() const { return m_sekmeler; }
    QWidget *sstoklistesi() const { return m_sayfa[0]; }
    QWidget *ssepet() const { return m_sayfa[1]; }
    QWidget *sonceki() const { return m_sayfa[2]; }
    QWidget *sccariekstre() const { return m_sayfa[3]; }
    QWidget *syeniler() const { return m_sayfa[4]; }
    QWidget *skampanyali() const { return m_sayfa[5]; }
    QWidget *sTabSheetduyuru() const { return m_sayfa[6]; }
    QWidget *sTabbakiyeler() const { return m_sayfa[7]; }
    QWidget *ss() const { return m_sayfa[8]; }
    // The bottom panel: the ticker line (40 pixels, at the bottom) and above it the
    // bottom banner strip, a marquee carrying the picture of `Image3`.
    QWidget *Panel5() const { return m_panel5; }
    QWidget *KayanYaziAlani() const { return m_kayanyazi; }
    KayanSerit *RealTimeMarquee1() const { return m_altbanner; }
    QLabel *Image3() const { return m_image3; }

    // The screens on the tab pages.
    StokListesiSayfasi *StokSayfasi() const { return m_stokSayfasi; }
    SepetIslemleri *SepetIslem() const { return m_sepetIslem; }
    TSepetSayfasi *SepetSayfasi() const { return m_sepetSayfasi; }
    TOdemeSekmesi *OdemeSekmesi() const { return m_odeme; }
    // The status legend's icon labels, in the order of the legend.
    const QList<QLabel *> &DurumSimgeleri() const { return m_durumSimgeleri; }

    // Writes a tab page's caption (the caption convention: "12=Sepet").
    void SekmeBasligiYaz(QWidget *sayfa, const QString &baslik);
    QString SekmeBasligi(QWidget *sayfa) const;

signals:
    void baslangicBitti();

protected:
    void closeEvent(QCloseEvent *e) override;   // FormCloseQuery

private:
    void Kur();
    void EkranlariKur();
    void SekmeDegisti(int indeks);

    QLabel *m_kullanicilbl;
    QLabel *m_cariadilbl;
    QLabel *m_saticilbl;
    QLabel *m_banner1;
    QLabel *m_banner2;
    QToolButton *m_menutus;
    QMenu *m_genelmenu;
    QAction *m_M1, *m_N4, *m_WebSitesi1, *m_G1, *m_R1;
    QLineEdit *m_araedit;
    QToolButton *m_ara, *m_temizle, *m_musteritus;
    MesgulGostergesi *m_gif[6];
    RozetliSekmeler *m_sekmeler;
    QWidget *m_sayfa[9];
    QWidget *m_panel5;
    QWidget *m_kayanyazi;
    KayanSerit *m_altbanner;
    QLabel *m_image3;
    SepetIslemleri *m_sepetIslem = nullptr;
    StokListesiSayfasi *m_stokSayfasi = nullptr;
    TSepetSayfasi *m_sepetSayfasi = nullptr;
    TOdemeSekmesi *m_odeme = nullptr;
    QList<QLabel *> m_durumSimgeleri;
    QList<SutunKurali> m_sutunKurallari;
};

// Program start: GUI, look, main window (with the login), message loop.
int ProgramiCalistir(int argc, char **argv);

} // namespace dorvanto

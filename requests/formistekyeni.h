// Tformistekyeni: the distributor's web request page for an unregistered computer,
// in an embedded browser. The login ends the program when it closes.
#pragma once

#include <QDialog>

class QPushButton;

namespace dorvanto {

// The request page of a computer ID: the public web base address followed by
// "formmailgonder.aspx?carino=0&kullanici=&id=" and the ID as it is.
QString IstekFormuAdresi(const QString &webTabani, const QString &bilgisayarId);

class Tformistekyeni : public QDialog {
    Q_OBJECT
public:
    explicit Tformistekyeni(QWidget *owner = nullptr);
    void Git(const QString &adres);   // navigates `sitem`
    QString Adres() const { return m_adres; }
    QWidget *sitem() const { return m_sitem; }
    static bool TarayiciVar();        // the embedded browser is used
    // Tests without a browser engine that can shut down: the page as a link instead.
    static void SetTarayiciKullan(bool kullan);

private:
    QWidget *m_sitem = nullptr;
    QPushButton *m_kapat = nullptr;
    QString m_adres;
};

} // namespace dorvanto

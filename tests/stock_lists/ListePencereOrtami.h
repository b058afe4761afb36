#pragma once
// What the tests of the by-firm and profit windows share: a server folder, the documents folder and the
// workbook opener caught, the printers replaced by one office printer whose documents are recorded, and
// a print or export run from the window's button as the user does it.
#include "core/ListeGorunumu.h"
#include "core/OrtakDegiskenler.h"
#include "platform/CalismaKitabi.h"
#include "platform/Kabuk.h"
#include "platform/Yazicilar.h"
#include "support/Tohum.h"
#include "support/Ortam.h"
#include "support/SunucuTesti.h"
#include "support/XlsxOkuyucu.h"
#include "StokListesiOrtami.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <cmath>
#include <memory>

namespace listeTest {

using stokTest::satır;
using stokTest::sütun;

// The sheet's columns are as wide as the list's columns by default (the widths in the spreadsheet's units).
inline void sütunGenişlikleri(const test::XlsxSayfa& sayfa, const QList<double>& genişlikler)
{
    for (int c = 1; c <= genişlikler.size(); ++c)
        EXPECT_NEAR(sayfa.sütunlar.value(c).genişlik, test::yazılanGenişlik(genişlikler[c - 1]), 0.01) << c;
}

// Makes the window the active one: the offscreen platform gives the activation back to no window when a
// modal window (the progress window, a message box) closes.
inline void etkinleştir(QWidget* p)
{
    QApplication::setActiveWindow(p);
    p->activateWindow();
    (void)QTest::qWaitForWindowActive(p, 2000);
}

// Where the first printing of a text starts and ends on its line (mm); NaN when it was not printed.
inline double solUç(const yazdırma::KaydedilenBelge& b, const QString& metin)
{
    const auto* m = b.metinBul(metin);
    if (!m) ADD_FAILURE() << "not printed: " << metin.toStdString();
    return m ? m->x : std::nan("");
}
inline double sağUç(const yazdırma::KaydedilenBelge& b, const QString& metin)
{
    const auto* m = b.metinBul(metin);
    if (!m) ADD_FAILURE() << "not printed: " << metin.toStdString();
    return m ? m->x + m->genişlik : std::nan("");
}

// The text of a PDF file (pdftotext), page by page.
inline QStringList pdfSayfaları(const QString& dosya)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), dosya, QStringLiteral("-")});
    p.waitForFinished(20000);
    QStringList sayfalar = QString::fromUtf8(p.readAllStandardOutput()).split(QChar(u'\f'));
    if (!sayfalar.isEmpty() && sayfalar.last().trimmed().isEmpty()) sayfalar.removeLast();
    return sayfalar;
}

// One office printer whose documents are recorded.
class ListePenceresiTesti : public test::BelgeTesti {
protected:
    ListePenceresiTesti() : BelgeTesti({{"Ofis", "Kat 1", {210, 297}, true}}) {}
    void SetUp() override
    {
        BelgeTesti::SetUp();
        YazıcıVar = true;
    }
    void TearDown() override
    {
        BelgeTesti::TearDown();
        SeçiliFirmaTablosu.clear();
    }

    // Presses the window's print button and confirms the printer choice.
    bool yazdır(QWidget* pencere)
    {
        test::Görününce seçim(QStringLiteral("YazıcıSeçmeFormu"), [](QWidget* w) {
            QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("TamamDüğmesi")), Qt::LeftButton);
        });
        const int önce = kayıtlar->sayı();
        pencere->findChild<QPushButton*>(QStringLiteral("YazdırDüğmesi"))->click();
        return kayıtlar->sayı() > önce && kayıtlar->son().bitti();
    }
    // The same on the PDF printer: the written file.
    QString pdfeYazdır(QWidget* pencere)
    {
        yazdırma::kaydediciyeYönlendir(nullptr);
        yazdırma::geçerliYazıcıyıDeğiştir(yazdırma::PdfYazıcısıAdı);
        açılanlar.temizle();
        yazdır(pencere);
        yazdırma::kaydediciyeYönlendir(kayıtlar);
        return açılanlar[0];
    }
    // Presses the window's export button: the written workbook.
    QString aktar(QWidget* pencere)
    {
        açılanlar.temizle();
        pencere->findChild<QPushButton*>(QStringLiteral("ListeyiExceleAktarDüğmesi"))->click();
        return açılanlar[0];
    }
    const yazdırma::KaydedilenBelge& belge() const { return kayıtlar->son(); }
};

}  // namespace listeTest

#include "core/Acicilar.h"
#include "core/AlanGirisiKurallari.h"
#include "core/OrtakDegiskenler.h"
#include "core/SiraliListe.h"
#include "definitions/FirmaKayit.h"
#include "definitions/FirmaTanimlaFormu.h"
#include "support/Ortam.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTimer>

using namespace firma;

static void PrintTo(const QString& metin, std::ostream* os) { *os << '"' << metin.toStdString() << '"'; }

namespace {
// Types the text key by key; unlike QTest::keyClicks it takes letters outside ASCII (ç, ı, ş).
void tuşla(QWidget* kutu, const QString& metin)
{
    for (const QChar c : metin) {
        if (c == QLatin1Char('\n')) QTest::keyClick(kutu, Qt::Key_Return);
        else QTest::sendKeyEvent(QTest::Click, kutu, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
}

QString tabloAdı(FirmaTürü tür) { return tür == FirmaTürü::Alıcı ? AlıcıFirmaTablosuAdı : SatıcıFirmaTablosuAdı; }
QString tablo(FirmaTürü tür) { return tabloAdı(tür).trimmed(); }

class FirmaPenceresi : public ::testing::TestWithParam<FirmaTürü> {
protected:
    FirmaTürü tür() const { return GetParam(); }
    platform::Database& db() { return sunucu.db(); }

    qint64 firmaEkle(const QString& ad, const QVariant& telefon = QString())
    {
        db().exec("INSERT INTO " + tablo(tür()) + " (Adi, Telefonu, Adresi) VALUES (?, ?, 'ADRES')", {ad, telefon});
        return db().lastInsertId();
    }

    void hareketEkle(qint64 firmaNo)
    {
        if (tür() == FirmaTürü::Satıcı)
            db().exec("INSERT INTO GirisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati) "
                      "VALUES (1, ?, '2024-05-06', 2, 10)",
                      {firmaNo});
        else
            db().exec("INSERT INTO CikisIslemleriTablosu (UrunNo, FirmaNo, Tarihi, Miktari, Fiyati, Nedeni) "
                      "VALUES (1, ?, '2024-05-06', 2, 10, 0)",
                      {firmaNo});
    }

    int firmaSayısı() { return db().scalar("SELECT count(*) FROM " + tablo(tür())).toInt(); }

    FirmaTanımlaFormu& aç()
    {
        SeçiliFirmaTablosu = tabloAdı(tür());
        pencere = std::make_unique<FirmaTanımlaFormu>();
        pencere->Tag = etiketi(tür());
        pencere->show();
        pencere->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(pencere.get()));
        return *pencere;
    }

    // A message box leaves the window inactive on the offscreen platform; the user's next click or key
    // activates it again.
    void etkinleştir()
    {
        if (pencere->isActiveWindow()) return;
        pencere->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(pencere.get()));
    }

    // Types into the box as the user does: the box gets the focus first.
    void yaz(QWidget* kutu, const QString& metin)
    {
        etkinleştir();
        kutu->setFocus(Qt::TabFocusReason);
        tuşla(kutu, metin);
    }
    // The box that has the focus once the window is active again after a message box (the offscreen
    // platform does not give the activation back by itself).
    static bool odakta(QWidget* kutu)
    {
        kutu->window()->activateWindow();
        return test::bekle([kutu] { return kutu->hasFocus(); }, 2000);
    }
    void tıkla(QPushButton* düğme)
    {
        etkinleştir();
        QTest::mouseClick(düğme, Qt::LeftButton);
    }

    QStringList listedekiler() const
    {
        QStringList s;
        for (int i = 0; i < pencere->FirmaListesi->count(); ++i) s << pencere->FirmaListesi->metin(i);
        return s;
    }
    QString seçili() const { return pencere->FirmaListesi->metin(pencere->FirmaListesi->currentRow()); }

    // browse: list frame, details frame, add, change, delete/save buttons.
    void durum(bool liste, bool ayrıntı, bool ekle, bool değiştir, bool silKaydet, const QString& silMetni,
               const QString& kapatMetni)
    {
        EXPECT_EQ(pencere->Çerçeve[0]->isEnabled(), liste);
        EXPECT_EQ(pencere->Çerçeve[1]->isEnabled(), ayrıntı);
        EXPECT_EQ(pencere->EkleDüğmesi->isEnabled(), ekle);
        EXPECT_EQ(pencere->DeğiştirDüğmesi->isEnabled(), değiştir);
        EXPECT_EQ(pencere->SilKaydetDüğmesi->isEnabled(), silKaydet);
        EXPECT_EQ(pencere->SilKaydetDüğmesi->text(), silMetni);
        EXPECT_EQ(pencere->KapatVazgeçDüğmesi->text(), kapatMetni);
    }
    void göz(bool seçiliVar) { durum(seçiliVar, false, true, seçiliVar, seçiliVar, "Firma &Sil", "Kapat (Esc)"); }
    void düzenleme() { durum(false, true, false, false, true, "Kaydet", "Vazgeç"); }

    void SetUp() override { DeğişiklikModu = false; }
    void TearDown() override
    {
        pencere.reset();
        SeçiliFirmaTablosu.clear();
    }

    test::SunucuKlasörü sunucu;
    std::unique_ptr<FirmaTanımlaFormu> pencere;
};

const QString AdTekrarı =
    "Girmeye çalıştığınız FİRMA daha önce girilmiş!\n\nLütfen FİRMA ADI'nı değiştirip yeniden deneyiniz.";
}  // namespace

TEST_P(FirmaPenceresi, BoşTabloylaAçılırAyrılmışAlıcıListelenmez)
{
    auto& p = aç();
    // The buyer table holds only the reserved buyer of receipt sales: the list is empty.
    EXPECT_TRUE(listedekiler().isEmpty());
    EXPECT_EQ(p.FirmaListesi->currentRow(), -1);
    göz(false);
    EXPECT_TRUE(p.FirmaAdıKutusu->toPlainText().isEmpty());
    EXPECT_TRUE(p.AdresiKutusu->toPlainText().isEmpty());
    EXPECT_EQ(p.türü(), tür());
}

TEST_P(FirmaPenceresi, AlfabetikListeVeİlkFirmaGösterilir)
{
    firmaEkle("ZEYTİN");
    firmaEkle("çam", QVariant());  // NULL telephone
    firmaEkle("CEVİZ");
    const qint64 abc = firmaEkle("ABC", "0212 555 12 34");
    auto& p = aç();
    EXPECT_EQ(listedekiler(), QStringList({"ABC", "CEVİZ", "çam", "ZEYTİN"}));
    EXPECT_EQ(p.FirmaListesi->numara(0), abc);
    EXPECT_EQ(seçili(), "ABC");
    EXPECT_EQ(p.FirmaAdıKutusu->toPlainText(), "ABC");
    EXPECT_EQ(p.TelefonuKutusu->text(), "0212 555 12 34");
    EXPECT_EQ(p.AdresiKutusu->toPlainText(), "ADRES");
    göz(true);

    p.FirmaListesi->setCurrentRow(2);
    EXPECT_EQ(p.FirmaAdıKutusu->toPlainText(), "çam");
    EXPECT_EQ(p.TelefonuKutusu->text(), "");
    EXPECT_EQ(p.windowTitle(), QString());  // the opener gives the caption
}

TEST_P(FirmaPenceresi, EklenenFirmaBiçimlenipKaydedilirVeSeçilir)
{
    firmaEkle("MEVCUT");
    auto& p = aç();
    tıkla(p.EkleDüğmesi);
    düzenleme();
    EXPECT_FALSE(DeğişiklikModu);
    EXPECT_TRUE(odakta(p.FirmaAdıKutusu));
    EXPECT_TRUE(p.FirmaAdıKutusu->toPlainText().isEmpty());

    yaz(p.FirmaAdıKutusu, "ışık o'nan\n");
    EXPECT_TRUE(p.TelefonuKutusu->hasFocus());  // Enter moved on and put no line break in the name
    tuşla(p.TelefonuKutusu, "05321234567");
    yaz(p.FaksıKutusu, "12345678901");
    yaz(p.VergiDairesiKutusu, " kadıköy ");
    yaz(p.VergiNumarasıKutusu, "0123456789");
    yaz(p.AdresiKutusu, "moda cad. no 5");
    EXPECT_EQ(p.TelefonuKutusu->text(), "0532 123 45 67");
    EXPECT_EQ(p.FaksıKutusu->text(), "0123 456 78 90");
    EXPECT_EQ(p.VergiNumarasıKutusu->text(), "012 345 6789");
    EXPECT_EQ(p.FirmaAdıKutusu->toPlainText(), QString("IŞIK O’NAN"));
    tıkla(p.SilKaydetDüğmesi);

    auto s = db().prepare("SELECT Nosu, Telefonu, Faksi, VergiDairesi, VergiNumarasi, Adresi FROM " + tablo(tür())
                          + " WHERE Adi = ?");
    s.bind(1, QString("IŞIK O’NAN"));
    ASSERT_TRUE(s.next());
    EXPECT_EQ(s.text(1), "0532 123 45 67");
    EXPECT_EQ(s.text(2), "0123 456 78 90");
    EXPECT_EQ(s.text(3), "KADIKÖY");
    EXPECT_EQ(s.text(4), "012 345 6789");
    EXPECT_EQ(s.text(5), "MODA CAD. NO 5");
    const qint64 yeniNo = s.integer(0);

    EXPECT_EQ(listedekiler(), QStringList({"IŞIK O’NAN", "MEVCUT"}));
    EXPECT_EQ(seçili(), QString("IŞIK O’NAN"));
    EXPECT_EQ(p.FirmaListesi->numara(0), yeniNo);
    EXPECT_TRUE(p.FirmaListesi->hasFocus());
    göz(true);

    // An add with only name and address stores the optional values as empty texts.
    tıkla(p.EkleDüğmesi);
    yaz(p.FirmaAdıKutusu, "BOŞ");
    yaz(p.AdresiKutusu, "X");
    tıkla(p.SilKaydetDüğmesi);
    EXPECT_EQ(db().scalar("SELECT count(*) FROM " + tablo(tür())
                          + " WHERE Adi = 'BOŞ' AND Telefonu = '' AND Faksi = '' AND VergiDairesi = '' "
                            "AND VergiNumarasi = ''")
                  .toInt(),
              1);
}

TEST_P(FirmaPenceresi, KaydetmeRetleriKipiVeYazılanıKorur)
{
    db().exec("INSERT INTO " + tablo(tür()) + " (Adi, Adresi) VALUES ('izmir ışık ltd', 'A')");
    auto& p = aç();
    test::MesajYanıtlayıcı yanıt;

    // Both name and address empty: only the name is asked for.
    tıkla(p.EkleDüğmesi);
    tıkla(p.SilKaydetDüğmesi);
    ASSERT_EQ(yanıt.sayı(), 1);
    EXPECT_EQ(yanıt.sonMetin(), "Firma ADI boş bırakılamaz!");
    EXPECT_EQ(yanıt.görülenler().last().simge, mesaj::Simge::Bilgi);
    EXPECT_EQ(yanıt.görülenler().last().başlık, "Kavrenta");
    düzenleme();
    EXPECT_TRUE(odakta(p.FirmaAdıKutusu));

    // The name of another firm in another letter case, and an empty address: only the duplicate.
    yaz(p.FirmaAdıKutusu, "İzmir Işık Ltd");
    EXPECT_EQ(p.FirmaAdıKutusu->toPlainText(), "İZMİR IŞIK LTD");
    tıkla(p.SilKaydetDüğmesi);
    ASSERT_EQ(yanıt.sayı(), 2);
    EXPECT_EQ(yanıt.sonMetin(), AdTekrarı);
    düzenleme();
    EXPECT_TRUE(odakta(p.FirmaAdıKutusu));
    EXPECT_EQ(p.FirmaAdıKutusu->toPlainText(), "İZMİR IŞIK LTD");

    tuşla(p.FirmaAdıKutusu, " 2");
    tıkla(p.SilKaydetDüğmesi);
    ASSERT_EQ(yanıt.sayı(), 3);
    EXPECT_EQ(yanıt.sonMetin(), "Firma ADRESİ boş bırakılamaz!");
    EXPECT_TRUE(odakta(p.AdresiKutusu));
    düzenleme();
    EXPECT_EQ(firmaSayısı(), tür() == FirmaTürü::Alıcı ? 2 : 1);
    EXPECT_EQ(listedekiler(), QStringList({"izmir ışık ltd"}));
}

TEST_P(FirmaPenceresi, DeğişiklikKendiAdınıKoruyabilirBaşkasınınkiniAlamaz)
{
    const qint64 a = firmaEkle("ALFA", "0532 123 45 67");
    firmaEkle("BETA");
    if (tür() == FirmaTürü::Alıcı) hareketEkle(a);
    auto& p = aç();
    test::MesajYanıtlayıcı yanıt;

    // Change, edit the telephone, cancel with Esc: the stored telephone is back.
    tıkla(p.DeğiştirDüğmesi);
    düzenleme();
    EXPECT_TRUE(DeğişiklikModu);
    p.TelefonuKutusu->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(p.TelefonuKutusu->text(), "5321234567");
    EXPECT_EQ(p.TelefonuKutusu->selectedText(), "5321234567");
    tuşla(p.TelefonuKutusu, "2125550000");
    QTest::keyClick(p.TelefonuKutusu, Qt::Key_Escape);
    göz(true);
    EXPECT_EQ(p.TelefonuKutusu->text(), "0532 123 45 67");
    EXPECT_EQ(yanıt.sayı(), 0);

    // Keeping the name and changing the telephone saves; a buyer with exits gets the invoice warning.
    tıkla(p.DeğiştirDüğmesi);
    p.TelefonuKutusu->setFocus(Qt::TabFocusReason);
    tuşla(p.TelefonuKutusu, "2125550000");
    tıkla(p.SilKaydetDüğmesi);
    göz(true);
    EXPECT_EQ(db().scalar("SELECT Telefonu FROM " + tablo(tür()) + " WHERE Nosu = ?", {a}).toString(),
              "0212 555 00 00");
    if (tür() == FirmaTürü::Alıcı) {
        ASSERT_EQ(yanıt.sayı(), 1);
        EXPECT_EQ(yanıt.sonMetin(), "Bu firmaya ÇIKIŞ yapıldığı için, eğer fatura yazdırdıysanız bunları da kontrol "
                                    "etmeniz gerekir.");
        EXPECT_EQ(yanıt.görülenler().last().simge, mesaj::Simge::Bilgi);
    } else {
        EXPECT_EQ(yanıt.sayı(), 0);
    }
    const int önce = yanıt.sayı();

    // Taking the other firm's name is refused; nothing changes.
    tıkla(p.DeğiştirDüğmesi);
    p.FirmaAdıKutusu->setPlainText("beta");
    tıkla(p.SilKaydetDüğmesi);
    ASSERT_EQ(yanıt.sayı(), önce + 1);
    EXPECT_EQ(yanıt.sonMetin(), AdTekrarı);
    düzenleme();
    EXPECT_EQ(db().scalar("SELECT Adi FROM " + tablo(tür()) + " WHERE Nosu = ?", {a}).toString(), "ALFA");

    // A new name is saved; the entry keeps its place until the window is opened again.
    p.FirmaAdıKutusu->setPlainText("ZETA");
    tıkla(p.SilKaydetDüğmesi);
    göz(true);
    EXPECT_EQ(listedekiler(), QStringList({"ZETA", "BETA"}));
    EXPECT_EQ(seçili(), "ZETA");
    EXPECT_EQ(p.FirmaListesi->numara(0), a);
    EXPECT_EQ(db().scalar("SELECT Adi FROM " + tablo(tür()) + " WHERE Nosu = ?", {a}).toString(), "ZETA");
}

TEST_P(FirmaPenceresi, SilmeHareketVarkenReddedilirSonraKomşuSeçilir)
{
    const qint64 a = firmaEkle("A FİRMA");
    firmaEkle("B FİRMA");
    firmaEkle("C FİRMA");
    hareketEkle(a);
    auto& p = aç();
    test::MesajYanıtlayıcı yanıt({"Tamam", "Hayır"});

    // The firm that movements name cannot be deleted.
    tıkla(p.SilKaydetDüğmesi);
    ASSERT_EQ(yanıt.sayı(), 1);
    EXPECT_EQ(yanıt.sonMetin(),
              tür() == FirmaTürü::Satıcı
                  ? "Bu firmadan GİRİŞ yapıldığı için, önce bu giriş işlemlerini silmeniz gerekir!"
                  : "Bu firmaya ÇIKIŞ yapıldığı için, önce bu çıkış işlemlerini silmeniz gerekir!");
    EXPECT_EQ(firmaSayısı(), tür() == FirmaTürü::Alıcı ? 4 : 3);

    // "No" to the question changes nothing.
    p.FirmaListesi->setCurrentRow(2);
    tıkla(p.SilKaydetDüğmesi);
    ASSERT_EQ(yanıt.sayı(), 2);
    EXPECT_EQ(yanıt.sonMetin(), "\"C FİRMA\" adlı bu firmayı silmek istediğinizden emin misiniz?");
    EXPECT_EQ(yanıt.görülenler().last().simge, mesaj::Simge::Soru);
    EXPECT_EQ(listedekiler().size(), 3);

    // Yes (the default): the third goes and the second is selected.
    tıkla(p.SilKaydetDüğmesi);
    EXPECT_EQ(listedekiler(), QStringList({"A FİRMA", "B FİRMA"}));
    EXPECT_EQ(seçili(), "B FİRMA");
    EXPECT_EQ(p.FirmaAdıKutusu->toPlainText(), "B FİRMA");
    göz(true);

    // Deleting the first selects the new first; deleting the only firm leaves nothing selected.
    db().exec("DELETE FROM GirisIslemleriTablosu");
    db().exec("DELETE FROM CikisIslemleriTablosu");
    p.FirmaListesi->setCurrentRow(0);
    tıkla(p.SilKaydetDüğmesi);
    EXPECT_EQ(listedekiler(), QStringList({"B FİRMA"}));
    EXPECT_EQ(seçili(), "B FİRMA");
    tıkla(p.SilKaydetDüğmesi);
    EXPECT_TRUE(listedekiler().isEmpty());
    göz(false);
    EXPECT_TRUE(p.FirmaAdıKutusu->toPlainText().isEmpty());
    EXPECT_EQ(firmaSayısı(), tür() == FirmaTürü::Alıcı ? 1 : 0);
    EXPECT_EQ(yanıt.sayı(), 5);
}

TEST_P(FirmaPenceresi, KutularınBiçimleriVeUzunlukları)
{
    auto& p = aç();
    tıkla(p.EkleDüğmesi);
    // Only digits pass, eleven at most.
    yaz(p.TelefonuKutusu, "5a3-2 1.2,34567890123");
    EXPECT_EQ(p.TelefonuKutusu->text(), "53212345678");
    p.FaksıKutusu->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(p.TelefonuKutusu->text(), "0532 123 45 67");
    tuşla(p.FaksıKutusu, "0");
    p.VergiNumarasıKutusu->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(p.FaksıKutusu->text(), "");
    tuşla(p.VergiNumarasıKutusu, "12345678901");
    p.TelefonuKutusu->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(p.VergiNumarasıKutusu->text(), "1234 567 8901");
    // Entering again shows the bare digits, all selected, with room for eleven.
    EXPECT_EQ(p.TelefonuKutusu->text(), "5321234567");
    EXPECT_EQ(p.TelefonuKutusu->selectedText(), "5321234567");
    EXPECT_EQ(p.TelefonuKutusu->maxLength(), 11);
    p.VergiNumarasıKutusu->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(p.VergiNumarasıKutusu->text(), "12345678901");
    QTest::keyClick(p.VergiNumarasıKutusu, Qt::Key_A, Qt::ControlModifier);
    tuşla(p.VergiNumarasıKutusu, "0012345678");
    p.TelefonuKutusu->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(p.VergiNumarasıKutusu->text(), "001 234 5678");
    p.VergiNumarasıKutusu->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(p.VergiNumarasıKutusu->text(), "0012345678");
    // While a box has the focus its caption is highlighted.
    EXPECT_EQ(p.Etiket[5]->palette().color(QPalette::WindowText), AlanGirişiKuralları::VurguRengi);
    EXPECT_NE(p.Etiket[2]->palette().color(QPalette::WindowText), AlanGirişiKuralları::VurguRengi);

    // Name and address take 255 characters; what goes over, typed in the middle, is dropped there.
    yaz(p.AdresiKutusu, QString(250, 'A') + "BCDEFGH");
    QTextCursor c = p.AdresiKutusu->textCursor();
    c.setPosition(3);
    p.AdresiKutusu->setTextCursor(c);
    tuşla(p.AdresiKutusu, "xyz");
    EXPECT_EQ(p.AdresiKutusu->toPlainText(), QString(250, 'A') + "BCDEF");
    yaz(p.FirmaAdıKutusu, QString(256, 'N'));
    EXPECT_EQ(p.FirmaAdıKutusu->toPlainText().size(), 255);
}

TEST_P(FirmaPenceresi, AramaSeçerBulamayıncaTemizlerListeÇerçevesiGeriGelir)
{
    firmaEkle("ABACI");
    firmaEkle("ABDİ");
    firmaEkle("İNCİ");
    firmaEkle("ıhlamur");
    auto& p = aç();
    yaz(p.BulKutusu, "ab");
    EXPECT_EQ(p.BulKutusu->text(), "AB");
    EXPECT_EQ(seçili(), "ABACI");
    tuşla(p.BulKutusu, "d");
    EXPECT_EQ(seçili(), "ABDİ");
    EXPECT_EQ(p.FirmaAdıKutusu->toPlainText(), "ABDİ");
    // Typed i is İ, typed ı is I: each finds its own letter.
    QTest::keyClick(p.BulKutusu, Qt::Key_A, Qt::ControlModifier);
    tuşla(p.BulKutusu, "ı");
    EXPECT_EQ(seçili(), "ıhlamur");
    QTest::keyClick(p.BulKutusu, Qt::Key_A, Qt::ControlModifier);
    tuşla(p.BulKutusu, "i");
    EXPECT_EQ(seçili(), "İNCİ");

    tuşla(p.BulKutusu, "x");
    EXPECT_EQ(p.FirmaListesi->currentRow(), -1);
    EXPECT_TRUE(p.FirmaAdıKutusu->toPlainText().isEmpty());
    durum(true, false, true, false, false, "Firma &Sil", "Kapat (Esc)");

    // Add and cancel from there: the list can be used again.
    tıkla(p.EkleDüğmesi);
    EXPECT_FALSE(p.Çerçeve[0]->isEnabled());
    tıkla(p.KapatVazgeçDüğmesi);
    EXPECT_TRUE(p.Çerçeve[0]->isEnabled());
    EXPECT_FALSE(p.DeğiştirDüğmesi->isEnabled());
    EXPECT_FALSE(p.SilKaydetDüğmesi->isEnabled());
    EXPECT_TRUE(p.isVisible());
}

TEST_P(FirmaPenceresi, EscVeKapatmaKutusu)
{
    firmaEkle("TEK");
    auto& p = aç();
    // Esc while adding cancels and shows the firm again; Esc while browsing closes.
    tıkla(p.EkleDüğmesi);
    yaz(p.FirmaAdıKutusu, "YARIM");
    QTest::keyClick(p.FirmaAdıKutusu, Qt::Key_Escape);
    göz(true);
    EXPECT_EQ(p.FirmaAdıKutusu->toPlainText(), "TEK");
    EXPECT_TRUE(p.isVisible());
    QTest::keyClick(&p, Qt::Key_Escape);
    EXPECT_FALSE(p.isVisible());

    // The close box closes in any mode, without saving.
    auto& q = aç();
    tıkla(q.EkleDüğmesi);
    yaz(q.FirmaAdıKutusu, "YARIM");
    yaz(q.AdresiKutusu, "ADRES");
    EXPECT_TRUE(q.close());
    EXPECT_FALSE(q.isVisible());
    EXPECT_EQ(firmaSayısı(), tür() == FirmaTürü::Alıcı ? 2 : 1);
}

TEST_P(FirmaPenceresi, YazılamayanKayıtKipiVeListeyiDeğiştirmez)
{
    const qint64 a = firmaEkle("ALFA");
    auto& p = aç();
    test::MesajYanıtlayıcı yanıt({"Evet"});

    // Another workstation removed the firm while it was being changed.
    tıkla(p.DeğiştirDüğmesi);
    db().exec("DELETE FROM " + tablo(tür()) + " WHERE Nosu = ?", {a});
    tıkla(p.SilKaydetDüğmesi);
    ASSERT_EQ(yanıt.sayı(), 1);
    EXPECT_EQ(yanıt.sonMetin(), "Bu firma başka bir bilgisayardan silinmiş!");
    düzenleme();
    EXPECT_EQ(listedekiler(), QStringList({"ALFA"}));
    EXPECT_EQ(firmaSayısı(), tür() == FirmaTürü::Alıcı ? 1 : 0);

    // A write that fails is reported; the add stays open and the list unchanged.
    tıkla(p.KapatVazgeçDüğmesi);
    db().execScript("CREATE TRIGGER engel BEFORE INSERT ON " + tablo(tür())
                    + " BEGIN SELECT RAISE(ABORT, 'disk dolu'); END;");
    tıkla(p.EkleDüğmesi);
    yaz(p.FirmaAdıKutusu, "YENİ");
    yaz(p.AdresiKutusu, "ADRES");
    tıkla(p.SilKaydetDüğmesi);
    ASSERT_EQ(yanıt.sayı(), 2);
    EXPECT_TRUE(yanıt.sonMetin().contains("disk dolu"));
    düzenleme();
    EXPECT_EQ(listedekiler(), QStringList({"ALFA"}));
    EXPECT_FALSE(db().inTransaction());
}

INSTANTIATE_TEST_SUITE_P(İkiTablo, FirmaPenceresi, ::testing::Values(FirmaTürü::Satıcı, FirmaTürü::Alıcı),
                         [](const auto& bilgi) {
                             return bilgi.param == FirmaTürü::Satıcı ? std::string("Satici")
                                                                     : std::string("Alici");
                         });

TEST(FirmaPenceresiAçıcıları, MenüAdlarıylaAçılırSeçiciyiKapatır)
{
    test::SunucuKlasörü sunucu;
    sunucu.db().exec("INSERT INTO AliciFirmalarTablosu (Adi, Adresi) VALUES ('MÜŞTERİ', 'X')");
    sunucu.db().exec("INSERT INTO SaticiFirmalarTablosu (Adi, Adresi) VALUES ('TEDARİKÇİ', 'X')");
    FirmaPencereleriniKaydet();
    QWidget sahip;
    sahip.show();

    struct Görülen {
        QString başlık, etiket, firma;
        QWidget* üst = nullptr;
        bool seçiciAçık = true;
    };
    for (const bool alıcı : {false, true}) {
        // The definition chooser is open while the window loads; the window closes it.
        QDialog seçici(&sahip);
        seçici.setObjectName("TanımlamaSeçFormu");
        seçici.show();
        SeçiliFirmaTablosu = alıcı ? AlıcıFirmaTablosuAdı : SatıcıFirmaTablosuAdı;
        Görülen g;
        QTimer::singleShot(0, [&] {
            auto* p = dynamic_cast<FirmaTanımlaFormu*>(QApplication::activeModalWidget());
            ASSERT_NE(p, nullptr);
            g = {p->windowTitle(), p->Tag, p->FirmaListesi->metin(0), p->parentWidget(), seçici.isVisible()};
            p->KapatVazgeçDüğmesi->click();
        });
        EXPECT_TRUE(açıcılar::aç(alıcı ? "AlıcıFirmaTanımlaMenüsü" : "SatıcıFirmaTanımlaMenüsü", &sahip));
        EXPECT_EQ(g.başlık, alıcı ? "Alıcı (Müşteri) Firma Tanımla (Ekle/Değiştir/Sil)"
                                  : "Satıcı Firma Tanımla (Ekle/Değiştir/Sil)");
        EXPECT_EQ(g.etiket, alıcı ? "1" : "0");
        EXPECT_EQ(g.firma, alıcı ? "MÜŞTERİ" : "TEDARİKÇİ");
        EXPECT_EQ(g.üst, &sahip);
        EXPECT_FALSE(g.seçiciAçık);
    }
    SeçiliFirmaTablosu.clear();
    açıcılar::temizle();
}

TEST(FirmaPenceresiAçıcıları, TabloSeçilmedenAçılanPencereYazamaz)
{
    test::SunucuKlasörü sunucu;
    test::MesajYanıtlayıcı yanıt({"Evet"});
    SeçiliFirmaTablosu = "UrunBilgileriTablosu ";
    FirmaTanımlaFormu p;
    EXPECT_EQ(yanıt.sayı(), 1);
    EXPECT_FALSE(p.türü().has_value());
    EXPECT_FALSE(p.EkleDüğmesi->isEnabled());
    EXPECT_EQ(p.FirmaListesi->count(), 0);
    SeçiliFirmaTablosu.clear();
}

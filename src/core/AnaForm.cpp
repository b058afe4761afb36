#include "core/AnaForm.h"

#include "core/Acicilar.h"
#include "core/KarsilamaFormu.h"
#include "core/OrtakDegiskenler.h"
#include "core/OrtakYordamlar.h"
#include "platform/Ayarlar.h"
#include "platform/Mesaj.h"
#include "platform/TurkceMetin.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <optional>

namespace {

QPointer<AnaForm>& tekÖrnek()
{
    static QPointer<AnaForm> a;
    return a;
}

constexpr double TwipPiksel = 15.0;
int piksel(double twip) { return qRound(twip / TwipPiksel); }
qint64 twip(int piksel) { return qint64(piksel) * 15; }

const QString AyarlarBölümü = QStringLiteral("Ayarlar");

// A stored placement number, whatever decimal separator it was written with.
std::optional<double> yerleşimSayısı(const QString& metin)
{
    QString m = metin.trimmed();
    m.replace(QLatin1Char(','), QLatin1Char('.'));
    bool tamam = false;
    const double d = m.toDouble(&tamam);
    if (!tamam) return std::nullopt;
    return d;
}

// Reads one placement key: its value, the default when the key is absent, or nothing (after the
// reporter has shown the error) when the value is not a number.
std::optional<double> yerleşimOku(const QString& anahtar, double varsayılan)
{
    const QString m = ayarlar::oku(AyarlarBölümü, anahtar);
    if (m.trimmed().isEmpty()) return varsayılan;
    std::optional<double> d = yerleşimSayısı(m);
    if (!d) OrtakHataİşleyici(13, QStringLiteral("Tür uyuşmazlığı: \"%1\" = \"%2\"").arg(anahtar, m));
    return d;
}

struct MenüSatırı {
    const char* ad;       // empty: a separator
    const char* başlık;
    QKeySequence kısayol;
};

struct Düğme {
    int sıra;
    const char* başlık;   // null: a separator
    const char* ipucu;
    const char* simge;
    const char* açıcı;
};

constexpr Düğme Düğmeler[] = {
    {1, nullptr, nullptr, nullptr, nullptr},
    {2, "Tanımlamalar", "Ürün, alıcı ve satıcı firma ekleme/değiştirme/silme", "TANIMLA", "TanımlamaSeçFormu"},
    {3, nullptr, nullptr, nullptr, nullptr},
    {4, " Stoğa Giriş", "Stoğa ürün girişi işlemleri", "GIRIS", "StoğaGirişYapMenüsü"},
    {5, " Stoktan Çıkış", "Stoktan ürün çıkışı işlemleri", "CIKIS", "StoktanÇıkışYapMenüsü"},
    {6, "Hareketler", "Stok hareketlerini izleme/düzenleme", "HAREKET", "ÜrünlereGöreStokHareketleriMenüsü"},
    {7, nullptr, nullptr, nullptr, nullptr},
    {8, "Fatura Yazdır", "Seçilen müşteri için fatura yazdırma", "YAZICI", "FaturaYazdırMenüsü"},
    {9, nullptr, nullptr, nullptr, nullptr},
    {10, "Tercihler", "Programı kişisel tercihlere göre ayarlama", "AYARLAR", "TercihlerMenüsü"},
};

// Caps Lock as the keyboard's light shows it; empty when the machine does not tell.
bool büyükHarfKilidiAçık(bool* bilinir)
{
    static const QStringList dosyalar = [] {
        QStringList l;
        const QDir d(QStringLiteral("/sys/class/leds"));
        for (const QString& ad : d.entryList({QStringLiteral("*capslock*")}, QDir::Dirs | QDir::NoDotAndDotDot))
            l << d.filePath(ad) + QStringLiteral("/brightness");
        return l;
    }();
    *bilinir = false;
    for (const QString& yol : dosyalar) {
        QFile f(yol);
        if (!f.open(QIODevice::ReadOnly)) continue;
        *bilinir = true;
        if (f.readAll().trimmed().toInt() > 0) return true;
    }
    return false;
}

}  // namespace

AnaForm::AnaForm()
{
    setObjectName(QStringLiteral("AnaForm"));
    tekÖrnek() = this;
    // The designed size, kept when a stored value cannot be read.
    resize(800, 600);
    menüleriKur();
    düğmeÇubuğunuKur();
    durumÇubuğunuKur();
}

AnaForm::~AnaForm()
{
    if (tekÖrnek() == this) tekÖrnek() = nullptr;
}

AnaForm* AnaForm::örnek() { return tekÖrnek(); }

void AnaForm::menüleriKur()
{
    auto menüKur = [this](QMenu* menü, std::initializer_list<MenüSatırı> satırlar) {
        for (const MenüSatırı& s : satırlar) {
            if (!*s.ad) {
                menü->addSeparator();
                continue;
            }
            QAction* öğe = menü->addAction(QString::fromUtf8(s.başlık));
            const QString ad = QString::fromUtf8(s.ad);
            öğe->setObjectName(ad);
            if (!s.kısayol.isEmpty()) öğe->setShortcut(s.kısayol);
            connect(öğe, &QAction::triggered, this, [this, ad] { MenüdenAç(ad); });
        }
    };
    menuBar()->setObjectName(QStringLiteral("MenüÇubuğu"));

    QMenu* program = menuBar()->addMenu(QStringLiteral("&Program"));
    program->setObjectName(QStringLiteral("ProgramMenüsü"));
    menüKur(program, {{"GirişŞifresiBelirleDeğiştirMenüsü", "Giriş Şifresi Belirle...", QKeySequence(Qt::CTRL | Qt::Key_G)},
                      {"TercihlerMenüsü", "&Tercihler...", QKeySequence(Qt::CTRL | Qt::Key_T)},
                      {"FaturaAyarlarıMenüsü", "&Fatura Ayarları...", QKeySequence(Qt::CTRL | Qt::Key_R)},
                      {"", "", {}},
                      {"FaturaYazdırMenüsü", "Fatura &Yazdır", QKeySequence(Qt::CTRL | Qt::Key_Y)},
                      {"", "", {}},
                      {"SunucuDeğiştirMenüsü", "Sunucu Değiştir...", {}},
                      {"", "", {}},
                      {"ÇıkışMenüsü", "Çıkış", {}}});

    QMenu* stok = menuBar()->addMenu(QStringLiteral("&Stok İşlemleri"));
    stok->setObjectName(QStringLiteral("StokİşlemleriMenüsü"));
    menüKur(stok, {{"ÜrünTanımlaMenüsü", "Ü&rün Tanımla...", QKeySequence(Qt::CTRL | Qt::Key_F1)},
                   {"SatıcıFirmaTanımlaMenüsü", "Satı&cı Firma Tanımla...", QKeySequence(Qt::CTRL | Qt::Key_F2)},
                   {"AlıcıFirmaTanımlaMenüsü", "&Alıcı (Müşteri) Firma Tanımla...", QKeySequence(Qt::CTRL | Qt::Key_F3)},
                   {"", "", {}},
                   {"StoğaGirişYapMenüsü", "Stoğa &Giriş Yap...", QKeySequence(Qt::Key_F2)},
                   {"StoktanÇıkışYapMenüsü", "Sto&ktan Çıkış Yap...", QKeySequence(Qt::Key_F3)},
                   {"", "", {}}});
    QMenu* hareketler = stok->addMenu(QStringLiteral("Stok &Hareketleri"));
    hareketler->setObjectName(QStringLiteral("StokHareketleriMenüsü"));
    menüKur(hareketler,
            {{"ÜrünlereGöreStokHareketleriMenüsü", "Ürünlere Göre...", QKeySequence(Qt::Key_F4)},
             {"GirişÇıkışYapanlaraGöreStokHareketleriMenüsü", "Giriş-Çıkış Yapanlara Göre...", {}}});

    ListelerMenüsü = menuBar()->addMenu(QStringLiteral("&Listeler"));
    ListelerMenüsü->setObjectName(QStringLiteral("ListelerMenüsü"));
    menüKur(ListelerMenüsü,
            {{"GüncelStokListesiMenüsü", "Güncel &Stok Listesi", QKeySequence(Qt::Key_F5)},
             {"", "", {}},
             {"ÇıkışNedenineGöreStokListesiMenüsü", "Çı&kış Nedenine Göre Stok Listesi", QKeySequence(Qt::Key_F6)},
             {"SatıcıFirmalaraGöreStokListesi", "&Satıcı Firmalara Göre Stok Listesi", QKeySequence(Qt::Key_F7)},
             {"AlıcıFirmalaraGöreStokListesi", "&Alıcı Firmalara Göre Stok Listesi", QKeySequence(Qt::Key_F8)},
             {"", "", {}},
             {"MevcuduAzalanÜrünlerListesiMenüsü", "&Mevcudu Azalan Ürünler Listesi", QKeySequence(Qt::Key_F9)},
             {"", "", {}},
             {"GünlükGirişİşlemleriListesi", "Günlük Giriş İşlemleri", QKeySequence(Qt::CTRL | Qt::Key_I)},
             {"GünlükÇıkışİşlemleriListesi", "Günlük Çıkış İşlemleri", QKeySequence(Qt::CTRL | Qt::Key_K)},
             {"", "", {}},
             {"StoğaİadeEdilenÜrünlerListesiMenüsü", "Stoğa İade Edilen Ürünler Listesi", QKeySequence(Qt::CTRL | Qt::Key_L)},
             {"", "", {}},
             {"KarListesiMenüsü", "Dönemsel Kâr Listesi", QKeySequence(Qt::CTRL | Qt::Key_D)}});

    QMenu* yardım = menuBar()->addMenu(QStringLiteral("&Yardım"));
    yardım->setObjectName(QStringLiteral("YardımMenüsü"));
    menüKur(yardım, {{"HataBildirmeMenüsü", "&Hata Bildirme...", {}}, {"HakkındaMenüsü", "Hakkında", {}}});
}

void AnaForm::düğmeÇubuğunuKur()
{
    DüğmeÇubuğu = addToolBar(QStringLiteral("DüğmeÇubuğu"));
    DüğmeÇubuğu->setObjectName(QStringLiteral("DüğmeÇubuğu"));
    DüğmeÇubuğu->setMovable(false);
    DüğmeÇubuğu->setFloatable(false);
    DüğmeÇubuğu->setIconSize(QSize(32, 32));
    DüğmeÇubuğu->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const Düğme& d : Düğmeler) {
        QAction* a = d.başlık ? DüğmeÇubuğu->addAction(QString::fromUtf8(d.başlık)) : DüğmeÇubuğu->addSeparator();
        a->setObjectName(QStringLiteral("Düğme(%1)").arg(d.sıra));
        if (d.ipucu) a->setToolTip(QString::fromUtf8(d.ipucu));
        const int sıra = d.sıra;
        connect(a, &QAction::triggered, this, [this, sıra] { DüğmeÇubuğu_ButtonClick(sıra); });
    }
}

void AnaForm::durumÇubuğunuKur()
{
    QStatusBar* durum = statusBar();
    durum->setObjectName(QStringLiteral("DurumÇubuğu"));
    durum->setSizeGripEnabled(true);
    const int genişlikler[] = {2400, 2400, 1440, 1440, 1440};
    for (int i = 0; i < 5; ++i) {
        auto* panel = new QLabel(durum);
        panel->setObjectName(QStringLiteral("Panel(%1)").arg(i + 1));
        panel->setMinimumWidth(piksel(genişlikler[i]));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (i >= 2) panel->setAlignment(Qt::AlignCenter);
        durum->addWidget(panel, i < 2 ? 1 : 0);
        paneller_ << panel;
    }
    durumlarıTazele();
    auto* zamanlayıcı = new QTimer(this);
    connect(zamanlayıcı, &QTimer::timeout, this, &AnaForm::durumlarıTazele);
    zamanlayıcı->start(1000);
}

void AnaForm::durumlarıTazele()
{
    paneller_[2]->setText(turkce::tarihBiçimi(QDate::currentDate()));
    bool bilinir = false;
    const bool açık = büyükHarfKilidiAçık(&bilinir);
    paneller_[3]->setText(bilinir && açık ? QStringLiteral("CAPS") : QString());
    // The insert state of the keyboard is not known on this platform: the panel stays blank.
}

QLabel* AnaForm::DurumPaneli(int sıra) const { return paneller_.value(sıra - 1); }

void AnaForm::DurumPaneliniYaz(int sıra, const QString& metin)
{
    if (AnaForm* a = örnek())
        if (QLabel* p = a->DurumPaneli(sıra)) p->setText(metin);
}

QAction* AnaForm::menüÖğesi(const QString& ad) const { return findChild<QAction*>(ad); }

void AnaForm::Form_Load()
{
    // 1-2. The toolbar's icons.
    HatadaDevam([this] {
        for (const Düğme& d : Düğmeler)
            if (d.simge)
                if (QAction* a = findChild<QAction*>(QStringLiteral("Düğme(%1)").arg(d.sıra)))
                    a->setIcon(QIcon(QStringLiteral(":/%1.png").arg(QString::fromUtf8(d.simge))));
    });
    // 3. The caption.
    HatadaDevam([this] { setWindowTitle(BaşlıkMetni); });
    // 4. The placement of the last exit.
    yerleşimiGeriYükle();
    // 5. Visible.
    HatadaDevam([this] { show(); });
    Form_Activate();
    // 6. The splash has done its work.
    HatadaDevam([] { KarşılamaFormu::Kapat(); });
}

void AnaForm::yerleşimiGeriYükle()
{
    QSize ekran(800, 600);
    if (QScreen* s = QGuiApplication::primaryScreen()) ekran = s->geometry().size();
    const double ekranY = twip(ekran.height());
    const double ekranG = twip(ekran.width());

    if (std::optional<double> konum = yerleşimOku(QStringLiteral("Baslama Konumu"), 1); konum && qRound(*konum) == 2) {
        setWindowState(Qt::WindowMaximized);
        return;
    }
    // Each value in turn; the centring defaults use the size as it stands after the stored one.
    if (auto y = yerleşimOku(QStringLiteral("Yukseklik"), ekranY - 400)) resize(width(), piksel(*y));
    if (auto g = yerleşimOku(QStringLiteral("Genislik"), ekranG)) resize(piksel(*g), height());
    if (auto üst = yerleşimOku(QStringLiteral("Ust Bosluk"), (ekranY - twip(height()) - 400) / 2))
        move(x(), piksel(*üst));
    if (auto sol = yerleşimOku(QStringLiteral("Sol Bosluk"), (ekranG - twip(width())) / 2)) move(piksel(*sol), y());
}

void AnaForm::yerleşimiKaydet()
{
    // The normal-state geometry only in the normal state, as whole twips.
    HatayıAtla([this] {
        if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) return;
        ayarlar::yaz(AyarlarBölümü, QStringLiteral("Yukseklik"), QString::number(twip(height())));
        ayarlar::yaz(AyarlarBölümü, QStringLiteral("Genislik"), QString::number(twip(width())));
        ayarlar::yaz(AyarlarBölümü, QStringLiteral("Sol Bosluk"), QString::number(twip(x())));
        ayarlar::yaz(AyarlarBölümü, QStringLiteral("Ust Bosluk"), QString::number(twip(y())));
    });
    HatayıAtla([this] {
        if (isMinimized()) return;
        ayarlar::yaz(AyarlarBölümü, QStringLiteral("Baslama Konumu"),
                     isMaximized() ? QStringLiteral("2") : QStringLiteral("0"));
    });
    HatayıAtla([] { ayarlar::kaydet(); });
}

void AnaForm::Form_Activate()
{
    if (QAction* a = menüÖğesi(QStringLiteral("GirişŞifresiBelirleDeğiştirMenüsü")))
        a->setText(GirişŞifresiSor ? ŞifreDeğiştirBaşlığı : ŞifreBelirleBaşlığı);
}

bool AnaForm::event(QEvent* olay)
{
    if (olay->type() == QEvent::WindowActivate) Form_Activate();
    return QMainWindow::event(olay);
}

bool AnaForm::YazıcıDenetimi()
{
    if (YazıcıVar) return true;
    mesaj::göster(YazıcıYokMetni, mesaj::Simge::Ünlem);
    return false;
}

void AnaForm::DüğmeÇubuğu_ButtonClick(int sıra)
{
    // A failing step is skipped without a message.
    HatayıAtla([this, sıra] {
        for (const Düğme& d : Düğmeler) {
            if (d.sıra != sıra || !d.açıcı) continue;
            if (sıra == 8 && !YazıcıDenetimi()) return;
            açıcılar::aç(QString::fromUtf8(d.açıcı), this);
        }
    });
    Form_Activate();
}

void AnaForm::MenüdenAç(const QString& ad)
{
    // The windows opened from here handle their own errors; anything that still comes back is
    // reported rather than left to end the program.
    HatadaDevam([this, &ad] {
        if (ad == QStringLiteral("ÇıkışMenüsü")) {
            Boşalt();
            return;
        }
        if (ad == QStringLiteral("FaturaAyarlarıMenüsü") && !YazıcıDenetimi()) return;
        if (ad == QStringLiteral("SatıcıFirmaTanımlaMenüsü") || ad == QStringLiteral("SatıcıFirmalaraGöreStokListesi"))
            SeçiliFirmaTablosu = SatıcıFirmaTablosuAdı;
        else if (ad == QStringLiteral("AlıcıFirmaTanımlaMenüsü") || ad == QStringLiteral("AlıcıFirmalaraGöreStokListesi"))
            SeçiliFirmaTablosu = AlıcıFirmaTablosuAdı;
        else if (ad == QStringLiteral("GüncelStokListesiMenüsü"))
            StokListesiTürü = 0;
        else if (ad == QStringLiteral("MevcuduAzalanÜrünlerListesiMenüsü"))
            StokListesiTürü = 1;
        else if (ad == QStringLiteral("GünlükGirişİşlemleriListesi") || ad == QStringLiteral("GünlükÇıkışİşlemleriListesi")) {
            ListelerMenüsüTag = ad == QStringLiteral("GünlükGirişİşlemleriListesi") ? QStringLiteral("1") : QStringLiteral("2");
            ListelerMenüsü->setProperty("Tag", ListelerMenüsüTag);
        }
        açıcılar::aç(ad, this);
    });
    if (isVisible()) Form_Activate();
}

void AnaForm::Boşalt()
{
    boşaltmaModu_ = BoşaltmaModu::Program;
    close();
    boşaltmaModu_ = BoşaltmaModu::Kullanıcı;
}

void AnaForm::AnaFormuBoşalt()
{
    if (AnaForm* a = örnek()) a->Boşalt();
}

void AnaForm::closeEvent(QCloseEvent* olay)
{
    if (kapanıyor_) {  // a window closed below asked for the main window's unload again
        olay->accept();
        return;
    }
    const bool kullanıcı = boşaltmaModu_ == BoşaltmaModu::Kullanıcı && !qApp->isSavingSession();
    if (kullanıcı) {
        const bool küçük = isMinimized();
        mesaj::Yanıt yanıt = mesaj::Yanıt::Evet;
        HatayıAtla([&] {
            yanıt = mesaj::göster(ÇıkışSorusu, mesaj::Simge::Soru, mesaj::Düğmeler::EvetHayır, mesaj::Yanıt::Evet,
                                  mesaj::VarsayılanBaşlık, !küçük);
        });
        if (yanıt == mesaj::Yanıt::Hayır) {
            olay->ignore();
            return;
        }
    }
    kapanıyor_ = true;
    yerleşimiKaydet();
    // Every other window goes with the main window.
    HatayıAtla([this] {
        KarşılamaFormu::Kapat();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != this && w->isVisible() && !w->inherits("QMenu")) w->close();
    });
    kapanıyor_ = false;
    olay->accept();
    QMainWindow::closeEvent(olay);
    if (boşaltılınca_) boşaltılınca_();
}

const QList<QPixmap>& AnaForm::ListeSütunuSimgeleri()
{
    static const QList<QPixmap> simgeler = [] {
        QList<QPixmap> l;
        for (bool yukarı : {true, false}) {
            QPixmap p(16, 16);
            p.fill(Qt::transparent);
            QPainter boya(&p);
            boya.setRenderHint(QPainter::Antialiasing);
            boya.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
            const QPolygonF üçgen = yukarı ? QPolygonF({QPointF(3.5, 11.5), QPointF(8, 4.5), QPointF(12.5, 11.5)})
                                           : QPolygonF({QPointF(3.5, 4.5), QPointF(8, 11.5), QPointF(12.5, 4.5)});
            boya.drawPolygon(üçgen);
            l << p;
        }
        return l;
    }();
    return simgeler;
}

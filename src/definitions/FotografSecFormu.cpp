#include "definitions/FotografSecFormu.h"

#include "core/OrtakDegiskenler.h"
#include "core/OrtakYordamlar.h"
#include "definitions/FotografKutusu.h"
#include "definitions/UrunFotograflari.h"
#include "platform/Ayarlar.h"
#include "platform/Mesaj.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>
#include <QVBoxLayout>

namespace {
const QString AyarlarBölümü = QStringLiteral("Ayarlar");
const QString SonKlasörAnahtarı = QStringLiteral("Son Klasor");

QString programKlasörü()
{
    return ProgramKlasörü.isEmpty() ? QCoreApplication::applicationDirPath() : ProgramKlasörü;
}

// Where the chooser opens when it has shown no folder before: the user's pictures, or the home folder.
QString resimKlasörü()
{
    const QString resimler = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QFileInfo(resimler).isDir() ? resimler : QDir::homePath();
}

QString kökü(const QString& yol)
{
    const QString kök = QStorageInfo(yol).rootPath();
    return kök.isEmpty() ? QDir::rootPath() : kök;
}

bool okunabilirKlasör(const QString& yol)
{
    const QFileInfo b(yol);
    return !yol.isEmpty() && b.isDir() && b.isReadable() && b.isExecutable();
}
}  // namespace

FotoğrafSeçFormu::FotoğrafSeçFormu(QWidget* sahip) : QDialog(sahip)
{
    setObjectName(QStringLiteral("FotoğrafSeçFormu"));
    setWindowTitle(QStringLiteral("Fotoğraf Seç..."));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    const QString etiketler[4] = {QStringLiteral("&Sürücü(ler)"), QStringLiteral("&Klasörler"),
                                  QStringLiteral("&Fotoğraflar (*.bmp, *.jpg)"), QStringLiteral("Önizleme")};
    QLabel* Etiket[4];
    for (int i = 0; i < 4; ++i) {
        Etiket[i] = new QLabel(etiketler[i], this);
        Etiket[i]->setObjectName(QStringLiteral("Etiket(%1)").arg(i));
    }

    SürücüListesi = new QComboBox(this);
    SürücüListesi->setObjectName(QStringLiteral("SürücüListesi"));
    KlasörListesi = new QListWidget(this);
    KlasörListesi->setObjectName(QStringLiteral("KlasörListesi"));
    DosyaListesi = new QListWidget(this);
    DosyaListesi->setObjectName(QStringLiteral("DosyaListesi"));
    ÖrnekKutusu = new FotoğrafKutusu(this);
    ÖrnekKutusu->setObjectName(QStringLiteral("ÖrnekKutusu"));
    OrjinalFotoğrafKutusu = new QLabel(this);
    OrjinalFotoğrafKutusu->setObjectName(QStringLiteral("OrjinalFotoğrafKutusu"));
    OrjinalFotoğrafKutusu->hide();
    Etiket[0]->setBuddy(SürücüListesi);
    Etiket[1]->setBuddy(KlasörListesi);
    Etiket[2]->setBuddy(DosyaListesi);

    TamamDüğmesi = new QPushButton(QStringLiteral("Tamam"), this);
    TamamDüğmesi->setObjectName(QStringLiteral("TamamDüğmesi"));
    İptalDüğmesi = new QPushButton(QStringLiteral("İptal"), this);
    İptalDüğmesi->setObjectName(QStringLiteral("İptalDüğmesi"));
    // Enter in a list opens a folder or picks a file; it presses no button.
    TamamDüğmesi->setAutoDefault(false);
    İptalDüğmesi->setAutoDefault(false);

    auto* düzen = new QGridLayout(this);
    düzen->addWidget(Etiket[0], 0, 0);
    düzen->addWidget(SürücüListesi, 1, 0);
    düzen->addWidget(Etiket[1], 2, 0);
    düzen->addWidget(KlasörListesi, 3, 0);
    düzen->addWidget(Etiket[2], 0, 1);
    düzen->addWidget(DosyaListesi, 1, 1, 3, 1);
    auto* sağ = new QVBoxLayout;
    sağ->addWidget(Etiket[3]);
    sağ->addWidget(ÖrnekKutusu);
    sağ->addStretch();
    sağ->addWidget(TamamDüğmesi);
    sağ->addWidget(İptalDüğmesi);
    düzen->addLayout(sağ, 0, 2, 4, 1);
    düzen->setColumnMinimumWidth(0, 190);
    düzen->setColumnMinimumWidth(1, 170);
    düzen->setRowStretch(3, 1);
    resize(560, 320);

    connect(SürücüListesi, &QComboBox::currentIndexChanged, this, [this] { SürücüListesi_Change(); });
    connect(KlasörListesi, &QListWidget::itemActivated, this, [this](QListWidgetItem* öğe) {
        if (öğe) klasörüAyarla(öğe->data(Qt::UserRole).toString());
    });
    connect(DosyaListesi, &QListWidget::itemSelectionChanged, this, [this] { DosyaListesi_Click(); });
    connect(TamamDüğmesi, &QPushButton::clicked, this, &FotoğrafSeçFormu::TamamDüğmesi_Click);
    connect(İptalDüğmesi, &QPushButton::clicked, this, &FotoğrafSeçFormu::İptalDüğmesi_Click);

    // Opening: the folder shown last when it is still there, else the user's pictures.
    sürücüleriDoldur();
    sürücüyüSeç(programSürücüsü());
    const QString son = ayarlar::oku(AyarlarBölümü, SonKlasörAnahtarı);
    if (!(DosyaVarMı(son) && klasörüAyarla(son))) klasörüAyarla(resimKlasörü());
    if (!SunucuYolu.isEmpty() && DosyaVarMı(SunucuYolu) && !DosyaVarMı(ürün::fotoğrafKlasörü(SunucuYolu)))
        QDir(SunucuYolu).mkdir(QStringLiteral("Images"));
}

QImage FotoğrafSeçFormu::önizleme() const { return ÖrnekKutusu->resim(); }

QString FotoğrafSeçFormu::programSürücüsü() const { return kökü(programKlasörü()); }

void FotoğrafSeçFormu::sürücüleriDoldur()
{
    QStringList kökler;
    for (const QStorageInfo& b : QStorageInfo::mountedVolumes())
        if (b.isValid() && b.isReady() && !kökler.contains(b.rootPath())) kökler.append(b.rootPath());
    if (!kökler.contains(programSürücüsü())) kökler.append(programSürücüsü());
    kökler.sort();
    const QSignalBlocker engel(SürücüListesi);
    SürücüListesi->clear();
    SürücüListesi->addItems(kökler);
}

void FotoğrafSeçFormu::sürücüyüSeç(const QString& kök)
{
    const QSignalBlocker engel(SürücüListesi);
    int i = SürücüListesi->findText(kök);
    if (i < 0) {
        SürücüListesi->addItem(kök);
        i = SürücüListesi->count() - 1;
    }
    SürücüListesi->setCurrentIndex(i);
}

bool FotoğrafSeçFormu::klasörüAyarla(const QString& yol)
{
    if (!okunabilirKlasör(yol)) return false;
    klasörYolu_ = QDir::cleanPath(QFileInfo(yol).absoluteFilePath());
    sürücüyüSeç(kökü(klasörYolu_));

    // The folder's ancestors down to it, then its subfolders, indented as a tree.
    const QSignalBlocker engel(KlasörListesi);
    KlasörListesi->clear();
    QStringList atalar;
    for (QDir d(klasörYolu_);; ) {
        atalar.prepend(d.absolutePath());
        if (d.isRoot() || !d.cdUp()) break;
    }
    const QIcon açık = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon kapalı = style()->standardIcon(QStyle::SP_DirClosedIcon);
    for (int i = 0; i < atalar.size(); ++i) {
        const QString ad = i == 0 ? QDir::toNativeSeparators(atalar[i]) : QFileInfo(atalar[i]).fileName();
        auto* öğe = new QListWidgetItem(açık, QString(i * 2, QLatin1Char(' ')) + ad, KlasörListesi);
        öğe->setData(Qt::UserRole, atalar[i]);
    }
    const int derinlik = int(atalar.size());
    const QStringList altlar =
        QDir(klasörYolu_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& alt : altlar) {
        auto* öğe = new QListWidgetItem(kapalı, QString(derinlik * 2, QLatin1Char(' ')) + alt, KlasörListesi);
        öğe->setData(Qt::UserRole, QDir(klasörYolu_).filePath(alt));
    }
    KlasörListesi->setCurrentRow(derinlik - 1);
    KlasörListesi_Change();
    return true;
}

void FotoğrafSeçFormu::SürücüListesi_Change()
{
    const QString kök = SürücüListesi->currentText();
    if (klasörüAyarla(kök)) return;
    mesaj::göster(QStringLiteral("Seçtiğiniz sürücüye ulaşılamıyor!"), mesaj::Simge::Bilgi);
    sürücüyüSeç(programSürücüsü());
    klasörüAyarla(programSürücüsü());
}

void FotoğrafSeçFormu::KlasörListesi_Change()
{
    const QSignalBlocker engel(DosyaListesi);
    DosyaListesi->clear();
    const QDir dizin(klasörYolu_);
    if (!dizin.isReadable()) {
        const QString şimdiki = QDir::currentPath();
        if (şimdiki != klasörYolu_) klasörüAyarla(şimdiki);
        return;
    }
    const QStringList dosyalar =
        dizin.entryList({QStringLiteral("*.bmp"), QStringLiteral("*.jpg")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    DosyaListesi->addItems(dosyalar);
}

void FotoğrafSeçFormu::DosyaListesi_Click()
{
    const QList<QListWidgetItem*> seçili = DosyaListesi->selectedItems();
    if (seçili.isEmpty()) return;
    const QString ad = seçili.first()->text();
    const QImage resim = ürün::resmiOku(QDir(klasörYolu_).filePath(ad));
    // A file that is not a picture leaves the preview as it was.
    if (resim.isNull()) return;
    orjinal_ = resim;
    gösterilenAd_ = ad;
    OrjinalFotoğrafKutusu->setPixmap(QPixmap::fromImage(orjinal_));
    OrjinalFotoğrafKutusu->resize(orjinal_.size());
    OrjinalFotoğrafKutusu_Change();
}

void FotoğrafSeçFormu::OrjinalFotoğrafKutusu_Change()
{
    ÖrnekKutusu->setResim(ürün::önizlemeResmi(orjinal_, ÖrnekKutusu->içBoyut()));
}

void FotoğrafSeçFormu::TamamDüğmesi_Click()
{
    if (orjinal_.isNull()) {
        mesaj::göster(QStringLiteral("Lütfen, listeden bir fotoğraf dosyası seçiniz!"), mesaj::Simge::Bilgi);
        DosyaListesi->setFocus();
        return;
    }
    // The name of the picture the preview shows, also when a later click found no picture.
    FotoğrafAdı = gösterilenAd_;
    accept();
}

void FotoğrafSeçFormu::İptalDüğmesi_Click() { reject(); }

void FotoğrafSeçFormu::done(int sonuç)
{
    if (!klasörYolu_.isEmpty()) {
        ayarlar::yaz(AyarlarBölümü, SonKlasörAnahtarı, QDir::toNativeSeparators(klasörYolu_));
        ayarlar::kaydet();
    }
    QDialog::done(sonuç);
}

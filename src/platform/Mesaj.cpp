#include "platform/Mesaj.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace mesaj {

QWidget* sahipPencere()
{
    QWidget* w = QApplication::activeModalWidget();
    if (!w) w = QApplication::activeWindow();
    if (!w || w->isMinimized() || !w->isVisible()) return nullptr;
    const QRect r = w->frameGeometry();
    if (r.left() < 0 || r.top() < 0 || r.right() < 0 || r.bottom() < 0) return nullptr;
    return w;
}

Yanıt göster(const QString& metin, Simge simge, Düğmeler düğmeler, const QString& başlık, bool ortala)
{
    const Yanıt varsayılan = (düğmeler == Düğmeler::EvetHayır || düğmeler == Düğmeler::EvetHayırİptal)
                                 ? Yanıt::Evet
                                 : Yanıt::Tamam;
    return göster(metin, simge, düğmeler, varsayılan, başlık, ortala);
}

Yanıt göster(const QString& metin, Simge simge, Düğmeler düğmeler, Yanıt varsayılan, const QString& başlık,
             bool ortala)
{
    QMessageBox kutu(ortala ? sahipPencere() : nullptr);
    kutu.setWindowTitle(başlık);
    kutu.setText(metin);
    kutu.setObjectName(QStringLiteral("MesajKutusu"));
    switch (simge) {
    case Simge::Bilgi: kutu.setIcon(QMessageBox::Information); break;
    case Simge::Ünlem: kutu.setIcon(QMessageBox::Warning); break;
    case Simge::Soru: kutu.setIcon(QMessageBox::Question); break;
    case Simge::Kritik: kutu.setIcon(QMessageBox::Critical); break;
    case Simge::Yok: kutu.setIcon(QMessageBox::NoIcon); break;
    }
    struct Düğme {
        Yanıt yanıt;
        QString metin;
        QMessageBox::ButtonRole rol;
    };
    QList<Düğme> liste;
    switch (düğmeler) {
    case Düğmeler::Tamam: liste = {{Yanıt::Tamam, QStringLiteral("Tamam"), QMessageBox::AcceptRole}}; break;
    case Düğmeler::TamamİptalEt:
        liste = {{Yanıt::Tamam, QStringLiteral("Tamam"), QMessageBox::AcceptRole},
                 {Yanıt::İptal, QStringLiteral("İptal"), QMessageBox::RejectRole}};
        break;
    case Düğmeler::EvetHayır:
        liste = {{Yanıt::Evet, QStringLiteral("Evet"), QMessageBox::YesRole},
                 {Yanıt::Hayır, QStringLiteral("Hayır"), QMessageBox::NoRole}};
        break;
    case Düğmeler::EvetHayırİptal:
        liste = {{Yanıt::Evet, QStringLiteral("Evet"), QMessageBox::YesRole},
                 {Yanıt::Hayır, QStringLiteral("Hayır"), QMessageBox::NoRole},
                 {Yanıt::İptal, QStringLiteral("İptal"), QMessageBox::RejectRole}};
        break;
    }
    QList<QPair<QAbstractButton*, Yanıt>> eşler;
    for (const Düğme& d : liste) {
        QPushButton* b = kutu.addButton(d.metin, d.rol);
        b->setObjectName(d.metin);
        eşler.append({b, d.yanıt});
        if (d.yanıt == varsayılan) kutu.setDefaultButton(b);
    }
    // Esc: the cancel or "No" button; with only OK, OK.
    kutu.setEscapeButton(eşler.last().first);
    kutu.exec();
    QAbstractButton* tıklanan = kutu.clickedButton();
    for (const auto& e : eşler)
        if (e.first == tıklanan) return e.second;
    return eşler.last().second;
}

}  // namespace mesaj

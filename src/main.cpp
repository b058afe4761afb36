// Starts the program: the start routine finds and opens the shared database and shows the main window;
// the program then runs until the main window is closed.
#include "core/AnaForm.h"
#include "core/BaslangicModulu.h"
#include "core/CekirdekPencereler.h"
#include "definitions/FirmaKayit.h"
#include "definitions/TanimlamaKayit.h"
#include "invoicing/FaturaBaskiKayit.h"
#include "invoicing/FaturaKayit.h"
#include "movement_history/HareketGecmisiKayit.h"
#include "movement_reports/HareketRaporlariKayit.h"
#include "platform/ProgramSonu.h"
#include "stock_lists/StokListeleriKayit.h"
#include "stock_movements/StokKayit.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication uygulama(argc, argv);
    // The program ends when the main window is unloaded, not when some last window happens to close.
    uygulama.setQuitOnLastWindowClosed(false);

    // The windows that the menus, the toolbar and the start-up open.
    ÇekirdekPencereleriniKaydet();
    TanımlamaPencereleriniKaydet();
    FirmaPencereleriniKaydet();
    StokPencereleriniKaydet();
    HareketGeçmişiPencereleriniKaydet();
    StokListeleriniKaydet();
    FaturaPencereleriniKaydet();
    FaturaBaskıPencereleriniKaydet();
    HareketRaporlarınıKaydet();

    BaşlangıçModülü::Main();

    AnaForm* ana = AnaForm::örnek();
    if (!ana || !ana->isVisible()) return 0;
    ana->boşaltılınca([] { QCoreApplication::quit(); });
    program::sonlandırmaSinyaliniAl();
    return uygulama.exec();
}

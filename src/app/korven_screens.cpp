#include "korven_screens.h"

#include "download/screens/automatic_download_screen.h"
#include "download/screens/data_viewer_screen.h"
#include "link/screens/modem_connection.h"
#include "link/screens/modem_setup_screen.h"
#include "link/screens/rs232_screen.h"

namespace korven {

ScreenCatalog korvenScreens() {
    ScreenCatalog screens;
    screens.rs232Settings = [](Session& session) { return new Rs232Screen(session); };
    screens.modemSetup = [](Session& session) { return new ModemSetupScreen(session); };
    screens.switchModemConnection = switchModemConnection;
    screens.blockViewer = makeDataViewerScreen;
    screens.automaticDownload = makeAutomaticDownloadScreen;
    return screens;
}

} // namespace korven

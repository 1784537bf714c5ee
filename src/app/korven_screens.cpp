#include "korven_screens.h"

#include "archive/screens/archive_screen.h"
#include "download/screens/automatic_download_screen.h"
#include "download/screens/data_viewer_screen.h"
#include "link/screens/modem_connection.h"
#include "link/screens/modem_setup_screen.h"
#include "link/screens/rs232_screen.h"
#include "logger_setup/screens/channel_setup_screen.h"
#include "logger_setup/screens/general_parameters_screen.h"
#include "logger_setup/screens/scan_settings_screen.h"
#include "reading/screens/channel_reading_screen.h"
#include "reading/screens/single_channel_screen.h"
#include "system_setup/screens/system_setup_screen.h"

namespace korven {

ScreenCatalog korvenScreens() {
    ScreenCatalog screens;
    screens.rs232Settings = [](Session& session) { return new Rs232Screen(session); };
    screens.systemSetupEditor = [](Session& session) { return new SystemSetupScreen(session); };
    screens.modemSetup = [](Session& session) { return new ModemSetupScreen(session); };
    screens.switchModemConnection = switchModemConnection;
    screens.blockViewer = makeDataViewerScreen;
    screens.automaticDownload = makeAutomaticDownloadScreen;
    screens.archive = makeArchiveScreen;
    screens.channelSetup = makeChannelSetupScreen;
    screens.scanSettings = [](Session& session) { return new ScanSettingsScreen(session); };
    screens.generalParameters = [](Session& session) {
        return new GeneralParametersScreen(session);
    };
    screens.channelReading = makeChannelReadingScreen;
    screens.singleChannelReading = makeSingleChannelScreen;
    return screens;
}

} // namespace korven

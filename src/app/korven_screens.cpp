#include "korven_screens.h"

#include "download/screens/automatic_download_screen.h"
#include "download/screens/data_viewer_screen.h"
#include "link/screens/rs232_screen.h"
#include "reading/screens/channel_reading_screen.h"
#include "reading/screens/single_channel_screen.h"

namespace korven {

ScreenCatalog korvenScreens() {
    ScreenCatalog screens;
    screens.rs232Settings = [](Session& session) { return new Rs232Screen(session); };
    screens.blockViewer = makeDataViewerScreen;
    screens.automaticDownload = makeAutomaticDownloadScreen;
    screens.channelReading = makeChannelReadingScreen;
    screens.singleChannelReading = makeSingleChannelScreen;
    return screens;
}

} // namespace korven

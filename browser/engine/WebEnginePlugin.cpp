#include "WebEnginePlugin.h"

#include "EngineModule.h"
#include "NetworkPageFetcher.h"
#include "WebEngineBrowser.h"

#include <QQuickWindow>

WebEnginePlugin::WebEnginePlugin()
{
    // Told to work without a GPU, as it must be on machines that have none,
    // the engine hands its pages over as pictures: Qt Quick's raster renderer
    // shows them with far less work than OpenGL, which would be Mesa's
    // software rasteriser there. Chosen before the first view is made.
    if (EngineModule::drawsWithoutGpu())
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

std::unique_ptr<BrowserComponent> WebEnginePlugin::makeBrowser()
{
    return std::make_unique<WebEngineBrowser>();
}

std::unique_ptr<PageFetcher> WebEnginePlugin::makeFetcher()
{
    return std::make_unique<NetworkPageFetcher>();
}

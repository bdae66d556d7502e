#pragma once

#include "BrowserEngine.h"

#include <QObject>

// The module's entry: page views on Qt WebEngine for the program.
class WebEnginePlugin : public QObject, public BrowserEngine {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TAVRELLO_BROWSER_ENGINE_IID)
    Q_INTERFACES(BrowserEngine)
public:
    WebEnginePlugin();

    std::unique_ptr<BrowserComponent> makeBrowser() override;
    std::unique_ptr<PageFetcher> makeFetcher() override;
};

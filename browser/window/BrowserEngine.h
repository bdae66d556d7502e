#pragma once

#include <QtPlugin>

#include <memory>

class BrowserComponent;
class PageFetcher;

// What the engine's module gives the program: page views on the engine, and
// the page downloader, whose network library the engine loads anyway.
class BrowserEngine {
public:
    virtual ~BrowserEngine() = default;
    // A page view, not yet placed in a window.
    virtual std::unique_ptr<BrowserComponent> makeBrowser() = 0;
    virtual std::unique_ptr<PageFetcher> makeFetcher() = 0;
};

#define TAVRELLO_BROWSER_ENGINE_IID "org.tavrello.BrowserEngine/2"
Q_DECLARE_INTERFACE(BrowserEngine, TAVRELLO_BROWSER_ENGINE_IID)
